// The six kinds: their spawn numbers, the level clamp, movement at walls, ledges and
// holes, reach by difficulty, the attack timelines and the thrower's knife.
#include <vector>

#include "enemies/enemy_kinds.h"
#include "tests/enemy_test_fixture.h"

namespace {

using Kinds = EnemyField;

struct ClampCase {
    int kind;
    int32_t gameLevel, heroLevel, level;
};

TEST_F(Kinds, SpawnClampsTheLevelByGameLevel) {
    const ClampCase cases[] = {
        {1, LEVEL_EASY, 50, 20},     {1, LEVEL_EASY, 12, 12},           {1, LEVEL_HARD, 3, 3},
        {2, LEVEL_HARD, 5, 10},      {3, LEVEL_EXCITED_HARD, 5, 25},    {4, LEVEL_HARD, 10, 35},
        {6, LEVEL_HARD, 10, 45},     {5, LEVEL_EXCITED_HARD, 100, 100}, {5, LEVEL_EASY, 100, 80},
        {2, LEVEL_EASY, 50, 35},     {3, LEVEL_EASY, 50, 40},           {6, LEVEL_NORMAL, 10, 10},
        {4, LEVEL_NORMAL, 120, 120},
    };
    for (const ClampCase& c : cases) {
        g_GameLevel = c.gameLevel;
        Hero.level = c.heroLevel;
        Actor a{};
        SpawnEnemy(c.kind, &a);
        EXPECT_EQ(a.level, c.level) << "kind " << c.kind << " game level " << c.gameLevel;
        EXPECT_EQ(a.life, LIFE_INACTIVE);
        EXPECT_TRUE(a.facing == FACING_RIGHT || a.facing == FACING_LEFT);
    }
}

struct StatsCase {
    int kind;
    int32_t hp, attack, defence, exp, money;
    float jumpSpeed;
};

TEST_F(Kinds, SpawnStatisticsFollowTheKindsFactors) {
    Hero.level = 10;
    const StatsCase cases[] = {
        {1, 3300, 230, 20, 42, 50, 0},   {2, 5250, 240, 30, 44, 80, -12}, {3, 5750, 250, 70, 44, 80, -12},
        {4, 4430, 240, 80, 44, 80, -10}, {5, 4430, 240, 80, 44, 80, 0},   {6, 4430, 240, 80, 44, 80, -12},
    };
    for (const StatsCase& c : cases) {
        Actor a{};
        SpawnEnemy(c.kind, &a);
        EXPECT_EQ(a.hp, c.hp) << c.kind;
        EXPECT_EQ(a.attack, c.attack) << c.kind;
        EXPECT_EQ(a.defence, c.defence) << c.kind;
        EXPECT_EQ(a.exp, c.exp) << c.kind;
        EXPECT_EQ(a.money, c.money) << c.kind;
        EXPECT_EQ(a.gauge, 40) << c.kind;
        EXPECT_EQ(a.fall.jumpSpeed, c.jumpSpeed) << c.kind;
        EXPECT_EQ(a.fall.onGround, 1);
        const float w = a.hitRect.right - a.hitRect.left;
        EXPECT_FLOAT_EQ(w, 64 - kEnemyKinds[c.kind].insetLeft - kEnemyKinds[c.kind].insetRight);
    }
    // A fractional experience factor is truncated: 7 x 4.2 = 29.4.
    Hero.level = 7;
    Actor a{};
    SpawnEnemy(1, &a);
    EXPECT_EQ(a.exp, 29);
}

TEST_F(Kinds, KindOnePressesAgainstAWallUntilItsClockTurnsIt) {
    Wall(40);  // x 1280-1311
    Actor* a = Place(1, 1250, 288, FACING_RIGHT);
    int turnedAt = -1;
    for (int f = 1; f <= 400 && turnedAt < 0; ++f) {
        UpdateEnemy(1, a);
        EXPECT_LE(a->hitRect.right - ScrollX, 1280) << f;
        EXPECT_FLOAT_EQ(a->y, 288) << f;  // never hops
        if (a->facing == FACING_LEFT) turnedAt = f;
    }
    EXPECT_EQ(turnedAt, 181);
    EXPECT_FLOAT_EQ(a->x, 1264);  // stopped one step short of the wall, rectangle up to 1279
}

TEST_F(Kinds, KindsTwoToSixHopAtAWall) {
    for (int kind : {2, 3, 4, 6}) {
        SetUp();
        Wall(40, 10);  // a one-tile step at x 1280
        Actor* a = Place(kind, 1260, 288, FACING_RIGHT);
        float highest = 288;
        for (int f = 0; f < 40; ++f) {
            UpdateEnemy(kind, a);
            if (a->y < highest) highest = a->y;
        }
        EXPECT_LT(highest, 288 - 32) << kind;  // rose above the step
    }
}

TEST_F(Kinds, AKindOneChaserRunsOffALedgeAndRetiresBelow540) {
    for (int c = 5; c < GRID_COLUMNS; ++c) CollisionGrid[11][c] = 0;  // the ground ends at x 160
    Actor* a = Place(1, 0, 288, FACING_RIGHT);
    a->state = ENEMY_CHASE;
    int f = 0;
    while (a->life == LIFE_ALIVE && f < 400) {
        UpdateEnemy(1, a);
        ++f;
    }
    EXPECT_EQ(a->life, LIFE_INACTIVE);
    EXPECT_GT(a->y, 540);
    EXPECT_GT(a->x, 160);
}

TEST_F(Kinds, KindsFourAndSixHitTwicePerAttack) {
    for (int kind : {4, 6}) {
        SetUp();
        Hero.hp = 100000;
        Actor* a = Place(kind, 360, 288, FACING_LEFT);
        a->state = ENEMY_ATTACK;
        a->effectTimer[0] = 0;
        int hits = 0;
        int32_t hp = Hero.hp;
        for (int f = 0; f < 70; ++f) {
            Run(kind, a, 1);
            if (Hero.hp < hp) ++hits;
            hp = Hero.hp;
        }
        EXPECT_EQ(hits, 2) << kind;
        EXPECT_EQ(a->state, ENEMY_ATTACK);  // 70 frames: the end comes on the next one
        Run(kind, a, 1);
        EXPECT_EQ(a->state, ENEMY_PATROL) << kind;
    }
}

TEST_F(Kinds, AGuardAbsorbsEachStrikeOfKindFourSeparately) {
    Actor* a = Place(4, 360, 288, FACING_LEFT);
    a->state = ENEMY_ATTACK;
    Hero.state = HERO_GUARD;
    Hero.stamina = 1000;
    std::vector<int> touched;
    for (int f = 0; f < 70; ++f) {
        const int32_t before = Hero.stamina;
        Run(4, a, 1);
        if (Hero.stamina < before) touched.push_back(f);
    }
    EXPECT_EQ(Hero.hp, 1645);
    ASSERT_FALSE(touched.empty());
    // A strike set on attack frame t is found live from frame t + 1 (its touch is tested
    // before the body runs): the first strike touches over (20, 25], the second over (35, 40].
    EXPECT_EQ(touched.front(), 21);
    EXPECT_EQ(touched.back(), 40);
    for (int f : touched) EXPECT_TRUE((f > 20 && f <= 25) || (f > 35 && f <= 40)) << f;
}

struct Window {
    int a, b;
};
struct TimelineCase {
    int kind;
    int32_t gameLevel;
    Window strike1, strike2;
    int end;
};

TEST_F(Kinds, AttackTimelinesOpenTheirStrikeWindowsExactly) {
    const TimelineCase cases[] = {
        {1, LEVEL_EASY, {65, 74}, {0, 0}, 120},          {1, LEVEL_NORMAL, {35, 44}, {0, 0}, 70},
        {1, LEVEL_HARD, {35, 44}, {0, 0}, 70},           {1, LEVEL_EXCITED_HARD, {17, 20}, {0, 0}, 60},
        {2, LEVEL_EASY, {60, 70}, {0, 0}, 130},          {2, LEVEL_NORMAL, {30, 35}, {0, 0}, 65},
        {2, LEVEL_EXCITED_HARD, {15, 20}, {0, 0}, 60},   {3, LEVEL_EASY, {60, 70}, {0, 0}, 120},
        {3, LEVEL_NORMAL, {30, 35}, {0, 0}, 60},         {3, LEVEL_EXCITED_HARD, {15, 20}, {0, 0}, 60},
        {4, LEVEL_EASY, {40, 50}, {70, 80}, 140},        {4, LEVEL_NORMAL, {20, 25}, {35, 40}, 70},
        {4, LEVEL_EXCITED_HARD, {10, 17}, {20, 28}, 60}, {6, LEVEL_EASY, {40, 50}, {70, 80}, 140},
        {6, LEVEL_NORMAL, {20, 25}, {35, 40}, 70},       {6, LEVEL_EXCITED_HARD, {10, 12}, {17, 20}, 50},
    };
    for (const TimelineCase& c : cases) {
        SetUp();
        g_GameLevel = c.gameLevel;
        Actor* a = Place(c.kind, 3000, 288, FACING_LEFT);  // far from her: nothing lands
        a->state = ENEMY_ATTACK;
        for (int t = 0; t < c.end; ++t) {
            UpdateEnemy(c.kind, a);
            const bool live = (t >= c.strike1.a && t < c.strike1.b) || (t >= c.strike2.a && t < c.strike2.b);
            ASSERT_EQ(a->effectOn[0] != 0, live)
                << "kind " << c.kind << " level " << c.gameLevel << " t " << t;
            ASSERT_EQ(a->state, ENEMY_ATTACK);
        }
        UpdateEnemy(c.kind, a);
        EXPECT_EQ(a->state, ENEMY_PATROL) << "kind " << c.kind << " level " << c.gameLevel;
        EXPECT_EQ(a->effectOn[0], 0);
    }
}

TEST_F(Kinds, KindsThreeAndFourLungeOnTheirFirstStrikeFrame) {
    for (int kind : {3, 4}) {
        SetUp();
        Actor* a = Place(kind, 3000, 288, FACING_LEFT);
        a->state = ENEMY_ATTACK;
        const int start = kind == 3 ? 30 : 20;
        Run(kind, a, start);
        EXPECT_FLOAT_EQ(a->x, 3000) << kind;
        Run(kind, a, 1);
        EXPECT_FLOAT_EQ(a->x, kind == 3 ? 2968 : 2984) << kind;
    }
    // Into a wall: back out a pixel at a time.
    SetUp();
    Wall(92);  // x 2944-2975
    Actor* a = Place(3, 3000, 288, FACING_LEFT);
    a->state = ENEMY_ATTACK;
    Run(3, a, 31);
    EXPECT_FLOAT_EQ(a->x, 2976);
}

struct ReachCase {
    int32_t gameLevel;
    float gap;  // between her rectangle's right edge and the enemy's left edge, after its step
    int32_t fromState, toState;
};

TEST_F(Kinds, KindOneNoticesAndAttacksFartherOnExcitedHard) {
    const ReachCase cases[] = {
        {LEVEL_NORMAL, 96, ENEMY_PATROL, ENEMY_CHASE},
        {LEVEL_NORMAL, 97, ENEMY_PATROL, ENEMY_PATROL},
        {LEVEL_EXCITED_HARD, 256, ENEMY_PATROL, ENEMY_CHASE},
        {LEVEL_EXCITED_HARD, 257, ENEMY_PATROL, ENEMY_PATROL},
        {LEVEL_NORMAL, 32, ENEMY_CHASE, ENEMY_ATTACK},
        {LEVEL_NORMAL, 64, ENEMY_CHASE, ENEMY_PATROL},
        {LEVEL_EXCITED_HARD, 64, ENEMY_CHASE, ENEMY_ATTACK},
        {LEVEL_EXCITED_HARD, 65, ENEMY_CHASE, ENEMY_PATROL},
        {LEVEL_NORMAL, 300, ENEMY_CHASE, ENEMY_CHASE},  // beyond the band it keeps chasing
    };
    for (const ReachCase& c : cases) {
        SetUp();
        g_GameLevel = c.gameLevel;
        // Patrol walks away from her (+2), the chase towards her (-2).
        const float step = c.fromState == ENEMY_PATROL ? 2 : -2;
        Actor* a = Place(1, Hero.hitRect.right + c.gap - step, 288, FACING_RIGHT);
        a->state = c.fromState;
        UpdateEnemy(1, a);
        EXPECT_EQ(a->state, c.toState) << c.gameLevel << " gap " << c.gap;
    }
}

TEST_F(Kinds, AKnifeFliesOnAfterTheCameraHasLeftUntilItMeetsAWall) {
    Wall(20);  // x 640-671
    Actor* a = Place(5, 100, 288, FACING_LEFT);
    EnemyCounts[4] = 1;
    // Normal: the knife is in its hand through [110, 120) and flies from the next frame.
    for (int f = 0; f < 110; ++f) RunEnemyGroup(GROUP_F);
    EXPECT_EQ(a->effectOn[0], 0);
    for (int f = 0; f < 10; ++f) RunEnemyGroup(GROUP_F);
    EXPECT_EQ(a->effectOn[0], 1);
    EXPECT_EQ(a->facing, FACING_RIGHT);  // she stands to its right
    EXPECT_FLOAT_EQ(a->effectX[0], 100);
    EXPECT_FLOAT_EQ(a->effectY[0], 304);
    ScrollX = 1000;  // the camera has moved far to the left: the thrower is off screen
    ASSERT_GT(a->hitRect.left + 1000, ENEMY_SCREEN_RIGHT);
    float x = a->effectX[0];
    float highest = a->effectY[0];
    int flown = 0;
    while (a->effectOn[0] && flown < 100) {
        RunEnemyGroup(GROUP_F);
        if (a->effectY[0] < highest) highest = a->effectY[0];
        if (a->effectOn[0]) {
            EXPECT_FLOAT_EQ(a->effectX[0], x + 16);
        }
        x = a->effectX[0];
        ++flown;
    }
    EXPECT_EQ(a->effectOn[0], 0);
    EXPECT_GE(a->effectX[0] + 64, 640);  // it stopped at the wall
    EXPECT_LT(flown, 40);
    EXPECT_FLOAT_EQ(highest, 294);  // it rose a pixel a frame for its first 10 frames
}

TEST_F(Kinds, TheExcitedHardKnifeIsFasterAndThrownSooner) {
    g_GameLevel = LEVEL_EXCITED_HARD;
    Actor* a = Place(5, 100, 288, FACING_LEFT);
    for (int f = 0; f < 60; ++f) UpdateEnemy(5, a);
    EXPECT_EQ(a->effectOn[0], 0);
    for (int f = 0; f < 5; ++f) UpdateEnemy(5, a);
    EXPECT_EQ(a->effectOn[0], 1);
    EXPECT_FLOAT_EQ(a->effectY[0], 306);
    UpdateEnemy(5, a);
    EXPECT_FLOAT_EQ(a->effectX[0], 132);
    EXPECT_FLOAT_EQ(a->effectY[0], 306);  // level through its first frames
}

}  // namespace
