// The status panel and menu sheet: the panel under the play field, the two number
// fonts, the bars, the money and level-up labels, and everything the in-game menu cuts
// from the same picture (backdrop, tabs, labels, item icons, growth-chart markers).
#include <cmath>
#include <cstdio>

#include "tools/art/ui/icons.h"
#include "tools/art/ui/style.h"

using namespace ui;

static const double kPi = 3.14159265358979;

// The panel digits are drawn 10 px apart, the damage digits 16 px apart: each figure
// keeps to the left of its 32 x 32 cell within that advance.
static const Rgb kDigitFill = Hex(0xFFF6DC);
static const Rgb kDamageFill = Hex(0xFFD75A);

static void PanelGlyph(cairo_t* cr, const char* s, double x, double y) {
    GlyphInBox(cr, s, x, y + 7, 10, 19, kDigitFill, kInk, 1.1, 1.3);
}

static void DamageGlyph(cairo_t* cr, const char* s, double x, double y) {
    GlyphInBox(cr, s, x, y + 4, 16, 24, kDamageFill, Hex(0x3A0A04), 1.6, 1.2);
}

// Row 4: panel digits, the three slashes and the overflow sign.
static void DrawPanelNumbers(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    char name[32];
    for (int d = 0; d < 10; d++) {
        char s[2] = {char('0' + d), 0};
        PanelGlyph(cr, s, 32 * d, 128);
        snprintf(name, sizeof name, "panel digit %d", d);
        c.Cell(32 * d, 128, 32, 32, name);
    }
    // Slashes sit in the middle of their cells, between the two numbers they separate.
    GlyphInBox(cr, "/", 320 + 9, 128 + 6, 12, 22, kDigitFill, kInk, 1.2, 0.8);
    c.Cell(320, 128, 32, 32, "slash");
    GlyphInBox(cr, "/", 352 + 9, 128 + 6, 12, 22, Hex(0xFFB49A), kInk, 1.2, 0.8);
    c.Cell(352, 128, 32, 32, "boss slash");
    GlyphInBox(cr, "/", 384 + 9, 128 + 6, 12, 22, Hex(0xBFE6C8), kInk, 1.2, 0.8);
    c.Cell(384, 128, 32, 32, "stamina/gauge slash");
    // Overflow: a small diamond inside the 10 px advance.
    cairo_new_path(cr);
    cairo_move_to(cr, 416 + 5, 128 + 9);
    cairo_line_to(cr, 416 + 9.5, 128 + 17);
    cairo_line_to(cr, 416 + 5, 128 + 25);
    cairo_line_to(cr, 416 + 0.5, 128 + 17);
    cairo_close_path(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke_preserve(cr);
    SetColor(cr, kVermilion);
    cairo_fill(cr);
    c.Cell(416, 128, 32, 32, "overflow");

    for (int d = 0; d < 10; d++) {
        char s[2] = {char('0' + d), 0};
        DamageGlyph(cr, s, 32 * d, 192);
        snprintf(name, sizeof name, "damage digit %d", d);
        c.Cell(32 * d, 192, 32, 32, name);
    }
}

// The 640 x 96 panel: face slot, hit-point plate, bar area, money slot, boss face slot.
static void DrawPanelBackground(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    Lacquer(cr, 0, 0, 640, 96);
    Seigaiha(cr, 96, 0, 448, 96, 14, kGold, 0.08);
    GoldFrame(cr, 0, 0, 640, 96, 3);
    // Face slots (the portraits cover them).
    FillRect(cr, 3, 3, 93, 90, Hex(0x0C0605));
    GoldFrame(cr, 0, 0, 96, 96, 3);
    Crest(cr, 48, 48, 26, Hex(0x4A2A22));
    FillRect(cr, 544, 3, 93, 90, Hex(0x0C0605));
    GoldFrame(cr, 544, 0, 96, 96, 3);
    Crest(cr, 592, 48, 30, kGoldDark);
    Crest(cr, 592, 48, 24, kVermDark);
    // Hit points: a recessed plate behind "hp / maxHp" (digits at y 6 of the panel).
    FillRoundRect(cr, 100, 8, 200, 30, 4, Hex(0x0E0706));
    StrokeRect(cr, 100, 8, 200, 30, kGoldDark, 1);
    // Its caption under the plate, with a rule either side.
    FillRect(cr, 104, 46, 70, 1, kGoldDark);
    FillRect(cr, 226, 46, 70, 1, kGoldDark);
    DrawTextCentered(cr, u8"体　力", 174, 39, 52, 15, 12, kGold);
    // The boss readout (hp at 315, slash at 405, maxHp at 437) is printed straight on the
    // pattern: the digits carry their own outline.
    // Money slot: recessed plate behind the money digits.
    FillRoundRect(cr, 338, 58, 134, 34, 4, Hex(0x0E0706));
    StrokeRect(cr, 338, 58, 134, 34, kGoldDark, 1);
    // Vermilion corner accents.
    for (double x : {96.0, 536.0}) FillRect(cr, x + 2, 4, 6, 88, kVermDark);
    FillRect(cr, 99, 4, 2, 88, kVermilion);
    FillRect(cr, 539, 4, 2, 88, kVermilion);
    c.Cell(0, 0, 640, 96, "status panel");
}

// 192 x 32 strip under the bars: labels in its left 32 px, two grooves for the bars.
static void DrawLabelStrip(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double x = 480, y = 128;
    FillRoundRect(cr, x, y, 192, 32, 3, Hex(0x2A1613));
    FillRect(cr, x + 1, y + 1, 30, 15, Hex(0x3E6A48));
    FillRect(cr, x + 1, y + 16, 30, 15, kVermDark);
    DrawTextCentered(cr, u8"気力", x, y + 1, 32, 16, 13, Hex(0xFFFFFF));
    DrawTextCentered(cr, u8"奥義", x, y + 16, 32, 16, 13, Hex(0xFFFFFF));
    // Grooves the bars fill (x 32..182 of the strip).
    FillRect(cr, x + 32, y + 1, 150, 14, Hex(0x080404));
    FillRect(cr, x + 32, y + 17, 150, 14, Hex(0x080404));
    FillRect(cr, x + 32, y + 15, 150, 2, kGoldDark);
    // Tick marks every fifth of the way.
    for (int i = 1; i < 5; i++) {
        FillRect(cr, x + 32 + 30 * i, y + 11, 1, 4, Hex(0x4A3A2A));
        FillRect(cr, x + 32 + 30 * i, y + 27, 1, 4, Hex(0x4A3A2A));
    }
    // Right-hand caps.
    FillRoundRect(cr, x + 182, y, 10, 32, 3, kGoldDark);
    FillRect(cr, x + 183, y + 2, 3, 28, kGold);
    StrokeRect(cr, x, y, 192, 32, kGoldDark, 1);
    c.Cell(x, y, 192, 32, "label strip");
}

// Bar fills: horizontally uniform so any stretch looks the same.
static void DrawBarFills(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    FillGradientV(cr, 672, 0, 32, 32, Hex(0xB8F0B0), Hex(0x2E8A48));
    FillRect(cr, 672, 4, 32, 4, Hex(0xE4FFE0));
    FillRect(cr, 672, 28, 32, 4, Hex(0x1A5A2C));
    c.Cell(672, 0, 32, 32, "stamina bar");
    FillGradientV(cr, 736, 0, 32, 32, Hex(0xFFD88A), Hex(0xC0301C));
    FillRect(cr, 736, 4, 32, 4, Hex(0xFFF2C8));
    FillRect(cr, 736, 28, 32, 4, Hex(0x7A1A0C));
    c.Cell(736, 0, 32, 32, "gauge bar");
}

// Money label: "金" seal on the left, "円" at the right end; the middle stays clear for the
// digits drawn under it (x 32..102 of the label).
static void DrawMoneyAndBanner(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double x = 864, y = 832;
    FillCircle(cr, x + 16, y + 16, 13, kGoldDark);
    FillCircle(cr, x + 16, y + 16, 11.5, kGold);
    FillRect(cr, x + 12, y + 12, 8, 8, kGoldDark);  // the coin's square hole
    OutlinedTextCentered(cr, u8"金", x, y, 32, 32, 15, kVermDark, kGoldLight, 0.8);
    OutlinedTextCentered(cr, u8"円", x + 104, y, 24, 32, 15, kGoldLight, kInk, 1.0);
    c.Cell(x, y, 128, 32, "money label");

    y = 800;
    FillGradientV(cr, x, y + 2, 128, 28, kVermilion, kVermDark);
    GoldFrame(cr, x, y + 2, 128, 28, 2);
    OutlinedTextCentered(cr, u8"レベルアップ！", x, y + 2, 128, 28, 16, kGoldLight, kInk, 1.2);
    c.Cell(x, y, 128, 32, "level-up banner");
}

// The backdrop of every menu page: lacquer with a faint hemp-leaf lattice and gold trim.
static void DrawMenuBackdrop(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double x = 0, y = 256;
    Lacquer(cr, x, y, 640, 480);
    Asanoha(cr, x, y, 640, 480, 40, kGold, 0.07);
    // Header band behind the tabs.
    FillGradientV(cr, x, y, 640, 56, Hex(0x3A1A14), Hex(0x1A0E0C));
    FillRect(cr, x, y + 54, 640, 2, kGoldDark);
    FillRect(cr, x, y + 56, 640, 1, kVermilion);
    // Large faint crest in the lower right corner.
    Crest(cr, x + 560, y + 400, 70, Hex(0x2C1814));
    GoldFrame(cr, x, y, 640, 480, 3);
    c.Cell(x, y, 640, 480, "menu backdrop");
}

static void DrawTabs(ArtCanvas& c) {
    const char* names[5] = {u8"道　具", u8"能　力", u8"成　長", u8"地図・花札", u8"情　報"};
    for (int i = 0; i < 5; i++) {
        cairo_t* cr = c.cr;
        double x = 672, y = 256 + 64 * i;
        FillGradientV(cr, x + 2, y, 124, 32, kVermilion, kVermDark);
        GoldFrame(cr, x + 2, y, 124, 32, 2);
        Crest(cr, x + 16, y + 16, 7, kGoldLight);
        OutlinedTextCentered(cr, names[i], x + 26, y, 96, 32, 17, kCream, kInk, 1.2);
        char label[32];
        snprintf(label, sizeof label, "tab %d", i);
        c.Cell(x, y, 128, 32, label);
    }
}

static void DrawStatusLabels(ArtCanvas& c) {
    const char* names[7] = {u8"レベル", u8"体力",       u8"気力／奥義", u8"攻撃力",
                            u8"防御力", u8"経験値／次", u8"所持金"};
    for (int r = 0; r < 7; r++) {
        double x = 672, y = 576 + 64 * r;
        LacquerLabel(c.cr, x, y, 128, 32, names[r], 17);
        char label[32];
        snprintf(label, sizeof label, "status label %d", r);
        c.Cell(x, y, 128, 32, label);
    }
}

static void DrawItemCells(ArtCanvas& c) {
    char label[32];
    for (int k = 0; k < 10; k++) {
        double x = k < 5 ? 832 : 896, y = 224 + 64 * (k % 5);
        DrawItemIcon(c.cr, k, x, y);
        snprintf(label, sizeof label, "item %d", k);
        c.Cell(x, y, 32, 32, label);
    }
    DrawItemIcon(c.cr, 10, 832, 544);
    c.Cell(832, 544, 32, 32, "empty item");
    // Items page divider, drawn at x 315: the right column's icons start at x 330, so the
    // rod keeps to the left 12 px of its cell.
    cairo_t* cr = c.cr;
    double x = 960, y = 224;
    FillRect(cr, x + 4, y + 8, 4, 304, kGoldDark);
    FillRect(cr, x + 5, y + 8, 1.5, 304, kGoldLight);
    for (double ky : {y + 8.0, y + 160.0, y + 312.0}) {
        FillCircle(cr, x + 6, ky, 6, kGoldDark);
        FillCircle(cr, x + 6, ky, 4.5, kGold);
        FillCircle(cr, x + 6, ky, 2, kVermilion);
    }
    c.Cell(x, y, 32, 320, "divider");
    // Items page labels.
    LacquerLabel(cr, 352, 192, 64, 32, u8"所持", 16);
    c.Cell(352, 192, 64, 32, "count label");
    LacquerLabel(cr, 448, 192, 64, 32, u8"回復", 16);
    c.Cell(448, 192, 64, 32, "heal label");
    LacquerLabel(cr, 576, 192, 64, 32, u8"上限", 16);
    c.Cell(576, 192, 64, 32, "cap label");
}

static void DrawInfoLabels(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    LacquerLabel(cr, 800, 0, 224, 32, u8"←→ 頁送り　Space 閉じる", 15);
    c.Cell(800, 0, 224, 32, "information label");
    const char* names[4] = {u8"現在時刻", u8"現在地", u8"演奏中の曲", u8"場面転換の待ち"};
    const double ys[4] = {608, 672, 736, 864};
    for (int i = 0; i < 4; i++) {
        LacquerLabel(cr, 832, ys[i], 160, 32, names[i], 16);
        char label[32];
        snprintf(label, sizeof label, "info label %d", i);
        c.Cell(832, ys[i], 160, 32, label);
    }
}

// Growth-chart cells: hint switch, the level-85 banner, marker rings and dots.
static void DrawGrowthCells(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    for (int on = 1; on >= 0; on--) {
        double x = 832, y = on ? 896 : 928;
        Lacquer(cr, x, y, 160, 32);
        GoldFrame(cr, x, y, 160, 32, 2);
        FillCircle(cr, x + 16, y + 16, 8, kInk);
        FillCircle(cr, x + 16, y + 16, 6.5, on ? Hex(0xFF7A4A) : Hex(0x4A4038));
        if (on) FillCircle(cr, x + 14, y + 14, 2, Hex(0xFFE0C0));
        OutlinedText(cr, on ? u8"技ヒント：表示" : u8"技ヒント：非表示", x + 30, y + 8, 15,
                     on ? kCream : Hex(0xA89C8C), kInk, 1.0);
        c.Cell(x, y, 160, 32, on ? "hint switch on" : "hint switch off");
    }
    double bx = 896, by = 64;
    FillGradientV(cr, bx, by + 2, 128, 28, Hex(0xE8C45A), kGoldDark);
    GoldFrame(cr, bx, by + 2, 128, 28, 2);
    OutlinedTextCentered(cr, u8"免許皆伝", bx, by + 2, 128, 28, 19, kVermDark, kGoldLight, 1.2);
    c.Cell(bx, by, 128, 32, "growth banner");
    const Rgb colours[3] = {kVermilion, kGold, Hex(0x4FB8A0)};
    const Rgb deep[3] = {kVermDark, kGoldDark, Hex(0x1E5E50)};
    for (int t = 0; t < 3; t++) {
        double x = 704 + 64 * t;
        // Ring (stretched up to 58 px as it pulses).
        cairo_set_line_width(cr, 3.5);
        SetColor(cr, colours[t]);
        cairo_arc(cr, x + 16, 128 + 16, 13.5, 0, 2 * kPi);
        cairo_stroke(cr);
        cairo_set_line_width(cr, 1);
        SetColor(cr, kCream);
        cairo_arc(cr, x + 16, 128 + 16, 13.5, 0, 2 * kPi);
        cairo_stroke(cr);
        char label[32];
        snprintf(label, sizeof label, "ring %d", t);
        c.Cell(x, 128, 32, 32, label);
        // Dot: a polished bead.
        FillCircle(cr, x + 16, 64 + 16, 10, kInk);
        FillCircle(cr, x + 16, 64 + 16, 8.5, deep[t]);
        FillCircle(cr, x + 15, 64 + 15, 6.5, colours[t]);
        FillCircle(cr, x + 13, 64 + 13, 2.5, kCream);
        snprintf(label, sizeof label, "dot %d", t);
        c.Cell(x, 64, 32, 32, label);
    }
}

static void DrawPanelSheet(ArtCanvas& c) {
    DrawPanelBackground(c);
    DrawPanelNumbers(c);
    DrawLabelStrip(c);
    DrawBarFills(c);
    DrawMoneyAndBanner(c);
    DrawMenuBackdrop(c);
    DrawTabs(c);
    DrawStatusLabels(c);
    DrawItemCells(c);
    DrawInfoLabels(c);
    DrawGrowthCells(c);
}

ART_PICTURE("AE00285", 1024, 1024, DrawPanelSheet, "status panel and menu sheet");
