// Ending pictures 21 to 26: the staff cards, a thank-you card, and the closing "おわり" card
// that stays on screen under the next-game choice.
#include <cmath>

#include "tools/art/story/scenery.h"

static const double kPi = 3.14159265358979;
static const char* const kTeam = u8"ミラヴェル２ 制作チーム";

// The scenery at the foot of a staff card; each card has its own.
enum CardMotif { kMotifCastle, kMotifTorii, kMotifMoonPines, kMotifVillage, kMotifBow };

static void DrawCardBackground(cairo_t* cr, CardMotif motif, uint32_t seed) {
    const SkyStop sky[] = {{0, 0x0A0A22}, {0.6, 0x1E1A44}, {1, 0x3A2A4A}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawStars(cr, seed, 90, 0, 0, 640, 360, 0.6);
    Rgb sil = Hex(0x0C0A18);
    DrawRidge(cr, 640, 400, 20, 480, Hex(0x2A2248), seed + 1, 1.0);
    switch (motif) {
        case kMotifCastle:
            DrawCastle(cr, 500, 420, 80, 110, Hex(0x1A1630), sil, sil, true);
            break;
        case kMotifTorii:
            DrawTorii(cr, 140, 430, 90, Hex(0x1A0A18));
            break;
        case kMotifMoonPines:
            DrawMoon(cr, 530, 90, 30, Hex(0xFFF4D8), 0.45);
            break;
        case kMotifVillage:
            for (int i = 0; i < 4; i++)
                DrawHouse(cr, 40 + i * 70, 430, 60, 44, Hex(0x1A1630), sil, true, true);
            break;
        case kMotifBow:
            break;
    }
    FillGradientV(cr, 0, 430, 640, 50, sil, Hex(0x06050C));
    DrawPine(cr, 600, 440, 140, sil, sil, seed + 2);
    DrawPine(cr, 30, 450, 110, sil, sil, seed + 3);
    DrawPetals(cr, seed + 4, 26, 0, 0, 640, 440, Hex(0xE8B0C4));
    // Gold double frame.
    StrokeRect(cr, 20, 20, 600, 440, Hex(0xC8A048), 2);
    StrokeRect(cr, 27, 27, 586, 426, Hex(0xC8A048), 1);
}

struct Credit {
    const char* role;
    const char* name;
};

static void DrawCredits(cairo_t* cr, const Credit* credits, int n) {
    double blockH = n * 96 - 20;
    double y = (400 - blockH) / 2 + 10;
    for (int i = 0; i < n; i++) {
        DrawOutlinedTextCentered(cr, credits[i].role, 0, y, 640, 30, 22, Hex(0xE8C070), Hex(0x0A0818), 1.5);
        SetColor(cr, Hex(0xC8A048), 0.7);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, 250, y + 36);
        cairo_line_to(cr, 390, y + 36);
        cairo_stroke(cr);
        DrawOutlinedTextCentered(cr, credits[i].name, 0, y + 40, 640, 36, 28, Hex(0xFFF4E0), Hex(0x0A0818),
                                 2);
        y += 96;
    }
}

// 21: the staff heading.
static void DrawEnd21(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    DrawCardBackground(cr, kMotifCastle, 1211);
    DrawOutlinedTextCentered(cr, u8"ミラヴェル２", 0, 140, 640, 40, 30, Hex(0xE8C070), Hex(0x0A0818), 2);
    DrawOutlinedTextCentered(cr, u8"スタッフ", 0, 196, 640, 70, 52, Hex(0xFFF4E0), Hex(0x0A0818), 2.5);
    c.Cell(0, 0, 640, 480, "ending 21");
}

// 22: planning and scenario.
static void DrawEnd22(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    DrawCardBackground(cr, kMotifTorii, 1221);
    const Credit credits[] = {{u8"企画", kTeam}, {u8"シナリオ", kTeam}};
    DrawCredits(cr, credits, 2);
    c.Cell(0, 0, 640, 480, "ending 22");
}

// 23: programming.
static void DrawEnd23(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    DrawCardBackground(cr, kMotifMoonPines, 1231);
    const Credit credits[] = {{u8"プログラム", kTeam}};
    DrawCredits(cr, credits, 1);
    c.Cell(0, 0, 640, 480, "ending 23");
}

// 24: graphics and music.
static void DrawEnd24(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    DrawCardBackground(cr, kMotifVillage, 1241);
    const Credit credits[] = {{u8"グラフィック", kTeam}, {u8"音楽", kTeam}};
    DrawCredits(cr, credits, 2);
    c.Cell(0, 0, 640, 480, "ending 24");
}

// 25: the heroine thanks the player.
static void DrawEnd25(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const SkyStop sky[] = {{0, 0x3A5A9A}, {0.5, 0xE8A890}, {1, 0xF8D8B0}};
    FillSky(cr, 0, 0, 640, 480, sky, 3);
    DrawSun(cr, 320, 330, 40, Hex(0xFFF0C8), Hex(0xFFB070));
    DrawRidge(cr, 640, 350, 20, 480, Hex(0x8A6A8A), 1251, 1.0);
    FillGradientV(cr, 0, 380, 640, 100, Hex(0x6A8A50), Hex(0x4A6A38));
    DrawGrass(cr, 1252, 0, 640, 384, 12, Hex(0x4A7A38), 160);
    DrawPetals(cr, 1253, 50, 0, 0, 640, 480, Hex(0xF8C8D8));
    DrawHeroine(cr, 320, 440, 170, 1, kHeroBow);
    DrawOutlinedTextCentered(cr, u8"遊んでくれて、ありがとう。", 0, 90, 640, 50, 34, Hex(0xFFF8EC),
                             Hex(0x3A1A28), 2.5);
    DrawOutlinedTextCentered(cr, u8"またいつか、どこかの道で。", 0, 150, 640, 36, 22, Hex(0xFFF0DC),
                             Hex(0x3A1A28), 2);
    c.Cell(0, 0, 640, 480, "ending 25");
}

// 26: the closing card. The next-game choice is written over its upper left in black and
// grey (x 12 to about 420, y 12 to 150), so that part stays light, plain paper; the ink
// painting and "おわり" keep to the lower half and the right.
static void DrawEnd26(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    FillGradientV(cr, 0, 0, 640, 480, Hex(0xF8F2E4), Hex(0xEDE2CC));
    // Paper fibres, faint enough not to disturb the text.
    ArtRandom rnd(1261);
    cairo_set_line_width(cr, 0.6);
    for (int i = 0; i < 260; i++) {
        double x = rnd.Range(0, 640), y = rnd.Range(0, 480), a = rnd.Range(0, kPi), l = rnd.Range(4, 14);
        SetColor(cr, Hex(0xC8B898), 0.18);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a) * l, y + std::sin(a) * l);
        cairo_stroke(cr);
    }
    // Ink-wash mountains, a red sun and the heroine walking on.
    FillCircle(cr, 520, 250, 30, Hex(0xD84A30));
    DrawMist(cr, 640, 300, 40, Hex(0xF8F2E4), 0.6);
    DrawRidge(cr, 640, 320, 34, 480, Hex(0xB8B0A4), 1262, 1.1);
    DrawMist(cr, 640, 340, 22, Hex(0xF4ECDC), 0.7);
    DrawRidge(cr, 640, 370, 24, 480, Hex(0x8A847C), 1263, 1.2);
    DrawMist(cr, 640, 392, 18, Hex(0xF0E8D8), 0.6);
    DrawRidge(cr, 640, 420, 14, 480, Hex(0x4A4640), 1264, 1.0);
    DrawPine(cr, 80, 430, 150, Hex(0x2A2824), Hex(0x3A3834), 1265);
    DrawHeroine(cr, 230, 418, 60, 1, kHeroWalk, true, Hex(0x2A2824));
    // "おわり" in large ink lettering with a red seal.
    DrawOutlinedText(cr, u8"おわり", 430, 160, 56, Hex(0x1A1814), Hex(0xF8F2E4), 1);
    FillRoundRect(cr, 586, 224, 30, 30, 3, Hex(0xC83024));
    DrawOutlinedTextCentered(cr, u8"完", 586, 224, 30, 30, 20, Hex(0xFFF4E8), Hex(0xA02018), 0.5);
    c.Cell(0, 0, 640, 480, "ending 26");
}

ART_PICTURE("AE01225", 640, 480, DrawEnd21, "ending 21: staff");
ART_PICTURE("AE01237", 640, 480, DrawEnd22, "ending 22: planning, scenario");
ART_PICTURE("AE01249", 640, 480, DrawEnd23, "ending 23: programming");
ART_PICTURE("AE01253", 640, 480, DrawEnd24, "ending 24: graphics, music");
ART_PICTURE("AE01269", 640, 480, DrawEnd25, "ending 25: thank you");
ART_PICTURE("AE01277", 640, 480, DrawEnd26, "ending 26: the end, under the choice");
