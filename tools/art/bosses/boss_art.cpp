#include "tools/art/bosses/boss_art.h"

#include <algorithm>
#include <cmath>

namespace bosses {

const Rgb kInk = {0.09, 0.07, 0.06};
static const double kPi = 3.14159265358979;

// Outline width of the figure being drawn (thicker for big figures).
static double gLw = 1.0;

static double Rad(double deg) {
    return deg * kPi / 180.0;
}
// Direction of a limb angle: 0 = straight down, positive swings forward (+x).
static Pt Down(double deg) {
    return {std::sin(Rad(deg)), std::cos(Rad(deg))};
}
// Direction of an upright angle: 0 = straight up, positive leans forward.
static Pt Up(double deg) {
    return {std::sin(Rad(deg)), -std::cos(Rad(deg))};
}
static Pt Add(Pt a, Pt d, double k) {
    return {a.x + d.x * k, a.y + d.y * k};
}
static Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Look BaseLook() {
    Look l{};
    l.skin = Hex(0xE8B48A);
    l.skinDark = Hex(0xC08660);
    l.top = Hex(0x3A4F8C);
    l.topDark = Hex(0x26345E);
    l.topLight = Hex(0x6078B8);
    l.legs = Hex(0x4A4038);
    l.legsDark = Hex(0x302820);
    l.trim = Hex(0xC8A040);
    l.hair = Hex(0x1C1A1E);
    l.metal = Hex(0xD8E0E8);
    l.head = kHeadHuman;
    l.hat = kHatTopknot;
    l.weapon = kWeaponKatana;
    l.bulk = 1.0;
    l.armour = false;
    l.hakama = true;
    l.bareArms = false;
    l.headScale = l.armScale = l.legScale = 1.0;
    l.plainTorso = false;
    l.sleeves = false;
    l.muscles = false;
    l.headScale = 1.12;
    return l;
}

void FillOutline(cairo_t* cr, Rgb fill, Rgb line, double lw) {
    SetColor(cr, fill);
    cairo_fill_preserve(cr);
    SetColor(cr, line);
    cairo_set_line_width(cr, lw);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

static void StrokePath(cairo_t* cr, double w, Rgb c) {
    SetColor(cr, c);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Limb(cairo_t* cr, Pt a, Pt b, Pt c, double w, Rgb fill, Rgb line, double lw) {
    for (int pass = 0; pass < 2; pass++) {
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_line_to(cr, c.x, c.y);
        StrokePath(cr, pass == 0 ? w + 2 * lw : w, pass == 0 ? line : fill);
    }
}

void Segment(cairo_t* cr, Pt a, Pt b, double w, Rgb fill, Rgb line, double lw) {
    for (int pass = 0; pass < 2; pass++) {
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        StrokePath(cr, pass == 0 ? w + 2 * lw : w, pass == 0 ? line : fill);
    }
}

static void Circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

// Elbow of a two-bone arm reaching from s to t, bending downwards.
static Pt Reach(Pt s, Pt t, double a, double b, bool bendDown) {
    double dx = t.x - s.x, dy = t.y - s.y;
    double d = std::sqrt(dx * dx + dy * dy);
    d = std::max(0.01, std::min(d, a + b - 0.01));
    double ang = std::atan2(dy, dx);
    double c = (a * a + d * d - b * b) / (2 * a * d);
    c = std::max(-1.0, std::min(1.0, c));
    double off = std::acos(c) * (bendDown ? 1 : -1);
    return {s.x + a * std::cos(ang + off), s.y + a * std::sin(ang + off)};
}

// ---- heads, drawn in head space: centre at the origin, radius 6.5, facing +x ----

static void Eye(cairo_t* cr, double x, double y, bool shut, Rgb white) {
    if (shut) {
        cairo_move_to(cr, x - 1.2, y);
        cairo_line_to(cr, x + 1.4, y + 0.4);
        StrokePath(cr, 0.9, kInk);
        return;
    }
    cairo_rectangle(cr, x - 1.1, y - 1.2, 2.4, 2.4);
    SetColor(cr, white);
    cairo_fill(cr);
    cairo_rectangle(cr, x - 0.1, y - 1.1, 1.6, 2.2);
    SetColor(cr, kInk);
    cairo_fill(cr);
}

static void HeadBall(cairo_t* cr, Rgb fill, Rgb shade) {
    Circle(cr, 0, 0, 6.5);
    FillOutline(cr, fill, kInk, 1.1);
    // shade on the back of the head
    cairo_save(cr);
    Circle(cr, 0, 0, 5.9);
    cairo_clip(cr);
    Circle(cr, 3.2, -1.2, 6.2);
    cairo_rectangle(cr, -8, -8, 16, 16);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColor(cr, shade);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_restore(cr);
}

static void HairCap(cairo_t* cr, Rgb hair) {
    cairo_move_to(cr, 4.5, -4.8);
    cairo_curve_to(cr, 2, -8.2, -5, -8.2, -6.9, -2.5);
    cairo_line_to(cr, -6.2, 3.6);
    cairo_curve_to(cr, -4.5, 2.0, -2.4, 0.5, -1.4, -1.8);
    cairo_curve_to(cr, 0.5, -3.2, 3.0, -3.4, 4.5, -4.8);
    cairo_close_path(cr);
    FillOutline(cr, hair, kInk, 1.0);
}

static void DrawHead(cairo_t* cr, const Look& l, const Pose& p) {
    Rgb white = Hex(0xF4F0E6);
    switch (l.head) {
        case kHeadHuman:
        case kHeadOni: {
            HeadBall(cr, l.skin, l.skinDark);
            if (l.hat != kHatHood && l.hat != kHatMonk) HairCap(cr, l.hair);
            Eye(cr, 3.4, -0.6, p.eyesShut, white);
            // brow
            cairo_move_to(cr, 1.8, -2.8);
            cairo_line_to(cr, 5.2, -2.2);
            StrokePath(cr, 0.9, kInk);
            if (l.head == kHeadOni) {
                // tusks and a wide mouth
                cairo_move_to(cr, 2.0, 3.6);
                cairo_line_to(cr, 6.2, 3.0);
                StrokePath(cr, 1.0, kInk);
                cairo_move_to(cr, 3.0, 3.4);
                cairo_line_to(cr, 3.6, 1.6);
                cairo_line_to(cr, 4.4, 3.3);
                cairo_close_path(cr);
                FillOutline(cr, white, kInk, 0.5);
                cairo_move_to(cr, 5.0, 3.2);
                cairo_line_to(cr, 5.6, 1.4);
                cairo_line_to(cr, 6.2, 3.0);
                cairo_close_path(cr);
                FillOutline(cr, white, kInk, 0.5);
            } else if (p.mouthOpen) {
                cairo_rectangle(cr, 3.6, 2.8, 2.2, 1.4);
                FillOutline(cr, Hex(0x601010), kInk, 0.5);
            } else {
                cairo_move_to(cr, 3.8, 3.4);
                cairo_line_to(cr, 5.8, 3.2);
                StrokePath(cr, 0.7, kInk);
            }
            break;
        }
        case kHeadApe: {
            // shaggy pale mane all round, red face in front
            for (int i = 0; i <= 14; i++) {
                double a = Rad(i * 360.0 / 14);
                double r = (i % 2) ? 9.0 : 11.6;
                double x = std::cos(a) * r - 1.6, y = std::sin(a) * r + 1.2;
                if (i == 0)
                    cairo_move_to(cr, x, y);
                else
                    cairo_line_to(cr, x, y);
            }
            cairo_close_path(cr);
            FillOutline(cr, l.hair, kInk, 1.0);
            HeadBall(cr, l.top, l.topDark);
            cairo_save(cr);
            cairo_translate(cr, 3.0, 0.8);
            cairo_scale(cr, 1.0, 1.2);
            Circle(cr, 0, 0, 4.6);
            cairo_restore(cr);
            FillOutline(cr, l.skin, kInk, 0.8);
            Eye(cr, 3.8, -1.2, p.eyesShut, Hex(0xF0D040));
            cairo_move_to(cr, 1.6, -3.0);
            cairo_line_to(cr, 6.6, -2.6);
            StrokePath(cr, 1.3, kInk);
            cairo_move_to(cr, 3.0, 3.4);
            cairo_line_to(cr, 7.0, 3.0);
            StrokePath(cr, p.mouthOpen ? 1.8 : 0.9, kInk);
            break;
        }
        case kHeadTengu: {
            HeadBall(cr, l.skin, l.skinDark);
            // white wild hair behind
            cairo_move_to(cr, 2, -6);
            cairo_curve_to(cr, -4, -9, -10, -6, -11, 2);
            cairo_line_to(cr, -8, 1);
            cairo_line_to(cr, -9, 6);
            cairo_curve_to(cr, -6, 3, -4, 0, -2, -2);
            cairo_close_path(cr);
            FillOutline(cr, l.hair, kInk, 1.0);
            // long nose
            cairo_move_to(cr, 4.8, -1.2);
            cairo_curve_to(cr, 9, -1.6, 12, -1.2, 14.5, -0.2);
            cairo_curve_to(cr, 12, 1.2, 8, 1.8, 5.0, 2.2);
            cairo_close_path(cr);
            FillOutline(cr, l.skin, kInk, 1.0);
            Eye(cr, 2.6, -2.2, p.eyesShut, Hex(0xF0D040));
            cairo_move_to(cr, 0.8, -4.4);
            cairo_line_to(cr, 5.0, -3.2);
            StrokePath(cr, 1.3, l.hair);
            cairo_move_to(cr, 2.4, 4.2);
            cairo_line_to(cr, 5.4, 3.8);
            StrokePath(cr, 0.8, kInk);
            break;
        }
        case kHeadFox: {
            // ears
            for (int e = 0; e < 2; e++) {
                double ox = e == 0 ? -3.8 : 1.4;
                cairo_move_to(cr, ox - 1.5, -4.5);
                cairo_line_to(cr, ox + 0.8, -12.5);
                cairo_line_to(cr, ox + 3.4, -4.2);
                cairo_close_path(cr);
                FillOutline(cr, e == 0 ? l.skinDark : l.skin, kInk, 1.0);
                cairo_move_to(cr, ox - 0.2, -5.4);
                cairo_line_to(cr, ox + 0.9, -10.2);
                cairo_line_to(cr, ox + 2.1, -5.2);
                cairo_close_path(cr);
                SetColor(cr, Hex(0xD04848));
                cairo_fill(cr);
            }
            HeadBall(cr, l.skin, l.skinDark);
            // snout
            cairo_move_to(cr, 4.0, -1.8);
            cairo_line_to(cr, 11.5, 1.4);
            cairo_line_to(cr, 4.8, 4.2);
            cairo_close_path(cr);
            FillOutline(cr, l.skin, kInk, 1.0);
            Circle(cr, 11.0, 1.4, 1.0);
            SetColor(cr, kInk);
            cairo_fill(cr);
            // red eye marking
            cairo_move_to(cr, 1.2, -1.2);
            cairo_line_to(cr, 5.8, -2.6);
            cairo_line_to(cr, 4.4, -0.2);
            cairo_close_path(cr);
            SetColor(cr, Hex(0xD02838));
            cairo_fill(cr);
            Eye(cr, 3.6, -1.0, p.eyesShut, Hex(0xF0D040));
            break;
        }
        case kHeadOx: {
            // horns
            for (int e = 0; e < 2; e++) {
                double ox = e == 0 ? -3.0 : 2.0;
                cairo_move_to(cr, ox - 1.6, -4.6);
                cairo_curve_to(cr, ox - 5, -8, ox - 3, -13, ox + 2.8, -13.4);
                cairo_curve_to(cr, ox - 0.4, -11, ox + 0.2, -8, ox + 1.8, -5.2);
                cairo_close_path(cr);
                FillOutline(cr, e == 0 ? Hex(0xB8A888) : Hex(0xE8DCC0), kInk, 0.9);
            }
            HeadBall(cr, l.skin, l.skinDark);
            // muzzle
            cairo_move_to(cr, 3.0, -1.6);
            cairo_line_to(cr, 9.6, -0.2);
            cairo_curve_to(cr, 10.6, 2.6, 9.4, 5.6, 7.0, 5.8);
            cairo_line_to(cr, 2.0, 5.2);
            cairo_close_path(cr);
            FillOutline(cr, l.skinDark, kInk, 1.0);
            Circle(cr, 8.4, 1.6, 0.9);
            SetColor(cr, kInk);
            cairo_fill(cr);
            // brass nose ring
            Circle(cr, 9.2, 3.6, 1.5);
            StrokePath(cr, 0.8, Hex(0xE0B030));
            Eye(cr, 2.4, -2.2, p.eyesShut, Hex(0xF06030));
            break;
        }
        case kHeadLion: {
            // curly mane ring
            for (int i = 0; i < 9; i++) {
                double a = Rad(110 + i * 30);
                Circle(cr, std::cos(a) * 7.2 - 1.2, std::sin(a) * 7.2, 3.4);
                FillOutline(cr, l.hair, kInk, 0.9);
            }
            HeadBall(cr, l.skin, l.skinDark);
            // snub muzzle
            cairo_move_to(cr, 3.2, -0.6);
            cairo_curve_to(cr, 8.5, -1.6, 9.6, 2.6, 8.0, 5.4);
            cairo_line_to(cr, 3.0, 5.4);
            cairo_close_path(cr);
            FillOutline(cr, l.skin, kInk, 1.0);
            cairo_move_to(cr, 4.2, 3.6);
            cairo_line_to(cr, 8.4, 3.4);
            StrokePath(cr, 1.0, Hex(0x801818));
            Circle(cr, 2.8, -2.0, 2.0);
            FillOutline(cr, white, kInk, 0.6);
            Circle(cr, 3.4, -2.0, 1.0);
            SetColor(cr, kInk);
            cairo_fill(cr);
            break;
        }
        case kHeadSkull: {
            HeadBall(cr, l.skin, l.skinDark);
            cairo_move_to(cr, 2.0, -2.4);
            cairo_line_to(cr, 5.6, -2.6);
            cairo_line_to(cr, 5.0, 0.6);
            cairo_line_to(cr, 2.4, 0.4);
            cairo_close_path(cr);
            SetColor(cr, kInk);
            cairo_fill(cr);
            Circle(cr, 4.0, -1.0, 0.8);
            SetColor(cr, Hex(0x60E0FF));
            cairo_fill(cr);
            for (int i = 0; i < 3; i++) {
                cairo_move_to(cr, 2.6 + i * 1.3, 2.8);
                cairo_line_to(cr, 2.6 + i * 1.3, 5.0);
                StrokePath(cr, 0.6, kInk);
            }
            break;
        }
        case kHeadNinja: {
            HeadBall(cr, l.top, l.topDark);
            // eye slit
            cairo_rectangle(cr, 1.2, -2.4, 5.4, 2.6);
            FillOutline(cr, l.skin, kInk, 0.6);
            Eye(cr, 4.0, -1.1, p.eyesShut, white);
            // knot tails behind
            cairo_move_to(cr, -5.6, -2.0);
            cairo_curve_to(cr, -9, -3.5, -11, -1, -13, 1.2);
            cairo_line_to(cr, -11.5, 2.6);
            cairo_curve_to(cr, -9.5, 0.8, -8, 0, -5.4, 0.6);
            cairo_close_path(cr);
            FillOutline(cr, l.trim, kInk, 0.8);
            break;
        }
    }
    // headgear
    switch (l.hat) {
        case kHatNone:
        case kHatHorns:
            break;
        case kHatTopknot: {
            cairo_move_to(cr, -3.2, -6.0);
            cairo_curve_to(cr, -1.0, -9.2, 1.6, -8.6, 3.0, -7.0);
            cairo_line_to(cr, 2.0, -5.6);
            cairo_close_path(cr);
            FillOutline(cr, l.hair, kInk, 0.9);
            break;
        }
        case kHatKabuto: {
            // bowl, neck guard and a gilt crest; the brim sits above the eyes
            cairo_move_to(cr, -10.0, 2.2);
            cairo_line_to(cr, -7.6, -3.6);
            cairo_line_to(cr, -2.0, -3.0);
            cairo_line_to(cr, -4.0, 3.0);
            cairo_close_path(cr);
            FillOutline(cr, l.topDark, kInk, 1.0);
            cairo_move_to(cr, -7.4, -2.8);
            cairo_curve_to(cr, -7.0, -10.8, 6.0, -11.6, 7.4, -3.6);
            cairo_line_to(cr, -7.4, -2.8);
            cairo_close_path(cr);
            FillOutline(cr, l.topDark, kInk, 1.0);
            cairo_move_to(cr, -6.2, -5.0);
            cairo_curve_to(cr, -4.6, -9.6, 3.4, -9.8, 5.4, -6.0);
            StrokePath(cr, 0.8, l.top);
            cairo_move_to(cr, -8, -3.0);
            cairo_line_to(cr, 8.6, -4.0);
            StrokePath(cr, 1.5, l.trim);
            // crest horns
            cairo_move_to(cr, 3.0, -6.4);
            cairo_curve_to(cr, 1.0, -11, 3.0, -15, 6.8, -16.4);
            cairo_curve_to(cr, 4.8, -13, 4.6, -10, 5.2, -6.6);
            cairo_close_path(cr);
            FillOutline(cr, l.trim, kInk, 0.8);
            cairo_move_to(cr, 3.0, -6.4);
            cairo_curve_to(cr, 5.0, -10, 9.4, -12, 12.4, -11.6);
            cairo_curve_to(cr, 9.4, -10, 7.6, -8, 5.6, -6.0);
            cairo_close_path(cr);
            FillOutline(cr, l.trim, kInk, 0.8);
            break;
        }
        case kHatKasa: {
            cairo_move_to(cr, -13.5, -2.4);
            cairo_line_to(cr, 0.5, -11.8);
            cairo_line_to(cr, 14.0, -2.4);
            cairo_curve_to(cr, 6, -3.8, -6, -3.8, -13.5, -2.4);
            cairo_close_path(cr);
            FillOutline(cr, Hex(0xC8A868), kInk, 1.0);
            cairo_move_to(cr, 0.5, -11.8);
            cairo_line_to(cr, -6.5, -3.6);
            cairo_move_to(cr, 0.5, -11.8);
            cairo_line_to(cr, 7.0, -3.6);
            StrokePath(cr, 0.6, Hex(0x8A6E38));
            break;
        }
        case kHatHood: {
            cairo_move_to(cr, 5.4, -4.2);
            cairo_curve_to(cr, 3.0, -8.8, -6.4, -8.4, -7.2, -1.0);
            cairo_curve_to(cr, -7.4, 3.6, -5.8, 6.6, -3.0, 7.6);
            cairo_line_to(cr, -0.4, 2.6);
            cairo_curve_to(cr, 0.0, -0.4, 2.0, -3.2, 5.4, -4.2);
            cairo_close_path(cr);
            FillOutline(cr, l.topDark, kInk, 1.0);
            break;
        }
        case kHatMonk: {
            // white cloth wrapped around the head, face left open
            cairo_move_to(cr, 5.2, -4.6);
            cairo_curve_to(cr, 3.0, -9.2, -6.8, -8.8, -7.6, -1.0);
            cairo_curve_to(cr, -7.8, 3.4, -6.2, 6.0, -3.2, 7.0);
            cairo_line_to(cr, 5.6, 6.4);
            cairo_line_to(cr, 5.0, 4.4);
            cairo_line_to(cr, 0.6, 4.0);
            cairo_curve_to(cr, 0.2, 0.6, 1.4, -2.8, 5.2, -4.6);
            cairo_close_path(cr);
            FillOutline(cr, Hex(0xECE8E0), kInk, 1.0);
            cairo_move_to(cr, -6.8, 0.0);
            cairo_curve_to(cr, -10, 2, -11.5, 5, -12, 8);
            StrokePath(cr, 2.2, Hex(0xECE8E0));
            break;
        }
        case kHatEboshi: {
            cairo_move_to(cr, -5.8, -3.8);
            cairo_curve_to(cr, -7.5, -10, -8.0, -15, -5.0, -18.0);
            cairo_curve_to(cr, -1.5, -15, 2.8, -10, 4.6, -5.2);
            cairo_close_path(cr);
            FillOutline(cr, Hex(0x202024), kInk, 1.0);
            cairo_move_to(cr, -6.2, -3.6);
            cairo_line_to(cr, 4.8, -5.2);
            StrokePath(cr, 1.2, Hex(0x404048));
            break;
        }
        case kHatTokin: {
            cairo_move_to(cr, 0.0, -5.8);
            cairo_line_to(cr, 2.2, -9.4);
            cairo_line_to(cr, 4.8, -8.0);
            cairo_line_to(cr, 4.6, -4.6);
            cairo_close_path(cr);
            FillOutline(cr, Hex(0x202020), kInk, 0.9);
            break;
        }
        case kHatHeadband: {
            cairo_move_to(cr, -6.8, -2.4);
            cairo_line_to(cr, 6.2, -3.8);
            StrokePath(cr, 1.8, l.trim);
            cairo_move_to(cr, -6.4, -2.4);
            cairo_curve_to(cr, -9, -2, -11, 0, -12.5, 2.5);
            cairo_move_to(cr, -6.4, -2.4);
            cairo_curve_to(cr, -9, -1, -10, 2, -10.5, 4.5);
            StrokePath(cr, 1.4, l.trim);
            break;
        }
        case kHatLongHair: {
            cairo_move_to(cr, 4.6, -4.6);
            cairo_curve_to(cr, 1.0, -8.8, -6.6, -8.0, -7.0, -1.0);
            cairo_curve_to(cr, -7.6, 5.0, -9.4, 11.0, -12.6, 16.0);
            cairo_curve_to(cr, -8.0, 14.0, -5.0, 9.0, -3.6, 4.6);
            cairo_curve_to(cr, -2.4, 0.6, 0.6, -2.4, 4.6, -4.6);
            cairo_close_path(cr);
            FillOutline(cr, l.hair, kInk, 1.0);
            break;
        }
    }
    if (l.hat == kHatHorns || l.head == kHeadOni) {
        for (int e = 0; e < 2; e++) {
            double ox = e == 0 ? -2.6 : 2.0;
            cairo_move_to(cr, ox - 1.4, -5.8);
            cairo_curve_to(cr, ox - 1.0, -9, ox + 0.4, -11, ox + 2.4, -12.6);
            cairo_curve_to(cr, ox + 1.6, -10.4, ox + 1.6, -8, ox + 1.8, -5.6);
            cairo_close_path(cr);
            FillOutline(cr, e == 0 ? Hex(0xC8B890) : Hex(0xF0E6C8), kInk, 0.8);
        }
    }
}

// ---- weapons, drawn in weapon space: the grip at the origin, the tip towards -y ----

static void Blade(cairo_t* cr, double from, double to, double w, double curve, Rgb metal) {
    cairo_move_to(cr, -w / 2, from);
    cairo_curve_to(cr, -w / 2 + curve, (from + to) / 2, curve * 1.5, to + 2, curve * 1.4, to);
    cairo_curve_to(cr, w / 2 + curve * 0.9, to + 3, w / 2 + curve * 0.6, (from + to) / 2, w / 2, from);
    cairo_close_path(cr);
    FillOutline(cr, metal, kInk, 0.9);
    cairo_move_to(cr, w / 2 - 0.5, from - 1);
    cairo_curve_to(cr, w / 2 - 0.5 + curve * 0.6, (from + to) / 2, curve * 1.2 + 0.3, to + 4, curve * 1.3,
                   to + 2);
    StrokePath(cr, 0.6, Hex(0xFFFFFF));
}

static void Shaft(cairo_t* cr, double from, double to, double w, Rgb c) {
    cairo_rectangle(cr, -w / 2, to, w, from - to);
    FillOutline(cr, c, kInk, 0.8);
}

static void DrawWeapon(cairo_t* cr, const Look& l) {
    Rgb wood = Hex(0x7A4E2A), grip = Hex(0x2A2030), gold = Hex(0xD8B040);
    switch (l.weapon) {
        case kWeaponNone:
        case kWeaponClaw:
            break;
        case kWeaponKatana:
        case kWeaponNodachi: {
            double len = l.weapon == kWeaponKatana ? 24 : 34;
            Shaft(cr, 4.5, -4.0, 2.2, grip);
            Blade(cr, -4.5, -4.5 - len, 2.4, 1.6, l.metal);
            cairo_save(cr);
            cairo_translate(cr, 0, -4.2);
            cairo_scale(cr, 1.0, 0.45);
            Circle(cr, 0, 0, 2.6);
            cairo_restore(cr);
            FillOutline(cr, gold, kInk, 0.6);
            break;
        }
        case kWeaponTanto: {
            Shaft(cr, 2.5, -2.5, 2.0, grip);
            Blade(cr, -2.8, -13, 2.2, 0.6, l.metal);
            break;
        }
        case kWeaponYari: {
            Shaft(cr, 20, -26, 1.8, wood);
            cairo_move_to(cr, 0, -36);
            cairo_curve_to(cr, 2.6, -32, 2.4, -28, 0, -26);
            cairo_curve_to(cr, -2.4, -28, -2.6, -32, 0, -36);
            cairo_close_path(cr);
            FillOutline(cr, l.metal, kInk, 0.8);
            cairo_move_to(cr, -2.6, -25.6);
            cairo_line_to(cr, 2.6, -25.6);
            StrokePath(cr, 1.4, l.trim);
            break;
        }
        case kWeaponNaginata: {
            Shaft(cr, 16, -22, 2.0, Hex(0x3A2418));
            Blade(cr, -22, -38, 3.2, 3.0, l.metal);
            cairo_move_to(cr, -2.4, -22);
            cairo_line_to(cr, 2.4, -22);
            StrokePath(cr, 1.6, gold);
            break;
        }
        case kWeaponKanabo: {
            cairo_move_to(cr, -1.2, 4);
            cairo_line_to(cr, -3.4, -30);
            cairo_curve_to(cr, -2.0, -33, 2.0, -33, 3.4, -30);
            cairo_line_to(cr, 1.2, 4);
            cairo_close_path(cr);
            FillOutline(cr, Hex(0x3A3440), kInk, 1.0);
            cairo_move_to(cr, 0.4, 2);
            cairo_line_to(cr, 1.6, -29);
            StrokePath(cr, 0.7, Hex(0x6A6478));
            for (int i = 0; i < 5; i++) {
                double y = -10 - i * 4.4;
                double half = 1.6 + i * 0.35;
                Circle(cr, -half, y, 0.9);
                Circle(cr, half, y - 2.2, 0.9);
                SetColor(cr, Hex(0xB8B0A0));
                cairo_fill(cr);
            }
            break;
        }
        case kWeaponBow: {
            cairo_move_to(cr, 0.8, 24);
            cairo_curve_to(cr, 6.5, 10, 6.5, -10, 0.8, -28);
            cairo_curve_to(cr, 4.8, -10, 4.8, 10, 0.8, 24);
            cairo_close_path(cr);
            FillOutline(cr, Hex(0x301818), kInk, 1.0);
            cairo_move_to(cr, 0.6, 23.6);
            cairo_line_to(cr, -0.6, -27.4);
            StrokePath(cr, 0.5, Hex(0xE8E0D0));
            cairo_rectangle(cr, 3.2, -2.2, 2.6, 4.4);
            FillOutline(cr, l.trim, kInk, 0.5);
            break;
        }
        case kWeaponKama: {
            Shaft(cr, 3, -10, 2.0, wood);
            cairo_move_to(cr, -0.6, -10.6);
            cairo_curve_to(cr, 4, -13.5, 9, -12, 11, -8);
            cairo_curve_to(cr, 7.5, -9.8, 3.6, -9.6, 0.8, -8.6);
            cairo_close_path(cr);
            FillOutline(cr, l.metal, kInk, 0.8);
            // chain hanging from the butt
            for (int i = 0; i < 5; i++) {
                cairo_save(cr);
                cairo_translate(cr, -0.6 - i * 1.4, 4.6 + i * 2.4);
                cairo_scale(cr, 1.0, 1.5);
                Circle(cr, 0, 0, 0.9);
                cairo_restore(cr);
                StrokePath(cr, 0.6, Hex(0x9098A8));
            }
            break;
        }
        case kWeaponStaff: {
            Shaft(cr, 22, -26, 2.0, wood);
            Circle(cr, 0, -29, 3.4);
            StrokePath(cr, 1.2, gold);
            Circle(cr, -3.0, -27, 1.3);
            Circle(cr, 3.0, -27, 1.3);
            StrokePath(cr, 0.8, gold);
            break;
        }
        case kWeaponFan: {
            // the tengu's leaf fan: a seven-lobed palm leaf on a short stem
            Shaft(cr, 3, -6, 1.8, wood);
            const int lobes = 7;
            cairo_move_to(cr, 0, -5);
            for (int i = 0; i < lobes; i++) {
                double a0 = Rad(-160 + i * 140.0 / (lobes - 1) - 10),
                       a1 = Rad(-160 + i * 140.0 / (lobes - 1));
                double a2 = Rad(-160 + i * 140.0 / (lobes - 1) + 10);
                double len = 17 - std::abs(i - 3) * 1.5;
                cairo_line_to(cr, std::cos(a0) * 9, -12 + std::sin(a0) * 9);
                cairo_line_to(cr, std::cos(a1) * len, -12 + std::sin(a1) * len);
                cairo_line_to(cr, std::cos(a2) * 9, -12 + std::sin(a2) * 9);
            }
            cairo_close_path(cr);
            FillOutline(cr, Hex(0x4A9A3A), kInk, 1.0);
            for (int i = 0; i < lobes; i++) {
                double a1 = Rad(-160 + i * 140.0 / (lobes - 1));
                double len = 14 - std::abs(i - 3) * 1.5;
                cairo_move_to(cr, 0, -8);
                cairo_line_to(cr, std::cos(a1) * len, -12 + std::sin(a1) * len);
                StrokePath(cr, 0.6, Hex(0xA8E070));
            }
            break;
        }
        case kWeaponAxe: {
            Shaft(cr, 6, -24, 2.2, wood);
            cairo_move_to(cr, 1, -24);
            cairo_curve_to(cr, 8, -26, 10, -20, 9, -14);
            cairo_curve_to(cr, 6, -16, 3, -16, 1, -16);
            cairo_close_path(cr);
            FillOutline(cr, l.metal, kInk, 0.9);
            break;
        }
    }
}

// ---- the figure ----

static Rig Solve(double s, const Look& l, const Pose& p) {
    Rig r;
    r.s = s;
    r.pose = p;
    const double thigh = 11 * s * l.legScale, shin = 11 * s * l.legScale, torso = 17 * s;
    const double neck = (2.7 + 6.5 * l.headScale) * s;
    const double upper = 9 * s * l.armScale, fore = 9 * s * l.armScale;
    r.hip = {0, 0};
    r.lean = p.lean;
    r.shoulder = Add(r.hip, Up(p.lean), torso);
    r.headAng = p.lean + p.neck;
    r.head = Add(r.shoulder, Up(r.headAng), neck);
    r.neckTop = Add(r.shoulder, Up(r.headAng), 2 * s);
    r.kneeB = Add(r.hip, Down(p.hipB), thigh);
    r.footB = Add(r.kneeB, Down(p.hipB - p.knB), shin);
    r.kneeF = Add(r.hip, Down(p.hipF), thigh);
    r.footF = Add(r.kneeF, Down(p.hipF - p.knF), shin);
    Pt shB = Add(r.shoulder, {-1, 0}, 2.0 * s * l.bulk);
    Pt shF = Add(r.shoulder, {1, 0}, 1.0 * s);
    r.elbowF = Add(shF, Down(p.shF), upper);
    r.handF = Add(r.elbowF, Down(p.shF + p.elF), fore);
    r.weaponAng = p.weapon;
    if (p.twoHands) {
        // the far hand holds the grip just below the near hand
        Pt target = Add(r.handF, Up(p.weapon + 180), 4.5 * s);
        r.handB = target;
        r.elbowB = Reach(shB, target, upper, fore, true);
    } else {
        r.elbowB = Add(shB, Down(p.shB), upper);
        r.handB = Add(r.elbowB, Down(p.shB + p.elB), fore);
    }
    return r;
}

static Pt Rot(Pt a, double deg) {
    double c = std::cos(Rad(deg)), sn = std::sin(Rad(deg));
    return {a.x * c - a.y * sn, a.x * sn + a.y * c};
}

static void RotateRig(Rig& r, double deg) {
    Pt* pts[] = {&r.hip,    &r.shoulder, &r.neckTop, &r.head,  &r.elbowB, &r.handB,
                 &r.elbowF, &r.handF,    &r.kneeB,   &r.footB, &r.kneeF,  &r.footF};
    for (Pt* q : pts) *q = Rot(*q, deg);
    r.lean += deg;
    r.headAng += deg;
    r.weaponAng += deg;
}

static void ShiftRig(Rig& r, double dx, double dy) {
    Pt* pts[] = {&r.hip,    &r.shoulder, &r.neckTop, &r.head,  &r.elbowB, &r.handB,
                 &r.elbowF, &r.handF,    &r.kneeB,   &r.footB, &r.kneeF,  &r.footF};
    for (Pt* q : pts) {
        q->x += dx;
        q->y += dy;
    }
}

static void DrawFoot(cairo_t* cr, Pt ankle, double s, double footAng, Rgb c) {
    // footAng: direction the toes point, degrees from +x
    Pt toe = {ankle.x + std::cos(Rad(footAng)) * 4.2 * s, ankle.y + std::sin(Rad(footAng)) * 4.2 * s};
    Segment(cr, {ankle.x - std::cos(Rad(footAng)) * 0.8 * s, ankle.y}, toe, 2.6 * s, c, kInk, 0.9 * gLw);
}

static void DrawLeg(cairo_t* cr, const Rig& r, const Look& l, Pt knee, Pt foot, bool far) {
    double s = r.s;
    Rgb c = far ? l.legsDark : l.legs;
    double w = (l.hakama ? 7.0 : 5.4) * s * std::sqrt(l.bulk);
    Limb(cr, r.hip, knee, foot, w, c, kInk, gLw);
    double fa = 0;
    // a lifted or kneeling foot points along the shin's swing
    double shinAng = std::atan2(foot.y - knee.y, foot.x - knee.x) * 180 / kPi;
    if (shinAng < 45 || shinAng > 135) fa = shinAng - 90;
    DrawFoot(cr, Add(foot, {0, 1}, 1.2 * s), s, fa, far ? Hex(0x2A2420) : Hex(0x4A3E34));
}

static void DrawArm(cairo_t* cr, const Rig& r, const Look& l, Pt elbow, Pt hand, bool far) {
    double s = r.s;
    Pt sh = far ? Add(r.shoulder, {-1, 0}, 2.0 * s * l.bulk) : Add(r.shoulder, {1, 0}, 1.0 * s);
    double w = 5.0 * s * std::sqrt(l.bulk);
    Rgb sleeve = far ? l.topDark : l.top;
    Rgb skin = far ? l.skinDark : l.skin;
    if (l.bareArms) {
        Segment(cr, sh, elbow, w, sleeve, kInk, gLw);
        Segment(cr, elbow, hand, w * 0.85, skin, kInk, gLw);
        Segment(cr, sh, elbow, w - 0.2, sleeve, sleeve, 0);
    } else {
        Limb(cr, sh, elbow, hand, w, sleeve, kInk, gLw);
    }
    if (l.sleeves) {
        // the wide sleeve hangs from the forearm towards the ground
        Pt a = {elbow.x + (hand.x - elbow.x) * 0.05, elbow.y + (hand.y - elbow.y) * 0.05};
        Pt b = {elbow.x + (hand.x - elbow.x) * 0.75, elbow.y + (hand.y - elbow.y) * 0.75};
        double drop = 7.5 * s;
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_curve_to(cr, b.x, b.y + drop * 0.7, b.x - 1 * s, b.y + drop, b.x - 3 * s, b.y + drop);
        cairo_line_to(cr, a.x - 1 * s, a.y + drop * 0.8);
        cairo_close_path(cr);
        FillOutline(cr, sleeve, kInk, gLw);
        cairo_move_to(cr, b.x - 0.5 * s, b.y + 1 * s);
        cairo_line_to(cr, b.x - 2.5 * s, b.y + drop - 1 * s);
        StrokePath(cr, 0.8 * s, far ? l.topDark : l.topLight);
    }
    Circle(cr, hand.x, hand.y, 2.1 * s * std::sqrt(l.bulk));
    FillOutline(cr, skin, kInk, 0.9 * gLw);
    if (l.weapon == kWeaponClaw) {
        for (int i = -1; i <= 1; i++) {
            cairo_move_to(cr, hand.x + 1.2 * s, hand.y + i * 1.4 * s);
            cairo_line_to(cr, hand.x + 4.2 * s, hand.y + i * 1.8 * s + 1.0 * s);
            StrokePath(cr, 0.9 * s, Hex(0xF0ECE0));
        }
    }
    if (l.armour && !far) {
        // shoulder guard hanging from the shoulder along the upper arm
        double ang = std::atan2(elbow.y - sh.y, elbow.x - sh.x);
        cairo_save(cr);
        cairo_translate(cr, sh.x, sh.y);
        cairo_rotate(cr, ang - kPi / 2);
        cairo_scale(cr, s * l.bulk, s * l.bulk);
        cairo_rectangle(cr, -4.2, -1.6, 8.4, 8.0);
        FillOutline(cr, l.topDark, kInk, 1.0);
        for (int i = 0; i < 3; i++) {
            cairo_move_to(cr, -4.0, 1.2 + i * 2.4);
            cairo_line_to(cr, 4.0, 1.2 + i * 2.4);
            StrokePath(cr, 0.7, l.trim);
        }
        cairo_restore(cr);
    }
}

static void DrawTorso(cairo_t* cr, const Rig& r, const Look& l) {
    double s = r.s, b = l.bulk;
    Pt ax = Up(r.lean), side = {-ax.y, ax.x};  // side points forward (+x when upright)
    double waist = 5.0 * s * b, shoulder = 7.0 * s * b, torso = 17 * s;
    Pt h = r.hip, t = r.shoulder;
    Pt p0 = Add(h, side, waist), p1 = Add(t, side, shoulder * 0.85);
    Pt p2 = Add(t, side, -shoulder), p3 = Add(h, side, -waist);
    // chest bulging forward, rounded shoulders, a slight curve down the back
    Pt chest = Add(Add(h, ax, torso * 0.6), side, shoulder * 1.05);
    Pt backMid = Add(Add(h, ax, torso * 0.5), side, -shoulder * 1.05);
    cairo_move_to(cr, p0.x, p0.y);
    cairo_curve_to(cr, chest.x, chest.y, p1.x, p1.y, p1.x, p1.y);
    cairo_curve_to(cr, p1.x + ax.x * 3.5 * s, p1.y + ax.y * 3.5 * s, p2.x + ax.x * 3.5 * s,
                   p2.y + ax.y * 3.5 * s, p2.x, p2.y);
    cairo_curve_to(cr, p2.x, p2.y, backMid.x, backMid.y, p3.x, p3.y);
    cairo_close_path(cr);
    FillOutline(cr, l.top, kInk, 1.1 * gLw);
    // shade on the back half
    Pt m0 = Add(h, side, -waist * 0.2), m1 = Add(t, side, -shoulder * 0.3);
    cairo_move_to(cr, m0.x, m0.y);
    cairo_line_to(cr, m1.x, m1.y);
    cairo_line_to(cr, Add(p2, side, 0.6 * s).x, Add(p2, side, 0.6 * s).y);
    cairo_line_to(cr, Add(p3, side, 0.6 * s).x, Add(p3, side, 0.6 * s).y);
    cairo_close_path(cr);
    SetColor(cr, l.topDark);
    cairo_fill(cr);
    if (l.armour) {
        // laced plates across the chest
        for (int i = 1; i <= 3; i++) {
            Pt a = Add(Add(h, ax, (4 + i * 3.2) * s), side, -waist * 1.1 - i * 0.5 * s);
            Pt c = Add(Add(h, ax, (4 + i * 3.2) * s), side, waist * 0.95 + i * 0.4 * s);
            cairo_move_to(cr, a.x, a.y);
            cairo_line_to(cr, c.x, c.y);
            StrokePath(cr, 0.9 * s, l.trim);
        }
        // skirt plates
        Pt k0 = Add(h, side, waist * 1.3), k1 = Add(h, side, -waist * 1.5);
        Pt k2 = Add(Add(h, side, -waist * 1.9), ax, -8 * s), k3 = Add(Add(h, side, waist * 1.7), ax, -8 * s);
        cairo_move_to(cr, k0.x, k0.y);
        cairo_line_to(cr, k1.x, k1.y);
        cairo_line_to(cr, k2.x, k2.y);
        cairo_line_to(cr, k3.x, k3.y);
        cairo_close_path(cr);
        FillOutline(cr, l.topDark, kInk, gLw);
        for (int i = 1; i <= 2; i++) {
            Pt a = Add(Add(h, side, -waist * (1.5 + i * 0.13)), ax, -i * 2.7 * s);
            Pt c = Add(Add(h, side, waist * (1.3 + i * 0.13)), ax, -i * 2.7 * s);
            cairo_move_to(cr, a.x, a.y);
            cairo_line_to(cr, c.x, c.y);
            StrokePath(cr, 0.8 * s, l.trim);
        }
    } else if (l.muscles) {
        Pt c0 = Add(Add(t, ax, -5.5 * s), side, -shoulder * 0.2),
           c1 = Add(Add(t, ax, -6.5 * s), side, shoulder * 0.85);
        Pt c2 = Add(Add(t, ax, -3.0 * s), side, shoulder * 0.35);
        cairo_move_to(cr, c0.x, c0.y);
        cairo_curve_to(cr, c2.x, c2.y + 3 * s, c1.x, c1.y, c1.x, c1.y);
        StrokePath(cr, 0.9 * gLw, l.topDark);
        for (int i = 0; i < 2; i++) {
            Pt a0 = Add(Add(h, ax, (4 + i * 3) * s), side, waist * 0.1);
            Pt a1 = Add(Add(h, ax, (4 + i * 3) * s), side, waist * 0.8);
            cairo_move_to(cr, a0.x, a0.y);
            cairo_line_to(cr, a1.x, a1.y);
            StrokePath(cr, 0.8 * gLw, l.topDark);
        }
    } else if (!l.plainTorso) {
        // collar V and the sash
        Pt c0 = Add(t, side, shoulder * 0.5), c1 = Add(Add(t, ax, -7 * s), side, shoulder * 0.15);
        Pt c2 = Add(t, side, -shoulder * 0.2);
        cairo_move_to(cr, c0.x, c0.y);
        cairo_line_to(cr, c1.x, c1.y);
        cairo_line_to(cr, c2.x, c2.y);
        StrokePath(cr, 1.4 * s, l.topLight);
        Pt s0 = Add(Add(h, ax, 2.5 * s), side, waist * 1.05),
           s1 = Add(Add(h, ax, 2.5 * s), side, -waist * 1.05);
        Segment(cr, s0, s1, 3.0 * s, l.trim, kInk, 0.8 * gLw);
    }
}

static void DrawSkirt(cairo_t* cr, const Rig& r, const Look& l) {
    if (!l.hakama || l.armour) return;
    double s = r.s;
    Pt a = Add(r.hip, {1, 0}, 5.2 * s * l.bulk), b = Add(r.hip, {-1, 0}, 5.2 * s * l.bulk);
    Pt kb = Add(r.kneeB, {-1, 0.2}, 3.0 * s), kf = Add(r.kneeF, {1, 0.2}, 3.0 * s);
    Pt kbf = r.kneeB.x < r.kneeF.x ? kb : kf, kff = r.kneeB.x < r.kneeF.x ? kf : kb;
    cairo_move_to(cr, b.x, b.y - 1 * s);
    cairo_line_to(cr, a.x, a.y - 1 * s);
    cairo_line_to(cr, kff.x, kff.y);
    cairo_line_to(cr, kbf.x, kbf.y);
    cairo_close_path(cr);
    FillOutline(cr, l.legs, kInk, gLw);
    Pt mid = {(kff.x + kbf.x) / 2, (kff.y + kbf.y) / 2};
    cairo_move_to(cr, r.hip.x, r.hip.y + 1 * s);
    cairo_line_to(cr, mid.x, mid.y - 1 * s);
    StrokePath(cr, 0.7 * s, l.legsDark);
}

void DrawFigure(cairo_t* cr, double cellX, double cellY, double cellW, double cellH, double s, const Look& l,
                const Pose& p) {
    Rig r = Solve(s, l, p);
    gLw = std::max(1.0, 0.85 * s);
    if (p.rot != 0) RotateRig(r, p.rot);
    // lowest point of the figure: the feet, or for a lying body whatever is lowest
    double low = std::max(r.footB.y, r.footF.y) + 2.6 * s;
    Pt others[] = {r.hip, r.shoulder, r.elbowB, r.elbowF, r.handB, r.handF, r.kneeB, r.kneeF};
    for (Pt q : others) low = std::max(low, q.y + 3.0 * s);
    low = std::max(low, r.head.y + 7.5 * s * l.headScale);
    ShiftRig(r, cellX + cellW / 2 + p.dx * s, cellY + cellH - 0.5 - p.lift * s - low);

    // keep a magenta frame on three sides so neighbouring cells never bleed; the feet stand on
    // the bottom line itself
    cairo_save(cr);
    cairo_rectangle(cr, cellX + 1, cellY + 1, cellW - 2, cellH - 1);
    cairo_clip(cr);
    if (l.back) l.back(cr, r, l);
    bool weaponFar = p.weaponInBack;
    auto weapon = [&](Pt at) {
        if (!p.showWeapon || l.weapon == kWeaponNone || l.weapon == kWeaponClaw) return;
        cairo_save(cr);
        cairo_translate(cr, at.x, at.y);
        cairo_rotate(cr, Rad(r.weaponAng));
        cairo_scale(cr, s, s);
        DrawWeapon(cr, l);
        cairo_restore(cr);
    };
    if (weaponFar) weapon(r.handB);
    DrawArm(cr, r, l, r.elbowB, r.handB, true);
    DrawLeg(cr, r, l, r.kneeB, r.footB, true);
    DrawLeg(cr, r, l, r.kneeF, r.footF, false);
    DrawSkirt(cr, r, l);
    DrawTorso(cr, r, l);
    if (l.overTorso) l.overTorso(cr, r, l);
    cairo_save(cr);
    cairo_translate(cr, r.head.x, r.head.y);
    cairo_rotate(cr, Rad(r.headAng * 0.6));
    cairo_scale(cr, s * l.headScale, s * l.headScale);
    DrawHead(cr, l, p);
    if (l.headExtra) l.headExtra(cr, r, l);
    cairo_restore(cr);
    if (!weaponFar) weapon(r.handF);
    if (p.twoHands) {
        // the far hand on the grip shows over the weapon
        Circle(cr, r.handB.x, r.handB.y, 2.1 * s * std::sqrt(l.bulk));
        FillOutline(cr, l.skinDark, kInk, 0.9 * gLw);
    }
    DrawArm(cr, r, l, r.elbowF, r.handF, false);
    if (l.front) l.front(cr, r, l);
    cairo_restore(cr);
}

// ---- effects ----

static void CrescentPath(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1,
                         double t) {
    const int n = 48;
    for (int i = 0; i <= n; i++) {
        double th = Rad(a0 + (a1 - a0) * i / n);
        double x = cx + rx * std::cos(th), y = cy + ry * std::sin(th);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    for (int i = n; i >= 0; i--) {
        double th = Rad(a0 + (a1 - a0) * i / n);
        double k = 1 - t * std::pow(std::sin(kPi * i / n), 0.8) * (0.55 + 0.45 * i / n);
        cairo_line_to(cr, cx + rx * k * std::cos(th), cy + ry * k * std::sin(th));
    }
    cairo_close_path(cr);
}

void Crescent(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1, double t,
              Rgb edge, Rgb mid, Rgb core) {
    CrescentPath(cr, cx, cy, rx, ry, a0, a1, t);
    FillOutline(cr, edge, Mix(edge, kInk, 0.6), 1.5);
    CrescentPath(cr, cx, cy, rx, ry, a0 + (a1 - a0) * 0.06, a1, t * 0.62);
    SetColor(cr, mid);
    cairo_fill(cr);
    CrescentPath(cr, cx, cy, rx, ry, a0 + (a1 - a0) * 0.15, a1, t * 0.28);
    SetColor(cr, core);
    cairo_fill(cr);
}

static void StreakPath(cairo_t* cr, double x, double y, double w, double h, double k) {
    double cy = y + h / 2, hh = h / 2 * k;
    cairo_move_to(cr, x + w * (1 - k) * 0.5, cy);
    cairo_curve_to(cr, x + w * 0.4, cy - hh * 0.5, x + w * 0.75, cy - hh, x + w * 0.88, cy - hh * 0.7);
    cairo_line_to(cr, x + w - 1, cy);
    cairo_line_to(cr, x + w * 0.88, cy + hh * 0.7);
    cairo_curve_to(cr, x + w * 0.75, cy + hh, x + w * 0.4, cy + hh * 0.5, x + w * (1 - k) * 0.5, cy);
    cairo_close_path(cr);
}

void Streak(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb mid, Rgb core) {
    StreakPath(cr, x + 1, y + 1, w - 2, h - 2, 1.0);
    FillOutline(cr, edge, Mix(edge, kInk, 0.6), 1.5);
    StreakPath(cr, x + 1, y + 1, w - 2, h - 2, 0.62);
    SetColor(cr, mid);
    cairo_fill(cr);
    StreakPath(cr, x + 1, y + 1, w - 2, h - 2, 0.28);
    SetColor(cr, core);
    cairo_fill(cr);
}

static void PillarPath(cairo_t* cr, double x, double y, double w, double h, double k, uint32_t seed) {
    ArtRandom rnd(seed);
    double cx = x + w / 2, hw = w / 2 * k;
    int tongues = 5;
    cairo_move_to(cr, cx - hw, y + h);
    int waves = std::max(2, int(h / 40));
    for (int i = 1; i <= waves; i++) {
        double yy = y + h - (h * 0.78) * i / waves;
        cairo_line_to(cr, cx - hw * (0.86 + 0.14 * ((i % 2) ? 1 : 0)), yy);
    }
    for (int i = 0; i < tongues; i++) {
        double tx = cx - hw + 2 * hw * (i + 0.5) / tongues;
        double tip = y + (1 - k) * h * 0.2 + rnd.Range(0, h * 0.12);
        cairo_line_to(cr, tx, tip);
        cairo_line_to(cr, cx - hw + 2 * hw * (i + 1) / tongues, y + h * 0.22 + rnd.Range(0, h * 0.05));
    }
    for (int i = waves; i >= 1; i--) {
        double yy = y + h - (h * 0.78) * i / waves;
        cairo_line_to(cr, cx + hw * (0.86 + 0.14 * ((i % 2) ? 0 : 1)), yy);
    }
    cairo_line_to(cr, cx + hw, y + h);
    cairo_close_path(cr);
}

void Pillar(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb mid, Rgb core, uint32_t seed) {
    PillarPath(cr, x + 1, y + 1, w - 2, h - 2, 1.0, seed);
    FillOutline(cr, edge, Mix(edge, kInk, 0.6), 1.5);
    PillarPath(cr, x + 1, y + 1 + h * 0.05, w - 2, h - 2 - h * 0.05, 0.66, seed + 1);
    SetColor(cr, mid);
    cairo_fill(cr);
    PillarPath(cr, x + 1, y + 1 + h * 0.12, w - 2, h - 2 - h * 0.12, 0.32, seed + 2);
    SetColor(cr, core);
    cairo_fill(cr);
}

static void BurstPath(cairo_t* cr, double cx, double cy, double rx, double ry, int spikes, double k,
                      uint32_t seed) {
    ArtRandom rnd(seed);
    for (int i = 0; i < spikes * 2; i++) {
        double a = 2 * kPi * i / (spikes * 2) - kPi / 2;
        double r = (i % 2 == 0) ? rnd.Range(0.82, 1.0) : rnd.Range(0.45, 0.6);
        r *= k;
        double x = cx + std::cos(a) * rx * r, y = cy + std::sin(a) * ry * r;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void Burst(cairo_t* cr, double x, double y, double w, double h, int spikes, Rgb edge, Rgb mid, Rgb core,
           uint32_t seed) {
    double cx = x + w / 2, cy = y + h / 2, rx = w / 2 - 1.5, ry = h / 2 - 1.5;
    BurstPath(cr, cx, cy, rx, ry, spikes, 1.0, seed);
    FillOutline(cr, edge, Mix(edge, kInk, 0.6), 1.4);
    BurstPath(cr, cx, cy, rx, ry, spikes, 0.7, seed + 7);
    SetColor(cr, mid);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    Circle(cr, 0, 0, 0.3);
    cairo_restore(cr);
    SetColor(cr, core);
    cairo_fill(cr);
}

static void DropPath(cairo_t* cr, double k) {
    // unit teardrop: round bottom radius k at (0, 0.35), tip at (0, -1)
    cairo_move_to(cr, 0, -1 + (1 - k) * 1.1);
    cairo_curve_to(cr, 0.35 * k, -0.45, 0.62 * k, -0.05, 0.62 * k, 0.32);
    cairo_arc(cr, 0, 0.32, 0.62 * k, 0, kPi);
    cairo_curve_to(cr, -0.62 * k, -0.05, -0.35 * k, -0.45, 0, -1 + (1 - k) * 1.1);
    cairo_close_path(cr);
}

void Fireball(cairo_t* cr, double x, double y, double w, double h, double angle, Rgb edge, Rgb mid,
              Rgb core) {
    double cx = x + w / 2, cy = y + h / 2, r = std::min(w, h) / 2 - 1.5;
    const double ks[3] = {1.0, 0.68, 0.38};
    const Rgb cs[3] = {edge, mid, core};
    for (int i = 0; i < 3; i++) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy + (i ? r * 0.2 * i : 0));
        cairo_rotate(cr, Rad(angle));
        cairo_scale(cr, r, r);
        DropPath(cr, ks[i]);
        cairo_restore(cr);
        if (i == 0)
            FillOutline(cr, cs[i], Mix(edge, kInk, 0.6), 1.4);
        else {
            SetColor(cr, cs[i]);
            cairo_fill(cr);
        }
    }
}

void Marker(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb core) {
    double cx = x + w / 2, cy = y + h - h * 0.18;
    for (int pass = 0; pass < 2; pass++) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, w / 2 - 3, h * 0.13);
        Circle(cr, 0, 0, 1);
        cairo_restore(cr);
        StrokePath(cr, pass == 0 ? 5 : 2.5, pass == 0 ? edge : core);
    }
    // rising sparks pointing down at the spot
    for (int i = 0; i < 3; i++) {
        double ax = cx + (i - 1) * w * 0.28, top = y + 4 + (i == 1 ? 0 : h * 0.15);
        cairo_move_to(cr, ax - 4, top);
        cairo_line_to(cr, ax + 4, top);
        cairo_line_to(cr, ax, cy - h * 0.2);
        cairo_close_path(cr);
        FillOutline(cr, core, edge, 1.6);
    }
}

void Whirl(cairo_t* cr, double x, double y, double w, double h, Rgb edge, Rgb mid, Rgb core) {
    double cx = x + w / 2, cy = y + h / 2, rx = w / 2 - 2, ry = h / 2 - 2;
    for (int i = 0; i < 3; i++) {
        double a0 = i * 120 - 10;
        double k = 1.0 - i * 0.14;
        Crescent(cr, cx, cy, rx * k, ry * k, a0, a0 + 150, 0.32, edge, mid, core);
    }
}

void BeginCell(ArtCanvas& c, double x, double y, double w, double h, const std::string& label) {
    c.Cell(x, y, w, h, label);
    cairo_save(c.cr);
    cairo_rectangle(c.cr, x + 1, y + 1, w - 2, h - 1);
    cairo_clip(c.cr);
}

void EndCell(ArtCanvas& c) {
    cairo_restore(c.cr);
}

}  // namespace bosses

namespace bosses {

Pose PoseStand() {
    Pose p;
    p.shB = -8, p.elB = 25, p.shF = 30, p.elF = 45, p.weapon = 45;
    p.hipB = -9, p.knB = 6, p.hipF = 10, p.knF = 6;
    return p;
}

Pose PoseWalkA() {
    Pose p = PoseStand();
    p.hipB = -24, p.knB = 22, p.hipF = 24, p.knF = 4;
    p.shB = 18, p.shF = 18, p.weapon = 55;
    return p;
}

Pose PoseWalkB() {
    Pose p = PoseStand();
    p.hipB = 22, p.knB = 4, p.hipF = -20, p.knF = 28;
    p.shB = -24, p.shF = 40, p.weapon = 40;
    return p;
}

Pose PoseWindup() {
    Pose p;
    p.lean = -8, p.neck = 6;
    p.shF = 120, p.elF = 50, p.weapon = -100, p.twoHands = true;
    p.hipB = -30, p.knB = 14, p.hipF = 28, p.knF = 18;
    return p;
}

Pose PoseSlash() {
    Pose p;
    p.lean = 20, p.neck = -10;
    p.shF = 85, p.elF = 5, p.weapon = 120, p.twoHands = true;
    p.hipB = -40, p.knB = 4, p.hipF = 48, p.knF = 44;
    p.dx = -10;
    return p;
}

Pose PoseThrust() {
    Pose p;
    p.lean = 16, p.neck = -10;
    p.shF = 88, p.elF = 0, p.weapon = 90;
    p.shB = -40, p.elB = 20;
    p.hipB = -42, p.knB = 4, p.hipF = 46, p.knF = 40;
    p.dx = -12;
    return p;
}

Pose PoseGuard() {
    Pose p;
    p.lean = 0;
    p.shF = 40, p.elF = 75, p.weapon = 8, p.twoHands = true;
    p.hipB = -18, p.knB = 22, p.hipF = 22, p.knF = 26;
    return p;
}

Pose PoseHurt() {
    Pose p;
    p.lean = -22, p.neck = -18;
    p.shB = -50, p.elB = 30, p.shF = -20, p.elF = 50, p.weapon = -60;
    p.hipB = -6, p.knB = 24, p.hipF = 24, p.knF = 6;
    p.eyesShut = true, p.mouthOpen = true;
    p.dx = 4;
    return p;
}

Pose PoseRecoil() {
    Pose p;
    p.lean = -12, p.neck = -6;
    p.shF = 110, p.elF = 20, p.weapon = 20, p.shB = -40, p.elB = 30;
    p.hipB = -32, p.knB = 28, p.hipF = 14, p.knF = 4;
    p.dx = 4;
    return p;
}

Pose PoseJump() {
    Pose p;
    p.lean = 6;
    p.shF = 70, p.elF = 30, p.weapon = 70, p.shB = -50, p.elB = 40;
    p.hipB = 30, p.knB = 90, p.hipF = 60, p.knF = 95;
    p.lift = 6;
    return p;
}

Pose PoseDash() {
    Pose p;
    p.lean = 38, p.neck = -24;
    p.shF = -40, p.elF = 20, p.weapon = 250, p.shB = -60, p.elB = 20;
    p.hipB = -55, p.knB = 30, p.hipF = 62, p.knF = 70;
    p.dx = -2;
    return p;
}

Pose PoseCrouch() {
    Pose p;
    p.lean = 30, p.neck = -20;
    p.shF = 50, p.elF = 40, p.weapon = 100, p.shB = -30, p.elB = 40;
    p.hipB = 40, p.knB = 125, p.hipF = 78, p.knF = 130;
    return p;
}

Pose PoseThrow() {
    Pose p;
    p.lean = 12, p.neck = -4;
    p.shF = 130, p.elF = -10, p.shB = -50, p.elB = 20, p.showWeapon = false;
    p.hipB = -30, p.knB = 8, p.hipF = 30, p.knF = 24;
    return p;
}

Pose PoseDefeated() {
    Pose p;
    p.lean = 38, p.neck = 24;
    p.shF = 12, p.elF = 10, p.shB = 4, p.elB = 10, p.weapon = 160;
    p.hipB = 8, p.knB = 96, p.hipF = 82, p.knF = 92;
    p.eyesShut = true;
    return p;
}

}  // namespace bosses

namespace bosses {

void FigureCell(ArtCanvas& c, int col, int row, double cw, double ch, double s, const Look& l, const Pose& p,
                const std::string& label) {
    c.Cell(col * cw, row * ch, cw, ch, label);
    DrawFigure(c.cr, col * cw, row * ch, cw, ch, s, l, p);
}

}  // namespace bosses

namespace bosses {

void ArcSlash(cairo_t* cr, double x, double y, double w, double h, bool lower, Rgb edge, Rgb mid, Rgb core) {
    double rx = w / 2 - 2, ry = h * 0.86;
    if (lower)
        Crescent(cr, x + w / 2, y + h * 0.1, rx, ry, 175, 5, 0.5, edge, mid, core);
    else
        Crescent(cr, x + w / 2, y + h * 0.9, rx, ry, 185, 355, 0.5, edge, mid, core);
}

}  // namespace bosses
