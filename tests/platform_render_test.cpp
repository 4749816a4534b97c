// The shared renderer on the headless device, checked by reading pixels back: texture
// times vertex colour, alpha blending, the colour key on screen, and the font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/common/render_core.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "platform/video.h"
#include "tests/platform_test_pictures.h"

namespace {

struct Rgb {
    int r, g, b;
};

class Render : public ::testing::Test {
protected:
    void SetUp() override { Open(HeadlessConfig{}); }
    void TearDown() override {
        for (VideoTexture* t : textures) video_FreeTexture(t);
        video_FreeFont();
        video_Shutdown();
        sys_Shutdown();
    }
    void Open(const HeadlessConfig& config) {
        video_Shutdown();
        headless_Configure(config);
        dir = testpics::TempDir();
        ASSERT_TRUE(sys_Init(dir.c_str()));
        char err[200];
        ASSERT_TRUE(video_Init("test", false, false, err, sizeof err)) << err;
    }
    VideoTexture* Texture(int w, int h, const std::vector<uint32_t>& argb) {
        std::string path = dir + "/t" + std::to_string(textures.size()) + ".xml";
        testpics::WriteFile(path, testpics::Png(w, h, argb));
        char err[300] = "";
        VideoTexture* t = video_LoadTexture(path.c_str(), 0xFFFF00FF, err, sizeof err);
        EXPECT_NE(t, nullptr) << err;
        textures.push_back(t);
        return t;
    }
    // A quad over (x0, y0)-(x1, y1) with the whole texture and one diffuse colour.
    static void Fan(VideoTexture* tex, float x0, float y0, float x1, float y1, uint32_t diffuse) {
        QuadVertex v[4] = {
            {x0, y0, 0, 1, diffuse, 0, 0},
            {x1, y0, 0, 1, diffuse, 1, 0},
            {x1, y1, 0, 1, diffuse, 1, 1},
            {x0, y1, 0, 1, diffuse, 0, 1},
        };
        video_SetTexture(tex);
        video_DrawFan(v);
    }
    void Read() {
        pixels.assign(size_t(640) * 480 * 4, 0);
        ASSERT_TRUE(video_ReadPixels(pixels.data(), pixels.size()));
    }
    Rgb At(int x, int y) const {
        const uint8_t* p = &pixels[(size_t(y) * 640 + x) * 4];
        return Rgb{p[0], p[1], p[2]};
    }
    // Rows holding any pixel darker than the white background, within columns [x0, x1).
    void InkRows(int x0, int x1, int* top, int* bottom) const {
        *top = -1, *bottom = -1;
        for (int y = 0; y < 480; y++)
            for (int x = x0; x < x1; x++)
                if (At(x, y).r < 160) {
                    if (*top < 0) *top = y;
                    *bottom = y;
                    break;
                }
    }
    std::string dir;
    std::vector<VideoTexture*> textures;
    std::vector<uint8_t> pixels;
};

void ExpectNear(Rgb got, Rgb want, const char* what) {
    EXPECT_NEAR(got.r, want.r, 3) << what;
    EXPECT_NEAR(got.g, want.g, 3) << what;
    EXPECT_NEAR(got.b, want.b, 3) << what;
}

TEST_F(Render, ClearFillsTheBackBuffer) {
    ASSERT_TRUE(video_Clear(0xFF336699));
    Read();
    ExpectNear(At(0, 0), {0x33, 0x66, 0x99}, "top left");
    ExpectNear(At(639, 479), {0x33, 0x66, 0x99}, "bottom right");
    EXPECT_EQ(pixels[3], 255);  // the back buffer reads back opaque
}

TEST_F(Render, TexelTimesVertexColourAndAlphaBlending) {
    VideoTexture* tex = Texture(2, 2, std::vector<uint32_t>(4, 0xFFC08040));
    VideoTexture* white = Texture(2, 2, std::vector<uint32_t>(4, 0xFFFFFFFF));
    VideoTexture* keyed = Texture(2, 2, std::vector<uint32_t>(4, 0xFFFF00FF));
    video_Clear(0xFF000000);
    video_BeginScene();
    Fan(tex, 0, 0, 100, 100, 0xFFFFFFFF);        // the texture as it is
    Fan(tex, 100, 0, 200, 100, 0xFF808080);      // times half grey
    Fan(tex, 200, 0, 300, 100, 0xFF00FF00);      // times green: only green survives
    Fan(white, 300, 0, 400, 100, 0x80FFFFFF);    // half alpha white over black
    Fan(white, 400, 0, 500, 100, 0x00FFFFFF);    // alpha 0: nothing
    Fan(keyed, 500, 0, 600, 100, 0xFFFFFFFF);    // colour-keyed texels: nothing
    Fan(nullptr, 0, 200, 100, 300, 0xFF20A0E0);  // no texture: the vertex colour
    Fan(nullptr, 100, 200, 200, 300, 0x80FF0000);
    video_EndScene();
    ASSERT_TRUE(video_Present());
    Read();
    ExpectNear(At(50, 50), {0xC0, 0x80, 0x40}, "texture");
    ExpectNear(At(150, 50), {0x60, 0x40, 0x20}, "modulated");
    ExpectNear(At(250, 50), {0x00, 0x80, 0x00}, "green only");
    ExpectNear(At(350, 50), {0x80, 0x80, 0x80}, "half alpha");
    ExpectNear(At(450, 50), {0, 0, 0}, "alpha 0");
    ExpectNear(At(550, 50), {0, 0, 0}, "colour key");
    ExpectNear(At(50, 250), {0x20, 0xA0, 0xE0}, "untextured");
    ExpectNear(At(150, 250), {0x80, 0, 0}, "untextured half alpha");
    ExpectNear(At(50, 150), {0, 0, 0}, "outside every quad");
}

TEST_F(Render, BlendingKeepsWhatIsBelow) {
    VideoTexture* white = Texture(1, 1, {0xFFFFFFFF});
    video_Clear(0xFF0000FF);
    Fan(white, 0, 0, 640, 480, 0x40FF0000);  // a quarter red over blue
    Read();
    ExpectNear(At(320, 240), {0x40, 0, 0xBF}, "quarter blend");
}

TEST_F(Render, CoordinatesOutsideTheTextureStayOnItsEdge) {
    // The game insets its texture rectangles by 0.001, which can step just below 0.
    VideoTexture* tex = Texture(2, 1, {0xFFFF0000, 0xFF0000FF});
    video_Clear(0xFF000000);
    QuadVertex v[4] = {
        {0, 0, 0, 1, 0xFFFFFFFF, -0.001f, -0.001f},
        {64, 0, 0, 1, 0xFFFFFFFF, 0.5f, -0.001f},
        {64, 64, 0, 1, 0xFFFFFFFF, 0.5f, 1.0f},
        {0, 64, 0, 1, 0xFFFFFFFF, -0.001f, 1.0f},
    };
    video_SetTexture(tex);
    video_DrawFan(v);
    Read();
    ExpectNear(At(32, 32), {0xFF, 0, 0}, "left texel");
}

TEST_F(Render, TilesMeetWithoutSeamsOrOverlapAtAnyScroll) {
    VideoTexture* tex = Texture(1, 1, {0xFFFFFFFF});
    for (float scroll : {0.0f, -10.5f, -7.25f, -0.75f}) {
        video_Clear(0xFF000000);
        for (int i = 0; i < 22; i++) {
            uint32_t colour = i % 2 ? 0xFFFF0000 : 0xFF0000FF;
            Fan(tex, scroll + 32.0f * i, 100, scroll + 32.0f * (i + 1), 132, colour);
        }
        Read();
        int changes = 0;
        for (int x = 0; x < 640; x++) {
            Rgb p = At(x, 116);
            EXPECT_TRUE(p.r == 255 || p.b == 255) << "seam at x " << x << " scroll " << scroll;
            EXPECT_FALSE(p.r == 255 && p.b == 255) << "overlap at x " << x;
            if (x > 0 && (p.r == 255) != (At(x - 1, 116).r == 255)) changes++;
        }
        EXPECT_GE(changes, 19) << scroll;  // every tile boundary on screen
        for (int y : {99, 132}) EXPECT_EQ(At(320, y).r + At(320, y).b, 0) << "row " << y;
    }
}

TEST_F(Render, TheTwoTrianglesOfAFanLeaveNoGap) {
    // Differing vertex colours make the renderer rasterise real triangles.
    VideoTexture* tex = Texture(1, 1, {0xFFFFFFFF});
    video_Clear(0xFF000000);
    QuadVertex v[4] = {
        {0, 0, 0, 1, 0xFFFF0000, 0, 0},
        {640, 0, 0, 1, 0xFFFF0010, 1, 0},
        {640, 480, 0, 1, 0xFFFF0020, 1, 1},
        {0, 480, 0, 1, 0xFFFF0030, 0, 1},
    };
    video_SetTexture(tex);
    video_DrawFan(v);
    // A turned quad (a diamond) whose diagonal crosses the screen's middle.
    QuadVertex d[4] = {
        {320, 140, 0, 1, 0xFF00FF00, 0, 0},
        {420, 240, 0, 1, 0xFF00FF10, 1, 0},
        {320, 340, 0, 1, 0xFF00FF20, 1, 1},
        {220, 240, 0, 1, 0xFF00FF30, 0, 1},
    };
    video_DrawFan(d);
    Read();
    int holes = 0;
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++) holes += At(x, y).r == 0 && At(x, y).g == 0;
    EXPECT_EQ(holes, 0);
    for (int x = 225; x < 415; x++) EXPECT_EQ(At(x, 240).g, 255) << x;  // along the shared edge
}

TEST_F(Render, NullDeviceDrawsNothing) {
    video_Clear(0xFF00FF00);
    HeadlessConfig c;
    c.nullDevice = true;
    headless_Configure(c);
    EXPECT_TRUE(video_Clear(0xFFFF0000));
    Fan(nullptr, 0, 0, 640, 480, 0xFF0000FF);
    Read();
    ExpectNear(At(10, 10), {0, 0xFF, 0}, "untouched");
}

TEST_F(Render, TextDrawsInItsColourAndLineFeedsMoveDown) {
    ASSERT_TRUE(video_InitFont(14));
    video_Clear(0xFFFFFFFF);
    video_DrawText("あいう", 20, 100, 0xFF000000);
    video_DrawText("あ\nあ", 200, 100, 0xFF000000);
    video_DrawText("あ", 300, 100, 0x00000000);  // alpha 0: invisible
    video_DrawText("あ", 400, 100, 0xFFFF0000);
    Read();
    int top, bottom;
    InkRows(20, 180, &top, &bottom);
    ASSERT_GE(top, 100);
    EXPECT_LE(bottom, 100 + 14);
    int top2, bottom2;
    InkRows(200, 240, &top2, &bottom2);
    EXPECT_EQ(top2, top);
    EXPECT_EQ(bottom2, bottom + 14);  // the second line is one line height lower
    InkRows(300, 340, &top2, &bottom2);
    EXPECT_EQ(top2, -1);
    // The red text has red pixels and nothing dark.
    bool red = false;
    for (int y = 100; y < 115; y++)
        for (int x = 400; x < 440; x++) {
            Rgb p = At(x, y);
            if (p.r > 200 && p.g < 60 && p.b < 60) red = true;
            EXPECT_GT(p.r, 200);
        }
    EXPECT_TRUE(red);
}

TEST_F(Render, GlyphsAreWidenedToTheGameFontsWidth) {
    ASSERT_TRUE(video_InitFont(14));
    video_Clear(0xFFFFFFFF);
    // Ten half-width characters of the font's average advance span about 100 pixels.
    video_DrawText("HHHHHHHHHH", 0, 0, 0xFF000000);
    video_DrawText("ああああああああああ", 0, 40, 0xFF000000);
    Read();
    int right = -1;
    for (int x = 0; x < 640; x++)
        for (int y = 40; y < 56; y++)
            if (At(x, y).r < 160) right = x;
    // Full-width characters are wider than the natural 14-pixel cell.
    EXPECT_GT(right, 10 * 14);
    EXPECT_LT(right, 10 * 22);
}

TEST_F(Render, LongTextRunsPastTheEdgeWithoutWrapping) {
    ASSERT_TRUE(video_InitFont(14));
    video_Clear(0xFFFFFFFF);
    std::string line;
    for (int i = 0; i < 60; i++) line += "あ";
    video_DrawText(line.c_str(), 0, 200, 0xFF000000);
    Read();
    int top, bottom;
    InkRows(0, 640, &top, &bottom);
    EXPECT_GE(top, 200);
    EXPECT_LE(bottom, 214);
    int lastInk = -1;
    for (int x = 600; x < 640; x++)
        for (int y = 200; y < 215; y++)
            if (At(x, y).r < 160) lastInk = x;
    EXPECT_GT(lastInk, 620);  // still drawing at the right edge
}

TEST_F(Render, NoFontFileMeansNoText) {
    HeadlessConfig c;
    c.noFont = true;
    headless_Configure(c);
    EXPECT_FALSE(video_InitFont(14));
    video_Clear(0xFFFFFFFF);
    video_DrawText("あいう", 20, 100, 0xFF000000);
    Read();
    int top, bottom;
    InkRows(0, 640, &top, &bottom);
    EXPECT_EQ(top, -1);
}

TEST(Letterbox, PictureKeepsItsShape) {
    struct Case {
        int w, h;
        SDL_Rect want;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}},       {1280, 960, {0, 0, 1280, 960}},
        {1920, 1080, {240, 0, 1440, 1080}},  // bars left and right
        {640, 960, {0, 240, 640, 480}},      // bars above and below
        {800, 480, {80, 0, 640, 480}},
    };
    for (const Case& c : cases) {
        SDL_Rect r = LetterboxRect(c.w, c.h);
        EXPECT_EQ(r.x, c.want.x) << c.w << "x" << c.h;
        EXPECT_EQ(r.y, c.want.y) << c.w << "x" << c.h;
        EXPECT_EQ(r.w, c.want.w) << c.w << "x" << c.h;
        EXPECT_EQ(r.h, c.want.h) << c.w << "x" << c.h;
    }
}

}  // namespace
