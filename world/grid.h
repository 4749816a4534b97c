// The two tile grids of the current map, the collision and overlap tests every body
// uses, the shared gravity step, and the drawing of the tile layers.
#pragma once
#include <cstdint>

#include "enemies/actor.h"
#include "render/quad.h"
#include "world/hit_rect.h"

enum : int32_t {
    GRID_COLUMNS = 250,
    GRID_ROWS = 20,  // rows 12-19 lie below the screen
    MAP_ROWS = 12,   // rows a map's layers fill
    TILE_SIZE = 32,
    SAVE_POINT_TILE = 9,  // decoration value of a save point
};

// Cell (row, column); rows 0-11 come from the map, row 19 is a solid floor far below.
extern int32_t CollisionGrid[GRID_ROWS][GRID_COLUMNS];
extern int32_t DecorGrid[GRID_ROWS][GRID_COLUMNS];
extern SpriteQuad TileQuadA;     // reused for every collision cell
extern SpriteQuad TileQuadB;     // reused for every decoration cell
extern SpriteQuad BackdropQuad;  // 640 x 384
// The tile sheets and backdrop pictures are g_TileSheetA, g_TileSheetB and
// g_BackdropPictures (render/game_textures.h).

// Grid cell under a screen point; points outside the grids read as 0.
int32_t CollisionCellAt(float x, float y);
int32_t DecorCellAt(float x, float y);

bool TouchesSolid(const HitRect* r);
bool QuadTouchesSolid(const SpriteQuad* q);
bool TouchesSavePoint(const HitRect* r);
bool OverPit(const HitRect* r);
bool QuadsOverlap(const SpriteQuad* a, const SpriteQuad* b);
bool QuadOverlapsRect(const SpriteQuad* q, HitRect r);
bool RectsOverlap(HitRect a, HitRect b);
void HitRectFromQuad(HitRect* out, const SpriteQuad* q, float insetLeft, float insetRight, float insetTop,
                     float insetBottom);
void QuadFromHitRect(SpriteQuad* out, const HitRect* r, float outLeft, float outRight, float outTop,
                     float outBottom);
void PlaceHitRect(HitRect* r, float x, float y);

// One frame of gravity and landing for a body whose quad top is at y.
void FallStep(SpriteQuad* q, HitRect* r, float* y, FallState* fall);

// Clears the whole of both grids and lays the solid floor of row 19 (game start).
void ResetGrids();
// Copies a map's two 12 x 250 layers (row-major bytes) into rows 0-11.
void CopyMapLayers(const uint8_t* layerA, const uint8_t* layerB);
// Resets the tile quads and the backdrop quad (every map entry).
void ResetScenery();
// First tile column drawn for the current ScrollX: one before the first visible one.
int FirstTileColumn();
// The heroine's walking scroll, then both tile layers.
void ScrollAndDrawTiles();
