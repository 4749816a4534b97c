// Pointing an enemy's quads at cells of the shared enemy sheet.
#pragma once
#include "enemies/actor.h"
#include "enemies/enemy_kinds.h"

// The body shows the cell; facing left mirrors it.
void ShowEnemyCell(Actor* a, EnemyCell cell);
// The body shows column `col` of the kind's own row.
void ShowEnemyColumn(Actor* a, const EnemyKind& k, int col);
// A block of cells on a quad: cols x rows cells from (col, row); upside down flips it.
void SetEnemyUV(SpriteQuad* q, int facing, int col, int row, int cols, int rows, bool upsideDown);
