// The heroine and the people of the story, drawn in side view on a 100-unit-high figure
// (feet at y 0, head top near y -100, facing +x), scaled and mirrored into place.
#include <cmath>

#include "tools/art/story/scenery.h"

static const double kPi = 3.14159265358979;

// How a figure is inked: its own colours with a dark outline, or one flat silhouette colour.
struct Ink {
    bool silhouette;
    Rgb silhouetteColor;
};
static const Rgb kOutline = {0.16, 0.10, 0.09};

// Fills the current path with c (or the silhouette colour) and outlines it.
static void Paint(cairo_t* cr, const Ink& ink, Rgb c) {
    Rgb fill = ink.silhouette ? ink.silhouetteColor : c;
    SetColor(cr, fill);
    cairo_fill_preserve(cr);
    SetColor(cr, ink.silhouette ? ink.silhouetteColor : kOutline);
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

static void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

static void Poly(cairo_t* cr, const double* xy, int n) {
    cairo_new_path(cr);
    cairo_move_to(cr, xy[0], xy[1]);
    for (int i = 1; i < n; i++) cairo_line_to(cr, xy[2 * i], xy[2 * i + 1]);
    cairo_close_path(cr);
}

// A katana blade from (x0, y0) to (x1, y1) with a guard at the start.
static void Blade(cairo_t* cr, const Ink& ink, double x0, double y0, double x1, double y1) {
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    double nx = -dy / len, ny = dx / len;
    cairo_new_path(cr);
    cairo_move_to(cr, x0 + nx * 0.9, y0 + ny * 0.9);
    cairo_curve_to(cr, x0 + dx * 0.5 + nx * 1.6, y0 + dy * 0.5 + ny * 1.6, x1 + nx * 1.2, y1 + ny * 1.2, x1,
                   y1);
    cairo_line_to(cr, x0 - nx * 0.9, y0 - ny * 0.9);
    cairo_close_path(cr);
    SetColor(cr, ink.silhouette ? ink.silhouetteColor : Hex(0xE4ECF4));
    cairo_fill_preserve(cr);
    SetColor(cr, ink.silhouette ? ink.silhouetteColor : Hex(0x505868));
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
    // Guard and grip behind it.
    Ellipse(cr, x0, y0, 2.4, 2.4);
    Paint(cr, ink, Hex(0xC8A040));
    cairo_new_path(cr);
    cairo_move_to(cr, x0 - dx / len * 1.5, y0 - dy / len * 1.5);
    cairo_line_to(cr, x0 - dx / len * 9, y0 - dy / len * 9);
    SetColor(cr, ink.silhouette ? ink.silhouetteColor : Hex(0x23264A));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
}

// The sheathed sword at her hip: black scabbard sloping back, hilt forward.
static void Scabbard(cairo_t* cr, const Ink& ink, bool withHilt) {
    double s[] = {8, -63.5, 10, -60.5, -26, -41, -27.5, -43.5};
    Poly(cr, s, 4);
    Paint(cr, ink, Hex(0x1C1A24));
    if (!withHilt) return;
    Ellipse(cr, 9.5, -62.2, 1.6, 2.8);
    Paint(cr, ink, Hex(0xC8A040));
    double g[] = {10.5, -63.8, 20, -68.5, 21, -66.4, 11.2, -61};
    Poly(cr, g, 4);
    Paint(cr, ink, Hex(0x23264A));
}

static void HeroHead(cairo_t* cr, const Ink& ink) {
    // Ponytail tied high at the back, swinging behind her.
    cairo_new_path(cr);
    cairo_move_to(cr, -3, -97);
    cairo_curve_to(cr, -12, -101, -19, -94, -19, -84);
    cairo_curve_to(cr, -19, -77, -22, -72, -25, -68);
    cairo_curve_to(cr, -17, -72, -13, -80, -13, -87);
    cairo_curve_to(cr, -12, -92, -7, -93, -3, -92);
    cairo_close_path(cr);
    Paint(cr, ink, Hex(0x1E1620));
    // Head and face.
    Ellipse(cr, 1.5, -88, 8.2, 8.6);
    Paint(cr, ink, Hex(0x1E1620));
    cairo_new_path(cr);
    cairo_move_to(cr, 1, -90);
    cairo_curve_to(cr, 6, -91, 10, -89, 10.4, -86);
    cairo_line_to(cr, 11.2, -84.5);
    cairo_line_to(cr, 10.2, -84);
    cairo_curve_to(cr, 10, -81, 8, -79.5, 4.5, -79.5);
    cairo_curve_to(cr, 1.5, -80, 0, -83, 1, -90);
    cairo_close_path(cr);
    Paint(cr, ink, Hex(0xF6D8BC));
    // Fringe over the brow and the side lock.
    cairo_new_path(cr);
    cairo_move_to(cr, -2, -95);
    cairo_curve_to(cr, 4, -97.5, 10, -94, 10.5, -88);
    cairo_line_to(cr, 7, -89.5);
    cairo_line_to(cr, 5.5, -87.5);
    cairo_line_to(cr, 3.5, -89.5);
    cairo_curve_to(cr, 2.5, -86, 2.4, -83, 2.8, -80);
    cairo_curve_to(cr, 0, -83, -1, -89, -2, -95);
    cairo_close_path(cr);
    Paint(cr, ink, Hex(0x1E1620));
    if (!ink.silhouette) {
        // Hair ribbon, eye and a touch of cheek.
        Ellipse(cr, -4, -95.5, 2.2, 1.6);
        Paint(cr, ink, Hex(0xD02830));
        FillCircle(cr, 7.6, -86.2, 0.9, Hex(0x2A1010));
        SetColor(cr, Hex(0x2A1010));
        cairo_set_line_width(cr, 0.6);
        cairo_move_to(cr, 6.2, -87.6);
        cairo_line_to(cr, 8.8, -87.9);
        cairo_stroke(cr);
        SetColor(cr, Hex(0xF09090), 0.5);
        Ellipse(cr, 6.5, -83.3, 1.6, 0.9);
        cairo_fill(cr);
    }
}

static void HeroTorso(cairo_t* cr, const Ink& ink) {
    cairo_new_path(cr);
    cairo_move_to(cr, -6.5, -77.5);
    cairo_curve_to(cr, -2, -79.5, 5, -79.5, 8.5, -77);
    cairo_line_to(cr, 9.5, -58.5);
    cairo_line_to(cr, -7.5, -57.5);
    cairo_close_path(cr);
    Paint(cr, ink, Hex(0xF8F4EC));
    if (ink.silhouette) return;
    // Red under-collar and the crossing white collar.
    double collar[] = {3.5, -79, 8, -77.5, 6, -70};
    Poly(cr, collar, 3);
    Paint(cr, ink, Hex(0xC8262C));
    SetColor(cr, Hex(0xB8B0A4));
    cairo_set_line_width(cr, 0.7);
    cairo_move_to(cr, -1, -70);
    cairo_line_to(cr, 0, -60);
    cairo_stroke(cr);
}

// Near arm and sleeve; the hand rests at (hx, hy).
static void HeroArm(cairo_t* cr, const Ink& ink, double hx, double hy) {
    double sx = 0.5, sy = -76.5;
    double dx = hx - sx, dy = hy - sy, len = std::hypot(dx, dy);
    double nx = -dy / len, ny = dx / len;
    // A wide sleeve hanging below the arm.
    cairo_new_path(cr);
    cairo_move_to(cr, sx - nx * 4.5, sy - ny * 4.5);
    cairo_line_to(cr, sx + dx * 0.85 - nx * 3.2, sy + dy * 0.85 - ny * 3.2);
    cairo_line_to(cr, sx + dx * 0.85 + nx * 3.5 + 0, sy + dy * 0.85 + ny * 3.5 + 5.5);
    cairo_curve_to(cr, sx + dx * 0.4 + nx * 6, sy + dy * 0.4 + ny * 6 + 6, sx + nx * 6, sy + ny * 6 + 2,
                   sx + nx * 4.5, sy + ny * 4.5);
    cairo_close_path(cr);
    Paint(cr, ink, Hex(0xF0EAE0));
    if (!ink.silhouette) {
        // A fold line down the sleeve.
        SetColor(cr, Hex(0xC8C0B4));
        cairo_set_line_width(cr, 0.6);
        cairo_move_to(cr, sx + nx * 1.5 + dx * 0.15, sy + ny * 1.5 + dy * 0.15);
        cairo_line_to(cr, sx + nx * 2.5 + dx * 0.7, sy + ny * 2.5 + dy * 0.7 + 3);
        cairo_stroke(cr);
    }
    Ellipse(cr, hx, hy, 2.3, 2.3);
    Paint(cr, ink, Hex(0xF6D8BC));
}

static void HeroHakama(cairo_t* cr, const Ink& ink, bool walking) {
    Rgb red = Hex(0xC02A2E), shade = Hex(0x8E1C22);
    if (walking) {
        double back[] = {-7.5, -58, 2, -58, -4, -2, -15, -3};
        Poly(cr, back, 4);
        Paint(cr, ink, shade);
        double front[] = {-3, -58.5, 9.5, -59, 19, -3, 6, -2};
        Poly(cr, front, 4);
        Paint(cr, ink, red);
        double fs[] = {6, -2, 19, -3, 20.5, 0, 6.5, 0};
        Poly(cr, fs, 4);
        Paint(cr, ink, Hex(0x2A2020));
        double bs[] = {-15, -3, -4, -2, -4.5, 0, -15.5, 0};
        Poly(cr, bs, 4);
        Paint(cr, ink, Hex(0x2A2020));
    } else {
        double h[] = {-7.5, -58, 9.5, -59, 14, -2, -12, -2};
        Poly(cr, h, 4);
        Paint(cr, ink, red);
        if (!ink.silhouette) {
            // The back half of the hakama falls in shadow.
            double back[] = {-7.2, -57.5, -1, -57.8, -3.5, -2.6, -11.5, -2.6};
            Poly(cr, back, 4);
            SetColor(cr, shade, 0.45);
            cairo_fill(cr);
            SetColor(cr, shade);
            cairo_set_line_width(cr, 0.9);
            cairo_move_to(cr, 1, -57);
            cairo_line_to(cr, 1.5, -3);
            cairo_move_to(cr, 6, -57);
            cairo_line_to(cr, 9, -3);
            cairo_move_to(cr, -4, -57);
            cairo_line_to(cr, -6.5, -3);
            cairo_stroke(cr);
        }
        double fs[] = {3, -2, 14, -2, 15, 0, 3, 0};
        Poly(cr, fs, 4);
        Paint(cr, ink, Hex(0x2A2020));
    }
    // Waist band, tied in a bow at the front.
    double band[] = {-7.8, -60.5, 9.6, -61.5, 9.6, -57.8, -7.8, -56.8};
    Poly(cr, band, 4);
    Paint(cr, ink, Hex(0x8E1C22));
    double bow[] = {8, -59.5, 12.5, -62, 12.5, -56.5};
    Poly(cr, bow, 3);
    Paint(cr, ink, Hex(0xF8F4EC));
}

void DrawHeroine(cairo_t* cr, double x, double baseY, double h, int facing, HeroPose pose, bool silhouette,
                 Rgb silhouetteColor) {
    Ink ink{silhouette, silhouetteColor};
    cairo_save(cr);
    cairo_translate(cr, x, baseY);
    cairo_scale(cr, (facing > 0 ? 1 : -1) * h / 100.0, h / 100.0);
    if (pose == kHeroSit) {
        // Kneeling in seiza: folded legs under her, sword laid beside her.
        double legs[] = {-12, -30, 10, -31, 24, -10, 22, 0, -14, 0, -16, -8};
        Poly(cr, legs, 6);
        Paint(cr, ink, Hex(0xC02A2E));
        double s[] = {-30, -1.5, 30, -1.5, 30, 0.8, -30, 0.8};
        Poly(cr, s, 4);
        Paint(cr, ink, Hex(0x1C1A24));
        cairo_translate(cr, 0, 28);
        double band[] = {-7.8, -60.5, 9.6, -61.5, 9.6, -57.8, -7.8, -56.8};
        HeroTorso(cr, ink);
        Poly(cr, band, 4);
        Paint(cr, ink, Hex(0x8E1C22));
        HeroHead(cr, ink);
        HeroArm(cr, ink, 14, -57);
        cairo_restore(cr);
        return;
    }
    HeroHakama(cr, ink, pose == kHeroWalk);
    if (pose == kHeroBow) {
        cairo_translate(cr, 0, -58);
        cairo_rotate(cr, 0.45);
        cairo_translate(cr, 0, 58);
    }
    HeroTorso(cr, ink);
    Scabbard(cr, ink, pose != kHeroSwordDown && pose != kHeroSwordRaised);
    HeroHead(cr, ink);
    switch (pose) {
        case kHeroSwordDown:
            Blade(cr, ink, 15, -59, 42, -16);
            HeroArm(cr, ink, 13.5, -61);
            break;
        case kHeroSwordRaised:
            Blade(cr, ink, 17, -84, 46, -124);
            HeroArm(cr, ink, 15, -81);
            break;
        case kHeroBow:
            HeroArm(cr, ink, 6, -56);
            break;
        default:
            HeroArm(cr, ink, 11.5, -61.5);
            break;
    }
    cairo_restore(cr);
}

// What makes one of the people look like themselves.
struct PersonLook {
    uint32_t robe, sash, legs, hair;
    bool longRobe;  // robe to the feet (else a short kimono over leggings)
    int hairStyle;  // 0 topknot, 1 bun, 2 shaven, 3 child tuft, 4 long tied back, 5 grey topknot
    int hat;        // 0 none, 1 straw kasa, 2 lacquered eboshi
    int prop;       // 0 none, 1 cane, 2 pack, 3 staff, 4 wand of paper streamers, 5 sheathed sword, 6 fan
    double stoop;   // forward lean in radians
    double size;    // height relative to an adult
};

static const PersonLook kLooks[] = {
    {0x5A6E8C, 0x3A3028, 0x4A4438, 0x1E1818, false, 0, 0, 0, 0.0, 0.96},   // villager
    {0x9A5A78, 0xE8C870, 0x9A5A78, 0x1E1818, true, 1, 0, 0, 0.0, 0.92},    // villager woman
    {0x7A6A58, 0x403428, 0x5A5044, 0xD8D4CC, true, 5, 0, 1, 0.3, 0.85},    // elder
    {0xD88A3A, 0x5A3020, 0x6A5030, 0x1E1818, false, 3, 0, 0, 0.0, 0.6},    // child
    {0x6A8A5A, 0xE0D0A8, 0x6A8A5A, 0x1E1818, true, 1, 0, 0, 0.05, 0.92},   // innkeeper
    {0x8A6A3A, 0x3A2A1A, 0x5A4A30, 0x1E1818, false, 0, 1, 2, 0.12, 0.95},  // merchant
    {0x4A4A50, 0xC89030, 0x4A4A50, 0xE8C8B0, true, 2, 1, 3, 0.0, 1.0},     // monk
    {0xF4F0EA, 0xC02A2E, 0xC02A2E, 0x1E1818, false, 4, 0, 4, 0.0, 0.93},   // shrine maiden
    {0x2E3A5A, 0x9A8A6A, 0x3A3A48, 0x1E1818, false, 0, 0, 5, 0.0, 1.02},   // samurai
    {0x5A2A5A, 0xD8B050, 0x3A2A40, 0x1E1818, true, 0, 2, 6, 0.0, 1.04},    // lord
};

static Rgb Darker(Rgb c, double k) {
    return {c.r * k, c.g * k, c.b * k};
}

void DrawPerson(cairo_t* cr, double x, double baseY, double h, int facing, PersonKind kind, bool silhouette,
                Rgb silhouetteColor) {
    const PersonLook& L = kLooks[kind];
    Ink ink{silhouette, silhouetteColor};
    cairo_save(cr);
    cairo_translate(cr, x, baseY);
    double s = h * L.size / 100.0;
    cairo_scale(cr, (facing > 0 ? 1 : -1) * s, s);
    Rgb robe = Hex(L.robe);
    // Legs or the robe's hem.
    if (L.longRobe) {
        double r[] = {-9, -58, 9, -58, 12, -2, -11, -2};
        Poly(cr, r, 4);
        Paint(cr, ink, robe);
    } else {
        double lb[] = {-6, -40, 1, -40, -2, -2, -8, -2};
        Poly(cr, lb, 4);
        Paint(cr, ink, Darker(Hex(L.legs), 0.8));
        double lf[] = {0, -40, 7, -40, 8, -2, 2, -2};
        Poly(cr, lf, 4);
        Paint(cr, ink, Hex(L.legs));
        double r[] = {-9, -58, 9, -58, 10, -36, -10, -36};
        Poly(cr, r, 4);
        Paint(cr, ink, robe);
    }
    double feet[] = {-9, -2, 13, -2, 13, 0, -9, 0};
    Poly(cr, feet, 4);
    Paint(cr, ink, Hex(0x2A2420));
    // Upper body, leaning forward for the old and the laden.
    cairo_translate(cr, 0, -56);
    cairo_rotate(cr, L.stoop);
    cairo_translate(cr, 0, 56);
    if (L.prop == 2) {
        // A travelling pack on the back.
        double pk[] = {-19, -86, -7, -86, -6, -58, -19, -60};
        Poly(cr, pk, 4);
        Paint(cr, ink, Hex(0x7A5A3A));
    }
    double t[] = {-7.5, -78, 8, -78, 9.5, -56, -9, -56};
    Poly(cr, t, 4);
    Paint(cr, ink, robe);
    double sash[] = {-9, -62, 9.3, -62, 9.5, -56.5, -9, -56.5};
    Poly(cr, sash, 4);
    Paint(cr, ink, Hex(L.sash));
    if (!silhouette) {
        SetColor(cr, Hex(0xF4EEE4));
        cairo_set_line_width(cr, 1.4);
        cairo_move_to(cr, 3, -78);
        cairo_line_to(cr, 7, -68);
        cairo_stroke(cr);
    }
    // Head.
    Ellipse(cr, 1.5, -87, 7.8, 8.4);
    Paint(cr, ink, Hex(0xF0D0B0));
    Rgb hair = Hex(L.hair);
    switch (L.hairStyle) {
        case 0:
        case 5: {
            cairo_new_path(cr);
            cairo_arc(cr, 1.5, -87, 8.2, kPi * 0.95, kPi * 1.55);
            cairo_line_to(cr, -1, -89);
            cairo_close_path(cr);
            Paint(cr, ink, hair);
            double knot[] = {-2, -95, 4, -96, 6, -97.5, -1, -97.5};
            Poly(cr, knot, 4);
            Paint(cr, ink, hair);
            break;
        }
        case 1:
            cairo_new_path(cr);
            cairo_arc(cr, 1.5, -87, 8.4, kPi * 0.85, kPi * 1.7);
            cairo_curve_to(cr, 6, -92, 2, -90, -2, -84);
            cairo_close_path(cr);
            Paint(cr, ink, hair);
            Ellipse(cr, -6.5, -95, 4.8, 4);
            Paint(cr, ink, hair);
            if (!silhouette) {
                SetColor(cr, Hex(0xE8C870));
                cairo_set_line_width(cr, 1);
                cairo_move_to(cr, -11, -97);
                cairo_line_to(cr, -2, -93);
                cairo_stroke(cr);
            }
            break;
        case 2:
            break;
        case 3:
            Ellipse(cr, 1, -95.5, 3, 2);
            Paint(cr, ink, hair);
            break;
        case 4:
            cairo_new_path(cr);
            cairo_arc(cr, 1.5, -87, 8.4, kPi * 0.8, kPi * 1.75);
            cairo_curve_to(cr, 6, -92, 3, -90, 0, -84);
            cairo_line_to(cr, -3, -80);
            cairo_curve_to(cr, -8, -72, -9, -66, -8, -58);
            cairo_line_to(cr, -12, -60);
            cairo_curve_to(cr, -11, -70, -10, -78, -6.5, -84);
            cairo_close_path(cr);
            Paint(cr, ink, hair);
            if (!silhouette) {
                Ellipse(cr, -6, -80, 1.8, 1.4);
                Paint(cr, ink, Hex(0xF4F4F4));
            }
            break;
    }
    if (!silhouette) FillCircle(cr, 7, -86.5, 0.85, Hex(0x2A1010));
    if (L.hairStyle == 5 && !silhouette) {
        // A white beard.
        double b[] = {3, -82, 9.5, -82, 6, -72};
        Poly(cr, b, 3);
        Paint(cr, ink, hair);
    }
    if (L.hat == 1) {
        double k[] = {-15, -88, 1.5, -102, 18, -88, 1.5, -91};
        Poly(cr, k, 4);
        Paint(cr, ink, Hex(0xC8A860));
    } else if (L.hat == 2) {
        double e[] = {-5, -93, 5, -94, 2, -110, -4, -108};
        Poly(cr, e, 4);
        Paint(cr, ink, Hex(0x1A1A1A));
    }
    // Near arm and sleeve, then the prop in hand.
    double arm[] = {-2, -77, 5, -77, 11, -61, 4, -56, -4, -62};
    Poly(cr, arm, 5);
    Paint(cr, ink, Darker(robe, 0.9));
    Ellipse(cr, 11, -60, 2.2, 2.2);
    Paint(cr, ink, Hex(0xF0D0B0));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (L.prop) {
        case 1:
        case 3:
            SetColor(cr, silhouette ? silhouetteColor : Hex(L.prop == 1 ? 0x6A4A2A : 0x5A4A3A));
            cairo_set_line_width(cr, 1.8);
            cairo_move_to(cr, 12, L.prop == 1 ? -62 : -100);
            cairo_line_to(cr, 15, 0);
            cairo_stroke(cr);
            if (L.prop == 3) {
                Ellipse(cr, 12.2, -101, 2.8, 2.8);
                SetColor(cr, silhouette ? silhouetteColor : Hex(0xC8A040));
                cairo_set_line_width(cr, 1.0);
                cairo_stroke(cr);
            }
            break;
        case 4:
            SetColor(cr, silhouette ? silhouetteColor : Hex(0x7A5A3A));
            cairo_set_line_width(cr, 1.4);
            cairo_move_to(cr, 11, -60);
            cairo_line_to(cr, 15, -86);
            cairo_stroke(cr);
            for (int i = 0; i < 3; i++) {
                double zz[] = {15, -86.0 + i * 1.5, 19, -83.0 + i * 3, 16, -80.0 + i * 3, 20, -76.0 + i * 3};
                cairo_new_path(cr);
                cairo_move_to(cr, zz[0], zz[1]);
                for (int k = 1; k < 4; k++) cairo_line_to(cr, zz[2 * k], zz[2 * k + 1]);
                SetColor(cr, silhouette ? silhouetteColor : Hex(0xFFFFFF));
                cairo_set_line_width(cr, 1.2);
                cairo_stroke(cr);
            }
            break;
        case 5:
            Scabbard(cr, ink, true);
            break;
        case 6: {
            double f[] = {11, -60, 17, -70, 21, -64};
            Poly(cr, f, 3);
            Paint(cr, ink, Hex(0xE8C050));
            break;
        }
        default:
            break;
    }
    cairo_restore(cr);
}
