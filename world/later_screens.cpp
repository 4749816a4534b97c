// Plain versions of the screens other areas build later; each is removed from this file
// when its real screen lands. The screens close at once so that play never gets stuck.
#include "world/later_screens.h"

#include "render/game_textures.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"

void SaveMenuEnter() {}
void SaveMenuRun() {
    SaveMenuOpen = 0;
    EventActive = 0;
    SaveMenuStep = 0;
}
void SaveMenuDraw() {}
void LoadMenuEnter() {}
// Behaves as an empty slot: the game starts anew from the first map.
void LoadMenuRun() {
    SaveMenuOpen = 0;
    SaveMenuStep = 0;
    MapState = 0;
}
void LoadMenuDraw() {}
bool RunInGameMenu() {
    return true;
}
void InnEnter() {}
bool InnRun() {
    return true;
}
void ShopEnter() {}
bool ShopRun() {
    return true;
}
void RunGalleryFight() {}
void ResetStatusPanel() {}
void DrawStatusPanel() {}
void DrawBackdrop(int kind) {
    if (kind < 0 || kind > 9) return;
    PlaceQuad(&BackdropQuad, 0, 0);
    DrawQuad(&g_BackdropPictures[kind], &BackdropQuad);
}
void RunTownsfolkTalk(int) {}
