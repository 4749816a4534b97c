// The ten backdrops behind the tiles of the 640 x 384 play field. Pictures 0, 3 and 4 are the
// countryside by day, evening and night (villages, roads, towns); 7, 8 and 6 the high peaks
// over a sea of clouds by day, evening and night; 1 a mountain forest and 2 and 5 castle halls,
// which scroll and so tile left-right; 9 the world of the dead.
#include <cmath>
#include <vector>

#include "tools/art/art.h"
#include "tools/art/paint.h"
#include "tools/art/world/scenery.h"

using namespace wart;

namespace {

const double W = 640, H = 384;

struct Daylight {
    Rgb skyTop, skyMid, skyLow;
    Rgb farHill, farCap, midHill, nearHill, nearLight, fields;
    Rgb wall, roof, timber, window, pine, pineLight, trunk;
    double cloudAlpha;
    Rgb cloud;
    int when;  // 0 day, 1 evening, 2 night
};

const Daylight kDay = {Hex(0x3C78C8),
                       Hex(0x8CC0EC),
                       Hex(0xD8ECF4),
                       Hex(0x8CA0C8),
                       Hex(0xF4F6FA),
                       Hex(0x5C8C70),
                       Hex(0x3E6E48),
                       Hex(0x5E9050),
                       Hex(0x88B058),
                       Hex(0xE8E0C8),
                       Hex(0x4A5060),
                       Hex(0x3A2C22),
                       Hex(0x6080A0),
                       Hex(0x1E4A30),
                       Hex(0x3C7040),
                       Hex(0x4A3424),
                       0.9,
                       Hex(0xFFFFFF),
                       0};
const Daylight kEvening = {Hex(0x3A3060),
                           Hex(0xD8705A),
                           Hex(0xF8C070),
                           Hex(0x7A5870),
                           Hex(0xF0B8A0),
                           Hex(0x5A4050),
                           Hex(0x3C2C3C),
                           Hex(0x5A3C40),
                           Hex(0x7A5040),
                           Hex(0xC8A890),
                           Hex(0x3A2A38),
                           Hex(0x2A1C1C),
                           Hex(0xF0C060),
                           Hex(0x24182A),
                           Hex(0x3A2838),
                           Hex(0x2A1A1A),
                           0.7,
                           Hex(0xF8B090),
                           1};
const Daylight kNight = {Hex(0x060A1C),
                         Hex(0x142046),
                         Hex(0x28386A),
                         Hex(0x223052),
                         Hex(0x8090B0),
                         Hex(0x18243C),
                         Hex(0x101A2C),
                         Hex(0x182638),
                         Hex(0x203044),
                         Hex(0x4A5064),
                         Hex(0x141826),
                         Hex(0x0C0E16),
                         Hex(0xF8C860),
                         Hex(0x0A1420),
                         Hex(0x14202E),
                         Hex(0x0C0C12),
                         0.25,
                         Hex(0x8898C0),
                         2};

// The countryside: a snow peak and far ranges, a castle on a hill, a village among pines and
// the edge of the rice fields. The same places at each time of day.
void DrawCountryside(cairo_t* cr, const Daylight& d) {
    FillSky3(cr, W, H, d.skyTop, d.skyMid, d.skyLow, 0.55);
    if (d.when == 0) {
        DrawSun(cr, 96, 64, 20, Hex(0xFFFCE8), Hex(0xFFF4C0));
    } else if (d.when == 1) {
        DrawSun(cr, 520, 214, 30, Hex(0xFFE0A0), Hex(0xFF9050));
        DrawStreak(cr, 380, 150, 260, 10, Hex(0xF8A080), 0.6);
        DrawStreak(cr, 40, 110, 300, 8, Hex(0xE88080), 0.5);
        DrawStreak(cr, 300, 90, 220, 6, Hex(0xC87080), 0.5);
    } else {
        DrawStars(cr, 0, 0, W, 230, 170, 77, 1.0);
        DrawMoon(cr, 110, 70, 22, Hex(0xF4F0D8), Hex(0xA0B0E0));
    }
    ArtRandom rnd(12);
    for (int i = 0; i < 5; i++) {
        double cx = 60 + i * 130 + rnd.Range(-30, 30), cy = 50 + rnd.Range(0, 70);
        DrawCloud(cr, cx, cy, rnd.Range(90, 150), d.cloud, d.cloudAlpha * 0.8, 100 + i);
    }
    // The great peak.
    SetColor(cr, d.farHill);
    cairo_move_to(cr, 250, 262);
    cairo_curve_to(cr, 360, 200, 410, 120, 440, 104);
    cairo_line_to(cr, 480, 104);
    cairo_curve_to(cr, 510, 120, 560, 200, 680, 262);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, d.farCap);
    cairo_move_to(cr, 410, 128);
    cairo_curve_to(cr, 422, 116, 432, 106, 440, 104);
    cairo_line_to(cr, 480, 104);
    cairo_curve_to(cr, 490, 110, 500, 120, 512, 132);
    cairo_line_to(cr, 500, 138);
    cairo_line_to(cr, 488, 128);
    cairo_line_to(cr, 474, 142);
    cairo_line_to(cr, 458, 130);
    cairo_line_to(cr, 442, 144);
    cairo_line_to(cr, 428, 132);
    cairo_close_path(cr);
    cairo_fill(cr);
    Ridge far = {232, 60, 5, 6, 31};
    FillRidge(cr, far, W, W, H, Mix(d.farHill, d.midHill, 0.35));
    Ridge mid = {268, 44, 4, 5, 32};
    FillRidge(cr, mid, W, W, H, d.midHill);
    // The castle on its hill.
    SetColor(cr, d.nearHill);
    cairo_move_to(cr, 40, 300);
    cairo_curve_to(cr, 90, 250, 130, 238, 170, 238);
    cairo_curve_to(cr, 210, 238, 250, 260, 300, 300);
    cairo_close_path(cr);
    cairo_fill(cr);
    DrawCastle(cr, 170, 242, 0.62, d.wall, d.roof, Mix(d.nearHill, d.timber, 0.3), d.window);
    // Near hills with the village.
    Ridge nearR = {318, 22, 3, 4, 33};
    FillRidge(cr, nearR, W, W, H, d.nearHill);
    double houses[][3] = {{330, 318, 46}, {384, 322, 38}, {428, 318, 52}, {560, 326, 44}, {20, 326, 40}};
    for (auto& h : houses) DrawHouse(cr, h[0], h[1], h[2], h[2] * 0.8, d.wall, d.roof, d.timber, d.window);
    DrawPine(cr, 300, 330, 60, d.trunk, d.pine, d.pineLight, 1);
    DrawPine(cr, 500, 334, 74, d.trunk, d.pine, d.pineLight, -1);
    DrawPine(cr, 620, 330, 56, d.trunk, d.pine, d.pineLight, -1);
    DrawPine(cr, 90, 336, 50, d.trunk, d.pine, d.pineLight, 1);
    // Rice fields: bands of the field colour with lighter water lines.
    FillRect(cr, 0, 330, W, H - 330, d.fields);
    for (int i = 0; i < 6; i++) {
        double y = 336 + i * 8;
        FillRect(cr, 0, y, W, 1.5, Mix(d.fields, d.skyLow, 0.5));
    }
    if (d.when == 2) {
        // Lanterns along the village street.
        for (int i = 0; i < 7; i++) FillCircle(cr, 330 + i * 40, 326 + (i % 2) * 2, 2.2, Hex(0xFFB050));
    }
}

void DrawVillageDay(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 0 (day)");
    DrawCountryside(c.cr, kDay);
}
void DrawVillageEvening(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 3 (evening)");
    DrawCountryside(c.cr, kEvening);
}
void DrawVillageNight(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 4 (night)");
    DrawCountryside(c.cr, kNight);
}

// Mountain forest for the mountain roads and the shrine woods: ranges and cedar rows that
// repeat every 640 pixels, so the picture tiles as it scrolls at half speed.
void DrawMountainForest(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 1 (scrolls)");
    cairo_t* cr = c.cr;
    FillSky3(cr, W, H, Hex(0x5A90D0), Hex(0xA8D0EC), Hex(0xE4F0F0), 0.6);
    // Clouds drawn twice, 640 apart, so those crossing the edge wrap.
    ArtRandom rnd(5);
    for (int i = 0; i < 4; i++) {
        double cx = 80 + i * 160 + rnd.Range(-40, 40), cy = 40 + rnd.Range(0, 50), w = rnd.Range(100, 160);
        for (int k = -1; k <= 1; k++) DrawCloud(cr, cx + k * W, cy, w, Hex(0xFFFFFF), 0.75, 200 + i);
    }
    Ridge r1 = {170, 70, 4, 6, 41};
    FillRidgeCapped(cr, r1, W, W, H, Hex(0x90A8C8), Hex(0xE8EEF6), 14);
    Ridge r2 = {214, 56, 5, 5, 42};
    FillRidge(cr, r2, W, W, H, Hex(0x6E8CA8));
    // Mist between the ranges.
    cairo_pattern_t* mist = cairo_pattern_create_linear(0, 196, 0, 262);
    cairo_pattern_add_color_stop_rgba(mist, 0, 0.85, 0.9, 0.94, 0);
    cairo_pattern_add_color_stop_rgba(mist, 1, 0.85, 0.9, 0.94, 0.75);
    cairo_set_source(cr, mist);
    cairo_rectangle(cr, 0, 196, W, 66);
    cairo_fill(cr);
    cairo_pattern_destroy(mist);
    Ridge r3 = {262, 40, 6, 5, 43};
    FillRidge(cr, r3, W, W, H, Hex(0x4E7080));
    DrawCedarRow(cr, W, W, 286, 40, 70, 22, Hex(0x30524A), 44);
    Ridge r4 = {300, 14, 7, 3, 45};
    FillRidge(cr, r4, W, W, H, Hex(0x2C4A3C));
    DrawCedarRow(cr, W, W, 334, 70, 120, 40, Hex(0x1C3428), 46);
    FillRect(cr, 0, 330, W, H - 330, Hex(0x1C3428));
    // Light shafts of mist at the foot of the trees.
    for (int i = 0; i < 5; i++) {
        double y = 338 + i * 9;
        cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + 6);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.8, 0.9, 0.85, 0);
        cairo_pattern_add_color_stop_rgba(p, 0.5, 0.8, 0.9, 0.85, 0.12);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.8, 0.9, 0.85, 0);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, 0, y, W, 6);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

// One bay of a castle hall between two pillars: a beam, panels and a dark wainscot, drawn for
// x from 0 to `bay`; the picture repeats it so it tiles at 640.
void DrawHallBay(cairo_t* cr, double x0, double bay, bool golden, int motif) {
    Rgb wood = golden ? Hex(0x6A2418) : Hex(0x3A2618);
    Rgb woodLight = golden ? Hex(0x8E3A26) : Hex(0x54382A);
    Rgb panel = golden ? Hex(0xD8B050) : Hex(0xC8B890);
    Rgb panelShade = golden ? Hex(0xB8903A) : Hex(0xA89870);
    Rgb paint = golden ? Hex(0x2E5A3A) : Hex(0x6A7A6C);
    FillRect(cr, x0, 0, bay, H, wood);
    // Ceiling: coffers.
    FillRect(cr, x0, 0, bay, 56, Hex(0x24160E));
    for (int i = 0; i < 4; i++) {
        double cx = x0 + 6 + i * (bay / 4);
        FillRect(cr, cx, 8, bay / 4 - 12, 36, golden ? Hex(0x4A3018) : Hex(0x342418));
        StrokeRect(cr, cx, 8, bay / 4 - 12, 36, golden ? Hex(0xC89838) : Hex(0x4E3828), 2);
    }
    // Lintel beam (nageshi) with gilt nail covers.
    FillRect(cr, x0, 56, bay, 20, wood);
    FillRect(cr, x0, 56, bay, 4, woodLight);
    // Panels: four sliding doors.
    double py = 76, ph = 230;
    for (int i = 0; i < 4; i++) {
        double px = x0 + 14 + i * (bay - 28) / 4, pw = (bay - 28) / 4;
        FillRect(cr, px, py, pw, ph, panel);
        FillRect(cr, px, py + ph * 0.7, pw, ph * 0.3, panelShade);
        StrokeRect(cr, px, py, pw, ph, wood, 3);
        FillCircle(cr, i % 2 ? px + 8 : px + pw - 8, py + ph * 0.55, 3, wood);
    }
    // A painting across the panels, a different subject in each bay: pine, mountains,
    // bamboo, plum blossom.
    cairo_save(cr);
    cairo_rectangle(cr, x0 + 14, py, bay - 28, ph);
    cairo_clip(cr);
    Rgb cloud = golden ? Hex(0xF0D078) : Hex(0xDCD0B0);
    Rgb ink = golden ? Hex(0x4A3020) : Hex(0x6A5A4A);
    DrawStreak(cr, x0 + 20, py + 40, bay * 0.5, 16, cloud, 0.9);
    DrawStreak(cr, x0 + bay * 0.4, py + 150, bay * 0.5, 14, cloud, 0.9);
    if (motif == 0) {
        SetColor(cr, ink);
        cairo_set_line_width(cr, 6);
        cairo_move_to(cr, x0 + bay * 0.15, py + ph);
        cairo_curve_to(cr, x0 + bay * 0.2, py + 120, x0 + bay * 0.45, py + 110, x0 + bay * 0.7, py + 70);
        cairo_stroke(cr);
        double pads[][3] = {{0.68, 70, 60}, {0.45, 104, 54}, {0.25, 140, 46}, {0.8, 96, 40}};
        for (auto& p : pads) {
            double cx = x0 + bay * p[0], cy = py + p[1], w = p[2];
            FillRoundRect(cr, cx - w / 2, cy - 9, w, 18, 9, paint);
            FillRoundRect(cr, cx - w / 2 + 4, cy - 9, w - 8, 8, 4, Mix(paint, panel, 0.35));
        }
    } else if (motif == 1) {
        FillCircle(cr, x0 + bay * 0.7, py + 50, 16, golden ? Hex(0xB03020) : Hex(0xA86048));
        const double peaks[][3] = {{0.3, 90, 60}, {0.62, 110, 50}, {0.9, 130, 40}};
        for (auto& k : peaks) {
            SetColor(cr, Mix(paint, panel, 0.2));
            cairo_move_to(cr, x0 + bay * k[0] - k[2], py + 190);
            cairo_line_to(cr, x0 + bay * k[0], py + k[1]);
            cairo_line_to(cr, x0 + bay * k[0] + k[2], py + 190);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        DrawStreak(cr, x0 + 10, py + 176, bay - 20, 18, cloud, 1.0);
    } else if (motif == 2) {
        for (int i = 0; i < 4; i++) {
            double x = x0 + 34 + i * 28 + (i % 2) * 6;
            FillRect(cr, x, py, 7, ph, paint);
            FillRect(cr, x + 1.5, py, 2, ph, Mix(paint, panel, 0.4));
            for (int j = 0; j < 5; j++) FillRect(cr, x - 1, py + 20 + j * 44 + i * 7, 9, 3, ink);
            SetColor(cr, paint);
            cairo_move_to(cr, x + 7, py + 60 + i * 30);
            cairo_curve_to(cr, x + 20, py + 50 + i * 30, x + 26, py + 56 + i * 30, x + 34, py + 52 + i * 30);
            cairo_curve_to(cr, x + 24, py + 64 + i * 30, x + 16, py + 64 + i * 30, x + 7, py + 66 + i * 30);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    } else {
        SetColor(cr, ink);
        cairo_set_line_width(cr, 5);
        cairo_move_to(cr, x0 + bay * 0.85, py + ph);
        cairo_curve_to(cr, x0 + bay * 0.7, py + 150, x0 + bay * 0.6, py + 120, x0 + bay * 0.3, py + 90);
        cairo_move_to(cr, x0 + bay * 0.62, py + 125);
        cairo_line_to(cr, x0 + bay * 0.55, py + 60);
        cairo_stroke(cr);
        ArtRandom rnd(600 + int(x0));
        for (int i = 0; i < 14; i++) {
            double t = rnd.Uniform();
            double bx = x0 + bay * (0.3 + t * 0.45) + rnd.Range(-8, 8),
                   by = py + 90 + t * 40 + rnd.Range(-12, 12);
            FillCircle(cr, bx, by, 4, golden ? Hex(0xF0F0F0) : Hex(0xF4E8E8));
            FillCircle(cr, bx, by, 1.5, Hex(0xC03040));
        }
    }
    cairo_restore(cr);
    // Wainscot and sill.
    FillRect(cr, x0, py + ph, bay, 8, woodLight);
    FillRect(cr, x0, py + ph + 8, bay, H - py - ph - 8, wood);
    for (int i = 0; i < 6; i++)
        FillRect(cr, x0 + i * bay / 6, py + ph + 8, 2, H - py - ph - 8, Mix(wood, Hex(0), 0.3));
}

void DrawHallPillar(cairo_t* cr, double cx, bool golden) {
    Rgb wood = golden ? Hex(0x7A2A1C) : Hex(0x4A3020);
    Rgb lit = golden ? Hex(0xA8442C) : Hex(0x684630);
    Rgb dark = golden ? Hex(0x4A160E) : Hex(0x2C1C12);
    FillRect(cr, cx - 12, 56, 24, H - 56, wood);
    FillRect(cr, cx - 8, 56, 6, H - 56, lit);
    FillRect(cr, cx + 7, 56, 5, H - 56, dark);
    if (golden) {
        FillRect(cr, cx - 14, 60, 28, 10, Hex(0xD8A838));
        FillRect(cr, cx - 14, 300, 28, 10, Hex(0xD8A838));
    }
}

void DrawCastleHall(cairo_t* cr, bool golden) {
    const double bay = 160;
    for (int i = 0; i < 4; i++) DrawHallBay(cr, i * bay, bay, golden, golden ? (i + 2) % 4 : i);
    for (int i = 0; i <= 4; i++) DrawHallPillar(cr, i * bay, golden);
    // Lamp glows between the pillars, dimming the far edges of the hall.
    for (int i = 0; i < 4; i++) {
        double cx = i * bay + bay / 2;
        cairo_pattern_t* p = cairo_pattern_create_radial(cx, 300, 10, cx, 300, 120);
        cairo_pattern_add_color_stop_rgba(p, 0, 1.0, 0.8, 0.45, golden ? 0.18 : 0.22);
        cairo_pattern_add_color_stop_rgba(p, 1, 1.0, 0.8, 0.45, 0);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, cx - 120, 180, 240, 204);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    // A soft darkening towards the top keeps the figures in front readable.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, H);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 0, 0, 0, 0.1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.25);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

void DrawCastleInterior(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 2 (scrolls)");
    DrawCastleHall(c.cr, false);
}
void DrawLordsHall(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 5 (scrolls)");
    DrawCastleHall(c.cr, true);
}

// The high peaks above a sea of clouds: bridges, summits and castle tops.
void DrawPeaks(cairo_t* cr, int when) {
    if (when == 0) {
        FillSky3(cr, W, H, Hex(0x2A60B8), Hex(0x78AEE4), Hex(0xD0E6F4), 0.6);
        DrawSun(cr, 520, 70, 22, Hex(0xFFFCEC), Hex(0xFFF2C8));
    } else if (when == 1) {
        FillSky3(cr, W, H, Hex(0x2C2250), Hex(0xC85A50), Hex(0xF8B468), 0.55);
        DrawSun(cr, 140, 200, 34, Hex(0xFFD890), Hex(0xFF8040));
        DrawStreak(cr, 260, 120, 320, 8, Hex(0xE87868), 0.6);
        DrawStreak(cr, 0, 80, 240, 7, Hex(0xB05870), 0.6);
    } else {
        FillSky3(cr, W, H, Hex(0x04060E), Hex(0x101838), Hex(0x243060), 0.6);
        DrawStars(cr, 0, 0, W, 260, 220, 91, 1.0);
        DrawMoon(cr, 470, 92, 40, Hex(0xF8F4E0), Hex(0x90A4E0));
    }
    Rgb far = when == 0 ? Hex(0x7C96C0) : (when == 1 ? Hex(0x6A4870) : Hex(0x1C2444));
    Rgb cap = when == 0 ? Hex(0xF4F8FC) : (when == 1 ? Hex(0xF8C0A0) : Hex(0x8896B8));
    Rgb nearC = when == 0 ? Hex(0x4A6488) : (when == 1 ? Hex(0x3C2A48) : Hex(0x0E1428));
    Rgb cloud = when == 0 ? Hex(0xF8FAFC) : (when == 1 ? Hex(0xF4B898) : Hex(0x4A5680));
    Rgb cloudShade = when == 0 ? Hex(0xC8D4E4) : (when == 1 ? Hex(0xC07870) : Hex(0x2A3458));
    Ridge r1 = {230, 130, 3, 8, 61};
    FillRidgeCapped(cr, r1, W, W, H, far, cap, 30);
    Ridge r2 = {262, 90, 4, 6, 62};
    FillRidgeCapped(cr, r2, W, W, H, nearC, Mix(nearC, cap, 0.55), 14);
    // Sea of clouds: rows of billows, darker at the back, each billow lit along its top.
    for (int row = 0; row < 5; row++) {
        double y = 258 + row * 26;
        Rgb c = Mix(cloudShade, cloud, row / 4.0 * 0.8);
        Rgb lit = Mix(c, cloud, 0.6);
        ArtRandom rnd(70 + row);
        std::vector<double> xs, rs;
        for (double x = -30 + row * 23; x < W + 60; x += rnd.Range(26, 60)) {
            xs.push_back(x);
            rs.push_back(rnd.Range(14, 30) * (1 + row * 0.12));
        }
        for (size_t i = 0; i < xs.size(); i++) FillCircle(cr, xs[i], y + 10, rs[i] + 2, lit);
        for (size_t i = 0; i < xs.size(); i++) FillCircle(cr, xs[i] + 3, y + 13, rs[i], c);
        FillRect(cr, 0, y + 12, W, H - y, c);
    }
}

void DrawPeaksDay(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 7 (day)");
    DrawPeaks(c.cr, 0);
}
void DrawPeaksEvening(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 8 (evening)");
    DrawPeaks(c.cr, 1);
}
void DrawPeaksNight(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 6 (night)");
    DrawPeaks(c.cr, 2);
}

// The world of the dead: a crimson sky over the river of souls, a far row of torii, withered
// trees, red spider lilies and spirit flames.
void DrawUnderworld(ArtCanvas& c) {
    c.Cell(0, 0, W, H, "backdrop 9");
    cairo_t* cr = c.cr;
    FillSky3(cr, W, H, Hex(0x12061A), Hex(0x4A1028), Hex(0x902A2A), 0.62);
    DrawMoon(cr, 320, 120, 56, Hex(0xE8C8B8), Hex(0xC04040));
    DrawStreak(cr, 60, 150, 280, 10, Hex(0x200818), 0.7);
    DrawStreak(cr, 330, 180, 300, 12, Hex(0x200818), 0.7);
    Ridge r1 = {236, 60, 4, 6, 81};
    FillRidge(cr, r1, W, W, H, Hex(0x2E0C22));
    for (int i = 0; i < 6; i++)
        DrawTorii(cr, 40 + i * 112, 262 - (i % 2) * 4, 44, Hex(0x1A0612), Hex(0x0E0208));
    Ridge r2 = {262, 14, 6, 3, 82};
    FillRidge(cr, r2, W, W, H, Hex(0x1E0818));
    // The river: a glowing band with drifting light lines.
    FillGradientV(cr, 0, 270, W, 42, Hex(0x6A3A5A), Hex(0x2A1030));
    ArtRandom rnd(83);
    for (int i = 0; i < 40; i++) {
        double x = rnd.Range(0, W), y = rnd.Range(276, 306), w = rnd.Range(10, 50);
        FillRect(cr, x, y, w, 1.5, Hex(0xC890B8));
    }
    FillRect(cr, 0, 312, W, H - 312, Hex(0x140612));
    // Withered trees.
    auto deadTree = [&](double x, double y, double h, int dir) {
        SetColor(cr, Hex(0x0A0208));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, h * 0.07);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + dir * h * 0.1, y - h * 0.4, x - dir * h * 0.05, y - h * 0.7,
                       x + dir * h * 0.15, y - h);
        cairo_stroke(cr);
        cairo_set_line_width(cr, h * 0.03);
        for (int b = 0; b < 4; b++) {
            double by = y - h * (0.45 + b * 0.14), s = (b % 2 ? 1 : -1);
            cairo_move_to(cr, x + dir * h * 0.04, by);
            cairo_curve_to(cr, x + s * h * 0.15, by - h * 0.05, x + s * h * 0.25, by - h * 0.15,
                           x + s * h * 0.32, by - h * 0.12);
            cairo_stroke(cr);
        }
    };
    deadTree(70, 330, 140, 1);
    deadTree(580, 334, 120, -1);
    // Spider lilies along the bank.
    for (int i = 0; i < 46; i++) {
        double x = rnd.Range(0, W), y = rnd.Range(318, 380);
        SetColor(cr, Hex(0x2A4020));
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, x, y + 10);
        cairo_line_to(cr, x, y);
        cairo_stroke(cr);
        for (int k = 0; k < 6; k++) {
            double a = k * kPi / 3 + rnd.Range(0, 0.5);
            SetColor(cr, Hex(0xD02828));
            cairo_set_line_width(cr, 1.4);
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + std::cos(a) * 4, y + std::sin(a) * 2 - 3, x + std::cos(a) * 7, y - 2,
                           x + std::cos(a) * 7, y - 5);
            cairo_stroke(cr);
        }
        FillCircle(cr, x, y, 1.6, Hex(0xF05040));
    }
    // Spirit flames.
    double flames[][2] = {{160, 200}, {250, 236}, {420, 210}, {510, 250}, {600, 190}, {40, 240}};
    for (auto& f : flames) {
        cairo_pattern_t* p = cairo_pattern_create_radial(f[0], f[1], 2, f[0], f[1], 22);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.7, 0.9, 1.0, 0.8);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.3, 0.5, 1.0, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, f[0], f[1], 22, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        FillCircle(cr, f[0], f[1], 5, Hex(0xE0F4FF));
    }
}

}  // namespace

ART_PICTURE("AE00075", 640, 384, DrawVillageDay, "backdrop 0: countryside, day");
ART_PICTURE("AE00077", 640, 384, DrawMountainForest, "backdrop 1: mountain forest (tiles)");
ART_PICTURE("AE00188", 640, 384, DrawCastleInterior, "backdrop 2: castle hall (tiles)");
ART_PICTURE("AE00608", 640, 384, DrawVillageEvening, "backdrop 3: countryside, evening");
ART_PICTURE("AE00444", 640, 384, DrawVillageNight, "backdrop 4: countryside, night");
ART_PICTURE("AE00569", 640, 384, DrawLordsHall, "backdrop 5: lord's golden hall (tiles)");
ART_PICTURE("AE00482", 640, 384, DrawPeaksNight, "backdrop 6: high peaks, night");
ART_PICTURE("AE00092", 640, 384, DrawPeaksDay, "backdrop 7: high peaks, day");
ART_PICTURE("AE00211", 640, 384, DrawPeaksEvening, "backdrop 8: high peaks, evening");
ART_PICTURE("AE00627", 640, 384, DrawUnderworld, "backdrop 9: world of the dead");
