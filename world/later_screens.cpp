// Plain versions of the screens other areas build later. They are weak symbols: the real
// screen, defined in its own area, takes their place at link time, and the line here can
// then go. The stand-in screens close at once so that play never gets stuck.
#include "world/later_screens.h"

#define LATER_SCREEN __attribute__((weak))

#include "player/hero.h"
#include "world/map_hooks.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"

LATER_SCREEN void SaveMenuEnter() {}
LATER_SCREEN void SaveMenuRun() {
    SaveMenuOpen = 0;
    EventActive = 0;
    SaveMenuStep = 0;
}
LATER_SCREEN void SaveMenuDraw() {}
LATER_SCREEN void LoadMenuEnter() {}
// Behaves as an empty slot: the game starts anew from the first map.
LATER_SCREEN void LoadMenuRun() {
    SaveMenuOpen = 0;
    SaveMenuStep = 0;
    MapState = 0;
}
LATER_SCREEN void LoadMenuDraw() {}
LATER_SCREEN bool RunInGameMenu() {
    return true;
}
LATER_SCREEN void InnEnter() {}
LATER_SCREEN bool InnRun() {
    return true;
}
LATER_SCREEN void ShopEnter() {}
LATER_SCREEN bool ShopRun() {
    return true;
}
LATER_SCREEN void RunGalleryFight() {}
LATER_SCREEN void ResetStatusPanel() {}
LATER_SCREEN void DrawStatusPanel() {}
LATER_SCREEN void RunTownsfolkTalk(int) {}

// What maps bring with them (world/map_hooks.h): no townsfolk or bosses yet (the enemy
// hooks are enemies/enemy_groups.cpp's).
LATER_SCREEN void SpawnTownsfolk(int32_t) {}
LATER_SCREEN void RunTownsfolk(int32_t) {}
LATER_SCREEN void DrawTownsfolk(int32_t) {}
LATER_SCREEN void SpawnMapBosses(int32_t) {}
LATER_SCREEN void RunMapBosses(int32_t) {}
LATER_SCREEN void DrawMapBosses(int32_t) {}
// No scene is written yet: a map whose entry stopped the world for its opening scene gets
// it back at once, unless a talk, the menu, the inn, a special move's dim or her death holds it.
LATER_SCREEN void RunMapScenes(int32_t map) {
    const MapInfo* m = FindMap(map);
    if (!m || m->entryLockUntilFlag == NO_FLAG || StoryFlags[m->entryLockUntilFlag]) return;
    if (!EventActive || MenuOpen || ShopActive || Hero.pauseFlash) return;
    if (Hero.life == HERO_COLLAPSING || Hero.life == HERO_DEAD) return;
    for (uint8_t talk : TalkSlot) {
        if (talk) return;
    }
    EventActive = 0;
    AdvanceLock = 0;
}
// The switch works at once.
LATER_SCREEN bool RunSwitchScene(int32_t) {
    return true;
}
