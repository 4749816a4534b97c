// The hit counter's big digits from sheet 1.
#include "player/hero.h"
#include "render/game_textures.h"

// Digit d sits in the band v 0.25-0.375: 1 to 9 from the left, then 0.
void DrawBigDigit(int32_t d, float x, float y) {
    if (d >= 0 && d <= 9) {
        const int32_t column = d == 0 ? 9 : d - 1;
        SetQuadUV(&Hero.digitQuad, column / 16.0f, (column + 1) / 16.0f, 0.25f, 0.375f);
    }
    PlaceQuad(&Hero.digitQuad, x, y);
    DrawQuad(&g_HeroSheet[1], &Hero.digitQuad);
}

// Three places: hundreds (value div 100, which from 1000 on is no digit and repeats the
// cell drawn last), tens and ones; leading places left out below 100.
void DrawBigNumber(int32_t value, float x, float y) {
    if (value < 0) value = 0;
    if (value >= 100) {
        DrawBigDigit(value / 100, x, y);
        DrawBigDigit(value % 100 / 10, x + 64, y);
    } else if (value >= 10) {
        DrawBigDigit(value / 10, x + 64, y);
    }
    DrawBigDigit(value % 10, x + 128, y);
}
