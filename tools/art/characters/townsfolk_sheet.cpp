// The townsfolk sheet: villagers, merchants, the story's characters and the hanafuda card
// (cell meanings in townsfolk_cells.h).
#include <cmath>
#include <cstdio>

#include "tools/art/characters/figure.h"
#include "tools/art/characters/townsfolk_cells.h"

namespace {

const double G = kGround;
const double kPi = 3.14159265358979;
const int kClosed = kPoseEyesClosed, kOpen = kPoseMouthOpen;

// Everyday poses (facing right).
const PoseRow kStand = {0, 31, 41.5, 2, 0, 35, 52, 27, 52, 35, G, 27, G, -90, 0, 0};
const PoseRow kStandStaff = {0, 31, 41.5, 2, 0, 39, 45, 27, 52, 35, G, 27, G, -90, 0, 0};
const PoseRow kStandSpear = {0, 30, 41.5, 0, 0, 38, 44, 26, 52, 34, G, 26, G, -95, 0, 0};
const PoseRow kWalk1 = {0, 31, 42.5, 6, 0, 37, 50, 25, 50, 40, G, 21, G, -90, 8, 0};
const PoseRow kWalk2 = {0, 31, 42.5, 6, 0, 33, 51, 29, 51, 23, G, 38, G, -90, 8, 0};
const PoseRow kRun1 = {0, 31, 43, 18, 4, 39, 44, 22, 46, 42, G, 17, 58, -90, 30, kOpen};
const PoseRow kRun2 = {0, 31, 42, 18, 4, 26, 46, 37, 44, 37, 57, 24, G, -90, 30, kOpen};
const PoseRow kBow = {0, 28, 41.5, 40, 20, 35, 52, 33, 52, 33, G, 25, G, -90, -10, kClosed};
const PoseRow kKneel = {0, 28, 48.5, 4, 10, 37, 50, 33, 51, 38, G, 18, G, -90, 0, 0};
const PoseRow kSeated = {0, 29, 55.5, -4, 4, 37, 57, 33, 58, 41, G, 37, G, -90, 0, kClosed};
const PoseRow kPray = {0, 31, 41.5, 2, 12, 37, 38, 36, 38, 35, G, 27, G, -90, 0, kClosed};
const PoseRow kLying = {0, 22, 51.5, 88, 8, 45, 59.5, 40, 59.5, 3, 60, 4, G, 178, 0, kClosed};
const PoseRow kFloat = {0, 31, 38, 6, 6, 38, 40, 36, 41, 35, G, 27, G, -90, 10, 0};
const PoseRow kDrunk = {0, 31, 42, -12, -14, 40, 34, 24, 50, 37, G, 25, G, -90, 0, kClosed | kOpen};
const PoseRow kWave = {0, 31, 41.5, 0, -4, 38, 24, 27, 52, 35, G, 27, G, -90, 0, kOpen};
const PoseRow kHammer = {0, 30, 42.5, 10, 6, 38, 36, 36, 48, 37, G, 24, G, -60, 0, 0};

struct FolkJob {
    Outfit o;
    PoseRow r;
    double scale;  // children are drawn smaller, about their feet
};

void PaintFolk(cairo_t* cr, const void* ctx) {
    const FolkJob* j = static_cast<const FolkJob*>(ctx);
    cairo_save(cr);
    cairo_translate(cr, 32, 63.5);
    cairo_scale(cr, j->scale, j->scale);
    cairo_translate(cr, -32, -63.5);
    Outfit o = j->o;
    if (j->r.flags & kPoseNoWeapon) o.weapon = kWeaponNone;
    DrawFigure(cr, o, PoseFromRow(j->r));
    cairo_restore(cr);
}

Outfit Folk(uint32_t skin, uint32_t hair, uint32_t top, uint32_t bottom, uint32_t belt, HairStyle hs,
            LegStyle legs) {
    Outfit o{};
    o.skin = MakeTone(skin);
    o.hair = MakeTone(hair);
    o.top = MakeTone(top);
    o.bottom = MakeTone(bottom);
    o.belt = MakeTone(belt);
    o.trim = MakeTone(0xF0EADC);
    o.band_tone = MakeTone(0xC83A3A);
    o.eye = Hex(0x2A1A14);
    o.hair_style = hs;
    o.hat = kHatNone;
    o.hat_tone = MakeTone(0x3A3A3A);
    o.legs = legs;
    o.feet = MakeTone(0xE8E2D4);
    o.weapon = kWeaponNone;
    o.pack = kPackNone;
    o.bulk = 1.0;
    return o;
}

Outfit WithHat(Outfit o, HatStyle h, uint32_t col) {
    o.hat = h;
    o.hat_tone = MakeTone(col);
    return o;
}

void Figure(ArtCanvas& c, int cell, const Outfit& o, const PoseRow& r, double scale = 1.0) {
    FolkJob j{o, r, scale};
    char what[48];
    snprintf(what, sizeof what, "AE00458 cell (%d, %d)", cell % 8, cell / 8);
    PaintCell(c, (cell % 8) * 64, (cell / 8) * 64, 64, 64, PaintFolk, &j, what);
}

// Small painted props and creatures.
void PSoulFlame(cairo_t* cr, const void*) {
    cairo_new_path(cr);
    cairo_move_to(cr, 32, 52);
    cairo_curve_to(cr, 18, 52, 18, 36, 26, 30);
    cairo_curve_to(cr, 30, 26, 28, 18, 22, 12);
    cairo_curve_to(cr, 36, 16, 46, 28, 44, 40);
    cairo_curve_to(cr, 44, 48, 40, 52, 32, 52);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x5AA8E8));
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    FillCircle(cr, 32, 43, 7, Hex(0xB8E8FF));
    FillCircle(cr, 31, 44, 3.5, Hex(0xFFFFFF));
}

void PLanternGhost(cairo_t* cr, const void*) {
    V2 hook[2] = {{32, 10}, {32, 16}};
    Line(cr, hook[0], hook[1], 2, kInk);
    InkEllipse(cr, {32, 36}, 13, 19, 0, Hex(0xF4E4C0), 1.4);
    for (int i = 0; i < 5; i++) Line(cr, {20.5, 24.0 + i * 6}, {43.5, 24.0 + i * 6}, 0.8, Hex(0xB89A6A));
    V2 top[4] = {{24, 16}, {40, 16}, {40, 19}, {24, 19}};
    InkPoly(cr, top, 4, Hex(0x2A2A2A), 1.0);
    V2 bot[4] = {{25, 53}, {39, 53}, {39, 56}, {25, 56}};
    InkPoly(cr, bot, 4, Hex(0x2A2A2A), 1.0);
    // One eye and a long tongue: a lantern spirit.
    InkEllipse(cr, {35, 31}, 3.5, 4.2, 0, Hex(0xFFFFFF), 1.0);
    FillCircle(cr, 36, 32, 1.8, kInk);
    cairo_new_path(cr);
    cairo_move_to(cr, 28, 42);
    cairo_curve_to(cr, 32, 46, 38, 45, 42, 41);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    InkCapsule(cr, {36, 44}, 2.2, {38, 52}, 2.6, Hex(0xD84A5A), 1.0);
}

void PJizo(cairo_t* cr, const void*) {
    Rgb stone = Hex(0x9A9A94), dark = Hex(0x76766E), bib = Hex(0xC8303A);
    V2 base[4] = {{18, 63.5}, {46, 63.5}, {44, 56}, {20, 56}};
    InkPoly(cr, base, 4, dark, 1.2);
    InkEllipse(cr, {32, 44}, 10, 13, 0, stone, 1.3);
    InkCircle(cr, {32, 27}, 8.5, stone, 1.3);
    V2 b[3] = {{23, 36}, {41, 36}, {32, 48}};
    InkPoly(cr, b, 3, bib, 1.1);
    Line(cr, {28.5, 27}, {30.5, 27.5}, 1.0, kInk);
    Line(cr, {33.5, 27.5}, {35.5, 27}, 1.0, kInk);
    Line(cr, {31, 31}, {33, 31}, 0.8, kInk);
    V2 hands[2] = {{32, 42}, {32, 50}};
    Line(cr, hands[0], hands[1], 1.2, dark);
}

void PCat(cairo_t* cr, const void*) {
    Rgb fur = Hex(0xE8A858), dark = Hex(0xB8783A);
    InkCapsule(cr, {22, 58}, 3, {14, 44}, 1.8, fur, 1.0);  // tail
    InkEllipse(cr, {30, 55}, 10, 6.5, 0, fur, 1.2);
    InkCapsule(cr, {36, 59}, 1.8, {37, 61.4}, 1.8, fur, 0.9);
    InkCapsule(cr, {24, 59}, 1.8, {24, 61.4}, 1.8, dark, 0.9);
    InkCircle(cr, {40, 47}, 6.5, fur, 1.2);
    V2 e1[3] = {{35, 43}, {36, 36}, {40, 41}};
    InkPoly(cr, e1, 3, fur, 1.0);
    V2 e2[3] = {{41, 41}, {45, 36}, {46, 44}};
    InkPoly(cr, e2, 3, fur, 1.0);
    FillCircle(cr, 43, 47, 1.2, kInk);
    Line(cr, {28, 50}, {31, 53}, 1.2, dark);
    Line(cr, {24, 51}, {27, 54}, 1.2, dark);
}

void PDog(cairo_t* cr, const void*) {
    Rgb fur = Hex(0xF0E6D2), dark = Hex(0xC8B89A);
    InkCapsule(cr, {16, 46}, 2.2, {12, 40}, 2.6, fur, 1.0);
    InkEllipse(cr, {27, 50}, 12, 7, 0, fur, 1.2);
    for (int i = 0; i < 4; i++) {
        double x = 19 + i * 5.5;
        InkCapsule(cr, {x, 55}, 2, {x, 61.2}, 2, i % 2 ? dark : fur, 0.9);
    }
    InkCircle(cr, {41, 42}, 7, fur, 1.2);
    InkCapsule(cr, {45, 44}, 3, {50, 45}, 2.6, fur, 1.0);
    FillCircle(cr, 51, 44.5, 1.3, kInk);
    V2 ear[3] = {{37, 37}, {39, 31}, {42, 36}};
    InkPoly(cr, ear, 3, dark, 1.0);
    FillCircle(cr, 43, 40.5, 1.1, kInk);
    InkCapsule(cr, {35, 48}, 1.3, {40, 49}, 1.3, Hex(0xC83A3A), 0.8);
}

void PCrow(cairo_t* cr, const void*) {
    Rgb black = Hex(0x22222E), sheen = Hex(0x4A4A66);
    InkEllipse(cr, {30, 52}, 9, 6, -15, black, 1.2);
    V2 tail[3] = {{22, 54}, {12, 58}, {14, 52}};
    InkPoly(cr, tail, 3, black, 1.0);
    InkCircle(cr, {38, 45}, 5, black, 1.2);
    V2 beak[3] = {{42, 43.5}, {49, 46}, {42, 47.5}};
    InkPoly(cr, beak, 3, Hex(0x3A3A44), 1.0);
    FillCircle(cr, 39.5, 44, 1.1, Hex(0xF8E050));
    Line(cr, {26, 50}, {33, 49}, 1.2, sheen);
    Line(cr, {30, 57}, {29, 62.5}, 1.0, kInk);
    Line(cr, {33, 57}, {34, 62.5}, 1.0, kInk);
}

void PFox(cairo_t* cr, const void*) {
    Rgb fur = Hex(0xE07A30), white = Hex(0xF8F0E4);
    cairo_new_path(cr);
    cairo_move_to(cr, 18, 52);
    cairo_curve_to(cr, 6, 50, 6, 36, 14, 32);
    cairo_curve_to(cr, 14, 40, 18, 46, 24, 48);
    cairo_close_path(cr);
    SetColor(cr, fur);
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    FillCircle(cr, 13, 34, 2.5, white);
    InkEllipse(cr, {29, 52}, 10, 6, 0, fur, 1.2);
    for (int i = 0; i < 2; i++)
        InkCapsule(cr, {24.0 + i * 11, 56}, 1.8, {24.0 + i * 11, 62.5}, 1.6, fur, 0.9);
    InkCircle(cr, {40, 44}, 6, fur, 1.2);
    V2 snout[3] = {{43, 42}, {51, 46}, {43, 49}};
    InkPoly(cr, snout, 3, white, 1.0);
    V2 ear[3] = {{36, 40}, {37, 32}, {42, 38}};
    InkPoly(cr, ear, 3, fur, 1.0);
    FillCircle(cr, 42.5, 43, 1.1, kInk);
}

void PRabbit(cairo_t* cr, const void*) {
    Rgb fur = Hex(0xF4F0EA), pink = Hex(0xE8A0A8);
    InkEllipse(cr, {30, 55}, 9, 7, 0, fur, 1.2);
    InkCircle(cr, {21, 55}, 2.5, fur, 1.0);
    InkCircle(cr, {38, 46}, 5.5, fur, 1.2);
    InkCapsule(cr, {36, 41}, 1.8, {33, 30}, 1.6, fur, 1.0);
    InkCapsule(cr, {39, 41}, 1.8, {40, 30}, 1.6, fur, 1.0);
    Line(cr, {33.5, 39}, {33.2, 32}, 1.0, pink);
    FillCircle(cr, 40.5, 45.5, 1.2, Hex(0xC8303A));
    InkCapsule(cr, {34, 61}, 1.8, {38, 62.5}, 1.6, fur, 0.9);
}

void PShrineLantern(cairo_t* cr, const void*) {
    Rgb stone = Hex(0x9A968C), dark = Hex(0x726E66);
    V2 b[4] = {{22, 63.5}, {42, 63.5}, {40, 58}, {24, 58}};
    InkPoly(cr, b, 4, dark, 1.2);
    V2 post[4] = {{28, 58}, {36, 58}, {35, 40}, {29, 40}};
    InkPoly(cr, post, 4, stone, 1.2);
    V2 box[4] = {{24, 40}, {40, 40}, {40, 28}, {24, 28}};
    InkPoly(cr, box, 4, stone, 1.2);
    V2 win[4] = {{28, 38}, {36, 38}, {36, 30}, {28, 30}};
    InkPoly(cr, win, 4, Hex(0xF8D060), 1.0);
    V2 roof[4] = {{18, 28}, {46, 28}, {36, 20}, {28, 20}};
    InkPoly(cr, roof, 4, dark, 1.2);
    InkCircle(cr, {32, 18}, 2.5, dark, 1.0);
}

void PSignpost(cairo_t* cr, const void*) {
    Rgb wood = Hex(0x9A6A3A), board = Hex(0xD8B884);
    V2 post[4] = {{30, 63.5}, {34, 63.5}, {34, 22}, {30, 22}};
    InkPoly(cr, post, 4, wood, 1.1);
    V2 bd[4] = {{22, 20}, {42, 20}, {42, 48}, {22, 48}};
    InkPoly(cr, bd, 4, board, 1.2);
    V2 roof[4] = {{18, 21}, {46, 21}, {40, 15}, {24, 15}};
    InkPoly(cr, roof, 4, Hex(0x5A4A3A), 1.1);
    for (int i = 0; i < 3; i++) Line(cr, {26.0 + i * 6, 25}, {26.0 + i * 6, 44}, 1.2, Hex(0x3A2A22));
}

void PBarrel(cairo_t* cr, const void*) {
    Rgb wood = Hex(0xB8864A), band = Hex(0x5A4A3A);
    V2 q[4] = {{20, 63.5}, {44, 63.5}, {46, 38}, {18, 38}};
    InkPoly(cr, q, 4, wood, 1.3);
    for (int i = 0; i < 3; i++)
        Line(cr, {19.0 + i * 0.4, 42.0 + i * 9}, {45.0 - i * 0.4, 42.0 + i * 9}, 1.6, band);
    InkEllipse(cr, {32, 38}, 14, 3, 0, Hex(0xD8A868), 1.2);
    V2 paper[4] = {{26, 46}, {38, 46}, {38, 56}, {26, 56}};
    InkPoly(cr, paper, 4, Hex(0xF4EEE0), 0.9);
    FillCircle(cr, 32, 51, 2.6, Hex(0xC8303A));
}

void PChest(cairo_t* cr, const void*) {
    Rgb lac = Hex(0x8A2A22), gold = Hex(0xE8B83A);
    V2 q[4] = {{16, 63.5}, {48, 63.5}, {48, 44}, {16, 44}};
    InkPoly(cr, q, 4, lac, 1.3);
    V2 lid[4] = {{15, 44}, {49, 44}, {46, 36}, {18, 36}};
    InkPoly(cr, lid, 4, Mix(lac, Hex(0xFFFFFF), 0.15), 1.3);
    Line(cr, {16, 48}, {48, 48}, 1.6, gold);
    V2 lock[4] = {{29, 45}, {35, 45}, {35, 52}, {29, 52}};
    InkPoly(cr, lock, 4, gold, 1.0);
}

// The hanafuda card: red back with a gold lozenge, face with a crane before the red sun.
void CardFace(cairo_t* cr) {
    FillRoundRect(cr, 17, 12, 30, 46, 3, kInk);
    FillRoundRect(cr, 18.5, 13.5, 27, 43, 2, Hex(0x1E1A1A));
    FillRoundRect(cr, 20, 15, 24, 40, 1.5, Hex(0xF8F2E2));
    FillCircle(cr, 35, 26, 6.5, Hex(0xD83A32));
    // Pine bough and the crane.
    InkEllipse(cr, {25, 48}, 6, 3.5, -20, Hex(0x3A8A4A), 0.8);
    InkEllipse(cr, {38, 50}, 5, 3, 15, Hex(0x3A8A4A), 0.8);
    InkEllipse(cr, {30, 37}, 6, 3.2, -25, Hex(0xFFFFFF), 0.9);
    InkCapsule(cr, {34, 34}, 0.9, {38, 29}, 0.8, Hex(0xFFFFFF), 0.7);
    FillCircle(cr, 38.3, 28.6, 1.2, Hex(0xD83A32));
    V2 wing[3] = {{26, 35}, {22, 28}, {31, 34}};
    InkPoly(cr, wing, 3, Hex(0x2A2A2A), 0.8);
    Line(cr, {30, 40}, {29, 45}, 0.8, kInk);
    Line(cr, {32, 40}, {33, 45}, 0.8, kInk);
}

void PCard(cairo_t* cr, const void*) {
    // A glint so the card reads as something to pick up.
    for (int i = 0; i < 4; i++) {
        double a = i * kPi / 2 + kPi / 4;
        V2 t[3] = {{50 + 1.5 * std::cos(a + 1.2), 14 + 1.5 * std::sin(a + 1.2)},
                   {50 + 7 * std::cos(a), 14 + 7 * std::sin(a)},
                   {50 + 1.5 * std::cos(a - 1.2), 14 + 1.5 * std::sin(a - 1.2)}};
        FlatPoly(cr, t, 3, Hex(0xFFF4B0));
    }
    FillCircle(cr, 50, 14, 2, Hex(0xFFFFFF));
    CardFace(cr);
}

void PCardSpin(cairo_t* cr, const void*) {
    // The card half turned: a narrow trapezoid showing its red back, lit on one edge, so
    // the plain and mirrored cells alternate like a spin.
    V2 outer[4] = {{19, 17}, {37, 11}, {37, 59}, {19, 53}};
    InkPoly(cr, outer, 4, Hex(0x1E1A1A), 1.4);
    V2 back[4] = {{21, 19.2}, {35, 14.5}, {35, 55.5}, {21, 50.8}};
    FlatPoly(cr, back, 4, Hex(0xB8282A));
    V2 diamond[4] = {{28, 25}, {32.5, 35}, {28, 45}, {23.5, 35}};
    FlatPoly(cr, diamond, 4, Hex(0xE8B83A));
    V2 edge[4] = {{35, 14.5}, {37, 11}, {37, 59}, {35, 55.5}};
    FlatPoly(cr, edge, 4, Hex(0xF8F2E2));
    FillCircle(cr, 42, 15, 2, Hex(0xFFF4B0));
}

void Prop(ArtCanvas& c, int cell, CellPainter fn) {
    char what[48];
    snprintf(what, sizeof what, "AE00458 cell (%d, %d)", cell % 8, cell / 8);
    PaintCell(c, (cell % 8) * 64, (cell / 8) * 64, 64, 64, fn, nullptr, what);
}

void DrawTownsfolkSheet(ArtCanvas& c) {
    // The cast, dressed as on their portraits.
    Outfit elder = Folk(0xE8C0A0, 0xE8E4DC, 0x5A4A3A, 0x4A3A2E, 0x2A2220, kHairBald, kLegRobe);
    elder.beard = true;
    elder.weapon = kWeaponStaff;
    Outfit master = Folk(0xE0B894, 0xC8C8C8, 0x3A4A3A, 0x3A3A44, 0xD8C890, kHairTopknot, kLegHakama);
    master.weapon = kWeaponKatana;
    Outfit princess = Folk(0xF8E0D0, 0x1A1424, 0xC83A6A, 0xC83A6A, 0xE8B83A, kHairLong, kLegRobe);
    princess.sleeves_wide = true;
    Outfit lord = WithHat(Folk(0xE8C4A0, 0x1A1A1A, 0x4A3A7A, 0x3A2E5A, 0xE8D8B0, kHairTopknot, kLegHakama),
                          kHatEboshi, 0x1E1A20);
    lord.sleeves_wide = true;
    Outfit miko = Folk(0xF6D8C0, 0x1A1420, 0xF4F2EE, 0x7A4A9A, 0x7A4A9A, kHairLong, kLegHakama);
    miko.sleeves_wide = true;
    Outfit monk = Folk(0xE8C0A0, 0x2A2020, 0x3A3A3A, 0x3A3A3A, 0xC88A3A, kHairBald, kLegRobe);
    monk.weapon = kWeaponStaff;
    Outfit shinobi = Folk(0xE8C4A0, 0x2A2A3A, 0x2E3452, 0x262A42, 0x7A2A2A, kHairShort, kLegTrousers);
    shinobi.band = true;
    shinobi.band_tone = MakeTone(0x7A2A2A);
    shinobi.trim = MakeTone(0x4A506A);
    Outfit captain = WithHat(Folk(0xE8B890, 0x2A2020, 0x3A5A8A, 0x2C3A58, 0x8A6A3A, kHairShort, kLegTrousers),
                             kHatJingasa, 0x4A3A32);
    captain.armour = true;
    captain.trim = MakeTone(0x6A4A3A);
    captain.weapon = kWeaponSpear;
    Outfit merchant = Folk(0xF0C8A0, 0x3A2A20, 0x4A6A4A, 0x3A4A3A, 0x3A5A8A, kHairTopknot, kLegShortKimono);
    merchant.pack = kPackBox;
    merchant.bulk = 1.12;
    merchant.trim = MakeTone(0xE0D8C8);
    Outfit seller = Folk(0xF2CCAE, 0x2A1E1A, 0x8A6A9A, 0x6A4A7A, 0xE8C050, kHairBun, kLegRobe);
    seller.pack = kPackBasket;
    Outfit innkeeper = Folk(0xF2CCAE, 0x2A1E1A, 0x8A3A4A, 0x6A2A34, 0xE8C050, kHairBun, kLegRobe);
    innkeeper.sleeves_wide = true;
    Outfit pedlar =
        WithHat(Folk(0xD8A47A, 0x2A2018, 0x7A5A3A, 0x5A4A38, 0x3A2A22, kHairShort, kLegShortKimono),
                kHatScarf, 0x5A7AA8);
    pedlar.pack = kPackBasket;
    pedlar.trim = MakeTone(0xD8D0C0);
    Outfit oldWoman = Folk(0xE8C4A8, 0xD8D4D0, 0x5A4A5A, 0x4A3A4A, 0x8A7A6A, kHairBun, kLegRobe);
    oldWoman.weapon = kWeaponStaff;
    Outfit boy = Folk(0xF0C8A0, 0x2A2018, 0x4A6A9A, 0x3A4A6A, 0xE8D8B0, kHairShort, kLegShortKimono);
    boy.trim = MakeTone(0xF0E8D8);
    boy.feet = MakeTone(0xC8A060);
    Outfit girl = Folk(0xF6D4B8, 0x2A1A18, 0xE87A4A, 0xC85A3A, 0xC83A3A, kHairBun, kLegRobe);
    Outfit farmer =
        WithHat(Folk(0xD8A47A, 0x2A2018, 0x6A7A5A, 0x5A5A48, 0x3A2A22, kHairShort, kLegShortKimono), kHatKasa,
                0xD8B878);
    farmer.weapon = kWeaponStaff;
    farmer.trim = MakeTone(0xD8D0C0);
    Outfit townsman =
        WithHat(Folk(0xE8BC94, 0x3A2A22, 0x7A6A4A, 0x5A4A38, 0x3A2A22, kHairShort, kLegShortKimono),
                kHatScarf, 0x6A8AB0);
    townsman.trim = MakeTone(0xD8D0C0);
    Outfit townswoman = Folk(0xF2CCAE, 0x2A1E1A, 0x4A7AA8, 0x3A5A88, 0xE8C050, kHairBun, kLegRobe);
    Outfit woodcutter = Folk(0xC8906A, 0x2A2018, 0x5A6A4A, 0x4A4A3A, 0x3A2A22, kHairShort, kLegTrousers);
    woodcutter.pack = kPackFirewood;
    woodcutter.band = true;
    woodcutter.band_tone = MakeTone(0xE8E0D0);
    woodcutter.trim = MakeTone(0xC8C0B0);
    Outfit pilgrim =
        WithHat(Folk(0xE8C0A0, 0x2A2020, 0xF0EEE8, 0xE0DCD0, 0x8A6A3A, kHairShort, kLegShortKimono), kHatKasa,
                0xD8B878);
    pilgrim.weapon = kWeaponStaff;
    pilgrim.trim = MakeTone(0xE8E4DA);
    Outfit priest = WithHat(Folk(0xE8C4A0, 0x1A1A1A, 0xF4F2EE, 0x6A4A8A, 0xE8D8B0, kHairShort, kLegHakama),
                            kHatEboshi, 0x1E1A20);
    priest.sleeves_wide = true;
    Outfit guard = WithHat(Folk(0xE0B48C, 0x1A1A1A, 0x6A3A2A, 0x3A3A44, 0xD8B050, kHairShort, kLegTrousers),
                           kHatJingasa, 0x2A2A2E);
    guard.weapon = kWeaponSpear;
    guard.trim = MakeTone(0xC8C0B0);
    Outfit oldMan = Folk(0xE0B894, 0xD8D4D0, 0x6A5A4A, 0x4A4A3A, 0x3A2A22, kHairTopknot, kLegShortKimono);
    oldMan.beard = true;
    oldMan.weapon = kWeaponStaff;
    oldMan.trim = MakeTone(0xD8D0C0);
    Outfit ronin = Folk(0xD8A880, 0x2A2420, 0x5A5A48, 0x4A4A3A, 0x2A2220, kHairTopknot, kLegHakama);
    ronin.weapon = kWeaponKatana;
    Outfit ghostMan = Folk(0xD8E4F0, 0x2A2A3A, 0xF4F4F0, 0xE4E8EC, 0xB8C8D8, kHairTopknot, kLegGhost);
    ghostMan.band = true;
    ghostMan.band_tone = MakeTone(0xFFFFFF);
    Outfit ghostWoman = Folk(0xD8E4F0, 0x1A1A26, 0xF4F4F0, 0xE4E8EC, 0xB8C8D8, kHairLong, kLegGhost);
    ghostWoman.sleeves_wide = true;
    Outfit messenger =
        WithHat(Folk(0xE0B48C, 0x2A2020, 0xC8803A, 0x3A3A44, 0x3A2A22, kHairShort, kLegTrousers), kHatScarf,
                0xE8E0D0);
    messenger.trim = MakeTone(0xE8E0D0);
    Outfit retainer = Folk(0xE8C4A0, 0x1A1A1A, 0x3A4A6A, 0x5A5A66, 0xE8D8B0, kHairTopknot, kLegHakama);
    retainer.weapon = kWeaponKatana;
    Outfit courtLady = Folk(0xF8E4D8, 0x1A1424, 0x8A3A8A, 0xC8503A, 0xE8B83A, kHairLong, kLegRobe);
    courtLady.sleeves_wide = true;
    Outfit drunk = Folk(0xE8A888, 0x2A2420, 0x8A7A5A, 0x5A5A48, 0x3A2A22, kHairTopknot, kLegHakama);
    Outfit teaGirl = Folk(0xF6D4B8, 0x2A1A18, 0x3A8A6A, 0x2A6A52, 0xE85A5A, kHairBun, kLegRobe);
    Outfit smith = Folk(0xC8906A, 0x2A2018, 0x3A3A3A, 0x4A4A40, 0x8A6A3A, kHairShort, kLegTrousers);
    smith.band = true;
    smith.band_tone = MakeTone(0xE8E0D0);
    smith.weapon = kWeaponClub;
    smith.trim = MakeTone(0x6A6A60);
    Outfit farmWife = WithHat(Folk(0xD8A47A, 0x2A2018, 0x8A6A4A, 0x6A5A48, 0x3A2A22, kHairBun, kLegRobe),
                              kHatScarf, 0xE8E0D0);
    Outfit nun = WithHat(Folk(0xE8C8B0, 0x2A2020, 0x3A3A4A, 0x3A3A4A, 0xE8E4DC, kHairNone, kLegRobe),
                         kHatScarf, 0xF0EEE8);

    const PoseRow walkCycle[3] = {kStand, kWalk1, kWalk2};
    // Row 0.
    Figure(c, kFolkElder, elder, kStandStaff);
    Figure(c, kFolkMaster, master, {0, 31, 41.5, 2, 0, 35, 51, 27, 52, 35, G, 27, G, 160, 0, 0});
    Figure(c, kFolkPrincess, princess, kStand);
    Figure(c, kFolkLord, lord, kStand);
    Figure(c, kFolkMiko, miko, kStand);
    Figure(c, kFolkMonk, monk, kStandStaff);
    Figure(c, kFolkShinobi, shinobi, kStand);
    Figure(c, kFolkCaptain, captain, kStandSpear);
    // Row 1.
    Figure(c, kFolkMerchant, merchant, kStand);
    Figure(c, kFolkBasketSeller, seller, kStand);
    Figure(c, kFolkInnkeeper, innkeeper, kBow);
    Figure(c, kFolkPedlar, pedlar, kStand);
    Figure(c, kFolkOldWoman, oldWoman, {0, 29, 42.5, 22, 12, 39, 46, 27, 52, 35, G, 25, G, -90, 0, 0});
    Figure(c, kFolkBoy, boy, kWave, 0.78);
    Figure(c, kFolkGirl, girl, kStand, 0.78);
    Figure(c, kFolkFarmer, farmer, kStandStaff);
    // Row 2.
    Figure(c, kFolkTownsman, townsman, kStand);
    Figure(c, kFolkTownswoman, townswoman, kStand);
    Figure(c, kFolkWoodcutter, woodcutter, kStand);
    Figure(c, kFolkPilgrim, pilgrim, kStandStaff);
    Figure(c, kFolkPriest, priest, kPray);
    Figure(c, kFolkGuard, guard, kStandSpear);
    Figure(c, kFolkOldMan, oldMan, {0, 29, 42.5, 20, 10, 39, 46, 27, 52, 35, G, 25, G, -90, 0, 0});
    Figure(c, kFolkRonin, ronin, {0, 31, 41.5, 2, 0, 35, 51, 27, 52, 35, G, 27, G, 160, 0, 0});
    // Row 3.
    Figure(c, kFolkGhostMan, ghostMan, kFloat);
    Figure(c, kFolkGhostWoman, ghostWoman, kFloat);
    Prop(c, kFolkSoulFlame, PSoulFlame);
    Prop(c, kFolkLanternGhost, PLanternGhost);
    Prop(c, kFolkJizo, PJizo);
    Prop(c, kFolkCat, PCat);
    Prop(c, kFolkDog, PDog);
    Prop(c, kFolkCrow, PCrow);
    // Row 4.
    Figure(c, kFolkElderBow, elder,
           {0, 28, 41.5, 40, 20, 35, 52, 33, 52, 33, G, 25, G, -90, 0, kClosed | kPoseNoWeapon});
    Figure(c, kFolkPrincessKneel, princess, kKneel);
    Figure(c, kFolkMasterSeated, master, kSeated);
    Figure(c, kFolkWounded, townsman, kLying);
    Figure(c, kFolkPrincessWalk1, princess, kWalk1);
    Figure(c, kFolkPrincessWalk2, princess, kWalk2);
    Figure(c, kFolkMessengerRun1, messenger, kRun1);
    Figure(c, kFolkMessengerRun2, messenger, kRun2);
    // Row 5.
    Figure(c, kFolkBoyRun1, boy, kRun1, 0.78);
    Figure(c, kFolkBoyRun2, boy, kRun2, 0.78);
    Figure(c, kFolkMessenger, messenger, kStand);
    for (int i = 0; i < 3; i++) Figure(c, kFolkMikoWalk0 + i, miko, walkCycle[i]);
    Figure(c, kFolkMikoPray, miko, kPray);
    Figure(c, kFolkMikoBow, miko, kBow);
    // Row 6.
    Figure(c, kFolkRetainer, retainer, {0, 31, 41.5, 2, 0, 35, 51, 27, 52, 35, G, 27, G, 160, 0, 0});
    Figure(c, kFolkCourtLady, courtLady, kStand);
    Figure(c, kFolkDrunk, drunk, kDrunk);
    Figure(c, kFolkTeaGirl, teaGirl, kBow);
    Figure(c, kFolkSmith, smith, kHammer);
    Figure(c, kFolkLittleGirl, teaGirl, kWave, 0.72);
    Figure(c, kFolkFarmWife, farmWife, kStand);
    Figure(c, kFolkNun, nun, kPray);
    // Row 7.
    Prop(c, kFolkCardSpin, PCardSpin);
    Prop(c, kFolkShrineLantern, PShrineLantern);
    Prop(c, kFolkSignpost, PSignpost);
    Prop(c, kFolkBarrel, PBarrel);
    Prop(c, kFolkFox, PFox);
    Prop(c, kFolkRabbit, PRabbit);
    Prop(c, kFolkChest, PChest);
    Prop(c, kFolkCard, PCard);

    for (int i = 0; i < 64; i++) {
        const char* label = "";
        if (i == kFolkCard) label = "card";
        if (i == kFolkCardSpin) label = "card spin";
        if (i >= kFolkMikoWalk0 && i <= kFolkMikoWalk2) label = "scene walk";
        c.Cell((i % 8) * 64, (i / 8) * 64, 64, 64, label);
    }
}

}  // namespace

ART_PICTURE("AE00458", 512, 512, DrawTownsfolkSheet, "townsfolk, story figures, card");
