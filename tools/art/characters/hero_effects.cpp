// The heroine's sheet 1: sword effects of every move, clash sparks, the big digits of the
// hit counter and the status page's hit-counter switch (places in hero_effects.h).
#include "tools/art/characters/hero_effects.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/art/characters/figure.h"

namespace {

const double kPi = 3.14159265358979;

struct Palette {
    Rgb outer, mid, core;
};
const Palette kSteel = {Hex(0x3A78D8), Hex(0x9CD0FF), Hex(0xFFFFFF)};
const Palette kGold = {Hex(0xD86A1A), Hex(0xFFC848), Hex(0xFFF8DC)};
const Palette kCrimson = {Hex(0xB8202A), Hex(0xF87048), Hex(0xFFE8C8)};
const Palette kViolet = {Hex(0x6A3AC8), Hex(0xC8A0FF), Hex(0xFFF4FF)};

// A crescent along an elliptical arc from angle a0 to a1 (degrees), its thickness
// (a fraction of the radius) swelling in the middle and tapering to points at both ends.
void ArcBand(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1, double thick,
             Rgb col) {
    const int n = 40;
    cairo_new_path(cr);
    for (int i = 0; i <= n; i++) {
        double s = double(i) / n, a = (a0 + (a1 - a0) * s) * kPi / 180;
        double x = cx + rx * std::cos(a), y = cy + ry * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    for (int i = n; i >= 0; i--) {
        double s = double(i) / n, a = (a0 + (a1 - a0) * s) * kPi / 180;
        double f = 1 - thick * std::pow(std::sin(kPi * s), 0.8) * (0.6 + 0.4 * s);
        cairo_line_to(cr, cx + rx * f * std::cos(a), cy + ry * f * std::sin(a));
    }
    cairo_close_path(cr);
    SetColor(cr, col);
    cairo_fill(cr);
}

void Arc3(cairo_t* cr, double cx, double cy, double rx, double ry, double a0, double a1, double thick,
          const Palette& p) {
    ArcBand(cr, cx, cy, rx, ry, a0, a1, thick, p.outer);
    ArcBand(cr, cx, cy, rx * 0.985, ry * 0.985, a0 + (a1 - a0) * 0.06, a1 - (a1 - a0) * 0.02, thick * 0.6,
            p.mid);
    ArcBand(cr, cx, cy, rx * 0.97, ry * 0.97, a0 + (a1 - a0) * 0.14, a1 - (a1 - a0) * 0.05, thick * 0.25,
            p.core);
}

// A level lens from x0 to x1 around the line y, symmetric top to bottom, pointed at both
// ends with its fullest part toward the leading (right) end.
void Lens(cairo_t* cr, double x0, double x1, double y, double h, Rgb col) {
    double k = x1 - x0;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + k * 0.45, y - h, x1 - k * 0.12, y - h * 0.8, x1, y);
    cairo_curve_to(cr, x1 - k * 0.12, y + h * 0.8, x0 + k * 0.45, y + h, x0, y);
    cairo_close_path(cr);
    SetColor(cr, col);
    cairo_fill(cr);
}

void Lens3(cairo_t* cr, double x0, double x1, double y, double h, const Palette& p) {
    Lens(cr, x0, x1, y, h, p.outer);
    Lens(cr, x0 + (x1 - x0) * 0.1, x1 - 2, y, h * 0.62, p.mid);
    Lens(cr, x0 + (x1 - x0) * 0.22, x1 - 5, y, h * 0.26, p.core);
}

void Streak(cairo_t* cr, double x0, double x1, double y, double h, Rgb col) {
    cairo_rectangle(cr, x0, y - h / 2, x1 - x0, h);
    SetColor(cr, col);
    cairo_fill(cr);
}

// Each painter draws in the rectangle's own coordinates.
void PCombo0(cairo_t* cr, const void*) {
    Lens3(cr, 4, 126, 25, 19, kSteel);
}

void PCombo1(cairo_t* cr, const void*) {
    Arc3(cr, 30, 96, 92, 88, -100, 20, 0.34, kSteel);
}

void PCombo2(cairo_t* cr, const void*) {
    Lens3(cr, 6, 250, 40, 20, kSteel);
    Streak(cr, 20, 120, 58, 2, kSteel.mid);
}

void PCombo3a(cairo_t* cr, const void*) {
    cairo_save(cr);
    cairo_translate(cr, 32, 64);
    cairo_rotate(cr, kPi / 2);
    Lens3(cr, -60, 60, 0, 20, kSteel);
    cairo_restore(cr);
}

void PCombo3b(cairo_t* cr, const void*) {
    Arc3(cr, 80, 0, 170, 124, 5, 120, 0.36, kSteel);
}

void PCombo4a(cairo_t* cr, const void*) {
    Lens3(cr, 4, 126, 32, 14, kSteel);
}

void PCombo4b(cairo_t* cr, const void*) {
    Lens3(cr, 40, 386, 32, 16, kSteel);
    for (int i = 0; i < 4; i++) Streak(cr, 4 + i * 14, 120 + i * 30, 10 + i * 14.5, 2.5, kSteel.mid);
}

void PCombo5(cairo_t* cr, const void*) {
    Arc3(cr, 20, 0, 160, 120, 8, 82, 0.4, kSteel);
}

void PCombo6(cairo_t* cr, const void*) {
    Arc3(cr, 96, 128, 92, 122, -175, -5, 0.3, kSteel);
}

void PCombo7(cairo_t* cr, const void*) {
    Lens3(cr, 10, 250, 22, 14, kSteel);
    Lens3(cr, 40, 246, 44, 13, kSteel);
}

void PCombo8(cairo_t* cr, const void*) {
    Arc3(cr, 30, 4, 150, 112, 6, 80, 0.34, kSteel);
    Arc3(cr, 30, 124, 150, 112, -80, -6, 0.34, kSteel);
}

void PCombo9(cairo_t* cr, const void*) {
    Lens3(cr, 60, 318, 32, 20, kSteel);
    Lens(cr, 10, 200, 32, 9, kSteel.outer);
    Streak(cr, 4, 90, 12, 2.5, kSteel.mid);
    Streak(cr, 20, 120, 52, 2.5, kSteel.mid);
}

// A wave of light: stacked crescents opening forward.
void PSpecial0(cairo_t* cr, const void*) {
    for (int i = 0; i < 4; i++) {
        double x = 60 + i * 64;
        Palette p = i == 3 ? kGold : Palette{kGold.outer, kGold.mid, kGold.mid};
        Arc3(cr, x, 32, 56, 31, -70, 70, 0.45 + 0.08 * i, p);
    }
    Lens(cr, 4, 300, 32, 6, kGold.core);
}

void Flurry(cairo_t* cr, const Palette& p, int n, uint32_t seed) {
    ArtRandom r(seed);
    for (int i = 0; i < n; i++) {
        double cx = 30 + r.Range(0, 196), cy = 32;
        double ang = r.Range(-40, 40) * kPi / 180;
        double len = r.Range(40, 70);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, ang);
        Lens3(cr, -len / 2, len / 2, 0, r.Range(5, 8), p);
        cairo_restore(cr);
    }
}

void PSpecial1(cairo_t* cr, const void*) {
    Flurry(cr, kSteel, 7, 1234);
}
void PSpecial2(cairo_t* cr, const void*) {
    Flurry(cr, kViolet, 6, 777);
    Flurry(cr, kSteel, 4, 4321);
}

void FlameWave(cairo_t* cr, double w, uint32_t seed) {
    ArtRandom r(seed);
    Lens3(cr, 4, w - 2, 32, 26, kCrimson);
    for (int i = 0; i < 5; i++) {
        double x = 16 + i * (w - 56) / 4;
        Arc3(cr, x, 32, 30, 28, -80, 80, 0.55, kGold);
        (void)r;
    }
    Lens(cr, w * 0.2, w - 8, 32, 7, kGold.core);
}

void PSpecial3a(cairo_t* cr, const void*) {
    FlameWave(cr, 256, 11);
}
void PSpecial3b(cairo_t* cr, const void*) {
    FlameWave(cr, 320, 12);
}
void PSpecial3c(cairo_t* cr, const void*) {
    FlameWave(cr, 320, 13);
    Arc3(cr, 276, 32, 36, 30, -80, 80, 0.55, kCrimson);
}
void PSpecial3d(cairo_t* cr, const void*) {
    Lens3(cr, 2, 382, 32, 30, kCrimson);
    for (int i = 0; i < 6; i++) Arc3(cr, 24 + i * 62, 32, 34, 30, -80, 80, 0.55, kGold);
    Lens(cr, 40, 376, 32, 9, kGold.core);
}

// Clash sparks: eight star bursts, each turned and coloured differently.
void PSpark(cairo_t* cr, const void* ctx) {
    int k = *static_cast<const int*>(ctx);
    ArtRandom r(100 + k);
    int rays = 6 + (k % 3) * 2;
    double rot = k * 23.0 * kPi / 180;
    const Palette& p = (k % 2) ? kGold : Palette{Hex(0xE8E0FF), Hex(0xFFF4B0), Hex(0xFFFFFF)};
    for (int layer = 0; layer < 3; layer++) {
        double R = (28 - layer * 7) * (0.9 + 0.1 * (k % 4) / 3.0), inner = R * 0.28;
        Rgb col = layer == 0 ? p.outer : layer == 1 ? p.mid : p.core;
        cairo_new_path(cr);
        for (int i = 0; i < rays * 2; i++) {
            double a = rot + i * kPi / rays;
            double rr = (i % 2) ? inner : R * (i % 4 == 0 ? 1.0 : 0.72);
            double x = 32 + rr * std::cos(a), y = 32 + rr * std::sin(a);
            if (i == 0)
                cairo_move_to(cr, x, y);
            else
                cairo_line_to(cr, x, y);
        }
        cairo_close_path(cr);
        SetColor(cr, col);
        cairo_fill(cr);
    }
    for (int i = 0; i < 4; i++) {
        double a = r.Range(0, 2 * kPi), d = r.Range(20, 28);
        FillCircle(cr, 32 + d * std::cos(a), 32 + d * std::sin(a), 1.6, p.mid);
    }
}

// The lettering font as a cairo face, for outlined digit shapes.
cairo_font_face_t* DigitFace() {
    static cairo_font_face_t* face = nullptr;
    if (face) return face;
    static FT_Library lib;
    if (FT_Init_FreeType(&lib) != 0) {
        fprintf(stderr, "mkart: FreeType could not start\n");
        exit(1);
    }
    const char* paths[] = {"/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
                           "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf",
                           "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"};
    FT_Face ft = nullptr;
    for (const char* p : paths)
        if (FT_New_Face(lib, p, 0, &ft) == 0) break;
    if (!ft) {
        fprintf(stderr, "mkart: no Mincho font found (install fonts-ipafont-mincho)\n");
        exit(1);
    }
    face = cairo_ft_font_face_create_for_ft_face(ft, 0);
    return face;
}

// A big brush-stroke digit: thick dark outline, gold body shading to orange, a lit edge.
void PDigit(cairo_t* cr, const void* ctx) {
    int d = *static_cast<const int*>(ctx);
    char s[2] = {char('0' + d), 0};
    cairo_set_font_face(cr, DigitFace());
    cairo_set_font_size(cr, 104);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s, &e);
    // Fit the glyph into 52 x 108 of the 64 x 128 cell.
    double sx = std::min(1.0, 44.0 / e.width), sy = std::min(1.15, 96.0 / e.height);
    cairo_save(cr);
    cairo_translate(cr, 32, 64);
    cairo_scale(cr, sx, sy);
    cairo_move_to(cr, -e.x_bearing - e.width / 2, -e.y_bearing - e.height / 2);
    cairo_text_path(cr, s);
    cairo_restore(cr);
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, Hex(0x3A0E0A));
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    cairo_append_path(cr, path);
    SetColor(cr, Hex(0xE06A18));
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 14, 0, 114);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.97, 0.72);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 1.0, 0.80, 0.25);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.92, 0.42, 0.10);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_path_destroy(path);
}

// The status page's hit-counter switch: a lacquered plate with a lamp and its state.
void PSwitch(cairo_t* cr, const void* ctx) {
    bool on = *static_cast<const bool*>(ctx);
    FillRoundRect(cr, 1, 1, 126, 30, 8, Hex(0x2A1A14));
    FillRoundRect(cr, 3, 3, 122, 26, 6, on ? Hex(0xA82A22) : Hex(0x4A4448));
    FillRoundRect(cr, 5, 5, 118, 10, 4, on ? Hex(0xC8483A) : Hex(0x5C565A));
    FillCircle(cr, 18, 16, 8, Hex(0x1E1210));
    FillCircle(cr, 18, 16, 6, on ? Hex(0xFFD848) : Hex(0x6A6266));
    if (on) FillCircle(cr, 16, 14, 2, Hex(0xFFFBE0));
    DrawTextCentered(cr, on ? "ON" : "OFF", 30, 2, 94, 28, 20, on ? Hex(0xFFF2D0) : Hex(0xA8A0A4));
}

struct Item {
    const SheetRect* r;
    CellPainter fn;
    const char* label;
};

void DrawHeroEffects(ArtCanvas& c) {
    const Item items[] = {
        {&kEffectCombo0, PCombo0, "move 0"},           {&kEffectCombo1, PCombo1, "move 1"},
        {&kEffectCombo2, PCombo2, "move 2"},           {&kEffectCombo3a, PCombo3a, "move 3a"},
        {&kEffectCombo3b, PCombo3b, "move 3b"},        {&kEffectCombo4a, PCombo4a, "move 4a"},
        {&kEffectCombo4b, PCombo4b, "move 4b"},        {&kEffectCombo5, PCombo5, "move 5"},
        {&kEffectCombo6, PCombo6, "move 6"},           {&kEffectCombo7, PCombo7, "move 7"},
        {&kEffectCombo8, PCombo8, "move 8"},           {&kEffectCombo9, PCombo9, "move 9"},
        {&kEffectSpecial0, PSpecial0, "special 0"},    {&kEffectSpecial1, PSpecial1, "special 1"},
        {&kEffectSpecial2, PSpecial2, "special 2"},    {&kEffectSpecial3a, PSpecial3a, "special 3a"},
        {&kEffectSpecial3b, PSpecial3b, "special 3b"}, {&kEffectSpecial3c, PSpecial3c, "special 3c"},
        {&kEffectSpecial3d, PSpecial3d, "special 3d"},
    };
    for (const Item& it : items) {
        char what[48];
        snprintf(what, sizeof what, "AE00345 %s", it.label);
        PaintCell(c, it.r->x, it.r->y, it.r->w, it.r->h, it.fn, nullptr, what);
        c.Cell(it.r->x, it.r->y, it.r->w, it.r->h, it.label);
    }
    for (int k = 0; k < 8; k++) {
        SheetRect r = EffectSpark(k);
        PaintCell(c, r.x, r.y, r.w, r.h, PSpark, &k, "AE00345 spark");
        c.Cell(r.x, r.y, r.w, r.h, "spark");
    }
    for (int d = 0; d < 10; d++) {
        SheetRect r = BigDigit(d);
        char label[24];
        snprintf(label, sizeof label, "digit %d", d);
        PaintCell(c, r.x, r.y, r.w, r.h, PDigit, &d, label);
        c.Cell(r.x, r.y, r.w, r.h, label);
    }
    for (int i = 0; i < 2; i++) {
        bool on = i == 0;
        SheetRect r = on ? kHitSwitchOn : kHitSwitchOff;
        PaintCell(c, r.x, r.y, r.w, r.h, PSwitch, &on, "AE00345 switch");
        c.Cell(r.x, r.y, r.w, r.h, on ? "switch on" : "switch off");
    }
}

}  // namespace

ART_PICTURE("AE00345", 1024, 1024, DrawHeroEffects, "heroine sheet 1: sword effects, sparks, digits");
