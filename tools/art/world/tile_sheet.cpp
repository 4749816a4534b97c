#include "tools/art/world/tile_sheet.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/art/world/tile_legend.h"

namespace wart {

static const TileLegend& Legend() {
    static TileLegend legend;
    static bool loaded = false;
    if (!loaded) {
        std::string error;
        if (!LoadTileLegend(MIRAVEL_SOURCE_DIR "/content/tiles.txt", &legend, &error)) {
            fprintf(stderr, "mkart: %s\n", error.c_str());
            exit(1);
        }
        loaded = true;
    }
    return legend;
}

// Pixels of the 32 x 32 cell at (x, y) that will stay visible (alpha of half or more).
static int OpaquePixels(cairo_t* cr, int x, int y) {
    cairo_surface_t* s = cairo_get_target(cr);
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    int count = 0;
    for (int j = y; j < y + 32; j++) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + j * stride);
        for (int i = x; i < x + 32; i++) count += (row[i] >> 24) >= 128;
    }
    return count;
}

void DrawTileSheet(ArtCanvas& c, char layer, const TileArt* arts, int count) {
    for (const TileLegendEntry& e : Legend().entries) {
        if (e.layer != layer) continue;
        const TileArt* art = nullptr;
        for (int i = 0; i < count; i++)
            if (e.name == arts[i].name) art = &arts[i];
        if (!art) {
            fprintf(stderr, "mkart: tiles.txt line %d: no drawing for %c tile '%s'\n", e.line, layer,
                    e.name.c_str());
            exit(1);
        }
        double x = (e.value % 16) * 32, y = (e.value / 16) * 32;
        cairo_save(c.cr);
        cairo_translate(c.cr, x, y);
        cairo_rectangle(c.cr, 0, 0, 32, 32);
        cairo_clip(c.cr);
        cairo_translate(c.cr, -32.0 * art->partCol, -32.0 * art->partRow);
        art->draw(c.cr);
        cairo_restore(c.cr);
        c.Cell(x, y, 32, 32, std::to_string(e.value) + " " + e.name);
        if (OpaquePixels(c.cr, int(x), int(y)) == 0) {
            fprintf(stderr, "mkart: tiles.txt line %d: the drawing for %c tile '%s' came out empty\n", e.line,
                    layer, e.name.c_str());
            exit(1);
        }
    }
}

void WrapCircle(cairo_t* cr, double x, double y, double r, Rgb c, bool wrapY) {
    for (int dx = -1; dx <= 1; dx++)
        for (int dy = wrapY ? -1 : 0; dy <= (wrapY ? 1 : 0); dy++)
            FillCircle(cr, x + dx * 32, y + dy * 32, r, c);
}

void WrapRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, bool wrapY) {
    for (int dx = -1; dx <= 1; dx++)
        for (int dy = wrapY ? -1 : 0; dy <= (wrapY ? 1 : 0); dy++)
            FillRect(cr, x + dx * 32, y + dy * 32, w, h, c);
}

void Speckle(cairo_t* cr, double y0, double y1, int count, uint32_t seed, Rgb a, Rgb b, double rmin,
             double rmax) {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; i++) {
        double x = rnd.Range(0, 32), y = rnd.Range(y0, y1), r = rnd.Range(rmin, rmax);
        WrapCircle(cr, x, y, r, i % 2 ? a : b, false);
    }
}

}  // namespace wart
