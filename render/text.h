// The single font and text drawing.
#pragma once
#include <cstdint>

enum : int32_t { FONT_OK = 0, FONT_E_FAIL = int32_t(0x80004005u) };

// Creates the font: 14 pixels high, Mincho. FONT_OK or FONT_E_FAIL (text then draws nothing).
int32_t InitFont();
// Draws Shift_JIS text with its top-left corner at (x, y); a line feed starts a new line;
// nothing is clipped or wrapped. colour is ARGB.
void DrawLabel(const char* text, float x, float y, uint32_t colour);
