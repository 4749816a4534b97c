// A whole run from a cold start under the headless backend: splash, title, a new game on
// map 0, walking into map 1 and back, then giving up through game over to the title.
#include <unistd.h>

#include <vector>

#include "menus/game_over.h"
#include "menus/splash_title.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world_test_device.h"

namespace {

struct Seen {
    uint8_t mode;
    int32_t mapState;
    float scrollX;
    float heroY;
    int32_t life;
    int32_t innPrice;
    int32_t transitionWait;
    int32_t flags;  // story flags set
};

std::vector<Seen> g_Seen;
uint32_t g_LastFrame;

void Record(uint32_t frame, void*) {
    Seen s{g_Frame, MapState, ScrollX, Hero.y, Hero.life, InnPrice, TransitionWait, 0};
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) s.flags += StoryFlags[i] != 0;
    g_Seen.push_back(s);
    // Once she is back on map 0 a scene pretends to have finished, so that the game over
    // has something to clear.
    if (MapState == 1 && ScrollX < -3000) StoryFlags[20] = 1;
    // On the first frame of the game she is carried near map 0's right end: the village
    // before it, with its steps and jumps, is the player's to cross, not this test's.
    static bool carried = false;
    if (g_Frame == 3 && MapState == 1 && !carried) ScrollX = -3400;
    carried = g_Frame == 3;
    if (frame == g_LastFrame) sys_PostMessage(SYS_MSG_CLOSE, 0);
}

HeadlessStep Hold(uint32_t frames, std::vector<uint8_t> keys = {}) {
    return HeadlessStep{frames, keys, 0};
}

// First frame (1-based) at or after `from` whose record satisfies the test, or 0.
template <typename F>
size_t FirstFrame(size_t from, F test) {
    for (size_t i = from; i <= g_Seen.size(); ++i) {
        if (test(g_Seen[i - 1])) return i;
    }
    return 0;
}

TEST(Scenario, ColdStartToMapOneAndBackThenGiveUpToTheTitle) {
    std::string data = std::string(MIRAVEL_BUILD_DIR) + "/DATA/AE00206.xml";
    ASSERT_EQ(access(data.c_str(), R_OK), 0) << "the build draws the pictures first";

    // A cold start: the values a fresh process begins with.
    g_Frame = 4;
    SplashCounter = 0;
    TitleLatch = 1;
    g_TitleAngle = 0;
    g_TitleDir = 2;
    g_GameLevel = LEVEL_NORMAL;
    g_TitleTex = nullptr;
    g_GameAssetsLoaded = 0;
    GameOverCounter = 0;
    MapState = 0;
    ScrollX = 0;
    SaveMenuOpen = 0;
    ClearFatalBox();

    HeadlessConfig c;
    c.nullDevice = true;
    c.script = {
        Hold(515),           // splash (511 frames), then the title
        Hold(1, {VK_DOWN}),  // "Hard?"
        Hold(2),
        Hold(1, {VK_X}),  // new game
        Hold(3),
        Hold(54, {VK_RIGHT}),  // along the end of map 0 to its right end, into map 1
        Hold(10, {VK_LEFT}),   // back into map 0
        Hold(3),
        Hold(1, {VK_F1}),  // give up
        Hold(440),
    };
    uint32_t total = 0;
    for (const HeadlessStep& s : c.script) total += s.frames;
    g_LastFrame = total;
    c.frameHook = Record;
    g_Seen.clear();
    headless_Configure(c);
    GameMain(MIRAVEL_BUILD_DIR);
    ASSERT_FALSE(headless_FatalShown()) << headless_FatalText();
    ASSERT_EQ(g_Seen.size(), total);

    // The splash holds 511 frames; the title opens on frame 512.
    EXPECT_EQ(g_Seen[509].mode, 5);
    EXPECT_EQ(g_Seen[510].mode, 0);  // frame 511 hands over to the title
    EXPECT_EQ(g_Seen[511].mode, 1);
    EXPECT_EQ(g_GameLevel, LEVEL_HARD);  // the level chosen on the title carries into the game

    // The frame after X is the game start: map 0 entered and run at once.
    const size_t start = FirstFrame(1, [](const Seen& s) { return s.mode == 3; });
    ASSERT_EQ(start, 520u);
    EXPECT_EQ(g_Seen[start - 1].mapState, 1);
    EXPECT_EQ(g_Seen[start - 1].scrollX, 0);
    EXPECT_EQ(g_Seen[start - 1].heroY, 288);
    EXPECT_EQ(g_Seen[start - 1].innPrice, 200);
    EXPECT_EQ(g_Seen[start - 1].transitionWait, 3000);

    // 53 steps of 8 pixels from -3400 reach map 0's right limit of -3824; the next frame is map 1.
    const size_t exit0 = FirstFrame(start, [](const Seen& s) { return s.mapState == 2; });
    ASSERT_NE(exit0, 0u);
    EXPECT_EQ(exit0, start + 2 + 53);  // Right is held from the third frame after the start
    EXPECT_EQ(g_Seen[exit0 - 1].scrollX, -64);
    EXPECT_EQ(g_Seen[exit0].mapState, 3);
    EXPECT_EQ(g_Seen[exit0].scrollX, -72);  // entered and run in one frame: still walking
    EXPECT_EQ(g_Seen[exit0].heroY, 288);

    // Walking left: -64 is reached again, then four more steps fire map 1's left edge.
    const size_t back = FirstFrame(exit0, [](const Seen& s) { return s.mapState == 0; });
    ASSERT_NE(back, 0u);
    EXPECT_EQ(g_Seen[back - 1].scrollX, -3792);
    EXPECT_EQ(g_Seen[back].mapState, 1);
    EXPECT_EQ(g_Seen[back].innPrice, 200);

    // F1: she collapses, game over runs its 128 + 254 + 1 frames, and the title returns.
    const size_t giveUp = FirstFrame(back, [](const Seen& s) { return s.life == 2; });
    ASSERT_NE(giveUp, 0u);
    EXPECT_GT(g_Seen[giveUp - 1].flags, 0);
    const size_t dead = FirstFrame(giveUp, [](const Seen& s) { return s.life == 4; });
    EXPECT_EQ(dead, giveUp + 40);
    const size_t title = FirstFrame(giveUp, [](const Seen& s) { return s.mode == 0; });
    ASSERT_NE(title, 0u);
    EXPECT_EQ(title, dead + 127 + 254 + 1);
    EXPECT_EQ(g_Seen[title - 1].mapState, 0);
    EXPECT_EQ(g_Seen[title - 1].flags, 0);
    EXPECT_EQ(g_Seen[title - 1].life, 0);
    EXPECT_EQ(g_Seen[title].mode, 1);
    EXPECT_EQ(g_Seen.back().mode, 1);
}

}  // namespace
