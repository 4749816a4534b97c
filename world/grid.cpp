// Tile grids and the tests on them.
#include "world/grid.h"

#include "world/map_state.h"

int32_t CollisionGrid[GRID_ROWS][GRID_COLUMNS];
int32_t DecorGrid[GRID_ROWS][GRID_COLUMNS];
SpriteQuad TileQuadA;
SpriteQuad TileQuadB;
SpriteQuad BackdropQuad;

// Row and column of a screen point: each coordinate truncated toward zero, then divided
// by 32 toward zero. False for points outside the grids (including ones too far away
// to convert), which therefore read as empty.
static bool CellOf(float x, float y, int* row, int* column) {
    float wx = x - ScrollX;
    if (!(wx > -1.0e6f && wx < 1.0e6f) || !(y > -1.0e6f && y < 1.0e6f)) return false;
    int c = static_cast<int>(wx) / TILE_SIZE;
    int r = static_cast<int>(y) / TILE_SIZE;
    if (c < 0 || c >= GRID_COLUMNS || r < 0 || r >= GRID_ROWS) return false;
    *row = r;
    *column = c;
    return true;
}

int32_t CollisionCellAt(float x, float y) {
    int r, c;
    return CellOf(x, y, &r, &c) ? CollisionGrid[r][c] : 0;
}

int32_t DecorCellAt(float x, float y) {
    int r, c;
    return CellOf(x, y, &r, &c) ? DecorGrid[r][c] : 0;
}

bool TouchesSolid(const HitRect* r) {
    return CollisionCellAt(r->left, r->top) != 0 || CollisionCellAt(r->right - 1, r->top) != 0 ||
           CollisionCellAt(r->right - 1, r->bottom - 1) != 0 || CollisionCellAt(r->left, r->bottom - 1) != 0;
}

bool QuadTouchesSolid(const SpriteQuad* q) {
    const QuadVertex* v = q->v;
    return CollisionCellAt(v[0].x, v[0].y) != 0 || CollisionCellAt(v[1].x - 1, v[1].y) != 0 ||
           CollisionCellAt(v[2].x - 1, v[2].y - 1) != 0 || CollisionCellAt(v[3].x, v[3].y - 1) != 0;
}

bool TouchesSavePoint(const HitRect* r) {
    return DecorCellAt(r->left, r->top) == SAVE_POINT_TILE ||
           DecorCellAt(r->right - 1, r->top) == SAVE_POINT_TILE ||
           DecorCellAt(r->right - 1, r->bottom - 1) == SAVE_POINT_TILE ||
           DecorCellAt(r->left, r->bottom - 1) == SAVE_POINT_TILE;
}

bool OverPit(const HitRect* r) {
    // Row 11 is the floor row: a hole under either vertical edge is a pit.
    const float floorY = 11 * TILE_SIZE;
    return CollisionCellAt(r->right - 1, floorY) == 0 || CollisionCellAt(r->left, floorY) == 0;
}

bool QuadsOverlap(const SpriteQuad* a, const SpriteQuad* b) {
    return b->v[2].x - 1 >= a->v[0].x + 1 && b->v[2].y - 1 >= a->v[0].y + 1 &&
           b->v[0].x + 1 <= a->v[2].x - 1 && a->v[2].y - 1 >= b->v[0].y + 1;
}

bool QuadOverlapsRect(const SpriteQuad* q, HitRect r) {
    return r.right - 1 >= q->v[0].x + 1 && r.bottom - 1 >= q->v[0].y + 1 && r.left + 1 <= q->v[2].x - 1 &&
           q->v[2].y - 1 >= r.top + 1;
}

bool RectsOverlap(HitRect a, HitRect b) {
    return b.right >= a.left && b.bottom >= a.top && b.left <= a.right && a.bottom >= b.top;
}

void HitRectFromQuad(HitRect* out, const SpriteQuad* q, float insetLeft, float insetRight, float insetTop,
                     float insetBottom) {
    out->left = q->v[0].x + insetLeft;
    out->top = q->v[0].y + insetTop;
    out->right = q->v[2].x - insetRight;
    out->bottom = q->v[2].y - insetBottom;
}

void QuadFromHitRect(SpriteQuad* out, const HitRect* r, float outLeft, float outRight, float outTop,
                     float outBottom) {
    QuadVertex* v = out->v;
    v[0].x = r->left - outLeft;
    v[0].y = r->top - outTop;
    v[1].x = r->right + outRight;
    v[1].y = r->top - outTop;
    v[2].x = r->right + outRight;
    v[2].y = r->bottom + outBottom;
    v[3].x = r->left - outLeft;
    v[3].y = r->bottom + outBottom;
}

void PlaceHitRect(HitRect* r, float x, float y) {
    float w = r->right - r->left;
    float h = r->bottom - r->top;
    r->left = x;
    r->top = y;
    r->right = x + w;
    r->bottom = y + h;
}

void ResetGrids() {
    for (int row = 0; row < GRID_ROWS; ++row) {
        for (int c = 0; c < GRID_COLUMNS; ++c) {
            CollisionGrid[row][c] = row == GRID_ROWS - 1 ? 1 : 0;
            DecorGrid[row][c] = 0;
        }
    }
}

void CopyMapLayers(const uint8_t* layerA, const uint8_t* layerB) {
    for (int c = 0; c < GRID_COLUMNS; ++c) {
        for (int row = 0; row < MAP_ROWS; ++row) {
            CollisionGrid[row][c] = layerA[row * GRID_COLUMNS + c];
            DecorGrid[row][c] = layerB[row * GRID_COLUMNS + c];
        }
    }
}

void ResetScenery() {
    InitQuad(&TileQuadA, 32, 32, 255);
    InitQuad(&TileQuadB, 32, 32, 255);
    InitQuad(&BackdropQuad, 640, 384, 255);
}
