// The interface look shared by the menu, panel and window pictures: lacquer black and
// vermilion, washi paper, gold trim, Mincho lettering.
#pragma once
#include "tools/art/art.h"
#include "tools/art/paint.h"

namespace ui {

extern const Rgb kLacquer;    // near-black with a red cast
extern const Rgb kLacquerHi;  // the lacquer's sheen
extern const Rgb kVermilion;  // shu-iro
extern const Rgb kVermDark;   // deep vermilion for shadows
extern const Rgb kGold;       // trim
extern const Rgb kGoldDark;   // trim shadow
extern const Rgb kGoldLight;  // trim highlight
extern const Rgb kWashi;      // paper
extern const Rgb kWashiDark;  // paper in shade
extern const Rgb kInk;        // sumi ink
extern const Rgb kCream;      // light lettering on lacquer

// Lacquer panel: dark vertical gradient with a faint sheen line near the top.
void Lacquer(cairo_t* cr, double x, double y, double w, double h);
// Washi paper: warm paper with deterministic fibres.
void Washi(cairo_t* cr, double x, double y, double w, double h, uint32_t seed);
// A gold frame of the given width drawn inside the rectangle, with light and dark edges.
void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double width);
// Faint wave (seigaiha) pattern over a rectangle, in the given colour and alpha.
void Seigaiha(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c, double alpha);
// Faint hemp-leaf (asanoha) lattice over a rectangle.
void Asanoha(cairo_t* cr, double x, double y, double w, double h, double s, Rgb c, double alpha);

// Lettering with an outline: the outline stroked first, then the fill. (x, y) is the
// top-left of the text box as DrawText. Returns the width drawn.
double OutlinedText(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb fill, Rgb outline,
                    double outlineWidth);
// Centres outlined lettering in a box.
void OutlinedTextCentered(cairo_t* cr, const char* utf8, double x, double y, double w, double h, double size,
                          Rgb fill, Rgb outline, double outlineWidth);
// Largest size (up to maxSize) at which the text fits the width.
double FitSize(cairo_t* cr, const char* utf8, double maxWidth, double maxSize);
// Draws the text's ink scaled to fill the box exactly (non-uniform scale), with an outline
// around it and the fill thickened by `bold` pixels: used for the small number glyphs.
void GlyphInBox(cairo_t* cr, const char* utf8, double x, double y, double w, double h, Rgb fill, Rgb outline,
                double outlineWidth, double bold);
// Vertical lettering (one character under the other), centred on column cx from top y.
void VerticalText(cairo_t* cr, const char* const* chars, int n, double cx, double y, double size, Rgb c);

// A rounded plate of washi with a thin ink rule, for labels on paper-coloured screens.
void PaperPlate(cairo_t* cr, double x, double y, double w, double h, uint32_t seed);
// A lacquer plate with gold trim and centred cream lettering: tabs, labels, banners.
void LacquerLabel(cairo_t* cr, double x, double y, double w, double h, const char* utf8, double size);
// A small family-crest style flower (five petals) in the given colour.
void Crest(cairo_t* cr, double cx, double cy, double r, Rgb c);
// A key cap with its name, for the controls picture and hint strips.
void KeyCap(cairo_t* cr, double x, double y, double w, double h, const char* utf8, double size);

// Ink-wash mountain ranges inside a rectangle (farther ranges paler), with a red sun.
void InkLandscape(cairo_t* cr, double x, double y, double w, double h, uint32_t seed);

}  // namespace ui
