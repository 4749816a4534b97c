#include "tools/art/world/scenery.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace wart {

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void FillSky3(cairo_t* cr, double w, double h, Rgb top, Rgb middle, Rgb bottom, double mid) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, mid, middle.r, middle.g, middle.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Peaks sit at evenly spread places with a random shift; the height of the ridge at x is
// the highest of the peak slopes through x, softened by ripples of whole periods.
double RidgeY(const Ridge& r, double x, double period) {
    ArtRandom rnd(r.seed);
    double best = 0;
    for (int i = 0; i < r.peaks; i++) {
        double px = (i + rnd.Range(0.1, 0.9)) * period / r.peaks;
        double ph = r.peakHeight * rnd.Range(0.45, 1.0);
        double slope = rnd.Range(0.35, 0.75) * r.peakHeight / (period / r.peaks) * 2.2;
        double d = std::fabs(std::fmod(x - px + period * 8.5, period) - period * 0.5);
        double hgt = ph - slope * d * d / (d + 20.0);
        if (hgt > best) best = hgt;
    }
    double rip = 0;
    for (int k = 3; k <= 11; k += 2) {
        double a = rnd.Range(0.3, 1.0) * r.ripple / (k * 0.35);
        rip += a * std::sin(2 * kPi * k * x / period + rnd.Range(0, 6.28));
    }
    return r.base - best + rip;
}

static void RidgePath(cairo_t* cr, const Ridge& r, double width, double period, double bottom, double shift) {
    cairo_move_to(cr, -2, bottom);
    for (double x = -2; x <= width + 2; x += 2) cairo_line_to(cr, x, RidgeY(r, x, period) + shift);
    cairo_line_to(cr, width + 2, bottom);
    cairo_close_path(cr);
}

void FillRidge(cairo_t* cr, const Ridge& r, double width, double period, double bottom, Rgb c) {
    RidgePath(cr, r, width, period, bottom, 0);
    SetColor(cr, c);
    cairo_fill(cr);
}

void FillRidgeCapped(cairo_t* cr, const Ridge& r, double width, double period, double bottom, Rgb c, Rgb cap,
                     double capDepth) {
    RidgePath(cr, r, width, period, bottom, 0);
    SetColor(cr, cap);
    cairo_fill(cr);
    // The body of the mountain, lowered under the crest, keeps the cap only on high ground.
    cairo_move_to(cr, -2, bottom);
    for (double x = -2; x <= width + 2; x += 2) {
        double y = RidgeY(r, x, period);
        double high = std::max(0.0, (r.base - y) / r.peakHeight - 0.2);
        // A jagged snow line: deep tongues down the gullies, shallow on the ribs.
        double saw = std::fabs(std::fmod(x + 1000.0 * period, 16.0) - 8.0) / 8.0;
        double depth =
            high * capDepth * (0.55 + 0.7 * saw) * (1.0 + 0.3 * std::sin(x * 2 * kPi * 5 / period));
        cairo_line_to(cr, x, y + std::max(1.0, depth));
    }
    cairo_line_to(cr, width + 2, bottom);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void DrawCloud(cairo_t* cr, double x, double y, double w, Rgb c, double alpha, uint32_t seed) {
    ArtRandom rnd(seed);
    cairo_push_group(cr);
    int n = 5 + int(w / 30);
    for (int i = 0; i < n; i++) {
        double t = (i + 0.5) / n;
        double cx = x - w / 2 + t * w;
        double rr = w * 0.12 * (1.0 - 0.8 * std::fabs(t - 0.5)) * rnd.Range(0.8, 1.3);
        FillCircle(cr, cx, y - rr * 0.3, rr, c);
    }
    FillRoundRect(cr, x - w / 2, y - w * 0.05, w, w * 0.1, w * 0.05, c);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void DrawStreak(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y);
    cairo_scale(cr, w / 2, h / 2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    SetColor(cr, c, alpha);
    cairo_fill(cr);
}

void DrawStars(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed, double alpha) {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; i++) {
        double sx = x + rnd.Range(0, w), sy = y + rnd.Range(0, h);
        double fade = 1.0 - (sy - y) / h * 0.7;
        double r = rnd.Uniform() < 0.12 ? 1.6 : 0.9;
        SetColor(cr, Hex(0xFFF8E0), alpha * fade * rnd.Range(0.6, 1.0));
        cairo_arc(cr, sx, sy, r, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

static void Halo(cairo_t* cr, double x, double y, double r0, double r1, Rgb c, double a) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, r0, x, y, r1);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void DrawMoon(cairo_t* cr, double x, double y, double r, Rgb c, Rgb halo) {
    Halo(cr, x, y, r, r * 4, halo, 0.35);
    FillCircle(cr, x, y, r, c);
    Rgb shade = Mix(c, Hex(0x8890A8), 0.35);
    FillCircle(cr, x - r * 0.3, y - r * 0.2, r * 0.18, shade);
    FillCircle(cr, x + r * 0.25, y + r * 0.3, r * 0.12, shade);
    FillCircle(cr, x + r * 0.35, y - r * 0.35, r * 0.08, shade);
}

void DrawSun(cairo_t* cr, double x, double y, double r, Rgb c, Rgb halo) {
    Halo(cr, x, y, r, r * 5, halo, 0.5);
    FillCircle(cr, x, y, r, c);
}

void DrawPine(cairo_t* cr, double x, double y, double h, Rgb trunk, Rgb dark, Rgb light, int lean) {
    double s = h / 100.0;
    double dir = lean >= 0 ? 1 : -1;
    // Trunk: a bent taper.
    SetColor(cr, trunk);
    cairo_move_to(cr, x - 5 * s, y);
    cairo_curve_to(cr, x - 4 * s, y - 40 * s, x + dir * 14 * s, y - 60 * s, x + dir * 10 * s, y - 92 * s);
    cairo_line_to(cr, x + dir * 14 * s, y - 92 * s);
    cairo_curve_to(cr, x + dir * 20 * s, y - 60 * s, x + 4 * s, y - 40 * s, x + 5 * s, y);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Branches out to flat tiers of needles: bumpy pads, dark below and light on top.
    struct Pad {
        double dx, dy, w, h;
    } pads[] = {{dir * 12, -96, 44, 14},
                {dir * -18, -76, 36, 12},
                {dir * 30, -66, 36, 12},
                {dir * -8, -54, 28, 10},
                {dir * 36, -88, 22, 9}};
    cairo_set_line_width(cr, std::max(1.0, 3 * s));
    for (const Pad& p : pads) {
        double tx = x + dir * 10 * s * (-p.dy / 92.0), ty = y + p.dy * s + 6 * s;
        SetColor(cr, trunk);
        cairo_move_to(cr, tx, ty);
        cairo_line_to(cr, x + p.dx * s, y + p.dy * s + 2 * s);
        cairo_stroke(cr);
    }
    for (const Pad& p : pads) {
        double cx = x + p.dx * s, cy = y + p.dy * s, w = p.w * s, hh = p.h * s;
        int n = std::max(2, int(p.w / p.h * 1.6));
        for (int i = 0; i < n; i++) {
            double t = n == 1 ? 0.5 : double(i) / (n - 1);
            double bx = cx - w / 2 + hh / 2 + t * (w - hh),
                   r = hh * (0.5 + 0.12 * (1 - std::fabs(t - 0.5) * 2));
            FillCircle(cr, bx, cy, r, dark);
        }
        FillRect(cr, cx - w / 2 + hh / 2, cy, w - hh, hh / 2, dark);
        for (int i = 0; i < n; i++) {
            double t = n == 1 ? 0.5 : double(i) / (n - 1);
            double bx = cx - w / 2 + hh / 2 + t * (w - hh), r = hh * 0.32;
            FillCircle(cr, bx, cy - hh * 0.12, r, light);
        }
    }
}

void DrawCedar(cairo_t* cr, double x, double y, double h, Rgb c) {
    double w = h * 0.26;
    SetColor(cr, c);
    cairo_move_to(cr, x, y - h);
    int tiers = 5;
    for (int i = 1; i <= tiers; i++) {
        double t = double(i) / tiers;
        cairo_line_to(cr, x + w * t * 0.5 + 2, y - h + h * 0.85 * t);
        cairo_line_to(cr, x + w * t * 0.32, y - h + h * 0.85 * t - h * 0.04);
    }
    cairo_line_to(cr, x + 2, y - h * 0.12);
    cairo_line_to(cr, x + 2, y);
    cairo_line_to(cr, x - 2, y);
    cairo_line_to(cr, x - 2, y - h * 0.12);
    for (int i = tiers; i >= 1; i--) {
        double t = double(i) / tiers;
        cairo_line_to(cr, x - w * t * 0.32, y - h + h * 0.85 * t - h * 0.04);
        cairo_line_to(cr, x - w * t * 0.5 - 2, y - h + h * 0.85 * t);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void DrawCedarRow(cairo_t* cr, double width, double period, double baseY, double minH, double maxH,
                  double step, Rgb c, uint32_t seed) {
    ArtRandom rnd(seed);
    int n = int(period / step);
    for (int i = 0; i < n; i++) {
        double x = i * step + rnd.Range(-step * 0.3, step * 0.3);
        double h = rnd.Range(minH, maxH);
        double y = baseY + rnd.Range(-4, 4);
        // Draw each tree at every period copy that can reach the picture.
        for (double k = -period; k <= width + period; k += period)
            if (x + k > -maxH && x + k < width + maxH) DrawCedar(cr, x + k, y, h, c);
    }
}

void DrawRoof(cairo_t* cr, double x, double y, double w, double h, Rgb c, Rgb edge) {
    SetColor(cr, c);
    cairo_move_to(cr, x - h * 0.4, y + h * 0.05);
    cairo_curve_to(cr, x + w * 0.15, y - h * 0.15, x + w * 0.2, y - h * 0.8, x + w * 0.3, y - h);
    cairo_line_to(cr, x + w * 0.7, y - h);
    cairo_curve_to(cr, x + w * 0.8, y - h * 0.8, x + w * 0.85, y - h * 0.15, x + w + h * 0.4, y + h * 0.05);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, x - h * 0.3, y - h * 0.02, w + h * 0.6, std::max(1.5, h * 0.1), edge);
    FillRect(cr, x + w * 0.28, y - h - std::max(1.0, h * 0.08), w * 0.44, std::max(1.5, h * 0.12), edge);
}

void DrawCastle(cairo_t* cr, double x, double y, double s, Rgb wall, Rgb roof, Rgb stone, Rgb window) {
    // Stone base: a battered trapezoid.
    SetColor(cr, stone);
    cairo_move_to(cr, x - 60 * s, y);
    cairo_curve_to(cr, x - 52 * s, y - 10 * s, x - 48 * s, y - 20 * s, x - 46 * s, y - 30 * s);
    cairo_line_to(cr, x + 46 * s, y - 30 * s);
    cairo_curve_to(cr, x + 48 * s, y - 20 * s, x + 52 * s, y - 10 * s, x + 60 * s, y);
    cairo_close_path(cr);
    cairo_fill(cr);
    // Three tiers, each a wall with windows under a flared roof.
    double bw = 80 * s, by = y - 30 * s;
    const double tierH[] = {26, 22, 18};
    for (int t = 0; t < 3; t++) {
        double th = tierH[t] * s;
        FillRect(cr, x - bw / 2, by - th, bw, th, wall);
        int nw = t == 0 ? 4 : (t == 1 ? 3 : 2);
        for (int i = 0; i < nw; i++) {
            double wx = x - bw / 2 + bw * (i + 0.5) / nw - 3 * s;
            FillRect(cr, wx, by - th * 0.62, 6 * s, th * 0.34, window);
        }
        double rh = 10 * s;
        DrawRoof(cr, x - bw / 2 - 4 * s, by - th, bw + 8 * s, rh, roof, Mix(roof, Hex(0xFFFFFF), 0.25));
        // A gable over the middle of the lower tiers.
        if (t < 2) {
            SetColor(cr, roof);
            cairo_move_to(cr, x - 14 * s, by - th - rh * 0.2);
            cairo_line_to(cr, x, by - th - rh * 1.3);
            cairo_line_to(cr, x + 14 * s, by - th - rh * 0.2);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        by -= th + rh;
        bw *= 0.72;
    }
    // Golden fish ornaments at the ends of the top ridge.
    Rgb gold = Hex(0xE0B040);
    FillCircle(cr, x - bw * 0.62, by + 0.5 * s, 2.2 * s, gold);
    FillCircle(cr, x + bw * 0.62, by + 0.5 * s, 2.2 * s, gold);
}

void DrawTorii(cairo_t* cr, double x, double y, double h, Rgb c, Rgb dark) {
    double w = h * 1.1, pw = h * 0.08;
    // Pillars lean slightly inwards.
    SetColor(cr, c);
    for (int side = -1; side <= 1; side += 2) {
        double bx = x + side * w * 0.36;
        cairo_move_to(cr, bx - pw / 2, y);
        cairo_line_to(cr, bx - pw / 2 - side * h * 0.03, y - h * 0.82);
        cairo_line_to(cr, bx + pw / 2 - side * h * 0.03, y - h * 0.82);
        cairo_line_to(cr, bx + pw / 2, y);
        cairo_close_path(cr);
        cairo_fill(cr);
        FillRect(cr, bx - pw * 0.8, y - h * 0.06, pw * 1.6, h * 0.06, dark);
    }
    // Tie beam (nuki), plaque, top beam (kasagi) with upturned ends.
    FillRect(cr, x - w * 0.46, y - h * 0.68, w * 0.92, h * 0.07, c);
    FillRect(cr, x - pw * 0.4, y - h * 0.86, pw * 0.8, h * 0.18, c);
    SetColor(cr, c);
    cairo_move_to(cr, x - w * 0.56, y - h * 0.98);
    cairo_curve_to(cr, x - w * 0.3, y - h * 0.86, x + w * 0.3, y - h * 0.86, x + w * 0.56, y - h * 0.98);
    cairo_line_to(cr, x + w * 0.52, y - h * 0.84);
    cairo_curve_to(cr, x + w * 0.3, y - h * 0.78, x - w * 0.3, y - h * 0.78, x - w * 0.52, y - h * 0.84);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, dark);
    cairo_move_to(cr, x - w * 0.56, y - h * 0.98);
    cairo_curve_to(cr, x - w * 0.3, y - h * 0.86, x + w * 0.3, y - h * 0.86, x + w * 0.56, y - h * 0.98);
    cairo_line_to(cr, x + w * 0.55, y - h * 0.94);
    cairo_curve_to(cr, x + w * 0.3, y - h * 0.83, x - w * 0.3, y - h * 0.83, x - w * 0.55, y - h * 0.94);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void DrawHouse(cairo_t* cr, double x, double y, double w, double h, Rgb wall, Rgb roof, Rgb timber,
               Rgb window) {
    double wh = h * 0.55;
    FillRect(cr, x, y - wh, w, wh, wall);
    int posts = std::max(2, int(w / 18));
    for (int i = 0; i <= posts; i++) FillRect(cr, x + (w - 2) * i / posts, y - wh, 2, wh, timber);
    FillRect(cr, x, y - wh, w, 2, timber);
    FillRect(cr, x + w * 0.15, y - wh * 0.7, w * 0.22, wh * 0.35, window);
    FillRect(cr, x + w * 0.6, y - wh * 0.85, w * 0.22, wh * 0.85, timber);
    DrawRoof(cr, x, y - wh, w, h - wh, roof, Mix(roof, Hex(0xFFFFFF), 0.2));
}

// Splits UTF-8 text into its characters.
static int NextChar(const char* s, std::string* out) {
    unsigned char c = (unsigned char)s[0];
    int n = c < 0x80 ? 1 : (c < 0xE0 ? 2 : (c < 0xF0 ? 3 : 4));
    out->assign(s, n);
    return n;
}

void DrawCaptionVertical(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb ink, Rgb paper) {
    int count = 0;
    std::string ch;
    for (const char* p = utf8; *p; p += NextChar(p, &ch)) count++;
    double pad = size * 0.45;
    double h = count * size * 1.08 + pad * 2;
    FillRect(cr, x - size / 2 - pad + 3, y - pad + 3, size + pad * 2, h, Hex(0x000000));
    FillRect(cr, x - size / 2 - pad, y - pad, size + pad * 2, h, paper);
    StrokeRect(cr, x - size / 2 - pad + 3, y - pad + 3, size + pad * 2 - 6, h - 6, Mix(paper, ink, 0.5), 1);
    double cy = y;
    for (const char* p = utf8; *p;) {
        p += NextChar(p, &ch);
        DrawTextCentered(cr, ch.c_str(), x - size / 2, cy, size, size, size, ink);
        cy += size * 1.08;
    }
}

void DrawSeal(cairo_t* cr, double x, double y, double size, const char* utf8) {
    Rgb red = Hex(0xB8281E);
    FillRoundRect(cr, x, y, size, size, size * 0.12, red);
    StrokeRect(cr, x + size * 0.1, y + size * 0.1, size * 0.8, size * 0.8, Hex(0xF4E6D0), size * 0.05);
    DrawTextCentered(cr, utf8, x, y, size, size, size * 0.58, Hex(0xF4E6D0));
}

}  // namespace wart
