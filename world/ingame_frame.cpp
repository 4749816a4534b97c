// The in-game frame: save point, the map, the pause dim, game over, giving up, the menu,
// the inn and shop, and the action-key latch, in that order.
#include "app/input.h"
#include "menus/game_over.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/later_screens.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"

int32_t MapState;
float ScrollX;
uint8_t MenuOpen;
uint8_t SaveMenuOpen;
int32_t SaveMenuStep;
int32_t ShopActive;
int32_t ShopState;
uint8_t TalkSlot[10];
int32_t flashCount;
int32_t InnPrice;
int32_t TransitionWait;

static bool UpIsDown() {
    return KeyDown(VK_UP) || (PadFlags & PAD_UP) != 0;
}

// The save or load screen owns the whole frame while it is open.
static void RunSaveScreens() {
    switch (SaveMenuStep) {
        case 0:
            SaveMenuEnter();
            SaveMenuStep = 1;
            SaveMenuRun();
            SaveMenuDraw();
            break;
        case 1:
            SaveMenuRun();
            SaveMenuDraw();
            break;
        case 2:
            LoadMenuEnter();
            SaveMenuStep = 3;
            LoadMenuRun();
            LoadMenuDraw();
            break;
        case 3:
            LoadMenuRun();
            LoadMenuDraw();
            break;
        default:
            break;
    }
}

static bool SaveScreenHasFrame() {
    if (UpIsDown() && MenuOpen == 0 && EventActive == 0 && TouchesSavePoint(&Hero.hitRect)) {
        if (SaveMenuOpen) return true;
        if (Hero.state == 0) {
            SaveMenuOpen = 1;
            KeyHeld = 1;
            SaveMenuStep = 0;
            return true;
        }
        return false;
    }
    return SaveMenuOpen != 0;
}

static void DispatchMapState() {
    if (MapState == MAP_STATE_GALLERY_ENTER) {
        MapState = MAP_STATE_GALLERY_RUN;
        RunGalleryFight();
        return;
    }
    if (MapState == MAP_STATE_GALLERY_RUN) {
        RunGalleryFight();
        return;
    }
    if (MapState < 0 || MapState >= 2 * MAP_NUMBER_LIMIT) return;
    const MapInfo* map = FindMap(MapState / 2);
    if (!map) return;
    if (MapState % 2 == 0) {
        EnterMap(map);
        MapState += 1;
    }
    RunMap(map);
}

// A special move dims the world for 30 frames, then leaves the overlay opaque black.
static void RunPauseDim() {
    if (!Hero.pauseFlash) return;
    if (flashCount < 30) {
        EventActive = 1;
        SetQuadColorAlpha(&g_FadeQuad, 0, 0, 0, 155);
        DrawQuad(&g_FadeTex, &g_FadeQuad);
        flashCount += 1;
    } else {
        EventActive = 0;
        SetQuadColorAlpha(&g_FadeQuad, 0, 0, 0, 255);
        flashCount = 0;
        Hero.pauseFlash = 0;
    }
}

// True when the menu took the frame.
static bool RunMenuStep() {
    const bool space = KeyDown(VK_SPACE) || (PadFlags & PAD_SPACE) != 0;
    bool run = false;
    if (space && SaveMenuOpen == 0) {
        if (MenuOpen == 0) {
            if (KeyHeld == 0 && EventActive == 0) {
                MenuOpen = 1;
                KeyHeld = 1;
                EventActive = 1;
                run = true;
            }
        } else {
            run = true;
        }
    } else if (MenuOpen) {
        run = true;
    }
    if (!run) return false;
    if (RunInGameMenu()) {
        EventActive = 0;
        MenuOpen = 0;
    }
    return true;
}

// True when the inn or the shop took the frame.
static bool RunShopStep() {
    if (!ShopActive) return false;
    bool closed = false;
    switch (ShopState) {
        case 0:
            InnEnter();
            ShopState = 1;
            closed = InnRun();
            break;
        case 1:
            closed = InnRun();
            break;
        case 2:
            ShopEnter();
            ShopState = 3;
            break;
        case 3:
            closed = ShopRun();
            break;
        default:
            break;
    }
    if (closed) {
        ShopState = 0;
        ShopActive = 0;
        EventActive = 0;
    }
    return true;
}

void RunInGameFrame() {
    if (SaveScreenHasFrame()) {
        RunSaveScreens();
        return;
    }
    DispatchMapState();
    RunPauseDim();
    if (Hero.life == 4) {
        GameOverRun();
        return;
    }
    if (KeyDown(VK_F1) && MenuOpen == 0) {
        Hero.life = 2;
        return;
    }
    if (Hero.life == 2) return;
    if (RunMenuStep()) return;
    if (RunShopStep()) return;
    KeyHeld = (KeyDown(VK_Z) || KeyDown(VK_X) || KeyDown(VK_C) || KeyDown(VK_SPACE) ||
               (PadFlags & (PAD_Z | PAD_X | PAD_C | PAD_SPACE)) != 0)
                  ? 1
                  : 0;
}
