// The backdrop: the picture of each kind, the scrolling offsets and the time of day.
#include <cstring>

#include "panel_test_pictures.h"
#include "render/game_textures.h"
#include "world/backdrop.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"

namespace {

using paneltest::Sheet;

TEST(PanelBackdrop, ScrollingOffsets) {
    struct Case {
        float scroll;
        int32_t period;
        float speed, d;
    } cases[] = {
        {-1500, 1280, 0.5f, 110},  // 1500 mod 1280 = 220, at half speed
        {0, 1280, 0.5f, 0},       {-1280, 1280, 0.5f, 0}, {-1279.9f, 1280, 0.5f, 639.5f},
        {-7308, 1280, 0.5f, 454}, {-700, 640, 1, 60},     {-640, 640, 1, 0},
        {-64.75f, 640, 1, 64},    {16, 640, 1, 624},  // right of the start: still inside the period
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(BackdropOffset(c.scroll, c.period, c.speed), c.d) << c.scroll << " over " << c.period;
    }
}

// Each row: the flags set (ending at -1) and the time of day they give.
struct SkyCase {
    int flags[12];
    SkyTime time;
};

TEST(PanelBackdrop, TimeOfDayFollowsTheStory) {
    const SkyCase cases[] = {
        {{-1}, SKY_DAY},
        {{9, -1}, SKY_EVENING},
        {{9, 10, -1}, SKY_NIGHT},
        {{9, 10, 13, -1}, SKY_DAY},
        {{9, 10, 13, 22, -1}, SKY_EVENING},
        {{9, 10, 13, 22, 23, -1}, SKY_NIGHT},
        {{9, 10, 13, 22, 23, 41, -1}, SKY_EVENING},
        {{9, 10, 13, 22, 23, 41, 43, -1}, SKY_DAY},
        {{10, 13, -1}, SKY_DAY},  // the first unset flag decides
        {{50, -1}, SKY_DAY},
        {{50, 9, 10, -1}, SKY_DAY},  // the second journey ignores the first one's flags
        {{50, 53, -1}, SKY_EVENING},
        {{50, 53, 57, -1}, SKY_NIGHT},
        {{50, 53, 57, 65, -1}, SKY_EVENING},
        {{50, 53, 57, 65, 67, -1}, SKY_DAY},
    };
    for (const SkyCase& c : cases) {
        std::memset(StoryFlags, 0, sizeof StoryFlags);
        std::string set;
        for (int i = 0; c.flags[i] >= 0; ++i) {
            StoryFlags[c.flags[i]] = 1;
            set += std::to_string(c.flags[i]) + " ";
        }
        EXPECT_EQ(CurrentSkyTime(), c.time) << "flags " << set;
    }
    std::memset(StoryFlags, 0, sizeof StoryFlags);
}

TEST(PanelBackdrop, KindComesFromTheMapOfARunState) {
    EXPECT_EQ(BackdropKindOfState(1), BACKDROP_SKY);         // map 0
    EXPECT_EQ(BackdropKindOfState(3), BACKDROP_HALF_SPEED);  // map 1
    EXPECT_EQ(BackdropKindOfState(0), BACKDROP_NONE);
    EXPECT_EQ(BackdropKindOfState(-7), BACKDROP_NONE);
    EXPECT_EQ(BackdropKindOfState(59), BACKDROP_NONE);  // no map 29
    EXPECT_EQ(BackdropKindOfState(327), BACKDROP_NONE);
    EXPECT_EQ(BackdropKindOfState(1001), BACKDROP_NONE);
}

// Backdrop picture n is a 640 x 384 picture whose texel column c reads back as red = c
// mod 256, green = c div 256 and blue = 20 n + 10, so a pixel tells picture and column.
Sheet BackdropPicture(int n) {
    Sheet s(640, 384, 0);
    for (int y = 0; y < 384; ++y)
        for (int x = 0; x < 640; ++x)
            s.px[size_t(y) * 640 + x] = 0xFF000000u | (x & 0xFF) << 16 | (x >> 8) << 8 | (20 * n + 10);
    return s;
}

class Backdrop : public paneltest::PictureDevice {
protected:
    void SetUp() override {
        PictureDevice::SetUp();
        for (int n = 0; n < 10; ++n) g_BackdropPictures[n] = Load(BackdropPicture(n));
        ResetScenery();
        std::memset(StoryFlags, 0, sizeof StoryFlags);
        video_Clear(0xFF123456u);
    }
    void TearDown() override {
        for (TextureSlot& s : g_BackdropPictures) s = nullptr;
        std::memset(StoryFlags, 0, sizeof StoryFlags);
        MapState = 0;
        ScrollX = 0;
        PictureDevice::TearDown();
    }
    // Picture number at a screen pixel, or -1 when no picture is there.
    int PictureAt(int x, int y) const {
        const uint32_t b = At(x, y) & 0xFF;
        if (b < 10 || (b - 10) % 20 != 0) return -1;
        return int(b - 10) / 20;
    }
    int ColumnAt(int x, int y) const {
        return int((At(x, y) >> 16) & 0xFF) + 256 * int((At(x, y) >> 8) & 0xFF);
    }
    int Shown(int32_t kind) {
        DrawBackdropKind(kind);
        Read();
        return PictureAt(320, 200);
    }
};

TEST_F(Backdrop, StillKindsShowTheirPictureByTheTimeOfDay) {
    EXPECT_EQ(Shown(BACKDROP_SKY), 0);
    EXPECT_EQ(Shown(BACKDROP_SKY_B), 7);
    EXPECT_EQ(Shown(BACKDROP_STILL), 9);
    StoryFlags[9] = 1;
    EXPECT_EQ(Shown(BACKDROP_SKY), 3);
    EXPECT_EQ(Shown(BACKDROP_SKY_B), 8);
    StoryFlags[10] = 1;
    EXPECT_EQ(Shown(BACKDROP_SKY), 4);
    EXPECT_EQ(Shown(BACKDROP_SKY_B), 6);
    Read();
    EXPECT_EQ(ColumnAt(0, 0), 0);
    EXPECT_EQ(ColumnAt(639, 383), 639);
    EXPECT_EQ(At(10, 384), 0x123456u) << "the backdrop covers the play field only";
}

TEST_F(Backdrop, HalfSpeedPictureAtMinus1500IsDrawnAtMinus110And530) {
    ScrollX = -1500;
    EXPECT_EQ(Shown(BACKDROP_HALF_SPEED), 1);
    EXPECT_EQ(ColumnAt(0, 100), 110);
    EXPECT_EQ(ColumnAt(529, 100), 639);
    EXPECT_EQ(ColumnAt(530, 100), 0);
    EXPECT_EQ(ColumnAt(639, 100), 109);
}

TEST_F(Backdrop, TileSpeedPicturesMoveWithTheCamera) {
    ScrollX = -700;
    EXPECT_EQ(Shown(BACKDROP_WITH_TILES), 2);
    EXPECT_EQ(ColumnAt(0, 100), 60);
    EXPECT_EQ(ColumnAt(580, 100), 0);
    ScrollX = -7308;  // 7308 mod 640 = 268
    EXPECT_EQ(Shown(BACKDROP_WITH_TILES_B), 5);
    EXPECT_EQ(ColumnAt(0, 100), 268);
    EXPECT_EQ(ColumnAt(372, 100), 0);
    ScrollX = 16;  // a hut whose camera passes the start: the screen stays covered
    EXPECT_EQ(Shown(BACKDROP_WITH_TILES), 2);
    EXPECT_EQ(ColumnAt(0, 100), 624);
    EXPECT_EQ(ColumnAt(16, 100), 0);
}

TEST_F(Backdrop, BlackClearsAndNoneLeavesTheScreen) {
    Shown(BACKDROP_BLACK);
    EXPECT_EQ(At(320, 200), 0u);
    EXPECT_EQ(At(320, 450), 0u) << "the clear covers the whole screen";
    video_Clear(0xFF123456u);
    Shown(BACKDROP_NONE);
    EXPECT_EQ(At(320, 200), 0x123456u);
    Shown(99);
    EXPECT_EQ(At(320, 200), 0x123456u);
}

TEST_F(Backdrop, GalleryFightShowsPictureSixAndOtherStatesNothing) {
    MapState = MAP_STATE_GALLERY_RUN;
    DrawBackdrop();
    Read();
    EXPECT_EQ(PictureAt(320, 200), 6);
    const int32_t empty[] = {0, 1002, 5000, 326, -3};
    for (int32_t state : empty) {
        video_Clear(0xFF123456u);
        MapState = state;
        DrawBackdrop();
        Read();
        EXPECT_EQ(At(320, 200), 0x123456u) << "state " << state;
    }
    MapState = 3;  // map 1 runs: the half-speed picture
    DrawBackdrop();
    Read();
    EXPECT_EQ(PictureAt(320, 200), 1);
}

TEST_F(Backdrop, MapFourteenSkyTurnsWithTheStory) {
    if (!FindMap(14)) GTEST_SKIP() << "map 14 is not in the world table yet";
    MapState = 29;
    const struct {
        int flag;
        int picture;
    } steps[] = {{-1, 0}, {9, 3}, {10, 4}, {13, 0}};
    for (const auto& s : steps) {
        if (s.flag >= 0) StoryFlags[s.flag] = 1;
        DrawBackdrop();
        Read();
        EXPECT_EQ(PictureAt(320, 200), s.picture) << "after flag " << s.flag;
    }
}

}  // namespace
