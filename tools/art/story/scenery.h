// Landscape and figure pieces shared by the splash, title and ending pictures: skies,
// mountain ridges, pines, houses, torii, castles, lanterns and the people of the story.
#pragma once
#include "tools/art/art.h"
#include "tools/art/paint.h"

// One colour stop of a sky: position 0 (top) to 1 (bottom).
struct SkyStop {
    double at;
    uint32_t rgb;
};
void FillSky(cairo_t* cr, double x, double y, double w, double h, const SkyStop* stops, int n);
// A sun or moon with a soft halo of the given radius.
void DrawGlow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha);
void DrawSun(cairo_t* cr, double cx, double cy, double r, Rgb core, Rgb halo);
void DrawMoon(cairo_t* cr, double cx, double cy, double r, Rgb c, double crescent);
void DrawStars(cairo_t* cr, uint32_t seed, int count, double x, double y, double w, double h, double alpha);
// A soft cloud bank of overlapping ellipses centred at (cx, cy).
void DrawCloud(cairo_t* cr, double cx, double cy, double w, double h, Rgb c, double alpha, uint32_t seed);
// A mountain ridge from x 0 to w with its mean height at baseY, filled down to bottom.
void DrawRidge(cairo_t* cr, double w, double baseY, double amp, double bottom, Rgb c, uint32_t seed,
               double roughness = 1.0);
// A single peak with an optional snow cap.
void DrawPeak(cairo_t* cr, double cx, double baseY, double halfW, double h, Rgb c, Rgb snow, bool capped);
// Horizontal band of mist (alpha fades out above and below the centre line).
void DrawMist(cairo_t* cr, double w, double cy, double halfH, Rgb c, double alpha);
// A Japanese pine with flat foliage pads on a leaning trunk; a cedar is a tall cone.
void DrawPine(cairo_t* cr, double x, double baseY, double h, Rgb trunk, Rgb leaves, uint32_t seed);
void DrawCedar(cairo_t* cr, double x, double baseY, double h, Rgb c);
// A village house: plastered walls, thatched or tiled roof, optional lit window.
void DrawHouse(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof, bool lit,
               bool thatched);
void DrawTorii(cairo_t* cr, double cx, double baseY, double h, Rgb c);
// Castle keep with stone base, white walls and tiers of curved roofs.
void DrawCastle(cairo_t* cr, double cx, double baseY, double w, double h, Rgb wall, Rgb roof, Rgb stone,
                bool lit);
void DrawPaperLantern(cairo_t* cr, double cx, double cy, double r, Rgb c, bool lit);
void DrawStoneLantern(cairo_t* cr, double cx, double baseY, double h, Rgb c, bool lit);
// A cloud of cherry blossom: soft pink masses dotted with small five-petalled flowers.
void DrawBlossom(cairo_t* cr, double cx, double cy, double r, uint32_t seed);
void DrawPetals(cairo_t* cr, uint32_t seed, int count, double x, double y, double w, double h, Rgb c);
void DrawSpiderLily(cairo_t* cr, double x, double baseY, double h, Rgb c);
void DrawGrass(cairo_t* cr, uint32_t seed, double x, double w, double baseY, double h, Rgb c, int count);
// Darkens the picture's edges.
void DrawVignette(cairo_t* cr, double w, double h, double strength);

// Lettering with a dark rim, for text that must stay readable over a picture.
void DrawOutlinedText(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb fill, Rgb rim,
                      double rimWidth);
void DrawOutlinedTextCentered(cairo_t* cr, const char* utf8, double x, double y, double w, double h,
                              double size, Rgb fill, Rgb rim, double rimWidth);
// Characters stacked top to bottom, centred in the column [x, x + w].
void DrawVerticalText(cairo_t* cr, const char* const* chars, int n, double x, double y, double w, double size,
                      double step, Rgb fill, Rgb rim, double rimWidth);
// A caption band across the bottom of a 640 x 480 picture.
void DrawCaption(cairo_t* cr, const char* utf8, double w, double h);

// Poses of the heroine.
enum HeroPose { kHeroStand, kHeroWalk, kHeroSwordDown, kHeroSwordRaised, kHeroSit, kHeroBow };
// The heroine in side view: feet at (x, baseY), height h pixels, facing right when facing > 0.
// A silhouette draws her in one colour.
void DrawHeroine(cairo_t* cr, double x, double baseY, double h, int facing, HeroPose pose,
                 bool silhouette = false, Rgb silhouetteColor = {0, 0, 0});

// The people she met, in the same drawing style.
enum PersonKind {
    kVillager,
    kVillagerWoman,
    kElder,
    kChild,
    kInnkeeper,
    kMerchant,
    kMonk,
    kShrineMaiden,
    kSamurai,
    kLord
};
void DrawPerson(cairo_t* cr, double x, double baseY, double h, int facing, PersonKind kind,
                bool silhouette = false, Rgb silhouetteColor = {0, 0, 0});
