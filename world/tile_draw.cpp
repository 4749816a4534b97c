// The walking scroll of the camera and the drawing of the two tile layers.
#include "app/input.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"

static float TruncToward0(float v) {
    if (!(v > -1.0e9f && v < 1.0e9f)) return 0.0f;
    return static_cast<float>(static_cast<int>(v));
}

// The world moves under the heroine 8 pixels a frame; a step that would put her into a
// solid tile is not taken at all.
static void WalkingScroll() {
    if (Hero.state != 0 || Hero.life != 0 || EventActive != 0) return;
    const bool left = KeyDown(VK_LEFT) || (PadFlags & PAD_LEFT) != 0;
    const bool right = KeyDown(VK_RIGHT) || (PadFlags & PAD_RIGHT) != 0;
    const float s = ScrollX;
    if (left && !right && !TouchesSolid(&Hero.hitRect)) {
        ScrollX += 8;
        if (TouchesSolid(&Hero.hitRect)) ScrollX = TruncToward0(s);
    }
    if (!left && right && !TouchesSolid(&Hero.hitRect)) {
        ScrollX -= 8;
        if (TouchesSolid(&Hero.hitRect)) ScrollX = TruncToward0(s);
    }
}

// Cell v of a 16 x 16 tile sheet, pulled in a little on every side.
static void SelectTileCell(SpriteQuad* q, int v) {
    const float column = static_cast<float>(v % 16);
    const float row = static_cast<float>(v / 16);
    SetQuadUV(q, column / 16 + 0.0005f, (column + 1) / 16 - 0.0005f, row / 16 + 0.0005f,
              (row + 1) / 16 - 0.0005f);
}

static void DrawTile(SpriteQuad* q, TextureSlot* sheet, int32_t v) {
    if (v == 0) return;
    // Only cells 1-63 exist on a sheet; larger values are not drawn.
    if (v < 1 || v > 63) return;
    SelectTileCell(q, v);
    if (q->v[0].x > -32 && q->v[2].x < 672) DrawQuad(sheet, q);
}

int FirstTileColumn() {
    const int n = -(static_cast<int>(TruncToward0(ScrollX)) / TILE_SIZE);
    return n > 0 ? n - 1 : 0;
}

void ScrollAndDrawTiles() {
    WalkingScroll();
    const int first = FirstTileColumn();
    for (int i = first; i < GRID_COLUMNS; ++i) {
        for (int j = 0; j < MAP_ROWS; ++j) {
            const float x = 32.0f * i + ScrollX;
            const float y = 32.0f * j;
            PlaceQuad(&TileQuadA, x, y);
            PlaceQuad(&TileQuadB, x, y);
            DrawTile(&TileQuadA, &g_TileSheetA, CollisionGrid[j][i]);
            DrawTile(&TileQuadB, &g_TileSheetB, DecorGrid[j][i]);
        }
        if (TileQuadA.v[2].x > 672) break;
    }
}
