// Drawing the two tile sheets from the tile legend: every legend entry names its picture,
// which is looked up in the sheet's table of drawings and painted into cell `value`.
#pragma once
#include <cairo.h>

#include "tools/art/art.h"
#include "tools/art/paint.h"

namespace wart {

// Draws a picture in its own coordinates. A single tile draws in 0..32 x 0..32; a picture
// made of several tiles draws the whole thing and each tile shows its part.
typedef void (*TileDrawFn)(cairo_t* cr);

struct TileArt {
    const char* name;  // the legend name
    TileDrawFn draw;
    int partCol, partRow;  // which 32-pixel part of the picture this tile is
};

// Paints every legend entry of `layer` into the canvas (a 16 x 16 grid of 32-pixel cells)
// and records its cell. A legend entry without a drawing, or a legend that cannot be read,
// stops the generator with a message.
void DrawTileSheet(ArtCanvas& c, char layer, const TileArt* arts, int count);

// Texture helpers for tiles that repeat: features are drawn at x and x +- 32 (and y +- 32 when
// asked), so the cell wraps and neighbouring tiles join without seams.
void WrapCircle(cairo_t* cr, double x, double y, double r, Rgb c, bool wrapY);
void WrapRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, bool wrapY);
// Speckles of two colours over a cell region, wrapping left-right.
void Speckle(cairo_t* cr, double y0, double y1, int count, uint32_t seed, Rgb a, Rgb b, double rmin,
             double rmax);

}  // namespace wart
