// Numbers drawn digit by digit with the status panel's one glyph quad.
#include "world/numbers.h"

#include "render/game_textures.h"
#include "world/status_panel.h"

void LayoutNumber(int32_t value, int positions, int32_t* cells) {
    int32_t limit = 1;
    for (int i = 0; i < positions; ++i) limit *= 10;
    if (value >= limit) {
        for (int i = 0; i < positions; ++i) cells[i] = NUMBER_OVERFLOW;
        return;
    }
    if (value < 0) value = 0;
    for (int i = positions - 1; i >= 0; --i) {
        cells[i] = value % 10;
        value /= 10;
    }
    // Leading zeros stay blank; the ones digit always shows.
    for (int i = 0; i < positions - 1 && cells[i] == 0; ++i) cells[i] = NUMBER_BLANK;
}

// Cell k of a 32-pixel glyph row of the 1024-pixel sheet.
static void SelectGlyph(int32_t cell, float top) {
    const float w = 1.0f / 32.0f;
    SetQuadUV(&StatusPanel.glyph, cell * w, (cell + 1) * w, top, top + w);
}

static void DrawNumber(int32_t value, float x, float y, int positions, float step, float digitRow) {
    int32_t cells[PANEL_NUMBER_DIGITS];
    LayoutNumber(value, positions, cells);
    for (int i = 0; i < positions; ++i) {
        if (cells[i] == NUMBER_BLANK) continue;
        SelectGlyph(cells[i], cells[i] == NUMBER_OVERFLOW ? PANEL_DIGIT_ROW_V : digitRow);
        PlaceQuad(&StatusPanel.glyph, x + step * i, y);
        DrawQuad(&g_PanelSheet, &StatusPanel.glyph);
    }
}

void DrawPanelNumber(int32_t value, float x, float y) {
    DrawNumber(value, x, y, PANEL_NUMBER_DIGITS, PANEL_NUMBER_STEP, PANEL_DIGIT_ROW_V);
}

void DrawDamageNumber(int32_t value, float x, float y) {
    DrawNumber(value, x, y, DAMAGE_NUMBER_DIGITS, DAMAGE_NUMBER_STEP, DAMAGE_DIGIT_ROW_V);
}
