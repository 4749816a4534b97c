// The face sheet: 10 columns by 9 rows of portraits.
#pragma once
#include "render/quad.h"

// Points the quad at one cell (0-89); a cell above 89 leaves the quad unchanged.
void SelectFaceCell(SpriteQuad* q, int cell);
