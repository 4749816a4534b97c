// The status panel under the play field: hit points, stamina and special gauge bars,
// money or the level-up banner, the heroine's face and, in a boss fight, the boss's.
#pragma once
#include <cstdint>

#include "render/quad.h"

// Top of the panel digit row (row 4) and of the damage digit row (row 6) of the sheet.
constexpr float PANEL_DIGIT_ROW_V = 0.125f;
constexpr float DAMAGE_DIGIT_ROW_V = 0.1875f;

enum : int32_t {
    PANEL_SLASH_CELL = 10,
    LEVEL_UP_BANNER_FRAMES = 51,
    BANNER_LEVEL_UP = 0,
    STAMINA_LOW = 10,  // below this no move can start: the bar turns grey
};

// One global record; the in-game menu keeps its own quads here too. Its pictures are
// g_PanelSheet and g_PanelFaceSheet (render/game_textures.h).
struct StatusPanelRecord {
    SpriteQuad background;  // 640 x 96 at (0, 384)
    SpriteQuad glyph;       // 32 x 32, every digit and the slash
    SpriteQuad labelStrip;  // 192 x 32 at (110, 444)
    SpriteQuad staminaBar;  // resized every frame
    SpriteQuad gaugeBar;    // resized every frame
    // The in-game menu's quads.
    SpriteQuad menuBackground;   // 640 x 480
    SpriteQuad menuCursorWide;   // 128 x 32
    SpriteQuad menuCursor;       // 32 x 32
    SpriteQuad menuBoxWide;      // 640 x 96
    SpriteQuad menuBox;          // 96 x 96
    SpriteQuad menuPictures[6];  // 96 x 96 each
    SpriteQuad face;             // 96 x 96 at (0, 384): the heroine
    SpriteQuad bossFace;         // 96 x 96 at (544, 384): the boss being fought
    SpriteQuad moneyLabel;       // 128 x 32 at (340, 444); also the level-up banner
    int32_t bannerKind;          // 0 = level up
    int32_t bannerTimer;         // frames of the banner left
    int32_t menuValue;           // the in-game menu's; 0 after a reset
};

extern StatusPanelRecord StatusPanel;

// First step of every map entry and of the gallery fight.
void ResetStatusPanel();
// Every map frame after the heroine.
void DrawStatusPanel();
// A level-up: the banner slides in over the money for 51 frames.
void StartLevelUpBanner();
// Length in pixels of the stamina bar: 150 when stamina is level x 10; never negative.
float StaminaBarWidth(int32_t stamina, int32_t level);
// Length of the special-gauge bar: the gauge itself (150 when full); never negative.
float GaugeBarWidth(int32_t gauge);
