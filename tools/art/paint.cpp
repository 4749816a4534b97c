#include "tools/art/paint.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <cstring>

Rgb Hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

void SetColor(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    SetColor(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void FillRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c) {
    const double pi = 3.14159265358979;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
}

void StrokeRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double width) {
    SetColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_rectangle(cr, x + width / 2, y + width / 2, w - width, h - width);
    cairo_stroke(cr);
}

void FillCircle(cairo_t* cr, double cx, double cy, double r, Rgb c) {
    SetColor(cr, c);
    cairo_arc(cr, cx, cy, r, 0, 2 * 3.14159265358979);
    cairo_fill(cr);
}

void FillGradientV(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// The lettering font: the same Mincho the game draws its text with.
static cairo_font_face_t* LetteringFace() {
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

static void UseFont(cairo_t* cr, double size) {
    cairo_set_font_face(cr, LetteringFace());
    cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, const char* utf8, double size) {
    UseFont(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8, &e);
    return e.x_advance;
}

double DrawText(cairo_t* cr, const char* utf8, double x, double y, double size, Rgb c) {
    UseFont(cr, size);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    SetColor(cr, c);
    cairo_move_to(cr, x, y + fe.ascent);
    cairo_show_text(cr, utf8);
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8, &e);
    return e.x_advance;
}

void DrawTextCentered(cairo_t* cr, const char* utf8, double x, double y, double w, double h, double size,
                      Rgb c) {
    UseFont(cr, size);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    double tw = TextWidth(cr, utf8, size);
    double th = fe.ascent + fe.descent;
    DrawText(cr, utf8, x + (w - tw) / 2, y + (h - th) / 2, size, c);
}
