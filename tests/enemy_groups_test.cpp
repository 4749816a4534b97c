// The map groups: counts, placements on the maps' ground, respawn at the current level,
// map 38's empty kind-1 pool and map 157's nineteen kind-1 slots.
#include "tests/enemy_test_fixture.h"
#include "world/map_table.h"

namespace {

using Groups = EnemyField;

TEST_F(Groups, EveryGroupHasItsPlacementsInRange) {
    for (const EnemyGroup& g : kEnemyGroups) {
        int kinds = 0;
        for (int kind = 1; kind <= ENEMY_KINDS; ++kind) {
            int32_t n = 0;
            const EnemySpot* spots = EnemyGroupSpots(g.map, kind, &n);
            EXPECT_EQ(n, g.counts[kind - 1]) << "map " << g.map << " kind " << kind;
            if (n) {
                ++kinds;
                EXPECT_NE(kGroupRoutinePools[g.routine] >> (kind - 1) & 1, 0) << g.map;
            }
            for (int i = 0; i < n; ++i) {
                EXPECT_GE(spots[i].x, 600) << g.map;
                EXPECT_LE(spots[i].x, 7600) << g.map;
                EXPECT_EQ(spots[i].y % 32, 0) << g.map;
                EXPECT_GE(spots[i].y, 0) << g.map;
                EXPECT_LE(spots[i].y, 288) << g.map;
            }
        }
        EXPECT_LE(kinds, g.map >= 152 ? 6 : 4) << g.map;
    }
}

TEST_F(Groups, TheMapsWithEnemiesAreExactlyTheMapsWithGroups) {
    int withEnemies = 0;
    for (int map = 0; map < MAP_NUMBER_LIMIT; ++map) {
        const MapInfo* m = FindMap(map);
        const bool flagged = m && m->hasEnemies;
        withEnemies += flagged;
        EXPECT_EQ(flagged, FindEnemyGroup(map) != nullptr) << "map " << map;
    }
    EXPECT_EQ(withEnemies, ENEMY_GROUP_COUNT);
}

TEST_F(Groups, MapOneIsPlacedAsDesigned) {
    const EnemySpot expected[12] = {{1084, 288}, {1372, 192}, {1908, 288}, {2124, 288},
                                    {2708, 288}, {3348, 256}, {3668, 288}, {4244, 256},
                                    {4564, 256}, {6044, 288}, {6788, 224}, {7012, 224}};
    SpawnEnemyGroup(1);
    ASSERT_EQ(EnemyCounts[0], 12);
    for (int i = 0; i < 12; ++i) {
        const Actor* a = EnemySlot(1, i);
        EXPECT_FLOAT_EQ(a->x, expected[i].x) << i;
        EXPECT_FLOAT_EQ(a->y, expected[i].y) << i;
        EXPECT_EQ(a->life, LIFE_ALIVE);
    }
    for (int i = 12; i < ENEMY_POOL_SIZE; ++i) EXPECT_EQ(EnemySlot(1, i)->life, LIFE_INACTIVE) << i;
}

// Every enemy stands on ground or falls onto it: its body's two rows are free and there is
// a solid tile somewhere below it in its column.
TEST_F(Groups, PlacementsStandOnTheMapsGround) {
    int checked = 0;
    for (const EnemyGroup& g : kEnemyGroups) {
        const uint8_t* layers = MapLayers(g.map);
        if (!layers) continue;
        ++checked;
        for (int kind = 1; kind <= ENEMY_KINDS; ++kind) {
            int32_t n = 0;
            const EnemySpot* spots = EnemyGroupSpots(g.map, kind, &n);
            for (int i = 0; i < n; ++i) {
                const int col = spots[i].x / 32, row = spots[i].y / 32;
                auto solid = [&](int r) { return layers[r * GRID_COLUMNS + col] != 0; };
                EXPECT_FALSE(solid(row) || solid(row + 1))
                    << "map " << g.map << " kind " << kind << " slot " << i;
                bool ground = false;
                for (int r = row + 2; r < MAP_ROWS; ++r) ground = ground || solid(r);
                EXPECT_TRUE(ground) << "map " << g.map << " kind " << kind << " slot " << i
                                    << ": its ground has changed; run tools/enemies/place_enemies.py";
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST_F(Groups, ReenteringAMapRespawnsEveryEnemyAtHerCurrentLevel) {
    SpawnEnemyGroup(12);
    Actor* a = EnemySlot(2, 3);
    a->life = LIFE_DEFEATED;
    a->hp = 0;
    Hero.level = 9;
    SpawnEnemyGroup(12);
    EXPECT_EQ(a->life, LIFE_ALIVE);
    EXPECT_EQ(a->hp, 9 * 525);
    EXPECT_EQ(EnemySlot(1, 0)->hp, 9 * 330);
    EXPECT_EQ(EnemyCounts[0], 10);
    EXPECT_EQ(EnemyCounts[1], 7);
}

TEST_F(Groups, MapThirtyEightLeavesNoKindOneFromAnEarlierMap) {
    SpawnEnemyGroup(35);  // twenty of kind 1
    SpawnEnemyGroup(38);
    EXPECT_EQ(EnemyCounts[0], 0);
    EXPECT_EQ(EnemyCounts[1], 14);
    for (int i = 0; i < ENEMY_POOL_SIZE; ++i) EXPECT_EQ(EnemySlot(1, i)->life, LIFE_INACTIVE);
}

TEST_F(Groups, MapOneFiftySevenUsesNineteenKindOneSlots) {
    SpawnEnemyGroup(157);
    EXPECT_EQ(EnemyCounts[0], 19);
    EXPECT_EQ(EnemySlot(1, 18)->life, LIFE_ALIVE);
    EXPECT_EQ(EnemySlot(1, 19)->life, LIFE_INACTIVE);
    for (int k = 2; k <= 6; ++k) EXPECT_EQ(EnemyCounts[k - 1], 20) << k;
}

TEST_F(Groups, PoolsTheGroupDoesNotWalkAreLeftAlone) {
    SpawnEnemyGroup(152);  // every pool full
    SpawnEnemyGroup(1);    // pool 1 only
    EXPECT_EQ(EnemyCounts[0], 12);
    EXPECT_EQ(EnemyCounts[5], 20);
    EXPECT_EQ(EnemySlot(6, 0)->life, LIFE_ALIVE);
}

TEST_F(Groups, TheRunHalfSkipsBodiesFarOffScreenButNotTheThrower) {
    SpawnEnemyGroup(80);  // kinds 3, 4 and 5
    ScrollX = -20000;     // everything lies far to the left of the screen
    Actor* melee = EnemySlot(3, 0);
    Actor* thrower = EnemySlot(5, 0);
    const float y = melee->y;
    melee->y = 0;  // would fall if it were updated
    thrower->moveTimer = 50;
    RunEnemyGroup(GROUP_F);
    EXPECT_FLOAT_EQ(melee->y, 0);
    EXPECT_FLOAT_EQ(melee->hitRect.left, melee->x - 20000);  // its rectangle still follows the camera
    EXPECT_EQ(thrower->moveTimer, 50);                       // updated, but its body stops off screen
    (void)y;
}

TEST_F(Groups, AnEnemyPlacedHighDropsToTheGround) {
    Actor* a = Place(2, 400, 0, FACING_RIGHT);
    for (int f = 0; f < 60; ++f) UpdateEnemy(2, a);
    EXPECT_FLOAT_EQ(a->y, 288);
    EXPECT_EQ(a->fall.onGround, 1);
}

}  // namespace
