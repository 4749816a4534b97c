#include "tools/art/story/scenery.h"

#include <algorithm>
#include <cmath>
#include <string>

static const double kPi = 3.14159265358979;

void FillSky(cairo_t* cr, double x, double y, double w, double h, const SkyStop* stops, int n) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    for (int i = 0; i < n; i++) {
        Rgb c = Hex(stops[i].rgb);
        cairo_pattern_add_color_stop_rgb(p, stops[i].at, c.r, c.g, c.b);
    }
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void DrawGlow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.4, c.r, c.g, c.b, alpha * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void DrawSun(cairo_t* cr, double cx, double cy, double r, Rgb core, Rgb halo) {
    DrawGlow(cr, cx, cy, r * 5, halo, 0.55);
    DrawGlow(cr, cx, cy, r * 2, halo, 0.8);
    FillCircle(cr, cx, cy, r, core);
}

void DrawMoon(cairo_t* cr, double cx, double cy, double r, Rgb c, double crescent) {
    DrawGlow(cr, cx, cy, r * 4, c, 0.25);
    cairo_push_group(cr);
    FillCircle(cr, cx, cy, r, c);
    if (crescent > 0) {
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        FillCircle(cr, cx + r * crescent, cy - r * 0.2, r * 0.95, Hex(0));
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    // A few soft maria on a full moon.
    if (crescent <= 0) {
        SetColor(cr, Hex(0xB8B090), 0.25);
        cairo_arc(cr, cx - r * 0.3, cy - r * 0.2, r * 0.3, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_arc(cr, cx + r * 0.25, cy + r * 0.3, r * 0.22, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void DrawStars(cairo_t* cr, uint32_t seed, int count, double x, double y, double w, double h, double alpha) {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; i++) {
        double sx = x + rnd.Range(0, w), sy = y + rnd.Range(0, h);
        double r = rnd.Range(0.5, 1.6);
        double a = alpha * rnd.Range(0.4, 1.0) * (1.0 - 0.6 * (sy - y) / h);
        SetColor(cr, Hex(0xFFF8E8), a);
        cairo_arc(cr, sx, sy, r, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void DrawCloud(cairo_t* cr, double cx, double cy, double w, double h, Rgb c, double alpha, uint32_t seed) {
    ArtRandom rnd(seed);
    cairo_push_group(cr);
    for (int i = 0; i < 9; i++) {
        double ex = cx + rnd.Range(-0.4, 0.4) * w, ey = cy + rnd.Range(-0.25, 0.15) * h;
        double rx = rnd.Range(0.18, 0.32) * w, ry = rnd.Range(0.35, 0.6) * h;
        cairo_save(cr);
        cairo_translate(cr, ex, ey);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        SetColor(cr, c);
        cairo_fill(cr);
    }
    // Flat underside, as painted clouds have.
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_rectangle(cr, cx - w, cy + h * 0.3, 2 * w, h * 2);
    SetColor(cr, Hex(0));
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

// Height of a ridge at x: a few sines with seeded phases plus small jitter.
static double RidgeHeight(double x, double amp, uint32_t seed, double roughness) {
    ArtRandom rnd(seed);
    double y = 0;
    double f = 0.004, a = 1.0;
    for (int k = 0; k < 5; k++) {
        double ph = rnd.Range(0, 2 * kPi);
        y += a * std::sin(x * f + ph);
        f *= 2.1;
        a *= 0.45 * roughness + 0.05;
    }
    return y * amp;
}

void DrawRidge(cairo_t* cr, double w, double baseY, double amp, double bottom, Rgb c, uint32_t seed,
               double roughness) {
    cairo_move_to(cr, -2, bottom);
    for (double x = -2; x <= w + 2; x += 2)
        cairo_line_to(cr, x, baseY - RidgeHeight(x, amp, seed, roughness));
    cairo_line_to(cr, w + 2, bottom);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void DrawPeak(cairo_t* cr, double cx, double baseY, double halfW, double h, Rgb c, Rgb snow, bool capped) {
    cairo_move_to(cr, cx - halfW, baseY);
    cairo_curve_to(cr, cx - halfW * 0.5, baseY - h * 0.35, cx - halfW * 0.2, baseY - h * 0.9, cx, baseY - h);
    cairo_curve_to(cr, cx + halfW * 0.2, baseY - h * 0.9, cx + halfW * 0.5, baseY - h * 0.35, cx + halfW,
                   baseY);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
    if (!capped) return;
    double ty = baseY - h;
    cairo_move_to(cr, cx, ty);
    cairo_curve_to(cr, cx + halfW * 0.1, ty + h * 0.05, cx + halfW * 0.16, ty + h * 0.15, cx + halfW * 0.22,
                   ty + h * 0.27);
    cairo_line_to(cr, cx + halfW * 0.1, ty + h * 0.22);
    cairo_line_to(cr, cx + halfW * 0.02, ty + h * 0.3);
    cairo_line_to(cr, cx - halfW * 0.08, ty + h * 0.21);
    cairo_line_to(cr, cx - halfW * 0.16, ty + h * 0.28);
    cairo_curve_to(cr, cx - halfW * 0.14, ty + h * 0.15, cx - halfW * 0.08, ty + h * 0.05, cx, ty);
    cairo_close_path(cr);
    SetColor(cr, snow);
    cairo_fill(cr);
}

void DrawMist(cairo_t* cr, double w, double cy, double halfH, Rgb c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - halfH, 0, cy + halfH);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, cy - halfH, w, 2 * halfH);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

static void FillEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void DrawPine(cairo_t* cr, double x, double baseY, double h, Rgb trunk, Rgb leaves, uint32_t seed) {
    ArtRandom rnd(seed);
    double lean = rnd.Range(-0.25, 0.25) * h;
    double tw = h * 0.06;
    // Trunk: a gentle S curve.
    cairo_move_to(cr, x - tw, baseY);
    cairo_curve_to(cr, x - tw + lean * 0.6, baseY - h * 0.4, x + lean * 1.2 - tw * 0.5, baseY - h * 0.6,
                   x + lean - tw * 0.4, baseY - h * 0.95);
    cairo_line_to(cr, x + lean + tw * 0.4, baseY - h * 0.95);
    cairo_curve_to(cr, x + lean * 1.2 + tw * 0.5, baseY - h * 0.6, x + tw + lean * 0.6, baseY - h * 0.4,
                   x + tw, baseY);
    cairo_close_path(cr);
    SetColor(cr, trunk);
    cairo_fill(cr);
    // Foliage pads, widest low down, stacked up the trunk.
    Rgb dark = {leaves.r * 0.7, leaves.g * 0.7, leaves.b * 0.7};
    int pads = 4 + int(rnd.Range(0, 2));
    for (int i = 0; i < pads; i++) {
        double t = 0.35 + 0.62 * i / (pads - 1);
        double px = x + lean * t * 1.05 + rnd.Range(-0.18, 0.18) * h;
        double py = baseY - h * t;
        double rw = h * (0.36 - 0.2 * t) * rnd.Range(0.8, 1.2), rh = h * 0.07;
        // Branch to the pad.
        SetColor(cr, trunk);
        cairo_set_line_width(cr, tw * 0.5);
        cairo_move_to(cr, x + lean * t, py + rh);
        cairo_line_to(cr, px, py + rh * 0.5);
        cairo_stroke(cr);
        FillEllipse(cr, px, py + rh * 0.3, rw, rh, dark);
        FillEllipse(cr, px, py, rw * 0.95, rh * 0.85, leaves);
        FillEllipse(cr, px - rw * 0.35, py - rh * 0.35, rw * 0.5, rh * 0.6, leaves);
        FillEllipse(cr, px + rw * 0.3, py - rh * 0.3, rw * 0.45, rh * 0.55, leaves);
    }
}

void DrawCedar(cairo_t* cr, double x, double baseY, double h, Rgb c) {
    double w = h * 0.2;
    cairo_move_to(cr, x, baseY - h);
    for (int i = 0; i < 6; i++) {
        double t = (i + 1) / 6.0;
        cairo_line_to(cr, x + w * t, baseY - h + h * 0.9 * t);
        cairo_line_to(cr, x + w * t * 0.55, baseY - h + h * 0.9 * t - h * 0.02);
    }
    cairo_line_to(cr, x + w * 0.1, baseY - h * 0.1);
    cairo_line_to(cr, x + w * 0.06, baseY);
    cairo_line_to(cr, x - w * 0.06, baseY);
    cairo_line_to(cr, x - w * 0.1, baseY - h * 0.1);
    for (int i = 5; i >= 0; i--) {
        double t = (i + 1) / 6.0;
        cairo_line_to(cr, x - w * t * 0.55, baseY - h + h * 0.9 * t - h * 0.02);
        cairo_line_to(cr, x - w * t, baseY - h + h * 0.9 * t);
    }
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void DrawHouse(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof, bool lit,
               bool thatched) {
    double wallH = h * 0.45;
    Rgb beam = {wall.r * 0.45, wall.g * 0.4, wall.b * 0.35};
    FillRect(cr, x, baseY - wallH, w, wallH, wall);
    // Timber frame.
    SetColor(cr, beam);
    cairo_set_line_width(cr, std::max(1.0, w * 0.025));
    for (int i = 0; i <= 3; i++) {
        double bx = x + w * i / 3.0;
        cairo_move_to(cr, bx, baseY);
        cairo_line_to(cr, bx, baseY - wallH);
    }
    cairo_move_to(cr, x, baseY - wallH * 0.55);
    cairo_line_to(cr, x + w, baseY - wallH * 0.55);
    cairo_stroke(cr);
    if (lit) {
        FillRect(cr, x + w * 0.42, baseY - wallH * 0.5, w * 0.18, wallH * 0.35, Hex(0xFFC860));
        DrawGlow(cr, x + w * 0.51, baseY - wallH * 0.32, w * 0.35, Hex(0xFFB040), 0.35);
    } else {
        FillRect(cr, x + w * 0.42, baseY - wallH * 0.5, w * 0.18, wallH * 0.5, beam);
    }
    // Roof.
    double ov = w * 0.12, top = baseY - h;
    if (thatched) {
        cairo_move_to(cr, x - ov, baseY - wallH + h * 0.02);
        cairo_curve_to(cr, x + w * 0.1, top + h * 0.25, x + w * 0.3, top, x + w * 0.5, top);
        cairo_curve_to(cr, x + w * 0.7, top, x + w * 0.9, top + h * 0.25, x + w + ov,
                       baseY - wallH + h * 0.02);
        cairo_close_path(cr);
        SetColor(cr, roof);
        cairo_fill(cr);
        SetColor(cr, {roof.r * 0.7, roof.g * 0.7, roof.b * 0.7});
        cairo_set_line_width(cr, std::max(1.0, h * 0.02));
        cairo_move_to(cr, x + w * 0.3, top + h * 0.06);
        cairo_line_to(cr, x + w * 0.7, top + h * 0.06);
        cairo_stroke(cr);
    } else {
        cairo_move_to(cr, x - ov, baseY - wallH);
        cairo_curve_to(cr, x + w * 0.05, baseY - wallH - h * 0.1, x + w * 0.15, top + h * 0.12, x + w * 0.2,
                       top);
        cairo_line_to(cr, x + w * 0.8, top);
        cairo_curve_to(cr, x + w * 0.85, top + h * 0.12, x + w * 0.95, baseY - wallH - h * 0.1, x + w + ov,
                       baseY - wallH);
        cairo_close_path(cr);
        SetColor(cr, roof);
        cairo_fill(cr);
        FillRect(cr, x + w * 0.18, top - h * 0.04, w * 0.64, h * 0.05,
                 {roof.r * 0.6, roof.g * 0.6, roof.b * 0.6});
    }
}

void DrawTorii(cairo_t* cr, double cx, double baseY, double h, Rgb c) {
    double span = h * 0.9;
    double pw = h * 0.07;
    Rgb dark = {c.r * 0.25, c.g * 0.2, c.b * 0.2};
    // Pillars, slightly splayed.
    for (int s = -1; s <= 1; s += 2) {
        double px = cx + s * span * 0.36;
        cairo_move_to(cr, px - pw / 2 + s * h * 0.02, baseY);
        cairo_line_to(cr, px - pw / 2, baseY - h * 0.82);
        cairo_line_to(cr, px + pw / 2, baseY - h * 0.82);
        cairo_line_to(cr, px + pw / 2 + s * h * 0.02, baseY);
        cairo_close_path(cr);
        SetColor(cr, c);
        cairo_fill(cr);
        FillRect(cr, px - pw * 0.7 + s * h * 0.02, baseY - h * 0.06, pw * 1.4, h * 0.06, dark);
    }
    // Nuki (tie beam) and kasagi (curved top beam).
    FillRect(cr, cx - span * 0.46, baseY - h * 0.7, span * 0.92, h * 0.055, c);
    FillRect(cr, cx - h * 0.03, baseY - h * 0.86, h * 0.06, h * 0.16, c);
    cairo_move_to(cr, cx - span * 0.62, baseY - h * 1.0);
    cairo_curve_to(cr, cx - span * 0.3, baseY - h * 0.9, cx + span * 0.3, baseY - h * 0.9, cx + span * 0.62,
                   baseY - h * 1.0);
    cairo_line_to(cr, cx + span * 0.55, baseY - h * 0.86);
    cairo_curve_to(cr, cx + span * 0.3, baseY - h * 0.83, cx - span * 0.3, baseY - h * 0.83, cx - span * 0.55,
                   baseY - h * 0.86);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
    cairo_move_to(cr, cx - span * 0.62, baseY - h * 1.0);
    cairo_curve_to(cr, cx - span * 0.3, baseY - h * 0.9, cx + span * 0.3, baseY - h * 0.9, cx + span * 0.62,
                   baseY - h * 1.0);
    cairo_line_to(cr, cx + span * 0.6, baseY - h * 0.955);
    cairo_curve_to(cr, cx + span * 0.3, baseY - h * 0.86, cx - span * 0.3, baseY - h * 0.86, cx - span * 0.6,
                   baseY - h * 0.955);
    cairo_close_path(cr);
    SetColor(cr, dark);
    cairo_fill(cr);
}

// One curved roof tier of a castle: eaves that sweep up at both ends.
static void CastleRoof(cairo_t* cr, double cx, double y, double halfW, double h, Rgb roof) {
    cairo_move_to(cr, cx - halfW * 1.18, y - h * 0.15);
    cairo_curve_to(cr, cx - halfW * 0.9, y, cx - halfW * 0.5, y, cx - halfW * 0.4, y - h * 0.2);
    cairo_line_to(cr, cx - halfW * 0.55, y - h * 0.3);
    cairo_curve_to(cr, cx - halfW * 0.4, y - h * 0.7, cx - halfW * 0.2, y - h, cx, y - h);
    cairo_curve_to(cr, cx + halfW * 0.2, y - h, cx + halfW * 0.4, y - h * 0.7, cx + halfW * 0.55,
                   y - h * 0.3);
    cairo_line_to(cr, cx + halfW * 0.4, y - h * 0.2);
    cairo_curve_to(cr, cx + halfW * 0.5, y, cx + halfW * 0.9, y, cx + halfW * 1.18, y - h * 0.15);
    cairo_curve_to(cr, cx + halfW * 0.9, y - h * 0.35, cx + halfW * 0.7, y - h * 0.45, cx + halfW * 0.5,
                   y - h * 0.5);
    cairo_line_to(cr, cx - halfW * 0.5, y - h * 0.5);
    cairo_curve_to(cr, cx - halfW * 0.7, y - h * 0.45, cx - halfW * 0.9, y - h * 0.35, cx - halfW * 1.18,
                   y - h * 0.15);
    cairo_close_path(cr);
    SetColor(cr, roof);
    cairo_fill(cr);
}

void DrawCastle(cairo_t* cr, double cx, double baseY, double w, double h, Rgb wall, Rgb roof, Rgb stone,
                bool lit) {
    // Sloped stone base.
    double baseH = h * 0.22;
    cairo_move_to(cr, cx - w * 0.62, baseY);
    cairo_curve_to(cr, cx - w * 0.55, baseY - baseH * 0.5, cx - w * 0.47, baseY - baseH * 0.9, cx - w * 0.42,
                   baseY - baseH);
    cairo_line_to(cr, cx + w * 0.42, baseY - baseH);
    cairo_curve_to(cr, cx + w * 0.47, baseY - baseH * 0.9, cx + w * 0.55, baseY - baseH * 0.5, cx + w * 0.62,
                   baseY);
    cairo_close_path(cr);
    SetColor(cr, stone);
    cairo_fill(cr);
    SetColor(cr, {stone.r * 0.75, stone.g * 0.75, stone.b * 0.75});
    cairo_set_line_width(cr, std::max(0.8, h * 0.006));
    for (int i = 1; i < 4; i++) {
        double yy = baseY - baseH * i / 4.0;
        cairo_move_to(cr, cx - w * (0.62 - 0.2 * i / 4.0 * 0.9), yy);
        cairo_line_to(cr, cx + w * (0.62 - 0.2 * i / 4.0 * 0.9), yy);
    }
    cairo_stroke(cr);
    // Tiers: each narrower, with white walls, windows and a roof.
    const int tiers = 4;
    double y = baseY - baseH;
    double tierH = (h - baseH) / (tiers + 0.3);
    for (int t = 0; t < tiers; t++) {
        double hw = w * (0.4 - 0.075 * t);
        double wallH = tierH * 0.55;
        FillRect(cr, cx - hw, y - wallH, 2 * hw, wallH, wall);
        int windows = 4 - t / 2;
        for (int k = 0; k < windows; k++) {
            double wx = cx - hw + (k + 0.5) * 2 * hw / windows - hw * 0.06;
            Rgb wc = lit ? Hex(0xFFC050) : Hex(0x2A2420);
            FillRect(cr, wx, y - wallH * 0.7, hw * 0.12, wallH * 0.4, wc);
        }
        CastleRoof(cr, cx, y - wallH, hw * 1.1, tierH * 0.75, roof);
        // Gable on the middle tiers.
        if (t == 1 || t == 2) {
            cairo_move_to(cr, cx - hw * 0.35, y - wallH - tierH * 0.3);
            cairo_line_to(cr, cx, y - wallH - tierH * 0.75);
            cairo_line_to(cr, cx + hw * 0.35, y - wallH - tierH * 0.3);
            cairo_close_path(cr);
            SetColor(cr, roof);
            cairo_fill(cr);
            cairo_move_to(cr, cx - hw * 0.22, y - wallH - tierH * 0.33);
            cairo_line_to(cr, cx, y - wallH - tierH * 0.6);
            cairo_line_to(cr, cx + hw * 0.22, y - wallH - tierH * 0.33);
            cairo_close_path(cr);
            SetColor(cr, wall);
            cairo_fill(cr);
        }
        y -= wallH + tierH * 0.45;
    }
    // Golden shachi on the ridge ends.
    double ry = y + tierH * 0.2;
    double hw = w * (0.4 - 0.075 * (tiers - 1)) * 0.55;
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, cx + s * hw, ry);
        cairo_curve_to(cr, cx + s * hw * 1.1, ry - tierH * 0.3, cx + s * hw * 0.9, ry - tierH * 0.35,
                       cx + s * hw * 0.75, ry - tierH * 0.45);
        cairo_line_to(cr, cx + s * hw * 0.7, ry);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xE8B830));
        cairo_fill(cr);
    }
}

void DrawPaperLantern(cairo_t* cr, double cx, double cy, double r, Rgb c, bool lit) {
    if (lit) DrawGlow(cr, cx, cy, r * 3.2, Hex(0xFFB040), 0.45);
    FillEllipse(cr, cx, cy, r, r * 1.25, c);
    SetColor(cr, {c.r * 0.6, c.g * 0.5, c.b * 0.4});
    cairo_set_line_width(cr, std::max(0.6, r * 0.08));
    for (int i = -2; i <= 2; i++) {
        double yy = cy + i * r * 0.4;
        double hw = r * std::sqrt(std::max(0.0, 1 - std::pow(i * 0.4 / 1.25, 2)));
        cairo_move_to(cr, cx - hw, yy);
        cairo_line_to(cr, cx + hw, yy);
    }
    cairo_stroke(cr);
    FillRect(cr, cx - r * 0.5, cy - r * 1.4, r, r * 0.25, Hex(0x201810));
    FillRect(cr, cx - r * 0.5, cy + r * 1.17, r, r * 0.25, Hex(0x201810));
}

void DrawStoneLantern(cairo_t* cr, double cx, double baseY, double h, Rgb c, bool lit) {
    double u = h / 10;
    FillRect(cr, cx - u * 2, baseY - u, u * 4, u, c);
    FillRect(cr, cx - u * 0.6, baseY - u * 5, u * 1.2, u * 4, c);
    FillRect(cr, cx - u * 1.8, baseY - u * 5.6, u * 3.6, u * 0.7, c);
    FillRect(cr, cx - u * 1.3, baseY - u * 7.4, u * 2.6, u * 1.8, c);
    Rgb light = lit ? Hex(0xFFC860) : Hex(0x1A1814);
    FillRect(cr, cx - u * 0.7, baseY - u * 7.0, u * 1.4, u * 1.1, light);
    if (lit) DrawGlow(cr, cx, baseY - u * 6.5, u * 5, Hex(0xFFB040), 0.4);
    cairo_move_to(cr, cx - u * 2.6, baseY - u * 7.3);
    cairo_curve_to(cr, cx - u * 1.5, baseY - u * 7.7, cx - u * 0.8, baseY - u * 8.8, cx, baseY - u * 9.2);
    cairo_curve_to(cr, cx + u * 0.8, baseY - u * 8.8, cx + u * 1.5, baseY - u * 7.7, cx + u * 2.6,
                   baseY - u * 7.3);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
    FillCircle(cr, cx, baseY - u * 9.5, u * 0.5, c);
}

void DrawBlossom(cairo_t* cr, double cx, double cy, double r, uint32_t seed) {
    ArtRandom rnd(seed);
    FillCircle(cr, cx + r * 0.1, cy + r * 0.15, r, Hex(0xE8A0B8));
    FillCircle(cr, cx - r * 0.1, cy - r * 0.05, r * 0.92, Hex(0xF6C4D4));
    FillCircle(cr, cx - r * 0.3, cy - r * 0.3, r * 0.45, Hex(0xFCDCE6));
    int flowers = int(r * 0.5) + 3;
    for (int i = 0; i < flowers; i++) {
        double a = rnd.Range(0, 2 * kPi), d = r * std::sqrt(rnd.Uniform()) * 0.85;
        double fx = cx + std::cos(a) * d, fy = cy + std::sin(a) * d, fr = rnd.Range(2.0, 3.4);
        for (int k = 0; k < 5; k++) {
            double pa = k * 2 * kPi / 5 + a;
            FillCircle(cr, fx + std::cos(pa) * fr * 0.7, fy + std::sin(pa) * fr * 0.7, fr * 0.55,
                       Hex(0xFFF0F4));
        }
        FillCircle(cr, fx, fy, fr * 0.3, Hex(0xD86080));
    }
}

void DrawPetals(cairo_t* cr, uint32_t seed, int count, double x, double y, double w, double h, Rgb c) {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; i++) {
        double px = x + rnd.Range(0, w), py = y + rnd.Range(0, h);
        double r = rnd.Range(1.6, 3.4);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, rnd.Range(0, kPi));
        cairo_scale(cr, r, r * 0.55);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        SetColor(cr, c, rnd.Range(0.7, 1.0));
        cairo_fill(cr);
    }
}

void DrawSpiderLily(cairo_t* cr, double x, double baseY, double h, Rgb c) {
    SetColor(cr, Hex(0x2E4A22));
    cairo_set_line_width(cr, std::max(1.0, h * 0.05));
    cairo_move_to(cr, x, baseY);
    cairo_curve_to(cr, x + h * 0.05, baseY - h * 0.4, x - h * 0.03, baseY - h * 0.7, x, baseY - h * 0.8);
    cairo_stroke(cr);
    double fx = x, fy = baseY - h * 0.82;
    cairo_set_line_width(cr, std::max(0.8, h * 0.03));
    for (int i = 0; i < 8; i++) {
        double a = -kPi / 2 + (i - 3.5) * 0.42;
        double ex = fx + std::cos(a) * h * 0.3, ey = fy + std::sin(a) * h * 0.22;
        // Curled petal and long stamen.
        SetColor(cr, c);
        cairo_move_to(cr, fx, fy);
        cairo_curve_to(cr, fx + std::cos(a) * h * 0.15, fy + std::sin(a) * h * 0.12 - h * 0.05, ex,
                       ey - h * 0.02, ex + std::cos(a) * h * 0.05, ey + h * 0.05);
        cairo_stroke(cr);
        SetColor(cr, {c.r, c.g * 0.8 + 0.1, c.b * 0.8 + 0.1}, 0.8);
        cairo_move_to(cr, fx, fy);
        cairo_line_to(cr, fx + std::cos(a) * h * 0.42, fy + std::sin(a) * h * 0.34 - h * 0.08);
        cairo_stroke(cr);
    }
}

void DrawGrass(cairo_t* cr, uint32_t seed, double x, double w, double baseY, double h, Rgb c, int count) {
    ArtRandom rnd(seed);
    SetColor(cr, c);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < count; i++) {
        double gx = x + rnd.Range(0, w), gh = h * rnd.Range(0.4, 1.0), bend = rnd.Range(-0.4, 0.4) * gh;
        cairo_move_to(cr, gx, baseY + 1);
        cairo_curve_to(cr, gx, baseY - gh * 0.5, gx + bend * 0.5, baseY - gh * 0.8, gx + bend, baseY - gh);
        cairo_stroke(cr);
    }
}

void DrawVignette(cairo_t* cr, double w, double h, double strength) {
    cairo_pattern_t* p = cairo_pattern_create_radial(w / 2, h / 2, std::min(w, h) * 0.35, w / 2, h / 2,
                                                     std::hypot(w, h) * 0.55);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0.02, strength);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Shapes the text as a path so it can be given a rim first and then filled.
static void TextPath(cairo_t* cr, const char* utf8, double x, double y, double size) {
    TextWidth(cr, utf8, size);  // selects the lettering font at this size
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + fe.ascent);
    cairo_text_path(cr, utf8);
}

void DrawOutlinedText(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb fill, Rgb rim,
                      double rimWidth) {
    TextPath(cr, utf8, x, y, size);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, rimWidth * 2);
    SetColor(cr, rim);
    cairo_stroke_preserve(cr);
    SetColor(cr, fill);
    cairo_fill(cr);
}

void DrawOutlinedTextCentered(cairo_t* cr, const char* utf8, double x, double y, double w, double h,
                              double size, Rgb fill, Rgb rim, double rimWidth) {
    double tw = TextWidth(cr, utf8, size);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    double th = fe.ascent + fe.descent;
    DrawOutlinedText(cr, utf8, x + (w - tw) / 2, y + (h - th) / 2, size, fill, rim, rimWidth);
}

void DrawVerticalText(cairo_t* cr, const char* const* chars, int n, double x, double y, double w, double size,
                      double step, Rgb fill, Rgb rim, double rimWidth) {
    for (int i = 0; i < n; i++) {
        double cy = y + i * step;
        // The long-vowel mark turns upright in vertical writing.
        if (std::string(chars[i]) == "ー") {
            SetColor(cr, rim);
            cairo_set_line_width(cr, size * 0.08 + rimWidth * 2);
            cairo_move_to(cr, x + w / 2, cy + size * 0.15);
            cairo_line_to(cr, x + w / 2, cy + size * 0.85);
            cairo_stroke(cr);
            SetColor(cr, fill);
            cairo_set_line_width(cr, size * 0.08);
            cairo_move_to(cr, x + w / 2, cy + size * 0.15);
            cairo_line_to(cr, x + w / 2, cy + size * 0.85);
            cairo_stroke(cr);
            continue;
        }
        DrawOutlinedTextCentered(cr, chars[i], x, cy, w, size, size, fill, rim, rimWidth);
    }
}

void DrawCaption(cairo_t* cr, const char* utf8, double w, double h) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, h - 70, 0, h);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.02, 0.02, 0.05, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.45, 0.02, 0.02, 0.05, 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.02, 0.02, 0.05, 0.7);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, h - 70, w, 70);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    DrawOutlinedTextCentered(cr, utf8, 0, h - 52, w, 38, 22, Hex(0xFFF4DC), Hex(0x1A1010), 2.0);
}
