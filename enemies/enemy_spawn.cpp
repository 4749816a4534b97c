// The six pools and the reset of one slot.
#include <cstdlib>

#include "enemies/enemies.h"
#include "enemies/enemy_kinds.h"
#include "menus/splash_title.h"
#include "platform/system.h"
#include "player/hero.h"
#include "world/grid.h"

// The heroine's level, raised to the kind's floor on Hard and ExcitedHard and lowered to
// its cap on Easy.
static int32_t ClampedLevel(const EnemyKind& k) {
    int32_t level = Hero.level;
    const bool hard = g_GameLevel == LEVEL_HARD || g_GameLevel == LEVEL_EXCITED_HARD;
    if (hard && k.levelFloor != NO_LEVEL_LIMIT && level < k.levelFloor) level = k.levelFloor;
    if (g_GameLevel == LEVEL_EASY && level > k.levelCap) level = k.levelCap;
    return level;
}

void SpawnEnemy(int32_t kind, Actor* a) {
    if (kind < 1 || kind > ENEMY_KINDS) return;
    const EnemyKind& k = kEnemyKinds[kind];
    InitQuad(&a->body, 64, 64, 255);
    HitRectFromQuad(&a->hitRect, &a->body, k.insetLeft, k.insetRight, k.insetTop, k.insetBottom);
    InitQuad(&a->effect[0], k.effectWidth, k.effectHeight, 200);
    a->life = LIFE_INACTIVE;
    a->facing = static_cast<int32_t>(((sys_TimeMs() + static_cast<uint32_t>(rand())) & 1u) | 2u);
    const int32_t level = ClampedLevel(k);
    a->level = level;
    a->hp = level * k.hpFactor;
    a->attack = level * k.attackFactor;
    a->defence = level * k.defenceFactor;
    a->exp = static_cast<int32_t>(level * k.expFactor);
    a->money = level * k.moneyFactor;
    a->gauge = level * 4;
    a->fall.vy = 0;
    a->fall.jumpSpeed = k.jumpSpeed;
    a->fall.jumpRequest = 0;
    a->fall.onGround = 1;
    a->hitTimer = 0;
    if (kind == 5) a->effectOn[0] = 0;
    // A fresh start for every slot: nothing of a fight in an earlier map (an attack in
    // progress, a live strike picture) carries over into the new one.
    a->state = ENEMY_PATROL;
    a->animCount = 0;
    a->moveTimer = 0;
    a->recoilCount = 0;
    a->lastDamage = 0;
    for (int i = 0; i < 4; ++i) {
        a->effectOn[i] = 0;
        a->effectTimer[i] = 0;
    }
    SetQuadColor(&a->body, 255, 255, 255);
}
