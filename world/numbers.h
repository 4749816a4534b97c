// The two small-number drawings from the status-panel sheet: the panel's seven-digit
// numbers and the five-digit damage numbers.
#pragma once
#include <cstdint>

enum : int32_t {
    NUMBER_BLANK = -1,     // a leading position that is not drawn
    NUMBER_OVERFLOW = 13,  // cell of the overflow sign in the panel digit row
    PANEL_NUMBER_DIGITS = 7,
    PANEL_NUMBER_STEP = 10,
    DAMAGE_NUMBER_DIGITS = 5,
    DAMAGE_NUMBER_STEP = 16,
};

// The cell shown at each of `positions` digit positions (highest first): a digit 0-9,
// NUMBER_BLANK for a leading zero, or NUMBER_OVERFLOW everywhere when the value has
// more digits than positions. A negative value shows a single 0.
void LayoutNumber(int32_t value, int positions, int32_t* cells);

// Seven positions at x, x + 10, ..., x + 60, drawn with the panel sheet.
void DrawPanelNumber(int32_t value, float x, float y);
// Five positions at x, x + 16, ..., x + 64, drawn with the panel sheet's damage digits.
void DrawDamageNumber(int32_t value, float x, float y);
