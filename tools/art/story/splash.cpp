// The splash sheet: the makers' card (fades in from black, with the two captions over its
// lower left corner), then a moonlit opening picture, and the two 192 x 32 captions.
#include <cmath>

#include "tools/art/story/scenery.h"

static const double kPi = 3.14159265358979;

// A family crest: a ring holding a crescent and a sword, drawn in gold.
static void DrawCrest(cairo_t* cr, double cx, double cy, double r, Rgb gold) {
    SetColor(cr, gold);
    cairo_set_line_width(cr, r * 0.08);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_set_line_width(cr, r * 0.03);
    cairo_arc(cr, cx, cy, r * 0.86, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_push_group(cr);
    FillCircle(cr, cx, cy, r * 0.66, gold);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    FillCircle(cr, cx + r * 0.26, cy - r * 0.1, r * 0.56, Hex(0));
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    // The sword across the crescent.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -kPi / 4);
    SetColor(cr, gold);
    cairo_move_to(cr, -r * 0.05, r * 0.45);
    cairo_line_to(cr, -r * 0.05, -r * 0.62);
    cairo_line_to(cr, 0, -r * 0.72);
    cairo_line_to(cr, r * 0.05, -r * 0.62);
    cairo_line_to(cr, r * 0.05, r * 0.45);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, -r * 0.18, r * 0.38, r * 0.36, r * 0.07, gold);
    FillRect(cr, -r * 0.045, r * 0.45, r * 0.09, r * 0.22, gold);
    cairo_restore(cr);
}

static void DrawMakersCard(cairo_t* cr) {
    const SkyStop sky[] = {{0, 0x0C0A1A}, {0.6, 0x1A1430}, {1, 0x0A0810}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawGlow(cr, 320, 190, 240, Hex(0x5A3A6A), 0.35);
    DrawPetals(cr, 206, 40, 220, 40, 400, 300, Hex(0xE8A0B4));
    Rgb gold = Hex(0xE0B850);
    DrawCrest(cr, 320, 180, 78, gold);
    DrawOutlinedTextCentered(cr, u8"ミラヴェル２ 制作チーム", 0, 290, 640, 40, 30, Hex(0xF4E8D0),
                             Hex(0x0A0810), 2);
    SetColor(cr, gold, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 200, 338);
    cairo_line_to(cr, 440, 338);
    cairo_stroke(cr);
    DrawOutlinedTextCentered(cr, u8"― 謹んでお贈りします ―", 0, 346, 640, 30, 18, Hex(0xC8B8A0),
                             Hex(0x0A0810), 1.5);
}

static void DrawOpening(cairo_t* cr) {
    const SkyStop sky[] = {{0, 0x0A1030}, {0.55, 0x24306A}, {0.85, 0x5A4A7A}, {1, 0x2A2440}};
    FillSky(cr, 0, 0, 640, 480, sky, 4);
    DrawStars(cr, 2061, 160, 0, 0, 640, 300, 0.9);
    DrawMoon(cr, 430, 150, 70, Hex(0xFFF4D8), 0);
    DrawCloud(cr, 300, 200, 260, 30, Hex(0x8A86B0), 0.5, 11);
    DrawCloud(cr, 560, 250, 200, 26, Hex(0x7A76A0), 0.45, 12);
    DrawRidge(cr, 640, 330, 40, 480, Hex(0x2A2A50), 71, 1.0);
    DrawMist(cr, 640, 345, 24, Hex(0x8A88B8), 0.35);
    DrawRidge(cr, 640, 375, 28, 480, Hex(0x1A1A38), 72, 1.2);
    DrawCastle(cr, 140, 352, 70, 90, Hex(0x3A3A5A), Hex(0x1A1A30), Hex(0x2A2A44), true);
    // The cliff she stands on, with a windswept pine.
    cairo_move_to(cr, 260, 480);
    cairo_curve_to(cr, 300, 420, 360, 400, 470, 398);
    cairo_curve_to(cr, 560, 396, 600, 410, 640, 420);
    cairo_line_to(cr, 640, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x0C0A18));
    cairo_fill(cr);
    DrawPine(cr, 590, 412, 150, Hex(0x0C0A18), Hex(0x0C0A18), 5);
    DrawHeroine(cr, 440, 400, 120, -1, kHeroSwordDown, true, Hex(0x0C0A18));
    DrawPetals(cr, 207, 60, 0, 0, 640, 480, Hex(0xF0B8C8));
    DrawOutlinedTextCentered(cr, u8"旅立ちの夜", 0, 24, 640, 40, 26, Hex(0xF4E8D0), Hex(0x0A0820), 2);
}

// Caption cells: lettering only, on the transparent background.
static void DrawCaptionCell(cairo_t* cr, double x, double y, const char* utf8) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, 192, 32);
    cairo_clip(cr);
    DrawOutlinedTextCentered(cr, utf8, x, y, 192, 32, 14, Hex(0xFFF4DC), Hex(0x140C0C), 2.2);
    cairo_restore(cr);
}

static void DrawSplash(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 640, 480);
    cairo_clip(cr);
    DrawMakersCard(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 480, 640, 480);
    cairo_clip(cr);
    cairo_translate(cr, 0, 480);
    DrawOpening(cr);
    cairo_restore(cr);
    DrawCaptionCell(cr, 640, 0, u8"Ｘ：決定　Ｚ：攻撃　Ｃ：跳ぶ");
    DrawCaptionCell(cr, 640, 32, u8"ジョイスティック接続中");
    c.Cell(0, 0, 640, 480, "splash 1");
    c.Cell(640, 0, 192, 32, "caption keys");
    c.Cell(640, 32, 192, 32, "caption pad");
    c.Cell(0, 480, 640, 480, "splash 2");
}

ART_PICTURE("AE00206", 1024, 1024, DrawSplash, "splash sheet");
