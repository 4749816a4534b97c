#include "tools/art/ui/style.h"

#include <algorithm>
#include <cmath>

namespace ui {

const Rgb kLacquer = Hex(0x1A0E0C);
const Rgb kLacquerHi = Hex(0x3A2320);
const Rgb kVermilion = Hex(0xD2452A);
const Rgb kVermDark = Hex(0x8C2216);
const Rgb kGold = Hex(0xD4A94A);
const Rgb kGoldDark = Hex(0x7E5C1E);
const Rgb kGoldLight = Hex(0xF4DC96);
const Rgb kWashi = Hex(0xF1E7D0);
const Rgb kWashiDark = Hex(0xD9CBAA);
const Rgb kInk = Hex(0x1B1714);
const Rgb kCream = Hex(0xF7EEDA);

static const double kPi = 3.14159265358979;

void Lacquer(cairo_t* cr, double x, double y, double w, double h) {
    FillGradientV(cr, x, y, w, h, Hex(0x2A1613), Hex(0x120907));
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    // A soft sheen band across the upper part, as on polished lacquer.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h * 0.5);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.35, 1, 0.9, 0.8, 0.06);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h * 0.5);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Washi(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    FillGradientV(cr, x, y, w, h, Hex(0xF5ECD8), Hex(0xEADDBF));
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    ArtRandom rnd(seed);
    int fibres = int(w * h / 90);
    cairo_set_line_width(cr, 0.7);
    for (int i = 0; i < fibres; i++) {
        double fx = x + rnd.Range(0, w), fy = y + rnd.Range(0, h);
        double len = rnd.Range(3, 11), ang = rnd.Range(0, kPi);
        bool dark = rnd.Uniform() < 0.5;
        if (dark)
            cairo_set_source_rgba(cr, 0.55, 0.45, 0.30, 0.10);
        else
            cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
        cairo_move_to(cr, fx, fy);
        cairo_curve_to(cr, fx + std::cos(ang) * len * 0.3, fy + std::sin(ang) * len * 0.3 + 1,
                       fx + std::cos(ang) * len * 0.7, fy + std::sin(ang) * len * 0.7 - 1,
                       fx + std::cos(ang) * len, fy + std::sin(ang) * len);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double width) {
    StrokeRect(cr, x, y, w, h, kGoldDark, width);
    if (width >= 3) {
        StrokeRect(cr, x + 1, y + 1, w - 2, h - 2, kGold, width - 2);
        StrokeRect(cr, x + 1, y + 1, w - 2, h - 2, kGoldLight, 1);
    } else {
        StrokeRect(cr, x, y, w, h, kGold, width * 0.6);
    }
}

void Seigaiha(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c, double alpha) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    SetColor(cr, c, alpha);
    cairo_set_line_width(cr, 1.0);
    int row = 0;
    for (double cy = y + h + r; cy > y - r; cy -= r * 0.5, row++) {
        double off = (row % 2) ? r : 0;
        for (double cx = x - 2 * r + off; cx < x + w + 2 * r; cx += 2 * r) {
            for (int k = 1; k <= 3; k++) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, cx, cy, r * k / 3.0, kPi, 2 * kPi);
            }
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void Asanoha(cairo_t* cr, double x, double y, double w, double h, double s, Rgb c, double alpha) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    SetColor(cr, c, alpha);
    cairo_set_line_width(cr, 0.8);
    double hy = s * std::sqrt(3.0) / 2;
    int row = 0;
    for (double cy = y; cy < y + h + hy; cy += hy, row++) {
        double off = (row % 2) ? s / 2 : 0;
        for (double cx = x - s + off; cx < x + w + s; cx += s) {
            // Six spokes from each lattice point to its neighbours' midpoints: the hemp star.
            for (int k = 0; k < 6; k++) {
                double a = k * kPi / 3;
                cairo_move_to(cr, cx, cy);
                cairo_line_to(cr, cx + std::cos(a) * s * 0.5, cy + std::sin(a) * s * 0.5);
            }
            for (int k = 0; k < 6; k++) {
                double a = kPi / 6 + k * kPi / 3;
                cairo_move_to(cr, cx, cy);
                cairo_line_to(cr, cx + std::cos(a) * s * 0.577 * 0.5, cy + std::sin(a) * s * 0.577 * 0.5);
            }
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

double OutlinedText(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb fill, Rgb outline,
                    double outlineWidth) {
    double adv = TextWidth(cr, utf8, size);  // also selects the lettering font on cr
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y + fe.ascent);
    cairo_text_path(cr, utf8);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, outlineWidth * 2);
    SetColor(cr, outline);
    cairo_stroke_preserve(cr);
    SetColor(cr, fill);
    cairo_fill(cr);
    return adv;
}

void OutlinedTextCentered(cairo_t* cr, const char* utf8, double x, double y, double w, double h, double size,
                          Rgb fill, Rgb outline, double outlineWidth) {
    double tw = TextWidth(cr, utf8, size);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    double th = fe.ascent + fe.descent;
    OutlinedText(cr, utf8, x + (w - tw) / 2, y + (h - th) / 2, size, fill, outline, outlineWidth);
}

double FitSize(cairo_t* cr, const char* utf8, double maxWidth, double maxSize) {
    double size = maxSize;
    while (size > 6 && TextWidth(cr, utf8, size) > maxWidth) size -= 0.5;
    return size;
}

void GlyphInBox(cairo_t* cr, const char* utf8, double x, double y, double w, double h, Rgb fill, Rgb outline,
                double outlineWidth, double bold) {
    const double ref = 100;
    TextWidth(cr, utf8, ref);
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8, &e);
    // The box holds the ink plus the outline and thickening on every side.
    double pad = outlineWidth + bold / 2;
    double iw = w - 2 * pad, ih = h - 2 * pad;
    // Height fills the box; the width keeps the glyph's shape (at most 1.15 times wider
    // than drawn) and is centred, squeezed only when the figure would pass the box.
    double sy = ih / e.height;
    double sx = std::min(sy * 1.15, iw / e.width);
    double ox = (iw - e.width * sx) / 2;
    cairo_save(cr);
    cairo_translate(cr, x + pad + ox, y + pad);
    cairo_scale(cr, sx, sy);
    cairo_new_path(cr);
    cairo_move_to(cr, -e.x_bearing, -e.y_bearing);
    cairo_text_path(cr, utf8);
    cairo_restore(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2 * outlineWidth + bold);
    SetColor(cr, outline);
    cairo_stroke_preserve(cr);
    if (bold > 0) {
        cairo_set_line_width(cr, bold);
        SetColor(cr, fill);
        cairo_stroke_preserve(cr);
    }
    SetColor(cr, fill);
    cairo_fill(cr);
}

void VerticalText(cairo_t* cr, const char* const* chars, int n, double cx, double y, double size, Rgb c) {
    for (int i = 0; i < n; i++) {
        double w = TextWidth(cr, chars[i], size);
        DrawText(cr, chars[i], cx - w / 2, y + i * size * 1.05, size, c);
    }
}

void PaperPlate(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    Washi(cr, x, y, w, h, seed);
    StrokeRect(cr, x, y, w, h, kGoldDark, 1);
    StrokeRect(cr, x + 2, y + 2, w - 4, h - 4, Hex(0xB89A66), 1);
}

void LacquerLabel(cairo_t* cr, double x, double y, double w, double h, const char* utf8, double size) {
    Lacquer(cr, x, y, w, h);
    GoldFrame(cr, x, y, w, h, 2);
    double s = FitSize(cr, utf8, w - 12, size);
    OutlinedTextCentered(cr, utf8, x, y, w, h, s, kCream, kInk, 1.0);
}

void Crest(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    // Five rounded petals around a small ring: a plum-blossom crest.
    for (int k = 0; k < 5; k++) {
        double a = -kPi / 2 + k * 2 * kPi / 5;
        FillCircle(cr, cx + std::cos(a) * r * 0.55, cy + std::sin(a) * r * 0.55, r * 0.42, c);
    }
    FillCircle(cr, cx, cy, r * 0.22, kLacquer);
    cairo_set_line_width(cr, std::max(1.0, r * 0.06));
    SetColor(cr, c);
    cairo_arc(cr, cx, cy, r * 0.14, 0, 2 * kPi);
    cairo_stroke(cr);
}

void KeyCap(cairo_t* cr, double x, double y, double w, double h, const char* utf8, double size) {
    FillRoundRect(cr, x, y + 2, w, h - 2, 4, Hex(0x3C2A22));
    FillRoundRect(cr, x, y, w, h - 3, 4, Hex(0xF4ECDC));
    FillRoundRect(cr, x + 2, y + 2, w - 4, h - 8, 3, Hex(0xFFFBF2));
    double s = FitSize(cr, utf8, w - 6, size);
    DrawTextCentered(cr, utf8, x, y - 1, w, h - 3, s, kInk);
}

void InkLandscape(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    ArtRandom rnd(seed);
    FillCircle(cr, x + w * 0.72, y + h * 0.28, std::min(w, h) * 0.11, Hex(0xC8402A));
    for (int layer = 0; layer < 3; layer++) {
        double base = y + h * (0.55 + 0.17 * layer);
        double alpha = 0.25 + 0.25 * layer;
        cairo_new_path(cr);
        cairo_move_to(cr, x, y + h);
        double px = x, py = base;
        cairo_line_to(cr, px, py);
        while (px < x + w) {
            double step = rnd.Range(w * 0.08, w * 0.2);
            double peak = base - rnd.Range(h * 0.08, h * 0.3) / (1 + layer * 0.4);
            // Concave flanks rising to a pointed summit, as a brush would lay them.
            double mid = px + step * rnd.Range(0.4, 0.6), end = base + rnd.Range(-4, 4);
            cairo_curve_to(cr, px + (mid - px) * 0.5, base - (base - peak) * 0.2, mid - step * 0.12, peak + 3,
                           mid, peak);
            cairo_curve_to(cr, mid + step * 0.12, peak + 3, mid + (px + step - mid) * 0.5,
                           end - (end - peak) * 0.2, px + step, end);
            px += step;
        }
        cairo_line_to(cr, x + w, y + h);
        cairo_close_path(cr);
        SetColor(cr, Hex(0x2A2420), alpha);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace ui
