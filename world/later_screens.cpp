// Plain versions of the screens other areas build later. They are weak symbols: the real
// screen, defined in its own area, takes their place at link time, and the line here can
// then go. The stand-in screens close at once so that play never gets stuck.
#include "world/later_screens.h"

#define LATER_SCREEN __attribute__((weak))

#include "world/map_state.h"
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
