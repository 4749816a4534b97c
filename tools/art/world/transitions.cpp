// The nine transition pictures shown full screen between maps: scene cards of the journey, each
// a landscape on a paper mount with a vertical caption and a red seal. Pictures 0 and 1 are
// shown from the start, 2 to 6 join as the story goes on, 7 and 8 belong to its end.
#include <cmath>

#include "tools/art/art.h"
#include "tools/art/paint.h"
#include "tools/art/world/scenery.h"

using namespace wart;

namespace {

const double W = 640, H = 480;
const double M = 14;  // the paper margin round the painting

const Rgb kPaper = Hex(0xEFE6D2), kInk = Hex(0x2A1E16);

// Clips drawing to the painted area inside the mount.
void BeginPainting(cairo_t* cr) {
    FillRect(cr, 0, 0, W, H, kPaper);
    cairo_save(cr);
    cairo_rectangle(cr, M, M, W - 2 * M, H - 2 * M);
    cairo_clip(cr);
}

void EndPainting(ArtCanvas& c, const char* caption, const char* seal, int index) {
    cairo_t* cr = c.cr;
    cairo_restore(cr);
    StrokeRect(cr, M - 3, M - 3, W - 2 * M + 6, H - 2 * M + 6, kInk, 2);
    StrokeRect(cr, 4, 4, W - 8, H - 8, Mix(kPaper, kInk, 0.35), 1);
    DrawCaptionVertical(cr, caption, W - 62, 40, 30, kInk, kPaper);
    int n = 0;
    for (const char* p = caption; *p; p++)
        if ((*p & 0xC0) != 0x80) n++;
    DrawSeal(cr, W - 80, 40 + n * 32.4 + 26, 36, seal);
    c.Cell(0, 0, W, H, "transition picture " + std::to_string(index));
}

void Fields(cairo_t* cr, double y, Rgb a, Rgb b) {
    FillRect(cr, 0, y, W, H - y, a);
    for (int i = 0; i < 12; i++) {
        double yy = y + 6 + i * i * 1.6;
        if (yy > H) break;
        FillRect(cr, 0, yy, W, 1.5 + i * 0.25, b);
    }
}

// A road that winds from the bottom of the picture towards (x, y).
void Road(cairo_t* cr, double x, double y, Rgb c) {
    SetColor(cr, c);
    cairo_move_to(cr, 180, H);
    cairo_curve_to(cr, 260, 420, 420, 400, 360, 360);
    cairo_curve_to(cr, 320, 330, x - 20, y + 10, x, y);
    cairo_line_to(cr, x + 4, y);
    cairo_curve_to(cr, x - 8, y + 14, 340, 336, 380, 362);
    cairo_curve_to(cr, 450, 410, 330, 430, 300, H);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// 0: setting out from the village at dawn.
void DrawDeparture(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x6A80B8), Hex(0xF0B8A0), Hex(0xFCE8C0), 0.55);
    DrawSun(cr, 430, 196, 26, Hex(0xFFF4D0), Hex(0xFFC080));
    DrawStreak(cr, 260, 150, 300, 10, Hex(0xF8D0C0), 0.8);
    DrawStreak(cr, 40, 110, 240, 8, Hex(0xE8B0B0), 0.7);
    Ridge far = {250, 90, 4, 6, 301};
    FillRidgeCapped(cr, far, W, W, H, Hex(0x9A90B0), Hex(0xF8F0F0), 16);
    Ridge mid = {300, 50, 5, 5, 302};
    FillRidge(cr, mid, W, W, H, Hex(0x6E7A8A));
    Fields(cr, 320, Hex(0x8AA060), Hex(0xC8D0A0));
    Road(cr, 420, 320, Hex(0xD8C8A0));
    DrawHouse(cr, 40, 400, 120, 96, Hex(0xE8E0C8), Hex(0x4A5060), Hex(0x3A2C22), Hex(0x6080A0));
    DrawHouse(cr, 150, 372, 80, 64, Hex(0xE0D8C0), Hex(0x4A5060), Hex(0x3A2C22), Hex(0x6080A0));
    DrawPine(cr, 560, 440, 180, Hex(0x4A3424), Hex(0x1E4A30), Hex(0x3C7040), -1);
    DrawTorii(cr, 300, 392, 70, Hex(0xC8402A), Hex(0x7A2418));
    EndPainting(c, u8"旅立ち", u8"旅", 0);
}

// 1: the mountain road: stone steps between cedars, a Jizo at the roadside.
void DrawMountainRoad(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x6C9AD0), Hex(0xB8D8EC), Hex(0xE8F0F0), 0.5);
    Ridge r1 = {200, 90, 3, 6, 311};
    FillRidgeCapped(cr, r1, W, W, H, Hex(0x90A4C4), Hex(0xF0F4F8), 18);
    cairo_pattern_t* mist = cairo_pattern_create_linear(0, 190, 0, 270);
    cairo_pattern_add_color_stop_rgba(mist, 0, 0.9, 0.94, 0.96, 0);
    cairo_pattern_add_color_stop_rgba(mist, 1, 0.9, 0.94, 0.96, 0.85);
    cairo_set_source(cr, mist);
    cairo_rectangle(cr, 0, 190, W, 80);
    cairo_fill(cr);
    cairo_pattern_destroy(mist);
    DrawCedarRow(cr, W, W, 300, 60, 110, 26, Hex(0x5A7A78), 312);
    DrawCedarRow(cr, W, W, 360, 120, 200, 44, Hex(0x2E4A40), 313);
    FillRect(cr, 0, 356, W, H - 356, Hex(0x3A5A40));
    // Stone steps climbing to the right.
    for (int i = 0; i < 9; i++) {
        double y = H - 14 - i * 14, x = 140 + i * 34, w = 170 - i * 10;
        FillRect(cr, x, y - 10, w, 10, Hex(0x9A968C));
        FillRect(cr, x, y - 10, w, 2.5, Hex(0xC8C4B8));
        FillRect(cr, x, y, w, 4, Hex(0x5A5850));
    }
    // Jizo with a red bib.
    double jx = 110, jy = 430;
    FillRect(cr, jx - 20, jy, 40, 10, Hex(0x6A6860));
    FillRoundRect(cr, jx - 14, jy - 44, 28, 46, 12, Hex(0x9A9890));
    FillCircle(cr, jx, jy - 52, 12, Hex(0x9A9890));
    SetColor(cr, Hex(0xC82820));
    cairo_move_to(cr, jx - 13, jy - 40);
    cairo_line_to(cr, jx + 13, jy - 40);
    cairo_line_to(cr, jx, jy - 20);
    cairo_close_path(cr);
    cairo_fill(cr);
    DrawPine(cr, 70, 470, 260, Hex(0x3A2A1E), Hex(0x14301E), Hex(0x2A5034), 1);
    EndPainting(c, u8"山道を行く", u8"山", 1);
}

// 2: the castle town with its keep on the hill.
void DrawCastleTown(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x4A80C8), Hex(0x9CC8EC), Hex(0xE0EEF4), 0.55);
    ArtRandom rnd(321);
    for (int i = 0; i < 4; i++)
        DrawCloud(cr, 80 + i * 150, 70 + rnd.Range(0, 50), 130, Hex(0xFFFFFF), 0.85, 322 + i);
    Ridge r1 = {260, 70, 3, 5, 323};
    FillRidge(cr, r1, W, W, H, Hex(0x8CA0BC));
    // The castle hill and stone walls.
    SetColor(cr, Hex(0x4E7A50));
    cairo_move_to(cr, 60, 360);
    cairo_curve_to(cr, 160, 280, 220, 270, 300, 270);
    cairo_curve_to(cr, 380, 270, 460, 290, 560, 360);
    cairo_close_path(cr);
    cairo_fill(cr);
    DrawCastle(cr, 300, 286, 1.9, Hex(0xF4F0E6), Hex(0x3E4656), Hex(0x8A8A86), Hex(0x2A2A30));
    // Town roofs in rows below.
    for (int row = 0; row < 3; row++) {
        double y = 380 + row * 36;
        for (int i = 0; i < 9; i++) {
            double x = -30 + i * 76 + (row % 2) * 38;
            DrawHouse(cr, x, y + 30, 70, 56, Hex(0xE6DCC4),
                      Mix(Hex(0x3E4656), Hex(0x6A5040), (i + row) % 3 * 0.3), Hex(0x3A2C22), Hex(0xF0E0B0));
        }
    }
    // Cherry trees in bloom at the edges.
    for (int i = 0; i < 2; i++) {
        double x = i ? 590 : 40, y = 350;
        FillRect(cr, x - 4, y, 8, 60, Hex(0x4A3026));
        for (int k = 0; k < 9; k++)
            FillCircle(cr, x + rnd.Range(-50, 50), y - rnd.Range(0, 50), rnd.Range(18, 28),
                       k % 2 ? Hex(0xF4C8D4) : Hex(0xE8A8BC));
    }
    EndPainting(c, u8"城下町", u8"城", 2);
}

// 3: over the high pass, above the clouds.
void DrawHighPass(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x2A58A8), Hex(0x80B0E0), Hex(0xDCEAF4), 0.5);
    // The great peak of the pass, snow streaming down its gullies.
    SetColor(cr, Hex(0x6A84B0));
    cairo_move_to(cr, 20, 330);
    cairo_curve_to(cr, 140, 250, 220, 120, 262, 84);
    cairo_line_to(cr, 290, 90);
    cairo_curve_to(cr, 330, 130, 420, 240, 560, 330);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, Hex(0xF8FAFC));
    cairo_move_to(cr, 196, 150);
    cairo_curve_to(cr, 226, 116, 246, 96, 262, 84);
    cairo_line_to(cr, 290, 90);
    cairo_curve_to(cr, 310, 110, 330, 136, 352, 164);
    const double teeth[][2] = {{340, 176}, {326, 160}, {314, 196}, {298, 150}, {282, 184},
                               {268, 146}, {252, 178}, {238, 150}, {222, 168}, {210, 152}};
    for (const auto& t : teeth) cairo_line_to(cr, t[0], t[1]);
    cairo_close_path(cr);
    cairo_fill(cr);
    Ridge r1 = {300, 120, 3, 8, 331};
    FillRidgeCapped(cr, r1, W, W, H, Hex(0x7890B8), Hex(0xF8FAFC), 30);
    Ridge r2 = {300, 80, 3, 6, 332};
    FillRidgeCapped(cr, r2, W, W, H, Hex(0x4A6086), Hex(0xD8E2EE), 12);
    for (int row = 0; row < 4; row++) {
        double y = 310 + row * 30;
        ArtRandom rnd(333 + row);
        Rgb col = Mix(Hex(0xC8D4E4), Hex(0xFCFCFE), row / 3.0);
        for (double x = -30 + row * 20; x < W + 40; x += rnd.Range(40, 70))
            FillCircle(cr, x, y, rnd.Range(22, 34), col);
        FillRect(cr, 0, y, W, H - y, col);
    }
    // A rocky outcrop in front with a lone pine.
    SetColor(cr, Hex(0x4A4640));
    cairo_move_to(cr, 0, H);
    cairo_line_to(cr, 0, 380);
    cairo_curve_to(cr, 60, 360, 120, 350, 170, 372);
    cairo_curve_to(cr, 210, 390, 240, 420, 270, H);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Light on the rock's crest and a few stones of the path over it.
    SetColor(cr, Hex(0x7A746A));
    cairo_move_to(cr, 0, 380);
    cairo_curve_to(cr, 60, 360, 120, 350, 170, 372);
    cairo_curve_to(cr, 120, 360, 60, 370, 0, 392);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (int i = 0; i < 6; i++) FillRoundRect(cr, 150 + i * 16, 392 + i * 14, 22, 7, 3, Hex(0x9A9488));
    DrawPine(cr, 110, 362, 150, Hex(0x3A2A1E), Hex(0x1E3A28), Hex(0x3A6040), 1);
    EndPainting(c, u8"峠を越えて", u8"峠", 3);
}

// 4: a castle under the full moon.
void DrawMoonCastle(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x040816), Hex(0x16204A), Hex(0x2E3C70), 0.6);
    DrawStars(cr, 0, 0, W, 300, 200, 341, 1.0);
    DrawMoon(cr, 420, 140, 70, Hex(0xF8F2DA), Hex(0x8898D0));
    DrawStreak(cr, 300, 190, 260, 12, Hex(0x1A2040), 0.8);
    Ridge r1 = {330, 40, 4, 5, 342};
    FillRidge(cr, r1, W, W, H, Hex(0x141C34));
    DrawCastle(cr, 250, 360, 2.2, Hex(0x2A3048), Hex(0x101420), Hex(0x1C2236), Hex(0xF8C860));
    FillRect(cr, 0, 360, W, H - 360, Hex(0x0C1020));
    // The moat reflects the moon.
    FillRect(cr, 0, 400, W, 30, Hex(0x141C38));
    for (int i = 0; i < 8; i++) FillRect(cr, 380 + (i % 3) * 14, 404 + i * 3, 80 - i * 8, 1.5, Hex(0xC8C8B0));
    DrawPine(cr, 560, 470, 170, Hex(0x0A0C14), Hex(0x0A1018), Hex(0x141E2A), -1);
    EndPainting(c, u8"月夜の城", u8"月", 4);
}

// 5: the shrine in its cedar forest.
void DrawShrine(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x7AA8C8), Hex(0xC8E0E0), Hex(0xE8F0E0), 0.5);
    DrawCedarRow(cr, W, W, 330, 200, 300, 36, Hex(0x4A6A58), 351);
    DrawCedarRow(cr, W, W, 370, 240, 340, 60, Hex(0x24402E), 352);
    FillRect(cr, 0, 360, W, H - 360, Hex(0x5A6A48));
    // The shrine hall.
    FillRect(cr, 250, 300, 140, 60, Hex(0x8A3A24));
    for (int i = 0; i < 5; i++) FillRect(cr, 254 + i * 32, 300, 6, 60, Hex(0x5A2414));
    DrawRoof(cr, 236, 300, 168, 54, Hex(0x3A4034), Hex(0x6A7060));
    FillRect(cr, 250, 300, 140, 8, Hex(0xE0C880));
    // Approach: a gravel path, lanterns and the great torii.
    SetColor(cr, Hex(0xD8D0BC));
    cairo_move_to(cr, 290, 360);
    cairo_line_to(cr, 350, 360);
    cairo_line_to(cr, 460, H);
    cairo_line_to(cr, 180, H);
    cairo_close_path(cr);
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 2; k++) {
            double x = 320 + side * (70 + k * 70), y = 380 + k * 50, s = 1 + k * 0.5;
            FillRect(cr, x - 4 * s, y - 30 * s, 8 * s, 30 * s, Hex(0x8A8882));
            FillRect(cr, x - 10 * s, y - 44 * s, 20 * s, 14 * s, Hex(0x9A9892));
            FillRect(cr, x - 6 * s, y - 41 * s, 12 * s, 8 * s, Hex(0xF8D070));
            FillRect(cr, x - 14 * s, y - 50 * s, 28 * s, 6 * s, Hex(0x6A6862));
            FillRect(cr, x - 10 * s, y, 20 * s, 6 * s, Hex(0x6A6862));
        }
    }
    DrawTorii(cr, 320, 470, 300, Hex(0xD0402A), Hex(0x7A2418));
    EndPainting(c, u8"社の杜", u8"社", 5);
}

// 6: the road at sunset, a bridge over the river.
void DrawSunsetRoad(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x3A2A58), Hex(0xE07050), Hex(0xF8C070), 0.6);
    DrawSun(cr, 200, 270, 40, Hex(0xFFE0A0), Hex(0xFF9050));
    DrawStreak(cr, 300, 150, 300, 10, Hex(0xC05868), 0.7);
    DrawStreak(cr, 20, 190, 260, 8, Hex(0xE08070), 0.7);
    Ridge r1 = {280, 70, 4, 5, 361};
    FillRidge(cr, r1, W, W, H, Hex(0x6A4060));
    Ridge r2 = {320, 30, 5, 4, 362};
    FillRidge(cr, r2, W, W, H, Hex(0x402838));
    // The river catches the light.
    FillRect(cr, 0, 340, W, 140, Hex(0x4A2A40));
    for (int i = 0; i < 14; i++) FillRect(cr, 160 + (i % 4) * 10, 346 + i * 8, 90 - i * 4, 2, Hex(0xF8C080));
    // Arched bridge.
    SetColor(cr, Hex(0x2A1820));
    cairo_set_line_width(cr, 12);
    cairo_move_to(cr, 300, 400);
    cairo_curve_to(cr, 380, 330, 500, 330, 580, 400);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 300, 380);
    cairo_curve_to(cr, 380, 312, 500, 312, 580, 380);
    cairo_stroke(cr);
    for (int i = 0; i <= 8; i++) {
        double t = i / 8.0, x = 300 + t * 280;
        double y = 400 - std::sin(t * kPi) * 52;
        FillRect(cr, x - 2, y - 22, 4, 22, Hex(0x2A1820));
        FillRect(cr, x - 3, y, 6, 480 - y, Hex(0x2A1820));
    }
    // Reeds in the foreground.
    for (int i = 0; i < 30; i++) {
        double x = i * 9 + 4, h = 40 + (i * 37 % 50);
        SetColor(cr, Hex(0x1A1018));
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, x, H);
        cairo_curve_to(cr, x, H - h * 0.6, x + 6, H - h * 0.9, x + 10, H - h);
        cairo_stroke(cr);
    }
    EndPainting(c, u8"夕暮れの旅路", u8"道", 6);
}

// 7: the way back from the world of the dead: a line of torii into a red dusk.
void DrawReturn(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x10041A), Hex(0x5A1030), Hex(0xC04030), 0.7);
    DrawMoon(cr, 320, 180, 60, Hex(0xF0D0C0), Hex(0xD04040));
    Ridge r1 = {330, 40, 5, 5, 371};
    FillRidge(cr, r1, W, W, H, Hex(0x2A0A1E));
    FillRect(cr, 0, 330, W, H - 330, Hex(0x1A0614));
    // Torii receding to the vanishing point under the moon.
    for (int i = 7; i >= 0; i--) {
        double t = i / 7.0;
        double h = 60 + (1 - t) * 330, y = 350 + (1 - t) * 150;
        Rgb col = Mix(Hex(0xC83020), Hex(0x4A1020), t);
        DrawTorii(cr, 320, y, h, col, Mix(col, Hex(0), 0.5));
    }
    const double flames[][2] = {{90, 200}, {160, 300}, {520, 240}, {580, 330}, {60, 380}};
    for (const auto& f : flames) {
        FillCircle(cr, f[0], f[1], 14, Hex(0x3A6AD8));
        FillCircle(cr, f[0], f[1], 9, Hex(0x8AB8F4));
        FillCircle(cr, f[0], f[1] + 2, 5, Hex(0xE8F6FF));
    }
    EndPainting(c, u8"黄泉の帰り路", u8"還", 7);
}

// 8: dawn after the last battle, the sun rising over the sea of clouds.
void DrawDawn(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    BeginPainting(cr);
    FillSky3(cr, W, H, Hex(0x30487E), Hex(0xF0A890), Hex(0xFFE8B8), 0.6);
    DrawSun(cr, 320, 196, 46, Hex(0xFFF8E0), Hex(0xFFD090));
    // Rays.
    for (int i = 0; i < 12; i++) {
        double a = kPi + i * kPi / 11;
        SetColor(cr, Hex(0xFFF0D0), 0.14);
        cairo_move_to(cr, 320, 196);
        cairo_line_to(cr, 320 + std::cos(a - 0.05) * 700, 196 + std::sin(a - 0.05) * 700);
        cairo_line_to(cr, 320 + std::cos(a + 0.05) * 700, 196 + std::sin(a + 0.05) * 700);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    Ridge r1 = {330, 110, 3, 6, 381};
    FillRidgeCapped(cr, r1, W, W, H, Hex(0x6A6890), Hex(0xFCE0D0), 24);
    for (int row = 0; row < 4; row++) {
        double y = 320 + row * 34;
        ArtRandom rnd(382 + row);
        Rgb col = Mix(Hex(0xE8B8A8), Hex(0xFFF4E8), row / 3.0);
        for (double x = -30 + row * 20; x < W + 40; x += rnd.Range(40, 70))
            FillCircle(cr, x, y, rnd.Range(22, 34), col);
        FillRect(cr, 0, y, W, H - y, col);
    }
    // Birds.
    for (int i = 0; i < 5; i++) {
        double x = 120 + i * 36, y = 120 + (i % 2) * 16;
        SetColor(cr, Hex(0x2A2030));
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, x - 8, y);
        cairo_curve_to(cr, x - 4, y - 5, x - 1, y - 3, x, y);
        cairo_curve_to(cr, x + 1, y - 3, x + 4, y - 5, x + 8, y);
        cairo_stroke(cr);
    }
    EndPainting(c, u8"夜明け", u8"暁", 8);
}

}  // namespace

ART_PICTURE("AE00374", 640, 480, DrawDeparture, "transition 0: departure");
ART_PICTURE("AE00539", 640, 480, DrawMountainRoad, "transition 1: mountain road");
ART_PICTURE("AE00497", 640, 480, DrawCastleTown, "transition 2: castle town");
ART_PICTURE("AE00162", 640, 480, DrawHighPass, "transition 3: high pass");
ART_PICTURE("AE00589", 640, 480, DrawMoonCastle, "transition 4: castle by moonlight");
ART_PICTURE("AE00241", 640, 480, DrawShrine, "transition 5: shrine");
ART_PICTURE("AE00392", 640, 480, DrawSunsetRoad, "transition 6: sunset road");
ART_PICTURE("AE00175", 640, 480, DrawReturn, "transition 7: return from the dead");
ART_PICTURE("AE00111", 640, 480, DrawDawn, "transition 8: dawn");
