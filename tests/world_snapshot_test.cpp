// The world's fields of the runner's state snapshot.
#include <gtest/gtest.h>

#include <string>

#include "menus/splash_title.h"
#include "player/hero.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world/world_snapshot.h"

namespace {

TEST(WorldSnapshot, NamesTheRunValues) {
    MapState = 3;
    ScrollX = -72;
    Hero.y = 288;
    Hero.life = 2;
    StoryFlags[0] = 1;
    StoryFlags[17] = 1;
    EventSteps[42] = 3;
    ItemCounts[0] = 10;
    g_GameLevel = LEVEL_HARD;
    TransitionWait = 3000;
    char buf[16384];
    size_t n = FormatWorldSnapshot(buf, sizeof buf);
    std::string s = buf;
    EXPECT_EQ(n, s.size());
    for (const char* part : {"\"mapState\": 3, \"scrollX\": -72, ", "\"hero\": {\"y\": 288, ",
                             "\"life\": 2, ", "\"storyFlags\": [0, 17], ", "\"eventSteps\": {\"42\": 3}, ",
                             "\"itemCounts\": [10, ", "\"gameLevel\": 2, \"transitionWait\": 3000"}) {
        EXPECT_NE(s.find(part), std::string::npos) << part << "\n" << s;
    }
    StoryFlags[0] = StoryFlags[17] = EventSteps[42] = 0;
    g_GameLevel = LEVEL_NORMAL;
    MapState = 0;
    ScrollX = 0;
    Hero.life = 0;
}

TEST(WorldSnapshot, ASmallBufferIsCutAndTerminated) {
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) EventSteps[i] = 1000000 + i;  // the longest fragment
    char big[65536];
    const size_t whole = FormatWorldSnapshot(big, sizeof big);
    ASSERT_LT(whole, sizeof big);
    char small[40];
    small[39] = 'x';
    EXPECT_EQ(FormatWorldSnapshot(small, sizeof small), whole);
    EXPECT_EQ(small[39], '\0');
    EXPECT_EQ(std::string(small), std::string(big, 39));
    EXPECT_EQ(FormatWorldSnapshot(nullptr, 0), whole);
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) EventSteps[i] = 0;
}

}  // namespace
