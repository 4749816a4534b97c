// The in-game frame, the map templates, exits, placement, transition pictures and game over.
#include "app/modes.h"
#include "menus/game_over.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "sound/music.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"
#include "world_test_device.h"

namespace {

class InGame : public HeadlessDevice {
protected:
    void SetUp() override {
        OpenDevice(true);
        ResetRunToNewGame();
        InitQuad(&g_FadeQuad, 640, 480, 255);
        SetQuadColor(&g_FadeQuad, 0, 0, 0);
        SaveMenuOpen = 0;
        MenuOpen = 0;
        KeyHeld = 0;
        g_Frame = 3;
        GameOverCounter = 0;
    }
    void TearDown() override {
        ResetRunToNewGame();
        HeadlessDevice::TearDown();
    }
    void Frames(int n) {
        for (int i = 0; i < n; ++i) RunInGameFrame();
    }
};

TEST_F(InGame, NewGameEntersMapZeroAndRunsItInTheSameFrame) {
    ASSERT_EQ(MapState, 0);
    InnPrice = 1;
    RunInGameFrame();
    EXPECT_EQ(MapState, 1);
    EXPECT_EQ(InnPrice, 200);
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(Hero.y, 288);
    EXPECT_EQ(Hero.fall.onGround, 1);  // the run after the entry already stood her on the floor
    EXPECT_NE(CollisionGrid[11][20], 0);
    EXPECT_EQ(CollisionGrid[19][20], 1);  // rows below the map are kept
    Frames(30);
    EXPECT_EQ(Hero.y, 288);
    EXPECT_EQ(MapState, 1);
}

TEST_F(InGame, WalkingLeftFromAnArrivalFiresTheLeftEdgeAtMinus32) {
    MapState = 2;  // map 1, arrived from map 2's side
    ScrollX = -64;
    RunInGameFrame();
    ASSERT_EQ(MapState, 3);
    HoldKey(VK_LEFT);
    const float expect[] = {-56, -48, -40};
    for (float want : expect) {
        RunInGameFrame();
        ASSERT_EQ(ScrollX, want);
        ASSERT_EQ(MapState, 3);
    }
    RunInGameFrame();  // ScrollX becomes -32: map 1's left edge leads to map 0
    EXPECT_EQ(MapState, 0);
    EXPECT_EQ(ScrollX, -3792);
    EXPECT_EQ(Hero.y, 288);
    ReleaseKeys();
    RunInGameFrame();
    EXPECT_EQ(MapState, 1);
    EXPECT_EQ(ScrollX, -3792);  // 32 pixels inside map 0's right limit, so she stays
}

TEST_F(InGame, RightEndOfMapZeroLeadsToMapOneWithAPicture) {
    RunInGameFrame();
    ScrollX = -3816;
    HoldKey(VK_RIGHT);
    const uint32_t before = sys_TimeMs();
    RunInGameFrame();
    EXPECT_EQ(MapState, 2);
    EXPECT_EQ(ScrollX, -64);
    EXPECT_GE(sys_TimeMs() - before, 3000u);  // the new game's 3000 ms picture
    ReleaseKeys();
    RunInGameFrame();
    EXPECT_EQ(MapState, 3);
    EXPECT_EQ(InnPrice, 200);  // map 1 leaves the price as it was
}

TEST_F(InGame, KeptHeightCarriesOverToTheNextMap) {
    MapState = 3;  // running map 1
    RunInGameFrame();
    MapState = 3;
    Hero.y = 200;
    ScrollX = -7308;
    RunMapExits(FindMap(1)->exits, FindMap(1)->exitCount);
    EXPECT_EQ(MapState, 4);
    EXPECT_EQ(Hero.y, 200);
    EXPECT_EQ(Hero.body.v[0].y, 200);
    EXPECT_EQ(ScrollX, -64);
}

// Exits made for these tests.
MapExit TestExit(float lo, float hi, int dest, float y, float scroll) {
    MapExit e{};
    e.scrollMin = lo;
    e.scrollMax = hi;
    e.dest = dest;
    e.arriveY = y;
    e.arriveScroll = scroll;
    return e;
}

TEST_F(InGame, OfTwoExitsThatHoldTheLaterOneWins) {
    MapExit exits[2] = {TestExit(-100, 0, 5, 100, -20), TestExit(-40, -10, 7, 160, -30)};
    ScrollX = -30;
    RunMapExits(exits, 2);
    EXPECT_EQ(MapState, 14);
    EXPECT_EQ(ScrollX, -30);
    EXPECT_EQ(Hero.y, 160);
    // The later test sees what the earlier one left: here it no longer holds.
    exits[1].scrollMax = -25;
    ScrollX = -30;
    RunMapExits(exits, 2);
    EXPECT_EQ(MapState, 10);
    EXPECT_EQ(ScrollX, -20);
    EXPECT_EQ(Hero.y, 100);
}

TEST_F(InGame, WarpsMoveOnlyTheHeroineAndTheCamera) {
    MapExit warp = TestExit(-3632, -3600, EXIT_SAME_MAP, 288, -4620);
    MapState = 37;
    ScrollX = -3610;
    Hero.y = 250;
    RunMapExits(&warp, 1);
    EXPECT_EQ(MapState, 37);
    EXPECT_EQ(ScrollX, -4620);
    EXPECT_EQ(Hero.y, 288);
}

TEST_F(InGame, SomeMapsTestTheirExitsOnlyWhileTheWorldRuns) {
    MapExit left = TestExit(-32, 1e30f, 5, 288, -7276);
    MapInfo map{};
    map.number = 26;
    map.exits[0] = left;
    map.exitCount = 1;
    map.exitsOnlyWhileWorldRuns = 1;
    MapState = 53;
    ScrollX = -10;
    EventActive = 1;
    RunMap(&map);
    EXPECT_EQ(MapState, 53);
    EventActive = 0;
    RunMap(&map);
    EXPECT_EQ(MapState, 10);
}

TEST_F(InGame, DoorsNeedUpControlTheRangeAndTheirHeight) {
    MapExit door = TestExit(-2032, -1776, 151, 288, -64);
    door.door = 1;
    door.heightTest = HEIGHT_EQUAL;
    door.height = 288;
    struct Case {
        float scroll, y;
        bool up;
        int32_t state;
        bool opens;
    };
    const Case cases[] = {
        {-1900, 288, true, 0, true},  {-2032, 288, true, 0, true},  {-1776, 288, true, 0, true},
        {-2033, 288, true, 0, false}, {-1775, 288, true, 0, false}, {-1900, 288, false, 0, false},
        {-1900, 288, true, 1, false}, {-1900, 250, true, 0, false},  // in the air
        {-1900, 289, true, 0, false},
    };
    for (const Case& c : cases) {
        MapState = 1;
        ScrollX = c.scroll;
        Hero.y = c.y;
        Hero.state = c.state;
        ReleaseKeys();
        if (c.up) HoldKey(VK_UP);
        RunMapExits(&door, 1);
        EXPECT_EQ(MapState == 302, c.opens) << c.scroll << " " << c.y << " " << c.up << " " << c.state;
    }
    ReleaseKeys();
    PadFlags = PAD_UP;
    MapState = 1;
    Hero.y = 288;
    Hero.state = 0;
    ScrollX = -1900;
    RunMapExits(&door, 1);
    EXPECT_EQ(MapState, 302);
}

TEST_F(InGame, VerticalAndFlaggedExits) {
    MapExit top = TestExit(-64, 0, 60, 288, -64);
    top.heightTest = HEIGHT_BELOW;
    top.height = 0;
    top.cond[0] = StoryCond{COND_FLAG_SET, 17};
    top.cond[1] = StoryCond{COND_STEP_CLEAR, 42};
    MapState = 1;
    ScrollX = -10;
    Hero.y = -1;
    RunMapExits(&top, 1);
    EXPECT_EQ(MapState, 1);  // flag 17 missing
    StoryFlags[17] = 1;
    EventSteps[42] = 3;
    RunMapExits(&top, 1);
    EXPECT_EQ(MapState, 1);  // step 42 running
    EventSteps[42] = 0;
    Hero.y = 0;
    RunMapExits(&top, 1);
    EXPECT_EQ(MapState, 1);  // y 0 is not above the top
    Hero.y = -1;
    RunMapExits(&top, 1);
    EXPECT_EQ(MapState, 120);
    EXPECT_EQ(Hero.y, 288);
}

TEST_F(InGame, MapZeroLeftEdgeNeedsItsFlag) {
    RunInGameFrame();
    ScrollX = -32;
    RunInGameFrame();
    EXPECT_EQ(MapState, 1);
    StoryFlags[1] = 1;
    TransitionWait = 0;
    RunInGameFrame();
    EXPECT_EQ(MapState, 300);
    EXPECT_EQ(ScrollX, -7276);
}

TEST_F(InGame, StatesWithoutAMapRunNothing) {
    for (int32_t state : {-1, -1000, 58, 67, 168, 197, 258, 267, 326, 999, 1002, 2000000000}) {
        MapState = state;
        ScrollX = -100;
        RunInGameFrame();
        EXPECT_EQ(MapState, state);
        EXPECT_EQ(ScrollX, -100);
    }
    MapState = 1000;  // the gallery's entry moves on to its fight at once
    RunInGameFrame();
    EXPECT_EQ(MapState, 1001);
    RunInGameFrame();
    EXPECT_EQ(MapState, 1001);
}

TEST_F(InGame, PlaceHeroStandsHerAtTheGivenHeightKeepingHerFall) {
    Hero.state = 4;
    Hero.life = 1;
    Hero.fall.vy = 7;
    Hero.fall.onGround = 0;
    PlaceHero(160);
    EXPECT_EQ(Hero.y, 160);
    EXPECT_EQ(Hero.body.v[0].x, 300);
    EXPECT_EQ(Hero.body.v[0].y, 160);
    EXPECT_EQ(Hero.body.v[2].x, 364);
    EXPECT_EQ(Hero.body.v[2].y, 224);
    EXPECT_EQ(Hero.hitRect.left, 329);
    EXPECT_EQ(Hero.hitRect.right, 335);
    EXPECT_EQ(Hero.hitRect.top, 191);
    EXPECT_EQ(Hero.hitRect.bottom, 224);
    EXPECT_EQ(Hero.state, 0);
    EXPECT_EQ(Hero.life, 0);
    EXPECT_EQ(Hero.fall.vy, 7);
    EXPECT_EQ(Hero.fall.onGround, 0);
}

TEST_F(InGame, TransitionPictureWaitsAndTheLastChaptersRaiseTheWait) {
    struct Case {
        int32_t wait;
        int flag;
        uint32_t sleeps;
        int32_t after;
    };
    const Case cases[] = {
        {0, -1, 0, 0},          {1500, -1, 1500, 1500}, {0, 74, 3000, 3000}, {0, 75, 3000, 3000},
        {5000, 75, 5000, 5000}, {2000, 74, 3000, 3000}, {-20, -1, 0, -20},  // a damaged setting never waits
                                                                            // backwards
    };
    for (const Case& c : cases) {
        for (int i = 0; i < STORY_FLAG_COUNT; ++i) StoryFlags[i] = 0;
        if (c.flag >= 0) StoryFlags[c.flag] = 1;
        TransitionWait = c.wait;
        const uint32_t before = sys_TimeMs();
        ShowTransitionPicture();
        const uint32_t slept = sys_TimeMs() - before;
        EXPECT_GE(slept, c.sleeps) << c.wait << " flag " << c.flag;
        EXPECT_LT(slept, c.sleeps + 16) << c.wait << " flag " << c.flag;
        EXPECT_EQ(TransitionWait, c.after);
    }
}

TEST_F(InGame, SavePointOpensOnlyForAnIdleHeroineAndTakesTheFrame) {
    RunInGameFrame();
    DecorGrid[10][10] = 9;  // under her at ScrollX 0
    HoldKey(VK_UP);
    HoldKey(VK_RIGHT);
    Hero.state = 1;  // attacking: nothing opens and the map runs on
    RunInGameFrame();
    EXPECT_EQ(ScrollX, 0);  // (not in control, so no walking either)
    EXPECT_EQ(KeyHeld, 0);
    Hero.state = 0;
    RunInGameFrame();  // the save screen takes the frame: no map, no walking
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(KeyHeld, 1);
    EXPECT_EQ(MapState, 1);
}

TEST_F(InGame, PauseDimStopsTheWorldFor30Frames) {
    RunInGameFrame();
    Hero.pauseFlash = 1;
    for (int i = 0; i < 30; ++i) {
        RunInGameFrame();
        ASSERT_EQ(EventActive, 1) << i;
        ASSERT_EQ(flashCount, i + 1);
        ASSERT_EQ(g_FadeQuad.v[0].diffuse, 0x9B000000u);
    }
    RunInGameFrame();
    EXPECT_EQ(EventActive, 0);
    EXPECT_EQ(flashCount, 0);
    EXPECT_EQ(Hero.pauseFlash, 0);
    EXPECT_EQ(g_FadeQuad.v[0].diffuse, 0xFF000000u);
}

TEST_F(InGame, ActionKeyLatchFollowsTheKeysAtTheEndOfTheFrame) {
    RunInGameFrame();
    struct Case {
        uint8_t vk;
        uint32_t pad;
        uint8_t latch;
    };
    for (Case c : {Case{VK_Z, 0, 1}, Case{VK_X, 0, 1}, Case{VK_C, 0, 1}, Case{0, PAD_Z, 1}, Case{0, PAD_X, 1},
                   Case{0, PAD_C, 1}, Case{0, PAD_SPACE, 1}, Case{VK_UP, 0, 0}, Case{VK_DOWN, PAD_DOWN, 0},
                   Case{0, 0, 0}}) {
        ReleaseKeys();
        if (c.vk) HoldKey(c.vk);
        PadFlags = c.pad;
        RunInGameFrame();
        EXPECT_EQ(KeyHeld, c.latch) << int(c.vk) << " " << c.pad;
    }
}

TEST_F(InGame, GiveUpCollapsesThenGameOverReturnsToTheTitle) {
    RunInGameFrame();
    StoryFlags[12] = 1;
    EventSteps[30] = 4;
    BossFight = 1;
    ScrollX = -500;
    HoldKey(VK_F1);
    RunInGameFrame();
    EXPECT_EQ(Hero.life, 2);
    ReleaseKeys();
    int collapse = 0;
    while (Hero.life == 2 && collapse < 100) {
        RunInGameFrame();
        ++collapse;
    }
    EXPECT_EQ(collapse, 40);
    ASSERT_EQ(Hero.life, 4);
    EXPECT_EQ(EventActive, 1);
    // The frame she dies in already runs the first darkening step.
    EXPECT_EQ(GameOverCounter, 2);
    EXPECT_EQ(g_FadeQuad.v[0].diffuse, 0x01000000u);

    // Darkening: 128 frames in all, overlay alphas 1, 3, ... 255, whatever keys are held.
    HoldKey(VK_X);
    HoldKey(VK_F1);
    for (int i = 1; i < 128; ++i) {
        RunInGameFrame();
        ASSERT_EQ(g_FadeQuad.v[0].diffuse >> 24, uint32_t(2 * i + 1)) << i;
    }
    EXPECT_EQ(GameOverCounter, 256);
    // Caption: 254 frames.
    for (int i = 0; i < 254; ++i) {
        RunInGameFrame();
        ASSERT_EQ(g_Frame, 3) << i;
    }
    EXPECT_EQ(GameOverCounter, 510);
    EXPECT_EQ(StoryFlags[12], 1);  // nothing is cleared before the end
    RunInGameFrame();              // the blank frame leaves
    EXPECT_EQ(g_Frame, 0);
    EXPECT_EQ(MapState, 0);
    EXPECT_EQ(GameOverCounter, 0);
    EXPECT_EQ(StoryFlags[12], 0);
    EXPECT_EQ(EventSteps[30], 0);
    EXPECT_EQ(BossFight, 0);
    EXPECT_EQ(Hero.life, 0);
    EXPECT_EQ(Hero.y, 288);
}

TEST_F(InGame, GiveUpIsIgnoredWhileTheMenuIsOpen) {
    RunInGameFrame();
    MenuOpen = 1;
    HoldKey(VK_F1);
    RunInGameFrame();
    EXPECT_NE(Hero.life, 2);
}

TEST_F(InGame, FallingOutOfTheMapIsDeath) {
    RunInGameFrame();
    for (int row = 0; row < 12; ++row) CollisionGrid[row][10] = 0;  // a pit under her
    int frames = 0;
    while (Hero.life != 4 && frames < 200) {
        RunInGameFrame();
        ++frames;
    }
    EXPECT_EQ(Hero.life, 4);
    EXPECT_GT(Hero.y, 540);
}

TEST_F(InGame, MapZeroStartsItsTrackOnlyOnceTheOpeningIsDone) {
    g_CurrentTrack = 5;
    RunInGameFrame();
    EXPECT_EQ(g_CurrentTrack, 5);  // the music playing goes on
    StoryFlags[0] = 1;
    MapState = 0;
    RunInGameFrame();
    EXPECT_EQ(g_CurrentTrack, 22);
    MapState = 2;  // map 1 has no track of its own
    RunInGameFrame();
    EXPECT_EQ(g_CurrentTrack, 22);
}

TEST_F(InGame, GameOverForgetsTheTrack) {
    RunInGameFrame();
    g_CurrentTrack = 16;
    Hero.life = 4;
    GameOverCounter = 510;
    RunInGameFrame();
    EXPECT_EQ(g_CurrentTrack, kTrackNone);
    EXPECT_EQ(g_Frame, 0);
}

TEST(NewGame, ResetListValues) {
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) StoryFlags[i] = EventSteps[i] = 5;
    ItemCounts[3] = 9;
    CardFlags[4] = 1;
    CollisionGrid[19][7] = 0;
    DecorGrid[16][3] = 4;
    Hero.level = 40;
    Hero.fall.jumpSpeed = -20;
    Hero.hintOption = 0;
    InnPrice = 1500;
    TransitionWait = 0;
    EventActive = 1;
    ShopActive = 1;
    flashCount = 12;
    MapState = 1001;
    ScrollX = -5000;
    SaveMenuOpen = 1;  // the title's continue choice opened the load screen
    SaveMenuStep = 2;
    ResetRunToNewGame();
    EXPECT_EQ(Hero.level, 5);
    EXPECT_EQ(Hero.hp, 1645);
    EXPECT_EQ(Hero.maxHp, 1645);
    EXPECT_EQ(Hero.attack, 230);
    EXPECT_EQ(Hero.defence, 45);
    EXPECT_EQ(Hero.money, 3000);
    EXPECT_EQ(Hero.exp, 0);
    EXPECT_EQ(Hero.gauge, 0);
    EXPECT_EQ(Hero.stamina, 0);
    EXPECT_EQ(Hero.y, 288);
    EXPECT_EQ(Hero.facing, 2);
    EXPECT_EQ(Hero.fall.vy, 0);
    EXPECT_EQ(Hero.fall.jumpSpeed, -14);
    EXPECT_EQ(Hero.fall.jumpRequest, 0);
    EXPECT_EQ(Hero.fall.onGround, 1);
    EXPECT_EQ(Hero.state, 0);
    EXPECT_EQ(Hero.life, 0);
    EXPECT_EQ(Hero.hitTimer, 0);
    EXPECT_EQ(Hero.hintOption, 1);
    EXPECT_EQ(ItemCounts[0], 10);
    for (int i = 1; i < ITEM_KINDS; ++i) EXPECT_EQ(ItemCounts[i], 0);
    for (int i = 0; i < CARD_COUNT; ++i) EXPECT_EQ(CardFlags[i], 0);
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) {
        ASSERT_EQ(StoryFlags[i], 0);
        ASSERT_EQ(EventSteps[i], 0);
    }
    EXPECT_EQ(CollisionGrid[19][7], 1);
    EXPECT_EQ(DecorGrid[16][3], 0);
    EXPECT_EQ(InnPrice, 500);
    EXPECT_EQ(TransitionWait, 3000);
    EXPECT_EQ(EventActive, 0);
    EXPECT_EQ(ShopActive, 0);
    EXPECT_EQ(flashCount, 0);
    EXPECT_EQ(MapState, 0);
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(SaveMenuOpen, 1);  // a continue goes on to its load screen
    EXPECT_EQ(SaveMenuStep, 2);
    SaveMenuOpen = 0;
    SaveMenuStep = 0;
}

TEST(HeroRecord, BeginsWithTheActorLayout) {
    Actor* asActor = &Hero;
    EXPECT_EQ(static_cast<void*>(asActor), static_cast<void*>(&Hero));
    EXPECT_LT(reinterpret_cast<char*>(&Hero.stamina), reinterpret_cast<char*>(&Hero.comboMove));
    EXPECT_EQ(sizeof(FallState), 16u);
}

TEST(MapLayers, TheFirstMapsHaveGroundToWalkOn) {
    for (int n : {0, 1, 2}) {
        const uint8_t* layers = MapLayers(n);
        ASSERT_NE(layers, nullptr) << n;
        ASSERT_NE(FindMap(n), nullptr);
        // Ground under the usual arrival at ScrollX -64 (column 12); that the way from the
        // arrivals to the exits can be walked and jumped is the map validator's test
        // (tools/maps, run over every map by ctest).
        EXPECT_NE(layers[11 * 250 + 12], 0) << n;
    }
    ASSERT_NE(MapLayers(3), nullptr);  // the end of the road, so that map 2's right edge leads somewhere
    EXPECT_EQ(FindMap(3)->exitCount, 0);
    EXPECT_EQ(MapLayers(29), nullptr);  // no map has this number
    EXPECT_EQ(FindMap(29), nullptr);
}

}  // namespace
