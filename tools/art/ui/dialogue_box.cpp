// The dialogue box sheet: the 640 x 96 text panel (black text is printed on it from
// x 96 down the whole height, so it is light paper edge to edge) and the advance marker's
// open and locked cells.
#include <cmath>

#include "tools/art/ui/style.h"

using namespace ui;

static const double kPi = 3.14159265358979;

static void DrawDialogueSheet(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    // Panel: washi with a narrow lacquer rim, a vermilion rule and a gold corner motif.
    FillRect(cr, 0, 0, 640, 96, kLacquer);
    Washi(cr, 2, 2, 636, 92, 105);
    FillRect(cr, 2, 2, 636, 1, kVermilion);
    FillRect(cr, 2, 93, 636, 1, kVermilion);
    FillRect(cr, 637, 2, 1, 92, kVermilion);
    // A faint wave watermark on the right, well under the contrast of the text.
    Seigaiha(cr, 470, 50, 168, 44, 12, Hex(0xB89A66), 0.22);
    // Face slot (the portrait covers it).
    FillRect(cr, 0, 0, 96, 96, Hex(0x2A1613));
    GoldFrame(cr, 0, 0, 96, 96, 3);
    Crest(cr, 48, 48, 24, Hex(0x4A2A22));
    c.Cell(0, 0, 640, 96, "dialogue panel");

    // Open marker: a vermilion brush arrow pointing down, "press to go on".
    double x = 0, y = 128;
    cairo_new_path(cr);
    cairo_move_to(cr, x + 6, y + 9);
    cairo_line_to(cr, x + 26, y + 9);
    cairo_line_to(cr, x + 16, y + 26);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    SetColor(cr, kVermilion);
    cairo_fill(cr);
    FillRect(cr, x + 8, y + 4, 16, 2.5, kGoldDark);
    FillCircle(cr, x + 13, y + 13, 2, Hex(0xFFB49A));
    c.Cell(x, y, 32, 32, "marker open");

    // Locked marker: a grey ring with a bar, "wait".
    x = 64;
    cairo_set_line_width(cr, 4);
    SetColor(cr, kInk);
    cairo_arc(cr, x + 16, y + 16, 10, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2);
    SetColor(cr, Hex(0x8A847A));
    cairo_arc(cr, x + 16, y + 16, 10, 0, 2 * kPi);
    cairo_stroke(cr);
    FillRect(cr, x + 9, y + 14, 14, 4, kInk);
    FillRect(cr, x + 10, y + 15, 12, 2, Hex(0x8A847A));
    c.Cell(x, y, 32, 32, "marker locked");
}

ART_PICTURE("AE00105", 1024, 256, DrawDialogueSheet, "dialogue box sheet");
