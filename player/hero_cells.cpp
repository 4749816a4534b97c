// Where her pictures sit on her sheets, and pointing quads at them.
#include "player/hero_cells.h"

#include "player/hero.h"

const SheetCell kHeroEffectCells[FX_COUNT] = {
    {0, 128, 128, 50},    // combo 0: level slash
    {0, 0, 128, 128},     // combo 1: rising arc
    {128, 128, 256, 64},  // combo 2: low sweep
    {384, 0, 64, 128},    // combo 3, first frame: vertical cut
    {128, 0, 256, 128},   // combo 3, then the great arc
    {0, 192, 128, 64},    // combo 4, first frame: short thrust
    {0, 448, 388, 64},    // combo 4, then the long thrust
    {448, 0, 192, 128},   // combo 5: falling cleave
    {640, 0, 192, 128},   // combo 6: arc over the head
    {384, 128, 256, 64},  // combo 7: double cut
    {832, 0, 192, 128},   // combo 8: cross cut
    {0, 384, 320, 64},    // combo 9: long drawing cut
    {320, 384, 320, 64},  // special 0: wave
    {128, 192, 256, 64},  // special 1: flurry
    {384, 192, 256, 64},  // special 2: stronger flurry
    {400, 448, 256, 64},  // special 3, frames 0-19
    {0, 512, 320, 64},    // special 3, frames 20-39
    {640, 384, 320, 64},  // special 3, frames 40-59
    {640, 448, 384, 64},  // special 3, frames 60-89
};

SheetCell SparkCell(int32_t k) {
    k &= 7;
    return {static_cast<int16_t>(640 + 64 * (k % 4)), static_cast<int16_t>(128 + 64 * (k / 4)), 64, 64};
}

void SetEffectCell(SpriteQuad* q, SheetCell c, int32_t facing, bool upsideDown) {
    const float l = c.x / 1024.0f, r = (c.x + c.w) / 1024.0f;
    const float t = c.y / 1024.0f, b = (c.y + c.h) / 1024.0f;
    const float top = upsideDown ? b : t, bottom = upsideDown ? t : b;
    if (facing == 3) {
        SetQuadUV(q, r, l, top, bottom);
    } else {
        SetQuadUV(q, l, r, top, bottom);
    }
}

void SetHintStrip(SpriteQuad* q, int32_t k) {
    SetQuadUV(q, 0.6875f, 1.0f, k / 32.0f, (k + 1) / 32.0f);
}

void ShowHeroCell(int cell) {
    const int c = cell % 8, r = cell / 8;
    const float l = c / 8.0f, rr = (c + 1) / 8.0f, t = r / 8.0f, b = (r + 1) / 8.0f;
    if (Hero.facing == 3) {
        SetQuadUV(&Hero.body, rr, l, t, b);
    } else {
        SetQuadUV(&Hero.body, l, rr, t, b);
    }
}
