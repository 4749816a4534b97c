// The heroine's sword moves: chains by level and keys, the first slash's wind-up, where
// each strike sits for both facings, the hint strips, the specials and the dash.
#include <vector>

#include "hero_test_world.h"
#include "player/hero_cells.h"
#include "player/hero_moves.h"
#include "tools/art/characters/hero_cells.h"
#include "tools/art/characters/hero_effects.h"

namespace {

class HeroMoves : public HeroWorld {
protected:
    // Holds the keys from control until the chain ends; the combo moves it ran, in order.
    std::vector<int32_t> Chain(std::initializer_list<uint8_t> keys, int* frames = nullptr) {
        std::vector<int32_t> moves;
        int n = 0;
        Frame(keys);
        while (Hero.state == HERO_COMBO && n < 1000) {
            if (moves.empty() || moves.back() != Hero.comboMove) moves.push_back(Hero.comboMove);
            Frame(keys);
            ++n;
        }
        if (frames) *frames = n;
        return moves;
    }
    uint8_t Alpha(const SpriteQuad& q) { return q.v[0].diffuse >> 24; }
};

TEST_F(HeroMoves, LevelNineCannotChainTheFirstSlashWhichEndsAtSixtyFive) {
    SetLevel(9);
    int frames = 0;
    EXPECT_EQ(Chain({VK_Z}, &frames), std::vector<int32_t>{0});
    EXPECT_EQ(frames, 66);  // T 0 to 64, then the frame at T 65 ends it
    EXPECT_EQ(Hero.state, HERO_CONTROL);
    Frame({VK_Z});
    EXPECT_EQ(Hero.state, HERO_CONTROL) << "a held Z starts nothing new";
}

TEST_F(HeroMoves, ChainsFollowTheKeysAndTheLevel) {
    struct Case {
        int32_t level;
        std::initializer_list<uint8_t> keys;
        std::vector<int32_t> chain;
    } cases[] = {
        {10, {VK_Z}, {0, 1}},          {40, {VK_Z}, {0, 1, 5}},
        {85, {VK_Z}, {0, 1, 5, 8}},    {85, {VK_UP, VK_Z}, {0, 6, 7, 9}},
        {54, {VK_UP, VK_Z}, {0, 6}},   {49, {VK_UP, VK_Z}, {0, 1, 5}},  // up + Z below 50 is plain Z
        {25, {VK_DOWN, VK_Z}, {0, 2}}, {35, {VK_DOWN, VK_Z}, {0, 2, 3, 4}},
        {24, {VK_DOWN, VK_Z}, {0, 1}},
    };
    for (const Case& c : cases) {
        SetUp();
        SetLevel(c.level);
        Hero.stamina = 1000;  // enough for every strike frame
        if (c.keys.size() > 1) {
            // Down alone first would start the guard: Z comes first, the arrow joins it.
            Frame({VK_Z});
            KeyHeld = 1;
        }
        std::vector<int32_t> got = Chain(c.keys);
        if (c.keys.size() > 1 && !got.empty() && got.front() != 0) got.insert(got.begin(), 0);
        EXPECT_EQ(got, c.chain) << "level " << c.level << " keys " << c.keys.size();
    }
}

TEST_F(HeroMoves, XWithAFullGaugeInMoveNinesWindowStartsSpecialTwo) {
    SetLevel(85);
    Hero.gauge = HERO_GAUGE_FULL;
    Frame({VK_Z});
    int n = 0;
    while (!(Hero.comboMove == 9 && Hero.effectTimer[0] >= 20) && n++ < 500) Frame({VK_UP, VK_Z});
    ASSERT_EQ(Hero.comboMove, 9);
    ASSERT_EQ(Hero.gauge, HERO_GAUGE_FULL) << "no X was pressed before move 9";
    Frame({VK_X});
    EXPECT_EQ(Hero.state, HERO_SPECIAL);
    EXPECT_EQ(Hero.specialMove, 2);
    EXPECT_EQ(Hero.comboMove, 0);
    EXPECT_EQ(Hero.gauge, 0);
    EXPECT_EQ(Hero.pauseFlash, 1);
}

TEST_F(HeroMoves, XNeedsAFullGaugeOtherwiseZDecides) {
    SetLevel(30);
    struct Case {
        int32_t gauge;
        int32_t state, move;
    } cases[] = {{149, HERO_COMBO, 1}, {150, HERO_SPECIAL, 0}};
    for (const Case& c : cases) {
        InMove(HERO_COMBO, 0, 50);
        Hero.gauge = c.gauge;
        Frame({VK_X, VK_Z});
        EXPECT_EQ(Hero.state, c.state) << "gauge " << c.gauge;
        EXPECT_EQ(c.state == HERO_SPECIAL ? Hero.specialMove : Hero.comboMove, c.move);
        EXPECT_EQ(Hero.effectTimer[0], 0);
    }
}

TEST_F(HeroMoves, FollowThroughWantsStaminaExceptAfterTheLowSweepAndItsCut) {
    SetLevel(40);
    struct Case {
        int32_t move, T, stamina;
        bool chains;
    } cases[] = {{0, 50, 0, false}, {0, 50, 1, true}, {2, 20, 0, true}, {3, 20, -3, true}, {1, 30, 0, false}};
    for (const Case& c : cases) {
        InMove(HERO_COMBO, c.move, c.T);
        Hero.stamina = c.stamina;
        Frame({VK_Z});
        EXPECT_EQ(Hero.comboMove != c.move, c.chains) << "move " << c.move << " stamina " << c.stamina;
    }
}

TEST_F(HeroMoves, TheFirstSlashWindsUpFasterWithLevel) {
    struct Case {
        int32_t level;
        std::vector<int32_t> timers;  // T at the start of each frame until the strike
    } cases[] = {
        {10, {0, 1, 2, 3}},
        {11, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 21}},
        {31, {0, 6, 12, 18, 24, 25}},
        {81, {0, 7, 14, 21, 23, 25, 27, 29, 31, 33}},
        {200, {0, 7, 14, 21, 24, 27, 30, 33}},
    };
    for (const Case& c : cases) {
        ResetHero();
        SetLevel(c.level);
        InMove(HERO_COMBO, 0, 0);
        std::vector<int32_t> got;
        for (size_t i = 0; i < c.timers.size(); ++i) {
            got.push_back(Hero.effectTimer[0]);
            Frame();
        }
        EXPECT_EQ(got, c.timers) << "level " << c.level;
    }
}

struct StrikeCase {
    int32_t state, move, T, facing;
    float x, y, w, h;
    int alpha;
};

TEST_F(HeroMoves, StrikesAreSizedAndPlacedForEachFacing) {
    // She stands at (300, 288): hit rectangle left 329, right 335, top 319.
    const StrikeCase cases[] = {
        {HERO_COMBO, 0, 32, 2, 324, 303, 128, 50, 100},   {HERO_COMBO, 0, 47, 3, 216, 303, 128, 50, 155},
        {HERO_COMBO, 1, 7, 2, 300, 224, 128, 128, 100},   {HERO_COMBO, 1, 19, 3, 236, 224, 128, 128, 100},
        {HERO_COMBO, 2, 4, 3, 172, 288, 256, 64, 155},    {HERO_COMBO, 3, 4, 3, 428, 256, 64, 128, 155},
        {HERO_COMBO, 3, 9, 2, 236, 256, 256, 128, 155},   {HERO_COMBO, 3, 14, 3, 172, 256, 256, 128, 155},
        {HERO_COMBO, 4, 3, 3, 268, 288, 128, 64, 100},    {HERO_COMBO, 4, 7, 2, 140, 288, 388, 64, 100},
        {HERO_COMBO, 5, 23, 3, 172, 256, 192, 128, 100},  {HERO_COMBO, 6, 4, 3, 236, 224, 192, 128, 100},
        {HERO_COMBO, 7, 0, 2, 236, 288, 256, 64, 100},    {HERO_COMBO, 7, 11, 3, 172, 288, 256, 64, 100},
        {HERO_COMBO, 8, 17, 2, 236, 224, 192, 128, 100},  {HERO_COMBO, 9, 19, 3, 108, 288, 320, 64, 100},
        {HERO_SPECIAL, 0, 0, 2, 265, 303, 320, 64, 155},  {HERO_SPECIAL, 0, 29, 3, 111, 303, 320, 64, 155},
        {HERO_SPECIAL, 1, 59, 3, 108, 288, 256, 64, 100}, {HERO_SPECIAL, 2, 99, 2, 300, 288, 256, 64, 100},
        {HERO_SPECIAL, 3, 0, 2, 236, 288, 256, 64, 100},  {HERO_SPECIAL, 3, 20, 3, 108, 288, 320, 64, 100},
        {HERO_SPECIAL, 3, 45, 3, 44, 288, 320, 64, 100},  {HERO_SPECIAL, 3, 89, 2, 172, 288, 384, 64, 100},
    };
    for (const StrikeCase& c : cases) {
        ResetHero();
        SetLevel(90);
        Hero.facing = c.facing;
        InMove(c.state, c.move, c.T);
        const int32_t stamina = Hero.stamina;
        Frame();
        const SpriteQuad& q = Hero.effect[0];
        SCOPED_TRACE(testing::Message()
                     << "state " << c.state << " move " << c.move << " T " << c.T << " facing " << c.facing);
        EXPECT_EQ(Hero.effectOn[0], 1);
        EXPECT_EQ(q.v[0].x, c.x);
        EXPECT_EQ(q.v[0].y, c.y);
        EXPECT_EQ(q.v[2].x - q.v[0].x, c.w);
        EXPECT_EQ(q.v[2].y - q.v[0].y, c.h);
        EXPECT_EQ(Alpha(q), c.alpha);
        EXPECT_EQ(c.facing == 3, q.v[0].u > q.v[1].u) << "facing left mirrors the sword";
        EXPECT_EQ(Hero.stamina, stamina - 1);
    }
}

TEST_F(HeroMoves, WindUpsAndFollowThroughsLeaveTheSwordHarmless) {
    const struct {
        int32_t move, T, facing;
    } cases[] = {{0, 31, 2}, {0, 48, 2}, {1, 6, 2}, {1, 20, 2},
                 {3, 10, 2}, {3, 15, 3}, {4, 8, 2}, {8, 18, 2}};
    for (const auto& c : cases) {
        ResetHero();
        SetLevel(9);  // nothing to chain into
        Hero.facing = c.facing;
        InMove(HERO_COMBO, c.move, c.T);
        Hero.effectOn[0] = 1;
        Frame();
        EXPECT_EQ(Hero.effectOn[0], 0) << "move " << c.move << " T " << c.T;
    }
}

TEST_F(HeroMoves, TheFirstSlashTurnsItsCellUpsideDownFromFrameThirtyFive) {
    for (int32_t T : {34, 35}) {
        InMove(HERO_COMBO, 0, T);
        Frame();
        const SpriteQuad& q = Hero.effect[0];
        EXPECT_EQ(q.v[0].v > q.v[3].v, T >= 35) << "T " << T;
    }
}

TEST_F(HeroMoves, HintStripsNameWhatTheWindowAccepts) {
    struct Case {
        int32_t move, T, level, gauge, stamina, strip;  // -1: no strip
    } cases[] = {
        {0, 50, 30, 150, 100, 3},  {0, 50, 9, 150, 100, 1}, {0, 50, 9, 0, 100, -1},
        {0, 50, 10, 0, 100, 5},    {0, 50, 25, 0, 100, 8},  {0, 50, 60, 0, 100, 7},
        {0, 50, 60, 150, 100, 4},  {0, 50, 60, 150, 0, -1}, {1, 25, 15, 150, 100, 1},
        {1, 25, 45, 150, 100, 2},  {1, 25, 45, 0, 100, 5},  {2, 20, 30, 0, 0, 5},
        {0, 20, 20, 0, 100, 0},    {0, 25, 19, 0, 100, -1}, {0, 25, 20, 0, 0, -1},
        {4, 10, 99, 150, 100, -1},
    };
    for (const Case& c : cases) {
        ResetHero();
        Hero.level = c.level;
        Hero.gauge = c.gauge;
        Hero.stamina = c.stamina;
        InMove(HERO_COMBO, c.move, c.T);
        Frame();
        SCOPED_TRACE(testing::Message()
                     << "move " << c.move << " T " << c.T << " level " << c.level << " gauge " << c.gauge);
        ASSERT_EQ(Hero.effectOn[2], c.strip >= 0 ? 1 : 0);
        if (c.strip < 0) continue;
        EXPECT_NEAR(Hero.effect[2].v[0].v, c.strip / 32.0f + 0.001f, 1e-5);
        EXPECT_NEAR(Hero.effect[2].v[3].v, (c.strip + 1) / 32.0f, 1e-5);
        EXPECT_NEAR(Hero.effect[2].v[1].u, 1.0f, 1e-5);
        EXPECT_EQ(Hero.effect[2].v[0].x, 0);
        EXPECT_EQ(Hero.effect[2].v[0].y, 352);
    }
}

TEST_F(HeroMoves, TheJumpingSlashRisesFirstAndStrikesAsItFalls) {
    SetLevel(60);
    InMove(HERO_COMBO, 5, 0);
    Frame();
    EXPECT_EQ(Hero.fall.onGround, 0);
    EXPECT_EQ(Hero.y, 288 - 9);
    int rising = 1;
    while (Hero.fall.vy < 0 && rising < 30) {
        EXPECT_EQ(Hero.effectTimer[0], 0) << "T waits while she rises";
        Frame();
        ++rising;
    }
    EXPECT_EQ(rising, 10);
    EXPECT_EQ(Hero.y, 288 - 45);
    EXPECT_EQ(Hero.effectTimer[0], 1);
}

TEST_F(HeroMoves, APendingSpecialHoldsHerWholeFrame) {
    SetLevel(30);
    InMove(HERO_COMBO, 0, 50);
    Hero.gauge = HERO_GAUGE_FULL;
    Frame({VK_X});
    ASSERT_EQ(Hero.pauseFlash, 1);
    Hero.exp = 100000;
    Frames(3);
    EXPECT_EQ(Hero.effectTimer[0], 0);
    EXPECT_EQ(Hero.level, 30) << "no level-up while the pause runs";
    Hero.pauseFlash = 0;  // the frame's 30-frame dim has ended
    Frame();
    EXPECT_EQ(Hero.effectTimer[0], 1);
    EXPECT_EQ(Hero.effectOn[0], 1);
    EXPECT_EQ(Hero.level, 31);
}

class HeroSpecialTwo : public HeroMoves {
protected:
    // Special 2 from its first frame, X held on the listed frames of T.
    void Run(int32_t pressFrom, int32_t pressTo) {
        SetLevel(90);
        StartSpecial(2);
        Hero.pauseFlash = 0;
        while (Hero.state == HERO_SPECIAL && Hero.specialMove == 2) {
            const int32_t T = Hero.effectTimer[0];
            if (T >= pressFrom && T <= pressTo) {
                Frame({VK_X});
            } else {
                Frame();
            }
        }
    }
};

TEST_F(HeroSpecialTwo, XDuringTheFlurryBlocksSpecialThree) {
    Run(50, 119);  // held from frame 50 through the whole recovery
    EXPECT_EQ(Hero.state, HERO_CONTROL) << "special 2 ran to its end without special 3";
    EXPECT_EQ(special3Block, 0);
}

TEST_F(HeroSpecialTwo, BlockedPressesInTheRecoveryDoNothing) {
    SetLevel(90);
    StartSpecial(2);
    Hero.pauseFlash = 0;
    Hero.effectTimer[0] = 99;
    Frame({VK_X});
    EXPECT_EQ(special3Block, 1);
    int frames = 0;
    while (Hero.state == HERO_SPECIAL && frames < 100) {
        Frame({VK_X});
        EXPECT_NE(Hero.specialMove, 3);
        EXPECT_EQ(Hero.effectOn[2], 0) << "no hint while blocked";
        ++frames;
    }
    EXPECT_EQ(frames, 21);  // T 100 to 119, then the frame at T 120 ends it
    EXPECT_EQ(special3Block, 0);
}

TEST_F(HeroSpecialTwo, XInTheRecoveryStartsSpecialThreeWithoutGauge) {
    Run(105, 105);
    EXPECT_EQ(Hero.state, HERO_SPECIAL);
    EXPECT_EQ(Hero.specialMove, 3);
    EXPECT_EQ(Hero.gauge, 0);
    EXPECT_EQ(Hero.pauseFlash, 1);
    EXPECT_EQ(Hero.effectTimer[0], 0);
}

TEST_F(HeroSpecialTwo, TheRecoveryShowsStripOneUntilBlocked) {
    SetLevel(90);
    StartSpecial(2);
    Hero.pauseFlash = 0;
    Hero.effectTimer[0] = 100;
    Frame();
    EXPECT_EQ(Hero.effectOn[2], 1);
    EXPECT_NEAR(Hero.effect[2].v[0].v, 1 / 32.0f + 0.001f, 1e-5);
}

TEST_F(HeroSpecialTwo, ABlockLeftByABrokenOffSpecialTwoDoesNotCarryOver) {
    special3Block = 1;  // a hit broke off the last one before its end
    Run(105, 105);
    EXPECT_EQ(Hero.specialMove, 3);
}

TEST_F(HeroMoves, SpecialsEndOnTheirLastFrame) {
    struct Case {
        int32_t special, frames;
    } cases[] = {{0, 31}, {1, 81}, {3, 96}};  // one frame past the last, at the end frame
    for (const Case& c : cases) {
        ResetHero();
        SetLevel(90);
        StartSpecial(c.special);
        Hero.pauseFlash = 0;
        int n = 0;
        while (Hero.state == HERO_SPECIAL && n < 500) {
            Frame();
            ++n;
        }
        EXPECT_EQ(n, c.frames) << "special " << c.special;
        EXPECT_EQ(Hero.specialMove, 0);
        EXPECT_EQ(Hero.effectOn[0], 0);
    }
}

class HeroDash : public HeroMoves {
protected:
    // From the first slash's dash window, right held, until the dash ends.
    void DashRight() {
        SetLevel(20);
        InMove(HERO_COMBO, 0, 20);
        Frame({VK_RIGHT});
        ASSERT_EQ(Hero.state, HERO_DASH);
        int n = 0;
        while (Hero.state == HERO_DASH && n < 50) {
            Frame({VK_RIGHT});
            ++n;
        }
        EXPECT_EQ(n, 11);
    }
};

TEST_F(HeroDash, CoversUpTo192PixelsAndTurnsHerRound) {
    DashRight();
    EXPECT_EQ(ScrollX, -64 - 192);
    EXPECT_EQ(Hero.facing, 3);
}

TEST_F(HeroDash, StopsAtAWall) {
    Wall(15);  // world x 480: her right edge (world 399) reaches it after 20 steps
    DashRight();
    EXPECT_EQ(ScrollX, -64 - 80);
    EXPECT_FALSE(TouchesSolid(&Hero.hitRect));
}

TEST_F(HeroDash, StopsAtAPitOnTheGroundButPassesOverItInTheAir) {
    for (int c = 15; c <= 17; ++c) CollisionGrid[11][c] = 0;
    DashRight();
    EXPECT_EQ(ScrollX, -64 - 80);
    EXPECT_FALSE(OverPit(&Hero.hitRect));

    SetUp();
    for (int c = 15; c <= 17; ++c) CollisionGrid[11][c] = 0;
    PlaceHero(100);
    Hero.fall.onGround = 0;
    DashRight();
    EXPECT_EQ(ScrollX, -64 - 192);
    EXPECT_EQ(Hero.y, 100) << "the dash does not fall";
}

TEST_F(HeroDash, NeedsLevelTwentyAndStaminaAndOnlyItsWindow) {
    struct Case {
        int32_t level, stamina, T;
        bool dashes;
    } cases[] = {{20, 1, 20, true},
                 {19, 100, 25, false},
                 {20, 0, 25, false},
                 {50, 100, 19, false},
                 {20, 100, 31, true}};
    for (const Case& c : cases) {
        ResetHero();
        Hero.level = c.level;
        Hero.stamina = c.stamina;
        InMove(HERO_COMBO, 0, c.T);
        Frame({VK_LEFT});
        EXPECT_EQ(Hero.state == HERO_DASH, c.dashes) << "level " << c.level << " T " << c.T;
    }
}

TEST(HeroPictures, EffectCellsAreTheOnesTheArtDrew) {
    const SheetRect art[FX_COUNT] = {
        kEffectCombo0,    kEffectCombo1,    kEffectCombo2,    kEffectCombo3a,   kEffectCombo3b,
        kEffectCombo4a,   kEffectCombo4b,   kEffectCombo5,    kEffectCombo6,    kEffectCombo7,
        kEffectCombo8,    kEffectCombo9,    kEffectSpecial0,  kEffectSpecial1,  kEffectSpecial2,
        kEffectSpecial3a, kEffectSpecial3b, kEffectSpecial3c, kEffectSpecial3d,
    };
    for (int i = 0; i < FX_COUNT; ++i) {
        EXPECT_EQ(kHeroEffectCells[i].x, art[i].x) << "effect " << i;
        EXPECT_EQ(kHeroEffectCells[i].y, art[i].y) << "effect " << i;
        EXPECT_EQ(kHeroEffectCells[i].w, art[i].w) << "effect " << i;
        EXPECT_EQ(kHeroEffectCells[i].h, art[i].h) << "effect " << i;
    }
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(SparkCell(k).x, EffectSpark(k).x);
        EXPECT_EQ(SparkCell(k).y, EffectSpark(k).y);
    }
    EXPECT_EQ(CELL_HURT, kHeroHurt);
    EXPECT_EQ(CELL_GUARD, kHeroGuard);
    EXPECT_EQ(CELL_DASH, kHeroDash);
    EXPECT_EQ(CELL_COLLAPSE, kHeroCollapse0);
    EXPECT_EQ(CELL_RECOIL, kHeroRecoil);
    EXPECT_EQ(ComboCell(7, POSE_FOLLOW), HeroComboCell(7, 2));
    EXPECT_EQ(CELL_SPECIAL0_CHARGE, kHeroSpecial0Charge);
    EXPECT_EQ(CELL_SPECIAL_CYCLE, kHeroSpecialCycle);
    EXPECT_EQ(CELL_SPECIAL3, kHeroSpecial3Base);
}

}  // namespace
