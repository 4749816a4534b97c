// The heroine's statistics: level-ups with the card sets, experience, the per-frame
// attack and defence, and the status-panel face.
#include <algorithm>

#include "hero_test_world.h"
#include "render/face.h"
#include "world/status_panel.h"

namespace {

class HeroStats : public HeroWorld {};

TEST_F(HeroStats, NewGameValues) {
    Hero.level = 77;
    Hero.hintOption = 0;
    ResetHeroForNewGame();
    EXPECT_EQ(Hero.level, 5);
    EXPECT_EQ(Hero.maxHp, 5 * 329);
    EXPECT_EQ(Hero.hp, 1645);
    EXPECT_EQ(Hero.attack, 230);
    EXPECT_EQ(Hero.defence, 45);
    EXPECT_EQ(Hero.money, 3000);
    EXPECT_EQ(Hero.fall.jumpSpeed, -14);
    EXPECT_EQ(Hero.hintOption, 1);
}

TEST_F(HeroStats, LevelUpAppliesEachCardSetOnlyWhenWhole) {
    struct Case {
        std::initializer_list<int> cards;
        int32_t maxHp, attack, defence;
    } cases[] = {
        {{}, 6 * 329, 6 * 46, 6 * 9},
        {{2, 3, 4}, 3000, 6 * 46, 6 * 9},
        {{2, 3}, 6 * 329, 6 * 46, 6 * 9},
        {{6, 7, 8}, 6 * 329, 300, 6 * 9},
        {{0, 1, 5, 9}, 6 * 329, 6 * 46, 66},
        {{0, 1, 5}, 6 * 329, 6 * 46, 6 * 9},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 3000, 300, 66},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int card : c.cards) CardFlags[card] = 1;
        StatusPanel.bannerTimer = 0;
        Hero.hp = 100;
        LevelUp();
        EXPECT_EQ(Hero.level, 6);
        EXPECT_EQ(Hero.maxHp, c.maxHp) << c.cards.size() << " cards";
        EXPECT_EQ(Hero.attack, c.attack) << c.cards.size() << " cards";
        EXPECT_EQ(Hero.defence, c.defence) << c.cards.size() << " cards";
        EXPECT_EQ(Hero.hp, 100) << "a level-up does not heal";
        EXPECT_EQ(StatusPanel.bannerTimer, 51);
    }
}

TEST_F(HeroStats, ExperienceGivesAtMostOneLevelAFrame) {
    Hero.exp = 1000;
    Frame();
    EXPECT_EQ(Hero.level, 6);
    EXPECT_EQ(Hero.exp, 230);
    Hero.exp = 923;
    Frame();
    EXPECT_EQ(Hero.level, 6) << "level 7 needs 924";
    Hero.exp = 5000;
    Frame();
    EXPECT_EQ(Hero.level, 7);
    EXPECT_EQ(Hero.exp, 5000 - 924);
    Frame();
    EXPECT_EQ(Hero.level, 8);
}

TEST_F(HeroStats, LevelTwoHundredIsTheLast) {
    SetLevel(200);
    Hero.exp = 1000000;
    Frames(3);
    EXPECT_EQ(Hero.level, 200);
    EXPECT_EQ(Hero.exp, 1000000);
}

TEST_F(HeroStats, AttackAndDefenceAreRecomputedEveryFrameWithOneRandomShare) {
    SetLevel(10);
    for (int card = 0; card < 10; ++card) CardFlags[card] = 1;
    LevelUp();
    SetLevel(10);
    int32_t lowest = 100000, highest = -1;
    for (int f = 0; f < 2000; ++f) {
        Frame();
        lowest = std::min(lowest, Hero.attack);
        highest = std::max(highest, Hero.attack);
        ASSERT_EQ(Hero.attack - Hero.defence, 460 - 90) << "the same r for both";
    }
    EXPECT_GE(lowest, 411);
    EXPECT_LE(highest, 460);
    EXPECT_LT(lowest, 420);
    EXPECT_GT(highest, 450);
}

TEST_F(HeroStats, ThePanelFaceFollowsCostumeAndFullGauge) {
    struct Case {
        int32_t costume, gauge, cell;
    } cases[] = {{0, 149, 1}, {0, 150, 2}, {1, 0, 9}, {1, 150, 21}, {2, 10, 41}, {2, 150, 62}, {7, 150, 21}};
    for (const Case& c : cases) {
        Hero.costume = c.costume;
        Hero.gauge = c.gauge;
        EXPECT_EQ(HeroFaceCell(), c.cell) << "costume " << c.costume << " gauge " << c.gauge;
    }
    // Her update puts the cell on the panel's face quad.
    Hero.costume = 2;
    Hero.gauge = 150;
    SelectFaceCell(&StatusPanel.face, 0);
    const float before = StatusPanel.face.v[0].u;
    Frame();
    SpriteQuad expected = StatusPanel.face;
    SelectFaceCell(&expected, 62);
    EXPECT_NE(StatusPanel.face.v[0].u, before);
    EXPECT_EQ(StatusPanel.face.v[0].u, expected.v[0].u);
    EXPECT_EQ(StatusPanel.face.v[0].v, expected.v[0].v);
}

}  // namespace
