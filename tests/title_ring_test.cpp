// The splash's timing and the title's ring, level choice, latch and confirm.
#include "menus/splash_title.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world_test_device.h"

namespace {

class Title : public HeadlessDevice {
protected:
    void SetUp() override {
        OpenDevice(true);
        g_TitleAngle = 0;
        g_TitleDir = 2;
        g_GameLevel = LEVEL_NORMAL;
        TitleHardPresses = 0;
        TitleLatch = 0;
        g_LoadData = 0;
        SaveMenuOpen = 0;
        SaveMenuStep = 0;
        KeyHeld = 0;
        g_Frame = 1;
    }
    void TearDown() override {
        g_LoadData = 0;
        g_GameLevel = LEVEL_NORMAL;
        SaveMenuOpen = 0;
        SaveMenuStep = 0;
        HeadlessDevice::TearDown();
    }
    // Runs title frames with the key held for the first frame only.
    void Tap(uint8_t vk) {
        HoldKey(vk);
        RunTitle();
        ReleaseKeys();
        RunTitle();
    }
    // Frames until the ring rests (the angle stays the same over a frame); -1 if it never does.
    int FramesToRest() {
        for (int i = 1; i < 1000; ++i) {
            int before = g_TitleAngle;
            RunTitle();
            if (g_TitleAngle == before) return i - 1;
        }
        return -1;
    }
};

TEST_F(Title, WithoutTheMarkTheRingStopsAtZeroAnd270) {
    HoldKey(VK_LEFT);
    RunTitle();
    ReleaseKeys();
    EXPECT_EQ(g_TitleAngle, 359);
    EXPECT_EQ(g_TitleDir, 3);
    EXPECT_EQ(FramesToRest(), 89);
    EXPECT_EQ(g_TitleAngle, 270);

    HoldKey(VK_RIGHT);  // from 270 to the right: 271 ... 359, 0
    RunTitle();
    ReleaseKeys();
    FramesToRest();
    EXPECT_EQ(g_TitleAngle, 0);

    HoldKey(VK_RIGHT);  // from 0 to the right: passes 90 and 180 and stops at 270
    RunTitle();
    ReleaseKeys();
    EXPECT_EQ(FramesToRest(), 269);
    EXPECT_EQ(g_TitleAngle, 270);
    EXPECT_EQ(g_TitleDir, 2);
}

TEST_F(Title, WithTheMarkTheRingAlsoStopsAt180) {
    g_LoadData = PROGRESS_MARK_CLEARED;
    HoldKey(VK_RIGHT);
    RunTitle();
    ReleaseKeys();
    FramesToRest();
    EXPECT_EQ(g_TitleAngle, 180);  // 90 was passed
    HoldKey(VK_RIGHT);
    RunTitle();
    ReleaseKeys();
    FramesToRest();
    EXPECT_EQ(g_TitleAngle, 270);
    HoldKey(VK_LEFT);
    RunTitle();
    ReleaseKeys();
    FramesToRest();
    EXPECT_EQ(g_TitleAngle, 180);
}

TEST_F(Title, StopPositionsTable) {
    struct Case {
        int angle;
        int32_t mark;
        bool stops;
    };
    for (Case c : {Case{0, 0, true}, Case{90, 0, false}, Case{180, 0, false}, Case{270, 0, true},
                   Case{45, 0, false}, Case{0, 777, true}, Case{90, 777, false}, Case{180, 777, true},
                   Case{270, 777, true}, Case{180, 8, false}}) {
        EXPECT_EQ(TitleStopsAt(c.angle, c.mark), c.stops) << c.angle << " " << c.mark;
    }
}

TEST_F(Title, LeftAndRightTogetherCancelOutTowardsTheRight) {
    g_TitleDir = 3;
    TitleHardPresses = 3;
    HoldKey(VK_LEFT);
    HoldKey(VK_RIGHT);
    RunTitle();
    EXPECT_EQ(g_TitleAngle, 0);
    EXPECT_EQ(g_TitleDir, 2);
    EXPECT_EQ(TitleHardPresses, 0);
}

TEST_F(Title, HeldArrowKeepsTheRingTurningFromStopToStop) {
    HoldKey(VK_LEFT);
    for (int i = 0; i < 90; ++i) RunTitle();
    EXPECT_EQ(g_TitleAngle, 270);
    RunTitle();  // Left is not part of the latch: it turns on at once
    EXPECT_EQ(g_TitleAngle, 269);
}

TEST_F(Title, SixthDownFromNormalOpensTheHiddenLevel) {
    const int32_t expect[] = {LEVEL_HARD, LEVEL_HARD,         LEVEL_HARD,        LEVEL_HARD,
                              LEVEL_HARD, LEVEL_EXCITED_HARD, LEVEL_EXCITED_HARD};
    int press = 0;
    for (int32_t want : expect) {
        Tap(VK_DOWN);
        EXPECT_EQ(g_GameLevel, want) << "press " << ++press;
    }
    Tap(VK_UP);
    EXPECT_EQ(g_GameLevel, LEVEL_HARD);
    EXPECT_EQ(TitleHardPresses, 0);
    for (int i = 0; i < 5; ++i) Tap(VK_DOWN);  // five more presses at "Hard?"
    EXPECT_EQ(g_GameLevel, LEVEL_HARD);
    Tap(VK_DOWN);
    EXPECT_EQ(g_GameLevel, LEVEL_EXCITED_HARD);
    Tap(VK_UP);
    Tap(VK_UP);
    Tap(VK_UP);
    Tap(VK_UP);
    EXPECT_EQ(g_GameLevel, LEVEL_EASY);
    PadFlags = PAD_DOWN;
    RunTitle();
    EXPECT_EQ(g_GameLevel, LEVEL_NORMAL);
}

TEST_F(Title, HoldingDownCountsOnce) {
    HoldKey(VK_DOWN);
    for (int i = 0; i < 20; ++i) RunTitle();
    EXPECT_EQ(g_GameLevel, LEVEL_HARD);
    EXPECT_EQ(TitleHardPresses, 1);
}

TEST_F(Title, LevelOnlyChangesWhileTheNewGameOrGalleryStripStands) {
    g_TitleAngle = 270;
    Tap(VK_DOWN);
    EXPECT_EQ(g_GameLevel, LEVEL_NORMAL);
    g_TitleAngle = 179;  // passing 180 without the mark: the one frame at 180 takes the press
    g_TitleDir = 2;
    HoldKey(VK_DOWN);
    RunTitle();
    EXPECT_EQ(g_TitleAngle, 180);
    EXPECT_EQ(g_GameLevel, LEVEL_HARD);
}

TEST_F(Title, TurningClearsTheHardPresses) {
    g_GameLevel = LEVEL_HARD;
    TitleHardPresses = 4;
    HoldKey(VK_RIGHT);
    RunTitle();
    EXPECT_EQ(TitleHardPresses, 0);
}

TEST_F(Title, TheLatchStartsSetSoTheFirstFrameIgnoresTheArrows) {
    TitleLatch = 1;
    HoldKey(VK_DOWN);
    HoldKey(VK_LEFT);
    RunTitle();
    EXPECT_EQ(g_GameLevel, LEVEL_NORMAL);
    EXPECT_EQ(g_TitleAngle, 0);
    EXPECT_EQ(TitleLatch, 1);  // Down keeps it set
    ReleaseKeys();
    HoldKey(VK_LEFT);
    RunTitle();
    EXPECT_EQ(TitleLatch, 0);  // Left does not set it
}

TEST_F(Title, LatchKeys) {
    struct Case {
        uint8_t vk;
        uint32_t pad;
        uint8_t latch;
    };
    for (Case c : {Case{VK_DOWN, 0, 1}, Case{VK_UP, 0, 1}, Case{VK_SPACE, 0, 1}, Case{0, PAD_UP, 1},
                   Case{0, PAD_DOWN, 1}, Case{0, PAD_SPACE, 1}, Case{VK_LEFT, PAD_RIGHT, 0},
                   Case{VK_Z, PAD_C, 0}, Case{0, 0, 0}}) {
        g_TitleAngle = 270;
        g_Frame = 1;
        ReleaseKeys();
        if (c.vk) HoldKey(c.vk);
        PadFlags = c.pad;
        RunTitle();
        EXPECT_EQ(TitleLatch, c.latch) << int(c.vk) << " " << c.pad;
    }
}

TEST_F(Title, ConfirmActsOnTheStandingStripEvenWithTheLatchSet) {
    struct Case {
        int angle;
        int32_t mark;
        uint8_t frame;
        uint8_t saveMenu;
    };
    for (Case c : {Case{0, 0, 2, 0}, Case{270, 0, 2, 1}, Case{180, 777, 6, 0}, Case{0, 777, 2, 0}}) {
        g_TitleAngle = c.angle;
        g_LoadData = c.mark;
        g_Frame = 1;
        SaveMenuOpen = 0;
        SaveMenuStep = 0;
        KeyHeld = 0;
        TitleLatch = 1;
        ReleaseKeys();
        HoldKey(VK_X);
        RunTitle();
        EXPECT_EQ(g_Frame, c.frame) << c.angle;
        EXPECT_EQ(SaveMenuOpen, c.saveMenu) << c.angle;
        if (c.saveMenu) {
            EXPECT_EQ(SaveMenuStep, 2);
        }
        EXPECT_EQ(KeyHeld, c.frame == 6 ? 1 : 0);
    }
    ReleaseKeys();
    PadFlags = PAD_X;
    g_TitleAngle = 0;
    g_Frame = 1;
    RunTitle();
    EXPECT_EQ(g_Frame, 2);
}

TEST_F(Title, ConfirmWhileTheRingTurnsDoesNothing) {
    for (int start : {45, 89, 179}) {
        g_TitleAngle = start;
        g_Frame = 1;
        g_LoadData = 0;
        HoldKey(VK_X);
        RunTitle();
        ReleaseKeys();
        // 89 turns onto 90, 179 onto 180: neither strip exists without the mark.
        EXPECT_EQ(g_Frame, 1) << start;
    }
}

TEST_F(Title, AngleWrapsBothWays) {
    g_TitleAngle = 359;
    g_TitleDir = 2;
    RunTitle();
    EXPECT_EQ(g_TitleAngle, 0);
    HoldKey(VK_LEFT);
    RunTitle();
    EXPECT_EQ(g_TitleAngle, 359);
}

TEST(TitlePicture, ChosenByTheProgressMark) {
    struct Case {
        int32_t mark;
        const char* file;
    };
    for (Case c :
         {Case{0, "DATA/AE00314.xml"}, Case{5, "DATA/AE00331.xml"}, Case{8, "DATA/AE00328.xml"},
          Case{10, "DATA/AE00138.xml"}, Case{777, "DATA/AE00138.xml"}, Case{-3, "DATA/AE00138.xml"}}) {
        EXPECT_STREQ(TitlePictureFile(c.mark), c.file) << c.mark;
    }
}

TEST_F(Title, EntryKeepsTheRingAndAnAlreadyLoadedPicture) {
    TextureSlot loaded = reinterpret_cast<TextureSlot>(&g_TitleAngle);  // never drawn or freed
    g_TitleTex = loaded;
    g_LoadData = 5;
    g_TitleAngle = 270;
    g_TitleDir = 3;
    g_GameLevel = LEVEL_EASY;
    g_Frame = 0;
    PrepareTitle();
    EXPECT_EQ(g_TitleTex, loaded);
    EXPECT_EQ(g_Frame, 1);
    EXPECT_EQ(g_TitleAngle, 270);
    EXPECT_EQ(g_TitleDir, 3);
    EXPECT_EQ(g_GameLevel, LEVEL_EASY);
    EXPECT_EQ(TitleStrips[1].v[0].x, 608);
    EXPECT_EQ(TitleStrips[1].v[2].y, 480);
    EXPECT_EQ(TitleSidePanel.v[0].x, 448);
    EXPECT_EQ(g_TitleQuad.v[2].x, 640);
    g_TitleTex = nullptr;
}

TEST_F(Title, SplashRuns511FramesThenTheTitle) {
    SplashCounter = 0;
    g_Frame = 5;
    int frames = 0;
    while (g_Frame == 5 && frames < 2000) {
        RunSplash();
        ++frames;
    }
    EXPECT_EQ(frames, 511);
    EXPECT_EQ(g_Frame, 0);
    EXPECT_EQ(SplashCounter, 510);
}

TEST_F(Title, SplashFadesInTheFirstPictureThenShowsTheSecond) {
    SplashCounter = 0;
    g_Frame = 5;
    RunSplash();
    // The last draw of the frame is the caption, at full brightness, at the bottom left.
    EXPECT_EQ(g_ScreenQuad.v[0].y, 416);
    EXPECT_EQ(g_ScreenQuad.v[2].x, 192);
    EXPECT_EQ(g_ScreenQuad.v[0].diffuse, 0xFFFFFFFFu);
    for (int i = 1; i < 254; ++i) RunSplash();
    EXPECT_EQ(SplashCounter, 254);
    RunSplash();
    EXPECT_EQ(SplashCounter, 255);
    EXPECT_EQ(g_ScreenQuad.v[2].x, 640);
    EXPECT_FLOAT_EQ(g_ScreenQuad.v[0].v, 0.46875f + 0.001f);
}

TEST_F(Title, SplashSecondCaptionOnlyWithAJoystick) {
    for (uint8_t joystick : {0, 1}) {
        JoystickPresent = joystick;
        SplashCounter = 10;
        g_Frame = 5;
        RunSplash();
        // The last quad drawn in the frame is the second caption when a joystick is present.
        EXPECT_EQ(g_ScreenQuad.v[0].y, joystick ? 448 : 416);
        EXPECT_FLOAT_EQ(g_ScreenQuad.v[2].v, joystick ? 0.0625f : 0.03125f);
    }
    JoystickPresent = 0;
}

}  // namespace
