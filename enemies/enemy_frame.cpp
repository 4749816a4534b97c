// One frame of one regular enemy: the steps every kind shares, then its behaviour body.
#include "enemies/enemies.h"
#include "enemies/enemy_bodies.h"
#include "enemies/enemy_cells.h"
#include "player/hero.h"
#include "sound/music.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"

namespace {

enum : int32_t {
    SOUND_CLASH = 1,
    WALK_OUT_LIMIT = 1000,
};

// The heroine's sword meets this enemy's live strike: both recoil, a spark flies.
void ClashSwords(const EnemyKind& k, Actor* a) {
    StartHeroClash(((HERO_SCREEN_X - ScrollX) + a->x) * 0.5f);
    a->state = ENEMY_RECOIL;
    a->effectOn[0] = 0;
    a->effectTimer[0] = 0;
    if (k.clashTurns) a->facing = Hero.facing == FACING_RIGHT ? FACING_LEFT : FACING_RIGHT;
    const float back = -FacingSign(a);
    a->x += back * k.pushOnClash;
    if (!EnemyInWall(a, k)) return;
    if (k.clashWalkOut == 0) {
        a->x -= back * k.pushOnClash;
        return;
    }
    for (int i = 0; i < WALK_OUT_LIMIT && EnemyInWall(a, k); ++i) a->x -= back * k.clashWalkOut;
}

// The heroine's sword lands: any attack is broken off, rewards are paid on the killing blow.
void TakeSwordHit(int32_t kind, const EnemyKind& k, Actor* a) {
    a->state = ENEMY_PATROL;
    if (kind != 5) {
        a->effectTimer[0] = 0;
        // The broken-off strike is no longer live either, so no slash lingers on screen.
        a->effectOn[0] = 0;
    }
    ShowEnemyCell(a, k.justHit);
    HeroHitsEnemy(&Hero, a);
    if (a->hp < 1) {
        Hero.exp += a->exp;
        Hero.money += a->money;
        a->life = LIFE_DEFEATED;
    }
    const float back = -FacingSign(a);
    a->x += back * k.pushWhenHit;
    if (EnemyInWall(a, k)) a->x -= back * k.pushWhenHit;
}

}  // namespace

void PlaceEnemyRect(Actor* a, float dy) {
    PlaceHitRect(&a->hitRect, a->x + ScrollX, a->y + dy);
}

float FacingSign(const Actor* a) {
    return a->facing == FACING_RIGHT ? 1.0f : -1.0f;
}

bool EnemyInWall(Actor* a, const EnemyKind& k) {
    PlaceEnemyRect(a, k.testDy);
    return TouchesSolid(&a->hitRect);
}

bool HeroWithin(const Actor* a, float d) {
    return Hero.hitRect.left <= a->hitRect.right + d && a->hitRect.left - d <= Hero.hitRect.right;
}

void UpdateEnemy(int32_t kind, Actor* a) {
    if (kind < 1 || kind > ENEMY_KINDS) return;
    const EnemyKind& k = kEnemyKinds[kind];
    PlaceEnemyRect(a, 3);
    if (a->life == LIFE_INACTIVE || EventActive) return;
    if (a->y > ENEMY_FALL_OUT_Y) {
        a->life = LIFE_INACTIVE;
        return;
    }
    // The body stands where its last drawing put it, rebuilt from the rectangle, also on
    // the first frame after a spawn: the gravity step keeps the insets it finds.
    QuadFromHitRect(&a->body, &a->hitRect, k.insetLeft, k.insetRight, k.insetTop, k.insetBottom);
    FallStep(&a->body, &a->hitRect, &a->y, &a->fall);
    if (kind >= 2) a->fall.jumpRequest = 0;
    if (kind == 5) PlaceEnemyRect(a, 3);
    if (a->life == LIFE_DEFEATED) {
        ShowEnemyCell(a, k.defeated);
        SetQuadColor(&a->body, 255, 255, 255);
        a->state = ENEMY_PATROL;
        return;
    }
    if (a->hitTimer > 0) {
        a->hitTimer -= 1;
        ShowEnemyCell(a, k.hurt);
        SetQuadColor(&a->body, 255, 155, 155);
        return;
    }
    SetQuadColor(&a->body, 255, 255, 255);

    const bool swordLive = Hero.effectOn[0] != 0;
    if (swordLive && a->effectOn[0] && QuadsOverlap(&Hero.effect[0], &a->effect[0])) {
        PlayEffect(SOUND_CLASH);
        if (kind != 5) {
            ClashSwords(k, a);
            PlaceEnemyRect(a, 3);
            return;
        }
        a->effectOn[0] = 0;
    }
    PlaceEnemyRect(a, 3);
    if (Hero.effectOn[0] && a->life == LIFE_ALIVE && QuadOverlapsRect(&Hero.effect[0], a->hitRect)) {
        TakeSwordHit(kind, k, a);
    }
    if (a->effectOn[0] && Hero.hitTimer == 0 && QuadOverlapsRect(&a->effect[0], Hero.hitRect)) {
        EnemyHitsHero(&Hero, a, a->facing);
    }
    const int32_t body = EnemyBodyOfGameLevel();
    if (kind == 5) {
        RunThrowerBody(a, body);
    } else {
        RunMeleeBody(kind, a, body);
    }
    PlaceEnemyRect(a, 3);
}
