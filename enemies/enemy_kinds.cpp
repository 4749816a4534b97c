// The table of the six regular kinds.
#include "enemies/enemy_kinds.h"

#include "menus/splash_title.h"

namespace {
constexpr int16_t N = NO_FRAME;
}

// Each entry, line by line in the order of EnemyKind:
//   insets l r t b, level floor, cap, hp, attack, defence, experience, money factors, jumpSpeed, effect w h
//   patrol, chase speed, turn clock, turns at pit, hops, tests where it stands, test dy, chase stops
//     at pit, walks back; notice (Easy, Normal, ExcitedHard), attack reach (same), band,
//     push when hit, push on clash, clash walk-out step, turns on clash, lunge, swing frames
//   walk columns, walk ends, walk poses
//   row; recoil, hurt, just-hit, defeated cells; wind-up columns, strike, pause, strike 2, recovery
//   strike picture cells (col, row, cols, rows), placed from the rectangle, left offset, size
//   attack timelines (pose change 1, 2, strike 1, end, strike 2, end, end) for Easy, Normal, ExcitedHard
// clang-format off
const EnemyKind kEnemyKinds[7] = {
    {},
    // Kind 1: foot soldier. Presses against walls, runs off ledges when chasing.
    {22, 27, 3, 0, NO_LEVEL_LIMIT, 20, 330, 23, 2, 4.2, 5, 0, 32, 32,
     2, 2, 180, 0, 0, 1, 3, 0, 0, {96, 96, 256}, {32, 32, 64}, 128, 4, 8, 0, 0, 0, 1,
     {0, 1, 0, 2}, {10, 20, 30, 40}, 4,
     0, {6, 0, 1}, {6, 0, 1}, {7, 0, 1}, {7, 0, 1}, {3, 4, 4}, 5, 5, 5, 5,
     0, 1, 2, 2, 1, -96, 128, 128,
     {{60, N, 65, 74, N, N, 120}, {30, N, 35, 44, N, N, 70}, {15, N, 17, 20, N, N, 60}}},
    // Kind 2: bandit with a long blade.
    {27, 27, 3, 0, 10, 35, 525, 24, 3, 4.4, 8, -12, 32, 32,
     1, 2, 60, 0, 1, 1, 3, 1, 1, {256, 256, 256}, {128, 128, 128}, 320, 4, 8, 0, 1, 0, 1,
     {2, 3}, {10, 20}, 2,
     2, {5, 2, 1}, {6, 2, 1}, {6, 2, 1}, {7, 2, 1}, {2, 2, 2}, 4, 4, 4, 4,
     2, 1, 3, 1, 0, -128, 160, 64,
     {{N, N, 60, 70, N, N, 130}, {N, N, 30, 35, N, N, 65}, {N, N, 15, 20, N, N, 60}}},
    // Kind 3: ninja with a lunging thrust; turns only at holes.
    {27, 27, 3, 0, 25, 40, 575, 25, 7, 4.4, 8, -12, 32, 32,
     2, 3, 0, 1, 1, 1, 3, 1, 0, {256, 256, 256}, {96, 96, 96}, 320, 4, 8, 0, 1, 32, 6,
     {0, 1}, {10, 20}, 2,
     3, {6, 3, 1}, {6, 3, 1}, {6, 3, 1}, {7, 3, 1}, {2, 3, 4}, 5, 5, 5, 4,
     5, 1, 3, 1, 0, -128, 192, 64,
     {{40, 50, 60, 70, N, N, 120}, {20, 25, 30, 35, N, N, 60}, {10, 12, 15, 20, N, N, 60}}},
    // Kind 4: armoured samurai, two cuts per attack. Its rectangle reaches the floor, so it
    // tests its steps and pushes with the rectangle at y rather than y + 3.
    {24, 32, 0, 0, 35, 80, 443, 24, 8, 4.4, 8, -10, 32, 32,
     2, 4, 100, 1, 1, 0, 0, 1, 0, {160, 160, 160}, {128, 128, 128}, 228, 16, 16, 1, 1, 16, 1,
     {0, 1}, {10, 20}, 2,
     4, {0, 5, 1}, {0, 5, 1}, {0, 5, 1}, {1, 5, 1}, {2, 3, 4}, 5, 6, 7, 6,
     2, 1, 3, 1, 0, -160, 192, 64,
     {{4, 30, 40, 50, 70, 80, 140}, {2, 15, 20, 25, 35, 40, 70}, {1, 7, 10, 17, 20, 28, 60}}},
    // Kind 5: knife thrower; stands and throws (its cycle is in thrower_body.cpp). Its push
    // when hit is tested at y, as kind 4's.
    {24, 32, 0, 0, 45, 80, 443, 24, 8, 4.4, 8, 0, 64, 16,
     0, 0, 0, 0, 0, 0, 0, 0, 0, {0, 0, 0}, {0, 0, 0}, 0, 4, 0, 0, 0, 0, 1,
     {2}, {1}, 1,
     5, {6, 5, 1}, {6, 5, 1}, {6, 5, 1}, {7, 5, 1}, {2, 3, 4}, 4, 4, 4, 4,
     0, 6, 1, 1, 0, 0, 64, 16,
     {{N, N, N, N, N, N, 0}, {N, N, N, N, N, N, 0}, {N, N, N, N, N, N, 0}}},
    // Kind 6: oni with an iron club, two blows per attack.
    {24, 32, 0, 0, 45, 80, 443, 24, 8, 4.4, 8, -12, 32, 32,
     2, 2, 100, 1, 1, 0, 0, 1, 0, {160, 160, 160}, {128, 128, 128}, 228, 16, 8, 8, 1, 0, 1,
     {0, 1, 2}, {10, 20, 40}, 3,
     7, {6, 7, 1}, {6, 6, 2}, {7, 7, 1}, {7, 7, 1}, {3, 3, 3}, 4, 3, 4, 5,
     2, 1, 3, 1, 0, -160, 192, 64,
     {{N, N, 40, 50, 70, 80, 140}, {N, N, 20, 25, 35, 40, 70}, {N, N, 10, 12, 17, 20, 50}}},
};
// clang-format on

int32_t EnemyBodyOfGameLevel() {
    if (g_GameLevel == LEVEL_EASY) return BODY_EASY;
    if (g_GameLevel == LEVEL_EXCITED_HARD) return BODY_EXCITED;
    return BODY_NORMAL;
}
