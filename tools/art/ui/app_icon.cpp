// The window's and the desktop's icon: a katana across a red sun on a night-blue lacquer tile.
#include <cmath>

#include "tools/art/art.h"
#include "tools/art/paint.h"

namespace {

void DrawAppIcon(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    FillRect(cr, 0, 0, 64, 64, Hex(0xFF00FF));
    FillRoundRect(cr, 2, 2, 60, 60, 10, Hex(0x1A1F3A));
    FillGradientV(cr, 4, 4, 56, 56, Hex(0x27305A), Hex(0x0E1226));
    FillCircle(cr, 38, 26, 15, Hex(0xC8281E));
    // Blade from the lower left to the upper right, a guard and a wrapped hilt.
    cairo_save(cr);
    cairo_translate(cr, 32, 32);
    cairo_rotate(cr, -M_PI / 4);
    SetColor(cr, Hex(0xE8ECF2));
    cairo_move_to(cr, -8, -2);
    cairo_line_to(cr, 24, -2);
    cairo_curve_to(cr, 27, -2, 29, -1, 30, 1);
    cairo_line_to(cr, -8, 2);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRect(cr, -8, -0.4, 34, 0.8, Hex(0x9AA4B4));  // the temper line
    FillRect(cr, -11, -5, 3, 10, Hex(0xC8A040));     // guard
    FillRect(cr, -25, -2.5, 14, 5, Hex(0x202020));   // hilt
    for (int i = 0; i < 4; ++i) FillRect(cr, -24 + 3.5 * i, -2.5, 1.5, 5, Hex(0x8A2A2A));
    cairo_restore(cr);
    StrokeRect(cr, 3, 3, 58, 58, Hex(0xC8A040), 1.5);
    c.Cell(0, 0, 64, 64, "icon");
}

}  // namespace

ART_PICTURE("icon", 64, 64, DrawAppIcon, "window and desktop icon");
