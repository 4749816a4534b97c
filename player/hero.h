// The heroine's record: an Actor followed by fields of her own.
#pragma once
#include <cstdint>

#include "enemies/actor.h"

// Her sheets are loaded into g_HeroSheet (render/game_textures.h); the slot fields
// here keep the record's layout.
struct HeroRecord : Actor {
    int32_t comboMove;       // combo move 0-9
    int32_t specialMove;     // special 0-3
    int32_t spare;           // always 0
    int32_t spareValues[5];  // kept by the save files only
    int32_t costume;         // 0, 1 or 2
    int32_t hintOption;      // 1 = hint strips shown
    uint8_t pauseFlash;      // a special has begun
    TextureSlot sheet1;      // effects and big digits (DATA/AE00345.xml)
    TextureSlot sheet2;      // body sheet of costume 1 (DATA/AE00369.xml)
    TextureSlot sheet3;      // body sheet of costume 2 (DATA/AE00168.xml)
    SpriteQuad digitQuad;    // 64 x 128 big digits
};

extern HeroRecord Hero;

enum : int32_t {
    HERO_SCREEN_X = 300,
    HERO_GROUND_Y = 288,
    HERO_COLLAPSE_FRAMES = 40,
    HERO_FALL_OUT_Y = 540,
};

// Her hit rectangle from the body quad: insets 29, 29, 31, 0.
void HeroHitRectFromBody();
// Every map entry: standing at (300, 288) in control, moves and effects cleared.
void ResetHero();
// The new-game values of her statistics and motion.
void ResetHeroForNewGame();
// One frame of the heroine while the world runs.
void UpdateHero();
// Her body with the sheet of her costume.
void DrawHero();
