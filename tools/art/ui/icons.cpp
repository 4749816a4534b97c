#include "tools/art/ui/icons.h"

#include <cmath>

#include "tools/art/ui/style.h"

namespace ui {

static const double kPi = 3.14159265358979;

// A ball with a dark rim and a highlight, the building block of dango and grapes.
static void Ball(cairo_t* cr, double cx, double cy, double r, Rgb body, Rgb rim) {
    FillCircle(cr, cx, cy, r + 1, rim);
    FillCircle(cr, cx, cy, r, body);
    SetColor(cr, Hex(0xFFFFFF), 0.55);
    cairo_arc(cr, cx - r * 0.35, cy - r * 0.35, r * 0.35, 0, 2 * kPi);
    cairo_fill(cr);
}

static void Dango(cairo_t* cr, double x, double y, Rgb a, Rgb b, Rgb c) {
    // Skewer first, then three balls along it.
    cairo_set_line_width(cr, 2);
    SetColor(cr, Hex(0x9C7A48));
    cairo_move_to(cr, x + 5, y + 28);
    cairo_line_to(cr, x + 27, y + 4);
    cairo_stroke(cr);
    Ball(cr, x + 11, y + 21, 5.2, c, kInk);
    Ball(cr, x + 16.5, y + 15, 5.2, b, kInk);
    Ball(cr, x + 22, y + 9, 5.2, a, kInk);
}

static void RiceBall(cairo_t* cr, double x, double y, Rgb rice, bool speckled) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + 16, y + 3);
    cairo_curve_to(cr, x + 20, y + 3, x + 30, y + 20, x + 29, y + 25);
    cairo_curve_to(cr, x + 28, y + 29, x + 4, y + 29, x + 3, y + 25);
    cairo_curve_to(cr, x + 2, y + 20, x + 12, y + 3, x + 16, y + 3);
    cairo_close_path(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    SetColor(cr, rice);
    cairo_fill(cr);
    if (speckled) {
        // Sweet-potato pieces in the rice.
        const double spots[][2] = {{12, 12}, {19, 14}, {9, 20}, {23, 21}, {15, 18}};
        for (auto& s : spots) FillCircle(cr, x + s[0], y + s[1], 1.8, Hex(0xC9762A));
    }
    FillRect(cr, x + 10, y + 19, 12, 10, Hex(0x1F2A1C));  // nori band
    FillRect(cr, x + 11, y + 20, 3, 8, Hex(0x35452E));
}

static void Grapes(cairo_t* cr, double x, double y, Rgb body, Rgb rim) {
    cairo_set_line_width(cr, 2);
    SetColor(cr, Hex(0x6B4A22));
    cairo_move_to(cr, x + 16, y + 7);
    cairo_curve_to(cr, x + 16, y + 4, x + 18, y + 2, x + 21, y + 2);
    cairo_stroke(cr);
    FillCircle(cr, x + 22, y + 6, 3.2, Hex(0x4E8A34));  // leaf
    const double b[][2] = {{10, 10}, {16, 10}, {22, 10}, {13, 15.5}, {19, 15.5},
                           {10, 21}, {16, 21}, {22, 21}, {13, 26.5}, {19, 26.5}};
    for (auto& p : b) Ball(cr, x + p[0], y + p[1], 3.3, body, rim);
}

static void Fish(cairo_t* cr, double x, double y) {
    cairo_set_line_width(cr, 2);
    SetColor(cr, Hex(0x9C7A48));
    cairo_move_to(cr, x + 2, y + 28);
    cairo_line_to(cr, x + 30, y + 6);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, x + 16, y + 17);
    cairo_rotate(cr, -0.66);
    cairo_new_path(cr);
    cairo_move_to(cr, -13, 0);
    cairo_curve_to(cr, -6, -8, 6, -7, 10, 0);
    cairo_curve_to(cr, 6, 7, -6, 8, -13, 0);
    cairo_close_path(cr);
    SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -7, 0, 7);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.35, 0.42, 0.52);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.86, 0.83, 0.74);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Tail and eye; grill marks show it is cooked.
    cairo_move_to(cr, 10, 0);
    cairo_line_to(cr, 15, -5);
    cairo_line_to(cr, 15, 5);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x4A5A6A));
    cairo_fill(cr);
    FillCircle(cr, -8, -1.5, 1.6, kInk);
    cairo_set_line_width(cr, 1.2);
    SetColor(cr, Hex(0x5A3418));
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, -3 + i * 4, -5);
        cairo_line_to(cr, -5 + i * 4, 5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A folded paper packet of herbs with a red seal.
static void Packet(cairo_t* cr, double x, double y) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + 4, y + 8);
    cairo_line_to(cr, x + 28, y + 8);
    cairo_line_to(cr, x + 26, y + 28);
    cairo_line_to(cr, x + 6, y + 28);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 2);
    SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    SetColor(cr, Hex(0xE9DDB8));
    cairo_fill(cr);
    cairo_move_to(cr, x + 4, y + 8);
    cairo_line_to(cr, x + 16, y + 3);
    cairo_line_to(cr, x + 28, y + 8);
    cairo_line_to(cr, x + 16, y + 14);
    cairo_close_path(cr);
    SetColor(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke_preserve(cr);
    SetColor(cr, Hex(0xC8B88C));
    cairo_fill(cr);
    FillRect(cr, x + 11, y + 16, 10, 10, kVermilion);
    DrawTextCentered(cr, u8"薬", x + 11, y + 16, 10, 10, 9, kCream);
}

// A gourd bottle; the medicine kinds differ in the colour of the cord and contents.
static void Gourd(cairo_t* cr, double x, double y, Rgb body, Rgb cord) {
    Ball(cr, x + 16, y + 21, 8, body, kInk);
    Ball(cr, x + 16, y + 10, 5, body, kInk);
    FillRect(cr, x + 14, y + 2, 4, 4, Hex(0x8A6436));
    FillRect(cr, x + 11, y + 14, 10, 2.5, cord);
}

// A small bottle of medicinal water with a paper label.
static void Bottle(cairo_t* cr, double x, double y) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + 13, y + 4);
    cairo_line_to(cr, x + 19, y + 4);
    cairo_line_to(cr, x + 19, y + 11);
    cairo_curve_to(cr, x + 27, y + 14, x + 27, y + 29, x + 16, y + 29);
    cairo_curve_to(cr, x + 5, y + 29, x + 5, y + 14, x + 13, y + 11);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 2);
    SetColor(cr, kInk);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y + 12, 0, y + 29);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.75, 0.9, 0.95);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.2, 0.5, 0.8);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    FillRect(cr, x + 12, y + 2, 8, 3, Hex(0x8A6436));
    FillRect(cr, x + 11, y + 17, 10, 8, Hex(0xF3EAD2));
    DrawTextCentered(cr, u8"水", x + 11, y + 17, 10, 8, 8, kInk);
}

// Items without a cap carry a small gold flower in the corner.
static void UncappedMark(cairo_t* cr, double x, double y) {
    Crest(cr, x + 27, y + 5, 4.5, kGold);
}

void DrawItemIcon(cairo_t* cr, int kind, double x, double y) {
    switch (kind) {
        case 0:
            Dango(cr, x, y, Hex(0xF2A7B8), Hex(0xFAF6EC), Hex(0x9CC77A));
            break;
        case 1:
            RiceBall(cr, x, y, Hex(0xFBF8F0), false);
            break;
        case 2:
            Grapes(cr, x, y, Hex(0x6E3A8E), Hex(0x2C1238));
            break;
        case 3:
            Packet(cr, x, y);
            break;
        case 4:
            Fish(cr, x, y);
            break;
        case 5:
            Dango(cr, x, y, Hex(0x6FA84E), Hex(0x6FA84E), Hex(0x6FA84E));
            UncappedMark(cr, x, y);
            break;
        case 6:
            RiceBall(cr, x, y, Hex(0xF8EBC8), true);
            UncappedMark(cr, x, y);
            break;
        case 7:
            Grapes(cr, x, y, Hex(0x9CCB5A), Hex(0x3E5E1E));
            UncappedMark(cr, x, y);
            break;
        case 8:
            Gourd(cr, x, y, Hex(0xC98A3E), kVermilion);
            UncappedMark(cr, x, y);
            break;
        case 9:
            Bottle(cr, x, y);
            UncappedMark(cr, x, y);
            break;
        default: {
            // The empty row: a bare grey dish.
            cairo_save(cr);
            cairo_translate(cr, x + 16, y + 20);
            cairo_scale(cr, 1, 0.45);
            cairo_arc(cr, 0, 0, 13, 0, 2 * kPi);
            cairo_restore(cr);
            SetColor(cr, Hex(0x2A2A2A));
            cairo_set_line_width(cr, 2);
            cairo_stroke_preserve(cr);
            SetColor(cr, Hex(0x9A968E));
            cairo_fill(cr);
            cairo_save(cr);
            cairo_translate(cr, x + 16, y + 19);
            cairo_scale(cr, 1, 0.45);
            cairo_arc(cr, 0, 0, 8, 0, 2 * kPi);
            cairo_restore(cr);
            SetColor(cr, Hex(0xC4C0B6));
            cairo_fill(cr);
            DrawTextCentered(cr, u8"なし", x, y + 1, 32, 10, 9, Hex(0x3A3A3A));
            break;
        }
    }
}

}  // namespace ui
