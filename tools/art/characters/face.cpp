#include "tools/art/characters/face.h"

#include <cmath>

#include "tools/art/characters/figure.h"
#include "tools/art/paint.h"

namespace {

const double kPi = 3.14159265358979;
const double C = 48;  // centre line of every face

struct Inks {
    Tone skin, hair, cloth, under, accent;
    Rgb iris, bg;
};

void Stroke(cairo_t* cr, Rgb c, double w) {
    SetColor(cr, c);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void FillInk(cairo_t* cr, Rgb fill, double w = 1.4) {
    SetColor(cr, fill);
    cairo_fill_preserve(cr);
    Stroke(cr, kInk, w);
}

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void Poly(cairo_t* cr, std::initializer_list<V2> pts) {
    bool first = true;
    cairo_new_sub_path(cr);
    for (V2 p : pts) {
        if (first)
            cairo_move_to(cr, p.x, p.y);
        else
            cairo_line_to(cr, p.x, p.y);
        first = false;
    }
    cairo_close_path(cr);
}

void HeadPath(cairo_t* cr, double hw) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, C, 44);
    cairo_scale(cr, hw, 27);
    cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
    cairo_restore(cr);
    cairo_curve_to(cr, C + hw, 57, C + hw * 0.55, 71, C, 74);
    cairo_curve_to(cr, C - hw * 0.55, 71, C - hw, 57, C - hw, 44);
    cairo_close_path(cr);
}

void Backdrop(cairo_t* cr, const Inks& k) {
    FillRoundRect(cr, 1, 1, 94, 94, 9, Hex(0x2A1A14));
    FillRoundRect(cr, 2.5, 2.5, 91, 91, 8, Hex(0xC8A060));
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, 92);
    Rgb top = Mix(k.bg, Rgb{1, 1, 1}, 0.25), bottom = Mix(k.bg, Rgb{0, 0, 0}, 0.35);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    const double x = 4, y = 4, w = 88, h = 88, r = 6;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A faint rising sun disc behind the head.
    FillCircle(cr, C + 14, 34, 24, Mix(k.bg, Rgb{1, 0.95, 0.85}, 0.18));
}

void Aura(cairo_t* cr) {
    Rgb outer = Hex(0xE86A18), inner = Hex(0xFFD040);
    for (int layer = 0; layer < 2; layer++) {
        double R = layer ? 33 : 40;
        cairo_new_path(cr);
        for (int i = 0; i <= 24; i++) {
            double a = kPi + i * kPi / 24;
            double rr = (i % 2) ? R * 0.78 : R;
            double x = C + rr * std::cos(a) * 1.05, y = 50 + rr * std::sin(a) * 1.1;
            if (i == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        cairo_line_to(cr, C + R, 80);
        cairo_line_to(cr, C - R, 80);
        cairo_close_path(cr);
        SetColor(cr, layer ? inner : outer);
        cairo_fill(cr);
    }
}

void Body(cairo_t* cr, const FaceWho& w, const Inks& k) {
    // Neck.
    cairo_rectangle(cr, C - 7, 62, 14, 20);
    FillInk(cr, k.skin.dark, 1.2);
    if (w.extras & kFXArmour) {
        Poly(cr, {{6, 96}, {9, 84}, {28, 76}, {68, 76}, {87, 84}, {90, 96}});
        FillInk(cr, k.cloth.base);
        Poly(cr, {{24, 96}, {27, 82}, {69, 82}, {72, 96}});
        FillInk(cr, k.accent.base);
        for (int i = 0; i < 3; i++) {
            cairo_move_to(cr, 27, 86 + i * 4);
            cairo_line_to(cr, 69, 86 + i * 4);
            Stroke(cr, k.accent.dark, 1.0);
        }
        cairo_move_to(cr, 30, 84);
        cairo_line_to(cr, 66, 84);
        Stroke(cr, k.accent.light, 1.0);
        // Shoulder guards.
        Poly(cr, {{4, 82}, {22, 76}, {26, 96}, {4, 96}});
        FillInk(cr, k.accent.dark);
        Poly(cr, {{92, 82}, {74, 76}, {70, 96}, {92, 96}});
        FillInk(cr, k.accent.dark);
        // Collar of the kimono under the armour.
        Poly(cr, {{38, 76}, {44, 76}, {48, 82}, {52, 76}, {58, 76}, {54, 82}, {42, 82}});
        FillInk(cr, k.under.base, 1.0);
        return;
    }
    Poly(cr, {{6, 96}, {9, 86}, {28, 77}, {68, 77}, {87, 86}, {90, 96}});
    FillInk(cr, k.cloth.base);
    Poly(cr, {{6, 96}, {9, 86}, {28, 77}, {34, 80}, {20, 96}});
    SetColor(cr, k.cloth.dark);
    cairo_fill(cr);
    // Crossed collar: the left panel over the right, with the under-kimono showing.
    Poly(cr, {{35, 77}, {41, 77}, {52, 96}, {45, 96}});
    FillInk(cr, k.under.base, 1.1);
    Poly(cr, {{61, 77}, {55, 77}, {47, 90}, {51, 96}});
    FillInk(cr, k.under.base, 1.1);
    Poly(cr, {{41, 77}, {55, 77}, {48, 88}});
    FillInk(cr, k.skin.dark, 1.0);
    cairo_move_to(cr, 66, 80);
    cairo_line_to(cr, 80, 90);
    Stroke(cr, k.cloth.light, 1.2);
}

void HairBack(cairo_t* cr, const FaceWho& w, const Inks& k, double hw) {
    switch (w.hair_style) {
        case kFHPonytail: {
            // The tail springs from the crown and sweeps down the right.
            cairo_new_path(cr);
            cairo_move_to(cr, C + 2, 18);
            cairo_curve_to(cr, C + 22, 4, C + 44, 16, C + 40, 40);
            cairo_curve_to(cr, C + 38, 52, C + 42, 60, C + 36, 70);
            cairo_curve_to(cr, C + 32, 58, C + 30, 46, C + 24, 36);
            cairo_curve_to(cr, C + 20, 28, C + 12, 24, C + 2, 26);
            cairo_close_path(cr);
            FillInk(cr, k.hair.base);
            cairo_move_to(cr, C + 26, 14);
            cairo_curve_to(cr, C + 36, 22, C + 36, 36, C + 34, 48);
            Stroke(cr, k.hair.light, 1.4);
            // The ribbon tying the tail.
            Poly(cr, {{C + 12, 17}, {C + 4, 8}, {C + 2, 16}});
            FillInk(cr, k.accent.base, 1.1);
            Poly(cr, {{C + 12, 17}, {C + 22, 10}, {C + 21, 19}});
            FillInk(cr, k.accent.base, 1.1);
            Ellipse(cr, C + 12, 17, 3, 3);
            FillInk(cr, k.accent.dark, 1.0);
            break;
        }
        case kFHLong:
        case kFHTied: {
            cairo_new_path(cr);
            cairo_move_to(cr, C - hw - 2, 40);
            cairo_curve_to(cr, C - hw - 8, 60, C - hw - 6, 76, C - hw - 10, 88);
            cairo_line_to(cr, C + hw + 10, 88);
            cairo_curve_to(cr, C + hw + 6, 76, C + hw + 8, 60, C + hw + 2, 40);
            cairo_close_path(cr);
            FillInk(cr, k.hair.dark);
            break;
        }
        case kFHWild: {
            cairo_new_path(cr);
            for (int i = 0; i <= 18; i++) {
                double a = kPi * 0.9 + i * kPi * 1.2 / 18;
                double rr = (i % 2) ? hw + 6 : hw + 14;
                double x = C + rr * std::cos(a), y = 44 + rr * std::sin(a) * 1.05;
                if (i == 0)
                    cairo_move_to(cr, x, y);
                else
                    cairo_line_to(cr, x, y);
            }
            cairo_line_to(cr, C + hw + 4, 64);
            cairo_line_to(cr, C - hw - 4, 64);
            cairo_close_path(cr);
            FillInk(cr, k.hair.base);
            break;
        }
        case kFHBun:
            Ellipse(cr, C, 15, 10, 8);
            FillInk(cr, k.hair.base);
            break;
        default:
            break;
    }
}

void Ears(cairo_t* cr, const Inks& k, double hw) {
    for (int s = -1; s <= 1; s += 2) {
        Ellipse(cr, C + s * hw, 51, 3.6, 6);
        FillInk(cr, k.skin.base, 1.2);
    }
}

void HeadShape(cairo_t* cr, const Inks& k, double hw) {
    HeadPath(cr, hw);
    SetColor(cr, k.skin.base);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    // Shade on the right of the jaw, light from the upper left.
    Ellipse(cr, C + hw * 1.25, 64, hw * 0.75, 20);
    SetColor(cr, k.skin.dark);
    cairo_fill(cr);
    cairo_restore(cr);
    HeadPath(cr, hw);
    Stroke(cr, kInk, 1.6);
}

struct EyeLook {
    double rx, ry, iris;
};

EyeLook LookOf(FaceEyes e) {
    switch (e) {
        case kEyesBig:
            return {5.4, 4.4, 3.7};
        case kEyesNormal:
            return {4.8, 3.3, 2.9};
        case kEyesNarrow:
            return {5.0, 2.2, 2.1};
        case kEyesOld:
            return {4.2, 1.8, 1.6};
        case kEyesSharp:
            return {5.0, 2.9, 2.5};
        case kEyesBeast:
            return {5.0, 3.8, 3.4};
    }
    return {4.8, 3.3, 2.9};
}

// One eye at (x, y); side -1 is the viewer's left.
void Eye(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood, double x, double y, int side) {
    EyeLook l = LookOf(w.eyes);
    bool closed = mood == kMoodCalm || (mood == kMoodHurt && side == 1);
    if (mood == kMoodGrin) {
        // Happy eyes: upward arches.
        cairo_new_path(cr);
        cairo_arc(cr, x, y + 2, l.rx * 0.9, kPi * 1.1, kPi * 1.9);
        Stroke(cr, kInk, 2.0);
        return;
    }
    if (closed) {
        cairo_new_path(cr);
        if (mood == kMoodHurt) {
            cairo_move_to(cr, x - l.rx, y - 2.5);
            cairo_line_to(cr, x + l.rx * 0.6, y);
            cairo_line_to(cr, x - l.rx, y + 2);
        } else {
            cairo_arc_negative(cr, x, y - 2.5, l.rx * 0.95, kPi * 0.85, kPi * 0.15);
        }
        Stroke(cr, kInk, 2.0);
        return;
    }
    double rx = l.rx, ry = l.ry, ir = l.iris;
    if (mood == kMoodSurprised) ry *= 1.25, ir *= 0.8, rx *= 1.05;
    if (mood == kMoodSmile || mood == kMoodSmug) ry *= 0.8;
    if (w.extras & kFXOrb) rx *= 2.2, ry *= 2.2, ir *= 2.2;
    Rgb white = (w.eyes == kEyesBeast) ? Hex(0xF8E070) : Hex(0xFBF8F2);
    if (w.eyes == kEyesOld) {
        Ellipse(cr, x, y, rx, ry);
        SetColor(cr, kInk);
        cairo_fill(cr);
        return;
    }
    Ellipse(cr, x, y, rx, ry);
    SetColor(cr, white);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    if (w.eyes == kEyesBeast) {
        Ellipse(cr, x, y, ir * 0.35, ry);
        SetColor(cr, kInk);
        cairo_fill(cr);
    } else {
        Rgb iris = mood == kMoodFierce ? Hex(0xE8A020) : k.iris;
        FillCircle(cr, x, y + 0.4, ir, Mix(iris, kInk, 0.35));
        FillCircle(cr, x, y + 0.7, ir * 0.78, iris);
        FillCircle(cr, x, y + 0.4, ir * 0.45, kInk);
        FillCircle(cr, x - ir * 0.35, y - ir * 0.35, ir * 0.3, Hex(0xFFFFFF));
    }
    cairo_restore(cr);
    // Lids: the upper lid is heavy; its slant carries the mood.
    double inner = 0, outer = 0;  // how far each end of the upper lid comes down
    if (mood == kMoodAngry || mood == kMoodShout || mood == kMoodFierce || w.eyes == kEyesSharp)
        inner = ry * 0.8;
    if (mood == kMoodSad || mood == kMoodHurt) outer = ry * 0.75;
    double xi = x - side * rx, xo = x + side * rx;  // inner and outer corner
    if (inner > 0 || outer > 0) {
        cairo_new_path(cr);
        cairo_move_to(cr, xi, y - ry - 3);
        cairo_line_to(cr, xi, y - ry + inner * 1.6);
        cairo_line_to(cr, xo, y - ry + outer * 1.6);
        cairo_line_to(cr, xo, y - ry - 3);
        cairo_close_path(cr);
        SetColor(cr, k.skin.base);
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    if (inner > 0 || outer > 0) {
        cairo_move_to(cr, xi, y - ry + inner * 1.6);
        cairo_line_to(cr, xo, y - ry + outer * 1.6);
    } else {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, rx * 1.05, ry * 1.1);
        cairo_arc(cr, 0, 0, 1, kPi * 1.02, kPi * 1.98);
        cairo_restore(cr);
    }
    Stroke(cr, kInk, w.eyes == kEyesBig ? 2.2 : 1.8);
    if (w.eyes == kEyesBig) {
        // A lash flick at the outer corner.
        cairo_move_to(cr, xo, y - ry * 0.4 + outer);
        cairo_line_to(cr, xo + side * 2.2, y - ry - 0.8 + outer);
        Stroke(cr, kInk, 1.6);
    }
    Ellipse(cr, x, y, rx, ry);
    Stroke(cr, Mix(kInk, k.skin.dark, 0.5), 0.8);
}

void Brows(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood, double ex) {
    double y = 39.5, thick = (w.eyes == kEyesBig) ? 1.9 : 2.8;
    if (w.hat == kFHatHood) y = 42.5;
    for (int side = -1; side <= 1; side += 2) {
        double xi = C + side * (ex - 5.5), xo = C + side * (ex + 5.5);
        double yi = y, yo = y;
        switch (mood) {
            case kMoodAngry:
            case kMoodShout:
            case kMoodFierce:
            case kMoodHurt:
                yi += 3.5, yo -= 1.5;
                break;
            case kMoodSad:
                yi -= 3, yo += 1.5;
                break;
            case kMoodSurprised:
                yi -= 3, yo -= 3;
                break;
            case kMoodSmug:
                if (side == 1) yi -= 2.5, yo -= 3.5;
                break;
            default:
                break;
        }
        if (w.eyes == kEyesSharp && mood == kMoodNeutral) yi += 2;
        cairo_move_to(cr, xi, yi);
        cairo_curve_to(cr, (2 * xi + xo) / 3, std::min(yi, yo) - 2, (xi + 2 * xo) / 3, std::min(yi, yo) - 2,
                       xo, yo);
        Rgb col = (w.extras & kFXOrb) ? k.skin.dark : Mix(k.hair.base, kInk, 0.4);
        Stroke(cr, col, thick);
    }
}

void Mouth(cairo_t* cr, const FaceWho& w, FaceMood mood) {
    double y = 64;
    Rgb lip = (w.extras & kFXLips) ? Hex(0xB83A44) : kInk;
    Rgb inside = Hex(0x6A1E22);
    cairo_new_path(cr);
    switch (mood) {
        case kMoodSmile:
        case kMoodCalm:
            cairo_move_to(cr, C - 5.5, y - 1);
            cairo_curve_to(cr, C - 2, y + 3, C + 2, y + 3, C + 5.5, y - 1);
            Stroke(cr, lip, 1.6);
            break;
        case kMoodGrin:
            cairo_move_to(cr, C - 7, y - 2);
            cairo_curve_to(cr, C - 4, y + 7, C + 4, y + 7, C + 7, y - 2);
            cairo_close_path(cr);
            FillInk(cr, inside, 1.4);
            Poly(cr, {{C - 6, y - 1.5}, {C + 6, y - 1.5}, {C + 5, y + 1}, {C - 5, y + 1}});
            SetColor(cr, Hex(0xFFFFFF));
            cairo_fill(cr);
            break;
        case kMoodAngry:
        case kMoodFierce:
            cairo_move_to(cr, C - 5, y + 1.5);
            cairo_curve_to(cr, C - 2, y - 1, C + 2, y - 1, C + 5, y + 1.5);
            Stroke(cr, lip, 1.8);
            break;
        case kMoodSad:
            cairo_move_to(cr, C - 4.5, y + 2);
            cairo_curve_to(cr, C - 2, y - 1.5, C + 2, y - 1.5, C + 4.5, y + 2);
            Stroke(cr, lip, 1.5);
            break;
        case kMoodSurprised:
            Ellipse(cr, C, y + 1, 3, 3.8);
            FillInk(cr, inside, 1.4);
            break;
        case kMoodShout:
            Ellipse(cr, C, y + 1.5, 6.5, 5.5);
            FillInk(cr, inside, 1.5);
            Ellipse(cr, C, y + 4.5, 3.5, 2);
            SetColor(cr, Hex(0xC8505A));
            cairo_fill(cr);
            break;
        case kMoodSmug:
            cairo_move_to(cr, C - 5, y + 0.5);
            cairo_curve_to(cr, C - 1, y + 2, C + 3, y + 1, C + 6, y - 2.5);
            Stroke(cr, lip, 1.6);
            break;
        case kMoodHurt:
            cairo_rectangle(cr, C - 5.5, y - 1.5, 11, 4.5);
            FillInk(cr, Hex(0xFFFFFF), 1.3);
            cairo_move_to(cr, C - 5.5, y + 0.75);
            cairo_line_to(cr, C + 5.5, y + 0.75);
            Stroke(cr, kInk, 0.8);
            break;
        case kMoodNeutral:
            cairo_move_to(cr, C - 4, y);
            cairo_curve_to(cr, C - 1, y + 1, C + 1, y + 1, C + 4, y);
            Stroke(cr, lip, 1.5);
            break;
    }
}

void HairFront(cairo_t* cr, const FaceWho& w, const Inks& k, double hw) {
    auto cap = [&](double line) {
        // Hair over the crown down to a hairline at height `line` at the sides.
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, C, 44);
        cairo_scale(cr, hw + 2.5, 29);
        cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
        cairo_restore(cr);
        cairo_line_to(cr, C + hw + 2.5, line);
    };
    switch (w.hair_style) {
        case kFHPonytail:
        case kFHShort:
        case kFHTied:
        case kFHWild: {
            cap(56);
            // Fringe locks across the brow, from the right side back to the left.
            double ys[] = {52, 40, 33, 38, 31, 36, 30, 37, 33, 42, 54};
            int n = 11;
            for (int i = 0; i < n; i++) {
                double x = C + hw + 1 - i * (2 * hw + 2) / (n - 1);
                double y = ys[i];
                if (w.hair_style == kFHWild && (i % 2)) y -= 4;
                cairo_line_to(cr, x, y);
            }
            cairo_line_to(cr, C - hw - 2.5, 56);
            cairo_close_path(cr);
            FillInk(cr, k.hair.base, 1.5);
            // Sheen.
            cairo_new_path(cr);
            cairo_arc(cr, C - 4, 40, hw * 0.8, kPi * 1.2, kPi * 1.45);
            Stroke(cr, k.hair.light, 2.0);
            // Side locks by the cheeks.
            if (w.hair_style == kFHPonytail || w.hair_style == kFHTied) {
                for (int s = -1; s <= 1; s += 2) {
                    Poly(cr, {{C + s * (hw + 1), 42},
                              {C + s * (hw - 5), 44},
                              {C + s * (hw - 2), 66},
                              {C + s * (hw + 2), 60}});
                    FillInk(cr, k.hair.base, 1.2);
                }
            }
            break;
        }
        case kFHLong: {
            cap(50);
            cairo_line_to(cr, C + hw - 3, 72);
            cairo_line_to(cr, C + hw - 6, 50);
            cairo_curve_to(cr, C + hw - 8, 36, C + 6, 30, C, 28);
            cairo_curve_to(cr, C - 6, 30, C - hw + 8, 36, C - hw + 6, 50);
            cairo_line_to(cr, C - hw + 3, 72);
            cairo_line_to(cr, C - hw - 2.5, 50);
            cairo_close_path(cr);
            FillInk(cr, k.hair.base, 1.5);
            cairo_new_path(cr);
            cairo_arc(cr, C - 4, 40, hw * 0.85, kPi * 1.2, kPi * 1.42);
            Stroke(cr, k.hair.light, 2.0);
            break;
        }
        case kFHBun: {
            cap(48);
            cairo_curve_to(cr, C + hw - 2, 36, C + 6, 28, C, 30);
            cairo_curve_to(cr, C - 6, 28, C - hw + 2, 36, C - hw - 2.5, 48);
            cairo_close_path(cr);
            FillInk(cr, k.hair.base, 1.5);
            break;
        }
        case kFHTopknot: {
            for (int s = -1; s <= 1; s += 2) {
                Poly(cr, {{C + s * (hw + 1.5), 34},
                          {C + s * (hw - 6), 32},
                          {C + s * (hw - 3), 44},
                          {C + s * (hw + 2), 52}});
                FillInk(cr, k.hair.base, 1.2);
            }
            // The shaved pate is a shade lighter; the knot lies on top.
            cairo_new_path(cr);
            Ellipse(cr, C, 26, hw * 0.62, 7);
            SetColor(cr, Mix(k.skin.light, Hex(0xB8C8D8), 0.25));
            cairo_fill(cr);
            cairo_rectangle(cr, C - 3.5, 10, 7, 12);
            FillInk(cr, k.hair.base, 1.3);
            cairo_rectangle(cr, C - 4, 17, 8, 2.5);
            FillInk(cr, Hex(0xF0F0F0), 0.8);
            break;
        }
        case kFHBald:
            cairo_new_path(cr);
            cairo_arc(cr, C - 6, 30, 7, kPi * 1.1, kPi * 1.5);
            Stroke(cr, k.skin.light, 2.4);
            break;
        case kFHNone:
            break;
    }
}

void Hat(cairo_t* cr, const FaceWho& w, const Inks& k, double hw) {
    switch (w.hat) {
        case kFHatNone:
        case kFHatHood:
            break;
        case kFHatBand: {
            Tone band = w.band ? MakeTone(w.band) : k.accent;
            cairo_new_path(cr);
            cairo_move_to(cr, C - hw - 1.5, 38);
            cairo_curve_to(cr, C - hw / 2, 32, C + hw / 2, 32, C + hw + 1.5, 38);
            cairo_line_to(cr, C + hw + 1.5, 32);
            cairo_curve_to(cr, C + hw / 2, 26, C - hw / 2, 26, C - hw - 1.5, 32);
            cairo_close_path(cr);
            FillInk(cr, band.base, 1.3);
            cairo_move_to(cr, C - hw + 2, 32.5);
            cairo_curve_to(cr, C - hw / 2, 28.5, C + hw / 2, 28.5, C + hw - 2, 32.5);
            Stroke(cr, band.light, 1.0);
            // Tails fluttering from the knot at the right.
            Poly(cr, {{C + hw, 34}, {C + hw + 14, 30}, {C + hw + 16, 36}, {C + hw + 2, 38}});
            FillInk(cr, band.base, 1.1);
            Poly(cr, {{C + hw, 36}, {C + hw + 10, 40}, {C + hw + 8, 45}, {C + hw - 1, 39}});
            FillInk(cr, band.dark, 1.1);
            break;
        }
        case kFHatScarf: {
            cairo_new_path(cr);
            cairo_save(cr);
            cairo_translate(cr, C, 44);
            cairo_scale(cr, hw + 3.5, 30);
            cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
            cairo_restore(cr);
            cairo_line_to(cr, C + hw + 3.5, 50);
            cairo_curve_to(cr, C + hw - 2, 36, C - hw + 2, 36, C - hw - 3.5, 50);
            cairo_close_path(cr);
            FillInk(cr, k.accent.base, 1.4);
            for (int i = -1; i <= 1; i++) {
                cairo_move_to(cr, C + i * 9, 20);
                cairo_line_to(cr, C + i * 11, 34);
                Stroke(cr, k.accent.dark, 1.0);
            }
            Poly(cr, {{C - 4, 14}, {C - 12, 6}, {C, 10}, {C + 12, 6}, {C + 4, 14}});
            FillInk(cr, k.accent.base, 1.1);
            break;
        }
        case kFHatJingasa: {
            Poly(cr, {{C - 40, 34}, {C, 8}, {C + 40, 34}, {C + 34, 37}, {C - 34, 37}});
            FillInk(cr, k.accent.base, 1.5);
            Poly(cr, {{C - 40, 34}, {C, 8}, {C - 8, 36}, {C - 34, 37}});
            SetColor(cr, k.accent.dark);
            cairo_fill(cr);
            FillCircle(cr, C, 25, 4.5, Hex(0xC83A32));
            break;
        }
        case kFHatKabuto: {
            // Helmet bowl, brim, side flaps and the golden crest.
            cairo_new_path(cr);
            cairo_save(cr);
            cairo_translate(cr, C, 40);
            cairo_scale(cr, hw + 5, 26);
            cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
            cairo_restore(cr);
            cairo_close_path(cr);
            FillInk(cr, k.accent.dark, 1.5);
            for (int i = -2; i <= 2; i++) {
                cairo_move_to(cr, C + i * 7, 15 + std::abs(i) * 1.5);
                cairo_line_to(cr, C + i * 9.5, 39);
                Stroke(cr, k.accent.light, 0.9);
            }
            Poly(cr, {{C - hw - 10, 38}, {C + hw + 10, 38}, {C + hw + 6, 44}, {C - hw - 6, 44}});
            FillInk(cr, k.accent.base, 1.3);
            for (int s = -1; s <= 1; s += 2) {
                Poly(cr, {{C + s * (hw + 4), 40},
                          {C + s * (hw + 14), 36},
                          {C + s * (hw + 14), 60},
                          {C + s * (hw + 5), 62}});
                FillInk(cr, k.accent.base, 1.3);
            }
            Poly(cr, {{C - 3, 30}, {C - 18, 6}, {C - 14, 5}, {C, 24}, {C + 14, 5}, {C + 18, 6}, {C + 3, 30}});
            FillInk(cr, Hex(0xE8B83A), 1.2);
            FillCircle(cr, C, 31, 3, Hex(0xE8B83A));
            break;
        }
        case kFHatKasa: {
            Poly(cr, {{C - 42, 34}, {C - 10, 12}, {C + 10, 12}, {C + 42, 34}, {C + 30, 37}, {C - 30, 37}});
            FillInk(cr, k.accent.base, 1.5);
            for (int i = -3; i <= 3; i++) {
                cairo_move_to(cr, C + i * 3, 13);
                cairo_line_to(cr, C + i * 11, 35);
                Stroke(cr, k.accent.dark, 0.9);
            }
            break;
        }
        case kFHatEboshi: {
            Poly(cr, {{C - 15, 24}, {C + 14, 22}, {C + 10, 4}, {C - 2, 6}, {C - 10, 12}});
            FillInk(cr, Hex(0x1E1A20), 1.3);
            cairo_move_to(cr, C - 8, 20);
            cairo_line_to(cr, C + 8, 10);
            Stroke(cr, Hex(0x4A4450), 1.2);
            break;
        }
        case kFHatTokin: {
            Poly(cr, {{C - 7, 30}, {C + 7, 30}, {C + 6, 20}, {C, 16}, {C - 6, 20}});
            FillInk(cr, Hex(0x1E1A20), 1.3);
            for (int s = -1; s <= 1; s += 2) {
                cairo_move_to(cr, C + s * 7, 28);
                cairo_line_to(cr, C + s * (hw + 2), 40);
                Stroke(cr, Hex(0x1E1A20), 1.0);
            }
            break;
        }
        case kFHatVeil: {
            // Head cloth framing the face.
            cairo_new_path(cr);
            cairo_save(cr);
            cairo_translate(cr, C, 46);
            cairo_scale(cr, hw + 6, 33);
            cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
            cairo_restore(cr);
            cairo_line_to(cr, C + hw + 8, 86);
            cairo_line_to(cr, C - hw - 8, 86);
            cairo_close_path(cr);
            Ellipse(cr, C, 52, hw - 3, 20);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            FillInk(cr, k.accent.base, 1.4);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            cairo_move_to(cr, C - hw, 30);
            cairo_curve_to(cr, C - hw / 2, 24, C + hw / 2, 24, C + hw, 30);
            Stroke(cr, k.accent.dark, 1.2);
            break;
        }
        case kFHatTriangle: {
            Poly(cr, {{C - 8, 36}, {C + 8, 36}, {C, 24}});
            FillInk(cr, Hex(0xF8F8F4), 1.2);
            break;
        }
        case kFHatCrown: {
            Poly(cr,
                 {{C - 16, 26}, {C - 12, 14}, {C - 6, 22}, {C, 10}, {C + 6, 22}, {C + 12, 14}, {C + 16, 26}});
            FillInk(cr, Hex(0xE8B83A), 1.2);
            FillCircle(cr, C, 20, 2.5, k.accent.base);
            FillCircle(cr, C - 11, 22, 1.8, k.accent.light);
            FillCircle(cr, C + 11, 22, 1.8, k.accent.light);
            // Hairpins with dangling beads.
            for (int s = -1; s <= 1; s += 2) {
                cairo_move_to(cr, C + s * 14, 26);
                cairo_line_to(cr, C + s * (hw + 8), 18);
                Stroke(cr, Hex(0xE8B83A), 1.6);
                FillCircle(cr, C + s * (hw + 8), 22, 2, k.accent.base);
            }
            break;
        }
        case kFHatFoxEars: {
            for (int s = -1; s <= 1; s += 2) {
                Poly(cr, {{C + s * 6, 22}, {C + s * 16, 2}, {C + s * 22, 26}});
                FillInk(cr, k.hair.base, 1.3);
                Poly(cr, {{C + s * 10, 21}, {C + s * 16, 8}, {C + s * 19, 22}});
                SetColor(cr, Hex(0xE89AA0));
                cairo_fill(cr);
            }
            break;
        }
    }
}

void Skull(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood, double ex);
void Muzzle(cairo_t* cr, const FaceWho& w, const Inks& k);
void Kumadori(cairo_t* cr);
void Scarf(cairo_t* cr, const Inks& k, double hw);

void Extras(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood, double hw) {
    uint32_t x = w.extras;
    if (x & kFXKumadori) Kumadori(cr);
    if (x & kFXMuzzle) Muzzle(cr, w, k);
    if (x & kFXScarf) Scarf(cr, k, hw);
    if (x & kFXWrinkles) {
        for (int s = -1; s <= 1; s += 2) {
            cairo_move_to(cr, C + s * (hw - 4), 54);
            cairo_line_to(cr, C + s * (hw - 7), 60);
            Stroke(cr, k.skin.dark, 1.2);
        }
        cairo_move_to(cr, C - 7, 33);
        cairo_line_to(cr, C + 7, 33);
        Stroke(cr, k.skin.dark, 1.0);
    }
    if (x & kFXEyeMarks) {
        for (int s = -1; s <= 1; s += 2) {
            Poly(cr, {{C + s * 5, 54}, {C + s * 15, 52}, {C + s * 17, 55}});
            SetColor(cr, Hex(0xD83040));
            cairo_fill(cr);
        }
    }
    if (x & kFXStubble) {
        ArtRandom r(7);
        for (int i = 0; i < 24; i++) {
            double a = r.Range(0.15, 0.85) * kPi, d = r.Range(0.75, 0.95);
            double px = C + std::cos(a) * hw * d, py = 60 + std::sin(a) * 13 * d;
            FillCircle(cr, px, py, 0.6, Mix(k.skin.dark, kInk, 0.4));
        }
    }
    if (x & kFXBeard) {
        cairo_new_path(cr);
        cairo_move_to(cr, C - hw + 1, 52);
        cairo_curve_to(cr, C - hw, 70, C - 10, 84, C, 88);
        cairo_curve_to(cr, C + 10, 84, C + hw, 70, C + hw - 1, 52);
        cairo_curve_to(cr, C + hw - 6, 60, C + 8, 70, C, 70);
        cairo_curve_to(cr, C - 8, 70, C - hw + 6, 60, C - hw + 1, 52);
        cairo_close_path(cr);
        FillInk(cr, k.hair.base, 1.3);
        for (int i = -2; i <= 2; i++) {
            cairo_move_to(cr, C + i * 5, 74);
            cairo_line_to(cr, C + i * 5.5, 82);
            Stroke(cr, k.hair.light, 0.9);
        }
    }
    if (x & kFXMoustache) {
        for (int s = -1; s <= 1; s += 2) {
            cairo_move_to(cr, C + s * 1, 60);
            cairo_curve_to(cr, C + s * 6, 58, C + s * 10, 60, C + s * 13, 66);
            cairo_curve_to(cr, C + s * 9, 63, C + s * 5, 62, C + s * 1, 62);
            cairo_close_path(cr);
            FillInk(cr, k.hair.base, 1.0);
        }
    }
    if (x & kFXMenpo) {
        cairo_new_path(cr);
        cairo_move_to(cr, C - hw + 1, 54);
        cairo_line_to(cr, C - 6, 57);
        cairo_line_to(cr, C, 55);
        cairo_line_to(cr, C + 6, 57);
        cairo_line_to(cr, C + hw - 1, 54);
        cairo_curve_to(cr, C + hw - 2, 66, C + 10, 76, C, 78);
        cairo_curve_to(cr, C - 10, 76, C - hw + 2, 66, C - hw + 1, 54);
        cairo_close_path(cr);
        FillInk(cr, k.accent.dark, 1.4);
        for (int i = 0; i < 3; i++) {
            cairo_move_to(cr, C - 8, 63 + i * 3);
            cairo_line_to(cr, C + 8, 63 + i * 3);
            Stroke(cr, k.accent.light, 0.9);
        }
        // A bristling white moustache on the mask.
        for (int s = -1; s <= 1; s += 2) {
            Poly(cr, {{C + s * 2, 59}, {C + s * 14, 58}, {C + s * 17, 63}, {C + s * 4, 61}});
            FillInk(cr, Hex(0xF0EEE8), 0.9);
        }
    }
    if (x & kFXFangs) {
        for (int s = -1; s <= 1; s += 2) {
            Poly(cr, {{C + s * 4, 66}, {C + s * 7.5, 66}, {C + s * 6, 59}});
            FillInk(cr, Hex(0xFFFDF0), 1.0);
        }
    }
    if (x & kFXScar) {
        cairo_move_to(cr, C - 16, 38);
        cairo_line_to(cr, C - 5, 58);
        Stroke(cr, Hex(0xA04040), 1.8);
        for (int i = 0; i < 3; i++) {
            double t = 0.25 + i * 0.25;
            double px = C - 16 + 11 * t, py = 38 + 20 * t;
            cairo_move_to(cr, px - 2.5, py + 1.2);
            cairo_line_to(cr, px + 2.5, py - 1.2);
            Stroke(cr, Hex(0xA04040), 1.0);
        }
    }
    if (x & kFXHorns) {
        for (int s = -1; s <= 1; s += 2) {
            Poly(cr, {{C + s * 8, 24}, {C + s * 22, 2}, {C + s * 17, 26}});
            FillInk(cr, Hex(0xF0E2C0), 1.3);
            cairo_move_to(cr, C + s * 11, 20);
            cairo_line_to(cr, C + s * 17, 18);
            Stroke(cr, Hex(0xB8A070), 1.0);
        }
    }
    if (x & kFXThirdEye) {
        Ellipse(cr, C, 33, 2.4, 4.2);
        FillInk(cr, Hex(0xF8E070), 1.1);
        Ellipse(cr, C, 33, 0.9, 3.2);
        SetColor(cr, Hex(0xC82020));
        cairo_fill(cr);
    }
    (void)mood;
}

void Nose(cairo_t* cr, const FaceWho& w, const Inks& k) {
    if (w.extras & kFXLongNose) {
        cairo_new_path(cr);
        cairo_move_to(cr, C - 3.5, 48);
        cairo_curve_to(cr, C - 5, 60, C - 3, 70, C + 2, 74);
        cairo_curve_to(cr, C + 8, 74, C + 6, 62, C + 3.5, 48);
        cairo_close_path(cr);
        FillInk(cr, k.skin.base, 1.4);
        cairo_move_to(cr, C + 1, 52);
        cairo_line_to(cr, C + 3, 68);
        Stroke(cr, k.skin.light, 1.6);
        return;
    }
    if (w.extras & kFXBeak) {
        Poly(cr, {{C - 9, 53}, {C + 9, 53}, {C + 2, 76}, {C - 1, 76}});
        FillInk(cr, Hex(0x2A2A32), 1.4);
        cairo_move_to(cr, C - 7, 60);
        cairo_line_to(cr, C + 7, 60);
        Stroke(cr, Hex(0x5A5A6A), 1.0);
        return;
    }
    cairo_move_to(cr, C + 1.5, 53);
    cairo_line_to(cr, C + 2.5, 57.5);
    cairo_line_to(cr, C - 0.5, 58.5);
    Stroke(cr, Mix(k.skin.dark, kInk, 0.45), 1.2);
}

void Orb(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood) {
    // A floating core: a dark sphere in a ring of flame with one great eye.
    for (int i = 0; i < 12; i++) {
        double a = i * kPi / 6;
        Poly(cr, {{C + 24 * std::cos(a - 0.2), 48 + 24 * std::sin(a - 0.2)},
                  {C + 38 * std::cos(a), 48 + 38 * std::sin(a)},
                  {C + 24 * std::cos(a + 0.2), 48 + 24 * std::sin(a + 0.2)}});
        SetColor(cr, i % 2 ? k.accent.base : k.accent.light);
        cairo_fill(cr);
    }
    FillCircle(cr, C, 48, 27, kInk);
    FillCircle(cr, C, 48, 25.5, k.skin.base);
    FillCircle(cr, C - 6, 40, 14, k.skin.light);
    FillCircle(cr, C, 48, 18, k.skin.base);
    Eye(cr, w, k, mood, C, 50, -1);
}

void Skull(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood, double ex) {
    // Sockets with a cold glow, a nose hole and a row of bared teeth.
    for (int s = -1; s <= 1; s += 2) {
        double x = C + s * ex;
        Ellipse(cr, x, 49, 6.2, 5.4);
        FillInk(cr, Hex(0x1A1420), 1.2);
        if (mood != kMoodCalm) {
            FillCircle(cr, x, 50, 2.2, k.iris);
            FillCircle(cr, x - 0.6, 49.4, 0.8, Hex(0xFFFFFF));
        }
        // The brow ridge sets the mood.
        bool cross = mood == kMoodAngry || mood == kMoodShout || mood == kMoodFierce;
        cairo_move_to(cr, x - s * 6, cross ? 40 : 42);
        cairo_line_to(cr, x + s * 6, cross ? 45 : 42);
        Stroke(cr, k.skin.dark, 2.2);
    }
    Poly(cr, {{C, 54}, {C + 3, 60}, {C - 3, 60}});
    FillInk(cr, Hex(0x1A1420), 1.0);
    cairo_rectangle(cr, C - 9, 64, 18, 6);
    FillInk(cr, k.skin.light, 1.3);
    for (int i = -2; i <= 2; i++) {
        cairo_move_to(cr, C + i * 3.6, 64);
        cairo_line_to(cr, C + i * 3.6, 70);
        Stroke(cr, kInk, 0.9);
    }
    (void)w;
}

void Muzzle(cairo_t* cr, const FaceWho& w, const Inks& k) {
    Ellipse(cr, C, 63, 12, 8.5);
    FillInk(cr, Mix(k.skin.base, Hex(0xE8C8B0), 0.35), 1.4);
    for (int s = -1; s <= 1; s += 2) {
        Ellipse(cr, C + s * 4.5, 61, 2.0, 1.4);
        SetColor(cr, kInk);
        cairo_fill(cr);
    }
    cairo_move_to(cr, C - 5, 67);
    cairo_curve_to(cr, C - 2, 69, C + 2, 69, C + 5, 67);
    Stroke(cr, kInk, 1.3);
    if (w.extras & kFXNoseRing) {
        cairo_new_path(cr);
        cairo_arc(cr, C, 64, 4, 0.1 * kPi, 0.9 * kPi);
        Stroke(cr, kInk, 2.6);
        cairo_new_path(cr);
        cairo_arc(cr, C, 64, 4, 0.1 * kPi, 0.9 * kPi);
        Stroke(cr, Hex(0xE8B83A), 1.4);
    }
}

void Kumadori(cairo_t* cr) {
    for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, C + s * 4, 52);
        cairo_curve_to(cr, C + s * 10, 50, C + s * 16, 44, C + s * 18, 32);
        cairo_curve_to(cr, C + s * 15, 42, C + s * 10, 48, C + s * 4, 54);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xC8202A));
        cairo_fill(cr);
        cairo_move_to(cr, C + s * 8, 57);
        cairo_curve_to(cr, C + s * 12, 60, C + s * 14, 62, C + s * 16, 60);
        Stroke(cr, Hex(0xC8202A), 1.6);
    }
}

void Scarf(cairo_t* cr, const Inks& k, double hw) {
    cairo_new_path(cr);
    cairo_move_to(cr, C - hw - 1, 55);
    cairo_curve_to(cr, C - 8, 58, C + 8, 58, C + hw + 1, 55);
    cairo_line_to(cr, C + hw + 4, 78);
    cairo_line_to(cr, C - hw - 4, 78);
    cairo_close_path(cr);
    FillInk(cr, k.under.base, 1.4);
    cairo_move_to(cr, C - hw + 2, 64);
    cairo_curve_to(cr, C - 6, 67, C + 6, 67, C + hw - 2, 64);
    Stroke(cr, k.under.dark, 1.2);
    Poly(cr, {{C + hw - 2, 70}, {C + hw + 14, 74}, {C + hw + 12, 82}, {C + hw - 2, 78}});
    FillInk(cr, k.under.base, 1.2);
}

}  // namespace

static void DrawPortrait(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood, double hw);

void DrawFace(cairo_t* cr, const FaceWho& w, FaceMood mood) {
    Inks k{MakeTone(w.skin),   MakeTone(w.hair), MakeTone(w.cloth), MakeTone(w.under),
           MakeTone(w.accent), Hex(w.iris),      Hex(w.bg)};
    double hw = 20 * w.width;
    Backdrop(cr, k);
    // Everything else stays inside the frame.
    cairo_save(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 86, 10, 6, -kPi / 2, 0);
    cairo_arc(cr, 86, 86, 6, 0, kPi / 2);
    cairo_arc(cr, 10, 86, 6, kPi / 2, kPi);
    cairo_arc(cr, 10, 10, 6, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
    cairo_clip(cr);
    DrawPortrait(cr, w, k, mood, hw);
    cairo_restore(cr);
}

static void DrawPortrait(cairo_t* cr, const FaceWho& w, const Inks& k, FaceMood mood, double hw) {
    if (mood == kMoodFierce) Aura(cr);
    if (w.extras & kFXOrb) {
        Orb(cr, w, k, mood);
        return;
    }
    HairBack(cr, w, k, hw);
    Body(cr, w, k);
    Ears(cr, k, hw);
    HeadShape(cr, k, hw);
    double ex = 9 * w.width;
    bool hood = w.hat == kFHatHood;
    if (hood) {
        // The hood covers all but a band around the eyes.
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, C, 44);
        cairo_scale(cr, hw + 4, 31);
        cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
        cairo_restore(cr);
        cairo_line_to(cr, C + hw + 6, 82);
        cairo_line_to(cr, C - hw - 6, 82);
        cairo_close_path(cr);
        FillInk(cr, k.accent.base, 1.5);
        Poly(cr, {{C - hw + 1, 41}, {C + hw - 1, 41}, {C + hw - 2, 56}, {C - hw + 2, 56}});
        FillInk(cr, k.skin.base, 1.2);
        cairo_move_to(cr, C - hw, 70);
        cairo_curve_to(cr, C - 8, 64, C + 8, 64, C + hw, 70);
        Stroke(cr, k.accent.dark, 1.2);
    }
    bool skull = (w.extras & kFXSkull) != 0;
    if (skull) {
        Skull(cr, w, k, mood, ex);
    } else {
        if (!hood) Nose(cr, w, k);
        Eye(cr, w, k, mood, C - ex, 49, -1);
        Eye(cr, w, k, mood, C + ex, 49, 1);
    }
    if (!hood) {
        HairFront(cr, w, k, hw);
        Brows(cr, w, k, mood, ex);
        if (!(w.extras & (kFXBeak | kFXMenpo | kFXSkull | kFXScarf))) Mouth(cr, w, mood);
        bool blush = (w.extras & kFXBlush) && (mood == kMoodSmile || mood == kMoodGrin ||
                                               mood == kMoodSurprised || mood == kMoodNeutral);
        if (blush) {
            for (int s = -1; s <= 1; s += 2) {
                Ellipse(cr, C + s * (ex + 3), 57, 4, 2);
                SetColor(cr, Mix(k.skin.base, Hex(0xE86A6A), 0.45));
                cairo_fill(cr);
            }
        }
    } else {
        Brows(cr, w, k, mood, ex);
    }
    Extras(cr, w, k, mood, hw);
    Hat(cr, w, k, hw);
    if (mood == kMoodHurt || mood == kMoodSurprised) {
        // A bead of sweat.
        cairo_new_path(cr);
        cairo_move_to(cr, C + hw + 2, 30);
        cairo_curve_to(cr, C + hw + 7, 38, C + hw + 5, 42, C + hw + 2, 42);
        cairo_curve_to(cr, C + hw - 1, 42, C + hw - 2, 38, C + hw + 2, 30);
        FillInk(cr, Hex(0xC8E8FF), 1.0);
    }
}
