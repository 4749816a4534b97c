// The map page picture (menu page 3): the world map with every place at the pixel the page
// centres its you-are-here marker on, the marker itself, the ten hanafuda card faces and
// their back, and the three set banners.
#include <cmath>
#include <cstdio>

#include "tools/art/ui/style.h"

using namespace ui;

static const double kPi = 3.14159265358979;

enum PlaceKind { kVillage, kMountain, kHut, kRoad, kTown, kCastle, kPass, kBridge, kShrine, kGate, kDead };

struct Place {
    double x, y;
    PlaceKind kind;
};

// Index = place number of the map table.
static const Place kPlaces[54] = {
    {121, 51, kVillage},  {165, 68, kMountain}, {221, 68, kHut},      {257, 65, kMountain},
    {295, 60, kVillage},  {304, 68, kVillage},  {313, 77, kRoad},     {342, 107, kTown},
    {318, 141, kCastle},  {368, 96, kVillage},  {394, 85, kTown},     {363, 60, kCastle},
    {338, 69, kVillage},  {388, 60, kPass},     {417, 59, kVillage},  {439, 66, kPass},
    {451, 73, kVillage},  {476, 77, kVillage},  {508, 77, kPass},     {542, 72, kVillage},
    {556, 40, kBridge},   {579, 30, kMountain}, {606, 20, kMountain}, {354, 142, kVillage},
    {392, 144, kTown},    {433, 141, kCastle},  {479, 140, kPass},    {502, 161, kVillage},
    {540, 194, kTown},    {579, 217, kCastle},  {622, 241, kPass},    {483, 182, kVillage},
    {436, 171, kShrine},  {416, 185, kTown},    {393, 201, kRoad},    {350, 201, kTown},
    {307, 201, kRoad},    {273, 202, kPass},    {231, 199, kTown},    {191, 193, kCastle},
    {162, 190, kVillage}, {179, 216, kPass},    {150, 169, kVillage}, {107, 166, kTown},
    {44, 162, kCastle},   {16, 150, kMountain}, {74, 171, kTown},     {96, 146, kCastle},
    {154, 141, kDead},    {170, 203, kGate},    {230, 228, kRoad},    {138, 102, kRoad},
    {164, 79, kCastle},   {204, 100, kDead},
};

// Roads: each place to the next along the journey, except where the story warps, plus a
// few side roads.
static const int kSideRoads[][2] = {{8, 23}, {27, 31}, {48, 51}, {7, 8}};

static void Mountain(cairo_t* cr, double cx, double base, double h, bool snow) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - h * 0.9, base);
    cairo_line_to(cr, cx, base - h);
    cairo_line_to(cr, cx + h * 0.9, base);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x6E7A52));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x3A3A2A));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (snow) {
        cairo_move_to(cr, cx - h * 0.3, base - h * 0.67);
        cairo_line_to(cr, cx, base - h);
        cairo_line_to(cr, cx + h * 0.3, base - h * 0.67);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xF4F0E6));
        cairo_fill(cr);
    }
}

static void House(cairo_t* cr, double x, double y, Rgb roof) {
    FillRect(cr, x - 3, y - 1, 6, 4, Hex(0xE8DCC0));
    cairo_move_to(cr, x - 4.5, y);
    cairo_line_to(cr, x, y - 4);
    cairo_line_to(cr, x + 4.5, y);
    cairo_close_path(cr);
    SetColor(cr, roof);
    cairo_fill(cr);
    StrokeRect(cr, x - 3, y - 1, 6, 4, Hex(0x3A2E24), 0.6);
}

static void Keep(cairo_t* cr, double x, double y, double s) {
    FillRect(cr, x - 5 * s, y + 1 * s, 10 * s, 4 * s, Hex(0x7A7268));  // stone base
    FillRect(cr, x - 3.5 * s, y - 3 * s, 7 * s, 4 * s, Hex(0xF4F0E6));
    FillRect(cr, x - 2.2 * s, y - 6.5 * s, 4.4 * s, 3.5 * s, Hex(0xF4F0E6));
    for (int t = 0; t < 2; t++) {
        double w = (t == 0 ? 5.5 : 3.8) * s, ty = y - (t == 0 ? 3 : 6.5) * s;
        cairo_move_to(cr, x - w, ty + 0.8 * s);
        cairo_line_to(cr, x + w, ty + 0.8 * s);
        cairo_line_to(cr, x + w * 0.5, ty - 1.6 * s);
        cairo_line_to(cr, x - w * 0.5, ty - 1.6 * s);
        cairo_close_path(cr);
        SetColor(cr, Hex(0x2A3440));
        cairo_fill(cr);
    }
    FillRect(cr, x - 0.8 * s, y - 10 * s, 1.6 * s, 2 * s, kGold);
}

static void Torii(cairo_t* cr, double x, double y) {
    FillRect(cr, x - 6, y - 6, 12, 2, kVermilion);
    FillRect(cr, x - 5, y - 3, 10, 1.5, kVermilion);
    FillRect(cr, x - 4, y - 6, 1.8, 10, kVermilion);
    FillRect(cr, x + 2.2, y - 6, 1.8, 10, kVermilion);
}

static void DrawPlace(cairo_t* cr, const Place& p) {
    double x = p.x, y = p.y;
    switch (p.kind) {
        case kVillage:
            House(cr, x - 4, y + 1, Hex(0x8A6A3A));
            House(cr, x + 4, y + 2, Hex(0x8A6A3A));
            House(cr, x, y - 3, Hex(0x7A5A2E));
            break;
        case kHut:
            House(cr, x, y + 1, Hex(0x6A4A2A));
            break;
        case kTown:
            for (int i = 0; i < 4; i++) House(cr, x - 6 + 4 * i, y + (i % 2) * 2, Hex(0x4A4A52));
            break;
        case kCastle:
            Keep(cr, x, y + 2, 1.1);
            break;
        case kMountain:
            Mountain(cr, x, y + 4, 10, true);
            break;
        case kPass:
            Mountain(cr, x - 4, y + 4, 7, false);
            Mountain(cr, x + 4, y + 4, 7, false);
            break;
        case kRoad:
            FillCircle(cr, x, y, 3, Hex(0x8A6A3A));
            FillCircle(cr, x, y, 1.5, Hex(0xF4E8C8));
            break;
        case kBridge:
            cairo_set_line_width(cr, 2);
            SetColor(cr, kVermilion);
            cairo_arc(cr, x, y + 8, 9, kPi * 1.15, kPi * 1.85);
            cairo_stroke(cr);
            break;
        case kShrine:
            Torii(cr, x, y);
            break;
        case kGate:
            FillRect(cr, x - 6, y - 6, 12, 2, Hex(0x2A1A30));
            FillRect(cr, x - 5, y - 6, 2, 11, Hex(0x2A1A30));
            FillRect(cr, x + 3, y - 6, 2, 11, Hex(0x2A1A30));
            FillRect(cr, x - 3, y - 4, 6, 9, Hex(0x8A4AA8));
            break;
        case kDead:
            for (int k = 0; k < 3; k++) {
                cairo_set_line_width(cr, 1.2);
                SetColor(cr, Hex(0xC8B0E8));
                cairo_arc(cr, x, y, 2.5 + k * 2.5, k * 1.2, k * 1.2 + kPi * 1.4);
                cairo_stroke(cr);
            }
            break;
    }
}

struct MapLabel {
    int place;
    const char* text;
    double dx, dy;  // top-left of the text from the place
};

static const MapLabel kLabels[] = {
    {0, u8"菜升村", -18, 8},    {8, u8"鴨柱城", -58, -4},   {11, u8"蘭釜城", -20, -22},
    {25, u8"千羽城", -10, 6},   {29, u8"神之上城", -30, 8}, {32, u8"首無神社", -58, -4},
    {39, u8"黒桜城", -58, -8},  {44, u8"清華城", -18, 8},   {47, u8"朱雀城", -20, -22},
    {52, u8"山乃神城", -54, 2}, {53, u8"あの世", 8, -6},    {20, u8"無壊千板橋", -76, -8},
    {22, u8"庵翔山", -50, -6},
};

static void DrawWorldMap(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    // Old paper, browner towards the edges.
    Washi(cr, 0, 0, 640, 288, 253);
    cairo_pattern_t* v = cairo_pattern_create_radial(320, 144, 120, 320, 144, 380);
    cairo_pattern_add_color_stop_rgba(v, 0, 0.5, 0.35, 0.15, 0.0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0.5, 0.35, 0.15, 0.35);
    cairo_set_source(cr, v);
    cairo_rectangle(cr, 0, 0, 640, 288);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
    // The sea in the south-east corner and a river through the middle.
    cairo_new_path(cr);
    cairo_move_to(cr, 640, 160);
    cairo_curve_to(cr, 600, 190, 610, 250, 560, 288);
    cairo_line_to(cr, 640, 288);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x7FA8B8));
    cairo_fill(cr);
    Seigaiha(cr, 560, 160, 80, 128, 8, Hex(0xF4F0E6), 0.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 600, 288);
    cairo_curve_to(cr, 520, 240, 470, 250, 450, 215);
    cairo_curve_to(cr, 430, 180, 470, 120, 530, 100);
    cairo_curve_to(cr, 570, 88, 590, 60, 640, 50);
    SetColor(cr, Hex(0x7FA8B8));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // The world of the dead: a violet haze in the west.
    cairo_pattern_t* d = cairo_pattern_create_radial(180, 140, 10, 180, 140, 90);
    cairo_pattern_add_color_stop_rgba(d, 0, 0.30, 0.16, 0.42, 0.55);
    cairo_pattern_add_color_stop_rgba(d, 1, 0.30, 0.16, 0.42, 0.0);
    cairo_set_source(cr, d);
    cairo_arc(cr, 180, 140, 90, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(d);
    // Gold cloud bands in the open ground, as on painted maps.
    const double clouds[][3] = {{40, 14, 60}, {250, 250, 90}, {60, 250, 70}, {470, 24, 40}, {520, 262, 30}};
    for (auto& cl : clouds) {
        FillRoundRect(cr, cl[0], cl[1], cl[2], 10, 5, Hex(0xE8C46A));
        FillRoundRect(cr, cl[0] + 12, cl[1] - 6, cl[2] * 0.5, 10, 5, Hex(0xE8C46A));
        StrokeRect(cr, cl[0], cl[1] + 9, cl[2], 1, Hex(0xB8903E), 1);
    }
    // Background mountains where no place stands.
    ArtRandom rnd(2530);
    for (int i = 0; i < 160; i++) {
        double x = rnd.Range(10, 630), y = rnd.Range(12, 280), h = rnd.Range(6, 11);
        bool clear = true;
        for (const Place& p : kPlaces) clear = clear && std::hypot(p.x - x, p.y - y) > 22;
        if (x > 545 && y > 175) clear = false;  // the sea
        if (clear) Mountain(cr, x, y, h, h > 10);
    }
    // Roads as dotted lines.
    cairo_set_line_width(cr, 1.6);
    const double dash[2] = {3, 2};
    cairo_set_dash(cr, dash, 2, 0);
    SetColor(cr, Hex(0x8A3A1E));
    for (int i = 0; i + 1 < 54; i++) {
        if (i == 22 || i == 30 || i == 50) continue;
        cairo_move_to(cr, kPlaces[i].x, kPlaces[i].y);
        cairo_line_to(cr, kPlaces[i + 1].x, kPlaces[i + 1].y);
    }
    for (auto& r : kSideRoads) {
        cairo_move_to(cr, kPlaces[r[0]].x, kPlaces[r[0]].y);
        cairo_line_to(cr, kPlaces[r[1]].x, kPlaces[r[1]].y);
    }
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (const Place& p : kPlaces) DrawPlace(cr, p);
    for (const MapLabel& l : kLabels) {
        double x = kPlaces[l.place].x + l.dx, y = kPlaces[l.place].y + l.dy;
        double w = TextWidth(cr, l.text, 12);
        SetColor(cr, kWashi, 0.8);
        cairo_rectangle(cr, x - 1, y, w + 2, 14);
        cairo_fill(cr);
        DrawText(cr, l.text, x, y, 12, kInk);
    }
    // Compass rose in the south-west corner.
    double rx = 26, ry = 262;
    for (int k = 0; k < 4; k++) {
        double a = -kPi / 2 + k * kPi / 2;
        cairo_move_to(cr, rx + std::cos(a) * 14, ry + std::sin(a) * 14);
        cairo_line_to(cr, rx + std::cos(a + kPi / 2) * 3, ry + std::sin(a + kPi / 2) * 3);
        cairo_line_to(cr, rx + std::cos(a - kPi / 2) * 3, ry + std::sin(a - kPi / 2) * 3);
        cairo_close_path(cr);
        SetColor(cr, k == 0 ? kVermilion : Hex(0x3A2E24));
        cairo_fill(cr);
    }
    DrawTextCentered(cr, u8"北", rx - 8, ry - 30, 16, 14, 11, kVermilion);
    StrokeRect(cr, 0, 0, 640, 288, Hex(0x5A3A24), 3);
    StrokeRect(cr, 4, 4, 632, 280, Hex(0xB8903E), 1);
    c.Cell(0, 0, 640, 288, "world map");
}

// You-are-here marker: turned round its centre, so it is drawn round (641..671, 1..31).
static void DrawMarker(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    double cx = 656, cy = 16;
    FillCircle(cr, cx, cy, 14, kInk);
    FillCircle(cr, cx, cy, 12.5, kVermilion);
    for (int k = 0; k < 8; k++) {
        double a = k * kPi / 4, r = (k % 2) ? 7 : 11.5;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a - 0.3) * r * 0.4, cy + std::sin(a - 0.3) * r * 0.4);
        cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        cairo_line_to(cr, cx + std::cos(a + 0.3) * r * 0.4, cy + std::sin(a + 0.3) * r * 0.4);
        cairo_close_path(cr);
    }
    SetColor(cr, kGoldLight);
    cairo_fill(cr);
    FillCircle(cr, cx, cy, 2.5, kVermDark);
    c.Cell(641.024, 0.512, 29.952, 30.976, "marker");
}

// ---- hanafuda cards: 64 x 96, a black edge round a painted face ----

static void CardBase(cairo_t* cr, double x, double y, Rgb ground) {
    FillRoundRect(cr, x + 1, y + 1, 62, 94, 4, Hex(0x1A1410));
    FillRoundRect(cr, x + 4, y + 4, 56, 88, 2, ground);
}

static void Blossom(cairo_t* cr, double x, double y, double r, Rgb petal) {
    for (int k = 0; k < 5; k++) {
        double a = k * 2 * kPi / 5 - kPi / 2;
        FillCircle(cr, x + std::cos(a) * r * 0.6, y + std::sin(a) * r * 0.6, r * 0.5, petal);
    }
    FillCircle(cr, x, y, r * 0.3, Hex(0xF2D24A));
}

static void Branch(cairo_t* cr, double x0, double y0, double x1, double y1, double w) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, w);
    SetColor(cr, Hex(0x3A2418));
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, (x0 + x1) / 2, y0 - 6, (x0 + x1) / 2, y1 + 6, x1, y1);
    cairo_stroke(cr);
}

static void Bird(cairo_t* cr, double x, double y, double s, Rgb body, Rgb wing) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_new_path(cr);
    cairo_move_to(cr, -10, 2);
    cairo_curve_to(cr, -6, -6, 6, -6, 10, -2);
    cairo_line_to(cr, 14, -3);
    cairo_line_to(cr, 10, 1);
    cairo_curve_to(cr, 6, 6, -6, 6, -10, 2);
    cairo_close_path(cr);
    SetColor(cr, body);
    cairo_fill(cr);
    cairo_move_to(cr, -4, -1);
    cairo_curve_to(cr, -2, -12, 4, -12, 6, -2);
    cairo_close_path(cr);
    SetColor(cr, wing);
    cairo_fill(cr);
    FillCircle(cr, 7, -2, 1, kInk);
    cairo_restore(cr);
}

static void RedRibbon(cairo_t* cr, double x, double y, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    FillRect(cr, -7, -22, 14, 44, Hex(0xC8281E));
    StrokeRect(cr, -7, -22, 14, 44, Hex(0x6A1008), 1);
    const char* poem[3] = {u8"あ", u8"か", u8"し"};
    VerticalText(cr, poem, 3, 0, -19, 11, Hex(0x1A1410));
    cairo_restore(cr);
}

static void Moon(cairo_t* cr, double x, double y, double r) {
    FillCircle(cr, x, y, r, Hex(0xF4E8C0));
}

static void DrawCard(cairo_t* cr, int n, double x, double y) {
    // The painting stays inside the black edge.
    FillRoundRect(cr, x + 1, y + 1, 62, 94, 4, Hex(0x1A1410));
    cairo_save(cr);
    cairo_rectangle(cr, x + 4, y + 4, 56, 88);
    cairo_clip(cr);
    switch (n) {
        case 0:  // crane with the rising sun under a pine
            CardBase(cr, x, y, Hex(0xE85A2A));
            FillCircle(cr, x + 40, y + 30, 14, Hex(0xC8281E));
            Branch(cr, x + 4, y + 20, x + 36, y + 12, 4);
            for (int i = 0; i < 3; i++)
                FillCircle(cr, x + 12 + i * 9, y + 12 + (i % 2) * 3, 6, Hex(0x2E5A2E));
            FillRect(cr, x + 26, y + 58, 2, 26, Hex(0x1A1410));
            Bird(cr, x + 30, y + 56, 1.4, Hex(0xF4F0E6), Hex(0xF4F0E6));
            FillCircle(cr, x + 44, y + 50, 2.5, Hex(0xC8281E));
            FillRect(cr, x + 4, y + 78, 56, 14, Hex(0x2E5A2E));
            break;
        case 1:  // bush warbler on a plum branch
            CardBase(cr, x, y, Hex(0xE8C8A0));
            Branch(cr, x + 6, y + 86, x + 52, y + 20, 4);
            for (int i = 0; i < 6; i++) Blossom(cr, x + 12 + i * 7, y + 74 - i * 10, 5, Hex(0xC8281E));
            Bird(cr, x + 28, y + 44, 1.1, Hex(0x6E8A2E), Hex(0x4E6A1E));
            break;
        case 2:  // cuckoo and a crescent moon over wisteria
            CardBase(cr, x, y, Hex(0xE8DCC0));
            FillCircle(cr, x + 46, y + 20, 9, Hex(0xC8281E));
            FillCircle(cr, x + 49, y + 18, 8, Hex(0xE8DCC0));
            Bird(cr, x + 26, y + 28, 1.1, Hex(0x3A2E3A), Hex(0x1A1420));
            for (int s = 0; s < 3; s++)
                for (int i = 0; i < 5; i++)
                    FillCircle(cr, x + 14 + s * 16, y + 56 + i * 6, 3.5 - i * 0.4, Hex(0x7A5AB8));
            break;
        case 3:  // cherry blossoms over a curtain
            CardBase(cr, x, y, Hex(0xF4E8E0));
            for (int i = 0; i < 9; i++)
                Blossom(cr, x + 12 + (i % 3) * 20, y + 14 + (i / 3) * 12, 6, Hex(0xF2A7B8));
            FillRect(cr, x + 4, y + 52, 56, 30, Hex(0xC8281E));
            for (int i = 0; i < 4; i++) FillRect(cr, x + 8 + i * 14, y + 52, 6, 30, Hex(0xF4F0E6));
            Crest(cr, x + 32, y + 67, 8, Hex(0x1A1410));
            break;
        case 4: {  // sake cup among chrysanthemums
            CardBase(cr, x, y, Hex(0xE8DCC0));
            for (int i = 0; i < 3; i++) Blossom(cr, x + 14 + i * 18, y + 18 + (i % 2) * 8, 8, Hex(0xF2D24A));
            cairo_save(cr);
            cairo_translate(cr, x + 32, y + 62);
            cairo_scale(cr, 1, 0.5);
            cairo_arc(cr, 0, 0, 20, 0, 2 * kPi);
            cairo_restore(cr);
            SetColor(cr, Hex(0xC8281E));
            cairo_fill(cr);
            FillRect(cr, x + 24, y + 70, 16, 8, Hex(0xC8281E));
            DrawTextCentered(cr, u8"寿", x + 20, y + 54, 24, 16, 13, kGoldLight);
            break;
        }
        case 5:  // wild geese across the full moon over pampas grass
            CardBase(cr, x, y, Hex(0xC8281E));
            Moon(cr, x + 32, y + 34, 18);
            for (int i = 0; i < 3; i++)
                Bird(cr, x + 16 + i * 14, y + 20 + i * 8, 0.7, Hex(0x1A1410), Hex(0x1A1410));
            FillRect(cr, x + 4, y + 62, 56, 30, Hex(0xF4F0E6));
            cairo_set_line_width(cr, 1.5);
            SetColor(cr, Hex(0x1A1410));
            for (int i = 0; i < 9; i++) {
                cairo_move_to(cr, x + 8 + i * 6, y + 92);
                cairo_curve_to(cr, x + 8 + i * 6, y + 76, x + 12 + i * 6, y + 66, x + 16 + i * 6, y + 60);
            }
            cairo_stroke(cr);
            break;
        case 6:  // butterflies over peonies
            CardBase(cr, x, y, Hex(0xE8DCC0));
            for (int i = 0; i < 2; i++) {
                FillCircle(cr, x + 20 + i * 24, y + 66, 11, Hex(0xC8281E));
                FillCircle(cr, x + 20 + i * 24, y + 66, 6, Hex(0xF2A7B8));
            }
            FillRect(cr, x + 4, y + 78, 56, 14, Hex(0x2E5A2E));
            for (int i = 0; i < 2; i++) {
                double bx = x + 20 + i * 22, by = y + 22 + i * 14;
                FillCircle(cr, bx - 5, by - 3, 5, Hex(0x3A5AB8));
                FillCircle(cr, bx + 5, by - 3, 5, Hex(0x3A5AB8));
                FillCircle(cr, bx - 4, by + 4, 3.5, Hex(0xF2D24A));
                FillCircle(cr, bx + 4, by + 4, 3.5, Hex(0xF2D24A));
                FillRect(cr, bx - 1, by - 6, 2, 12, Hex(0x1A1410));
            }
            break;
        case 7:  // boar in the bush clover
            CardBase(cr, x, y, Hex(0xE8DCC0));
            for (int i = 0; i < 10; i++)
                FillCircle(cr, x + 8 + (i * 13) % 48, y + 12 + (i * 7) % 22, 2.5, Hex(0xC8281E));
            Branch(cr, x + 6, y + 40, x + 58, y + 14, 1.5);
            cairo_save(cr);
            cairo_translate(cr, x + 32, y + 66);
            cairo_scale(cr, 1.3, 0.8);
            cairo_arc(cr, 0, 0, 14, 0, 2 * kPi);
            cairo_restore(cr);
            SetColor(cr, Hex(0x4A3220));
            cairo_fill(cr);
            FillCircle(cr, x + 50, y + 64, 7, Hex(0x4A3220));
            FillCircle(cr, x + 52, y + 62, 1.2, Hex(0xF4F0E6));
            FillRect(cr, x + 20, y + 74, 3, 10, Hex(0x2A1A10));
            FillRect(cr, x + 40, y + 74, 3, 10, Hex(0x2A1A10));
            break;
        case 8:  // deer under maple leaves
            CardBase(cr, x, y, Hex(0xE8DCC0));
            for (int i = 0; i < 7; i++)
                Blossom(cr, x + 10 + (i * 11) % 46, y + 12 + (i * 9) % 24, 6, Hex(0xD2452A));
            FillRoundRect(cr, x + 16, y + 56, 30, 14, 6, Hex(0xA8683A));
            FillRect(cr, x + 40, y + 44, 5, 16, Hex(0xA8683A));
            FillCircle(cr, x + 44, y + 42, 5, Hex(0xA8683A));
            cairo_set_line_width(cr, 1.5);
            SetColor(cr, Hex(0x4A2A10));
            cairo_move_to(cr, x + 44, y + 38);
            cairo_line_to(cr, x + 40, y + 28);
            cairo_move_to(cr, x + 42, y + 33);
            cairo_line_to(cr, x + 48, y + 28);
            cairo_stroke(cr);
            for (double lx : {18.0, 24.0, 36.0, 42.0}) FillRect(cr, x + lx, y + 68, 2, 14, Hex(0x6A3A1A));
            for (int i = 0; i < 4; i++) FillCircle(cr, x + 22 + i * 6, y + 61, 1.2, Hex(0xF4F0E6));
            break;
        default:  // red poem ribbon on a pine
            CardBase(cr, x, y, Hex(0xE8DCC0));
            Branch(cr, x + 4, y + 84, x + 56, y + 60, 4);
            for (int i = 0; i < 4; i++) FillCircle(cr, x + 12 + i * 12, y + 74 - i * 5, 7, Hex(0x2E5A2E));
            RedRibbon(cr, x + 32, y + 34, 0.25);
            break;
    }
    cairo_restore(cr);
}

static void DrawCards(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    const char* what[10] = {"card 0 crane", "card 1 bird & plum", "card 2 bird",      "card 3 cherry",
                            "card 4 sake",  "card 5 bird",        "card 6 butterfly", "card 7 boar",
                            "card 8 deer",  "card 9 red ribbon"};
    for (int n = 0; n < 10; n++) {
        DrawCard(cr, n, 64 * n, 288);
        c.Cell(64 * n, 288, 64, 96, what[n]);
    }
    // Back: black lacquer with a gold crest.
    double x = 640, y = 288;
    FillRoundRect(cr, x + 1, y + 1, 62, 94, 4, Hex(0x1A1410));
    FillRoundRect(cr, x + 4, y + 4, 56, 88, 2, Hex(0x3A1A14));
    Asanoha(cr, x + 4, y + 4, 56, 88, 14, kGold, 0.35);
    FillCircle(cr, x + 32, y + 48, 16, Hex(0x1A0E0C));
    Crest(cr, x + 32, y + 48, 14, kGold);
    c.Cell(x, y, 64, 96, "card back");
}

static void Banner(cairo_t* cr, double x, double y, const char* name, const char* gain) {
    FillGradientV(cr, x + 2, y + 2, 316, 28, kVermilion, kVermDark);
    GoldFrame(cr, x + 2, y + 2, 316, 28, 2);
    FillRect(cr, x + 8, y + 6, 92, 20, Hex(0x1A0E0C));
    OutlinedTextCentered(cr, name, x + 8, y + 6, 92, 20, 16, kGoldLight, kInk, 1.0);
    OutlinedText(cr, gain, x + 110, y + 8, 15, kCream, kInk, 1.0);
}

static void DrawBanners(ArtCanvas& c) {
    Banner(c.cr, 0, 384, u8"役・花見酒", u8"体力の伸びが大きくなる");
    c.Cell(0, 384, 320, 32, "hit-point set");
    Banner(c.cr, 320, 384, u8"役・猪鹿蝶", u8"攻撃力の伸びが大きくなる");
    c.Cell(320, 384, 320, 32, "attack set");
    Banner(c.cr, 0, 416, u8"役・鳥揃い", u8"防御力の伸びが大きくなる");
    c.Cell(0, 416, 320, 32, "defence set");
}

static void DrawMapPage(ArtCanvas& c) {
    DrawWorldMap(c);
    DrawMarker(c);
    DrawCards(c);
    DrawBanners(c);
}

ART_PICTURE("AE00253", 1024, 512, DrawMapPage, "map page: world map, marker, cards, banners");
