// Small drawing helpers shared by the picture generators (cairo underneath).
#pragma once
#include <cairo.h>

#include <cstdint>

struct Rgb {
    double r, g, b;
};
// 0xRRGGBB to a cairo colour.
Rgb Hex(uint32_t rgb);
void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c);
void FillRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c);
void StrokeRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double width);
void FillCircle(cairo_t* cr, double cx, double cy, double r, Rgb c);
// Vertical gradient from top colour to bottom colour.
void FillGradientV(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);

// Lettering in the game's Mincho font (UTF-8). (x, y) is the top-left of the text box.
// Returns the width drawn.
double DrawText(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb c);
double TextWidth(cairo_t* cr, const char* utf8, double size);
// Centres the text in the box horizontally and vertically.
void DrawTextCentered(cairo_t* cr, const char* utf8, double x, double y, double w, double h, double size,
                      Rgb c);

// Deterministic pseudo-random numbers for textures (same seed, same picture).
struct ArtRandom {
    uint32_t state;
    explicit ArtRandom(uint32_t seed) : state(seed ? seed : 1) {}
    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    double Uniform() { return (Next() & 0xFFFFFF) / double(0x1000000); }  // [0, 1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
};
