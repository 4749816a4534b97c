// Landscape pieces shared by the world pictures: skies, mountain ridges, trees, castles,
// torii and houses, drawn as flat silhouettes with two or three shades.
#pragma once
#include <cairo.h>

#include "tools/art/paint.h"

namespace wart {

const double kPi = 3.14159265358979;

Rgb Mix(Rgb a, Rgb b, double t);

// Sky from top to bottom through a middle colour at `mid` (0..1 of the height).
void FillSky3(cairo_t* cr, double w, double h, Rgb top, Rgb middle, Rgb bottom, double mid);

// A mountain ridge line, periodic over `period` pixels so a picture that is `period` wide tiles
// left-right: pointed peaks plus a few whole-period ripples. Filled from the line down to `bottom`.
struct Ridge {
    double base;        // average height of the line (y)
    double peakHeight;  // how far peaks rise above the base
    int peaks;          // peaks per period
    double ripple;      // amplitude of the small ripples
    uint32_t seed;
};
double RidgeY(const Ridge& r, double x, double period);
void FillRidge(cairo_t* cr, const Ridge& r, double width, double period, double bottom, Rgb c);
// The same ridge with a lighter band along its top (snow or light on the crest).
void FillRidgeCapped(cairo_t* cr, const Ridge& r, double width, double period, double bottom, Rgb c, Rgb cap,
                     double capDepth);

// A soft cloud bank made of overlapping circles, centred on (x, y).
void DrawCloud(cairo_t* cr, double x, double y, double w, Rgb c, double alpha, uint32_t seed);
// A long flat cloud streak (evening skies).
void DrawStreak(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha);
// Stars scattered over a rectangle.
void DrawStars(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed, double alpha);
// Moon with a soft halo.
void DrawMoon(cairo_t* cr, double x, double y, double r, Rgb c, Rgb halo);
// Sun disc with a halo.
void DrawSun(cairo_t* cr, double x, double y, double r, Rgb c, Rgb halo);

// Japanese pine: a crooked trunk with flat tiers of needles. (x, y) is the foot of the trunk.
void DrawPine(cairo_t* cr, double x, double y, double h, Rgb trunk, Rgb dark, Rgb light, int lean);
// Tall cedar silhouette (a narrow layered cone). (x, y) is the foot.
void DrawCedar(cairo_t* cr, double x, double y, double h, Rgb c);
// A row of cedars along a line, periodic over `period`.
void DrawCedarRow(cairo_t* cr, double width, double period, double baseY, double minH, double maxH,
                  double step, Rgb c, uint32_t seed);

// A castle keep on its stone base: (x, y) is the bottom centre, `s` its scale (1 = about 120 high).
void DrawCastle(cairo_t* cr, double x, double y, double s, Rgb wall, Rgb roof, Rgb stone, Rgb window);
// A torii gate: (x, y) the bottom centre, `h` its height.
void DrawTorii(cairo_t* cr, double x, double y, double h, Rgb c, Rgb dark);
// A village house with a tiled roof: (x, y) bottom left.
void DrawHouse(cairo_t* cr, double x, double y, double w, double h, Rgb wall, Rgb roof, Rgb timber,
               Rgb window);
// A curved roof (kawara) over [x, x + w] with its eaves at y, height h.
void DrawRoof(cairo_t* cr, double x, double y, double w, double h, Rgb c, Rgb edge);

// A caption plate for the transition cards: a vertical line of Japanese text with a red seal.
void DrawCaptionVertical(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb ink, Rgb paper);
void DrawSeal(cairo_t* cr, double x, double y, double size, const char* utf8);

}  // namespace wart
