// The inn and shop sheet: the inn's question window, its price plate with the two answers,
// the pointer, the shop's full-screen window, and the heroine's hint strips (which keys
// carry the current move on), cut from the right part of the same picture.
#include <cstdio>
#include <cstring>

#include "tools/art/ui/style.h"

using namespace ui;

static void DrawInnWindow(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double x = 0, y = 0, w = 320, h = 256;
    Lacquer(cr, x, y, w, h);
    GoldFrame(cr, x, y, w, h, 3);
    Washi(cr, x + 10, y + 44, w - 20, h - 54, 412);
    StrokeRect(cr, x + 10, y + 44, w - 20, h - 54, kGoldDark, 1);
    // Title band: a paper lantern each side of the inn's name.
    for (double lx : {x + 40.0, x + 280.0}) {
        FillRect(cr, lx - 1, y + 6, 2, 4, kInk);
        FillRoundRect(cr, lx - 9, y + 10, 18, 26, 8, Hex(0xE8542E));
        FillRect(cr, lx - 9, y + 10, 18, 3, kInk);
        FillRect(cr, lx - 9, y + 33, 18, 3, kInk);
        for (int i = 1; i < 4; i++) FillRect(cr, lx - 8, y + 13 + i * 5, 16, 0.8, Hex(0xA8321A));
    }
    OutlinedTextCentered(cr, u8"宿　屋", x, y + 6, w, 32, 24, kGoldLight, kInk, 1.2);
    // The question, and a futon under a round window as the picture of a quiet night.
    DrawText(cr, u8"いらっしゃいませ。", x + 26, y + 58, 17, kInk);
    DrawText(cr, u8"一晩お泊まりに", x + 26, y + 84, 17, kInk);
    DrawText(cr, u8"なりますか？", x + 26, y + 108, 17, kInk);
    DrawText(cr, u8"体力がすっかり戻ります。", x + 26, y + 140, 14, Hex(0x5A4632));
    // Round window with the moon.
    FillCircle(cr, x + 250, y + 96, 34, Hex(0x6B4A2E));
    FillCircle(cr, x + 250, y + 96, 30, Hex(0x1E2840));
    FillCircle(cr, x + 258, y + 88, 10, Hex(0xF6E8B0));
    cairo_set_line_width(cr, 1.5);
    SetColor(cr, Hex(0x6B4A2E));
    cairo_move_to(cr, x + 220, y + 96);
    cairo_line_to(cr, x + 280, y + 96);
    cairo_move_to(cr, x + 250, y + 66);
    cairo_line_to(cr, x + 250, y + 126);
    cairo_stroke(cr);
    // Futon on the tatami.
    FillRect(cr, x + 20, y + 196, 280, 40, Hex(0xC8B878));
    for (int i = 0; i < 7; i++) FillRect(cr, x + 20 + 40 * i, y + 196, 1, 40, Hex(0x9A8A50));
    FillRoundRect(cr, x + 40, y + 178, 190, 34, 8, Hex(0x3A5A8C));
    FillRoundRect(cr, x + 40, y + 178, 190, 10, 5, Hex(0xF3ECD8));
    FillRoundRect(cr, x + 50, y + 170, 46, 16, 6, Hex(0xF3ECD8));
    for (int i = 0; i < 4; i++) Crest(cr, x + 100 + 36 * i, y + 198, 6, Hex(0xF3ECD8));
    c.Cell(x, y, w, h, "inn window");
}

// Price plate: line 1 takes the price digits (x 0..80) and the unit; lines 2 and 3 the
// answers, their first 32 px left for the pointer.
static void DrawPricePlate(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double x = 352, y = 0;
    Lacquer(cr, x, y, 160, 96);
    GoldFrame(cr, x, y, 160, 96, 2);
    FillRect(cr, x + 4, y + 31, 152, 1, kGoldDark);
    OutlinedText(cr, u8"円", x + 86, y + 7, 17, kGoldLight, kInk, 1.0);
    OutlinedText(cr, u8"一泊", x + 112, y + 9, 15, kCream, kInk, 1.0);
    OutlinedText(cr, u8"泊まる", x + 38, y + 39, 17, kCream, kInk, 1.0);
    OutlinedText(cr, u8"立ち去る", x + 38, y + 71, 17, kCream, kInk, 1.0);
    c.Cell(x, y, 160, 96, "price plate");

    // Pointer: a vermilion arrowhead with a gold edge.
    double px = 352, py = 96;
    cairo_new_path(cr);
    cairo_move_to(cr, px + 6, py + 6);
    cairo_line_to(cr, px + 28, py + 16);
    cairo_line_to(cr, px + 6, py + 26);
    cairo_line_to(cr, px + 11, py + 16);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    SetColor(cr, kVermilion);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColor(cr, kGoldLight);
    cairo_stroke(cr);
    c.Cell(px, py, 32, 32, "pointer");
}

// Shop window: paper over the whole screen; ten rows of 46 px from y 16, text in black
// from x 0 to about x 420; the money line at (300, 0); a shop curtain on the right.
static void DrawShopWindow(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double x = 0, y = 384;
    Washi(cr, x, y, 640, 480, 4120);
    StrokeRect(cr, x, y, 640, 480, Hex(0xB89A66), 2);
    FillRect(cr, x + 2, y + 15, 436, 1, Hex(0xB89A66));
    for (int k = 0; k < 10; k++) {
        double ry = y + 16 + 46 * k;
        if (k % 2) FillRect(cr, x + 2, ry, 436, 46, Hex(0xE6D8B8));
        FillRect(cr, x + 2, ry + 45, 436, 1, Hex(0xC8B48C));
    }
    FillRect(cr, x + 438, y + 18, 2, 460, kVermilion);  // below the money line
    // Curtain: indigo noren in three panels with the shop's name down the middle.
    double nx = x + 452, ny = y + 30, nw = 176, nh = 246;
    FillRect(cr, nx - 6, ny - 10, nw + 12, 8, Hex(0x6B4A2E));
    for (int p = 0; p < 3; p++) {
        double px = nx + p * (nw / 3);
        FillGradientV(cr, px + 1, ny, nw / 3 - 2, nh, Hex(0x2C3E6E), Hex(0x1A2648));
    }
    Crest(cr, nx + nw / 2, ny + 40, 18, kWashi);
    const char* name[4] = {u8"よ", u8"ろ", u8"ず", u8"屋"};
    VerticalText(cr, name, 4, nx + nw / 2, ny + 70, 34, kWashi);
    // Goods on the counter below: a basket of dango and a sake jar.
    double cy = y + 330;
    FillRect(cr, nx - 6, cy + 60, nw + 12, 14, Hex(0x6B4A2E));
    FillRect(cr, nx - 6, cy + 60, nw + 12, 3, Hex(0x8E6A44));
    FillRoundRect(cr, nx + 10, cy + 34, 70, 26, 6, Hex(0xB08A4E));
    for (int i = 0; i < 4; i++) {
        FillCircle(cr, nx + 22 + i * 15, cy + 30, 7.5, kInk);
        FillCircle(cr, nx + 22 + i * 15, cy + 30, 6.5, i % 2 ? Hex(0xF2A7B8) : Hex(0xFAF6EC));
    }
    FillRoundRect(cr, nx + 110, cy + 4, 46, 56, 14, Hex(0x8C5A2E));
    FillRect(cr, nx + 120, cy, 26, 8, Hex(0x5A3A1E));
    FillRect(cr, nx + 116, cy + 22, 34, 20, Hex(0xF3ECD8));
    DrawTextCentered(cr, u8"酒", nx + 116, cy + 22, 34, 20, 15, kInk);
    DrawTextCentered(cr, u8"毎度ありがとう", nx - 6, cy + 80, nw + 12, 20, 15, Hex(0x5A4632));
    c.Cell(x, y, 640, 480, "shop window");
}

// One token of a hint strip: a key cap (with its name) or plain lettering.
struct HintToken {
    const char* text;
    bool key;
};

// Hint strips: a lacquer bar as long as its content, the rest clear so the play field shows.
static void DrawHintStrip(cairo_t* cr, double x, double y, const HintToken* tokens, int n) {
    // The longest strips are set a little tighter so that they stay inside 320 px.
    double capW = 22, textSize = 14, len = 0;
    for (int pass = 0; pass < 3; pass++) {
        len = 56;
        for (int i = 0; i < n; i++)
            len += tokens[i].key ? capW + 3 : TextWidth(cr, tokens[i].text, textSize) + 4;
        len += 8;
        if (len <= 318) break;
        capW -= 1.5;
        textSize -= 1;
    }
    FillRoundRect(cr, x, y + 3, len, 26, 5, kLacquer);
    StrokeRect(cr, x + 1, y + 4, len - 2, 24, kGoldDark, 1);
    FillRoundRect(cr, x + 4, y + 6, 48, 20, 3, kVermilion);
    DrawTextCentered(cr, u8"続けて", x + 4, y + 6, 48, 20, 13, kCream);
    double cx = x + 58;
    for (int i = 0; i < n; i++) {
        if (tokens[i].key) {
            KeyCap(cr, cx, y + 5, capW, 22, tokens[i].text, 14);
            cx += capW + 3;
        } else {
            cx += DrawText(cr, tokens[i].text, cx + 2, y + 16 - textSize / 2, textSize, kGoldLight) + 4;
        }
    }
}

static void DrawHintStrips(ArtCanvas& c) {
    const HintToken s0[] = {{u8"←", true}, {u8"か", false}, {u8"→", true}, {u8"踏み込み", false}};
    const HintToken s1[] = {{u8"Ｘ", true}, {u8"奥義", false}};
    const HintToken s2[] = {
        {u8"Ｚ", true}, {u8"連撃", false}, {u8"／", false}, {u8"Ｘ", true}, {u8"奥義", false}};
    const HintToken s3[] = {{u8"Ｚ", true}, {u8"／", false}, {u8"↓", true},  {u8"＋", false},
                            {u8"Ｚ", true}, {u8"／", false}, {u8"Ｘ", true}, {u8"奥義", false}};
    const HintToken s4[] = {{u8"Ｚ", true}, {u8"／", false}, {u8"↓", true},  {u8"＋", false},
                            {u8"Ｚ", true}, {u8"／", false}, {u8"↑", true},  {u8"＋", false},
                            {u8"Ｚ", true}, {u8"／", false}, {u8"Ｘ", true}, {u8"奥義", false}};
    const HintToken s5[] = {{u8"Ｚ", true}, {u8"連撃", false}};
    const HintToken s6[] = {{u8"Ｚ", true}, {u8"／", false}, {u8"↑", true}, {u8"＋", false}, {u8"Ｚ", true}};
    const HintToken s7[] = {{u8"Ｚ", true},  {u8"／", false}, {u8"↓", true},
                            {u8"＋", false}, {u8"Ｚ", true},  {u8"／", false},
                            {u8"↑", true},   {u8"＋", false}, {u8"Ｚ", true}};
    const HintToken s8[] = {{u8"Ｚ", true}, {u8"／", false}, {u8"↓", true}, {u8"＋", false}, {u8"Ｚ", true}};
    const HintToken* strips[9] = {s0, s1, s2, s3, s4, s5, s6, s7, s8};
    const int counts[9] = {4, 2, 5, 8, 12, 2, 5, 9, 5};
    for (int k = 0; k < 9; k++) {
        DrawHintStrip(c.cr, 704, 32 * k, strips[k], counts[k]);
        char label[32];
        snprintf(label, sizeof label, "hint strip %d", k);
        c.Cell(704, 32 * k, 320, 32, label);
    }
}

static void DrawInnShopSheet(ArtCanvas& c) {
    DrawInnWindow(c);
    DrawPricePlate(c);
    DrawShopWindow(c);
    DrawHintStrips(c);
}

ART_PICTURE("AE00412", 1024, 1024, DrawInnShopSheet, "inn and shop sheet");
