// The regular enemy sheet shared by the six kinds (8 x 8 cells of 64 x 64, facing right):
//   row 0  kind 1, ashigaru foot soldier: walk 0-2, wind-up 3-4, strike 5, recoil/hurt 6, down 7
//   row 1  strike pictures: kind 1's overhead arc (columns 0-1 of rows 1-2), the level slash of
//          kinds 2, 4 and 6 (columns 2-4, read upside down too), kind 3's thrust (columns 5-7)
//   row 2  kind 2, mountain bandit: walk 2-3, attack 4, recoil 5, hurt 6, defeated 7
//   row 3  kind 3, ninja: walk 0-1, wind-ups 2-4, lunge 5, recoil/hurt 6, defeated 7
//   row 4  kind 4, armoured samurai: walk 0-1, wind-ups 2-4, strike 5, pause 6, second strike 7
//   row 5  kind 4 hurt 0 and defeated 1; kind 5, tengu knife thrower: poses 2-3, throw 4,
//          idle 5, hurt 6, defeated 7
//   row 6  kind 5's knife (0, 6), drawn to be squeezed to 64 x 16; (6, 6) the burst above kind
//          6's hurt pose when column 6 of rows 6-7 is drawn as one picture
//   row 7  kind 6, blue oni with an iron club: walk 0-2, wind-up 3, strike 4, recovery 5,
//          recoil 6, hit and defeated 7
#include <cmath>
#include <cstdio>

#include "tools/art/characters/figure.h"

namespace {

const double G = kGround;
const int kTwo = kPoseTwoHands, kClosed = kPoseEyesClosed, kOpen = kPoseMouthOpen;

// A generic swordsman's poses; each kind shifts them to its hit rectangle.
enum {
    kWalk0,
    kWalk1,
    kWalk2,
    kRaise,
    kOverhead,
    kChop,
    kRecoil,
    kDown,
    kLevelBack,
    kLevelCut,
    kCrouchA,
    kCrouchB,
    kLunge,
    kPause,
    kFallen,
    kThrowIdle,
    kThrowReach,
    kThrowRelease,
    kPoseCount
};

const PoseRow kBase[kPoseCount] = {
    {kWalk0, 30, 42, 6, 0, 38, 45, 35, 46, 35, G, 25, G, -45, 0, kTwo},
    {kWalk1, 30, 43, 8, 0, 39, 45, 36, 46, 40, G, 20, G, -42, 0, kTwo},
    {kWalk2, 30, 43, 8, 0, 38, 44, 35, 45, 23, G, 37, G, -48, 0, kTwo},
    {kRaise, 30, 42.5, -4, -2, 33, 30, 31, 33, 38, G, 22, G, -110, 0, kTwo},
    {kOverhead, 29, 42.5, -10, -6, 28, 27, 27, 30, 38, G, 21, G, -150, 0, kTwo | kOpen},
    {kChop, 28, 44, 18, 6, 37, 44, 34, 45, 42, G, 17, G, 30, 0, kTwo | kOpen},
    {kRecoil, 32, 42.5, -20, -16, 38, 40, 22, 36, 38, G, 24, G, -60, 0, kOpen},
    {kDown, 26, 51, 40, 30, 38, 59, 33, 60, 39, G, 20, G, 6, 0, kClosed},
    {kLevelBack, 30, 43, 4, 0, 26, 44, 25, 45, 38, G, 21, G, 175, 0, 0},
    {kLevelCut, 28, 44, 18, 4, 37, 42, 22, 42, 42, G, 16, G, -4, 0, kOpen},
    {kCrouchA, 29, 46, 20, 6, 34, 48, 31, 49, 40, G, 18, G, -20, 0, kTwo},
    {kCrouchB, 29, 47, 26, 6, 30, 50, 28, 51, 40, G, 17, G, 175, 0, 0},
    {kLunge, 26, 47, 30, 8, 37, 44, 18, 42, 42, G, 10, G, -4, 0, kOpen},
    {kPause, 29, 43.5, 10, 2, 36, 46, 33, 47, 40, G, 20, G, 20, 0, kTwo},
    {kFallen, 22, 50, 88, 8, 45, 59, 40, 59, 3, 59.5, 4, 60.5, 178, 0, kClosed},
    {kThrowIdle, 29, 42, 0, 0, 35, 47, 24, 46, 35, G, 24, G, 90, 0, 0},
    {kThrowReach, 30, 42.5, -10, -4, 20, 30, 38, 40, 38, G, 23, G, -140, 0, 0},
    {kThrowRelease, 29, 43, 18, 6, 42, 36, 22, 44, 41, G, 19, G, -10, 0, kOpen},
};

struct Job {
    const Outfit* o;
    Pose p;
    bool tinted;  // hurt: drawn a little paler so the flash reads
};

void PaintJob(cairo_t* cr, const void* ctx) {
    const Job* j = static_cast<const Job*>(ctx);
    DrawFigure(cr, *j->o, j->p);
}

void Body(ArtCanvas& c, int col, int row, const Outfit& o, int pose, double dx, int extraFlags = 0) {
    PoseRow r = kBase[pose];
    r.flags |= extraFlags;
    Outfit oo = o;
    if (r.flags & kPoseNoWeapon) oo.weapon = kWeaponNone;
    Job j{&oo, PoseFromRow(r, dx, 0), false};
    char what[64];
    snprintf(what, sizeof what, "AE00279 cell (%d, %d)", col, row);
    PaintCell(c, col * 64, row * 64, 64, 64, PaintJob, &j, what);
}

Outfit Ashigaru() {
    Outfit o{};
    o.skin = MakeTone(0xE8B890);
    o.hair = MakeTone(0x2A2020);
    o.eye = Hex(0x201010);
    o.hair_style = kHairShort;
    o.hat = kHatJingasa;
    o.hat_tone = MakeTone(0x4A3A32);
    o.top = MakeTone(0x3A5A8A);
    o.bottom = MakeTone(0x2C3A58);
    o.belt = MakeTone(0x8A6A3A);
    o.trim = MakeTone(0xC83A32);
    o.band_tone = o.trim;
    o.legs = kLegTrousers;
    o.feet = MakeTone(0x5A4A3A);
    o.weapon = kWeaponKatana;
    o.bulk = 1.0;
    return o;
}

Outfit Bandit() {
    Outfit o{};
    o.skin = MakeTone(0xC88A5E);
    o.hair = MakeTone(0x3A2A1E);
    o.eye = Hex(0x201010);
    o.hair_style = kHairShort;
    o.hat = kHatScarf;
    o.hat_tone = MakeTone(0x9A4A2A);
    o.top = MakeTone(0x8A6A42);
    o.bottom = MakeTone(0x5A4A38);
    o.belt = MakeTone(0x3A2A22);
    o.trim = MakeTone(0xB8A888);
    o.band_tone = o.trim;
    o.legs = kLegTrousers;
    o.beard = true;
    o.feet = MakeTone(0x4A3A2E);
    o.weapon = kWeaponNodachi;
    o.bulk = 1.12;
    return o;
}

Outfit Ninja() {
    Outfit o{};
    o.skin = MakeTone(0xE8C0A0);
    o.hair = MakeTone(0x1E1E2A);
    o.eye = Hex(0x101010);
    o.hair_style = kHairNone;
    o.hat = kHatHood;
    o.hat_tone = MakeTone(0x2A2E48);
    o.top = MakeTone(0x2E3452);
    o.bottom = MakeTone(0x262A42);
    o.belt = MakeTone(0x7A2A2A);
    o.trim = MakeTone(0x4A506A);
    o.band_tone = o.trim;
    o.legs = kLegTrousers;
    o.feet = MakeTone(0x1E1E28);
    o.weapon = kWeaponKatana;
    o.bulk = 0.95;
    return o;
}

Outfit Samurai() {
    Outfit o{};
    o.skin = MakeTone(0xE0B48C);
    o.hair = MakeTone(0x201818);
    o.eye = Hex(0x201010);
    o.hair_style = kHairNone;
    o.hat = kHatKabuto;
    o.hat_tone = MakeTone(0x8A2A2A);
    o.top = MakeTone(0x2A3050);
    o.bottom = MakeTone(0x5A5A66);
    o.belt = MakeTone(0xD8B050);
    o.trim = MakeTone(0xB02A2A);
    o.band_tone = o.trim;
    o.legs = kLegHakama;
    o.armour = true;
    o.feet = MakeTone(0x2A2228);
    o.weapon = kWeaponKatana;
    o.bulk = 1.05;
    return o;
}

Outfit Tengu() {
    Outfit o{};
    o.skin = MakeTone(0xD0483A);
    o.hair = MakeTone(0xE8E4DC);
    o.eye = Hex(0xF0D040);
    o.hair_style = kHairLong;
    o.hat = kHatTokin;
    o.hat_tone = MakeTone(0x1E1E26);
    o.top = MakeTone(0xECE8DE);
    o.bottom = MakeTone(0xD8D2C4);
    o.belt = MakeTone(0xE88A2A);
    o.trim = MakeTone(0xE88A2A);
    o.band_tone = o.trim;
    o.legs = kLegHakama;
    o.wings = true;
    o.long_nose = true;
    o.sleeves_wide = true;
    o.feet = MakeTone(0x6A4A32);
    o.weapon = kWeaponKnife;
    o.bulk = 1.0;
    return o;
}

Outfit Oni() {
    Outfit o{};
    o.skin = MakeTone(0x4A7AB8);
    o.hair = MakeTone(0x2A2228);
    o.eye = Hex(0xF8E050);
    o.hair_style = kHairShort;
    o.hat = kHatHorns;
    o.hat_tone = MakeTone(0xF0E2C0);
    o.top = MakeTone(0x4A7AB8);
    o.bottom = MakeTone(0xE8B030);
    o.belt = MakeTone(0x3A2A22);
    o.trim = MakeTone(0xE8B030);
    o.band_tone = o.trim;
    o.legs = kLegBare;
    o.feet = o.skin;
    o.weapon = kWeaponClub;
    o.bulk = 1.3;
    return o;
}

// Strike pictures: bright crescent bands, crisp so they survive the colour key; the game
// draws them translucent.
void Crescent(cairo_t* cr, double cx, double cy, double r, double thick, double a0, double a1, Rgb col) {
    const double pi = 3.14159265358979;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, a0 * pi / 180, a1 * pi / 180);
    double am = (a0 + a1) / 2;
    (void)am;
    cairo_arc_negative(cr, cx + thick * 0.0, cy + thick, r - thick, a1 * pi / 180, a0 * pi / 180);
    cairo_close_path(cr);
    SetColor(cr, col);
    cairo_fill(cr);
}

void PaintOverheadArc(cairo_t* cr, const void*) {
    // A downward arc from above the head to the ground in front, 128 x 128.
    Rgb outer = Hex(0xE05A3A), mid = Hex(0xF8B060), core = Hex(0xFFF4D8);
    Crescent(cr, 36, 96, 80, 22, -80, 8, outer);
    Crescent(cr, 36, 96, 76, 14, -76, 6, mid);
    Crescent(cr, 36, 96, 72, 7, -72, 4, core);
}

void PaintLevelSlash(cairo_t* cr, const void*) {
    // A level sweep, symmetric top to bottom so it reads the same upside down, 192 x 64.
    Rgb outer = Hex(0xD04A4A), mid = Hex(0xF8A070), core = Hex(0xFFF2E0);
    auto lens = [&](double x0, double x1, double h, Rgb col) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, 32);
        cairo_curve_to(cr, x0 + (x1 - x0) * 0.35, 32 - h, x1 - (x1 - x0) * 0.2, 32 - h * 0.7, x1, 32);
        cairo_curve_to(cr, x1 - (x1 - x0) * 0.2, 32 + h * 0.7, x0 + (x1 - x0) * 0.35, 32 + h, x0, 32);
        cairo_close_path(cr);
        SetColor(cr, col);
        cairo_fill(cr);
    };
    lens(20, 188, 22, outer);
    lens(34, 182, 14, mid);
    lens(50, 176, 6, core);
}

void PaintThrust(cairo_t* cr, const void*) {
    // A straight thrust streak with speed lines, 192 x 64.
    Rgb outer = Hex(0x6A5AC8), mid = Hex(0xA8A0F0), core = Hex(0xF4F2FF);
    auto spike = [&](double x0, double x1, double h, Rgb col) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, 32 - h);
        cairo_line_to(cr, x1, 32);
        cairo_line_to(cr, x0, 32 + h);
        cairo_curve_to(cr, x0 - 10, 32 + h * 0.5, x0 - 10, 32 - h * 0.5, x0, 32 - h);
        cairo_close_path(cr);
        SetColor(cr, col);
        cairo_fill(cr);
    };
    spike(40, 190, 14, outer);
    spike(52, 184, 8, mid);
    spike(64, 178, 3.5, core);
    for (int i = 0; i < 3; i++) {
        double y = 12 + i * 20;
        cairo_rectangle(cr, 8 + i * 8, y - 1.5, 30, 3);
        SetColor(cr, mid);
        cairo_fill(cr);
    }
}

void PaintKnife(cairo_t* cr, const void*) {
    // The thrown knife, drawn four times taller than it will be shown (64 x 16 on screen).
    cairo_save(cr);
    cairo_scale(cr, 1.0, 4.0);
    V2 blade[4] = {{60, 8}, {36, 4.2}, {20, 8}, {36, 11.8}};
    InkPoly(cr, blade, 4, Hex(0x8A98A8), 0.6);
    V2 edge[3] = {{58, 8}, {36, 5.6}, {36, 8}};
    FlatPoly(cr, edge, 3, Hex(0xD8E0E8));
    InkCapsule(cr, {10, 8}, 1.8, {21, 8}, 1.8, Hex(0x3A2A30), 0.6);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 7, 8, 2.6, 0, 6.2832);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // Speed streaks behind it.
    cairo_rectangle(cr, 0, 5, 4, 1);
    cairo_rectangle(cr, 0, 10, 3, 1);
    SetColor(cr, Hex(0xF0F0F8));
    cairo_fill(cr);
    cairo_restore(cr);
}

void PaintBurst(cairo_t* cr, const void*) {
    // Stars of a hit in the lower half of the cell (above the oni's head when squeezed).
    const double pi = 3.14159265358979;
    auto star = [&](double cx, double cy, double r, Rgb col) {
        cairo_new_path(cr);
        for (int i = 0; i < 10; i++) {
            double a = i * pi / 5 - pi / 2;
            double rr = (i % 2) ? r * 0.42 : r;
            if (i == 0)
                cairo_move_to(cr, cx + rr * cos(a), cy + rr * sin(a));
            else
                cairo_line_to(cr, cx + rr * cos(a), cy + rr * sin(a));
        }
        cairo_close_path(cr);
        SetColor(cr, col);
        cairo_fill_preserve(cr);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    };
    star(22, 48, 10, Hex(0xF8D848));
    star(44, 52, 7, Hex(0xF8F0C0));
}

void DrawEnemySheet(ArtCanvas& c) {
    Outfit k1 = Ashigaru(), k2 = Bandit(), k3 = Ninja(), k4 = Samurai(), k5 = Tengu(), k6 = Oni();
    // Kind 1 (hit rectangle x 22 to 37).
    const double d1 = -1;
    Body(c, 0, 0, k1, kWalk0, d1);
    Body(c, 1, 0, k1, kWalk1, d1);
    Body(c, 2, 0, k1, kWalk2, d1);
    Body(c, 3, 0, k1, kRaise, d1);
    Body(c, 4, 0, k1, kOverhead, d1);
    Body(c, 5, 0, k1, kChop, d1);
    Body(c, 6, 0, k1, kRecoil, d1);
    Body(c, 7, 0, k1, kDown, d1);
    PaintCell(c, 0, 64, 128, 128, PaintOverheadArc, nullptr, "AE00279 kind 1 strike");
    PaintCell(c, 128, 64, 192, 64, PaintLevelSlash, nullptr, "AE00279 level slash");
    PaintCell(c, 320, 64, 192, 64, PaintThrust, nullptr, "AE00279 thrust");
    // Kind 2 (x 27 to 37).
    Body(c, 2, 2, k2, kWalk1, 1);
    Body(c, 3, 2, k2, kWalk2, 1);
    Body(c, 4, 2, k2, kLevelCut, 1);
    Body(c, 5, 2, k2, kRecoil, 1);
    Body(c, 6, 2, k2, kRecoil, 1, kPoseEyesClosed);
    Body(c, 7, 2, k2, kFallen, 1);
    // Kind 3.
    Body(c, 0, 3, k3, kWalk1, 1);
    Body(c, 1, 3, k3, kWalk2, 1);
    Body(c, 2, 3, k3, kCrouchA, 1);
    Body(c, 3, 3, k3, kCrouchB, 1);
    Body(c, 4, 3, k3, kLevelBack, 1);
    Body(c, 5, 3, k3, kLunge, 1);
    Body(c, 6, 3, k3, kRecoil, 1);
    Body(c, 7, 3, k3, kFallen, 1);
    // Kind 4 (x 24 to 32).
    Body(c, 0, 4, k4, kWalk1, -2);
    Body(c, 1, 4, k4, kWalk2, -2);
    Body(c, 2, 4, k4, kRaise, -2);
    Body(c, 3, 4, k4, kOverhead, -2);
    Body(c, 4, 4, k4, kLevelBack, -2);
    Body(c, 5, 4, k4, kLevelCut, -2);
    Body(c, 6, 4, k4, kPause, -2);
    Body(c, 7, 4, k4, kChop, -2);
    Body(c, 0, 5, k4, kRecoil, -2, kPoseEyesClosed);
    Body(c, 1, 5, k4, kFallen, -2);
    // Kind 5.
    Body(c, 2, 5, k5, kThrowIdle, -2);
    Body(c, 3, 5, k5, kThrowReach, -2);
    Body(c, 4, 5, k5, kThrowRelease, -2);
    Body(c, 5, 5, k5, kThrowIdle, -2, kPoseEyesClosed);
    Body(c, 6, 5, k5, kRecoil, -2, kPoseEyesClosed);
    Body(c, 7, 5, k5, kFallen, -2);
    PaintCell(c, 0, 384, 64, 64, PaintKnife, nullptr, "AE00279 knife");
    PaintCell(c, 384, 384, 64, 64, PaintBurst, nullptr, "AE00279 burst");
    // Kind 6.
    Body(c, 0, 7, k6, kWalk0, -3);
    Body(c, 1, 7, k6, kWalk1, -3);
    Body(c, 2, 7, k6, kWalk2, -3);
    Body(c, 3, 7, k6, kLevelBack, -3);
    Body(c, 4, 7, k6, kLevelCut, -3);
    Body(c, 5, 7, k6, kPause, -3);
    Body(c, 6, 7, k6, kRecoil, -3, kPoseEyesClosed);
    Body(c, 7, 7, k6, kFallen, -3);

    const char* labels[8][8] = {
        {"k1 walk", "k1 walk", "k1 walk", "k1 wind-up", "k1 wind-up", "k1 strike", "k1 hurt", "k1 down"},
        {"", "", "", "", "", "", "", ""},
        {"", "", "k2 walk", "k2 walk", "k2 attack", "k2 recoil", "k2 hurt", "k2 down"},
        {"k3 walk", "k3 walk", "k3 wind-up", "k3 wind-up", "k3 wind-up", "k3 lunge", "k3 hurt", "k3 down"},
        {"k4 walk", "k4 walk", "k4 wind-up", "k4 wind-up", "k4 wind-up", "k4 strike", "k4 pause",
         "k4 strike 2"},
        {"k4 hurt", "k4 down", "k5 pose", "k5 pose", "k5 throw", "k5 idle", "k5 hurt", "k5 down"},
        {"k5 knife", "", "", "", "", "", "k6 hurt top", ""},
        {"k6 walk", "k6 walk", "k6 walk", "k6 wind-up", "k6 strike", "k6 recovery", "k6 recoil", "k6 down"},
    };
    for (int r = 0; r < 8; r++)
        for (int col = 0; col < 8; col++)
            if (labels[r][col][0]) c.Cell(col * 64, r * 64, 64, 64, labels[r][col]);
    c.Cell(0, 64, 128, 128, "k1 strike");
    c.Cell(128, 64, 192, 64, "k2 k4 k6 strike");
    c.Cell(320, 64, 192, 64, "k3 strike");
}

}  // namespace

ART_PICTURE("AE00279", 512, 512, DrawEnemySheet, "regular enemies");
