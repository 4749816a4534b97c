// The six pools of regular enemies, their spawn, one frame of one enemy, the exchange of
// blows with the heroine, and their drawing.
#pragma once
#include <cstdint>

#include "enemies/actor.h"

enum : int32_t {
    ENEMY_KINDS = 6,
    ENEMY_POOL_SIZE = 20,
    ENEMY_FALL_OUT_Y = 540,
    ENEMY_SCREEN_RIGHT = 768,  // bodies beyond these screen edges are left alone
    ENEMY_SCREEN_LEFT = -128,
    LIFE_ALIVE = 0,
    LIFE_DEFEATED = 2,
    LIFE_INACTIVE = 3,
    ENEMY_PATROL = 0,
    ENEMY_CHASE = 1,
    ENEMY_ATTACK = 2,
    ENEMY_RECOIL = 3,
    FACING_RIGHT = 2,
    FACING_LEFT = 3,
};

// Pool k - 1 holds the enemies of kind k; the count is how many slots the map's group uses.
extern Actor EnemyPools[ENEMY_KINDS][ENEMY_POOL_SIZE];
extern int32_t EnemyCounts[ENEMY_KINDS];

// The slot of that kind (1-6), or null for a kind or slot out of range.
Actor* EnemySlot(int32_t kind, int32_t slot);

// Resets one slot: inactive, with statistics for the heroine's level clamped by game level.
void SpawnEnemy(int32_t kind, Actor* a);
// One frame of one enemy (the shared steps, then its kind's behaviour).
void UpdateEnemy(int32_t kind, Actor* a);
// Draws one enemy with the enemy sheet, with its damage number while it is hurt.
void DrawEnemy(int32_t kind, Actor* a);

// The heroine's sword lands on an enemy or a boss.
void HeroHitsEnemy(Actor* hero, Actor* target);
// An enemy's or a boss's live attack touches the heroine (`hero` is her record).
void EnemyHitsHero(Actor* hero, const Actor* enemy, int32_t enemyFacing);
