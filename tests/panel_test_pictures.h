// Made-up sheets for the status panel, backdrop and dialogue box tests: every cell a
// colour of its own, so that a pixel of the back buffer tells which cell was drawn where.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/video.h"
#include "platform_test_pictures.h"
#include "world_test_device.h"

namespace paneltest {

constexpr uint32_t kMagenta = 0xFFFF00FF;  // transparent

// An ARGB picture being painted.
struct Sheet {
    int w, h;
    std::vector<uint32_t> px;
    Sheet(int width, int height, uint32_t fill) : w(width), h(height), px(size_t(width) * height, fill) {}
    void Fill(int x0, int y0, int x1, int y1, uint32_t c) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) px[size_t(y) * w + x] = c;
    }
};

// Distinct opaque colours: the panel digits, the damage digits and the faces each get
// their own blue level, so no two cells share a colour.
inline uint32_t PanelDigitColour(int cell) {
    return 0xFF000000u | uint32_t(40 + 15 * cell) << 16 | 0x0010u;
}
inline uint32_t DamageDigitColour(int cell) {
    return 0xFF000000u | uint32_t(40 + 15 * cell) << 8 | 0x0020u;
}
inline uint32_t FaceColour(int cell) {
    return 0xFF000000u | uint32_t(10 + 2 * cell) << 16 | uint32_t(200 - 2 * cell) << 8 | 0x30u;
}

// A device with a back buffer, and pictures loaded from made-up sheets.
class PictureDevice : public HeadlessDevice {
protected:
    void SetUp() override {
        OpenDevice(false);
        dir = testpics::TempDir();
    }
    void TearDown() override {
        for (VideoTexture* t : textures) video_FreeTexture(t);
        textures.clear();
        HeadlessDevice::TearDown();
    }
    VideoTexture* Load(const Sheet& s) {
        std::string path = dir + "/sheet" + std::to_string(textures.size()) + ".png";
        std::vector<uint8_t> bytes = testpics::Png(s.w, s.h, s.px);
        FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (!f) return nullptr;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        char err[300] = "";
        VideoTexture* t = video_LoadTexture(path.c_str(), kMagenta, err, sizeof err);
        EXPECT_NE(t, nullptr) << err;
        if (t) textures.push_back(t);
        return t;
    }
    void Read() {
        pixels.assign(size_t(640) * 480 * 4, 0);
        ASSERT_TRUE(video_ReadPixels(pixels.data(), pixels.size()));
    }
    // 0xRRGGBB of the back buffer at (x, y), as last read.
    uint32_t At(int x, int y) const {
        const uint8_t* p = &pixels[(size_t(y) * 640 + x) * 4];
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    std::string dir;
    std::vector<VideoTexture*> textures;
    std::vector<uint8_t> pixels;
};

inline uint32_t Rgb(uint32_t argb) {
    return argb & 0xFFFFFFu;
}

}  // namespace paneltest
