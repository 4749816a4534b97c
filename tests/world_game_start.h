// Whole-game tests that skip the splash and the title: a game folder of their own and the
// values with which the next frame starts a new game straight away.
#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "app/app.h"
#include "menus/game_over.h"
#include "menus/splash_title.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world_test_device.h"

// A temporary game folder whose DATA is the build's and whose Save/ is its own, so that a
// save point the player stumbles on writes there. Empty when it cannot be made.
inline std::string GameDirWithBuiltData() {
    std::string dir = WorldTestTempDir();
    const std::string data = std::string(MIRAVEL_BUILD_DIR) + "/DATA";
    if (symlink(data.c_str(), (dir + "/DATA").c_str()) != 0) return "";
    mkdir((dir + "/Save").c_str(), 0755);
    return dir;
}

// The first frame of GameMain will be the game start: everything loads and map 0 is entered.
inline void PrepareNewGameStart() {
    g_Frame = 2;
    g_GameLevel = LEVEL_NORMAL;
    g_GameAssetsLoaded = 0;
    GameOverCounter = 0;
    MapState = 0;
    ScrollX = 0;
    SaveMenuOpen = 0;
    MenuOpen = 0;
    ClearFatalBox();
}
