// Milliseconds per frame of map 152's full group (120 enemies) on the headless device:
// an empty frame, the enemies' logic alone, the tiles alone, and tiles with the enemies
// run and drawn, while the camera sweeps across the map and back.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "enemies/enemies.h"
#include "enemies/enemy_groups.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "platform/video.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "render/texture.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/map_table.h"

namespace {

const int kMap = 152;

// The camera for frame f: across the map and back, the group respawned at each turn.
void Camera(int f) {
    const int span = 7244 / 8;  // frames of one crossing at walking speed
    const int p = f % (2 * span);
    if (p == 0) SpawnEnemyGroup(kMap);
    ScrollX = -64.0f - 8.0f * (p < span ? p : 2 * span - p);
    Hero.hp = 1000000;
}

template <typename F>
double MsPerFrame(int frames, bool present, F body) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; i++) {
        if (present) {
            video_Clear(0xFF000000);
            video_BeginScene();
        }
        body(i);
        if (present) {
            video_EndScene();
            video_Present();
        }
    }
    std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count() / frames;
}

void LoadSheet(TextureSlot* slot) {
    for (const GameTexture& t : kGameTextures) {
        if (t.slot == slot) LoadTexture(slot, t.file);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* gameDir = argc > 1 ? argv[1] : ".";
    int frames = argc > 2 ? atoi(argv[2]) : 2000;
    if (frames <= 0) frames = 2000;
    headless_Configure(HeadlessConfig{});
    char err[256];
    if (!sys_Init(gameDir) || !video_Init("enemy bench", false, false, err, sizeof err)) {
        fprintf(stderr, "cannot start the headless device in %s\n", gameDir);
        return 1;
    }
    const uint8_t* layers = MapLayers(kMap);
    if (!layers) {
        fprintf(stderr, "map %d has no layers\n", kMap);
        return 1;
    }
    LoadSheet(&g_EnemySheet);
    LoadSheet(&g_TileSheetA);
    LoadSheet(&g_TileSheetB);
    ResetGrids();
    CopyMapLayers(layers, layers + 12 * GRID_COLUMNS);
    ResetScenery();
    ResetHeroForNewGame();
    Hero.level = 60;
    const EnemyGroup* g = FindEnemyGroup(kMap);
    int total = 0;
    for (int k = 0; k < ENEMY_KINDS; ++k) total += g->counts[k];

    const double empty = MsPerFrame(frames, true, [](int) {});
    const double logic = MsPerFrame(frames, false, [&](int f) {
        Camera(f);
        RunEnemyGroup(g->routine);
    });
    // The worst case: all 120 at once within the screen's update window around her.
    const double crowd = MsPerFrame(frames, false, [&](int f) {
        if (f % 200 == 0) {
            SpawnEnemyGroup(kMap);
            ScrollX = -3000;
            for (int k = 1; k <= ENEMY_KINDS; ++k)
                for (int i = 0; i < EnemyCounts[k - 1]; ++i) EnemySlot(k, i)->x = 3000 + 40.0f * i + 7 * k;
        }
        Hero.hp = 1000000;
        RunEnemyGroup(g->routine);
    });
    const double tiles = MsPerFrame(frames, true, [&](int f) {
        Camera(f);
        ScrollAndDrawTiles();
    });
    const double full = MsPerFrame(frames, true, [&](int f) {
        Camera(f);
        RunEnemyGroup(g->routine);
        ScrollAndDrawTiles();
        DrawEnemyGroup(g->routine);
    });

    printf("map %d, %d enemies, %d frames each, camera sweeping the map\n", kMap, total, frames);
    printf("  empty frame (clear + present):          %.3f ms\n", empty);
    printf("  enemy logic only (no device):           %.3f ms\n", logic);
    printf("  enemy logic, all 120 near the screen:   %.3f ms\n", crowd);
    printf("  tiles only:                             %.3f ms\n", tiles);
    printf("  tiles + enemies run and drawn:          %.3f ms\n", full);
    video_Shutdown();
    sys_Shutdown();
    return 0;
}
