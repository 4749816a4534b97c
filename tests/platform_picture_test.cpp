// Picture decoding: formats told apart by their bytes, the colour key, the one-bit
// alpha, and damaged files refused with a reason.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "platform/common/picture.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "platform/video.h"
#include "tests/platform_test_pictures.h"

namespace {

const uint32_t kKey = 0xFFFF00FFu;

Picture Decode(const std::vector<uint8_t>& bytes, std::string* why = nullptr) {
    Picture pic;
    char err[200] = "";
    bool ok = DecodePicture(bytes.data(), bytes.size(), kKey, &pic, err, sizeof err);
    EXPECT_EQ(ok, pic.width > 0);
    if (why) *why = err;
    return pic;
}

TEST(Picture, ColourKeyTakesExactMagentaOnly) {
    struct Case {
        uint32_t texel, expected;
    };
    const Case cases[] = {
        {0xFFFF00FF, 0x00000000},  // the key: fully transparent
        {0xFFFE00FF, 0xFFFE00FF},  // near magenta stays opaque
        {0xFFFF01FF, 0xFFFF01FF}, {0xFFFF00FE, 0xFFFF00FE},
        {0x80FF00FF, 0xFFFF00FF},  // not the key (alpha differs); half alpha rounds up to opaque
        {0x7F102030, 0x00102030},  // below half alpha: transparent
        {0x00FFFFFF, 0x00FFFFFF}, {0xFF123456, 0xFF123456},
    };
    std::vector<uint32_t> texels;
    for (const Case& c : cases) texels.push_back(c.texel);
    Picture pic = Decode(testpics::Png(int(texels.size()), 1, texels));
    ASSERT_EQ(pic.width, int(texels.size()));
    for (size_t i = 0; i < texels.size(); i++)
        EXPECT_EQ(pic.argb[i], cases[i].expected) << std::hex << cases[i].texel;
}

TEST(Picture, KeyZeroKeysNothing) {
    std::vector<uint8_t> png = testpics::SolidPng(1, 1, kKey);
    Picture pic;
    char err[100];
    ASSERT_TRUE(DecodePicture(png.data(), png.size(), 0, &pic, err, sizeof err));
    EXPECT_EQ(pic.argb[0], kKey);
}

TEST(Picture, FormatComesFromTheBytesNotTheName) {
    std::vector<uint8_t> png = testpics::SolidPng(4, 2, 0xFF204060);
    std::vector<uint8_t> jpeg = testpics::SolidJpeg(16, 8, 0x3080C0);
    EXPECT_EQ(SniffPicture(png.data(), png.size()), PICTURE_PNG);
    EXPECT_EQ(SniffPicture(jpeg.data(), jpeg.size()), PICTURE_JPEG);
    const uint8_t text[] = "<xml>not a picture</xml>";
    EXPECT_EQ(SniffPicture(text, sizeof text), PICTURE_UNKNOWN);

    Picture p = Decode(png);
    EXPECT_EQ(p.width, 4);
    EXPECT_EQ(p.height, 2);
    EXPECT_EQ(p.argb[7], 0xFF204060u);
    Picture j = Decode(jpeg);
    ASSERT_EQ(j.width, 16);
    EXPECT_EQ(j.height, 8);
    uint32_t c = j.argb[8 * 16 / 2];
    EXPECT_EQ(c >> 24, 0xFFu);  // JPEG has no alpha: opaque
    EXPECT_NEAR(int((c >> 16) & 0xFF), 0x30, 3);
    EXPECT_NEAR(int((c >> 8) & 0xFF), 0x80, 3);
    EXPECT_NEAR(int(c & 0xFF), 0xC0, 3);
}

TEST(Picture, DamagedBytesAreRefusedWithAReason) {
    std::vector<uint8_t> png = testpics::SolidPng(64, 64, 0xFF336699);
    std::vector<uint8_t> jpeg = testpics::SolidJpeg(64, 64, 0x336699);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"unknown format", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}},
        {"png signature only", std::vector<uint8_t>(png.begin(), png.begin() + 8)},
        {"png cut in half", std::vector<uint8_t>(png.begin(), png.begin() + png.size() / 2)},
        {"png cut at the end", std::vector<uint8_t>(png.begin(), png.end() - 20)},
        {"jpeg header only", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 3)},
        {"jpeg cut in half", std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2)},
    };
    Case flipped = {"png with a damaged chunk", png};
    flipped.bytes[20] ^= 0xFF;  // inside the header chunk: its checksum no longer matches
    cases.push_back(flipped);
    Case garbage = {"jpeg with garbage after the marker", jpeg};
    for (size_t i = 20; i < garbage.bytes.size(); i++) garbage.bytes[i] = uint8_t(i * 37);
    cases.push_back(garbage);
    for (const Case& c : cases) {
        std::string why;
        Picture pic = Decode(c.bytes, &why);
        EXPECT_EQ(pic.width, 0) << c.name;
        EXPECT_TRUE(pic.argb.empty()) << c.name;
        EXPECT_FALSE(why.empty()) << c.name;
    }
}

TEST(Picture, HugeDimensionsAreRefusedBeforeAllocating) {
    std::vector<uint8_t> png = testpics::SolidPng(1, 1, 0xFF000000);
    // Patch the header to claim 100000 x 100000, with a matching checksum.
    png[16] = 0x00, png[17] = 0x01, png[18] = 0x86, png[19] = 0xA0;
    png[20] = 0x00, png[21] = 0x01, png[22] = 0x86, png[23] = 0xA0;
    uLong crc = crc32(0, &png[12], 17);
    png[29] = uint8_t(crc >> 24), png[30] = uint8_t(crc >> 16), png[31] = uint8_t(crc >> 8),
    png[32] = uint8_t(crc);
    std::string why;
    EXPECT_EQ(Decode(png, &why).width, 0);
    EXPECT_FALSE(why.empty());
}

TEST(Picture, RandomDamageNeverCrashes) {
    // Seeded byte flips and cuts over both formats: every result is a whole picture of
    // the right size or a refusal with a reason.
    const std::vector<uint8_t> sources[] = {testpics::SolidPng(24, 12, 0xFF4080C0),
                                            testpics::SolidJpeg(24, 12, 0x4080C0)};
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    for (const std::vector<uint8_t>& source : sources) {
        for (int round = 0; round < 400; round++) {
            std::vector<uint8_t> bytes = source;
            for (int flips = 1 + next() % 4; flips > 0; flips--)
                bytes[next() % bytes.size()] ^= uint8_t(next());
            if (round % 3 == 0) bytes.resize(next() % bytes.size());
            Picture pic;
            char err[200] = "";
            if (DecodePicture(bytes.data(), bytes.size(), kKey, &pic, err, sizeof err)) {
                EXPECT_EQ(pic.argb.size(), size_t(pic.width) * pic.height);
            } else {
                EXPECT_NE(err[0], '\0');
                EXPECT_TRUE(pic.argb.empty());
            }
        }
    }
}

// The loader on the headless device: files by path, with the reason of a failure.
class TextureLoad : public ::testing::Test {
protected:
    void SetUp() override {
        headless_Configure(HeadlessConfig{});
        dir = testpics::TempDir();
        ASSERT_TRUE(sys_Init(dir.c_str()));
        char err[200];
        ASSERT_TRUE(video_Init("test", false, false, err, sizeof err)) << err;
    }
    void TearDown() override {
        video_Shutdown();
        sys_Shutdown();
    }
    std::string dir;
};

TEST_F(TextureLoad, LoadsPngAndJpegWhateverTheName) {
    testpics::WriteFile(dir + "/AE00001.xml", testpics::SolidPng(32, 16, 0xFF102030));
    testpics::WriteFile(dir + "/AE00002.xml", testpics::SolidJpeg(8, 64, 0x102030));
    char err[300] = "";
    VideoTexture* a = video_LoadTexture((dir + "/AE00001.xml").c_str(), kKey, err, sizeof err);
    VideoTexture* b = video_LoadTexture((dir + "/AE00002.xml").c_str(), kKey, err, sizeof err);
    ASSERT_NE(a, nullptr) << err;
    ASSERT_NE(b, nullptr) << err;
    EXPECT_EQ(video_TextureWidth(a), 32);
    EXPECT_EQ(video_TextureHeight(a), 16);
    EXPECT_EQ(video_TextureWidth(b), 8);
    EXPECT_EQ(video_TextureHeight(b), 64);
    video_FreeTexture(a);
    video_FreeTexture(b);
}

TEST_F(TextureLoad, MissingEmptyAndCorruptFilesGiveNullAndAReason) {
    std::vector<uint8_t> png = testpics::SolidPng(16, 16, 0xFF00FF00);
    testpics::WriteFile(dir + "/empty.xml", {});
    testpics::WriteFile(dir + "/cut.xml", std::vector<uint8_t>(png.begin(), png.begin() + 40));
    testpics::WriteFile(dir + "/text.xml", {'h', 'e', 'l', 'l', 'o'});
    for (const char* name : {"/missing.xml", "/empty.xml", "/cut.xml", "/text.xml"}) {
        std::string path = dir + name;
        char err[300] = "";
        EXPECT_EQ(video_LoadTexture(path.c_str(), kKey, err, sizeof err), nullptr) << name;
        EXPECT_NE(std::string(err).find(path), std::string::npos) << name << ": " << err;
    }
}

TEST_F(TextureLoad, TexturesOutliveTheDeviceAsEmptyHandles) {
    testpics::WriteFile(dir + "/a.xml", testpics::SolidPng(4, 4, 0xFFFFFFFF));
    char err[300] = "";
    VideoTexture* a = video_LoadTexture((dir + "/a.xml").c_str(), kKey, err, sizeof err);
    ASSERT_NE(a, nullptr) << err;
    video_Shutdown();  // the game releases the device before some of its textures
    EXPECT_EQ(video_TextureWidth(a), 4);
    video_FreeTexture(a);
    EXPECT_EQ(video_LoadTexture((dir + "/a.xml").c_str(), kKey, err, sizeof err), nullptr);
}

}  // namespace
