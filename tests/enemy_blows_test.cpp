// The exchange of blows: damage, invulnerability, the gauge gift, the hit counter, the
// killing blow, the sword clash, the guard and the back-dash.
#include "tests/enemy_test_fixture.h"
#include "world/status_panel.h"

namespace {

using Blows = EnemyField;

struct DamageCase {
    int32_t attack, defence, targetGauge, heroLevel, heroGauge;
    int32_t hpLoss;
    int32_t gaugeLow, gaugeHigh;  // the gauge afterwards lies in this range (r is 0 to 2)
};

TEST_F(Blows, HeroHitsEnemyTakesCappedDamageAndGivesTheGaugeGiftMinusR) {
    const DamageCase cases[] = {
        {230, 10, 20, 5, 0, 220, 2, 4},           // gift 20 / 5 = 4, minus 0 to 2
        {100, 500, 200, 5, 10, 0, 48, 50},        // defence above attack: no damage, gift still given
        {20000, 0, 0, 5, 0, 9999, -2, 0},         // damage capped at 9999
        {230, 10, 4, 5, 10, 220, 8, 10},          // gift 0: the gauge falls by up to 2
        {230, 10, 8, 5, 10, 220, 9, 11},          // gift 1: falls by up to 1
        {230, 10, 20000, 5, 100, 220, 150, 150},  // capped at a full gauge
    };
    for (const DamageCase& c : cases) {
        for (int trial = 0; trial < 20; ++trial) {
            Actor t{};
            t.hp = 50000;
            t.defence = c.defence;
            t.gauge = c.targetGauge;
            Hero.attack = c.attack;
            Hero.level = c.heroLevel;
            Hero.gauge = c.heroGauge;
            HeroHitsEnemy(&Hero, &t);
            EXPECT_EQ(t.hp, 50000 - c.hpLoss) << c.attack << " vs " << c.defence;
            EXPECT_EQ(t.lastDamage, c.hpLoss);
            EXPECT_EQ(t.hitTimer, 10);
            EXPECT_GE(Hero.gauge, c.gaugeLow) << c.targetGauge;
            EXPECT_LE(Hero.gauge, c.gaugeHigh) << c.targetGauge;
        }
    }
}

TEST_F(Blows, TheHitCounterCountsOnlyWithItsOption) {
    Actor t{};
    HeroHitsEnemy(&Hero, &t);
    EXPECT_EQ(HitCount, 0);
    HitCountOn = 1;
    HeroHitsEnemy(&Hero, &t);
    HeroHitsEnemy(&Hero, &t);
    EXPECT_EQ(HitCount, 2);
    EXPECT_EQ(HitCountTimer, 60);
}

TEST_F(Blows, TwoHitsInConsecutiveFramesLandOnce) {
    Actor* a = Place(1, 400, 288, FACING_RIGHT);
    Sword(380, 280, 128, 80);
    const int32_t hp = a->hp;
    UpdateEnemy(1, a);
    const int32_t afterFirst = a->hp;
    EXPECT_LT(afterFirst, hp);
    EXPECT_EQ(a->hitTimer, 10);
    UpdateEnemy(1, a);
    EXPECT_EQ(a->hp, afterFirst);
    EXPECT_EQ(a->hitTimer, 9);
}

struct KillCase {
    int kind;
    float push;
};

TEST_F(Blows, TheKillingBlowPushesBackAndPaysOnce) {
    for (KillCase c :
         {KillCase{1, 4}, KillCase{2, 4}, KillCase{3, 4}, KillCase{4, 16}, KillCase{5, 4}, KillCase{6, 16}}) {
        SetUp();
        Actor* a = Place(c.kind, 400, 288, FACING_LEFT);
        a->hp = 1;
        Sword(380, 280, 128, 80);
        const int32_t exp = Hero.exp, money = Hero.money;
        // Pushed back against its facing (to the right), whatever its body then does.
        UpdateEnemy(c.kind, a);
        EXPECT_EQ(a->life, LIFE_DEFEATED) << c.kind;
        EXPECT_EQ(Hero.exp, exp + a->exp) << c.kind;
        EXPECT_EQ(Hero.money, money + a->money) << c.kind;
        EXPECT_GE(a->x, 400 + c.push - 4) << c.kind;
        for (int i = 0; i < 30; ++i) UpdateEnemy(c.kind, a);
        EXPECT_EQ(Hero.exp, exp + a->exp) << c.kind;
        EXPECT_EQ(Hero.money, money + a->money) << c.kind;
        EXPECT_EQ(a->state, ENEMY_PATROL);
    }
}

TEST_F(Blows, AKillingPushIntoAWallIsUndone) {
    Actor* a = Place(4, 400, 288, FACING_LEFT);
    Wall(13);  // x 416-447: the 16-pixel push would put its rectangle into it
    a->hp = 1;
    Sword(380, 280, 128, 80);
    UpdateEnemy(4, a);
    EXPECT_EQ(a->life, LIFE_DEFEATED);
    EXPECT_FLOAT_EQ(a->x, 398);  // the push undone, then its own patrol step of 2
}

TEST_F(Blows, AHitBreaksOffTheStrikeSoNoSlashLingers) {
    Actor* a = Place(1, 400, 288, FACING_LEFT);
    a->state = ENEMY_ATTACK;
    a->effectTimer[0] = 36;
    a->effectOn[0] = 1;
    Sword(380, 300, 40, 60);  // over its body but clear of its slash above
    UpdateEnemy(1, a);
    EXPECT_EQ(a->hitTimer, 10);
    EXPECT_EQ(a->effectOn[0], 0);
    EXPECT_EQ(a->effectTimer[0], 0);
}

TEST_F(Blows, ASwordClashRecoilsBothAndSparks) {
    Actor* a = Place(2, 360, 288, FACING_LEFT);
    a->effectOn[0] = 1;
    InitQuad(&a->effect[0], 160, 64, 155);
    PlaceQuad(&a->effect[0], 200, 288);
    Sword(300, 280, 128, 50);
    Hero.facing = FACING_RIGHT;
    UpdateEnemy(2, a);
    EXPECT_EQ(Hero.life, HERO_RECOIL);
    EXPECT_EQ(Hero.effectOn[0], 0);
    EXPECT_EQ(Hero.effectOn[3], 1);
    EXPECT_EQ(Hero.effectTimer[3], 5);
    EXPECT_FLOAT_EQ(Hero.effectX[3], (300 + 360) / 2.0f);
    EXPECT_EQ(a->state, ENEMY_RECOIL);
    EXPECT_EQ(a->effectOn[0], 0);
    EXPECT_EQ(a->facing, FACING_LEFT);  // turned to face her (she faces right)
    EXPECT_FLOAT_EQ(a->x, 368);         // pushed 8 away from her
    EXPECT_EQ(a->hp, 5 * 525);          // a clash is not a hit
    Hero.effectOn[0] = 0;
    int frames = 0;
    while (a->state == ENEMY_RECOIL && frames < 100) {
        UpdateEnemy(2, a);
        ++frames;
    }
    EXPECT_EQ(frames, 32);
}

struct ClashWallCase {
    int kind;
    float start, x;
};

TEST_F(Blows, AClashPushIntoAWallIsUndoneOrWalkedOut) {
    // Facing left with a wall at x 384-415 just behind it: the push goes into the wall;
    // kinds 1 and 2 take it back, kind 4 walks out 1 px and kind 6 8 px at a time.
    for (ClashWallCase c : {ClashWallCase{1, 368, 368}, ClashWallCase{2, 368, 368},
                            ClashWallCase{4, 370, 376}, ClashWallCase{6, 370, 370}}) {
        SetUp();
        Wall(12);
        Actor* a = Place(c.kind, c.start, 288, FACING_LEFT);
        a->effectOn[0] = 1;
        InitQuad(&a->effect[0], 192, 64, 155);
        PlaceQuad(&a->effect[0], 250, 288);
        Sword(300, 280, 128, 50);
        Hero.facing = FACING_RIGHT;
        UpdateEnemy(c.kind, a);
        EXPECT_EQ(a->state, ENEMY_RECOIL) << c.kind;
        EXPECT_FLOAT_EQ(a->x, c.x) << c.kind;
    }
}

TEST_F(Blows, AnUnguardedHitHurtsAndPushesHerBack) {
    Actor e{};
    e.attack = 500;
    Hero.defence = 45;
    Hero.facing = FACING_RIGHT;
    EnemyHitsHero(&Hero, &e, FACING_LEFT);
    EXPECT_EQ(Hero.hp, 1645 - 455);
    EXPECT_EQ(Hero.lastDamage, 455);
    EXPECT_EQ(Hero.hitTimer, 10);
    EXPECT_EQ(Hero.life, HERO_HURT);
    EXPECT_FLOAT_EQ(ScrollX, 4);
    // Against a wall behind her the push is undone.
    CollisionGrid[10][11] = 1;  // x 352-383: her right edge reaches it after a 4-pixel push
    ScrollX = -16;
    Hero.facing = FACING_LEFT;
    e.attack = 0;
    EnemyHitsHero(&Hero, &e, FACING_RIGHT);
    EXPECT_FLOAT_EQ(ScrollX, -16);
    EXPECT_EQ(Hero.lastDamage, 0);
}

TEST_F(Blows, AGuardedTouchCostsStaminaAndAPushEveryFrame) {
    Actor* a = Place(1, 360, 288, FACING_LEFT);
    a->effectOn[0] = 1;
    a->state = ENEMY_RECOIL;  // keeps its slash where it is
    a->recoilCount = -1000;
    InitQuad(&a->effect[0], 128, 128, 155);
    PlaceQuad(&a->effect[0], 260, 230);
    Hero.state = HERO_GUARD;
    Hero.stamina = 50;
    Hero.facing = FACING_LEFT;
    for (int i = 1; i <= 5; ++i) {
        UpdateEnemy(1, a);
        EXPECT_EQ(Hero.hp, 1645);
        EXPECT_EQ(Hero.hitTimer, 0);
        EXPECT_EQ(Hero.stamina, 50 - 2 * i);
        EXPECT_EQ(Hero.facing, FACING_RIGHT);
        EXPECT_FLOAT_EQ(ScrollX, 4.0f * i);
        PlaceQuad(&a->effect[0], 260, 230);  // the slash stays on her
    }
}

struct BackDashCase {
    int32_t level;
    bool z;
    float scroll;
    int32_t hitTimer;
};

TEST_F(Blows, HoldingZAtLevelTwentyTurnsAGuardIntoABackDash) {
    const BackDashCase cases[] = {
        {20, true, 4 + 256, 30},
        {19, true, 4, 0},
        {20, false, 4, 0},
    };
    for (const BackDashCase& c : cases) {
        SetUp();
        Hero.level = c.level;
        Hero.state = HERO_GUARD;
        Hero.stamina = 100;
        if (c.z) KeyState[VK_Z] = 0x80;
        Actor e{};
        EnemyHitsHero(&Hero, &e, FACING_LEFT);
        EXPECT_FLOAT_EQ(ScrollX, c.scroll) << c.level << c.z;
        EXPECT_EQ(Hero.hitTimer, c.hitTimer);
        EXPECT_EQ(Hero.facing, FACING_RIGHT);
        EXPECT_EQ(Hero.stamina, 98);
        EXPECT_EQ(Hero.hp, 1645);
        EXPECT_EQ(Hero.life, c.hitTimer ? HERO_HURT : HERO_NORMAL);
    }
}

TEST_F(Blows, TheBackDashStopsAtAPit) {
    Hero.level = 30;
    Hero.state = HERO_GUARD;
    KeyState[VK_Z] = 0x80;
    // Her rectangle is at screen 329-334; a slide to the left moves the world right. A hole
    // in row 11 at world x 224-255 stops her before her left edge passes over it.
    for (int c = 7; c <= 7; ++c) CollisionGrid[11][c] = 0;
    Actor e{};
    EnemyHitsHero(&Hero, &e, FACING_LEFT);
    EXPECT_FALSE(OverPit(&Hero.hitRect));
    EXPECT_FLOAT_EQ(ScrollX, 72);  // her left edge stops at world x 257
    EXPECT_EQ(Hero.hitTimer, 30);
}

}  // namespace

namespace {

TEST_F(Blows, TheKillingBlowsExperienceRaisesHerLevelWithTheBanner) {
    Hero.level = 5;
    Hero.exp = 154 * 5 - 10;  // ten short of level 6
    StatusPanel.bannerTimer = 0;
    Actor* a = Place(1, 400, 288, FACING_LEFT);
    a->hp = 1;
    Sword(380, 280, 128, 80);
    UpdateEnemy(1, a);
    ASSERT_EQ(a->life, LIFE_DEFEATED);
    EXPECT_EQ(Hero.exp, 154 * 5 - 10 + 21);  // 5 x 4.2
    Hero.effectOn[0] = 0;
    UpdateHero();
    EXPECT_EQ(Hero.level, 6);
    EXPECT_EQ(Hero.exp, 11);
    EXPECT_EQ(StatusPanel.bannerTimer, 51);
}

}  // namespace
