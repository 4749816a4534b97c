#include "render/face.h"

void SelectFaceCell(SpriteQuad* q, int cell) {
    if (cell < 0 || cell > 89) return;
    const float size = 0.09375f;  // 96 pixels of a 1024-pixel sheet
    int column = cell % 10, row = cell / 10;
    SetQuadUV(q, column * size, (column + 1) * size, row * size, (row + 1) * size);
}
