// The four title pictures, one per progress mark: the same sheet layout (background, three
// ring strips, side panel, progress-bar cell, game-over caption) around an illustration that
// follows the journey: dawn over the village, the mountain pass, the castle, the clear sky.
#include <cmath>

#include "tools/art/story/scenery.h"

static const double kPi = 3.14159265358979;

// The ring turns about the centre of the upright strip on screen: (624, 320), radius 160.
static const double kPanelX = 672, kPanelY = 160;
static const double kRingCx = 176, kRingCy = 160;  // in side-panel coordinates

static void DrawDawnVillage(cairo_t* cr) {
    const SkyStop sky[] = {{0, 0x1A2050}, {0.35, 0x4A4A8A}, {0.6, 0xD88A8A}, {0.75, 0xF8C080}, {1, 0xF8D8A0}};
    FillSky(cr, 0, 0, 640, 480, sky, 5);
    DrawStars(cr, 314, 50, 0, 0, 640, 120, 0.7);
    DrawSun(cr, 470, 300, 26, Hex(0xFFF0C0), Hex(0xFFC070));
    DrawCloud(cr, 200, 215, 220, 22, Hex(0xF0A0A0), 0.7, 31);
    DrawCloud(cr, 560, 150, 160, 18, Hex(0xC890B0), 0.6, 32);
    DrawRidge(cr, 640, 300, 34, 480, Hex(0x7A6A9A), 33, 1.0);
    DrawRidge(cr, 640, 330, 22, 480, Hex(0x5A4E7A), 34, 1.1);
    DrawMist(cr, 640, 338, 20, Hex(0xF8D0B0), 0.5);
    // Rice terraces and the village.
    FillGradientV(cr, 0, 350, 640, 130, Hex(0x4A4A5A), Hex(0x2A2A36));
    const double hx[] = {250, 330, 410, 520, 590};
    for (int i = 0; i < 5; i++)
        DrawHouse(cr, hx[i], 370 + (i % 2) * 6, 60 - (i % 3) * 6, 50, Hex(0x8A7A78), Hex(0x5A4A48), i != 2,
                  true);
    DrawPine(cr, 480, 380, 90, Hex(0x2A2228), Hex(0x2E3A3A), 41);
    DrawCedar(cr, 620, 380, 80, Hex(0x2A3238));
    FillGradientV(cr, 0, 395, 640, 85, Hex(0x3A3440), Hex(0x1E1A24));
    DrawGrass(cr, 315, 0, 640, 398, 12, Hex(0x4A4650), 160);
    DrawHeroine(cr, 150, 440, 190, 1, kHeroStand);
}

static void DrawMountainPass(cairo_t* cr) {
    const SkyStop sky[] = {{0, 0x3A78C8}, {0.6, 0x90C0E8}, {1, 0xD8ECF4}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawCloud(cr, 180, 200, 240, 28, Hex(0xFFFFFF), 0.85, 51);
    DrawCloud(cr, 520, 120, 200, 24, Hex(0xFFFFFF), 0.8, 52);
    DrawPeak(cr, 430, 330, 210, 230, Hex(0x6A7EA8), Hex(0xF4F8FF), true);
    DrawPeak(cr, 230, 330, 170, 170, Hex(0x7A8CB0), Hex(0xF4F8FF), true);
    DrawPeak(cr, 600, 330, 140, 150, Hex(0x8294B8), Hex(0xF4F8FF), true);
    DrawMist(cr, 640, 320, 30, Hex(0xFFFFFF), 0.6);
    DrawRidge(cr, 640, 350, 26, 480, Hex(0x4A6A5A), 53, 1.0);
    for (int i = 0; i < 9; i++)
        DrawCedar(cr, 20 + i * 75, 362 + (i % 3) * 5, 70 + (i % 4) * 10, Hex(0x2E4A3E));
    // The pass road: a winding pale path across the slope.
    FillGradientV(cr, 0, 380, 640, 100, Hex(0x5A7A4A), Hex(0x3A5232));
    cairo_move_to(cr, 0, 440);
    cairo_curve_to(cr, 200, 420, 300, 408, 640, 396);
    cairo_line_to(cr, 640, 410);
    cairo_curve_to(cr, 300, 424, 200, 438, 0, 462);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xB8A882));
    cairo_fill(cr);
    // A stone road marker.
    FillRoundRect(cr, 282, 360, 16, 50, 5, Hex(0x8A8A80));
    DrawGrass(cr, 553, 0, 640, 480, 14, Hex(0x2E4A28), 140);
    DrawPine(cr, 40, 400, 140, Hex(0x4A3A2A), Hex(0x2E5A3A), 54);
    DrawHeroine(cr, 160, 448, 180, 1, kHeroWalk);
}

static void DrawCastleEvening(cairo_t* cr) {
    const SkyStop sky[] = {{0, 0x2A1840}, {0.4, 0x8A3050}, {0.7, 0xE86A40}, {1, 0xF8B060}};
    FillSky(cr, 0, 0, 640, 480, sky, 4);
    DrawSun(cr, 200, 310, 34, Hex(0xFFE0A0), Hex(0xFF8040));
    DrawCloud(cr, 420, 130, 260, 26, Hex(0xC04860), 0.6, 81);
    DrawCloud(cr, 130, 230, 200, 20, Hex(0xF08060), 0.6, 82);
    DrawRidge(cr, 640, 320, 30, 480, Hex(0x6A2A48), 83, 1.0);
    // The castle on its hill, lit for the night.
    cairo_move_to(cr, 280, 480);
    cairo_curve_to(cr, 320, 360, 380, 340, 430, 338);
    cairo_curve_to(cr, 480, 340, 560, 360, 640, 400);
    cairo_line_to(cr, 640, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x3A1A30));
    cairo_fill(cr);
    DrawCastle(cr, 440, 345, 150, 200, Hex(0xE8D8D0), Hex(0x2A1A30), Hex(0x6A4A58), true);
    DrawMist(cr, 640, 380, 26, Hex(0xF0A080), 0.35);
    // Castle-town roofs and lanterns below.
    for (int i = 0; i < 8; i++)
        DrawHouse(cr, 240 + i * 52, 420 + (i % 2) * 4, 48, 40, Hex(0x6A4A50), Hex(0x2A1A28), i % 3 != 1,
                  false);
    FillGradientV(cr, 0, 430, 640, 50, Hex(0x2A1224), Hex(0x180A14));
    for (int i = 0; i < 6; i++) DrawPaperLantern(cr, 260 + i * 60, 412, 5, Hex(0xE85030), true);
    DrawPine(cr, 600, 430, 130, Hex(0x1E0E1A), Hex(0x2A1626), 84);
    DrawHeroine(cr, 150, 448, 190, 1, kHeroSwordDown);
}

static void DrawClearSky(cairo_t* cr) {
    const SkyStop sky[] = {{0, 0x2A8AE0}, {0.55, 0x8AD0F8}, {1, 0xE8F8FF}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawSun(cr, 520, 90, 30, Hex(0xFFFFF0), Hex(0xFFF8D0));
    // Soft rays from the sun.
    for (int i = 0; i < 10; i++) {
        double a = kPi * (0.45 + i * 0.06);
        SetColor(cr, Hex(0xFFFFFF), 0.12);
        cairo_move_to(cr, 520, 90);
        cairo_line_to(cr, 520 + std::cos(a) * 700, 90 + std::sin(a) * 700);
        cairo_line_to(cr, 520 + std::cos(a + 0.025) * 700, 90 + std::sin(a + 0.025) * 700);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    DrawCloud(cr, 160, 230, 260, 30, Hex(0xFFFFFF), 0.9, 101);
    DrawCloud(cr, 420, 260, 180, 22, Hex(0xFFFFFF), 0.8, 102);
    DrawRidge(cr, 640, 340, 30, 480, Hex(0x8AA8C8), 103, 1.0);
    DrawRidge(cr, 640, 370, 20, 480, Hex(0x6A9A7A), 104, 1.2);
    DrawTorii(cr, 420, 372, 40, Hex(0xD84830));
    FillGradientV(cr, 0, 395, 640, 85, Hex(0x7AB860), Hex(0x4A8A40));
    DrawGrass(cr, 105, 0, 640, 400, 12, Hex(0x5A9A48), 180);
    // A cherry tree in bloom at the left.
    SetColor(cr, Hex(0x5A3A2A));
    cairo_set_line_width(cr, 10);
    cairo_move_to(cr, 40, 420);
    cairo_curve_to(cr, 50, 340, 30, 300, 70, 240);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, 55, 300);
    cairo_curve_to(cr, 90, 280, 120, 270, 150, 250);
    cairo_stroke(cr);
    ArtRandom rnd(106);
    for (int i = 0; i < 18; i++) {
        double bx = rnd.Range(10, 180), by = rnd.Range(190, 300), br = rnd.Range(16, 30);
        DrawBlossom(cr, bx, by, br, 1060 + i);
    }
    DrawPetals(cr, 107, 60, 0, 150, 400, 330, Hex(0xF8B8CC));
    DrawHeroine(cr, 190, 448, 190, 1, kHeroStand);
}

// One 32 x 320 ring strip. The strips turn about their centre like the hands of a clock, so
// each carries its lettering in the upper half only, on a red lacquered board with a gold
// rod down to the pivot; the lower half is empty and never covers another strip.
static void DrawStrip(cairo_t* cr, double x, double y, const char* const* chars, int n) {
    FillRect(cr, x + 13, y + 130, 6, 30, Hex(0x5A3A10));
    FillRect(cr, x + 14.5, y + 130, 3, 30, Hex(0xE0B850));
    FillRoundRect(cr, x, y, 32, 142, 7, Hex(0x3A0A0A));
    FillRoundRect(cr, x + 1.5, y + 1.5, 29, 139, 6, Hex(0xB01E22));
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + 32, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.18);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.2);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x + 1.5, y + 1.5, 29, 139);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    StrokeRect(cr, x + 4, y + 4, 24, 134, Hex(0xE0B850), 1.2);
    double size = 21, step = 24;
    double top = y + (142 - (n - 1) * step - size) / 2;
    DrawVerticalText(cr, chars, n, x, top, 32, size, step, Hex(0xFFF4DC), Hex(0x3A0808), 1.6);
}

// The side panel lies over the ring. Its upper part is open, framed by the ring's gold
// track, so the strip standing upright and the strips turning through the upper half show;
// its lower part is a lacquered board with the key hints that hides the lower half of the
// ring. A gold cap covers the pivot.
static void DrawSidePanel(cairo_t* cr) {
    double cx = kPanelX + kRingCx, cy = kPanelY + kRingCy;
    cairo_save(cr);
    cairo_rectangle(cr, kPanelX, kPanelY, 192, 320);
    cairo_clip(cr);
    Rgb gold = Hex(0xE0B850), dark = Hex(0x2A1808);
    // The ring's track over the open upper half.
    SetColor(cr, dark);
    cairo_set_line_width(cr, 5);
    cairo_arc(cr, cx, cy, 166, kPi, 2 * kPi);
    cairo_stroke(cr);
    SetColor(cr, gold);
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, cx, cy, 166, kPi, 2 * kPi);
    cairo_stroke(cr);
    for (int i = 6; i <= 12; i++) {
        double a = i * kPi / 6;
        FillCircle(cr, cx + std::cos(a) * 166, cy + std::sin(a) * 166, 4.5, dark);
        FillCircle(cr, cx + std::cos(a) * 166, cy + std::sin(a) * 166, 3, gold);
    }
    // The board.
    double by = kPanelY + 180;
    FillRoundRect(cr, kPanelX, by, 192, 140, 8, Hex(0x1A0C0C));
    FillRoundRect(cr, kPanelX + 2, by + 2, 188, 136, 7, Hex(0x4A1416));
    cairo_pattern_t* p = cairo_pattern_create_linear(0, by, 0, by + 140);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.9, 0.8, 0.14);
    cairo_pattern_add_color_stop_rgba(p, 0.4, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.35);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, kPanelX + 2, by + 2, 188, 136);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    StrokeRect(cr, kPanelX + 7, by + 7, 178, 126, gold, 1.2);
    // A wave crest line under the hints.
    for (int k = 0; k < 7; k++) {
        SetColor(cr, gold, 0.7);
        cairo_set_line_width(cr, 1.2);
        cairo_arc(cr, kPanelX + 24 + k * 24, by + 124, 9, kPi, 2 * kPi);
        cairo_stroke(cr);
    }
    const char* hints[] = {u8"←→　選ぶ", u8"↑↓　難易度", u8"Ｘ　　決定"};
    for (int i = 0; i < 3; i++)
        DrawOutlinedText(cr, hints[i], kPanelX + 30, by + 18 + i * 30, 17, Hex(0xFFF0D8), Hex(0x1A0808), 1.5);
    // Pivot cap.
    FillCircle(cr, cx, cy, 10, dark);
    FillCircle(cr, cx, cy, 8, gold);
    FillCircle(cr, cx - 2, cy - 2, 3, Hex(0xFFF0B0));
    cairo_restore(cr);
}

static void DrawBackgroundFrame(cairo_t* cr) {
    // Title lettering.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 40, 0, 110);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.62);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.6, 0.2);
    TextWidth(cr, u8"ミラヴェル２", 66);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_new_path(cr);
    cairo_move_to(cr, 34, 36 + fe.ascent);
    cairo_text_path(cr, u8"ミラヴェル２");
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, Hex(0x1A0C08));
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A red seal beside it.
    FillRoundRect(cr, 400, 52, 34, 34, 4, Hex(0xC02020));
    DrawOutlinedTextCentered(cr, u8"剣", 400, 52, 34, 34, 24, Hex(0xFFF0E0), Hex(0x801010), 0.5);
    // The translucent plaque the level names are written on (x 320, y 160 to 234).
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 0, 0);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_push_group(cr);
    FillRoundRect(cr, 304, 128, 136, 114, 10, Hex(0x140C18));
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.8);
    cairo_restore(cr);
    StrokeRect(cr, 308, 132, 128, 106, Hex(0xC8A048), 1.0);
    DrawOutlinedTextCentered(cr, u8"― 難易度 ―", 304, 135, 136, 20, 14, Hex(0xE8D0A0), Hex(0x140C18), 1);
}

static void DrawTitleSheet(ArtCanvas& c, void (*scene)(cairo_t*)) {
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 640, 480);
    cairo_clip(cr);
    scene(cr);
    DrawVignette(cr, 640, 480, 0.35);
    DrawBackgroundFrame(cr);
    cairo_restore(cr);
    c.Cell(0, 0, 640, 480, "background");

    static const char* const kNew[] = {u8"は", u8"じ", u8"め", u8"か", u8"ら"};
    static const char* const kContinue[] = {u8"つ", u8"づ", u8"き", u8"か", u8"ら"};
    static const char* const kGallery[] = {u8"ボ", u8"ス", u8"再", u8"戦"};
    DrawStrip(cr, 864, 160, kNew, 5);
    DrawStrip(cr, 896, 160, kContinue, 5);
    DrawStrip(cr, 928, 160, kGallery, 4);
    c.Cell(864, 160, 32, 320, "strip new");
    c.Cell(896, 160, 32, 320, "strip continue");
    c.Cell(928, 160, 32, 320, "strip gallery");

    DrawSidePanel(cr);
    c.Cell(kPanelX, kPanelY, 192, 320, "side panel");

    // Progress-bar cell: stretched sideways, so it changes only from top to bottom.
    cairo_pattern_t* bar = cairo_pattern_create_linear(0, 480, 0, 512);
    cairo_pattern_add_color_stop_rgb(bar, 0, 0.55, 0.1, 0.1);
    cairo_pattern_add_color_stop_rgb(bar, 0.2, 0.98, 0.82, 0.45);
    cairo_pattern_add_color_stop_rgb(bar, 0.5, 0.9, 0.45, 0.15);
    cairo_pattern_add_color_stop_rgb(bar, 1, 0.5, 0.08, 0.06);
    cairo_set_source(cr, bar);
    cairo_rectangle(cr, 288, 480, 32, 32);
    cairo_fill(cr);
    cairo_pattern_destroy(bar);
    c.Cell(288, 480, 32, 32, "load bar");

    // Game-over caption, faded in over black.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 480, 192, 32);
    cairo_clip(cr);
    DrawOutlinedTextCentered(cr, u8"ゲームオーバー", 0, 480, 192, 32, 25, Hex(0xF04838), Hex(0x701010), 1.4);
    cairo_restore(cr);
    c.Cell(0, 480, 192, 32, "game over");
}

static void DrawTitle0(ArtCanvas& c) {
    DrawTitleSheet(c, DrawDawnVillage);
}
static void DrawTitle5(ArtCanvas& c) {
    DrawTitleSheet(c, DrawMountainPass);
}
static void DrawTitle8(ArtCanvas& c) {
    DrawTitleSheet(c, DrawCastleEvening);
}
static void DrawTitleCleared(ArtCanvas& c) {
    DrawTitleSheet(c, DrawClearSky);
}

ART_PICTURE("AE00314", 1024, 512, DrawTitle0, "title: dawn over the village");
ART_PICTURE("AE00331", 1024, 512, DrawTitle5, "title: the mountain pass");
ART_PICTURE("AE00328", 1024, 512, DrawTitle8, "title: the castle at evening");
ART_PICTURE("AE00138", 1024, 512, DrawTitleCleared, "title: clear sky after the last fight");
