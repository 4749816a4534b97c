// Tile sheet B: the decoration layer, drawn over the collision tile of the same cell or over
// the backdrop. Most tiles leave their background transparent. Glows are drawn as opaque
// rings of light colour, since half-transparent pixels turn into the colour key.
#include <cmath>

#include "tools/art/world/scenery.h"
#include "tools/art/world/tile_sheet.h"

using namespace wart;

namespace {

const Rgb kInk = Hex(0x2A1E16);
const Rgb kWood = Hex(0x7A4A2A), kWoodDark = Hex(0x4E2E1A), kWoodLight = Hex(0xA46A3E);
const Rgb kPlaster = Hex(0xE8E0CC), kPlasterShade = Hex(0xC8BEA6);
const Rgb kStone = Hex(0x8E8C86), kStoneDark = Hex(0x5E5C58), kStoneLight = Hex(0xB8B6AE);
const Rgb kVermilion = Hex(0xD0402A), kVermilionDark = Hex(0x8E2418);

void Blade(cairo_t* cr, double x, double y, double h, double lean, Rgb c) {
    SetColor(cr, c);
    cairo_move_to(cr, x - 1.4, y);
    cairo_curve_to(cr, x - 1, y - h * 0.5, x + lean * 0.5, y - h * 0.8, x + lean, y - h);
    cairo_curve_to(cr, x + lean * 0.3, y - h * 0.7, x + 1, y - h * 0.4, x + 1.4, y);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// ---- Plants ----
void Grass(cairo_t* cr) {
    ArtRandom rnd(3);
    for (int i = 0; i < 11; i++) {
        double x = 2 + i * 2.8 + rnd.Range(-1, 1);
        Blade(cr, x, 32, rnd.Range(6, 13), rnd.Range(-3, 3), i % 3 ? Hex(0x4E9A3A) : Hex(0x86C452));
    }
}

void Flowers(cairo_t* cr) {
    Grass(cr);
    const double f[][3] = {{6, 22, 0}, {15, 19, 1}, {24, 23, 2}, {29, 26, 0}, {11, 26, 2}};
    const Rgb petals[] = {Hex(0xF4F0F0), Hex(0xF0A0C0), Hex(0xF0D050)};
    for (const auto& p : f) {
        Rgb c = petals[int(p[2])];
        for (int k = 0; k < 5; k++) {
            double a = k * 2 * kPi / 5;
            FillCircle(cr, p[0] + std::cos(a) * 1.8, p[1] + std::sin(a) * 1.8, 1.5, c);
        }
        FillCircle(cr, p[0], p[1], 1.1, Hex(0xE8A020));
    }
}

void Susuki(cairo_t* cr) {
    ArtRandom rnd(7);
    for (int i = 0; i < 6; i++) {
        double x = 3 + i * 5.2, h = rnd.Range(18, 30), lean = rnd.Range(2, 7) * (i % 2 ? 1 : -0.6);
        Blade(cr, x, 32, h * 0.7, -lean, Hex(0x6E8A3A));
        SetColor(cr, Hex(0x8A7A4A));
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, x, 32);
        cairo_curve_to(cr, x, 32 - h * 0.6, x + lean * 0.5, 32 - h * 0.9, x + lean, 32 - h);
        cairo_stroke(cr);
        // The plume: a fan of pale strokes.
        for (int k = 0; k < 5; k++) {
            SetColor(cr, k % 2 ? Hex(0xE8DCC0) : Hex(0xC8B890));
            cairo_set_line_width(cr, 1.4);
            cairo_move_to(cr, x + lean, 32 - h);
            cairo_line_to(cr, x + lean * 1.4 + (k - 2) * 1.2, 32 - h + 6 + k * 0.6);
            cairo_stroke(cr);
        }
    }
}

void Shrub(cairo_t* cr) {
    FillCircle(cr, 10, 23, 9, Hex(0x2F6E2A));
    FillCircle(cr, 22, 22, 10, Hex(0x2F6E2A));
    FillCircle(cr, 16, 16, 10, Hex(0x3C8434));
    FillRect(cr, 3, 24, 27, 8, Hex(0x2F6E2A));
    FillCircle(cr, 13, 13, 5, Hex(0x5EA848));
    FillCircle(cr, 22, 17, 4, Hex(0x5EA848));
    FillCircle(cr, 9, 20, 3, Hex(0x4E9A3A));
}

// Pine 2 x 3 tiles: a bent trunk up the middle and three tiers of needles.
void PineTree(cairo_t* cr) {
    Rgb trunk = Hex(0x5A3A28), trunkLight = Hex(0x7E5A40);
    SetColor(cr, trunk);
    cairo_move_to(cr, 24, 96);
    cairo_curve_to(cr, 26, 70, 40, 60, 36, 34);
    cairo_line_to(cr, 44, 34);
    cairo_curve_to(cr, 48, 60, 36, 72, 40, 96);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, trunkLight);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 29, 94);
    cairo_curve_to(cr, 30, 72, 42, 62, 39, 40);
    cairo_stroke(cr);
    // Branches.
    cairo_set_line_width(cr, 3);
    SetColor(cr, trunk);
    cairo_move_to(cr, 38, 52);
    cairo_line_to(cr, 14, 44);
    cairo_move_to(cr, 40, 40);
    cairo_line_to(cr, 56, 28);
    cairo_stroke(cr);
    Rgb dark = Hex(0x1E4A2A), mid = Hex(0x2E6A38), light = Hex(0x5A9A4A);
    struct Pad {
        double x, y, w, h;
    } pads[] = {{32, 12, 40, 14}, {14, 40, 26, 12}, {50, 26, 26, 12}, {30, 30, 30, 12}, {40, 54, 22, 10}};
    // Each tier is a row of overlapping tufts: dark underside, mid body, light tips on top.
    for (const Pad& p : pads) {
        int n = int(p.w / 7);
        for (int i = 0; i < n; i++) {
            double t = double(i) / (n - 1), x = p.x - p.w / 2 + 5 + t * (p.w - 10);
            double lift = (1 - std::fabs(t - 0.5) * 2) * 2.5;
            FillCircle(cr, x, p.y + 1 - lift, p.h / 2, dark);
        }
        for (int i = 0; i < n; i++) {
            double t = double(i) / (n - 1), x = p.x - p.w / 2 + 5 + t * (p.w - 10);
            double lift = (1 - std::fabs(t - 0.5) * 2) * 2.5;
            FillCircle(cr, x + 0.5, p.y - 1 - lift, p.h / 2 - 1.5, mid);
            FillCircle(cr, x - 0.5, p.y - p.h * 0.22 - lift, p.h * 0.2, light);
        }
    }
    // Roots spread on the ground.
    SetColor(cr, trunk);
    cairo_move_to(cr, 18, 96);
    cairo_curve_to(cr, 22, 92, 24, 90, 26, 86);
    cairo_line_to(cr, 40, 86);
    cairo_curve_to(cr, 42, 90, 44, 92, 48, 96);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// ---- Save point ----
// A round shrine stone wrapped in a sacred rope, glowing from within, on a stone base.
void SavePoint(cairo_t* cr) {
    // Glow: concentric opaque rings behind the stone.
    FillCircle(cr, 16, 14, 15, Hex(0xBFE8F4));
    FillCircle(cr, 16, 14, 12.5, Hex(0xE4F8FC));
    // Base.
    FillRect(cr, 5, 27, 22, 5, kStoneDark);
    FillRect(cr, 5, 27, 22, 1.5, kStoneLight);
    FillRect(cr, 8, 24, 16, 4, kStone);
    // The stone.
    SetColor(cr, Hex(0x6A8AA8));
    cairo_move_to(cr, 8, 25);
    cairo_curve_to(cr, 5, 14, 9, 4, 16, 4);
    cairo_curve_to(cr, 23, 4, 27, 14, 24, 25);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, Hex(0x9CC8E4));
    cairo_move_to(cr, 10, 23);
    cairo_curve_to(cr, 8, 15, 11, 7, 16, 7);
    cairo_curve_to(cr, 20, 7, 22, 12, 21, 16);
    cairo_curve_to(cr, 16, 17, 12, 20, 10, 23);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillCircle(cr, 13.5, 10.5, 2.2, Hex(0xF4FCFF));
    // Sacred rope with paper streamers.
    FillRect(cr, 7, 15, 18, 3, Hex(0xE0C880));
    for (int i = 0; i < 5; i++) FillRect(cr, 8 + i * 3.6, 15, 1, 3, Hex(0xA88C48));
    SetColor(cr, Hex(0xFFFFFF));
    for (int i = 0; i < 2; i++) {
        double x = 12 + i * 8;
        cairo_move_to(cr, x, 18);
        cairo_line_to(cr, x + 2.5, 18);
        cairo_line_to(cr, x + 1, 20.5);
        cairo_line_to(cr, x + 3, 20.5);
        cairo_line_to(cr, x + 1, 23.5);
        cairo_line_to(cr, x - 0.5, 20.5);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Sparkles.
    FillCircle(cr, 4, 6, 1.2, Hex(0xFFFFFF));
    FillCircle(cr, 28, 9, 1.0, Hex(0xFFFFFF));
}

void Sparkle(cairo_t* cr, double x, double y, double r, Rgb c) {
    SetColor(cr, c);
    cairo_move_to(cr, x, y - r);
    cairo_line_to(cr, x + r * 0.25, y - r * 0.25);
    cairo_line_to(cr, x + r, y);
    cairo_line_to(cr, x + r * 0.25, y + r * 0.25);
    cairo_line_to(cr, x, y + r);
    cairo_line_to(cr, x - r * 0.25, y + r * 0.25);
    cairo_line_to(cr, x - r, y);
    cairo_line_to(cr, x - r * 0.25, y - r * 0.25);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// The column of light that rises from a save point.
void SaveGlow(cairo_t* cr) {
    SetColor(cr, Hex(0xBFE8F4));
    cairo_move_to(cr, 9, 32);
    cairo_line_to(cr, 12, 6);
    cairo_line_to(cr, 20, 6);
    cairo_line_to(cr, 23, 32);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, Hex(0xE4F8FC));
    cairo_move_to(cr, 12.5, 32);
    cairo_line_to(cr, 14.5, 10);
    cairo_line_to(cr, 17.5, 10);
    cairo_line_to(cr, 19.5, 32);
    cairo_close_path(cr);
    cairo_fill(cr);
    Sparkle(cr, 16, 5, 5, Hex(0xFFFFFF));
    Sparkle(cr, 6, 14, 3, Hex(0xD8F4FC));
    Sparkle(cr, 26, 20, 3, Hex(0xD8F4FC));
    Sparkle(cr, 24, 9, 2, Hex(0xFFFFFF));
}

// ---- Rooms ----
void ShojiPanel(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, kWood);
    FillRect(cr, 2, 2, 28, 28, Hex(0xF4EEDC));
    for (int i = 1; i < 4; i++) FillRect(cr, 2 + i * 7 - 0.75, 2, 1.5, 28, Hex(0x9A6A40));
    for (int i = 1; i < 4; i++) FillRect(cr, 2, 2 + i * 7 - 0.75, 28, 1.5, Hex(0x9A6A40));
    FillRect(cr, 0, 0, 32, 1.5, kWoodLight);
    FillRect(cr, 0, 0, 1.5, 32, kWoodLight);
}
void Shoji(cairo_t* cr) {
    ShojiPanel(cr);
}

void ShojiTorn(cairo_t* cr) {
    ShojiPanel(cr);
    // A ragged hole through the paper with the dark room behind it.
    SetColor(cr, Hex(0x1E1612));
    cairo_move_to(cr, 8, 9);
    cairo_line_to(cr, 13, 6);
    cairo_line_to(cr, 16, 10);
    cairo_line_to(cr, 22, 7);
    cairo_line_to(cr, 25, 14);
    cairo_line_to(cr, 22, 19);
    cairo_line_to(cr, 26, 25);
    cairo_line_to(cr, 18, 26);
    cairo_line_to(cr, 13, 23);
    cairo_line_to(cr, 7, 24);
    cairo_line_to(cr, 9, 17);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Broken lattice and flaps of paper.
    FillRect(cr, 15.25, 2, 1.5, 9, Hex(0x9A6A40));
    FillRect(cr, 15.25, 22, 1.5, 8, Hex(0x9A6A40));
    SetColor(cr, Hex(0xD8D0BC));
    cairo_move_to(cr, 22, 7);
    cairo_line_to(cr, 19, 14);
    cairo_line_to(cr, 25, 14);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 7, 24);
    cairo_line_to(cr, 12, 19);
    cairo_line_to(cr, 13, 23);
    cairo_close_path(cr);
    cairo_fill(cr);
    // A slanted crack in the frame.
    SetColor(cr, Hex(0x9A6A40));
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 2, 16);
    cairo_line_to(cr, 10, 13);
    cairo_stroke(cr);
}

void Fusuma(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0xD8B458));
    FillRect(cr, 0, 0, 32, 32, Hex(0xD8B458));
    FillRect(cr, 0, 22, 32, 10, Hex(0xC09A40));
    // Gold cloud band and a pine bough that continues into the next panel.
    FillRoundRect(cr, -4, 4, 24, 6, 3, Hex(0xF0D486));
    FillRoundRect(cr, 20, 5, 16, 5, 2.5, Hex(0xF0D486));
    SetColor(cr, Hex(0x4A3020));
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, -2, 20);
    cairo_curve_to(cr, 8, 18, 20, 20, 34, 17);
    cairo_stroke(cr);
    FillRoundRect(cr, 4, 13, 14, 6, 3, Hex(0x2E5A3A));
    FillRoundRect(cr, 6, 13, 10, 2.5, 1.2, Hex(0x5A8A50));
    FillRoundRect(cr, 20, 15, 11, 5, 2.5, Hex(0x2E5A3A));
    FillRoundRect(cr, 22, 15, 7, 2, 1, Hex(0x5A8A50));
    // The panel frame on its left, the round pull.
    FillRect(cr, 0, 0, 2, 32, Hex(0x2A1A12));
    FillCircle(cr, 27, 24, 2.5, Hex(0x2A1A12));
    FillCircle(cr, 27, 24, 1.3, Hex(0xC89838));
}

void WoodPillar(cairo_t* cr) {
    FillRect(cr, 9, 0, 14, 32, Hex(0x5A3420));
    FillRect(cr, 11, 0, 3, 32, Hex(0x7E4C2E));
    FillRect(cr, 20, 0, 3, 32, Hex(0x3C2218));
    FillRect(cr, 15.5, 0, 0.8, 32, Hex(0x4A2A1A));
}

void HangingScroll(cairo_t* cr) {
    FillRect(cr, 7, 1, 18, 2.5, kWoodDark);
    FillRect(cr, 9, 3, 14, 26, Hex(0x5A6A5A));
    FillRect(cr, 11, 5, 10, 20, Hex(0xF0E8D4));
    // Ink mountain and moon.
    SetColor(cr, Hex(0x3A3A3A));
    cairo_move_to(cr, 11, 22);
    cairo_line_to(cr, 15, 14);
    cairo_line_to(cr, 17, 17);
    cairo_line_to(cr, 19, 12);
    cairo_line_to(cr, 21, 18);
    cairo_line_to(cr, 21, 22);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillCircle(cr, 14, 9, 1.8, Hex(0xC03020));
    FillRect(cr, 8, 28, 16, 2.5, kWoodDark);
    FillCircle(cr, 8, 29.25, 1.5, Hex(0xC89838));
    FillCircle(cr, 24, 29.25, 1.5, Hex(0xC89838));
    FillRect(cr, 15.5, 0, 1, 1.5, kInk);
}

void Andon(cairo_t* cr) {
    // Warm light spilling round the lamp.
    FillCircle(cr, 16, 16, 13, Hex(0xF8D890));
    FillRect(cr, 8, 6, 16, 20, kWoodDark);
    FillRect(cr, 10, 8, 12, 16, Hex(0xFFF0C0));
    FillRect(cr, 10, 8, 12, 3, Hex(0xFFF8E0));
    FillRect(cr, 15.4, 8, 1.2, 16, Hex(0xC8A060));
    FillRect(cr, 10, 15.4, 12, 1.2, Hex(0xC8A060));
    FillRect(cr, 7, 4, 18, 2.5, kWoodDark);
    FillRect(cr, 8, 26, 2.5, 6, kWoodDark);
    FillRect(cr, 21.5, 26, 2.5, 6, kWoodDark);
}

void CastleWindow(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0xF0EEE6));
    FillRect(cr, 0, 28, 32, 4, Hex(0xD8D6CE));
    FillRect(cr, 6, 7, 20, 18, Hex(0x24242A));
    FillRect(cr, 7, 8, 18, 16, Hex(0x14141A));
    for (int i = 0; i < 4; i++) FillRect(cr, 9 + i * 4.5, 8, 2, 16, Hex(0x3A3A44));
    FillRect(cr, 5, 24, 22, 2.5, Hex(0x3A3A44));
    FillRect(cr, 5, 6, 22, 1.5, Hex(0x3A3A44));
}

// ---- Houses ----
void HouseWallBase(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, kPlaster);
    FillRect(cr, 0, 24, 32, 8, Hex(0x6E4A30));  // wooden skirting boards
    for (int i = 0; i < 4; i++) FillRect(cr, i * 8, 24, 0.8, 8, kWoodDark);
    FillRect(cr, 0, 24, 32, 1.2, kWoodLight);
    FillRect(cr, 0, 0, 3, 32, kWoodDark);
    FillRect(cr, 29, 0, 3, 32, kWoodDark);
    FillRect(cr, 0, 4, 32, 2.5, kWoodDark);
    FillRect(cr, 3, 6.5, 26, 1, kPlasterShade);
}
void HouseWall(cairo_t* cr) {
    HouseWallBase(cr);
}

void HouseWindow(cairo_t* cr) {
    HouseWallBase(cr);
    FillRect(cr, 7, 9, 18, 13, kWoodDark);
    FillRect(cr, 8.5, 10.5, 15, 10, Hex(0xF4E6B8));
    for (int i = 0; i < 4; i++) FillRect(cr, 10 + i * 3.8, 10.5, 1.4, 10, kWood);
    FillRect(cr, 6, 21.5, 20, 2, kWood);
}

void DoorFrame(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, kWoodDark);
    FillRect(cr, 3, 0, 26, 32, Hex(0x8A5A34));
    for (int i = 0; i < 3; i++) FillRect(cr, 3 + i * 8.7, 0, 0.8, 32, Hex(0x6A4228));
}
void DoorTop(cairo_t* cr) {
    DoorFrame(cr);
    FillRect(cr, 0, 0, 32, 5, kWoodDark);
    FillRect(cr, 0, 0, 32, 1.5, kWoodLight);
    // Lattice transom.
    FillRect(cr, 4, 7, 24, 8, Hex(0x2A1A12));
    for (int i = 0; i < 6; i++) FillRect(cr, 5 + i * 4, 7, 1.2, 8, Hex(0xA46A3E));
    FillRect(cr, 3, 16, 26, 1.5, kWoodDark);
}
void DoorBottom(cairo_t* cr) {
    DoorFrame(cr);
    FillRect(cr, 18, 2, 2, 8, Hex(0x2A1A12));  // the pull
    FillRect(cr, 3, 12, 26, 1.5, kWoodDark);
    FillRect(cr, 0, 29, 32, 3, Hex(0x5E5C58));  // stone sill
    FillRect(cr, 0, 29, 32, 1, Hex(0x8E8C86));
}

void NorenTop(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0x1A1410));
    FillRect(cr, 0, 0, 3, 32, kWoodDark);
    FillRect(cr, 29, 0, 3, 32, kWoodDark);
    FillRect(cr, 0, 0, 32, 3, kWoodDark);
    FillRect(cr, 2, 3, 28, 2, Hex(0x8A7A5A));  // the rod
    // Two indigo panels with a white crest.
    FillRect(cr, 3, 5, 12.5, 23, Hex(0x283E78));
    FillRect(cr, 16.5, 5, 12.5, 23, Hex(0x283E78));
    FillRect(cr, 3, 5, 26, 2, Hex(0x1C2C58));
    FillCircle(cr, 16, 15, 5.5, Hex(0xF0ECE0));
    FillCircle(cr, 16, 15, 3.5, Hex(0x283E78));
    FillRect(cr, 15.5, 5, 1, 23, Hex(0x1A1410));
    FillRect(cr, 3, 26, 26, 2, Hex(0x1C2C58));
}

void Doorway(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0x1A1410));
    FillRect(cr, 0, 0, 3, 32, kWoodDark);
    FillRect(cr, 29, 0, 3, 32, kWoodDark);
    // A dim room: a step and the glow of a lamp far inside.
    FillRect(cr, 3, 20, 26, 9, Hex(0x3A2A1E));
    FillRect(cr, 3, 20, 26, 1.2, Hex(0x5A4430));
    FillRect(cr, 20, 8, 5, 6, Hex(0x6A5030));
    FillRect(cr, 0, 29, 32, 3, Hex(0x5E5C58));
    FillRect(cr, 0, 29, 32, 1, Hex(0x8E8C86));
}

void InnSign(cairo_t* cr) {
    FillRect(cr, 2, 1, 28, 2.5, kWoodDark);  // bracket
    FillRect(cr, 8, 3, 1.2, 4, kInk);
    FillRect(cr, 22.8, 3, 1.2, 4, kInk);
    FillRect(cr, 5, 7, 22, 22, kWoodDark);
    FillRect(cr, 6.5, 8.5, 19, 19, Hex(0xD8B880));
    DrawTextCentered(cr, u8"宿", 6.5, 8.5, 19, 19, 16, kInk);
}

void RedLantern(cairo_t* cr) {
    FillRect(cr, 15.3, 0, 1.4, 5, kInk);
    FillRect(cr, 11, 4, 10, 3, kInk);
    SetColor(cr, Hex(0xC8281E));
    cairo_save(cr);
    cairo_translate(cr, 16, 16.5);
    cairo_scale(cr, 8.5, 10);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    FillRect(cr, 10, 12, 12, 1, Hex(0x8E1810));
    FillRect(cr, 8.5, 16, 15, 1, Hex(0x8E1810));
    FillRect(cr, 10, 20.5, 12, 1, Hex(0x8E1810));
    FillRoundRect(cr, 11, 9, 4, 14, 2, Hex(0xF06040));
    FillRect(cr, 11, 26, 10, 3, kInk);
    FillRect(cr, 15.3, 29, 1.4, 3, Hex(0xD8A030));
}

void Fence(cairo_t* cr) {
    FillRect(cr, 0, 16, 32, 3, kWood);
    FillRect(cr, 0, 24, 32, 3, kWood);
    FillRect(cr, 0, 16, 32, 1, kWoodLight);
    FillRect(cr, 0, 24, 32, 1, kWoodLight);
    for (int i = 0; i < 2; i++) {
        double x = 6 + i * 16;
        FillRect(cr, x, 12, 4, 20, kWoodDark);
        FillRect(cr, x, 12, 1.5, 20, kWood);
    }
}

void Signpost(cairo_t* cr) {
    FillRect(cr, 14, 6, 4, 26, kWoodDark);
    FillRect(cr, 14, 6, 1.5, 26, kWood);
    SetColor(cr, Hex(0xC8A070));
    cairo_move_to(cr, 3, 6);
    cairo_line_to(cr, 25, 6);
    cairo_line_to(cr, 30, 10.5);
    cairo_line_to(cr, 25, 15);
    cairo_line_to(cr, 3, 15);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, 3, 6, 22, 1.2, Hex(0xE0C090));
    FillRect(cr, 6, 10, 6, 1.2, kInk);
    FillRect(cr, 14, 9, 1.2, 3.5, kInk);
    FillRect(cr, 17, 10, 5, 1.2, kInk);
}

// Stone lantern over two tiles: roof and fire box above, post and base below.
void StoneLantern(cairo_t* cr) {
    // Upper tile (y 0..32).
    FillRect(cr, 14, 1, 4, 3, kStoneDark);
    FillCircle(cr, 16, 2, 2.2, kStone);
    SetColor(cr, kStone);
    cairo_move_to(cr, 3, 12);
    cairo_curve_to(cr, 8, 10, 12, 6, 16, 4);
    cairo_curve_to(cr, 20, 6, 24, 10, 29, 12);
    cairo_line_to(cr, 29, 14);
    cairo_line_to(cr, 3, 14);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, 3, 13, 26, 1.5, kStoneDark);
    FillRect(cr, 8, 14.5, 16, 11, kStone);
    FillRect(cr, 11, 16.5, 10, 7, Hex(0xF8C860));
    FillRect(cr, 12.5, 18, 7, 4, Hex(0xFFF0B0));
    FillRect(cr, 15.3, 16.5, 1.4, 7, kStoneDark);
    FillRect(cr, 6, 25.5, 20, 3, kStoneDark);
    FillRect(cr, 6, 25.5, 20, 1, kStoneLight);
    FillRect(cr, 12, 28.5, 8, 3.5, kStone);
    // Lower tile (y 32..64).
    FillRect(cr, 12, 32, 8, 20, kStone);
    FillRect(cr, 12, 32, 2, 20, kStoneLight);
    FillRect(cr, 18.5, 32, 1.5, 20, kStoneDark);
    FillRect(cr, 7, 52, 18, 4, kStone);
    FillRect(cr, 7, 52, 18, 1, kStoneLight);
    FillRect(cr, 4, 56, 24, 8, kStoneDark);
    FillRect(cr, 4, 56, 24, 1.5, kStone);
}

// Torii over 3 x 3 tiles: the pillars stand in the middle of the outer columns.
void Torii(cairo_t* cr) {
    Rgb red = kVermilion, dark = kVermilionDark, black = Hex(0x1E1A1A);
    // Top beam (kasagi) with upturned ends, black cap.
    SetColor(cr, black);
    cairo_move_to(cr, 0, 4);
    cairo_curve_to(cr, 24, 10, 72, 10, 96, 4);
    cairo_line_to(cr, 96, 9);
    cairo_curve_to(cr, 72, 15, 24, 15, 0, 9);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, red);
    cairo_move_to(cr, 2, 9);
    cairo_curve_to(cr, 24, 15, 72, 15, 94, 9);
    cairo_line_to(cr, 92, 17);
    cairo_curve_to(cr, 72, 21, 24, 21, 4, 17);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, 6, 22, 84, 5, red);  // second lintel (shimaki)
    FillRect(cr, 6, 26, 84, 1.5, dark);
    // Name plaque.
    FillRect(cr, 42, 27, 12, 16, black);
    FillRect(cr, 43.5, 28.5, 9, 13, Hex(0xC89838));
    FillRect(cr, 46, 30, 4, 10, black);
    // Pillars, full height to the bottom.
    for (int i = 0; i < 2; i++) {
        double cx = i ? 80 : 16;
        FillRect(cr, cx - 5, 27, 10, 69, red);
        FillRect(cr, cx - 3.5, 27, 2.5, 69, Hex(0xE86A50));
        FillRect(cr, cx + 3, 27, 2, 69, dark);
    }
    // Tie beam (nuki) in the middle row, passing through the pillars.
    FillRect(cr, 3, 46, 90, 6, red);
    FillRect(cr, 3, 46, 90, 1.5, Hex(0xE86A50));
    FillRect(cr, 3, 51, 90, 1.5, dark);
}
void Shimenawa(cairo_t* cr) {
    // A twisted straw rope, sagging slightly; the twist wraps every 8 pixels.
    FillRect(cr, 0, 4, 32, 7, Hex(0xD8C080));
    for (int i = 0; i < 5; i++) {
        SetColor(cr, Hex(0xA88C48));
        cairo_set_line_width(cr, 1.3);
        cairo_move_to(cr, i * 8 - 2, 4);
        cairo_line_to(cr, i * 8 + 3, 11);
        cairo_stroke(cr);
    }
    FillRect(cr, 0, 4, 32, 1.2, Hex(0xF0E0A8));
    // Zigzag paper streamers.
    SetColor(cr, Hex(0xFFFFFF));
    double x = 14;
    cairo_move_to(cr, x, 11);
    cairo_line_to(cr, x + 4, 11);
    cairo_line_to(cr, x + 2, 16);
    cairo_line_to(cr, x + 5, 16);
    cairo_line_to(cr, x + 2, 22);
    cairo_line_to(cr, x + 5, 22);
    cairo_line_to(cr, x + 1.5, 28);
    cairo_line_to(cr, x - 1, 22);
    cairo_line_to(cr, x + 1, 22);
    cairo_line_to(cr, x - 1, 16);
    cairo_line_to(cr, x + 1, 16);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Straw tassels.
    FillRect(cr, 4, 11, 2, 7, Hex(0xC8B070));
    FillRect(cr, 26, 11, 2, 7, Hex(0xC8B070));
}

void OfferingBox(cairo_t* cr) {
    FillRect(cr, 3, 14, 26, 18, kWood);
    FillRect(cr, 2, 12, 28, 4, kWoodDark);
    FillRect(cr, 2, 12, 28, 1.2, kWoodLight);
    for (int i = 0; i < 6; i++) FillRect(cr, 5 + i * 4, 13, 1.8, 3, Hex(0x2A1A12));
    FillRect(cr, 3, 22, 26, 1.2, kWoodDark);
    FillRect(cr, 3, 28, 26, 4, kWoodDark);
    DrawTextCentered(cr, u8"奉納", 3, 16, 26, 12, 8, Hex(0xF0E0C0));
}

void Gravestone(cairo_t* cr) {
    FillRect(cr, 4, 26, 24, 6, kStoneDark);
    FillRect(cr, 4, 26, 24, 1.5, kStone);
    FillRect(cr, 9, 4, 14, 22, Hex(0x7C7A76));
    FillRect(cr, 9, 4, 3, 22, kStoneLight);
    FillRect(cr, 20.5, 4, 2.5, 22, kStoneDark);
    SetColor(cr, Hex(0x7C7A76));
    cairo_move_to(cr, 9, 4);
    cairo_line_to(cr, 16, 0.5);
    cairo_line_to(cr, 23, 4);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Carved lines of an epitaph.
    FillRect(cr, 15.5, 7, 1.2, 15, Hex(0x4A4844));
    FillRect(cr, 13, 10, 6, 1, Hex(0x4A4844));
    FillRect(cr, 13, 16, 6, 1, Hex(0x4A4844));
}

// Spirit flame: a teardrop of blue light with a paler heart.
void SpiritLight(cairo_t* cr) {
    auto drop = [&](double s, Rgb c) {
        SetColor(cr, c);
        cairo_move_to(cr, 16 + 6 * s, 3);
        cairo_curve_to(cr, 16 + 2 * s, 10, 16 + 10 * s, 12, 16 + 10 * s, 19);
        cairo_curve_to(cr, 16 + 10 * s, 25, 16 + 5 * s, 28, 16, 28);
        cairo_curve_to(cr, 16 - 5 * s, 28, 16 - 10 * s, 25, 16 - 10 * s, 19);
        cairo_curve_to(cr, 16 - 10 * s, 12, 16 - 2 * s, 8, 16 + 6 * s, 3);
        cairo_close_path(cr);
        cairo_fill(cr);
    };
    drop(1.2, Hex(0x3A6AD8));
    drop(0.9, Hex(0x6AA0F0));
    drop(0.6, Hex(0xB8E0FC));
    FillCircle(cr, 15, 21, 3.2, Hex(0xFFFFFF));
}

// Barricade over 2 x 2 tiles: crossed planks nailed to posts, pasted with talismans.
void Barricade(cairo_t* cr) {
    FillRect(cr, 4, 2, 6, 62, kWoodDark);
    FillRect(cr, 54, 2, 6, 62, kWoodDark);
    FillRect(cr, 4, 2, 2, 62, kWood);
    FillRect(cr, 54, 2, 2, 62, kWood);
    for (int i = 0; i < 3; i++) {
        double y = 10 + i * 18;
        FillRect(cr, 0, y, 64, 7, kWood);
        FillRect(cr, 0, y, 64, 1.5, kWoodLight);
        FillRect(cr, 0, y + 6, 64, 1, kWoodDark);
        FillCircle(cr, 7, y + 3.5, 1, kInk);
        FillCircle(cr, 57, y + 3.5, 1, kInk);
    }
    cairo_set_line_width(cr, 7);
    SetColor(cr, Hex(0x8A5A34));
    cairo_move_to(cr, 6, 6);
    cairo_line_to(cr, 58, 60);
    cairo_move_to(cr, 58, 6);
    cairo_line_to(cr, 6, 60);
    cairo_stroke(cr);
    const double tags[][2] = {{14, 20}, {42, 12}, {28, 36}, {46, 42}};
    for (const auto& t : tags) {
        FillRect(cr, t[0], t[1], 8, 16, Hex(0xF4ECD0));
        FillRect(cr, t[0] + 3.2, t[1] + 2, 1.6, 12, Hex(0xB02820));
        FillRect(cr, t[0] + 1.5, t[1] + 4, 5, 1.2, Hex(0xB02820));
        FillCircle(cr, t[0] + 4, t[1] + 11, 1.6, Hex(0xB02820));
    }
}

void SpiderLily(cairo_t* cr) {
    const double f[][3] = {{8, 14, 18}, {20, 10, 22}, {27, 18, 14}};
    for (const auto& p : f) {
        SetColor(cr, Hex(0x3A6A2A));
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, p[0], 32);
        cairo_line_to(cr, p[0], p[1]);
        cairo_stroke(cr);
        for (int k = 0; k < 7; k++) {
            double a = -kPi + k * kPi / 6;
            SetColor(cr, Hex(0xD82020));
            cairo_set_line_width(cr, 1.6);
            cairo_move_to(cr, p[0], p[1]);
            cairo_curve_to(cr, p[0] + std::cos(a) * 3, p[1] + std::sin(a) * 3, p[0] + std::cos(a) * 6,
                           p[1] + std::sin(a) * 3 - 2, p[0] + std::cos(a) * 7, p[1] - 3);
            cairo_stroke(cr);
        }
        FillCircle(cr, p[0], p[1], 2, Hex(0xF04A30));
    }
    Blade(cr, 4, 32, 6, -2, Hex(0x3A6A2A));
    Blade(cr, 14, 32, 5, 2, Hex(0x3A6A2A));
}

void Jizo(cairo_t* cr) {
    FillRect(cr, 6, 28, 20, 4, kStoneDark);
    SetColor(cr, kStone);
    cairo_move_to(cr, 9, 28);
    cairo_curve_to(cr, 8, 20, 9, 15, 11, 13);
    cairo_line_to(cr, 21, 13);
    cairo_curve_to(cr, 23, 15, 24, 20, 23, 28);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillCircle(cr, 16, 9, 5.5, kStone);
    FillCircle(cr, 14.5, 7.5, 2, kStoneLight);
    FillRect(cr, 13, 9.5, 2, 0.8, kStoneDark);
    FillRect(cr, 17, 9.5, 2, 0.8, kStoneDark);
    // Red bib.
    SetColor(cr, Hex(0xD02820));
    cairo_move_to(cr, 10, 14);
    cairo_line_to(cr, 22, 14);
    cairo_line_to(cr, 16, 22);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, 13, 20, 6, 6, Hex(0x6E6C68));  // folded hands
}

// Wall lever on a stone plate: raised, or pulled down after the switch is worked.
void LeverPlate(cairo_t* cr) {
    FillRoundRect(cr, 8, 10, 16, 16, 2, kStoneDark);
    FillRoundRect(cr, 9.5, 11.5, 13, 13, 1.5, kStone);
    FillRect(cr, 15, 13, 2, 10, kStoneDark);
}
void Lever(cairo_t* cr, bool up) {
    LeverPlate(cr);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, Hex(0x3A3A40));
    cairo_move_to(cr, 16, 18);
    cairo_line_to(cr, up ? 22 : 22, up ? 3 : 30);
    cairo_stroke(cr);
    FillCircle(cr, up ? 22 : 22, up ? 3.5 : 29.5, 3.2, Hex(0xC02820));
    FillCircle(cr, 16, 18, 2.5, Hex(0xC89838));
}
void LeverUp(cairo_t* cr) {
    Lever(cr, true);
}
void LeverDown(cairo_t* cr) {
    Lever(cr, false);
}

const TileArt kArts[] = {
    {"grass", Grass, 0, 0},
    {"flowers", Flowers, 0, 0},
    {"susuki", Susuki, 0, 0},
    {"shrub", Shrub, 0, 0},
    {"pine_tl", PineTree, 0, 0},
    {"pine_tr", PineTree, 1, 0},
    {"pine_ml", PineTree, 0, 1},
    {"pine_mr", PineTree, 1, 1},
    {"pine_bl", PineTree, 0, 2},
    {"pine_br", PineTree, 1, 2},
    {"save_point", SavePoint, 0, 0},
    {"save_glow", SaveGlow, 0, 0},
    {"shoji_torn", ShojiTorn, 0, 0},
    {"house_wall", HouseWall, 0, 0},
    {"house_window", HouseWindow, 0, 0},
    {"door_top", DoorTop, 0, 0},
    {"door_bottom", DoorBottom, 0, 0},
    {"noren_top", NorenTop, 0, 0},
    {"lever_up", LeverUp, 0, 0},
    {"lever_down", LeverDown, 0, 0},
    {"doorway", Doorway, 0, 0},
    {"inn_sign", InnSign, 0, 0},
    {"lantern_red", RedLantern, 0, 0},
    {"fence", Fence, 0, 0},
    {"signpost", Signpost, 0, 0},
    {"stone_lantern_top", StoneLantern, 0, 0},
    {"stone_lantern_base", StoneLantern, 0, 1},
    {"torii_top_left", Torii, 0, 0},
    {"torii_top_mid", Torii, 1, 0},
    {"torii_top_right", Torii, 2, 0},
    {"torii_tie_left", Torii, 0, 1},
    {"torii_tie_mid", Torii, 1, 1},
    {"torii_tie_right", Torii, 2, 1},
    {"torii_pillar", Torii, 0, 2},
    {"shimenawa", Shimenawa, 0, 0},
    {"offering_box", OfferingBox, 0, 0},
    {"shoji", Shoji, 0, 0},
    {"fusuma", Fusuma, 0, 0},
    {"wood_pillar", WoodPillar, 0, 0},
    {"scroll", HangingScroll, 0, 0},
    {"andon", Andon, 0, 0},
    {"castle_window", CastleWindow, 0, 0},
    {"gravestone", Gravestone, 0, 0},
    {"spirit_light", SpiritLight, 0, 0},
    {"barricade_tl", Barricade, 0, 0},
    {"barricade_tr", Barricade, 1, 0},
    {"barricade_bl", Barricade, 0, 1},
    {"barricade_br", Barricade, 1, 1},
    {"spider_lily", SpiderLily, 0, 0},
    {"jizo", Jizo, 0, 0},
};

void DrawTileSheetB(ArtCanvas& c) {
    DrawTileSheet(c, 'B', kArts, int(sizeof kArts / sizeof kArts[0]));
}

}  // namespace

ART_PICTURE("AE00425", 512, 512, DrawTileSheetB, "tile sheet B (decoration)");
