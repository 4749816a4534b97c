// Boss sheet of the second record of fight 16: the dragon core, a burning pearl held in the
// coils of a small vermilion dragon, drifting over the battlefield. Its hit box is the upper
// part of the cell; the dragon's tail and flames trail below. 64-pixel cells:
//   (0,0) drift A   (1,0) drift B   (2,0) drift C   (3,0) drift D (the pearl flares)
//   (4,0) glare (the dragon's jaws open)   (7,0) hurt   (6,1) defeated (cracked, dimmed)
// No attack picture of its own.
#include "tools/art/bosses/boss_art.h"

namespace bosses {
namespace {

void Core(cairo_t* cr, double x, double y, int frame, bool jaws, bool broken) {
    double cx = x + 30, cy = y + 24;
    // the dragon body coiled round the pearl, tail hanging
    double ph = frame * 0.6;
    cairo_move_to(cr, cx + 16, cy - 6);
    cairo_curve_to(cr, cx + 22, cy + 10, cx + 4, cy + 22, cx - 10, cy + 16);
    cairo_curve_to(cr, cx - 22, cy + 10, cx - 20, cy - 10, cx - 8, cy - 16);
    double tx = cx + std::sin(ph) * 6;
    cairo_move_to(cr, cx - 10, cy + 16);
    cairo_curve_to(cr, cx - 14, cy + 26, tx + 8, cy + 30, tx - 2, y + 60);
    for (int k = 0; k < 2; k++) {
        SetColor(cr, k ? Hex(broken ? 0x705048 : 0xD84020) : kInk);
        cairo_set_line_width(cr, k ? 5.0 : 8.0);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
    // a gold belly stripe along the coil
    cairo_move_to(cr, cx + 16, cy - 6);
    cairo_curve_to(cr, cx + 22, cy + 10, cx + 4, cy + 22, cx - 10, cy + 16);
    cairo_curve_to(cr, cx - 14, cy + 26, tx + 8, cy + 30, tx - 2, y + 60);
    SetColor(cr, Hex(broken ? 0x9A8878 : 0xF0C040));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // flame streaming from under the pearl
    if (!broken)
        Fireball(cr, cx - 12 + (frame % 2 ? 2 : -2), cy + 6, 24, 30, 180 + (frame % 2 ? 12 : -12),
                 Hex(0xC02810), Hex(0xFF8A20), Hex(0xFFE070));
    // the pearl
    Rgb e = broken ? Hex(0x506070) : Hex(0x2A80C0);
    Rgb m = broken ? Hex(0x8898A8) : Hex(0x80E0FF);
    Rgb w = broken ? Hex(0xC0C8D0) : Hex(0xFFFFFF);
    double r = frame == 3 ? 13.5 : 12.0;
    cairo_arc(cr, cx, cy, r, 0, 6.2832);
    FillOutline(cr, e, kInk, 1.6);
    cairo_arc(cr, cx - 2, cy - 2, r * 0.65, 0, 6.2832);
    SetColor(cr, m);
    cairo_fill(cr);
    cairo_arc(cr, cx - 4, cy - 5, r * 0.25, 0, 6.2832);
    SetColor(cr, w);
    cairo_fill(cr);
    if (broken) {
        cairo_move_to(cr, cx - 6, cy - 10);
        cairo_line_to(cr, cx - 1, cy - 2);
        cairo_line_to(cr, cx - 4, cy + 3);
        cairo_line_to(cr, cx + 3, cy + 10);
        SetColor(cr, kInk);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    // the dragon's head over the pearl's top, facing right
    double hx = cx + 13, hy = cy - 9;
    cairo_move_to(cr, hx - 8, hy - 2);
    cairo_curve_to(cr, hx - 6, hy - 9, hx + 4, hy - 9, hx + 10, hy - 4);
    cairo_line_to(cr, hx + 14, hy - (jaws ? 5 : 1));
    cairo_line_to(cr, hx + 6, hy + 1);
    cairo_line_to(cr, hx + 13, hy + (jaws ? 6 : 3));
    cairo_curve_to(cr, hx + 4, hy + 6, hx - 4, hy + 6, hx - 8, hy - 2);
    cairo_close_path(cr);
    FillOutline(cr, broken ? Hex(0x806058) : Hex(0xE04828), kInk, 1.2);
    // horns and whiskers
    cairo_move_to(cr, hx - 4, hy - 7);
    cairo_line_to(cr, hx - 10, hy - 14);
    cairo_move_to(cr, hx, hy - 8);
    cairo_line_to(cr, hx - 3, hy - 15);
    SetColor(cr, Hex(0xF0D070));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    cairo_move_to(cr, hx + 10, hy + 2);
    cairo_curve_to(cr, hx + 14, hy + 8, hx + 8, hy + 12, hx + 12, hy + 16 - (frame % 2) * 2);
    SetColor(cr, Hex(0xF0D070));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_arc(cr, hx + 3, hy - 3, 1.3, 0, 6.2832);
    SetColor(cr, broken ? kInk : Hex(0xFFF060));
    cairo_fill(cr);
}

void Draw(ArtCanvas& c) {
    const char* labels[4] = {"drift A", "drift B", "drift C", "drift D"};
    for (int f = 0; f < 4; f++) {
        BeginCell(c, f * 64, 0, 64, 64, labels[f]);
        Core(c.cr, f * 64, 0, f, false, false);
        EndCell(c);
    }
    BeginCell(c, 256, 0, 64, 64, "glare");
    Core(c.cr, 256, 0, 1, true, false);
    EndCell(c);
    BeginCell(c, 448, 0, 64, 64, "hurt");
    Core(c.cr, 448, 0, 2, true, false);
    EndCell(c);
    BeginCell(c, 384, 64, 64, 64, "defeated");
    Core(c.cr, 384, 64, 0, false, true);
    EndCell(c);
}

}  // namespace
}  // namespace bosses

ART_PICTURE("AE00522", 512, 512, bosses::Draw, "boss: dragon core (fight 16)");
