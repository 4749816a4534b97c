// Ending pictures 11 to 20: the shrine, the inn and the road where she met her friends, the
// way home through the rice fields, the welcome and festival in the home village, and the
// sunrise of a new day. Each is shown for nine seconds.
#include <cmath>

#include "tools/art/story/scenery.h"

static const double kPi = 3.14159265358979;

// A shrine hall: raised floor, red pillars, a deep curved roof with a gable.
static void DrawShrineHall(cairo_t* cr, double cx, double baseY, double w, double h) {
    FillRect(cr, cx - w * 0.5, baseY - h * 0.12, w, h * 0.12, Hex(0x6A5A4A));
    FillRect(cr, cx - w * 0.42, baseY - h * 0.5, w * 0.84, h * 0.38, Hex(0xF0E6D0));
    for (int i = 0; i <= 4; i++)
        FillRect(cr, cx - w * 0.42 + i * w * 0.2, baseY - h * 0.5, w * 0.035, h * 0.38, Hex(0xC8321E));
    FillRect(cr, cx - w * 0.12, baseY - h * 0.42, w * 0.24, h * 0.3, Hex(0x3A2418));
    cairo_move_to(cr, cx - w * 0.62, baseY - h * 0.46);
    cairo_curve_to(cr, cx - w * 0.4, baseY - h * 0.52, cx - w * 0.25, baseY - h * 0.8, cx, baseY - h);
    cairo_curve_to(cr, cx + w * 0.25, baseY - h * 0.8, cx + w * 0.4, baseY - h * 0.52, cx + w * 0.62,
                   baseY - h * 0.46);
    cairo_line_to(cr, cx + w * 0.5, baseY - h * 0.54);
    cairo_line_to(cr, cx - w * 0.5, baseY - h * 0.54);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x3A4A48));
    cairo_fill(cr);
    FillRect(cr, cx - w * 0.3, baseY - h * 1.02, w * 0.6, h * 0.04, Hex(0x2A3432));
    // Sacred rope with paper streamers over the door.
    SetColor(cr, Hex(0xE8D8A0));
    cairo_set_line_width(cr, h * 0.025);
    cairo_move_to(cr, cx - w * 0.3, baseY - h * 0.48);
    cairo_curve_to(cr, cx - w * 0.1, baseY - h * 0.42, cx + w * 0.1, baseY - h * 0.42, cx + w * 0.3,
                   baseY - h * 0.48);
    cairo_stroke(cr);
    for (int i = -1; i <= 1; i++)
        FillRect(cr, cx + i * w * 0.15 - 2, baseY - h * 0.45, 4, h * 0.08, Hex(0xFFFFFF));
}

// 11: at the shrine she thanks the shrine maiden.
static void DrawEnd11(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x8AB8E0}, {1, 0xF0E8D8}};
    FillSky(cr, 0, 0, 640, 480, sky, 2);
    for (int i = 0; i < 8; i++) DrawCedar(cr, 20 + i * 86, 300, 230 + (i % 3) * 30, Hex(0x2A4A38));
    DrawShrineHall(cr, 320, 330, 300, 200);
    FillGradientV(cr, 0, 330, 640, 150, Hex(0xD8CCB0), Hex(0xB8A888));
    DrawStoneLantern(cr, 110, 400, 110, Hex(0x9A9A90), false);
    DrawStoneLantern(cr, 530, 400, 110, Hex(0x9A9A90), false);
    DrawPerson(cr, 380, 430, 150, -1, kShrineMaiden);
    DrawHeroine(cr, 260, 430, 150, 1, kHeroBow);
    DrawPetals(cr, 1111, 24, 0, 0, 640, 420, Hex(0xF8D8E0));
    DrawCaption(cr, u8"巫女に、旅の終わりを告げる。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 11");
}

// 12: evening at the inn; the innkeeper waves from under the lantern.
static void DrawEnd12(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x2A2A5A}, {0.6, 0xA05A6A}, {1, 0xE8A070}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawRidge(cr, 640, 240, 20, 480, Hex(0x4A2A48), 1121, 1.0);
    // The inn front: dark timber, paper doors glowing, a curtain over the door.
    FillRect(cr, 120, 170, 460, 240, Hex(0x4A3428));
    for (int i = 0; i < 5; i++) {
        FillRect(cr, 140 + i * 86, 250, 70, 150, Hex(0xF8D890));
        SetColor(cr, Hex(0x5A4030));
        cairo_set_line_width(cr, 2);
        for (int k = 1; k < 3; k++) {
            cairo_move_to(cr, 140 + i * 86 + k * 23.3, 250);
            cairo_line_to(cr, 140 + i * 86 + k * 23.3, 400);
        }
        for (int k = 1; k < 5; k++) {
            cairo_move_to(cr, 140 + i * 86, 250 + k * 30);
            cairo_line_to(cr, 210 + i * 86, 250 + k * 30);
        }
        cairo_stroke(cr);
    }
    DrawGlow(cr, 350, 320, 300, Hex(0xFFC060), 0.3);
    cairo_move_to(cr, 90, 180);
    cairo_curve_to(cr, 200, 150, 500, 150, 610, 180);
    cairo_line_to(cr, 590, 140);
    cairo_line_to(cr, 110, 140);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x2A2A34));
    cairo_fill(cr);
    FillRect(cr, 110, 100, 480, 42, Hex(0x2A2A34));
    // Door curtain with the inn's sign.
    FillRect(cr, 300, 250, 100, 60, Hex(0x2A3A6A));
    for (int i = 1; i < 3; i++) FillRect(cr, 300 + i * 33, 262, 1.5, 48, Hex(0x1A2448));
    DrawOutlinedTextCentered(cr, u8"宿", 300, 250, 100, 50, 34, Hex(0xFFFFFF), Hex(0x1A2448), 1);
    FillRect(cr, 470, 196, 2, 20, Hex(0x2A2020));
    DrawPaperLantern(cr, 471, 236, 18, Hex(0xF8E8C8), true);
    DrawOutlinedTextCentered(cr, u8"御宿", 452, 218, 38, 36, 14, Hex(0x2A1010), Hex(0xF8E8C8), 0.5);
    FillGradientV(cr, 0, 400, 640, 80, Hex(0x6A5048), Hex(0x3A2A28));
    DrawPerson(cr, 420, 440, 150, -1, kInnkeeper);
    DrawHeroine(cr, 250, 440, 150, 1, kHeroStand);
    DrawCaption(cr, u8"宿の女将が、笑って手を振った。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 12");
}

// 13: on the road she meets the travelling merchant once more.
static void DrawEnd13(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x4A8AD0}, {1, 0xE8F0E8}};
    FillSky(cr, 0, 0, 640, 480, sky, 2);
    DrawCloud(cr, 200, 100, 280, 30, Hex(0xFFFFFF), 0.9, 1131);
    DrawRidge(cr, 640, 280, 30, 480, Hex(0x7A9AB8), 1132, 1.0);
    DrawRidge(cr, 640, 320, 20, 480, Hex(0x5A8A5A), 1133, 1.2);
    FillGradientV(cr, 0, 340, 640, 140, Hex(0x8AB060), Hex(0x5A8A40));
    cairo_move_to(cr, 0, 400);
    cairo_curve_to(cr, 200, 380, 440, 380, 640, 400);
    cairo_line_to(cr, 640, 450);
    cairo_curve_to(cr, 440, 430, 200, 430, 0, 450);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xD0C098));
    cairo_fill(cr);
    // A roadside tea stall.
    FillRect(cr, 470, 300, 130, 80, Hex(0x8A6A4A));
    cairo_move_to(cr, 450, 305);
    cairo_line_to(cr, 620, 305);
    cairo_line_to(cr, 600, 270);
    cairo_line_to(cr, 470, 270);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xB89A60));
    cairo_fill(cr);
    FillRect(cr, 480, 320, 110, 10, Hex(0xC83020));
    FillRect(cr, 495, 240, 2, 60, Hex(0x5A4030));
    cairo_move_to(cr, 497, 240);
    cairo_line_to(cr, 530, 248);
    cairo_line_to(cr, 497, 258);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xC83020));
    cairo_fill(cr);
    DrawOutlinedTextCentered(cr, u8"茶", 470, 334, 130, 40, 26, Hex(0xFFF4DC), Hex(0x3A2010), 1.5);
    DrawPine(cr, 80, 360, 150, Hex(0x4A3A2A), Hex(0x2E5A3A), 1134);
    DrawPerson(cr, 360, 430, 150, -1, kMerchant);
    DrawHeroine(cr, 250, 430, 150, 1, kHeroStand);
    DrawCaption(cr, u8"旅の商人と、また道で出会う。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 13");
}

// Terraced rice fields shining with water, seen from the road home.
static void DrawRiceFields(cairo_t* cr, double top, Rgb water, Rgb bank, uint32_t seed) {
    ArtRandom rnd(seed);
    double y = top;
    for (int i = 0; y < 480; i++) {
        double h = 14 + i * 7;
        FillGradientV(cr, 0, y, 640, h, water, {water.r * 0.8, water.g * 0.85, water.b * 0.9});
        FillRect(cr, 0, y + h - 2, 640, 3, bank);
        // Rows of young rice.
        SetColor(cr, Hex(0x4A8A3A), 0.8);
        cairo_set_line_width(cr, 1);
        for (double x = rnd.Range(0, 12); x < 640; x += 10 + i * 3) {
            cairo_move_to(cr, x, y + h - 3);
            cairo_line_to(cr, x, y + h - 3 - (3 + i));
        }
        cairo_stroke(cr);
        y += h;
    }
}

// 14: the rice fields of home in the afternoon light.
static void DrawEnd14(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x5A90D0}, {0.7, 0xF0D8A8}, {1, 0xF8E0B0}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawCloud(cr, 430, 120, 300, 36, Hex(0xFFF4E0), 0.9, 1141);
    DrawRidge(cr, 640, 250, 30, 480, Hex(0x7A90A8), 1142, 1.0);
    DrawRidge(cr, 640, 280, 16, 480, Hex(0x5A7A5A), 1143, 1.2);
    for (int i = 0; i < 4; i++)
        DrawHouse(cr, 460 + i * 36, 290, 30, 24, Hex(0xD8C8A8), Hex(0x8A7A5A), false, true);
    DrawRiceFields(cr, 292, Hex(0xB8D0D8), Hex(0x6A8A4A), 1144);
    // The raised path between the fields.
    cairo_move_to(cr, 140, 480);
    cairo_curve_to(cr, 220, 400, 380, 330, 470, 292);
    cairo_line_to(cr, 480, 294);
    cairo_curve_to(cr, 400, 340, 300, 410, 260, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xC8B080));
    cairo_fill(cr);
    DrawHeroine(cr, 290, 392, 110, 1, kHeroWalk);
    DrawCaption(cr, u8"見慣れた田んぼ道。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 14");
}

// 15: the home village at evening, smoke rising from the hearths.
static void DrawEnd15(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x2A3060}, {0.5, 0x9A6A8A}, {0.85, 0xF8B070}, {1, 0xF8C890}};
    FillSky(cr, 0, 0, 640, 480, sky, 4);
    DrawSun(cr, 520, 300, 24, Hex(0xFFE8B0), Hex(0xFFA060));
    DrawRidge(cr, 640, 290, 30, 480, Hex(0x6A4A6A), 1151, 1.0);
    DrawRidge(cr, 640, 320, 18, 480, Hex(0x4A3450), 1152, 1.2);
    for (int i = 0; i < 6; i++) {
        double x = 40 + i * 100, y = 360 + (i % 2) * 12;
        if (i != 3) {
            // Thin smoke curling up from the hearth.
            SetColor(cr, Hex(0xD8C8D8), 0.45);
            cairo_set_line_width(cr, 3);
            cairo_move_to(cr, x + 40, y - 64);
            cairo_curve_to(cr, x + 30, y - 90, x + 56, y - 110, x + 44, y - 140 - (i % 3) * 12);
            cairo_stroke(cr);
        }
        DrawHouse(cr, x, y, 80, 70, Hex(0x8A7070), Hex(0x4A3A40), i != 3, true);
    }
    FillGradientV(cr, 0, 372, 640, 108, Hex(0x3A2A38), Hex(0x1E1620));
    DrawPine(cr, 600, 380, 120, Hex(0x1E1620), Hex(0x2A2230), 1159);
    DrawHeroine(cr, 120, 440, 110, 1, kHeroWalk, true, Hex(0x1E1620));
    DrawCaption(cr, u8"ふるさとの村が見えてきた。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 15");
}

// 16: the villagers welcome her home.
static void DrawEnd16(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x4A4A80}, {0.6, 0xE0A080}, {1, 0xF8D0A0}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawRidge(cr, 640, 250, 24, 480, Hex(0x7A5A7A), 1161, 1.0);
    DrawHouse(cr, 20, 330, 170, 130, Hex(0xC8B098), Hex(0x7A6A4A), true, true);
    DrawHouse(cr, 440, 330, 190, 140, Hex(0xC8B098), Hex(0x7A6A4A), true, true);
    DrawPine(cr, 300, 320, 120, Hex(0x4A3A2A), Hex(0x3A5A3A), 1162);
    FillGradientV(cr, 0, 330, 640, 150, Hex(0xB89A78), Hex(0x8A6A50));
    DrawPerson(cr, 390, 436, 150, -1, kElder);
    DrawPerson(cr, 450, 440, 150, -1, kVillagerWoman);
    DrawPerson(cr, 510, 436, 150, -1, kVillager);
    DrawPerson(cr, 350, 444, 150, -1, kChild);
    DrawPerson(cr, 570, 444, 150, -1, kChild);
    DrawHeroine(cr, 230, 440, 155, 1, kHeroStand);
    DrawPetals(cr, 1163, 30, 0, 0, 640, 400, Hex(0xF8C8D8));
    DrawCaption(cr, u8"「おかえり」――村の人たちが迎えてくれた。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 16");
}

// A firework burst of coloured sparks.
static void DrawFirework(cairo_t* cr, double cx, double cy, double r, Rgb c, uint32_t seed) {
    ArtRandom rnd(seed);
    DrawGlow(cr, cx, cy, r * 1.2, c, 0.25);
    for (int i = 0; i < 36; i++) {
        double a = i * 2 * kPi / 36 + rnd.Range(-0.05, 0.05);
        double len = r * rnd.Range(0.8, 1.0);
        for (int k = 3; k <= 9; k++) {
            double t = k / 9.0;
            FillCircle(cr, cx + std::cos(a) * len * t, cy + std::sin(a) * len * t + t * t * r * 0.12,
                       1.4 * t + 0.3, c);
        }
    }
    FillCircle(cr, cx, cy, 3, Hex(0xFFFFFF));
}

// 17: that night the village holds a festival.
static void DrawEnd17(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x060818}, {0.7, 0x1A1A3A}, {1, 0x2A1A2A}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawStars(cr, 1171, 100, 0, 0, 640, 260, 0.7);
    DrawFirework(cr, 180, 120, 80, Hex(0xFF7A50), 1172);
    DrawFirework(cr, 460, 90, 90, Hex(0x8AD0FF), 1173);
    DrawFirework(cr, 330, 200, 55, Hex(0xF8E070), 1174);
    DrawRidge(cr, 640, 300, 20, 480, Hex(0x120E20), 1175, 1.0);
    for (int i = 0; i < 5; i++)
        DrawHouse(cr, -10 + i * 135, 360, 120, 90, Hex(0x3A2A30), Hex(0x1A1420), true, true);
    FillGradientV(cr, 0, 360, 640, 120, Hex(0x3A2420), Hex(0x1A100E));
    // Strings of festival lanterns.
    for (int row = 0; row < 2; row++) {
        double y0 = 300 + row * 30;
        SetColor(cr, Hex(0x1A1010));
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, 0, y0);
        cairo_curve_to(cr, 200, y0 + 30, 440, y0 + 30, 640, y0);
        cairo_stroke(cr);
        for (int i = 0; i < 12; i++) {
            double t = (i + 0.5) / 12;
            double x = 640 * t, y = y0 + 30 * 3 * t * (1 - t) * 1.0 + 10;
            DrawPaperLantern(cr, x, y, 7, row ? Hex(0xF8E0A0) : Hex(0xE84030), true);
        }
    }
    DrawPerson(cr, 120, 450, 110, 1, kChild, true, Hex(0x140A0C));
    DrawPerson(cr, 170, 452, 120, 1, kVillagerWoman, true, Hex(0x140A0C));
    DrawPerson(cr, 470, 452, 120, -1, kVillager, true, Hex(0x140A0C));
    DrawPerson(cr, 520, 450, 110, -1, kElder, true, Hex(0x140A0C));
    DrawHeroine(cr, 320, 452, 125, 1, kHeroStand, true, Hex(0x140A0C));
    DrawCaption(cr, u8"その夜、村はお祭りでにぎわった。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 17");
}

// 18: before dawn, alone on the hill above the sleeping village.
static void DrawEnd18(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x0A0E2A}, {0.55, 0x2A3A6A}, {0.85, 0x8A7AA0}, {1, 0xC8A0A0}};
    FillSky(cr, 0, 0, 640, 480, sky, 4);
    DrawStars(cr, 1181, 120, 0, 0, 640, 220, 0.8);
    DrawMoon(cr, 110, 90, 20, Hex(0xF0F0FF), 0.5);
    DrawRidge(cr, 640, 300, 28, 480, Hex(0x3A3A62), 1182, 1.0);
    DrawMist(cr, 640, 320, 24, Hex(0xA8A0C0), 0.45);
    for (int i = 0; i < 6; i++)
        DrawHouse(cr, 60 + i * 56, 350 + (i % 2) * 6, 46, 38, Hex(0x4A4A68), Hex(0x2A2A44), false, true);
    FillGradientV(cr, 0, 356, 640, 124, Hex(0x2A2A44), Hex(0x14142A));
    // The hill in the foreground on the right.
    cairo_move_to(cr, 300, 480);
    cairo_curve_to(cr, 380, 390, 480, 370, 640, 366);
    cairo_line_to(cr, 640, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x10102A));
    cairo_fill(cr);
    DrawPine(cr, 600, 380, 170, Hex(0x10102A), Hex(0x10102A), 1183);
    DrawHeroine(cr, 480, 378, 100, -1, kHeroStand, true, Hex(0x10102A));
    DrawCaption(cr, u8"夜明け前、ひとり丘の上で。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 18");
}

// 19: the sun rises over a sea of clouds.
static void DrawEnd19(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x2A4A8A}, {0.4, 0xE89A80}, {0.65, 0xFFD090}, {1, 0xFFF0C8}};
    FillSky(cr, 0, 0, 640, 480, sky, 4);
    for (int i = 0; i < 16; i++) {
        double a = kPi + i * kPi / 15;
        SetColor(cr, Hex(0xFFF0C0), 0.16);
        cairo_move_to(cr, 320, 290);
        cairo_line_to(cr, 320 + std::cos(a - 0.03) * 700, 290 + std::sin(a - 0.03) * 700);
        cairo_line_to(cr, 320 + std::cos(a + 0.03) * 700, 290 + std::sin(a + 0.03) * 700);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    DrawSun(cr, 320, 290, 50, Hex(0xFFFAE0), Hex(0xFFC060));
    DrawPeak(cr, 120, 320, 160, 110, Hex(0x6A5A8A), Hex(0xF8E8F0), true);
    DrawPeak(cr, 540, 320, 150, 100, Hex(0x6A5A8A), Hex(0xF8E8F0), true);
    // Sea of clouds.
    for (int i = 0; i < 7; i++)
        DrawCloud(cr, 50 + i * 95, 330 + (i % 2) * 10, 180, 40, Hex(0xFFE8D8), 0.95, 1191 + i);
    FillGradientV(cr, 0, 345, 640, 135, Hex(0xF8D8C8), Hex(0xE8B8B0));
    cairo_move_to(cr, 0, 480);
    cairo_line_to(cr, 0, 400);
    cairo_curve_to(cr, 80, 390, 180, 400, 240, 420);
    cairo_curve_to(cr, 260, 440, 270, 460, 280, 480);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x2A1A30));
    cairo_fill(cr);
    DrawHeroine(cr, 140, 400, 110, 1, kHeroStand, true, Hex(0x2A1A30));
    DrawCaption(cr, u8"新しい朝が来た。", 640, 480);
    c.Cell(0, 0, 640, 480, "ending 19");
}

// 20: morning under the cherry trees; the journey is told.
static void DrawEnd20(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x5AA0E8}, {1, 0xF0F4FF}};
    FillSky(cr, 0, 0, 640, 480, sky, 2);
    DrawRidge(cr, 640, 330, 24, 480, Hex(0x9AB0C8), 1201, 1.0);
    FillGradientV(cr, 0, 360, 640, 120, Hex(0x8AC070), Hex(0x5A9A48));
    DrawGrass(cr, 1202, 0, 640, 380, 14, Hex(0x4A8A3A), 200);
    // Cherry branches across the top.
    SetColor(cr, Hex(0x4A2A20));
    cairo_set_line_width(cr, 12);
    cairo_move_to(cr, 660, 20);
    cairo_curve_to(cr, 520, 60, 420, 40, 300, 90);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 480, 52);
    cairo_curve_to(cr, 430, 100, 380, 120, 340, 150);
    cairo_stroke(cr);
    ArtRandom rnd(1203);
    for (int i = 0; i < 40; i++) {
        double t = rnd.Uniform();
        double bx = 660 - 360 * t + rnd.Range(-30, 30), by = 20 + 70 * t + rnd.Range(-30, 40);
        DrawBlossom(cr, bx, by, rnd.Range(14, 26), 1205 + i);
    }
    DrawPetals(cr, 1204, 90, 0, 0, 640, 480, Hex(0xF8B8CC));
    DrawHeroine(cr, 460, 450, 260, -1, kHeroStand);
    // The game's name in gold.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 190, 0, 250);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.62);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.6, 0.2);
    TextWidth(cr, u8"ミラヴェル２", 54);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 190 + fe.ascent);
    cairo_text_path(cr, u8"ミラヴェル２");
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, Hex(0x2A1408));
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    c.Cell(0, 0, 640, 480, "ending 20");
}

ART_PICTURE("AE01120", 640, 480, DrawEnd11, "ending 11: the shrine maiden");
ART_PICTURE("AE01139", 640, 480, DrawEnd12, "ending 12: the inn");
ART_PICTURE("AE01142", 640, 480, DrawEnd13, "ending 13: the merchant");
ART_PICTURE("AE01156", 640, 480, DrawEnd14, "ending 14: rice fields of home");
ART_PICTURE("AE01169", 640, 480, DrawEnd15, "ending 15: the home village");
ART_PICTURE("AE01174", 640, 480, DrawEnd16, "ending 16: welcome home");
ART_PICTURE("AE01183", 640, 480, DrawEnd17, "ending 17: the festival night");
ART_PICTURE("AE01195", 640, 480, DrawEnd18, "ending 18: before dawn");
ART_PICTURE("AE01208", 640, 480, DrawEnd19, "ending 19: sunrise");
ART_PICTURE("AE01219", 640, 480, DrawEnd20, "ending 20: under the cherry trees");
