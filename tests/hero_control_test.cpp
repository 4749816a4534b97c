// The heroine's frame outside her sword moves: jumping, the guard, walking pictures,
// stamina, and the hurt, collapse, recoil and fall-out states.
#include "hero_test_world.h"

namespace {

class HeroControl : public HeroWorld {};

TEST_F(HeroControl, AJumpRisesNinetyOnePixelsInThirteenFramesAndHeldCJumpsOnce) {
    int takeoffs = 0;
    float top = Hero.y;
    int topFrame = 0;
    for (int f = 1; f <= 60; ++f) {
        const int32_t wasOnGround = Hero.fall.onGround;
        Frame({VK_C});
        if (wasOnGround && !Hero.fall.onGround) ++takeoffs;
        if (Hero.y < top) {
            top = Hero.y;
            topFrame = f;
        }
    }
    EXPECT_EQ(takeoffs, 1);
    EXPECT_EQ(top, 288 - 91);
    EXPECT_EQ(topFrame, 13);
    EXPECT_EQ(Hero.y, 288);
    EXPECT_EQ(Hero.fall.onGround, 1);

    Frame();  // C let go for one frame: the next press jumps again
    Frame({VK_C});
    EXPECT_EQ(Hero.fall.onGround, 0);
    EXPECT_LT(Hero.y, 288);
}

TEST_F(HeroControl, ACeilingStopsTheJumpAndAFreshPressThereJumpsAgain) {
    for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[7][c] = 1;  // y 224-256
    Frame({VK_C});
    int frames = 1;
    while (Hero.fall.onGround == 0 && frames < 20) {
        Frame();
        ++frames;
    }
    ASSERT_EQ(Hero.fall.onGround, 1) << "the ceiling counts as ground";
    EXPECT_EQ(Hero.fall.vy, 0);
    EXPECT_EQ(Hero.y, 224);

    HeroRecord atCeiling = Hero;
    Frame();  // no press: she drops away from the ceiling
    EXPECT_EQ(Hero.y, 225);
    EXPECT_EQ(Hero.fall.onGround, 0);

    Hero = atCeiling;
    Frame({VK_C});  // a fresh press: a new jump from the ceiling, which holds her there
    EXPECT_EQ(Hero.y, 224);
    EXPECT_EQ(Hero.fall.onGround, 1);
}

TEST_F(HeroControl, GuardCostsStaminaEndsOnReleaseAndJumpsHighFromLevelTwenty) {
    SetLevel(20);
    Frame({VK_DOWN});
    ASSERT_EQ(Hero.state, HERO_GUARD);
    const int32_t stamina = Hero.stamina;
    Frames(5, {VK_DOWN});
    EXPECT_EQ(Hero.stamina, stamina - 5);
    EXPECT_EQ(Hero.state, HERO_GUARD);

    Frame({VK_DOWN, VK_C});
    EXPECT_EQ(Hero.state, HERO_CONTROL);
    float top = Hero.y;
    for (int f = 0; f < 40; ++f) {
        Frame();
        if (Hero.y < top) top = Hero.y;
    }
    EXPECT_EQ(top, 288 - 190);

    Frame({VK_DOWN});
    ASSERT_EQ(Hero.state, HERO_GUARD);
    Frame();
    EXPECT_EQ(Hero.state, HERO_CONTROL) << "letting go of Down ends the guard";
}

TEST_F(HeroControl, GuardBelowLevelTwentyIgnoresCAndEmptyStaminaEndsIt) {
    SetLevel(19);
    Frame({VK_DOWN});
    ASSERT_EQ(Hero.state, HERO_GUARD);
    Frame({VK_DOWN, VK_C});
    EXPECT_EQ(Hero.state, HERO_GUARD);
    EXPECT_EQ(Hero.y, 288);
    Hero.stamina = 1;
    Frame({VK_DOWN});
    EXPECT_EQ(Hero.stamina, 0);
    EXPECT_EQ(Hero.state, HERO_CONTROL);
}

TEST_F(HeroControl, MovesStartOnlyOnAFreshPressWithStaminaAboveTen) {
    struct Case {
        uint8_t key;
        int32_t stamina;
        uint8_t keyHeld;
        int32_t state;
    } cases[] = {
        {VK_Z, 11, 0, HERO_COMBO},    {VK_Z, 10, 0, HERO_CONTROL},    {VK_Z, 50, 1, HERO_CONTROL},
        {VK_DOWN, 11, 0, HERO_GUARD}, {VK_DOWN, 10, 0, HERO_CONTROL}, {VK_DOWN, 50, 1, HERO_CONTROL},
    };
    for (const Case& c : cases) {
        ResetHero();
        Hero.stamina = c.stamina;
        ReleaseKeys();
        HoldKey(c.key);
        KeyHeld = c.keyHeld;
        UpdateHero();
        EXPECT_EQ(Hero.state, c.state) << "key " << int(c.key) << " stamina " << c.stamina;
    }
}

TEST_F(HeroControl, StaminaFillsToTenTimesTheLevel) {
    struct Case {
        int32_t level, stamina, after;
    } cases[] = {
        {5, 0, 1},      {5, 49, 50},       {5, 50, 50},       {5, 200, 150},  // cap 150 up to level 15
        {15, 149, 150}, {16, 170, 160},    {59, 100, 101},    {60, 100, 103}, {90, 899, 900},
        {90, 100, 104}, {200, 1990, 1997}, {200, 1998, 2000}, {200, -5, 2},
    };
    for (const Case& c : cases) {
        ResetHero();
        Hero.level = c.level;
        Hero.stamina = c.stamina;
        Frame();
        EXPECT_EQ(Hero.stamina, c.after) << "level " << c.level << " from " << c.stamina;
    }
}

TEST_F(HeroControl, WalkingTurnsHerAndCyclesFourCellsOfTenFrames) {
    const float cellW = 1 / 8.0f;
    Frames(2, {VK_LEFT});  // the turn shows from the frame after it
    EXPECT_EQ(Hero.facing, 3);
    EXPECT_GT(Hero.body.v[0].u, Hero.body.v[1].u) << "facing left mirrors the cell";
    Frame({VK_RIGHT});
    Hero.animCount = 0;
    float firstU[40];
    for (int f = 0; f < 40; ++f) {
        Frame({VK_RIGHT});
        firstU[f] = Hero.body.v[0].u;
    }
    EXPECT_EQ(Hero.facing, 2);
    EXPECT_NEAR(firstU[0], 0.001f, 1e-5);               // standing
    EXPECT_NEAR(firstU[10], cellW + 0.001f, 1e-5);      // step
    EXPECT_NEAR(firstU[20], 0.001f, 1e-5);              // standing
    EXPECT_NEAR(firstU[30], 2 * cellW + 0.001f, 1e-5);  // the other step
    EXPECT_EQ(firstU[9], firstU[0]);
    Frame({VK_RIGHT});
    EXPECT_EQ(Hero.animCount, 1) << "the cycle restarts after 40 frames";
    Frame({VK_LEFT, VK_RIGHT});
    EXPECT_EQ(Hero.facing, 2) << "both arrows: she stands as she was";
}

TEST_F(HeroControl, HurtHangsInTheAirForItsTenFramesUnlessCIsHeldFromLevelTwenty) {
    struct Case {
        int32_t level;
        bool holdC;
        int hangFrames;  // updates with her height unchanged and still hurt
    } cases[] = {{10, false, 10}, {19, true, 10}, {20, false, 10}, {20, true, 0}};
    for (const Case& c : cases) {
        SetUp();
        SetLevel(c.level);
        PlaceHero(100);
        Hero.fall.onGround = 0;
        Hero.fall.vy = 3;
        HarmHero(Hero.defence + 50);
        EXPECT_EQ(Hero.life, HERO_HURT);
        EXPECT_EQ(Hero.lastDamage, 50);
        int hang = 0;
        while (Hero.life == HERO_HURT && hang < 40) {
            const float before = Hero.y;
            if (c.holdC) {
                Frame({VK_C});
            } else {
                Frame();
            }
            if (Hero.y != before) break;
            ++hang;
        }
        EXPECT_EQ(hang, c.hangFrames) << "level " << c.level;
        if (c.holdC && c.level >= 20) continue;
        EXPECT_EQ(Hero.life, HERO_NORMAL);
        EXPECT_EQ(Hero.hitTimer, 0);
        Frame();
        EXPECT_GT(Hero.y, 100) << "then she falls";
    }
}

TEST_F(HeroControl, HeldCAtLevelTwentyShakesOffAHurtTwiceAsFast) {
    SetLevel(20);
    HarmHero(Hero.defence + 1);
    Frames(4, {VK_C});
    EXPECT_EQ(Hero.hitTimer, 2);
    EXPECT_EQ(Hero.life, HERO_HURT);
    Frame({VK_C});
    EXPECT_EQ(Hero.hitTimer, 0);
    EXPECT_EQ(Hero.life, HERO_NORMAL);
}

TEST_F(HeroControl, AHitBreaksOffTheMoveAndTheHurtEndClearsIt) {
    Frame({VK_Z});
    Frames(40, {VK_Z});
    ASSERT_EQ(Hero.state, HERO_COMBO);
    ASSERT_EQ(Hero.effectOn[0], 1);
    HarmHero(0);
    EXPECT_EQ(Hero.state, HERO_CONTROL);
    EXPECT_EQ(Hero.lastDamage, 0) << "defence above the attack costs nothing";
    Frames(10);
    EXPECT_EQ(Hero.life, HERO_NORMAL);
    EXPECT_EQ(Hero.effectOn[0], 0);
    EXPECT_EQ(Hero.effectTimer[0], 0);
}

TEST_F(HeroControl, DamageIsCappedAtNineThousandNineHundredNinetyNine) {
    Hero.hp = 20000;
    HarmHero(Hero.defence + 50000);
    EXPECT_EQ(Hero.lastDamage, 9999);
    EXPECT_EQ(Hero.hp, 20000 - 9999);
}

TEST_F(HeroControl, ClashRecoilPushesHerBackOnceAndLastsThirtyTwoFrames) {
    Hero.facing = 2;
    StartHeroClash(500);
    EXPECT_EQ(Hero.effectOn[3], 1);
    EXPECT_EQ(Hero.effectTimer[3], 5);
    EXPECT_EQ(Hero.effectX[3], 500);
    int frames = 0;
    while (Hero.life == HERO_RECOIL && frames < 100) {
        Frame({VK_LEFT});  // no walking while she recoils
        ++frames;
        if (frames == 1) {
            EXPECT_EQ(ScrollX, -64 + 8);
        }
    }
    EXPECT_EQ(frames, 32);
    EXPECT_EQ(ScrollX, -56);
    EXPECT_EQ(Hero.recoilCount, 0);

    // Against a wall behind her the push is undone.
    Wall(11);  // world x 352-384, just left of her at world 385
    Hero.facing = 2;
    StartHeroClash(0);
    Frame();
    EXPECT_EQ(ScrollX, -56);
}

TEST_F(HeroControl, SpentHitPointsCollapseHerOverFortyFramesThenTheWorldStops) {
    Hero.hp = 0;
    Frame();
    EXPECT_EQ(Hero.life, HERO_COLLAPSING);
    int frames = 1;
    while (Hero.life == HERO_COLLAPSING && frames < 100) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 40);
    EXPECT_EQ(Hero.life, HERO_DEAD);
    EXPECT_EQ(EventActive, 1);
}

TEST_F(HeroControl, FallingBelowTheScreenKillsAtOnce) {
    PlaceHero(541);
    Frame();
    EXPECT_EQ(Hero.life, HERO_DEAD);
    EXPECT_EQ(EventActive, 1);
}

TEST_F(HeroControl, NothingMovesWhileTheWorldIsStopped) {
    EventActive = 1;
    Hero.attack = 1;
    Frame({VK_Z, VK_C});
    EXPECT_EQ(Hero.state, HERO_CONTROL);
    EXPECT_EQ(Hero.attack, 1);
    EXPECT_EQ(Hero.fall.jumpRequest, 0);
}

}  // namespace
