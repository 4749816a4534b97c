// mkart OUTDIR|- [--contact FILE.png] [--contact-pages DIR] [--only NAME]
// Draws every picture of the game into OUTDIR/NAME.xml (PNG bytes inside).
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/art/art.h"
#include "tools/art/needed.h"
#include "tools/art/paint.h"

std::vector<ArtPicture>& ArtRegistry() {
    static std::vector<ArtPicture> registry;
    return registry;
}

// Every pixel is made opaque: alpha below half becomes the magenta key, the rest keeps its
// colour with the premultiplication undone.
static void KeyTransparency(cairo_surface_t* s) {
    cairo_surface_flush(s);
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < h; y++) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < w; x++) {
            uint32_t p = row[x];
            uint32_t a = p >> 24;
            if (a < 128) {
                row[x] = 0xFFFF00FF;
                continue;
            }
            uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            if (a < 255) {
                r = std::min<uint32_t>(255, (r * 255 + a / 2) / a);
                g = std::min<uint32_t>(255, (g * 255 + a / 2) / a);
                b = std::min<uint32_t>(255, (b * 255 + a / 2) / a);
            }
            // A drawn pixel that happens to be exact magenta would vanish: nudge it.
            if (r == 255 && g == 0 && b == 255) g = 1;
            row[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(s);
}

static cairo_surface_t* Render(const ArtPicture& p, std::vector<ArtCell>* cells) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.w, p.h);
    cairo_t* cr = cairo_create(s);
    ArtCanvas canvas{cr, p.w, p.h, {}};
    p.draw(canvas);
    cairo_destroy(cr);
    KeyTransparency(s);
    if (cells) *cells = canvas.cells;
    return s;
}

static bool WritePicture(const ArtPicture& p, const std::string& outDir) {
    cairo_surface_t* s = Render(p, nullptr);
    std::string path = outDir + "/" + p.name + ".xml";
    std::string tmp = path + ".tmp";
    cairo_status_t st = cairo_surface_write_to_png(s, tmp.c_str());
    cairo_surface_destroy(s);
    if (st != CAIRO_STATUS_SUCCESS || rename(tmp.c_str(), path.c_str()) != 0) {
        fprintf(stderr, "mkart: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// One page showing every picture scaled into a grid, with its cells outlined.
static bool WriteContactSheet(const std::vector<ArtPicture>& pics, const char* file) {
    const int tile = 256, label = 28, cols = 8;
    int rows = (int(pics.size()) + cols - 1) / cols;
    int W = cols * tile, H = rows * (tile + label);
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
    cairo_t* cr = cairo_create(sheet);
    FillRect(cr, 0, 0, W, H, Hex(0x303030));
    for (size_t i = 0; i < pics.size(); i++) {
        const ArtPicture& p = pics[i];
        std::vector<ArtCell> cells;
        cairo_surface_t* s = Render(p, &cells);
        double ox = (i % cols) * tile, oy = (i / cols) * (tile + label);
        double sc = std::min((tile - 8.0) / p.w, (tile - 8.0) / p.h);
        cairo_save(cr);
        cairo_translate(cr, ox + 4, oy + 4);
        cairo_scale(cr, sc, sc);
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_paint(cr);
        cairo_set_line_width(cr, 1.0 / sc);
        cairo_set_source_rgb(cr, 0, 1, 1);
        for (const ArtCell& c : cells) {
            cairo_rectangle(cr, c.x, c.y, c.w, c.h);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
        cairo_surface_destroy(s);
        char text[160];
        snprintf(text, sizeof text, "%s %dx%d %s", p.name, p.w, p.h, p.what ? p.what : "");
        DrawText(cr, text, ox + 4, oy + tile, 11, Hex(0xFFFFFF));
    }
    cairo_destroy(cr);
    cairo_status_t st = cairo_surface_write_to_png(sheet, file);
    cairo_surface_destroy(sheet);
    return st == CAIRO_STATUS_SUCCESS;
}

// One page per picture at full size (magenta, the transparent colour, shown as it is), with
// every rectangle the game draws from outlined and named.
static bool WriteContactPages(const std::vector<ArtPicture>& pics, const std::string& dir) {
    mkdir(dir.c_str(), 0755);
    for (const ArtPicture& p : pics) {
        std::vector<ArtCell> cells;
        cairo_surface_t* s = Render(p, &cells);
        const int head = 24;
        cairo_surface_t* page = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.w, p.h + head);
        cairo_t* cr = cairo_create(page);
        FillRect(cr, 0, 0, p.w, p.h + head, Hex(0x303030));
        char text[200];
        snprintf(text, sizeof text, "%s %dx%d %s", p.name, p.w, p.h, p.what ? p.what : "");
        DrawText(cr, text, 4, 4, 13, Hex(0xFFFFFF));
        cairo_set_source_surface(cr, s, 0, head);
        cairo_paint(cr);
        cairo_set_line_width(cr, 1.0);
        for (const ArtCell& c : cells) {
            cairo_set_source_rgb(cr, 0, 1, 1);
            cairo_rectangle(cr, c.x + 0.5, c.y + head + 0.5, c.w - 1, c.h - 1);
            cairo_stroke(cr);
            if (!c.label.empty()) {
                const double size = c.h < 24 ? 8 : 10;
                FillRect(cr, c.x + 1, c.y + head + 1, std::min(c.w - 2, 6.0 * c.label.size()), size + 2,
                         Hex(0x000000));
                DrawText(cr, c.label.c_str(), c.x + 2, c.y + head + 1, size, Hex(0x40FFFF));
            }
        }
        cairo_destroy(cr);
        cairo_surface_destroy(s);
        std::string path = dir + "/" + p.name + ".png";
        cairo_status_t st = cairo_surface_write_to_png(page, path.c_str());
        cairo_surface_destroy(page);
        if (st != CAIRO_STATUS_SUCCESS) return false;
    }
    return true;
}

static void DrawStandIn(ArtCanvas& c) {
    FillRect(c.cr, 0, 0, c.w, c.h, Hex(0x808080));
    StrokeRect(c.cr, 0, 0, c.w, c.h, Hex(0xFFFFFF), 4);
}

// Adds a stand-in for every needed picture that no generator draws yet.
static void AddStandIns(std::vector<ArtPicture>& pics) {
    for (int i = 0; i < kNeededPictureCount; i++) {
        const NeededPicture& n = kNeededPictures[i];
        bool found = false;
        for (const ArtPicture& p : pics) found = found || !strcmp(p.name, n.name);
        if (!found) {
            fprintf(stderr, "mkart: %s has no generator yet; drawing a stand-in\n", n.name);
            pics.push_back({n.name, n.w, n.h, DrawStandIn, "STAND-IN"});
        }
    }
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: mkart OUTDIR [--contact FILE.png] [--contact-pages DIR] [--only NAME]\n");
        return 2;
    }
    std::string outDir = argv[1];
    const char* contact = nullptr;
    const char* only = nullptr;
    const char* pages = nullptr;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--contact"))
            contact = argv[i + 1];
        else if (!strcmp(argv[i], "--contact-pages"))
            pages = argv[i + 1];
        else if (!strcmp(argv[i], "--only"))
            only = argv[i + 1];
    }
    const bool writePictures = outDir != "-";  // "-": only the contact sheet or pages
    if (writePictures) mkdir(outDir.c_str(), 0755);
    std::vector<ArtPicture> pics = ArtRegistry();
    AddStandIns(pics);
    std::sort(pics.begin(), pics.end(),
              [](const ArtPicture& a, const ArtPicture& b) { return strcmp(a.name, b.name) < 0; });
    for (size_t i = 1; i < pics.size(); i++) {
        if (!strcmp(pics[i].name, pics[i - 1].name)) {
            fprintf(stderr, "mkart: picture %s is registered twice\n", pics[i].name);
            return 1;
        }
    }
    int written = 0;
    for (const ArtPicture& p : pics) {
        if (!writePictures || (only && strcmp(only, p.name))) continue;
        if (!WritePicture(p, outDir)) return 1;
        written++;
    }
    if (contact && !WriteContactSheet(pics, contact)) {
        fprintf(stderr, "mkart: cannot write %s\n", contact);
        return 1;
    }
    if (pages && !WriteContactPages(pics, pages)) {
        fprintf(stderr, "mkart: cannot write the contact pages into %s\n", pages);
        return 1;
    }
    printf("mkart: %d pictures written to %s\n", written, outDir.c_str());
    return 0;
}
