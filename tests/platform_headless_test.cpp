// The headless backend's own promises: the virtual clock, scripted keys and pad, the
// start-up answers, fatal boxes and the frame hook.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/video.h"

namespace {

std::vector<SysMessage> Drain() {
    std::vector<SysMessage> out;
    while (sys_PeekMessage()) {
        SysMessage m;
        sys_GetMessage(&m);
        out.push_back(m);
    }
    return out;
}

TEST(HeadlessClock, MovesOnlyWhenSleepingAndWraps) {
    HeadlessConfig c;
    c.clockStart = 0xFFFFFFFEu;
    headless_Configure(c);
    EXPECT_EQ(sys_TimeMs(), 0xFFFFFFFEu);
    uint8_t keys[256];
    input_GetKeyboardState(keys);
    sys_PeekMessage();
    EXPECT_EQ(sys_TimeMs(), 0xFFFFFFFEu);
    sys_Sleep(3);
    EXPECT_EQ(sys_TimeMs(), 1u);
    EXPECT_TRUE(Drain().empty());  // no messages without messageEveryMs
}

TEST(HeadlessClock, AMessageEveryMillisecond) {
    HeadlessConfig c;
    c.messageEveryMs = true;
    headless_Configure(c);
    sys_Sleep(5);
    std::vector<SysMessage> got = Drain();
    ASSERT_EQ(got.size(), 5u);
    for (const SysMessage& m : got) EXPECT_EQ(m.kind, SYS_MSG_OTHER);
    sys_PostMessage(SYS_MSG_CLOSE, 0);
    sys_Sleep(1);
    got = Drain();  // in arrival order
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].kind, SYS_MSG_CLOSE);
    EXPECT_EQ(got[1].kind, SYS_MSG_OTHER);
}

TEST(HeadlessMessages, QuitEndsTheLoopWithItsCode) {
    headless_Configure(HeadlessConfig{});
    sys_PostMessage(SYS_MSG_QUIT, 7);
    SysMessage m;
    ASSERT_TRUE(sys_PeekMessage());
    EXPECT_FALSE(sys_GetMessage(&m));
    EXPECT_EQ(m.param, 7);
    EXPECT_FALSE(sys_PeekMessage());
}

TEST(HeadlessBoxes, QuestionsAreAnsweredInOrder) {
    struct Case {
        int fullscreen, smooth;
    };
    for (Case c : {Case{SYS_IDYES, SYS_IDNO}, Case{SYS_IDNO, SYS_IDYES}, Case{SYS_IDYES, SYS_IDYES}}) {
        HeadlessConfig config;
        config.answerFullscreen = c.fullscreen;
        config.answerSmooth = c.smooth;
        headless_Configure(config);
        EXPECT_EQ(sys_MessageBox("q1", "c1", SYS_MB_YESNO), c.fullscreen);
        EXPECT_EQ(sys_MessageBox("q2", "c2", SYS_MB_YESNO), c.smooth);
        EXPECT_EQ(sys_MessageBox("q3", "c3", SYS_MB_YESNO), SYS_IDNO);
        EXPECT_FALSE(headless_FatalShown());
    }
}

TEST(HeadlessBoxes, TheFirstOkBoxIsKeptAsTheFatalError) {
    headless_Configure(HeadlessConfig{});
    EXPECT_FALSE(headless_FatalShown());
    EXPECT_EQ(sys_MessageBox("AE00001.xmlが読み込めませんでした", "画像読み込みエラー",
                             SYS_MB_OK | SYS_MB_ICONWARNING),
              SYS_IDOK);
    EXPECT_EQ(sys_MessageBox("second", "ERROR", SYS_MB_OK), SYS_IDOK);
    ASSERT_TRUE(headless_FatalShown());
    EXPECT_EQ(headless_FatalCaption(), u8"画像読み込みエラー");
    EXPECT_EQ(headless_FatalText(), u8"AE00001.xmlが読み込めませんでした");
    headless_Configure(HeadlessConfig{});  // a new case starts clean
    EXPECT_FALSE(headless_FatalShown());
    EXPECT_EQ(headless_FatalText(), "");
}

TEST(HeadlessInput, ScriptStepsCoverFramesAndNewKeysSendMessages) {
    HeadlessConfig c;
    c.script = {{2, {0x58}, 0}, {1, {}, 0}, {0, {0x5A}, 0}, {1, {0x58, 0x1B}, 0}};  // Z is held for no frame
    headless_Configure(c);
    struct Frame {
        bool x, esc;
        std::vector<int> keyDowns;
    };
    const Frame want[] = {
        {true, false, {0x58}},      {true, false, {}},  {false, false, {}},
        {true, true, {0x58, 0x1B}}, {false, false, {}},  // after the script nothing is held
    };
    for (size_t k = 0; k < 5; k++) {
        uint8_t keys[256];
        ASSERT_TRUE(input_GetKeyboardState(keys));
        EXPECT_EQ(headless_FrameCount(), k + 1);
        EXPECT_EQ((keys[0x58] & 0x80) != 0, want[k].x) << "frame " << k + 1;
        EXPECT_EQ((keys[0x1B] & 0x80) != 0, want[k].esc) << "frame " << k + 1;
        EXPECT_EQ(keys[0x5A], 0) << "frame " << k + 1;
        std::vector<int> downs;
        for (const SysMessage& m : Drain()) {
            EXPECT_EQ(m.kind, SYS_MSG_KEYDOWN);
            downs.push_back(m.param);
        }
        EXPECT_EQ(downs, want[k].keyDowns) << "frame " << k + 1;
    }
}

TEST(HeadlessInput, LongScriptsStayInStep) {
    // A playthrough-sized script: each frame finds its own step, and quickly.
    HeadlessConfig c;
    const uint8_t cycle[3] = {0x25, 0x27, 0x5A};
    for (int i = 0; i < 100000; i++) c.script.push_back({1, {cycle[i % 3]}, 0});
    headless_Configure(c);
    uint8_t keys[256];
    int wrong = 0;
    for (int k = 1; k <= 100000; k++) {
        input_GetKeyboardState(keys);
        wrong += keys[cycle[(k - 1) % 3]] != 0x80;
        if (k % 1000 == 0) Drain();
    }
    EXPECT_EQ(wrong, 0);
    input_GetKeyboardState(keys);
    for (uint8_t vk : cycle) EXPECT_EQ(keys[vk], 0);
}

TEST(HeadlessInput, PadBitsBecomeARawJoystick) {
    HeadlessConfig c;
    EXPECT_FALSE((headless_Configure(c), input_InitJoystick()));
    JoyState joy;
    EXPECT_EQ(input_PollJoystick(&joy), JOY_FAILED);

    c.joystick = true;
    c.script = {{1, {}, 0x1 | 0x8 | 0x10 | 0x10000000 | 0x20000}, {1, {}, 0x2 | 0x4 | 0x1000 | 0x400000}};
    headless_Configure(c);
    ASSERT_TRUE(input_InitJoystick());
    uint8_t keys[256];
    input_GetKeyboardState(keys);
    ASSERT_EQ(input_PollJoystick(&joy), JOY_OK);
    EXPECT_EQ(joy.y, -1000);
    EXPECT_EQ(joy.x, 1000);
    for (int b = 0; b < 32; b++) EXPECT_EQ(joy.buttons[b], (b == 0 || b == 3 || b == 9) ? 0x80 : 0) << b;
    input_GetKeyboardState(keys);
    ASSERT_EQ(input_PollJoystick(&joy), JOY_OK);
    EXPECT_EQ(joy.y, 1000);
    EXPECT_EQ(joy.x, -1000);
    for (int b = 0; b < 32; b++) EXPECT_EQ(joy.buttons[b], (b == 7 || b == 8) ? 0x80 : 0) << b;
    input_GetKeyboardState(keys);  // after the script: centred, nothing pressed
    ASSERT_EQ(input_PollJoystick(&joy), JOY_OK);
    EXPECT_EQ(joy.x, 0);
    EXPECT_EQ(joy.y, 0);
}

struct HookLog {
    std::vector<uint32_t> frames;
    std::vector<uint8_t> red;  // red of the top-left pixel the hook saw
};

void LogFrame(uint32_t frame, void* user) {
    HookLog* log = static_cast<HookLog*>(user);
    log->frames.push_back(frame);
    std::vector<uint8_t> rgba(640 * 480 * 4);
    log->red.push_back(video_ReadPixels(rgba.data(), rgba.size()) ? rgba[0] : 0);
}

TEST(HeadlessFrames, HookRunsOncePerFrameWhileThePictureIsThere) {
    HookLog log;
    HeadlessConfig c;
    c.frameHook = LogFrame;
    c.hookUser = &log;
    headless_Configure(c);
    char err[100];
    ASSERT_TRUE(video_Init("t", false, false, err, sizeof err));
    uint8_t keys[256];

    input_GetKeyboardState(keys);  // frame 1, then the loop peeks
    video_Clear(0xFF100000);
    video_Present();
    sys_PeekMessage();
    sys_PeekMessage();  // peeking again finishes nothing new
    EXPECT_EQ(log.frames, std::vector<uint32_t>({1}));

    input_GetKeyboardState(keys);  // frame 2 with no peek before frame 3
    video_Clear(0xFF200000);
    input_GetKeyboardState(keys);  // frame 3 ends with the device
    video_Clear(0xFF300000);
    video_Shutdown();
    EXPECT_EQ(log.frames, std::vector<uint32_t>({1, 2, 3}));
    EXPECT_EQ(log.red, std::vector<uint8_t>({0x10, 0x20, 0x30}));
    EXPECT_EQ(headless_FrameCount(), 3u);

    sys_PeekMessage();
    EXPECT_EQ(log.frames.size(), 3u);
}

TEST(HeadlessFrames, ShotIsAPngOfTheBackBuffer) {
    headless_Configure(HeadlessConfig{});
    char err[100];
    ASSERT_TRUE(video_Init("t", false, false, err, sizeof err));
    video_Clear(0xFF00C000);
    std::string path = std::string(testing::TempDir()) + "/miravel2-shot.png";
    ASSERT_TRUE(headless_SaveShot(path.c_str()));
    video_Shutdown();
    EXPECT_FALSE(headless_SaveShot(path.c_str()));  // no device, no picture
    FILE* f = fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char head[24];
    ASSERT_EQ(fread(head, 1, 24, f), 24u);
    fclose(f);
    EXPECT_EQ(head[1], 'P');
    EXPECT_EQ((head[16] << 24 | head[17] << 16 | head[18] << 8 | head[19]), 640);
    EXPECT_EQ((head[20] << 24 | head[21] << 16 | head[22] << 8 | head[23]), 480);
}

}  // namespace
