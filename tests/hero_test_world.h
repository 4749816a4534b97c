// A flat test world for the heroine: a floor under the whole map (row 11), the camera at
// -64, her new-game record, and frames run with chosen keys and the action-key latch.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "app/input.h"
#include "player/hero.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world_test_device.h"

class HeroWorld : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGrids();
        for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[11][c] = 1;
        ScrollX = -64;
        EventActive = 0;
        KeyHeld = 0;
        ReleaseKeys();
        std::memset(CardFlags, 0, sizeof CardFlags);
        HitCountOn = 0;
        ResetHeroForNewGame();
        SetLevel(5);
    }
    void TearDown() override {
        ReleaseKeys();
        EventActive = 0;
        KeyHeld = 0;
    }
    void SetLevel(int32_t level) {
        Hero.level = level;
        Hero.stamina = 10 * level;
    }
    // One update with these keys down; the latch then records the action keys as the
    // in-game frame does at its end.
    void Frame(std::initializer_list<uint8_t> keys = {}) {
        ReleaseKeys();
        for (uint8_t k : keys) HoldKey(k);
        UpdateHero();
        KeyHeld = KeyDown(VK_Z) || KeyDown(VK_X) || KeyDown(VK_C) || KeyDown(VK_SPACE);
    }
    void Frames(int n, std::initializer_list<uint8_t> keys = {}) {
        for (int i = 0; i < n; ++i) Frame(keys);
    }
    // Puts her into a move at timer T, as if it had run up to there.
    void InMove(int32_t state, int32_t move, int32_t T) {
        Hero.state = state;
        if (state == HERO_SPECIAL) {
            Hero.specialMove = move;
        } else {
            Hero.comboMove = move;
        }
        Hero.effectTimer[0] = T;
    }
    // A wall of solid tiles in one column, rows 0 to 10.
    void Wall(int column) {
        for (int row = 0; row < 11; ++row) CollisionGrid[row][column] = 1;
    }
};
