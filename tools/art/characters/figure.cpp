#include "tools/art/characters/figure.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

const Rgb kInk = {0.13, 0.09, 0.10};

static const double kPi = 3.14159265358979;
static double Rad(double deg) {
    return deg * kPi / 180.0;
}
static V2 Add(V2 a, V2 b) {
    return {a.x + b.x, a.y + b.y};
}
static V2 Sub(V2 a, V2 b) {
    return {a.x - b.x, a.y - b.y};
}
static V2 Mul(V2 a, double k) {
    return {a.x * k, a.y * k};
}
static double Len(V2 a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}
static V2 Norm(V2 a) {
    double l = Len(a);
    return l > 1e-9 ? Mul(a, 1.0 / l) : V2{0, 1};
}
static V2 Perp(V2 a) {
    return {-a.y, a.x};
}
static V2 Dir(double deg) {
    return {std::cos(Rad(deg)), std::sin(Rad(deg))};
}
// Rotates a local offset (x forward, y down) by the given angle.
static V2 Rot(V2 v, double deg) {
    double c = std::cos(Rad(deg)), s = std::sin(Rad(deg));
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Tone MakeTone(uint32_t rgb) {
    Rgb b = Hex(rgb);
    Rgb dark = Mix(b, Rgb{0.10, 0.05, 0.15}, 0.38);
    Rgb light = Mix(b, Rgb{1.0, 0.97, 0.88}, 0.35);
    return {b, dark, light};
}

static void CapsulePath(cairo_t* cr, V2 a, double ra, V2 b, double rb) {
    V2 d = Sub(b, a);
    double l = Len(d);
    if (l < 1e-6) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, a.x, a.y, std::max(ra, rb), 0, 2 * kPi);
        return;
    }
    double ang = std::atan2(d.y, d.x);
    // Tangent angle of the cone between the two end circles.
    double s = (ra - rb) / l;
    s = std::max(-0.99, std::min(0.99, s));
    double phi = std::acos(s);
    cairo_new_sub_path(cr);
    cairo_arc(cr, b.x, b.y, rb, ang - phi, ang + phi);
    cairo_arc(cr, a.x, a.y, ra, ang + phi, ang + 2 * kPi - phi);
    cairo_close_path(cr);
}

static void PolyPath(cairo_t* cr, const V2* p, int n) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, p[0].x, p[0].y);
    for (int i = 1; i < n; i++) cairo_line_to(cr, p[i].x, p[i].y);
    cairo_close_path(cr);
}

static void FillAndOutline(cairo_t* cr, Rgb fill, double ow) {
    SetColor(cr, fill);
    cairo_fill_preserve(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, ow);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void InkCapsule(cairo_t* cr, V2 a, double ra, V2 b, double rb, Rgb fill, double ow) {
    CapsulePath(cr, a, ra, b, rb);
    FillAndOutline(cr, fill, ow);
}

void InkPoly(cairo_t* cr, const V2* p, int n, Rgb fill, double ow) {
    PolyPath(cr, p, n);
    FillAndOutline(cr, fill, ow);
}

void InkCircle(cairo_t* cr, V2 c, double r, Rgb fill, double ow) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, r, 0, 2 * kPi);
    FillAndOutline(cr, fill, ow);
}

void InkEllipse(cairo_t* cr, V2 c, double rx, double ry, double angleDeg, Rgb fill, double ow) {
    cairo_save(cr);
    cairo_translate(cr, c.x, c.y);
    cairo_rotate(cr, Rad(angleDeg));
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    FillAndOutline(cr, fill, ow);
}

void FlatPoly(cairo_t* cr, const V2* p, int n, Rgb fill) {
    PolyPath(cr, p, n);
    SetColor(cr, fill);
    cairo_fill(cr);
}

void FlatCapsule(cairo_t* cr, V2 a, double ra, V2 b, double rb, Rgb fill) {
    CapsulePath(cr, a, ra, b, rb);
    SetColor(cr, fill);
    cairo_fill(cr);
}

void Line(cairo_t* cr, V2 a, V2 b, double w, Rgb c) {
    SetColor(cr, c);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, a.x, a.y);
    cairo_line_to(cr, b.x, b.y);
    cairo_stroke(cr);
}

// Two-bone reach: the middle joint for a limb from root towards target, bent to the side
// of `pref`. The end point is the target pulled within reach.
static void Reach(V2 root, V2 target, double a, double b, V2 pref, V2* joint, V2* end) {
    V2 d = Sub(target, root);
    double dist = Len(d);
    V2 u = Norm(d);
    dist = std::max(std::fabs(a - b) + 0.05, std::min(a + b - 0.05, dist));
    double cosA = (a * a + dist * dist - b * b) / (2 * a * dist);
    cosA = std::max(-1.0, std::min(1.0, cosA));
    double sinA = std::sqrt(1 - cosA * cosA);
    V2 n = Perp(u);
    if (n.x * pref.x + n.y * pref.y < 0) n = Mul(n, -1);
    *joint = Add(root, Add(Mul(u, a * cosA), Mul(n, a * sinA)));
    *end = Add(root, Mul(u, dist));
}

static V2 TorsoUp(const Pose& p) {
    return {std::sin(Rad(p.lean)), -std::cos(Rad(p.lean))};
}

V2 NeckOf(const Pose& p) {
    return Add(p.hip, Mul(TorsoUp(p), kTorsoLen));
}

V2 HeadCentreOf(const Pose& p) {
    V2 u = Rot(TorsoUp(p), p.head_tilt);
    return Add(NeckOf(p), Mul(u, kHeadR + 1.2));
}

Pose PoseFromRow(const PoseRow& r, double dx, double dy) {
    Pose p;
    p.hip = {r.hx + dx, r.hy + dy};
    p.lean = r.lean;
    p.head_tilt = r.tilt;
    p.hand_f = {r.hfx + dx, r.hfy + dy};
    p.hand_b = {r.hbx + dx, r.hby + dy};
    p.foot_f = {r.ffx + dx, r.ffy};
    p.foot_b = {r.fbx + dx, r.fby};
    p.weapon_angle = r.weapon;
    p.two_hands = (r.flags & kPoseTwoHands) != 0;
    p.hair_swing = r.swing;
    p.eyes_closed = (r.flags & kPoseEyesClosed) != 0;
    p.mouth_open = (r.flags & kPoseMouthOpen) != 0;
    return p;
}

void DrawWeapon(cairo_t* cr, Weapon w, V2 g, double angleDeg, double k) {
    V2 d = Dir(angleDeg), n = Perp(d);
    Rgb steel = Hex(0xDDE6EE), steelDark = Hex(0x8A9AAE), hilt = Hex(0x3A2430), gold = Hex(0xD8A640);
    Rgb wood = Hex(0x8A5A32);
    switch (w) {
        case kWeaponNone:
            return;
        case kWeaponKatana:
        case kWeaponNodachi: {
            double len = (w == kWeaponKatana ? 22 : 29) * k;
            // Blade: a slim curved wedge from the guard to the point, edge on the n side.
            V2 pts[8];
            int m = 0;
            for (int i = 0; i <= 3; i++) {
                double t = i / 3.0;
                double bend = 1.6 * k * t * t;
                double half = (1.15 - 0.55 * t) * k;
                pts[m++] = Add(Add(g, Mul(d, 2 * k + t * len)), Mul(n, -bend + half));
            }
            for (int i = 3; i >= 0; i--) {
                double t = i / 3.0;
                double bend = 1.6 * k * t * t;
                double half = (1.15 - 0.55 * t) * k;
                pts[m++] =
                    Add(Add(g, Mul(d, 2 * k + t * len + (i == 3 ? 1.6 * k : 0))), Mul(n, -bend - half));
            }
            InkPoly(cr, pts, 8, steel, 0.8);
            Line(cr, Add(g, Mul(d, 3 * k)), Add(Add(g, Mul(d, 2 * k + len * 0.85)), Mul(n, -1.4 * k)), 0.7,
                 steelDark);
            InkCapsule(cr, Add(g, Mul(d, -4.5 * k)), 1.2 * k, Add(g, Mul(d, 1.0 * k)), 1.2 * k, hilt, 0.7);
            InkEllipse(cr, Add(g, Mul(d, 1.6 * k)), 0.9 * k, 2.2 * k, angleDeg, gold, 0.7);
            return;
        }
        case kWeaponSpear: {
            InkCapsule(cr, Add(g, Mul(d, -12 * k)), 0.95 * k, Add(g, Mul(d, 17 * k)), 0.95 * k, wood, 0.7);
            V2 tip[4] = {Add(g, Mul(d, 17 * k)), Add(Add(g, Mul(d, 20 * k)), Mul(n, 1.6 * k)),
                         Add(g, Mul(d, 25 * k)), Add(Add(g, Mul(d, 20 * k)), Mul(n, -1.6 * k))};
            InkPoly(cr, tip, 4, steel, 0.7);
            return;
        }
        case kWeaponClub: {
            InkCapsule(cr, Add(g, Mul(d, -3 * k)), 1.3 * k, Add(g, Mul(d, 19 * k)), 3.6 * k, Hex(0x4A4650),
                       0.9);
            for (int i = 0; i < 4; i++) {
                V2 c = Add(g, Mul(d, (7 + i * 3.5) * k));
                double r = (1.3 + 2.3 * (7 + i * 3.5) / 22.0) * k;
                FillCircle(cr, Add(c, Mul(n, r * 0.5)).x, Add(c, Mul(n, r * 0.5)).y, 0.7 * k, Hex(0xB8B4C0));
                FillCircle(cr, Add(c, Mul(n, -r * 0.4)).x, Add(c, Mul(n, -r * 0.4)).y, 0.6 * k,
                           Hex(0x8E8A98));
            }
            return;
        }
        case kWeaponKnife: {
            V2 blade[4] = {Add(g, Mul(n, 1.4 * k)), Add(g, Mul(d, 8 * k)), Add(g, Mul(n, -1.4 * k)),
                           Add(g, Mul(d, -0.5 * k))};
            InkPoly(cr, blade, 4, Hex(0x6E7A88), 0.7);
            InkCircle(cr, Add(g, Mul(d, -2.6 * k)), 1.1 * k, Hex(0x6E7A88), 0.6);
            return;
        }
        case kWeaponStaff: {
            InkCapsule(cr, Add(g, Mul(d, -14 * k)), 0.9 * k, Add(g, Mul(d, 14 * k)), 0.9 * k, wood, 0.7);
            return;
        }
    }
}

// The sleeve or bare arm from shoulder to hand.
static void DrawArm(cairo_t* cr, const Outfit& o, V2 sh, V2 target, bool front, bool bare) {
    V2 el, hand;
    Reach(sh, target, kUpperArm, kForearm, V2{-0.35, 1}, &el, &hand);
    double b = o.bulk;
    Rgb sleeve = front ? o.top.base : o.top.dark;
    Rgb skin = front ? o.skin.base : o.skin.dark;
    if (bare) {
        InkCapsule(cr, sh, 2.4 * b, el, 2.1 * b, skin, 0.9);
        InkCapsule(cr, el, 2.1 * b, hand, 1.7 * b, skin, 0.9);
        if (front)
            FlatCapsule(cr, Add(sh, V2{0.4, -0.6}), 0.9 * b, Add(el, V2{0.4, -0.6}), 0.7 * b, o.skin.light);
    } else {
        if (o.sleeves_wide) {
            // The hanging kimono sleeve below the upper arm.
            V2 u = Norm(Sub(el, sh));
            V2 down = {0, 1};
            V2 s[4] = {Add(sh, Mul(u, 1.5)), Add(el, Mul(u, 1.0)),
                       Add(Add(el, Mul(down, 4.0 * b)), Mul(u, -0.5)),
                       Add(Add(sh, Mul(down, 3.0 * b)), Mul(u, 2.5))};
            InkPoly(cr, s, 4, front ? o.top.dark : Mix(o.top.dark, kInk, 0.2), 0.9);
        }
        InkCapsule(cr, sh, 2.7 * b, el, 2.4 * b, sleeve, 0.9);
        InkCapsule(cr, el, 2.3 * b, Add(hand, Mul(Norm(Sub(hand, el)), -1.2)), 2.0 * b, sleeve, 0.9);
        if (front)
            FlatCapsule(cr, Add(sh, V2{0.3, -1.0}), 0.9 * b, Add(el, V2{0.3, -1.0}), 0.8 * b, o.top.light);
    }
    InkCircle(cr, hand, 1.8 * b, skin, 0.8);
}

// A foot whose sole, outline included, ends 2.6 px below the ankle point: ankles on
// kGround put the soles on the cell's bottom pixel row.
static void Foot(cairo_t* cr, V2 ankle, double r, Rgb col) {
    double y = ankle.y + 2.2 - r;
    InkCapsule(cr, {ankle.x - 0.5, y}, r, {ankle.x + 3.4, y + 0.1}, r * 0.88, col, 0.8);
}

static void DrawLeg(cairo_t* cr, const Outfit& o, V2 hip, V2 target, bool front) {
    V2 knee, ankle;
    Reach(hip, target, kThigh, kShin, V2{1, 0.1}, &knee, &ankle);
    double b = o.bulk;
    Tone cloth = o.bottom;
    Rgb base = front ? cloth.base : cloth.dark;
    V2 shin = Norm(Sub(ankle, knee));
    V2 n = Perp(shin);
    // Foot first so the hem overlaps it.
    Rgb footCol = front ? o.feet.base : o.feet.dark;
    switch (o.legs) {
        case kLegHakama: {
            Foot(cr, ankle, 1.75, footCol);
            InkCapsule(cr, hip, 3.3 * b, knee, 3.4 * b, base, 0.9);
            V2 q[4] = {Add(knee, Mul(n, 3.4 * b)), Add(Add(ankle, Mul(n, 4.1 * b)), Mul(shin, -0.6)),
                       Add(Add(ankle, Mul(n, -4.1 * b)), Mul(shin, -0.6)), Add(knee, Mul(n, -3.4 * b))};
            for (V2& v : q) v.y = std::min(v.y, ankle.y + 1.2);  // the hem never sinks into the ground
            InkPoly(cr, q, 4, base, 0.9);
            // Pleat line and a lit fold on the near leg.
            Line(cr, Add(knee, Mul(n, -0.5)), Add(Add(ankle, Mul(n, -0.8)), Mul(shin, -1.5)), 0.6,
                 front ? cloth.dark : Mix(cloth.dark, kInk, 0.3));
            if (front)
                FlatCapsule(cr, Add(knee, Mul(n, 2.2)), 0.8, Add(Add(ankle, Mul(n, 2.8)), Mul(shin, -1.6)),
                            0.8, cloth.light);
            break;
        }
        case kLegTrousers:
        case kLegShortKimono: {
            Foot(cr, ankle, 1.6 * b, footCol);
            InkCapsule(cr, hip, 3.0 * b, knee, 2.7 * b, base, 0.9);
            InkCapsule(cr, knee, 2.6 * b, Add(ankle, Mul(shin, -0.8)), 2.1 * b, base, 0.9);
            // Leggings wrapped on the shin.
            InkCapsule(cr, Add(knee, Mul(shin, 3.0)), 2.4 * b, Add(ankle, Mul(shin, -1.0)), 2.0 * b,
                       front ? o.trim.light : o.trim.base, 0.8);
            break;
        }
        case kLegBare: {
            Rgb skin = front ? o.skin.base : o.skin.dark;
            Foot(cr, ankle, 1.9 * b, skin);
            InkCapsule(cr, hip, 3.4 * b, knee, 2.8 * b, skin, 0.9);
            InkCapsule(cr, knee, 2.8 * b, Add(ankle, Mul(shin, -0.5)), 2.2 * b, skin, 0.9);
            break;
        }
        case kLegRobe: {
            Foot(cr, ankle, 1.7, footCol);
            InkCapsule(cr, hip, 3.2 * b, knee, 3.0 * b, base, 0.9);
            InkCapsule(cr, knee, 3.0 * b, Add(ankle, Mul(shin, -1.4)), 3.0 * b, base, 0.9);
            break;
        }
        case kLegGhost:
            break;
    }
}

static void DrawHead(cairo_t* cr, const Outfit& o, const Pose& p) {
    V2 c = HeadCentreOf(p);
    double tilt = p.lean + p.head_tilt;
    auto at = [&](double x, double y) { return Add(c, Rot(V2{x, y}, tilt)); };
    const double R = kHeadR;
    bool hood = o.hat == kHatHood;
    Rgb skin = o.skin.base;

    // Hair behind the head.
    if (!hood && o.hat != kHatKabuto) {
        if (o.hair_style == kHairPonytail) {
            // Tied high at the crown, the tail arcs back and falls behind the shoulders.
            V2 tie = at(-2.8, -6.0);
            double base = 205 + p.hair_swing * 0.6;
            V2 a = tie;
            double r = 2.3;
            for (int i = 0; i < 5; i++) {
                double ang = base - i * (21 - p.hair_swing * 0.2);
                V2 b = Add(a, Mul(Dir(ang + tilt), 3.7));
                InkCapsule(cr, a, r, b, r - 0.3, o.hair.base, 0.9);
                a = b;
                r -= 0.3;
            }
            InkCircle(cr, tie, 1.5, o.band_tone.base, 0.7);
        } else if (o.hair_style == kHairLong) {
            V2 q[5] = {at(-2, -6), at(-7.2, -1), at(-8.4, 12), at(-2.5, 13.5), at(0.5, 4)};
            InkPoly(cr, q, 5, o.hair.dark, 0.9);
        }
    }
    if (o.hat == kHatKabuto) {
        // Neck guard of lacquered lames flaring behind.
        V2 q[5] = {at(-1, -3), at(-9.5, 4.5), at(-8.5, 7.5), at(-2.5, 6.5), at(0.5, 2)};
        InkPoly(cr, q, 5, o.hat_tone.dark, 0.9);
        Line(cr, at(-3, 1.5), at(-9, 5.5), 0.6, o.trim.base);
    }

    InkCircle(cr, c, R, skin, 1.0);
    // Jaw: fills the front lower part so the face reads as a profile.
    {
        V2 q[4] = {at(-1, 2), at(4.6, 2.8), at(3.6, 5.6), at(-0.5, 5.6)};
        FlatPoly(cr, q, 4, skin);
        cairo_new_sub_path(cr);
        V2 a = at(4.6, 2.8), b = at(3.6, 5.6), e = at(-0.5, 5.9);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_line_to(cr, e.x, e.y);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
    }
    if (o.long_nose) {
        InkCapsule(cr, at(5.0, -0.2), 1.6, at(13.0, 1.2), 0.8, skin, 0.8);
    } else {
        InkCircle(cr, at(6.0, 0.6), 1.0, skin, 0.7);
        FlatCapsule(cr, at(5.0, -0.5), 1.1, at(5.0, 1.5), 1.1, skin);
    }

    // Hair cap (or cloth) over the back and top of the head.
    auto capOver = [&](Rgb col, double frontCut) {
        cairo_save(cr);
        V2 n = Rot(V2{-0.62, -0.78}, tilt);
        // Half-plane: points with (p - c).n > frontCut.
        V2 m = Add(c, Mul(n, frontCut));
        V2 t = Perp(n);
        V2 q[4] = {Add(m, Mul(t, 30)), Add(Add(m, Mul(t, 30)), Mul(n, 30)),
                   Add(Add(m, Mul(t, -30)), Mul(n, 30)), Add(m, Mul(t, -30))};
        PolyPath(cr, q, 4);
        cairo_clip(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, c.x, c.y, R + 0.7, 0, 2 * kPi);
        FillAndOutline(cr, col, 1.0);
        cairo_restore(cr);
    };
    if (hood) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, c.x, c.y, R + 0.5, 0, 2 * kPi);
        FillAndOutline(cr, o.hat_tone.base, 1.0);
        V2 q[4] = {at(0.5, -1.8), at(7.0, -1.6), at(6.8, 1.2), at(0.5, 1.0)};
        InkPoly(cr, q, 4, skin, 0.6);
        V2 tail0 = at(-5, -2);
        InkCapsule(cr, tail0, 1.2, Add(tail0, Mul(Dir(170 - p.hair_swing + tilt), 7)), 0.6, o.hat_tone.dark,
                   0.7);
    } else {
        switch (o.hair_style) {
            case kHairPonytail:
            case kHairShort:
            case kHairLong:
            case kHairBun:
                capOver(o.hair.base, 0.6);
                // Fringe locks over the brow.
                {
                    V2 q[4] = {at(-1, -6.2), at(5.6, -3.2), at(3.8, -1.6), at(1.0, -2.4)};
                    InkPoly(cr, q, 4, o.hair.base, 0.8);
                }
                FlatCapsule(cr, at(-3.5, -4.2), 0.8, at(0.5, -5.6), 0.6, o.hair.light);
                if (o.hair_style == kHairBun) InkCircle(cr, at(-4.2, -5.6), 2.6, o.hair.base, 0.9);
                break;
            case kHairTopknot:
                capOver(o.hair.base, 0.8);
                InkCapsule(cr, at(-3.0, -6.9), 1.3, at(2.8, -7.6), 1.0, o.hair.base, 0.8);
                break;
            case kHairBald:
                FlatCapsule(cr, at(-2.5, -4.2), 1.2, at(1.2, -5.0), 0.8, o.skin.light);
                break;
            case kHairNone:
                break;
        }
    }
    // Face: eye, brow, mouth.
    if (!p.eyes_closed) {
        V2 e = at(3.4, 0.2);
        InkEllipse(cr, e, 0.95, 1.7, tilt, o.eye, 0.4);
        FillCircle(cr, at(3.6, -0.4).x, at(3.6, -0.4).y, 0.45, Hex(0xFFFFFF));
    } else {
        Line(cr, at(2.0, 0.2), at(4.0, 0.4), 0.8, kInk);
    }
    Line(cr, at(1.8, -2.6), at(4.8, -2.4), 0.8, o.hat == kHatHood ? o.hat_tone.dark : o.hair.dark);
    if (!hood) {
        if (p.mouth_open)
            InkCircle(cr, at(3.8, 3.6), 0.8, Hex(0x7A2A2A), 0.4);
        else
            Line(cr, at(3.0, 3.7), at(4.3, 3.6), 0.6, Mix(skin, kInk, 0.6));
    }
    if (o.beard) {
        V2 q[5] = {at(-1.0, 2.5), at(4.4, 3.0), at(4.0, 7.8), at(1.0, 8.6), at(-1.2, 5.5)};
        InkPoly(cr, q, 5, o.hair.base, 0.8);
    }
    if (o.band && !hood) {
        Line(cr, at(-6.6, -3.0), at(4.4, -4.6), 1.7, kInk);
        Line(cr, at(-6.6, -3.0), at(4.4, -4.6), 0.9, o.band_tone.base);
        V2 k = at(-6.6, -2.8);
        double ang = 160 + p.hair_swing + tilt;
        InkCapsule(cr, k, 0.9, Add(k, Mul(Dir(ang), 6)), 0.6, o.band_tone.base, 0.6);
        InkCapsule(cr, k, 0.9, Add(k, Mul(Dir(ang - 25), 5)), 0.6, o.band_tone.dark, 0.6);
    }
    // Hats.
    switch (o.hat) {
        case kHatJingasa: {
            V2 q[3] = {at(-10.5, -2.6), at(0.5, -10.5), at(11.0, -2.6)};
            InkPoly(cr, q, 3, o.hat_tone.base, 1.0);
            V2 q2[3] = {at(-10.5, -2.6), at(0.5, -10.5), at(-2.0, -2.6)};
            FlatPoly(cr, q2, 3, o.hat_tone.dark);
            Line(cr, at(-10.5, -2.6), at(11.0, -2.6), 1.0, kInk);
            FillCircle(cr, at(0.5, -6.0).x, at(0.5, -6.0).y, 1.1, o.trim.base);
            break;
        }
        case kHatKabuto: {
            cairo_save(cr);
            V2 q[4] = {at(-12, -1.2), at(12, -1.2), at(12, -14), at(-12, -14)};
            PolyPath(cr, q, 4);
            cairo_clip(cr);
            cairo_new_sub_path(cr);
            cairo_arc(cr, c.x, c.y, R + 1.4, 0, 2 * kPi);
            FillAndOutline(cr, o.hat_tone.base, 1.0);
            cairo_restore(cr);
            Line(cr, at(-7.4, -1.2), at(8.2, -1.2), 1.6, kInk);
            Line(cr, at(-7.0, -1.2), at(7.8, -1.2), 0.8, o.hat_tone.light);
            // Golden crest.
            V2 cr1[3] = {at(1.5, -6.5), at(5.5, -14.5), at(3.8, -6.0)};
            InkPoly(cr, cr1, 3, Hex(0xE8B83A), 0.7);
            V2 cr2[3] = {at(0.5, -6.5), at(-3.2, -14.0), at(-1.2, -6.2)};
            InkPoly(cr, cr2, 3, Hex(0xC8982A), 0.7);
            break;
        }
        case kHatKasa: {
            InkEllipse(cr, at(0, -5.0), 11.5, 3.2, tilt, o.hat_tone.base, 1.0);
            InkEllipse(cr, at(0, -6.8), 4.5, 2.6, tilt, o.hat_tone.light, 0.8);
            break;
        }
        case kHatHorns: {
            Rgb bone = Hex(0xF0E2C0);
            V2 h1[3] = {at(0.5, -5.4), at(4.5, -13.5), at(3.6, -5.0)};
            InkPoly(cr, h1, 3, bone, 0.8);
            V2 h2[3] = {at(-4.2, -4.2), at(-5.8, -12.0), at(-1.8, -5.6)};
            InkPoly(cr, h2, 3, Mix(bone, kInk, 0.2), 0.8);
            break;
        }
        case kHatTokin: {
            V2 q[4] = {at(-0.5, -6.2), at(4.0, -5.0), at(3.4, -9.0), at(0.0, -9.4)};
            InkPoly(cr, q, 4, o.hat_tone.base, 0.8);
            break;
        }
        case kHatScarf: {
            capOver(o.hat_tone.base, -3.0);
            V2 k = at(-6.2, 1.0);
            InkCapsule(cr, k, 1.1, Add(k, V2{-3.5, 3.0}), 0.7, o.hat_tone.dark, 0.7);
            break;
        }
        case kHatEboshi: {
            V2 q[4] = {at(-5.0, -4.0), at(4.0, -5.2), at(0.5, -14.0), at(-6.0, -11.0)};
            InkPoly(cr, q, 4, o.hat_tone.base, 0.9);
            break;
        }
        case kHatHood:
        case kHatNone:
            break;
    }
}

void DrawFigure(cairo_t* cr, const Outfit& o, const Pose& p) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    V2 up = TorsoUp(p);
    V2 fw = {-up.y, up.x};  // forward, perpendicular to the torso
    if (fw.x < 0) fw = Mul(fw, -1);
    double b = o.bulk;
    V2 neck = NeckOf(p);
    V2 shoulder = Add(neck, Mul(up, -1.8));
    V2 hipF = Add(p.hip, Mul(fw, 0.8)), hipB = Add(p.hip, Mul(fw, -0.8));
    bool bareArms = o.legs == kLegBare;

    if (o.wings) {
        V2 w0 = Add(shoulder, Mul(fw, -2));
        V2 q[5] = {w0, Add(w0, V2{-13, -8}), Add(w0, V2{-15, 2}), Add(w0, V2{-10, 10}), Add(w0, V2{-2, 8})};
        InkPoly(cr, q, 5, Hex(0x2A2A3A), 1.0);
        Line(cr, Add(w0, V2{-3, 1}), Add(w0, V2{-13, -5}), 0.7, Hex(0x50506A));
        Line(cr, Add(w0, V2{-3, 3}), Add(w0, V2{-13, 2}), 0.7, Hex(0x50506A));
        Line(cr, Add(w0, V2{-3, 5}), Add(w0, V2{-10, 8}), 0.7, Hex(0x50506A));
    }
    if (o.pack != kPackNone) {
        // Carried on the back, behind everything of the body.
        V2 back = Add(Add(neck, Mul(fw, -5.5 * b)), Mul(up, -6.0));
        if (o.pack == kPackBox) {
            V2 q[4] = {Add(back, Add(Mul(fw, -4), Mul(up, 6))), Add(back, Add(Mul(fw, 3), Mul(up, 6))),
                       Add(back, Add(Mul(fw, 3), Mul(up, -7))), Add(back, Add(Mul(fw, -4), Mul(up, -7)))};
            InkPoly(cr, q, 4, Hex(0x7A5A3A), 1.0);
            Line(cr, Add(back, Add(Mul(fw, -4), Mul(up, 1))), Add(back, Add(Mul(fw, 3), Mul(up, 1))), 0.8,
                 Hex(0x4A3422));
            FlatCapsule(cr, Add(back, Add(Mul(fw, -2.5), Mul(up, 4))), 0.6,
                        Add(back, Add(Mul(fw, 1.5), Mul(up, 4))), 0.6, Hex(0xA8845A));
        } else if (o.pack == kPackFirewood) {
            for (int i = 0; i < 4; i++) {
                V2 a = Add(back, Add(Mul(fw, -4 + i * 2.2), Mul(up, -6)));
                InkCapsule(cr, a, 1.3, Add(a, Mul(up, 15)), 1.3, i % 2 ? Hex(0x9A6A3A) : Hex(0x7A4E2A), 0.7);
            }
            Line(cr, Add(back, Add(Mul(fw, -5), Mul(up, 2))), Add(back, Add(Mul(fw, 4), Mul(up, 2))), 1.2,
                 Hex(0xD8C890));
        } else {
            V2 q[4] = {Add(back, Add(Mul(fw, -4.5), Mul(up, 5))), Add(back, Add(Mul(fw, 3.5), Mul(up, 5))),
                       Add(back, Add(Mul(fw, 2.5), Mul(up, -6))), Add(back, Add(Mul(fw, -3.5), Mul(up, -6)))};
            InkPoly(cr, q, 4, Hex(0xC8A05A), 1.0);
            for (int i = 0; i < 3; i++)
                Line(cr, Add(back, Add(Mul(fw, -4), Mul(up, 3 - i * 3.5))),
                     Add(back, Add(Mul(fw, 3), Mul(up, 3 - i * 3.5))), 0.6, Hex(0x8A6A32));
        }
    }
    // Far limbs.
    DrawArm(cr, o, shoulder, p.hand_b, false, bareArms);
    if (o.legs == kLegGhost) {
        // No feet: the robe trails off into a curling wisp.
        V2 q[6] = {Add(Add(p.hip, Mul(fw, -5.0 * b)), Mul(up, 2.0)),
                   Add(Add(p.hip, Mul(fw, 5.0 * b)), Mul(up, 2.0)),
                   Add(p.hip, V2{5.0 * b, 9}),
                   Add(p.hip, V2{-2, 15}),
                   Add(p.hip, V2{-9, 17}),
                   Add(p.hip, V2{-5, 9})};
        InkPoly(cr, q, 6, o.top.base, 1.0);
        V2 sh[4] = {Add(p.hip, V2{-4, 4}), Add(p.hip, V2{1, 6}), Add(p.hip, V2{-3, 14}),
                    Add(p.hip, V2{-8, 16})};
        FlatPoly(cr, sh, 4, o.top.dark);
    } else {
        DrawLeg(cr, o, hipB, p.foot_b, false);
    }

    // Torso.
    {
        double wHip = 4.6 * b, wSh = 5.0 * b;
        V2 q[4] = {Add(p.hip, Mul(fw, -wHip)), Add(p.hip, Mul(fw, wHip)), Add(neck, Mul(fw, wSh * 0.9)),
                   Add(neck, Mul(fw, -wSh))};
        Rgb topCol = bareArms ? o.skin.base : o.top.base;
        InkPoly(cr, q, 4, topCol, 1.0);
        V2 sh[4] = {Add(p.hip, Mul(fw, -wHip + 0.5)), Add(p.hip, Mul(fw, -wHip * 0.3)),
                    Add(neck, Mul(fw, -wSh * 0.3)), Add(neck, Mul(fw, -wSh + 0.5))};
        FlatPoly(cr, sh, 4, bareArms ? o.skin.dark : o.top.dark);
        if (!bareArms) {
            // Crossed collar of the under-kimono.
            V2 col[4] = {Add(neck, Mul(fw, 0.5)), Add(neck, Mul(fw, 3.8)),
                         Add(Add(neck, Mul(fw, 3.2)), Mul(up, -6.5)),
                         Add(Add(neck, Mul(fw, 2.2)), Mul(up, -6.0))};
            InkPoly(cr, col, 4, o.trim.light, 0.6);
        } else {
            // A tiger-skin loincloth band for the bare-limbed.
        }
        if (o.armour) {
            V2 a[4] = {Add(Add(p.hip, Mul(fw, -wHip - 0.3)), Mul(up, 2.5)),
                       Add(Add(p.hip, Mul(fw, wHip + 0.6)), Mul(up, 2.5)),
                       Add(Add(neck, Mul(fw, wSh)), Mul(up, -2.5)),
                       Add(Add(neck, Mul(fw, -wSh - 0.2)), Mul(up, -2.5))};
            InkPoly(cr, a, 4, o.trim.base, 1.0);
            for (int i = 1; i <= 3; i++) {
                double t = i / 4.0;
                V2 l0 = Add(Add(p.hip, Mul(up, 2.5 + t * (kTorsoLen - 5))), Mul(fw, -wHip));
                V2 l1 = Add(Add(p.hip, Mul(up, 2.5 + t * (kTorsoLen - 5))), Mul(fw, wHip + 0.4));
                Line(cr, l0, l1, 0.6, o.trim.dark);
            }
            FlatCapsule(cr, Add(Add(p.hip, Mul(up, 5)), Mul(fw, wHip - 1)), 0.7,
                        Add(Add(neck, Mul(up, -4)), Mul(fw, wSh - 1.2)), 0.7, o.trim.light);
        }
    }
    // Waist: hakama ties, robe skirt or belt.
    if (o.legs == kLegHakama) {
        V2 q[4] = {Add(Add(p.hip, Mul(fw, -5.0 * b)), Mul(up, 2.0)),
                   Add(Add(p.hip, Mul(fw, 5.2 * b)), Mul(up, 2.0)),
                   Add(Add(p.hip, Mul(fw, 5.6 * b)), Mul(up, -5.5)),
                   Add(Add(p.hip, Mul(fw, -5.6 * b)), Mul(up, -5.5))};
        InkPoly(cr, q, 4, o.bottom.base, 1.0);
        V2 s[4] = {
            Add(Add(p.hip, Mul(fw, -5.0 * b)), Mul(up, 1.6)), Add(Add(p.hip, Mul(fw, -1.5)), Mul(up, 1.6)),
            Add(Add(p.hip, Mul(fw, -1.8)), Mul(up, -5.2)), Add(Add(p.hip, Mul(fw, -5.4 * b)), Mul(up, -5.2))};
        FlatPoly(cr, s, 4, o.bottom.dark);
    } else if (o.legs == kLegRobe || o.legs == kLegShortKimono) {
        // The skirt of the robe hangs to the ankles (or the knees) around both legs.
        double drop = o.legs == kLegRobe ? 19.5 : 10.0;
        V2 fF = p.foot_f, fB = p.foot_b;
        double lo = std::min(fF.x, fB.x), hi = std::max(fF.x, fB.x);
        double bottomY = std::min(p.hip.y + drop, std::max(fF.y, fB.y) - 1.8);
        V2 q[4] = {Add(Add(p.hip, Mul(fw, -5.0 * b)), Mul(up, 2.0)),
                   Add(Add(p.hip, Mul(fw, 5.0 * b)), Mul(up, 2.0)),
                   {std::max(p.hip.x + 5.5 * b, hi + 3.5), bottomY},
                   {std::min(p.hip.x - 5.5 * b, lo - 2.5), bottomY}};
        InkPoly(cr, q, 4, o.top.base, 1.0);
        V2 s[4] = {q[0],
                   Add(Add(p.hip, Mul(fw, -1.0)), Mul(up, 2.0)),
                   {p.hip.x - 1.0, bottomY - 0.6},
                   {q[3].x + 0.6, bottomY - 0.6}};
        FlatPoly(cr, s, 4, o.top.dark);
        Line(cr, Add(Add(p.hip, Mul(fw, 3.0)), Mul(up, 1.0)), {q[2].x - 2.0, bottomY - 0.8}, 0.6, o.top.dark);
    } else if (o.legs == kLegBare) {
        V2 q[4] = {Add(Add(p.hip, Mul(fw, -5.0 * b)), Mul(up, 2.0)),
                   Add(Add(p.hip, Mul(fw, 5.0 * b)), Mul(up, 2.0)),
                   Add(Add(p.hip, Mul(fw, 4.2 * b)), Mul(up, -5.0)),
                   Add(Add(p.hip, Mul(fw, -4.8 * b)), Mul(up, -4.0))};
        InkPoly(cr, q, 4, o.bottom.base, 1.0);
        for (int i = 0; i < 3; i++) {
            V2 a = Add(Add(p.hip, Mul(fw, -3.5 * b + i * 3.2 * b)), Mul(up, 1.5));
            Line(cr, a, Add(a, Add(Mul(up, -3.0), Mul(fw, 1.0))), 0.9, o.bottom.dark);
        }
    }
    // Belt (obi) over the waist.
    {
        V2 q[4] = {Add(Add(p.hip, Mul(fw, -4.8 * b)), Mul(up, 1.2)),
                   Add(Add(p.hip, Mul(fw, 5.0 * b)), Mul(up, 1.2)),
                   Add(Add(p.hip, Mul(fw, 5.0 * b)), Mul(up, 3.8)),
                   Add(Add(p.hip, Mul(fw, -4.8 * b)), Mul(up, 3.8))};
        InkPoly(cr, q, 4, o.belt.base, 0.8);
        Line(cr, Add(Add(p.hip, Mul(fw, -4.2 * b)), Mul(up, 3.0)),
             Add(Add(p.hip, Mul(fw, 4.4 * b)), Mul(up, 3.0)), 0.6, o.belt.light);
    }
    if (o.legs != kLegRobe && o.legs != kLegGhost) DrawLeg(cr, o, hipF, p.foot_f, true);
    if (o.legs == kLegRobe) {
        // Only the near foot shows below the hem; drawn over the skirt.
        Foot(cr, p.foot_f, 1.7, o.feet.base);
    }

    {
        V2 hc = HeadCentreOf(p);
        InkCapsule(cr, Add(neck, Mul(up, -1.0)), 1.9 * b, Add(neck, Mul(Norm(Sub(hc, neck)), 3.0)), 1.9 * b,
                   o.skin.dark, 0.8);
    }
    DrawHead(cr, o, p);

    // Weapon between the body and the near arm.
    V2 el, handF;
    Reach(shoulder, p.hand_f, kUpperArm, kForearm, V2{-0.35, 1}, &el, &handF);
    if (o.weapon != kWeaponNone) DrawWeapon(cr, o.weapon, handF, p.weapon_angle, 1.0);
    DrawArm(cr, o, shoulder, p.hand_f, true, bareArms);
    if (o.armour) {
        // Shoulder guard over the near arm.
        V2 u = Norm(Sub(el, shoulder));
        V2 n = Perp(u);
        V2 q[4] = {Add(shoulder, Mul(n, 3.4)), Add(shoulder, Mul(n, -3.4)),
                   Add(Add(shoulder, Mul(u, 6.5)), Mul(n, -3.8)),
                   Add(Add(shoulder, Mul(u, 6.5)), Mul(n, 3.8))};
        InkPoly(cr, q, 4, o.trim.base, 0.9);
        Line(cr, Add(Add(shoulder, Mul(u, 3.2)), Mul(n, -3.4)), Add(Add(shoulder, Mul(u, 3.2)), Mul(n, 3.4)),
             0.6, o.trim.dark);
    }
}

void PaintCell(ArtCanvas& c, double x, double y, double w, double h, CellPainter fn, const void* ctx,
               const char* what) {
    const int m = 32;
    int W = int(w) + 2 * m, H = int(h) + 2 * m;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, W, H);
    cairo_t* cr = cairo_create(s);
    cairo_translate(cr, m, m);
    fn(cr, ctx);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    // Bounds of what will survive the colour key.
    unsigned char* d = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    int x0 = W, y0 = H, x1 = -1, y1 = -1;
    for (int yy = 0; yy < H; yy++)
        for (int xx = 0; xx < W; xx++) {
            uint32_t px = reinterpret_cast<uint32_t*>(d + yy * stride)[xx];
            if ((px >> 24) >= 128) {
                x0 = std::min(x0, xx), x1 = std::max(x1, xx);
                y0 = std::min(y0, yy), y1 = std::max(y1, yy);
            }
        }
    // A drawing that pokes out sideways is slid back in (a few pixels at most) when it fits.
    int shift = 0;
    if (x1 >= 0 && x1 - x0 <= w - 3) {
        if (x0 < m + 1) shift = m + 1 - x0;
        if (x1 > m + w - 2) shift = (m + int(w) - 2) - x1;
        if (shift > 8) shift = 8;
        if (shift < -8) shift = -8;
        x0 += shift, x1 += shift;
    }
    if (getenv("ART_CHECK")) {
        if (x1 < 0)
            fprintf(stderr, "art-check: %s is empty\n", what);
        else if (x0 < m + 1 || y0 < m + 1 || x1 > m + w - 2 || y1 > m + h - 1)
            fprintf(stderr, "art-check: %s spills out of its cell: x %d..%d y %d..%d of %gx%g\n", what,
                    x0 - m, x1 - m, y0 - m, y1 - m, w, h);
    }
    const char* dump = getenv("ART_DUMP");
    if (dump && strstr(what, dump)) {
        std::string f =
            std::string("/tmp/art-dump-") + std::to_string(int(x)) + "-" + std::to_string(int(y)) + ".png";
        cairo_surface_write_to_png(s, f.c_str());
    }
    cairo_t* dst = c.cr;
    cairo_save(dst);
    cairo_rectangle(dst, x, y, w, h);
    cairo_clip(dst);
    cairo_set_source_surface(dst, s, x - m + shift, y - m);
    cairo_paint(dst);
    cairo_restore(dst);
    cairo_surface_destroy(s);
}
