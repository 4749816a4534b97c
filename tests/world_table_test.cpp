// The world map table: its rows, the entry and run of single maps, the entry edits, map
// 34's switch and the exits that depend on height, flags and the stopped world.
#include <set>

#include "app/modes.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "sound/music.h"
#include "world/backdrop.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"
#include "world_test_device.h"

namespace {

class WorldTable : public HeadlessDevice {
protected:
    void SetUp() override {
        OpenDevice(true);
        ResetRunToNewGame();
        InitQuad(&g_FadeQuad, 640, 480, 255);
        SaveMenuOpen = 0;
        MenuOpen = 0;
        KeyHeld = 0;
        TransitionWait = 0;
        g_Frame = 3;
    }
    void TearDown() override {
        ResetRunToNewGame();
        HeadlessDevice::TearDown();
    }
    // Enters map n with the camera at `scroll` and runs its first frame.
    void Enter(int n, float scroll) {
        MapState = 2 * n;
        ScrollX = scroll;
        RunInGameFrame();
    }
    // The heroine stands at (scroll, y) of the running map; one exit test, as its run does.
    void TestExitsAt(int n, float scroll, float y) {
        MapState = 2 * n + 1;
        ScrollX = scroll;
        Hero.y = y;
        Hero.state = 0;
        RunMapExits(FindMap(n)->exits, FindMap(n)->exitCount);
    }
    static int32_t LayerCell(int n, int layer, int row, int column) {
        const uint8_t* layers = MapLayers(n);
        return layers ? layers[layer * 3000 + row * 250 + column] : 0;
    }
};

TEST(WorldTableRows, EveryMapNumberOnceInOrder) {
    std::set<int> expected;
    for (int n = 0; n <= 28; ++n) expected.insert(n);
    for (int n = 34; n <= 83; ++n) expected.insert(n);
    for (int n = 99; n <= 128; ++n) expected.insert(n);
    for (int n = 134; n <= 162; ++n) expected.insert(n);
    ASSERT_EQ(expected.size(), 138u);
    ASSERT_EQ(MapCount(), 138);
    std::set<int> seen;
    int last = -1;
    for (int i = 0; i < MapCount(); ++i) {
        const MapInfo* m = MapAt(i);
        ASSERT_NE(m, nullptr);
        EXPECT_GT(m->number, last);
        last = m->number;
        seen.insert(m->number);
        EXPECT_EQ(FindMap(m->number), m);
        EXPECT_GE(m->place, 0);
        EXPECT_LE(m->place, 54);
        EXPECT_GE(m->backdrop, 0);
        EXPECT_LE(m->backdrop, 7);
        for (int k = 0; k < m->exitCount; ++k) {
            const MapExit& e = m->exits[k];
            EXPECT_LE(e.scrollMin, e.scrollMax) << m->number << " exit " << k;
            if (e.dest != EXIT_SAME_MAP) {
                EXPECT_NE(FindMap(e.dest), nullptr) << m->number << " exit " << k;
            }
        }
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(MapAt(-1), nullptr);
    EXPECT_EQ(MapAt(138), nullptr);
    for (int gap : {29, 33, 84, 98, 129, 133, 163}) EXPECT_EQ(FindMap(gap), nullptr) << gap;
}

// A few rows checked by hand against the world map table.
TEST(WorldTableRows, HandCheckedRows) {
    const MapInfo* m18 = FindMap(18);
    ASSERT_EQ(m18->exitCount, 5);
    EXPECT_EQ(m18->music, 16);
    EXPECT_EQ(m18->backdrop, 3);
    EXPECT_EQ(m18->innPrice, INN_UNCHANGED);
    const MapExit& door = m18->exits[2];
    EXPECT_EQ(door.kind, EXIT_DOOR);
    EXPECT_EQ(door.scrollMin, -6896);
    EXPECT_EQ(door.scrollMax, -6744);
    EXPECT_EQ(door.dest, 58);
    EXPECT_EQ(door.cond[0].kind, COND_FLAG_SET);
    EXPECT_EQ(door.cond[0].index, 36);
    const MapExit& warp = m18->exits[3];
    EXPECT_EQ(warp.kind, EXIT_WARP);
    EXPECT_EQ(warp.door, 0);
    EXPECT_EQ(warp.dest, EXIT_SAME_MAP);
    EXPECT_EQ(warp.arriveScroll, -4620);
    EXPECT_EQ(warp.picture, 1);
    EXPECT_EQ(warp.cond[0].index, 11);
    EXPECT_EQ(m18->exits[4].arriveScroll, -3568);
    EXPECT_EQ(m18->exits[4].cond[0].kind, COND_NONE);
    EXPECT_EQ(m18->bossCount, 2);
    EXPECT_EQ(m18->sceneCount, 3);
    EXPECT_EQ(m18->scenes[2], 37);
    EXPECT_FALSE(m18->hasTownsfolk);
    EXPECT_FALSE(m18->hasEnemies);

    const MapInfo* m123 = FindMap(123);
    EXPECT_EQ(m123->place, 42);
    EXPECT_EQ(m123->innPrice, 0);
    EXPECT_EQ(m123->exitCount, 2);
    EXPECT_EQ(m123->exits[0].kind, EXIT_RIGHT);
    EXPECT_EQ(m123->exits[1].heightTest, HEIGHT_EQUAL);
    EXPECT_EQ(m123->exits[1].height, 288);
    ASSERT_EQ(m123->bossGroupCount, 2);
    EXPECT_EQ(m123->bosses[0].count, 4);
    EXPECT_EQ(m123->bosses[1].count, 2);
    EXPECT_EQ(m123->bosses[1].cond[1].index, 68);
    EXPECT_EQ(m123->bosses[1].cond[2].kind, COND_FLAG_CLEAR);
    EXPECT_EQ(m123->bossCount, 6);
    EXPECT_EQ(m123->sceneCount, 4);
    EXPECT_TRUE(m123->hasTownsfolk);

    const MapInfo* m61 = FindMap(61);
    ASSERT_EQ(m61->exitCount, 1);
    EXPECT_EQ(m61->place, 54);
    EXPECT_EQ(m61->exits[0].kind, EXIT_VERTICAL);
    EXPECT_EQ(m61->exits[0].heightTest, HEIGHT_ABOVE);
    EXPECT_EQ(m61->exits[0].height, 320);
    EXPECT_EQ(m61->exits[0].arriveY, 32);

    const MapInfo* m37 = FindMap(37);
    EXPECT_EQ(m37->bosses[0].cond[0].kind, COND_STEP_CLEAR);
    EXPECT_EQ(m37->bosses[0].cond[0].index, 20);
    EXPECT_EQ(FindMap(14)->exits[2].cond[0].kind, COND_STEP_SET);

    for (int n : {160, 161, 162}) EXPECT_EQ(FindMap(n)->exitCount, 0) << n;
    EXPECT_TRUE(FindMap(26)->exitsOnlyWhileWorldRuns);
    EXPECT_FALSE(FindMap(25)->exitsOnlyWhileWorldRuns);
    EXPECT_EQ(FindMap(0)->musicFlag, 0);
    EXPECT_EQ(FindMap(7)->musicFlag, NO_FLAG);
}

TEST_F(WorldTable, EveryMapCanBeEnteredWithOrWithoutItsLayers) {
    for (int i = 0; i < MapCount(); ++i) {
        const int n = MapAt(i)->number;
        Hero.y = 288;
        Enter(n, -3000);  // mid-map, away from every edge
        ASSERT_EQ(MapState, 2 * n + 1) << n;
        EXPECT_EQ(BackdropKindOfState(MapState), MapAt(i)->backdrop) << n;
        if (!MapLayers(n)) {
            int filled = 0;
            for (int row = 0; row < 12; ++row) {
                for (int c = 0; c < 250; ++c) filled += CollisionGrid[row][c] != 0 || DecorGrid[row][c] != 0;
            }
            EXPECT_EQ(filled, 0) << n;
        }
        EventActive = 0;
    }
}

TEST_F(WorldTable, EntrySetsTheInnPriceAndMusicOfItsRow) {
    struct Case {
        int map;
        int32_t innBefore, innAfter;
        int32_t trackBefore, trackAfter;
    };
    const Case cases[] = {
        {8, 200, 500, 5, 24},   {14, 200, 700, 5, 16},  {1, 700, 700, 16, 16},  // both "-"
        {25, 500, 800, 24, 24}, {123, 800, 0, 5, 35},   {161, 1500, 1500, 12, 12},
        {76, 800, 1000, 5, 22}, {162, 1000, 0, 12, 12},
    };
    for (const Case& c : cases) {
        InnPrice = c.innBefore;
        g_CurrentTrack = c.trackBefore;
        Enter(c.map, -3000);
        EXPECT_EQ(InnPrice, c.innAfter) << c.map;
        EXPECT_EQ(g_CurrentTrack, c.trackAfter) << c.map;
    }
}

TEST_F(WorldTable, MapZeroOpeningOwnsTheScreenUntilFlagZero) {
    g_CurrentTrack = 5;
    EnterMap(FindMap(0));
    EXPECT_EQ(AdvanceLock, 1);
    EXPECT_EQ(EventActive, 1);
    EXPECT_EQ(g_CurrentTrack, 5);
    AdvanceLock = EventActive = 0;
    StoryFlags[0] = 1;
    EnterMap(FindMap(0));
    EXPECT_EQ(AdvanceLock, 0);
    EXPECT_EQ(EventActive, 0);
    EXPECT_EQ(g_CurrentTrack, 22);
    // No other map stops the world on entry.
    StoryFlags[0] = 0;
    EnterMap(FindMap(150));
    EXPECT_EQ(EventActive, 0);
}

TEST_F(WorldTable, MapOneBackLeftArrivesInsideMapZerosRightLimit) {
    Enter(1, -64);
    TestExitsAt(1, -32, 288);
    EXPECT_EQ(MapState, 0);
    EXPECT_EQ(ScrollX, -3792);
    RunInGameFrame();  // map 0 entered at -3792: its right limit -3824 is 32 pixels away
    EXPECT_EQ(MapState, 1);
    EXPECT_EQ(ScrollX, -3792);
}

TEST_F(WorldTable, DoorsAtFloorHeightOpenOnlyAtThatHeight) {
    // Map 112's door to map 111 and map 122's door at 256 to map 121.
    struct Case {
        int map;
        float scroll, y;
        bool open;
        int dest;
    };
    const Case cases[] = {
        {112, -5400, 288, true, 111}, {112, -5400, 256, false, 0}, {112, -5400, 287, false, 0},
        {112, -5300, 288, true, 111}, {112, -5299, 288, false, 0}, {122, -3400, 256, true, 121},
        {122, -3400, 288, false, 0},
    };
    for (const Case& c : cases) {
        HoldKey(VK_UP);
        TestExitsAt(c.map, c.scroll, c.y);
        EXPECT_EQ(MapState, c.open ? 2 * c.dest : 2 * c.map + 1) << c.map << " " << c.scroll << " " << c.y;
        ReleaseKeys();
        TestExitsAt(c.map, c.scroll, c.y);  // without Up no door opens
        EXPECT_EQ(MapState, 2 * c.map + 1);
    }
}

TEST_F(WorldTable, MapSeventeenLeadsOnOnlyFromTheTopOfTheScreen) {
    TestExitsAt(17, -7308, 288);  // along the floor
    EXPECT_EQ(MapState, 35);
    TestExitsAt(17, -7400, 1);
    EXPECT_EQ(MapState, 35);
    TestExitsAt(17, -7308, 0);
    EXPECT_EQ(MapState, 36);
    EXPECT_EQ(Hero.y, 288);
    EXPECT_EQ(ScrollX, -64);
    TestExitsAt(17, -7200, -20);  // up high, but short of the end
    EXPECT_EQ(MapState, 35);
}

TEST_F(WorldTable, MapTwentyEightsStairAndWayUpNeedFlagSeventeen) {
    const int stair[][2] = {{7, 73}, {7, 74}, {6, 71}, {6, 72}, {5, 69}, {5, 70}, {4, 67}, {4, 68},
                            {3, 65}, {3, 66}, {2, 63}, {2, 64}, {1, 61}, {1, 62}, {0, 59}, {0, 60}};
    Enter(28, -3000);
    for (const auto& s : stair) EXPECT_EQ(CollisionGrid[s[0]][s[1]], LayerCell(28, 0, s[0], s[1]));
    TestExitsAt(28, -1600, -10);
    EXPECT_EQ(MapState, 57);  // no way up yet
    StoryFlags[17] = 1;
    Enter(28, -3000);
    for (const auto& s : stair) EXPECT_EQ(CollisionGrid[s[0]][s[1]], 7) << s[0] << "," << s[1];
    EXPECT_EQ(CollisionGrid[8][75], LayerCell(28, 0, 8, 75));  // nothing beyond the stair
    TestExitsAt(28, -1600, 0);
    EXPECT_EQ(MapState, 70);
    EXPECT_EQ(Hero.y, 288);
    EXPECT_EQ(ScrollX, -128);
}

TEST_F(WorldTable, EntryEditsOfMapsFifteenAndFortyOne) {
    Enter(15, -2000);
    EXPECT_EQ(DecorGrid[10][85], LayerCell(15, 1, 10, 85));
    StoryFlags[12] = 1;
    Enter(15, -2000);
    EXPECT_EQ(DecorGrid[10][85], 11);

    DecorGrid[9][51] = 3;
    Enter(41, -2000);
    EXPECT_EQ(DecorGrid[9][51], LayerCell(41, 1, 9, 51));
    StoryFlags[21] = 1;
    Enter(41, -2000);
    for (int row : {9, 10}) {
        for (int c : {51, 52}) EXPECT_EQ(DecorGrid[row][c], 0);
    }
}

TEST_F(WorldTable, MapTwentySixHoldsItsExitsWhileTheWorldIsStopped) {
    const MapInfo* m = FindMap(26);
    Enter(26, -3000);
    struct Case {
        float scroll;
        bool up;
        int32_t state;
        float arrive;
    };
    // Left edge to map 25, the door warp one way and the other.
    const Case cases[] = {{-10, false, 50, -7276}, {-2350, true, 53, -3500}, {-3450, true, 53, -2408}};
    for (const Case& c : cases) {
        ReleaseKeys();
        if (c.up) HoldKey(VK_UP);
        MapState = 53;
        ScrollX = c.scroll;
        Hero.state = 0;
        EventActive = 1;
        RunMap(m);
        EXPECT_EQ(MapState, 53) << c.scroll;
        EXPECT_EQ(ScrollX, c.scroll);
        EventActive = 0;
        Hero.y = 288;
        RunMapExits(m->exits, m->exitCount);
        EXPECT_EQ(MapState, c.state) << c.scroll;
        EXPECT_EQ(ScrollX, c.arrive) << c.scroll;
    }
    ReleaseKeys();
    // Other maps leave while a talk or a scene runs.
    MapState = 51;
    ScrollX = -10;
    EventActive = 1;
    RunMap(FindMap(25));
    EXPECT_EQ(MapState, 48);
}

TEST_F(WorldTable, JoinedFloorsArriveAtTheMatchingEnd) {
    struct Case {
        int from;
        bool right;
        int to;
        float y, scroll;
    };
    const Case cases[] = {
        {136, true, 137, 288, -7276}, {137, false, 138, 288, -64},  {138, true, 139, 288, -7276},
        {139, false, 140, 288, -64},  {137, true, 136, 0, -7276},   {138, false, 137, 0, -64},
        {139, true, 138, 0, -7276},   {140, false, 139, 0, -64},    {156, true, 157, 288, -7276},
        {157, false, 158, 288, -64},  {158, true, 159, 288, -7276}, {159, false, 160, 288, -64},
        {157, true, 156, 0, -7276},   {158, false, 157, 0, -64},    {159, true, 158, 0, -7276},
    };
    for (const Case& c : cases) {
        TestExitsAt(c.from, c.right ? -7308 : -32, 200);
        EXPECT_EQ(MapState, 2 * c.to) << c.from;
        EXPECT_EQ(Hero.y, c.y) << c.from;
        EXPECT_EQ(ScrollX, c.scroll) << c.from;
    }
}

TEST_F(WorldTable, FlaggedEdgesAndHutExit) {
    // Map 4's only exit lies where the camera passes 0.
    TestExitsAt(4, -10, 288);
    EXPECT_EQ(MapState, 9);
    TestExitsAt(4, 16, 288);
    EXPECT_EQ(MapState, 10);
    EXPECT_EQ(ScrollX, -128);
    TestExitsAt(4, 33, 288);
    EXPECT_EQ(MapState, 9);
    // Map 41's left edge needs both of its flags.
    StoryFlags[18] = 1;
    TestExitsAt(41, -10, 288);
    EXPECT_EQ(MapState, 83);
    StoryFlags[21] = 1;
    TestExitsAt(41, -10, 288);
    EXPECT_EQ(MapState, 80);
    // Map 14's door to map 62 opens once scene 42 has begun.
    HoldKey(VK_UP);
    TestExitsAt(14, -2100, 288);
    EXPECT_EQ(MapState, 29);
    EventSteps[42] = 1;
    TestExitsAt(14, -2100, 288);
    EXPECT_EQ(MapState, 124);
}

TEST_F(WorldTable, MapThirtyFourSwitchWorksAtTheRightEndForAnIdleHeroine) {
    Enter(34, -3000);
    struct Case {
        float scroll;
        bool up;
        int32_t state;
        uint8_t eventActive, menuOpen;
        int32_t flag17;
        int32_t variant;
    };
    const Case cases[] = {
        {-7308, true, 0, 0, 0, 0, 0},   {-7308, true, 0, 0, 0, 1, 1},  {-7400, true, 0, 0, 0, 0, 0},
        {-7307, true, 0, 0, 0, 0, -1},  {-7308, true, 3, 0, 0, 0, -1}, {-7308, false, 0, 0, 0, 0, -1},
        {-7308, false, 0, 1, 0, 1, 1},   // the scene, once begun, holds the world
        {-7308, false, 0, 1, 1, 0, -1},  // the menu stopped it
    };
    for (const Case& c : cases) {
        ReleaseKeys();
        if (c.up) HoldKey(VK_UP);
        ScrollX = c.scroll;
        Hero.state = c.state;
        EventActive = c.eventActive;
        MenuOpen = c.menuOpen;
        StoryFlags[17] = c.flag17;
        EXPECT_EQ(Map34SwitchVariant(), c.variant) << c.scroll << " " << c.up << " " << c.state;
    }
    MenuOpen = 0;
    EventActive = 0;
    ReleaseKeys();
}

}  // namespace
