// A flat stretch of floor, the heroine standing at screen x 300 and empty enemy pools.
#pragma once
#include <gtest/gtest.h>

#include <cstring>

#include "app/input.h"
#include "enemies/enemies.h"
#include "enemies/enemy_groups.h"
#include "menus/splash_title.h"
#include "player/hero.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"

class EnemyField : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGrids();
        for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[11][c] = 1;
        ScrollX = 0;
        EventActive = 0;
        g_GameLevel = LEVEL_NORMAL;
        std::memset(KeyState, 0, sizeof KeyState);
        PadFlags = 0;
        HitCountOn = 0;
        HitCount = 0;
        ResetHeroForNewGame();
        for (int k = 0; k < ENEMY_KINDS; ++k) EnemyCounts[k] = 0;
    }
    void TearDown() override {
        ResetGrids();
        g_GameLevel = LEVEL_NORMAL;
        std::memset(KeyState, 0, sizeof KeyState);
    }

    // Brings slot 0 of the kind to life at world (x, y), facing as given.
    Actor* Place(int kind, float x, float y, int facing) {
        Actor* a = EnemySlot(kind, 0);
        SpawnEnemy(kind, a);
        EnemyCounts[kind - 1] = 1;
        a->x = x;
        a->y = y;
        a->life = LIFE_ALIVE;
        a->facing = facing;
        PlaceQuad(&a->body, x, y);
        return a;
    }
    // The heroine's sword, live, covering the screen rectangle.
    void Sword(float x, float y, float w, float h) {
        InitQuad(&Hero.effect[0], w, h, 100);
        PlaceQuad(&Hero.effect[0], x, y);
        Hero.effectOn[0] = 1;
    }
    void Wall(int column, int fromRow = 0) {
        for (int r = fromRow; r < 11; ++r) CollisionGrid[r][column] = 1;
    }
    // Frames of one enemy; the heroine's invulnerability counts down as her update would.
    void Run(int kind, Actor* a, int frames) {
        for (int i = 0; i < frames; ++i) {
            UpdateEnemy(kind, a);
            if (Hero.hitTimer > 0) Hero.hitTimer -= 1;
        }
    }
};
