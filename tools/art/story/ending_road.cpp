// Ending pictures 0 to 10: the heroine leaves the world of the dead, passes the castle and
// its town, and crosses the mountains by night and day. Each is shown for nine seconds.
#include <cmath>

#include "tools/art/story/scenery.h"

static const double kPi = 3.14159265358979;

// Pale spirit flames drifting upwards, each a round glow with a tail curling above it.
static void DrawSpiritLights(cairo_t* cr, uint32_t seed, int count, double y0, double y1) {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(0, 640), y = rnd.Range(y0, y1), r = rnd.Range(3, 6);
        double curl = rnd.Range(-1, 1) * r * 2;
        DrawGlow(cr, x, y, r * 5, Hex(0x9AD8FF), 0.35);
        cairo_move_to(cr, x - r, y);
        cairo_curve_to(cr, x - r, y - r * 2, x + curl, y - r * 3, x + curl * 1.5, y - r * 5.5);
        cairo_curve_to(cr, x + curl * 0.5 + r * 0.6, y - r * 3, x + r, y - r * 1.5, x + r, y);
        cairo_arc(cr, x, y, r, 0, kPi);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xD0ECFF), 0.75);
        cairo_fill(cr);
        FillCircle(cr, x, y + r * 0.1, r * 0.55, Hex(0xFFFFFF));
    }
}

// 0: the last fight is over; the heroine stands among the red lilies of the world of the dead.
static void DrawEnd00(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x10081C}, {0.5, 0x3A1A4A}, {0.8, 0x6A2A4A}, {1, 0x2A0E1E}};
    FillSky(cr, 0, 0, 640, 480, sky, 4);
    DrawMoon(cr, 500, 110, 46, Hex(0xF0D0E0), 0.45);
    DrawCloud(cr, 220, 150, 300, 26, Hex(0x5A2A5A), 0.7, 1001);
    DrawRidge(cr, 640, 300, 50, 480, Hex(0x2A1030), 1002, 1.3);
    DrawMist(cr, 640, 320, 30, Hex(0xA070A0), 0.4);
    FillGradientV(cr, 0, 340, 640, 140, Hex(0x2A0E22), Hex(0x12060E));
    ArtRandom rnd(1003);
    for (int i = 0; i < 70; i++) {
        double x = rnd.Range(0, 640), y = rnd.Range(350, 480);
        DrawSpiderLily(cr, x, y, 14 + (y - 340) * 0.25, Hex(0xE02A2A));
    }
    DrawSpiritLights(cr, 1004, 14, 120, 330);
    DrawHeroine(cr, 300, 420, 170, 1, kHeroSwordDown);
    DrawCaption(cr, u8"長い戦いは、終わった。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 0");
}

// 1: she walks out through the last gate towards the light of the living world.
static void DrawEnd01(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x180A24}, {0.6, 0x4A2A5A}, {1, 0x1A0A18}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawStars(cr, 1011, 60, 0, 0, 640, 200, 0.6);
    // Light pouring through the gate.
    DrawGlow(cr, 400, 300, 260, Hex(0xFFF0C8), 0.9);
    cairo_move_to(cr, 330, 380);
    cairo_line_to(cr, 470, 380);
    cairo_line_to(cr, 640, 480);
    cairo_line_to(cr, 160, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xFFE8B8), 0.35);
    cairo_fill(cr);
    FillGradientV(cr, 0, 380, 640, 100, Hex(0x2A1428), Hex(0x10060E));
    cairo_move_to(cr, 360, 380);
    cairo_line_to(cr, 440, 380);
    cairo_line_to(cr, 560, 480);
    cairo_line_to(cr, 240, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xC8A890), 0.6);
    cairo_fill(cr);
    DrawTorii(cr, 400, 384, 250, Hex(0x3A1020));
    DrawSpiritLights(cr, 1012, 10, 80, 360);
    ArtRandom rnd(1013);
    for (int i = 0; i < 24; i++) {
        double x = rnd.Range(0, 640), y = rnd.Range(400, 480);
        if (std::fabs(x - 400) < (y - 380) * 1.6 + 40) continue;
        DrawSpiderLily(cr, x, y, 18 + (y - 380) * 0.3, Hex(0xC82030));
    }
    DrawHeroine(cr, 392, 408, 90, 1, kHeroWalk, true, Hex(0x1A0A14));
    DrawCaption(cr, u8"死者の国を背に、光の方へ。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 1");
}

// 2: the castle in the grey morning, the smoke of the fight drifting away.
static void DrawEnd02(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x5A6A8A}, {0.6, 0xB8B8C8}, {1, 0xE8D8C8}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawCloud(cr, 180, 120, 300, 40, Hex(0xE8E8F0), 0.7, 1021);
    DrawCloud(cr, 480, 90, 260, 30, Hex(0xD8D8E4), 0.6, 1022);
    DrawRidge(cr, 640, 320, 30, 480, Hex(0x8A8AA0), 1023, 1.0);
    // Smoke trails rising from the keep.
    for (int i = 0; i < 5; i++) {
        double y = 200 - i * 34, x = 330 + i * 26;
        DrawCloud(cr, x, y, 70 + i * 16, 16 + i * 3, Hex(0x9A98A8), 0.5 - i * 0.07, 1024 + i);
    }
    cairo_move_to(cr, 120, 480);
    cairo_curve_to(cr, 200, 360, 260, 340, 320, 338);
    cairo_curve_to(cr, 400, 340, 480, 380, 560, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x4A5A4A));
    cairo_fill(cr);
    DrawCastle(cr, 320, 345, 170, 230, Hex(0xF0ECE4), Hex(0x3A4458), Hex(0x8A867C), false);
    DrawMist(cr, 640, 390, 40, Hex(0xF0E8E0), 0.55);
    FillGradientV(cr, 0, 420, 640, 60, Hex(0x4A5040), Hex(0x2A3024));
    DrawPine(cr, 60, 440, 160, Hex(0x3A3028), Hex(0x2E4A38), 1029);
    DrawPine(cr, 590, 440, 130, Hex(0x3A3028), Hex(0x2E4A38), 1030);
    DrawCaption(cr, u8"城に、静けさが戻った。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 2");
}

// 3: the people of the castle town come out to see her off.
static void DrawEnd03(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x6AA0D8}, {1, 0xE8E0D0}};
    FillSky(cr, 0, 0, 640, 480, sky, 2);
    DrawCastle(cr, 520, 200, 80, 110, Hex(0xF0ECE4), Hex(0x3A4458), Hex(0x8A867C), false);
    // Two rows of town houses along the street.
    const uint32_t walls[] = {0xD8C8A8, 0xE8DCC4, 0xC8B898};
    const uint32_t curtains[] = {0x2A3A6A, 0x8A2A2A, 0x3A5A3A, 0x5A3A6A};
    for (int i = 0; i < 7; i++) {
        double x = -20 + i * 96;
        DrawHouse(cr, x, 300, 100, 110, Hex(walls[i % 3]), Hex(0x3A4050), false, false);
        // Shop curtains hung over the doorways.
        FillRect(cr, x + 22, 252, 56, 20, Hex(curtains[i % 4]));
        for (int k = 1; k < 4; k++) FillRect(cr, x + 22 + k * 14, 258, 1.2, 14, Hex(0xF0E8D8));
    }
    // Banners on poles along the street.
    const char* banner[] = {u8"祝", u8"茶", u8"宿"};
    for (int i = 0; i < 3; i++) {
        double x = 110 + i * 200;
        FillRect(cr, x, 160, 3, 140, Hex(0x4A3A2A));
        FillRect(cr, x + 3, 166, 20, 80, Hex(i == 1 ? 0xE8D8B0 : 0xC83A2A));
        DrawOutlinedTextCentered(cr, banner[i], x + 3, 180, 20, 30, 16, Hex(i == 1 ? 0x3A2010 : 0xFFF4E0),
                                 Hex(i == 1 ? 0xE8D8B0 : 0xC83A2A), 0.5);
    }
    FillGradientV(cr, 0, 300, 640, 180, Hex(0xB8A888), Hex(0x8A7A60));
    for (int i = 0; i < 8; i++) {
        FillRect(cr, 20 + i * 84, 250, 2, 30, Hex(0x2A2020));
        DrawPaperLantern(cr, 21 + i * 84, 286, 8, Hex(0xE04030), false);
    }
    DrawPerson(cr, 80, 420, 150, 1, kVillager);
    DrawPerson(cr, 140, 425, 140, 1, kVillagerWoman);
    DrawPerson(cr, 190, 430, 150, 1, kChild);
    DrawPerson(cr, 470, 420, 150, -1, kMerchant);
    DrawPerson(cr, 540, 425, 145, -1, kSamurai);
    DrawPerson(cr, 600, 430, 150, -1, kChild);
    DrawHeroine(cr, 330, 440, 160, 1, kHeroWalk);
    DrawPetals(cr, 1031, 30, 0, 0, 640, 400, Hex(0xF8C8D8));
    DrawCaption(cr, u8"城下町の人々に見送られて。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 3");
}

// 4: evening on the high road; the castle small behind her.
static void DrawEnd04(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x3A2A5A}, {0.5, 0xC8607A}, {0.8, 0xF8A868}, {1, 0xF8C888}};
    FillSky(cr, 0, 0, 640, 480, sky, 4);
    DrawSun(cr, 120, 300, 30, Hex(0xFFE8B0), Hex(0xFF9050));
    DrawRidge(cr, 640, 310, 26, 480, Hex(0x8A4A6A), 1041, 1.0);
    DrawCastle(cr, 150, 318, 40, 56, Hex(0x5A3A5A), Hex(0x3A2040), Hex(0x4A2A48), true);
    DrawRidge(cr, 640, 350, 18, 480, Hex(0x5A2A48), 1042, 1.2);
    FillGradientV(cr, 0, 370, 640, 110, Hex(0x3A1A30), Hex(0x1A0A18));
    cairo_move_to(cr, 0, 380);
    cairo_curve_to(cr, 200, 390, 400, 420, 640, 470);
    cairo_line_to(cr, 640, 480);
    cairo_line_to(cr, 560, 480);
    cairo_curve_to(cr, 400, 440, 200, 400, 0, 392);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x8A6A6A));
    cairo_fill(cr);
    DrawPine(cr, 560, 420, 170, Hex(0x1A0A14), Hex(0x24101E), 1043);
    DrawHeroine(cr, 420, 440, 120, -1, kHeroStand, true, Hex(0x1A0A14));
    DrawCaption(cr, u8"振り返れば、遠ざかる城。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 4");
}

// 5: a mountain road under the full moon.
static void DrawEnd05(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x060A20}, {0.6, 0x1A2A5A}, {1, 0x2A3A6A}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawStars(cr, 1051, 180, 0, 0, 640, 300, 1.0);
    DrawMoon(cr, 160, 110, 44, Hex(0xFFF6DC), 0);
    DrawPeak(cr, 420, 330, 220, 200, Hex(0x2A3A6A), Hex(0xC8D4F0), true);
    DrawRidge(cr, 640, 330, 30, 480, Hex(0x1A2448), 1052, 1.0);
    DrawMist(cr, 640, 340, 20, Hex(0x6A7AB0), 0.35);
    for (int i = 0; i < 10; i++)
        DrawCedar(cr, i * 70 + 10, 372 + (i % 2) * 6, 80 + (i % 3) * 16, Hex(0x0E1630));
    FillGradientV(cr, 0, 380, 640, 100, Hex(0x1A2036), Hex(0x0A0E1C));
    cairo_move_to(cr, 0, 440);
    cairo_curve_to(cr, 200, 410, 420, 400, 640, 396);
    cairo_line_to(cr, 640, 406);
    cairo_curve_to(cr, 420, 414, 200, 428, 0, 458);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x4A5270));
    cairo_fill(cr);
    DrawHeroine(cr, 280, 432, 120, 1, kHeroWalk);
    // Moonlight over her figure.
    SetColor(cr, Hex(0x2A3A7A), 0.25);
    cairo_rectangle(cr, 0, 0, 640, 480);
    cairo_fill(cr);
    DrawCaption(cr, u8"月明かりの山道を行く。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 5");
}

// 6: a campfire under the stars.
static void DrawEnd06(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x04061A}, {0.7, 0x141A3A}, {1, 0x1A1A2A}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawStars(cr, 1061, 260, 0, 0, 640, 320, 1.0);
    // The river of stars.
    cairo_save(cr);
    cairo_translate(cr, 320, 150);
    cairo_rotate(cr, -0.5);
    cairo_scale(cr, 400, 50);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.7, 0.7, 0.9, 0.25);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.7, 0.7, 0.9, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    DrawStars(cr, 1062, 120, 100, 40, 440, 220, 0.8);
    DrawRidge(cr, 640, 330, 24, 480, Hex(0x0E1228), 1063, 1.1);
    FillGradientV(cr, 0, 360, 640, 120, Hex(0x1A1420), Hex(0x0A080E));
    // The fire and its light.
    DrawGlow(cr, 360, 410, 240, Hex(0xFF9040), 0.55);
    SetColor(cr, Hex(0x3A2010));
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 330, 432);
    cairo_line_to(cr, 390, 420);
    cairo_move_to(cr, 335, 418);
    cairo_line_to(cr, 388, 434);
    cairo_stroke(cr);
    const uint32_t flame[] = {0xE83010, 0xF87A20, 0xFFD060};
    for (int k = 0; k < 3; k++) {
        double s = 1.0 - k * 0.3;
        cairo_move_to(cr, 360, 428);
        cairo_curve_to(cr, 360 - 22 * s, 420, 352 - 6 * s, 400 - 20 * s, 362, 372 + (1 - s) * 40);
        cairo_curve_to(cr, 366 + 12 * s, 395, 380 + 14 * s, 410, 360, 428);
        SetColor(cr, Hex(flame[k]));
        cairo_fill(cr);
    }
    DrawPetals(cr, 1064, 16, 320, 300, 90, 80, Hex(0xFFB050));
    DrawHeroine(cr, 240, 440, 150, 1, kHeroSit);
    DrawPine(cr, 560, 430, 190, Hex(0x0E0A10), Hex(0x141420), 1065);
    DrawCaption(cr, u8"焚き火のそばで、旅の日々を思う。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 6");
}

// A remembered scene in a round frame of soft sepia.
static void BeginMemory(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_clip(cr);
}
static void EndMemory(cairo_t* cr, double cx, double cy, double r) {
    SetColor(cr, Hex(0xC89860), 0.25);
    cairo_paint(cr);
    cairo_restore(cr);
    SetColor(cr, Hex(0xE8C880));
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_stroke(cr);
}

// 7: in the firelight she remembers the ones who fought beside her.
static void DrawEnd07(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x1A1020}, {1, 0x3A2430}};
    FillSky(cr, 0, 0, 640, 480, sky, 2);
    DrawStars(cr, 1071, 90, 0, 0, 640, 480, 0.5);
    struct {
        double cx, cy, r;
        PersonKind who;
        uint32_t a, b;
    } mem[] = {{170, 190, 120, kSamurai, 0xE8C898, 0xA87858},
               {470, 170, 110, kMonk, 0xD8C8A8, 0x8A9A78},
               {330, 330, 90, kShrineMaiden, 0xF0D8C8, 0xC89898}};
    for (auto& m : mem) {
        BeginMemory(cr, m.cx, m.cy, m.r);
        FillGradientV(cr, m.cx - m.r, m.cy - m.r, 2 * m.r, 2 * m.r, Hex(m.a), Hex(m.b));
        DrawRidge(cr, 640, m.cy + m.r * 0.3, m.r * 0.15, m.cy + m.r, Hex(m.b), 1072 + m.who, 1.0);
        DrawPerson(cr, m.cx, m.cy + m.r * 0.85, m.r * 1.3, m.cx < 320 ? 1 : -1, m.who);
        EndMemory(cr, m.cx, m.cy, m.r);
    }
    DrawCaption(cr, u8"共に戦ってくれた人たちの顔が浮かぶ。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 7");
}

// 8: over the pass by day, snow on the peaks.
static void DrawEnd08(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x2A6AC0}, {0.7, 0xA0CCF0}, {1, 0xE0F0F8}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawCloud(cr, 500, 110, 260, 30, Hex(0xFFFFFF), 0.9, 1081);
    DrawPeak(cr, 200, 320, 220, 220, Hex(0x6A80B0), Hex(0xF8FAFF), true);
    DrawPeak(cr, 470, 320, 200, 180, Hex(0x7A90B8), Hex(0xF8FAFF), true);
    DrawMist(cr, 640, 310, 30, Hex(0xFFFFFF), 0.6);
    DrawRidge(cr, 640, 340, 24, 480, Hex(0x4A6A58), 1082, 1.0);
    for (int i = 0; i < 8; i++)
        DrawCedar(cr, 30 + i * 85, 360 + (i % 2) * 8, 70 + (i % 3) * 14, Hex(0x2A4A3A));
    // The path climbs to the saddle of the pass, where a stone marker stands.
    FillGradientV(cr, 0, 370, 640, 110, Hex(0x6A8A50), Hex(0x3A5A30));
    cairo_move_to(cr, 100, 480);
    cairo_curve_to(cr, 250, 430, 380, 400, 520, 372);
    cairo_line_to(cr, 540, 376);
    cairo_curve_to(cr, 420, 410, 330, 440, 260, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xC8B890));
    cairo_fill(cr);
    FillRoundRect(cr, 556, 330, 14, 44, 4, Hex(0x8A8A80));
    DrawGrass(cr, 1083, 0, 640, 480, 16, Hex(0x2E4A28), 150);
    DrawHeroine(cr, 400, 410, 110, 1, kHeroWalk);
    DrawCaption(cr, u8"雪をいただく峠を越えて。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 8");
}

// 9: a rope bridge over a gorge, a waterfall beyond.
static void DrawEnd09(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x5A9AD8}, {1, 0xD8ECF0}};
    FillSky(cr, 0, 0, 640, 480, sky, 2);
    DrawCloud(cr, 320, 50, 220, 26, Hex(0xFFFFFF), 0.8, 1090);
    DrawPeak(cr, 320, 110, 130, 70, Hex(0x7A94B8), Hex(0xF4F8FF), true);
    // Cliffs on both sides and the fall between.
    FillGradientV(cr, 260, 100, 120, 380, Hex(0xE8F4FF), Hex(0xA8C8E0));
    DrawMist(cr, 640, 440, 50, Hex(0xFFFFFF), 0.8);
    SetColor(cr, Hex(0x4A5A4A));
    cairo_move_to(cr, 0, 80);
    cairo_curve_to(cr, 120, 90, 200, 150, 250, 480);
    cairo_line_to(cr, 0, 480);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 640, 60);
    cairo_curve_to(cr, 520, 80, 430, 150, 390, 480);
    cairo_line_to(cr, 640, 480);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Rock strata and ledges of shrubs on the cliff faces.
    ArtRandom rnd(1093);
    for (int side = 0; side < 2; side++) {
        for (int i = 0; i < 9; i++) {
            double y = 120 + i * 40 + rnd.Range(-8, 8);
            double edge = side == 0 ? 120 + (y - 80) * 0.33 : 520 - (y - 60) * 0.33;
            double x0 = side == 0 ? edge - rnd.Range(60, 140) : edge + 10,
                   x1 = side == 0 ? edge - 10 : edge + rnd.Range(60, 140);
            SetColor(cr, Hex(0x3A4A3C));
            cairo_set_line_width(cr, 2);
            cairo_move_to(cr, x0, y);
            cairo_curve_to(cr, (x0 + x1) / 2, y - 6, (x0 + x1) / 2, y + 6, x1, y + 2);
            cairo_stroke(cr);
            for (int k = 0; k < 3; k++) {
                double bx = x0 + (x1 - x0) * rnd.Uniform();
                FillCircle(cr, bx, y - 3, rnd.Range(5, 9), Hex(0x3E6A40));
                FillCircle(cr, bx + 4, y - 6, rnd.Range(3, 6), Hex(0x4E7A4A));
            }
        }
    }
    SetColor(cr, Hex(0xFFFFFF), 0.5);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 8; i++) {
        cairo_move_to(cr, 268 + i * 14, 100);
        cairo_line_to(cr, 268 + i * 14, 480);
    }
    cairo_stroke(cr);
    DrawPine(cr, 60, 120, 110, Hex(0x3A3028), Hex(0x2E5A3A), 1091);
    DrawPine(cr, 590, 100, 100, Hex(0x3A3028), Hex(0x2E5A3A), 1092);
    // The bridge sags across the gorge.
    SetColor(cr, Hex(0x5A3A20));
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 150, 240);
    cairo_curve_to(cr, 260, 300, 380, 300, 490, 240);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 150, 200);
    cairo_curve_to(cr, 260, 260, 380, 260, 490, 200);
    cairo_stroke(cr);
    for (int i = 0; i <= 24; i++) {
        double t = i / 24.0;
        double x = 150 + 340 * t;
        double sag = 60 * 4 * t * (1 - t) * 0.75;
        cairo_move_to(cr, x, 200 + sag);
        cairo_line_to(cr, x, 240 + sag);
        FillRect(cr, x - 5, 238 + sag, 10, 5, Hex(0x8A6A40));
    }
    SetColor(cr, Hex(0x5A3A20));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    DrawHeroine(cr, 290, 282, 60, 1, kHeroWalk);
    DrawCaption(cr, u8"谷にかかる吊り橋を渡る。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 9");
}

// 10: the stone steps up to the mountain shrine.
static void DrawEnd10(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x7AB0E0}, {1, 0xF0E8D8}};
    FillSky(cr, 0, 0, 640, 480, sky, 2);
    DrawRidge(cr, 640, 200, 20, 480, Hex(0x5A7A5A), 1101, 1.0);
    for (int i = 0; i < 14; i++) {
        double x = i < 7 ? 10 + i * 32 : 420 + (i - 7) * 32;
        DrawCedar(cr, x, 330 - (i % 3) * 10, 200 + (i % 4) * 20, Hex(0x1E3A2A));
    }
    // Steps narrowing up the slope.
    for (int i = 0; i < 16; i++) {
        double t = i / 16.0;
        double y = 460 - t * 220, hw = 120 - t * 70;
        FillRect(cr, 320 - hw, y - 14, 2 * hw, 14, Hex(i % 2 ? 0xA8A090 : 0x989080));
    }
    DrawTorii(cr, 320, 250, 150, Hex(0xD8402A));
    DrawStoneLantern(cr, 170, 440, 90, Hex(0x8A8A80), false);
    DrawStoneLantern(cr, 470, 440, 90, Hex(0x8A8A80), false);
    DrawHeroine(cr, 330, 400, 90, 1, kHeroWalk);
    DrawPetals(cr, 1102, 20, 0, 0, 640, 400, Hex(0xF8D8E0));
    DrawCaption(cr, u8"山の神社の石段をのぼる。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 10");
}

ART_PICTURE("AE01012", 640, 480, DrawEnd00, "ending 0: the last fight is over");
ART_PICTURE("AE01024", 640, 480, DrawEnd01, "ending 1: out of the world of the dead");
ART_PICTURE("AE01033", 640, 480, DrawEnd02, "ending 2: the quiet castle");
ART_PICTURE("AE01048", 640, 480, DrawEnd03, "ending 3: the castle town sees her off");
ART_PICTURE("AE01054", 640, 480, DrawEnd04, "ending 4: the castle behind her");
ART_PICTURE("AE01060", 640, 480, DrawEnd05, "ending 5: moonlit mountain road");
ART_PICTURE("AE01074", 640, 480, DrawEnd06, "ending 6: campfire under the stars");
ART_PICTURE("AE01086", 640, 480, DrawEnd07, "ending 7: remembered companions");
ART_PICTURE("AE01095", 640, 480, DrawEnd08, "ending 8: over the pass");
ART_PICTURE("AE01108", 640, 480, DrawEnd09, "ending 9: the rope bridge");
ART_PICTURE("AE01111", 640, 480, DrawEnd10, "ending 10: the shrine steps");
