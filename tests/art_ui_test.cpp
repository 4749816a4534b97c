// The interface pictures as the game reads them: number glyphs that stay inside the
// advance their drawings use, windows that stay clear where the game shows something
// through them, light paper under black text and dark lacquer under light text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/common/picture.h"

namespace {

struct Rect {
    int x, y, w, h;
};

Picture LoadPicture(const char* name) {
    std::string path = std::string(MIRAVEL_BUILD_DIR) + "/DATA/" + name + ".xml";
    Picture pic;
    std::vector<uint8_t> bytes;
    char err[200] = "";
    EXPECT_EQ(access(path.c_str(), R_OK), 0) << path << ": the build draws the pictures first";
    if (!ReadWholeFile(path.c_str(), &bytes, err, sizeof err)) return pic;
    EXPECT_TRUE(DecodePicture(bytes.data(), bytes.size(), 0xFFFF00FFu, &pic, err, sizeof err)) << err;
    return pic;
}

bool Opaque(const Picture& p, int x, int y) {
    return (p.argb[size_t(y) * p.width + x] >> 24) != 0;
}

int Luma(uint32_t t) {
    return (int((t >> 16) & 255) * 299 + int((t >> 8) & 255) * 587 + int(t & 255) * 114) / 1000;
}

struct Coverage {
    int opaque = 0, total = 0, minX = 1 << 30, maxX = -1;
    double meanLuma = 0;  // over the opaque texels
    int minLuma = 255, maxLuma = 0;
};

Coverage Measure(const Picture& p, Rect r) {
    Coverage c;
    double sum = 0;
    for (int y = r.y; y < r.y + r.h; y++)
        for (int x = r.x; x < r.x + r.w; x++) {
            c.total++;
            if (!Opaque(p, x, y)) continue;
            c.opaque++;
            c.minX = std::min(c.minX, x - r.x);
            c.maxX = std::max(c.maxX, x - r.x);
            int l = Luma(p.argb[size_t(y) * p.width + x]);
            sum += l;
            c.minLuma = std::min(c.minLuma, l);
            c.maxLuma = std::max(c.maxLuma, l);
        }
    if (c.opaque) c.meanLuma = sum / c.opaque;
    return c;
}

// Panel digits are drawn 10 px apart and damage digits 16 px apart, each from a 32 x 32
// cell: a figure wider than its advance would run into its neighbour.
TEST(ArtUi, NumberGlyphsStayInsideTheirAdvance) {
    Picture p = LoadPicture("AE00285");
    ASSERT_EQ(p.width, 1024);
    ASSERT_EQ(p.height, 1024);
    struct Row {
        int y, firstCell, cells, advance;
        const char* what;
    } rows[] = {
        {128, 0, 10, 10, "panel digit"}, {128, 13, 1, 10, "overflow sign"}, {192, 0, 10, 16, "damage digit"}};
    for (const Row& row : rows) {
        std::vector<std::vector<bool>> shapes;
        for (int k = row.firstCell; k < row.firstCell + row.cells; k++) {
            Coverage c = Measure(p, {32 * k, row.y, 32, 32});
            EXPECT_GT(c.opaque, 30) << row.what << " " << k << " is empty";
            EXPECT_LT(c.maxX, row.advance) << row.what << " " << k << " passes its advance";
            std::vector<bool> shape;
            for (int y = 0; y < 32; y++)
                for (int x = 0; x < 32; x++) shape.push_back(Opaque(p, 32 * k + x, row.y + y));
            shapes.push_back(shape);
        }
        // Ten different figures, not one glyph repeated.
        for (size_t a = 0; a < shapes.size(); a++)
            for (size_t b = a + 1; b < shapes.size(); b++)
                EXPECT_NE(shapes[a], shapes[b]) << row.what << "s " << a << " and " << b << " look alike";
    }
}

// Places where the game shows something through a picture drawn over it.
TEST(ArtUi, WindowsStayClear) {
    struct Case {
        const char* picture;
        Rect r;
        const char* why;
    } cases[] = {
        {"AE00158", {320 + 180, 60, 320, 32}, "gallery frame over the chosen list line"},
        {"AE00158", {320 + 180, 5, 320, 32}, "gallery frame over the costume line"},
        {"AE00285", {864 + 32, 832, 70, 32}, "money label over the money digits"},
        {"AE00227", {0, 0, 640, 56}, "growth chart over the page tabs"},
        {"AE00285", {960 + 15, 224, 17, 320}, "items page divider (x 315) beside the right column (x 330)"},
    };
    for (const Case& c : cases) {
        Picture p = LoadPicture(c.picture);
        ASSERT_GT(p.width, 0) << c.picture;
        EXPECT_EQ(Measure(p, c.r).opaque, 0) << c.why;
    }
}

// Black text is printed on the dialogue box, the shop, the inn and the save plates; light
// text on the save screen's message band, the gallery's row text and the menu pages.
TEST(ArtUi, TextGroundsHaveTheRightTone) {
    struct Case {
        const char* picture;
        Rect r;
        bool light;
        const char* why;
    } cases[] = {
        {"AE00105", {98, 3, 536, 90}, true, "dialogue text area"},
        {"AE00412", {40, 384 + 16, 390, 460}, true, "shop rows and descriptions"},
        {"AE00412", {300, 384, 180, 16}, true, "shop money line"},
        {"AE00299", {405, 80, 200, 16}, true, "save slot 1 name"},
        {"AE00299", {405, 335, 200, 16}, true, "save slot 4 name"},
        {"AE00299", {300, 220, 140, 16}, false, "save completion message"},
        {"AE00158", {320 + 180, 100, 320, 50}, false, "gallery row text"},
        {"AE00285", {160, 256 + 330, 470, 110}, false, "information page lines"},
    };
    for (const Case& c : cases) {
        Picture p = LoadPicture(c.picture);
        ASSERT_GT(p.width, 0) << c.picture;
        Coverage cov = Measure(p, c.r);
        EXPECT_EQ(cov.opaque, cov.total) << c.why << ": text would print over the map";
        if (c.light) {
            EXPECT_GT(cov.meanLuma, 190) << c.why;
            EXPECT_GT(cov.minLuma, 110) << c.why;
        } else {
            EXPECT_LT(cov.meanLuma, 70) << c.why;
            EXPECT_LT(cov.maxLuma, 150) << c.why;
        }
    }
}

// Every small cell the game cuts holds a picture, and bar fills stretch evenly.
TEST(ArtUi, CellsHoldPicturesAndBarsAreUniform) {
    Picture p = LoadPicture("AE00285");
    ASSERT_EQ(p.width, 1024);
    std::vector<Rect> cells = {{832, 544, 32, 32},  {960, 224, 32, 320}, {480, 128, 192, 32},
                               {864, 800, 128, 32}, {800, 0, 224, 32},   {896, 64, 128, 32},
                               {352, 128, 32, 32},  {384, 128, 32, 32}};
    for (int k = 0; k < 10; k++) cells.push_back({k < 5 ? 832 : 896, 224 + 64 * (k % 5), 32, 32});
    for (int i = 0; i < 5; i++) cells.push_back({672, 256 + 64 * i, 128, 32});
    for (int r = 0; r < 7; r++) cells.push_back({672, 576 + 64 * r, 128, 32});
    for (int t = 0; t < 3; t++)
        cells.push_back({704 + 64 * t, 64, 32, 32}), cells.push_back({704 + 64 * t, 128, 32, 32});
    for (const Rect& r : cells) EXPECT_GT(Measure(p, r).opaque, r.w * r.h / 16) << r.x << "," << r.y;
    for (int bx : {672, 736}) {
        for (int y = 0; y < 32; y++) {
            uint32_t first = p.argb[size_t(y) * p.width + bx];
            EXPECT_EQ(first >> 24, 255u) << "bar " << bx << " row " << y;
            for (int x = 1; x < 32; x++)
                EXPECT_EQ(p.argb[size_t(y) * p.width + bx + x], first) << "bar " << bx;
        }
    }
}

}  // namespace
