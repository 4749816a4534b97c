// The boss gallery sheet: the frame picture (drawn over everything, clear where the chosen
// list line and the costume line show through), the two list pictures with one 32-px line
// per fight, and the three costume lines.
#include <cstdio>

#include "tools/art/ui/style.h"

using namespace ui;

// One line per fight, in gallery order; rows 3 and 9 meet the same foe, row 16 fights the
// lord of row 15 with his fire core.
static const char* const kFoes[21] = {
    u8"山鬼・赤熊童子", u8"大猿・狒々",     u8"山賊頭・権六",   u8"忍頭・朧",     u8"大鎧武者・岩鉄",
    u8"女忍・陽炎",     u8"蘭釜城主・玄蕃", u8"槍使い・竜胆",   u8"橋守・弁慶坊", u8"忍頭・朧（再戦）",
    u8"山伏・黒岩坊",   u8"辻斬り・夜叉丸", u8"怪鳥・鵺",       u8"陰陽師・道雪", u8"首無し武者",
    u8"朱雀城主・炎羅", u8"炎羅と火の核",   u8"獄門の鬼・牛頭", u8"死神・宵闇",   u8"白狼・山乃神の使い",
    u8"山乃神"};

static const char* const kNumbers[21] = {u8"一",   u8"二",   u8"三",    u8"四",   u8"五",   u8"六",
                                         u8"七",   u8"八",   u8"九",    u8"十",   u8"十一", u8"十二",
                                         u8"十三", u8"十四", u8"十五",  u8"十六", u8"十七", u8"十八",
                                         u8"十九", u8"二十", u8"二十一"};

static void DrawListLine(cairo_t* cr, double x, double y, int row) {
    FillGradientV(cr, x, y, 320, 32, Hex(0x2E1A16), Hex(0x1A0E0C));
    FillRect(cr, x, y + 31, 320, 1, kGoldDark);
    FillRect(cr, x + 4, y + 4, 60, 24, row >= 19 ? kVermilion : kVermDark);
    char tag[32];
    snprintf(tag, sizeof tag, u8"第%s戦", kNumbers[row]);
    double ts = FitSize(cr, tag, 56, 15);
    DrawTextCentered(cr, tag, x + 4, y + 4, 60, 24, ts, kCream);
    double ns = FitSize(cr, kFoes[row], 236, 18);
    OutlinedText(cr, kFoes[row], x + 74, y + 16 - ns * 0.55, ns, kGoldLight, kInk, 1.0);
}

static void DrawLists(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    for (int row = 0; row < 16; row++) DrawListLine(cr, 0, 32 * row, row);
    c.Cell(0, 0, 320, 512, "list A (rows 0-15)");
    for (int row = 16; row < 21; row++) DrawListLine(cr, 0, 512 + 32 * (row - 16), row);
    // Below the last fight: the closing leaf of the list.
    Lacquer(cr, 0, 672, 320, 352);
    Asanoha(cr, 0, 672, 320, 352, 40, kGold, 0.08);
    DrawTextCentered(cr, u8"― 終 ―", 0, 680, 320, 32, 18, kGold);
    c.Cell(0, 512, 320, 512, "list B (rows 16-20)");
}

static void Arrow(cairo_t* cr, double tipX, double cy, int dir, bool lit) {
    cairo_new_path(cr);
    cairo_move_to(cr, tipX, cy);
    cairo_line_to(cr, tipX - dir * 11, cy - 8);
    cairo_line_to(cr, tipX - dir * 11, cy + 8);
    cairo_close_path(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    SetColor(cr, lit ? kGoldLight : Hex(0x5A4A3A));
    cairo_fill(cr);
}

static void DrawCostumeLines(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const char* names[3] = {u8"紅の小袖", u8"忍び装束", u8"戦装束"};
    const Rgb swatch[3][2] = {
        {Hex(0xB0262E), Hex(0x2C3A6E)}, {Hex(0x4E2E6A), Hex(0xD8D0C0)}, {Hex(0xF4F0E6), Hex(0xC0301C)}};
    for (int i = 0; i < 3; i++) {
        double x = 640, y = 480 + 32 * i;
        FillGradientV(cr, x, y, 320, 32, Hex(0x3A1A14), Hex(0x1A0E0C));
        // Arrows: left and right change the costume; the way that leads nowhere is dim.
        Arrow(cr, x + 10, y + 16, -1, i > 0);
        Arrow(cr, x + 310, y + 16, 1, i < 2);
        FillRect(cr, x + 40, y + 8, 16, 16, swatch[i][0]);
        FillRect(cr, x + 56, y + 8, 8, 16, swatch[i][1]);
        StrokeRect(cr, x + 40, y + 8, 24, 16, kGold, 1);
        char text[64];
        snprintf(text, sizeof text, u8"衣装 %s　%s", kNumbers[i], names[i]);
        OutlinedText(cr, text, x + 74, y + 7, 17, kCream, kInk, 1.0);
        char label[32];
        snprintf(label, sizeof label, "costume %d", i);
        c.Cell(x, y, 320, 32, label);
    }
}

// The frame: lacquer everywhere except the two windows (local coordinates = screen).
static void DrawFrame(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double ox = 320, oy = 0;
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    Lacquer(cr, 0, 0, 640, 480);
    Asanoha(cr, 0, 0, 640, 480, 44, kGold, 0.06);
    GoldFrame(cr, 0, 0, 640, 480, 4);
    // Window rims around the costume line (180, 5) and the chosen list line (180, 60).
    GoldFrame(cr, 176, 2, 328, 38, 3);
    GoldFrame(cr, 176, 57, 328, 38, 3);
    FillRect(cr, 170, 68, 6, 16, kVermilion);
    FillRect(cr, 504, 68, 6, 16, kVermilion);
    // The row's text is printed in light grey at (180, 100): a dark inset for it.
    FillRoundRect(cr, 172, 98, 336, 58, 4, Hex(0x0C0605));
    StrokeRect(cr, 172, 98, 336, 58, kGoldDark, 1);
    // Left column: the gallery's name written down a vermilion banner.
    FillGradientV(cr, 40, 24, 84, 300, kVermilion, kVermDark);
    GoldFrame(cr, 40, 24, 84, 300, 3);
    const char* title[3] = {u8"強", u8"敵", u8"録"};
    VerticalText(cr, title, 3, 82, 50, 46, kGoldLight);
    Crest(cr, 82, 278, 20, kGoldLight);
    // Right column: crossed blades over a crest.
    Crest(cr, 574, 130, 34, kGoldDark);
    cairo_set_line_width(cr, 4);
    SetColor(cr, Hex(0xD8DCE0));
    cairo_move_to(cr, 530, 60);
    cairo_line_to(cr, 620, 200);
    cairo_move_to(cr, 618, 60);
    cairo_line_to(cr, 528, 200);
    cairo_stroke(cr);
    FillRect(cr, 520, 192, 20, 8, kGold);
    FillRect(cr, 608, 192, 20, 8, kGold);
    // A folding screen with a castle on its hill below the text.
    double bx = 172, by = 176, bw = 336, bh = 220;
    for (int p = 0; p < 4; p++) {
        double px = bx + p * bw / 4;
        FillRect(cr, px, by, bw / 4, bh, Hex(0x2A1613));
        FillGradientV(cr, px + 4, by + 4, bw / 4 - 8, bh - 8, Hex(0xE8C46A), Hex(0xB8903E));
    }
    InkLandscape(cr, bx + 4, by + 60, bw - 8, bh - 64, 158);
    // Castle keep in silhouette.
    double kx = bx + bw * 0.55, ky = by + 70;
    FillRect(cr, kx - 30, ky + 60, 60, 20, Hex(0x2A2420));
    FillRect(cr, kx - 22, ky + 36, 44, 24, Hex(0x2A2420));
    FillRect(cr, kx - 14, ky + 14, 28, 22, Hex(0x2A2420));
    for (int t = 0; t < 3; t++) {
        double tw = 40 - t * 10, ty = ky + 58 - t * 24;
        cairo_move_to(cr, kx - tw, ty + 4);
        cairo_line_to(cr, kx + tw, ty + 4);
        cairo_line_to(cr, kx + tw * 0.6, ty - 4);
        cairo_line_to(cr, kx - tw * 0.6, ty - 4);
        cairo_close_path(cr);
        SetColor(cr, Hex(0x1A1410));
        cairo_fill(cr);
    }
    for (int p = 1; p < 4; p++) FillRect(cr, bx + p * bw / 4 - 1, by, 2, bh, Hex(0x1A0E0C));
    StrokeRect(cr, bx, by, bw, bh, kGoldDark, 2);
    // Keys along the foot.
    OutlinedText(cr, u8"↑↓ 相手を選ぶ　←→ 衣装　Ｘ 挑む", 172, 420, 17, kCream, kInk, 1.0);
    cairo_restore(cr);
    // The two windows are cleared last so nothing drawn above can close them.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, ox + 180, oy + 5, 320, 32);
    cairo_rectangle(cr, ox + 180, oy + 60, 320, 32);
    cairo_fill(cr);
    cairo_restore(cr);
    c.Cell(ox, oy, 640, 480, "frame");
}

static void DrawGallerySheet(ArtCanvas& c) {
    DrawLists(c);
    DrawCostumeLines(c);
    DrawFrame(c);
}

ART_PICTURE("AE00158", 1024, 1024, DrawGallerySheet, "boss gallery sheet");
