// The splash (511 frames, it cannot be skipped) and the title.
#include "menus/splash_title.h"

#include "app/app.h"
#include "app/input.h"
#include "render/game_textures.h"
#include "render/text.h"
#include "render/texture.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world/sound_link.h"

int32_t SplashCounter;
int32_t g_TitleAngle;
int32_t g_TitleDir = 2;
int32_t g_GameLevel = LEVEL_NORMAL;
int32_t TitleHardPresses;
uint8_t TitleLatch = 1;
SpriteQuad TitleStrips[3];
SpriteQuad TitleSidePanel;

void PrepareSplash() {
    LoadTexture(&g_SplashTex, "DATA/AE00206.xml");
    if (FatalShown()) return;
    InitQuad(&g_ScreenQuad, 640, 480, 255);
    SetQuadUV(&g_ScreenQuad, 0, 0.625f, 0, 0.46875f);
    g_Frame = 5;
}

void RunSplash() {
    if (SplashCounter >= SPLASH_LAST_COUNT) {
        g_Frame = 0;
    } else {
        SplashCounter += 1;
    }
    if (SplashCounter < 255) {
        // The first picture brightens from black; the captions stay at full brightness.
        ResizeQuad(&g_ScreenQuad, 640, 480, 255);
        SetQuadColor(&g_ScreenQuad, SplashCounter, SplashCounter, SplashCounter);
        SetQuadUV(&g_ScreenQuad, 0, 0.625f, 0, 0.46875f);
        DrawQuad(&g_SplashTex, &g_ScreenQuad);
        ResizeQuad(&g_ScreenQuad, 192, 32, 255);
        PlaceQuad(&g_ScreenQuad, 0, 416);
        SetQuadUV(&g_ScreenQuad, 0.625f, 0.8125f, 0, 0.03125f);
        DrawQuad(&g_SplashTex, &g_ScreenQuad);
        if (JoystickPresent) {
            PlaceQuad(&g_ScreenQuad, 0, 448);
            SetQuadUV(&g_ScreenQuad, 0.625f, 0.8125f, 0.03125f, 0.0625f);
            DrawQuad(&g_SplashTex, &g_ScreenQuad);
        }
    } else if (SplashCounter < SPLASH_LAST_COUNT) {
        ResizeQuad(&g_ScreenQuad, 640, 480, 255);
        SetQuadColor(&g_ScreenQuad, 255, 255, 255);
        SetQuadUV(&g_ScreenQuad, 0, 0.625f, 0.46875f, 0.9375f);
        DrawQuad(&g_SplashTex, &g_ScreenQuad);
    }
}

const char* TitlePictureFile(int32_t loadData) {
    switch (loadData) {
        case 0:
            return "DATA/AE00314.xml";
        case 5:
            return "DATA/AE00331.xml";
        case 8:
            return "DATA/AE00328.xml";
        default:
            return "DATA/AE00138.xml";
    }
}

bool TitleStopsAt(int32_t angle, int32_t loadData) {
    if (angle == 0 || angle == 270) return true;
    return angle == 180 && loadData == PROGRESS_MARK_CLEARED;
}

void PrepareTitle() {
    for (int i = 0; i < 5; ++i) StopMediaPlayback();
    // The picture chosen at the first title stays for the whole run of the program.
    if (g_TitleTex == nullptr) {
        LoadTexture(&g_TitleTex, TitlePictureFile(g_LoadData));
        if (FatalShown()) return;
    }
    InitQuad(&g_TitleQuad, 640, 480, 255);
    SetQuadUV(&g_TitleQuad, 0, 0.625f, 0, 0.9375f);
    PlaceQuad(&g_TitleQuad, 0, 0);
    for (int i = 0; i < 3; ++i) {
        InitQuad(&TitleStrips[i], 32, 320, 255);
        SetQuadUV(&TitleStrips[i], 0.84375f + 0.03125f * i, 0.875f + 0.03125f * i, 0.3125f, 0.9375f);
        PlaceQuad(&TitleStrips[i], 608, 160);
    }
    InitQuad(&TitleSidePanel, 192, 320, 255);
    SetQuadUV(&TitleSidePanel, 0.65625f, 0.84375f, 0.3125f, 0.9375f);
    PlaceQuad(&TitleSidePanel, 448, 160);
    g_Frame = 1;
}

static bool Held(uint8_t vk, uint32_t pad) {
    return KeyDown(vk) || (PadFlags & pad) != 0;
}
static bool Pressed(uint8_t vk, uint32_t pad) {
    return TitleLatch == 0 && Held(vk, pad);
}

static void TurnRing() {
    if (g_TitleAngle % 90 != 0 || !TitleStopsAt(g_TitleAngle, g_LoadData)) {
        g_TitleAngle += g_TitleDir == 2 ? 1 : -1;
        return;
    }
    if (Pressed(VK_LEFT, PAD_LEFT)) {
        g_TitleAngle -= 1;
        g_TitleDir = 3;
        TitleHardPresses = 0;
    }
    if (Pressed(VK_RIGHT, PAD_RIGHT)) {
        g_TitleAngle += 1;
        g_TitleDir = 2;
        TitleHardPresses = 0;
    }
}

static void ChooseLevel() {
    const bool down = Pressed(VK_DOWN, PAD_DOWN);
    const bool up = Pressed(VK_UP, PAD_UP);
    if (down && g_GameLevel < LEVEL_HARD) g_GameLevel += 1;
    if (up && g_GameLevel != LEVEL_EASY) {
        g_GameLevel -= 1;
        TitleHardPresses = 0;
    }
    // Five more presses of Down at "Hard?" open the hidden level.
    if (down && g_GameLevel == LEVEL_HARD) {
        if (TitleHardPresses < 5) {
            TitleHardPresses += 1;
        } else {
            g_GameLevel = LEVEL_EXCITED_HARD;
        }
    }
}

static void Confirm() {
    if (!Held(VK_X, PAD_X)) return;
    // The gallery strip only exists with the 777 mark; without it the ring merely passes
    // 180 and confirming there does nothing.
    if (g_TitleAngle == 180 && g_LoadData == PROGRESS_MARK_CLEARED) {
        KeyHeld = 1;
        g_Frame = 6;
    } else if (g_TitleAngle == 270) {
        SaveMenuOpen = 1;
        SaveMenuStep = 2;
        g_Frame = 2;
    } else if (g_TitleAngle == 0) {
        g_Frame = 2;
    }
}

static void DrawLevelNames() {
    static const char* const kNames[3] = {"Easy", "Normal", "Hard?"};
    for (int i = 0; i < 3; ++i) {
        DrawLabel(kNames[i], 320, 160.0f + 20 * i, g_GameLevel == i ? 0xFFFFFFFFu : 0xFF9B9B9Bu);
    }
    if (g_GameLevel == LEVEL_EXCITED_HARD) DrawLabel("ExcitedHard", 320, 220, 0xFFC80000u);
}

void RunTitle() {
    TurnRing();
    const bool levelShown = g_TitleAngle == 0 || g_TitleAngle == 180;
    if (levelShown) ChooseLevel();
    Confirm();
    if (g_TitleAngle >= 360) g_TitleAngle = 0;
    if (g_TitleAngle < 0) g_TitleAngle = 359;

    DrawQuad(&g_TitleTex, &g_TitleQuad);
    DrawQuadRotated(&g_TitleTex, &TitleStrips[0], static_cast<float>(g_TitleAngle));
    DrawQuadRotated(&g_TitleTex, &TitleStrips[1], static_cast<float>(g_TitleAngle + 90));
    if (g_LoadData == PROGRESS_MARK_CLEARED) {
        DrawQuadRotated(&g_TitleTex, &TitleStrips[2], static_cast<float>(g_TitleAngle + 180));
    }
    DrawQuad(&g_TitleTex, &TitleSidePanel);
    if (g_TitleAngle == 0 || g_TitleAngle == 180) DrawLevelNames();

    TitleLatch =
        (Held(VK_DOWN, PAD_DOWN) || Held(VK_UP, PAD_UP) || Held(VK_SPACE, PAD_SPACE) || Held(VK_X, PAD_X))
            ? 1
            : 0;
}
