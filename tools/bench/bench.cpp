// Measures milliseconds per frame of the software renderer behind the headless device:
// an empty frame, a busy game frame (two full-screen pictures and 600 sprites), and
// a frame of dialogue text.
#include <png.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/system.h"
#include "platform/video.h"

namespace {

// A sheet of 32 x 32 cells with magenta gaps, so that the colour key and blending run.
bool WriteSheet(const std::string& path, int w, int h) {
    std::vector<uint8_t> rgba(size_t(w) * h * 4);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint8_t* p = &rgba[(size_t(y) * w + x) * 4];
            bool gap = (x % 32) < 4 || (y % 32) < 4;
            p[0] = gap ? 255 : uint8_t(x * 7);
            p[1] = gap ? 0 : uint8_t(y * 5);
            p[2] = gap ? 255 : uint8_t(x ^ y);
            p[3] = 255;
        }
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), w * 4, nullptr) != 0;
}

void Quad(VideoTexture* tex, float x, float y, float w, float h, float u0, float v0, float u1, float v1,
          uint32_t diffuse) {
    QuadVertex v[4] = {
        {x, y, 0, 1, diffuse, u0, v0},
        {x + w, y, 0, 1, diffuse, u1, v0},
        {x + w, y + h, 0, 1, diffuse, u1, v1},
        {x, y + h, 0, 1, diffuse, u0, v1},
    };
    video_SetTexture(tex);
    video_DrawFan(v);
}

template <typename F>
double MsPerFrame(int frames, F drawFrame) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; i++) {
        video_Clear(0xFFFFFFFF);
        video_BeginScene();
        drawFrame(i);
        video_EndScene();
        video_Present();
    }
    std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count() / frames;
}

}  // namespace

int main(int argc, char** argv) {
    int frames = argc > 1 ? atoi(argv[1]) : 1000;
    if (frames <= 0) frames = 1000;
    bool smooth = argc > 2 && argv[2][0] == 's';
    headless_Configure(HeadlessConfig{});
    char dir[] = "/tmp/miravel2-bench-XXXXXX";
    if (!mkdtemp(dir) || !sys_Init(dir)) return 1;
    char err[256];
    if (!video_Init("bench", false, smooth, err, sizeof err)) {
        fprintf(stderr, "video: %s\n", err);
        return 1;
    }
    std::string sheetPath = std::string(dir) + "/sheet.xml", backPath = std::string(dir) + "/back.xml";
    if (!WriteSheet(sheetPath, 512, 512) || !WriteSheet(backPath, 1024, 512)) return 1;
    VideoTexture* sheet = video_LoadTexture(sheetPath.c_str(), 0xFFFF00FF, err, sizeof err);
    VideoTexture* back = video_LoadTexture(backPath.c_str(), 0xFFFF00FF, err, sizeof err);
    if (!sheet || !back) {
        fprintf(stderr, "texture: %s\n", err);
        return 1;
    }
    bool font = video_InitFont(14);

    double empty = MsPerFrame(frames, [](int) {});
    double busy = MsPerFrame(frames, [&](int f) {
        Quad(back, 0, 0, 640, 480, 0, 0, 0.625f, 0.9375f, 0xFFFFFFFF);
        for (int i = 0; i < 600; i++) {
            float x = float((i * 37 + f) % 640) - 16, y = float((i * 53) % 480) - 16;
            float u = float(i % 16) / 16, v = float((i / 16) % 16) / 16;
            Quad(sheet, x, y, 32, 32, u, v, u + 0.0625f, v + 0.0625f, i % 3 ? 0xFFFFFFFF : 0xC0FF8080);
        }
        Quad(nullptr, 0, 0, 640, 480, 0, 0, 1, 1, 0x40000000);  // the fade overlay
    });
    const char* lines =
        "旅の方、よくぞ参られた。この先の峠には魔物が出るという。\n"
        "気をつけて行かれよ。宿で休んでいくとよい。\n"
        "HP 1234 / 9999  LEVEL 42  MONEY 0012345";
    double text = MsPerFrame(frames, [&](int) {
        for (int i = 0; i < 4; i++) video_DrawText(lines, 20, 20 + 60.0f * i, 0xFF000000);
    });

    printf("software renderer, %d frames each, %s textures\n", frames, smooth ? "smooth" : "nearest");
    printf("  clear + present:                          %.3f ms/frame\n", empty);
    printf("  2 full-screen quads + 600 32x32 sprites:  %.3f ms/frame\n", busy);
    printf("  4 x 3 lines of text:                      %.3f ms/frame%s\n", text, font ? "" : " (no font)");

    video_FreeTexture(sheet);
    video_FreeTexture(back);
    video_FreeFont();
    video_Shutdown();
    sys_Shutdown();
    unlink(sheetPath.c_str());
    unlink(backPath.c_str());
    rmdir(dir);
    return 0;
}
