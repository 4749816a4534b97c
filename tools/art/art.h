// Picture generator framework. Each picture of DATA is one registered draw function
// that paints onto a transparent canvas of the picture's size; the framework then
// turns every pixel with alpha < 128 into opaque magenta (the game's colour key) and
// every other pixel into its opaque colour, so no pink fringe survives the key.
#pragma once
#include <cairo.h>

#include <string>
#include <vector>

struct ArtCell {
    double x, y, w, h;  // pixels
    std::string label;
};

struct ArtCanvas {
    cairo_t* cr;
    int w, h;
    std::vector<ArtCell> cells;  // rectangles the game draws from, outlined on the contact sheet
    // Records a rectangle the game cuts from this picture (for the contact sheet and checks).
    void Cell(double x, double y, double cw, double ch, const std::string& label = "") {
        cells.push_back({x, y, cw, ch, label});
    }
};

typedef void (*ArtDrawFn)(ArtCanvas& c);

struct ArtPicture {
    const char* name;  // "AE00249": written as DATA/AE00249.xml
    int w, h;
    ArtDrawFn draw;
    const char* what;  // a few words for the contact sheet
};

std::vector<ArtPicture>& ArtRegistry();

struct ArtRegistrar {
    ArtRegistrar(const char* name, int w, int h, ArtDrawFn draw, const char* what) {
        ArtRegistry().push_back({name, w, h, draw, what});
    }
};

#define ART_CAT2(a, b) a##b
#define ART_CAT(a, b) ART_CAT2(a, b)
// ART_PICTURE("AE00249", 512, 512, DrawHeroSheet0, "heroine, costume 0");
#define ART_PICTURE(name, w, h, fn, what) \
    static ArtRegistrar ART_CAT(art_registrar_, __LINE__)(name, w, h, fn, what)
