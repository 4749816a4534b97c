// The save and load menu sheet: one full-screen background shared by both menus (four
// slot plates on the right, where the slot names are printed), the slot cursor and the
// two headings.
#include <cstdio>

#include "tools/art/ui/style.h"

using namespace ui;

// Slot rows as the menus place the cursor; the names are printed at (405, row + 10).
static const double kSlotY[4] = {70, 155, 240, 325};

static void DrawBackground(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    Lacquer(cr, 0, 0, 640, 480);
    Asanoha(cr, 0, 0, 640, 480, 48, kGold, 0.06);
    GoldFrame(cr, 0, 0, 640, 480, 4);
    FillRect(cr, 8, 8, 624, 2, kVermDark);
    FillRect(cr, 8, 470, 624, 2, kVermDark);

    // Left: a hanging scroll with an ink landscape and the title written down it.
    double sx = 36, sy = 40, sw = 220, sh = 400;
    FillRect(cr, sx - 6, sy - 10, sw + 12, 12, kGoldDark);  // top roller
    FillRect(cr, sx - 6, sy + sh - 2, sw + 12, 12, kGoldDark);
    FillRect(cr, sx - 6, sy - 8, sw + 12, 3, kGold);
    FillRect(cr, sx - 6, sy + sh, sw + 12, 3, kGold);
    FillRect(cr, sx, sy, sw, sh, Hex(0x5A3A24));  // mounting
    Washi(cr, sx + 12, sy + 16, sw - 24, sh - 32, 299);
    InkLandscape(cr, sx + 12, sy + 170, sw - 24, sh - 186, 4);
    const char* title[4] = {u8"旅", u8"の", u8"記", u8"録"};
    VerticalText(cr, title, 4, sx + sw - 50, sy + 32, 30, kInk);
    // A vermilion seal under the title.
    FillRect(cr, sx + sw - 62, sy + 168, 24, 24, kVermilion);
    DrawTextCentered(cr, u8"印", sx + sw - 62, sy + 168, 24, 24, 16, kWashi);
    const char* verse[5] = {u8"道", u8"は", u8"遥", u8"か", u8"に"};
    VerticalText(cr, verse, 5, sx + 48, sy + 40, 16, Hex(0x4A3A2C));

    // Right: four slot plates. Their numbers sit to their left on the lacquer.
    const char* numbers[4] = {u8"其の壱", u8"其の弐", u8"其の参", u8"其の肆"};
    for (int i = 0; i < 4; i++) {
        double y = kSlotY[i];
        PaperPlate(cr, 396, y - 4, 232, 40, 300 + i);
        FillRect(cr, 396, y - 4, 3, 40, kVermilion);
        OutlinedText(cr, numbers[i], 322, y + 6, 17, kGoldLight, kInk, 1.0);
    }
    // Between plates 2 and 3 the completion message is printed in white at (300, 220):
    // that band stays dark lacquer.

    // Keys at the foot.
    OutlinedText(cr, u8"↑↓ 選ぶ　Ｘ 決定　Ｃ 戻る", 330, 420, 16, kCream, kInk, 1.0);
    c.Cell(0, 0, 640, 480, "background");
}

static void DrawCursor(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double x = 672, y = 0;
    FillGradientV(cr, x, y, 224, 32, Hex(0xF7B08A), Hex(0xE06A44));
    StrokeRect(cr, x, y, 224, 32, kVermDark, 2);
    // An arrow at the right end, clear of the slot name.
    cairo_new_path(cr);
    cairo_move_to(cr, x + 216, y + 8);
    cairo_line_to(cr, x + 216, y + 24);
    cairo_line_to(cr, x + 204, y + 16);
    cairo_close_path(cr);
    SetColor(cr, kVermDark);
    cairo_fill(cr);
    c.Cell(x, y, 224, 32, "slot cursor");
}

static void DrawHeading(cairo_t* cr, double x, double y, const char* text) {
    FillGradientV(cr, x, y, 160, 32, kVermilion, kVermDark);
    GoldFrame(cr, x, y, 160, 32, 2);
    Crest(cr, x + 18, y + 16, 9, kGoldLight);
    Crest(cr, x + 142, y + 16, 9, kGoldLight);
    OutlinedTextCentered(cr, text, x + 30, y, 100, 32, 19, kCream, kInk, 1.2);
}

static void DrawSaveSheet(ArtCanvas& c) {
    DrawBackground(c);
    DrawCursor(c);
    DrawHeading(c.cr, 672, 64, u8"セーブ");
    c.Cell(672, 64, 160, 32, "save heading");
    DrawHeading(c.cr, 672, 96, u8"ロード");
    c.Cell(672, 96, 160, 32, "load heading");
}

ART_PICTURE("AE00299", 1024, 512, DrawSaveSheet, "save and load menu sheet");
