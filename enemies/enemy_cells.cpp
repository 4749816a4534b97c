// Cells of the 8 x 8 enemy sheet: cell (c, r) spans u c/8..(c+1)/8 and v r/8..(r+1)/8.
#include "enemies/enemy_cells.h"

#include "enemies/enemies.h"

void SetEnemyUV(SpriteQuad* q, int facing, int col, int row, int cols, int rows, bool upsideDown) {
    const float l = col / 8.0f, r = (col + cols) / 8.0f;
    float t = row / 8.0f, b = (row + rows) / 8.0f;
    if (upsideDown) {
        const float s = t;
        t = b;
        b = s;
    }
    if (facing == FACING_LEFT) {
        SetQuadUV(q, r - 0.001f, l + 0.001f, t, b);
    } else {
        SetQuadUV(q, l, r, t, b);
    }
}

void ShowEnemyCell(Actor* a, EnemyCell cell) {
    SetEnemyUV(&a->body, a->facing, cell.col, cell.row, 1, cell.rows, false);
}

void ShowEnemyColumn(Actor* a, const EnemyKind& k, int col) {
    ShowEnemyCell(a, EnemyCell{static_cast<int8_t>(col), k.row, 1});
}
