// The cells of her pictures: body poses on the body sheets, sword effects, sparks and big
// digits on sheet 1, and the hint strips of the inn and shop sheet.
#pragma once
#include <cstdint>

#include "render/quad.h"

// Body cells (index c + 8 r of the 8 x 8 body sheets; every costume shares the layout).
enum HeroBodyCell : int32_t {
    CELL_STAND = 0,
    CELL_WALK1 = 1,
    CELL_WALK2 = 2,
    CELL_RISE = 3,
    CELL_FALL = 4,
    CELL_GUARD = 5,
    CELL_HURT = 6,
    CELL_DASH = 7,
    CELL_COLLAPSE = 8,  // three cells, 8-10
    CELL_RECOIL = 11,
    CELL_COMBO = 16,  // combo move m: wind-up 16 + 3m, strike 17 + 3m, follow-through 18 + 3m
    CELL_SPECIAL0_CHARGE = 46,
    CELL_SPECIAL0_STRIKE = 47,
    CELL_SPECIAL_CYCLE = 48,  // specials 1 and 2: four cells cycled by T mod 4
    CELL_SPECIAL3 = 52,       // special 3: one cell for each of its four strike windows
};

enum ComboPose : int32_t { POSE_WIND_UP = 0, POSE_STRIKE = 1, POSE_FOLLOW = 2 };

inline int32_t ComboCell(int32_t move, int32_t pose) {
    return CELL_COMBO + 3 * move + pose;
}

// A texel rectangle of sheet 1 (1024 x 1024).
struct SheetCell {
    int16_t x, y, w, h;
};

enum HeroEffect : int32_t {
    FX_COMBO0,
    FX_COMBO1,
    FX_COMBO2,
    FX_COMBO3A,
    FX_COMBO3B,
    FX_COMBO4A,
    FX_COMBO4B,
    FX_COMBO5,
    FX_COMBO6,
    FX_COMBO7,
    FX_COMBO8,
    FX_COMBO9,
    FX_SPECIAL0,
    FX_SPECIAL1,
    FX_SPECIAL2,
    FX_SPECIAL3A,
    FX_SPECIAL3B,
    FX_SPECIAL3C,
    FX_SPECIAL3D,
    FX_COUNT,
};
extern const SheetCell kHeroEffectCells[FX_COUNT];
// Clash spark k (0-7), 64 x 64.
SheetCell SparkCell(int32_t k);

// Points a quad at a cell of sheet 1; facing left mirrors it, upsideDown flips it.
void SetEffectCell(SpriteQuad* q, SheetCell c, int32_t facing, bool upsideDown);
// Hint strip k: row k of the right part of the inn and shop sheet.
void SetHintStrip(SpriteQuad* q, int32_t k);
