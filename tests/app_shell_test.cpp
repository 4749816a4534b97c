// The shell under the headless backend: pacing, the mode table, the fatal boxes and the
// close path.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "platform/video.h"
#include "render/game_textures.h"
#include "render/texture.h"

namespace {

struct Recorder {
    std::vector<uint32_t> frameTimes;
    uint32_t stopAfter = 5;
};

void RecordFrame(uint32_t frame, void* user) {
    Recorder* r = static_cast<Recorder*>(user);
    r->frameTimes.push_back(sys_TimeMs());
    if (frame == r->stopAfter) sys_PostMessage(SYS_MSG_CLOSE, 0);
}

std::string MakeTempDir() {
    char tmpl[] = "/tmp/miravel2-test-XXXXXX";
    return mkdtemp(tmpl);
}

// Runs the whole program on the idle mode for a few frames.
Recorder RunIdle(HeadlessConfig config, uint32_t frames) {
    Recorder r;
    r.stopAfter = frames;
    config.nullDevice = true;
    config.frameHook = RecordFrame;
    config.hookUser = &r;
    headless_Configure(config);
    ClearFatalBox();
    g_Frame = 8;
    GameMain(MakeTempDir().c_str());
    return r;
}

TEST(Shell, FramesStartSixteenMillisecondsApart) {
    Recorder r = RunIdle(HeadlessConfig{}, 6);
    ASSERT_EQ(r.frameTimes.size(), 6u);
    for (size_t i = 1; i < r.frameTimes.size(); i++) EXPECT_EQ(r.frameTimes[i] - r.frameTimes[i - 1], 16u);
}

TEST(Shell, MessagesEveryMillisecondStillLetFramesRun) {
    HeadlessConfig c;
    c.messageEveryMs = true;
    Recorder r = RunIdle(c, 5);
    ASSERT_EQ(r.frameTimes.size(), 5u);
    for (size_t i = 1; i < r.frameTimes.size(); i++) {
        EXPECT_GE(r.frameTimes[i] - r.frameTimes[i - 1], 16u);
        EXPECT_LE(r.frameTimes[i] - r.frameTimes[i - 1], 17u);
    }
}

TEST(Shell, ClockWrapDoesNotStallTheLoop) {
    HeadlessConfig c;
    c.clockStart = 0xFFFFFFF0u;
    Recorder r = RunIdle(c, 4);
    ASSERT_EQ(r.frameTimes.size(), 4u);
    EXPECT_LT(r.frameTimes.back(), 0x1000u);  // the clock wrapped and frames went on
    for (size_t i = 1; i < r.frameTimes.size(); i++) EXPECT_EQ(r.frameTimes[i] - r.frameTimes[i - 1], 16u);
}

TEST(Shell, EscapeClosesThroughTheNormalPath) {
    HeadlessConfig c;
    c.script = {{2, {}, 0}, {1, {VK_ESCAPE}, 0}};
    Recorder r = RunIdle(c, 100);
    EXPECT_EQ(r.frameTimes.size(), 3u);  // the loop ended right after the frame Escape went down
    EXPECT_FALSE(headless_FatalShown());
}

// A fixture with the device open, for single frames.
class ShellFrame : public ::testing::Test {
protected:
    void SetUp() override {
        HeadlessConfig c;
        c.nullDevice = true;
        headless_Configure(c);
        ClearFatalBox();
        ASSERT_TRUE(sys_Init(MIRAVEL_BUILD_DIR));
        char reason[128];
        ASSERT_TRUE(video_Init("test", false, false, reason, sizeof reason)) << reason;
    }
    void TearDown() override {
        ReleaseAll();
        sys_Shutdown();
    }
};

TEST_F(ShellFrame, EntryModesFallThroughToTheirRunMode) {
    struct Case {
        uint8_t entry, run;
    };
    for (Case c : {Case{0, 1}, Case{4, 5}, Case{9, 10}}) {
        g_Frame = c.entry;
        RunFrame();
        EXPECT_EQ(g_Frame, c.run) << int(c.entry);
    }
    g_Frame = 8;  // idle stays idle
    RunFrame();
    EXPECT_EQ(g_Frame, 8);
}

TEST_F(ShellFrame, ModeOutsideTheTableShowsTheBox) {
    g_Frame = 12;
    RunFrame();
    ASSERT_TRUE(headless_FatalShown());
    EXPECT_EQ(headless_FatalCaption(), u8"g_Frameエラー");
    EXPECT_EQ(headless_FatalText(), u8"終了します");
    SysMessage m;
    ASSERT_TRUE(sys_PeekMessage());
    ASSERT_TRUE(sys_GetMessage(&m));
    EXPECT_EQ(m.kind, SYS_MSG_CLOSE);
}

TEST_F(ShellFrame, MissingPictureStopsTheGameStartWithItsBox) {
    ASSERT_TRUE(sys_Init(MakeTempDir().c_str()));
    g_Frame = 2;  // the game start finds no DATA folder
    RunFrame();
    ASSERT_TRUE(headless_FatalShown());
    EXPECT_EQ(headless_FatalCaption(), u8"画像読み込みエラー");
    EXPECT_EQ(headless_FatalText(), u8"DATA/AE00249.xmlが読み込めませんでした");
    EXPECT_EQ(g_HeroSheet[2], nullptr);  // nothing after the failed picture was loaded
    EXPECT_EQ(g_GameAssetsLoaded, 0);
}

TEST_F(ShellFrame, LongPictureNameIsCutAtACharacterBoundary) {
    std::string name = "DATA/";
    for (int i = 0; i < 150; i++) name += "絵";  // two bytes each
    ASSERT_TRUE(sys_Init(MakeTempDir().c_str()));
    TextureSlot slot = nullptr;
    LoadTexture(&slot, name.c_str());
    ASSERT_TRUE(headless_FatalShown());
    std::string text = headless_FatalText();
    EXPECT_NE(text.find(u8"絵が読み込めませんでした"), std::string::npos);
    EXPECT_EQ(text.find(u8"\uFFFD"), std::string::npos);  // no half character
}

TEST_F(ShellFrame, PicturesLoadFromTheGameFolderAndReleaseTwice) {
    std::string data = std::string(MIRAVEL_BUILD_DIR) + "/DATA/AE00149.xml";
    ASSERT_EQ(access(data.c_str(), R_OK), 0) << "the build draws the pictures first";
    static TextureSlot slot;  // a slot lives as long as the game, as the game's own do
    slot = nullptr;
    LoadTexture(&slot, "DATA/AE00149.xml");
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(video_TextureWidth(slot), 640);
    LoadTexture(&slot, "DATA/AE00149.xml");  // replacing a loaded slot is fine
    ReleaseAll();
    EXPECT_EQ(slot, nullptr);
    ReleaseAll();
    EXPECT_FALSE(headless_FatalShown());
}

}  // namespace
