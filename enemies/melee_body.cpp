// The four-state machine of the melee kinds (1, 2, 3, 4 and 6): patrol, chase, attack and
// the recoil after a sword clash. The kinds differ only in the numbers of their table.
#include "enemies/enemies.h"
#include "enemies/enemy_bodies.h"
#include "enemies/enemy_cells.h"
#include "player/hero.h"
#include "sound/music.h"
#include "world/grid.h"

namespace {

enum : int32_t {
    SOUND_SWING = 2,
    WALK_BACK_LIMIT = 1000,
    RECOIL_LAST_COUNT = 31,
    STRIKE_ALPHA = 155,
};

bool InWallOrOverPit(Actor* a, const EnemyKind& k) {
    PlaceEnemyRect(a, k.testDy);
    return TouchesSolid(&a->hitRect) || OverPit(&a->hitRect);
}

void TurnAbout(Actor* a) {
    a->facing = a->facing == FACING_RIGHT ? FACING_LEFT : FACING_RIGHT;
}

// The walk pose of animCount; at the end of the cycle the count restarts and the pose stays.
void ShowWalkPose(Actor* a, const EnemyKind& k) {
    if (a->animCount >= k.walkEnds[k.walkPoses - 1]) {
        a->animCount = 0;
    } else {
        for (int i = 0; i < k.walkPoses; ++i) {
            if (a->animCount < k.walkEnds[i]) {
                ShowEnemyColumn(a, k, k.walkCols[i]);
                break;
            }
        }
    }
    a->animCount += 1;
    a->moveTimer += 1;
}

void Patrol(const EnemyKind& k, Actor* a, int32_t body) {
    const float step = k.patrolSpeed * FacingSign(a);
    bool overPit = false;
    if (!k.testsWhereItStands || !EnemyInWall(a, k)) {
        a->x += step;
        PlaceEnemyRect(a, k.testDy);
        overPit = OverPit(&a->hitRect);
        if (TouchesSolid(&a->hitRect) || overPit) {
            a->x -= step;
            if (k.hops) a->fall.jumpRequest = 1;
        }
    }
    ShowWalkPose(a, k);
    if (k.turnAfter != 0 && a->moveTimer > k.turnAfter) {
        a->moveTimer = 0;
        TurnAbout(a);
    } else if (k.turnsAtPit && overPit) {
        TurnAbout(a);
    }
    PlaceEnemyRect(a, 3);
    if (HeroWithin(a, k.notice[body])) {
        a->moveTimer = 0;
        a->state = ENEMY_CHASE;
    }
}

void Chase(const EnemyKind& k, Actor* a, int32_t body) {
    PlaceEnemyRect(a, 3);
    a->facing = Hero.hitRect.left <= a->hitRect.right ? FACING_LEFT : FACING_RIGHT;
    const float dir = FacingSign(a);
    a->x += k.chaseSpeed * dir;
    if (k.chaseWalksBack) {
        for (int i = 0; i < WALK_BACK_LIMIT && InWallOrOverPit(a, k); ++i) a->x -= dir;
    } else {
        PlaceEnemyRect(a, k.testDy);
        if (TouchesSolid(&a->hitRect) || (k.chaseStopsAtPit && OverPit(&a->hitRect)))
            a->x -= k.chaseSpeed * dir;
    }
    ShowWalkPose(a, k);
    PlaceEnemyRect(a, 3);
    if (HeroWithin(a, k.attackReach[body])) {
        a->effectTimer[0] = 0;
        a->state = ENEMY_ATTACK;
    } else if (HeroWithin(a, k.band)) {
        a->state = ENEMY_PATROL;
    }
}

// The strike picture: resized, given its cells and placed by the body every strike frame.
void PlaceStrike(const EnemyKind& k, Actor* a, bool second) {
    SpriteQuad* e = &a->effect[0];
    ResizeQuad(e, k.strikeWidth, k.strikeHeight, STRIKE_ALPHA);
    SetEnemyUV(e, a->facing, k.effCol, k.effRow, k.effCols, k.effRows, second);
    PlaceEnemyRect(a, 3);
    const bool right = a->facing == FACING_RIGHT;
    if (k.effAtRect) {
        const float x = right ? a->hitRect.left : a->hitRect.right + k.effLeftOffset;
        PlaceQuad(e, x, a->hitRect.top - 64);
        return;
    }
    const float cornerX = a->hitRect.left - k.insetLeft;
    const float cornerY = a->hitRect.top - k.insetTop;
    PlaceQuad(e, right ? cornerX : cornerX + k.effLeftOffset, cornerY);
}

// Forward on the first strike frame, then back out of any wall a pixel at a time.
void Lunge(const EnemyKind& k, Actor* a) {
    const float dir = FacingSign(a);
    a->x += k.lunge * dir;
    for (int i = 0; i < WALK_BACK_LIMIT && EnemyInWall(a, k); ++i) a->x -= dir;
}

void Strike(const EnemyKind& k, Actor* a, int32_t t, int32_t start, bool second) {
    if (!second && t == start && k.lunge != 0) Lunge(k, a);
    a->effectOn[0] = 1;
    PlaceStrike(k, a, second);
    if (t - start < k.swingFrames) PlayEffect(SOUND_SWING);
}

void Attack(const EnemyKind& k, Actor* a, int32_t body) {
    const AttackTimeline& tl = k.attack[body];
    const int32_t t = a->effectTimer[0];
    if (t >= tl.end) {
        a->effectTimer[0] = 1;
        a->state = ENEMY_PATROL;
        a->effectOn[0] = 0;
        return;
    }
    const bool twoStrikes = tl.strike2 != NO_FRAME;
    if (t < tl.strike1) {
        const int32_t p1 = tl.poseAt1 == NO_FRAME ? tl.strike1 : tl.poseAt1;
        const int32_t p2 = tl.poseAt2 == NO_FRAME ? tl.strike1 : tl.poseAt2;
        ShowEnemyColumn(a, k, k.windUpCols[t < p1 ? 0 : (t < p2 ? 1 : 2)]);
        a->effectOn[0] = 0;
    } else if (t < tl.strike1End) {
        ShowEnemyColumn(a, k, k.strikeCol);
        Strike(k, a, t, tl.strike1, false);
    } else if (twoStrikes && t < tl.strike2) {
        ShowEnemyColumn(a, k, k.pauseCol);
        a->effectOn[0] = 0;
    } else if (twoStrikes && t < tl.strike2End) {
        ShowEnemyColumn(a, k, k.strike2Col);
        Strike(k, a, t, tl.strike2, true);
    } else {
        ShowEnemyColumn(a, k, k.recoveryCol);
        a->effectOn[0] = 0;
    }
    a->effectTimer[0] = t + 1;
}

void Recoil(const EnemyKind& k, Actor* a) {
    ShowEnemyCell(a, k.recoil);
    if (a->recoilCount >= RECOIL_LAST_COUNT) {
        a->state = ENEMY_PATROL;
        a->recoilCount = 0;
    } else {
        a->recoilCount += 1;
    }
}

}  // namespace

void RunMeleeBody(int32_t kind, Actor* a, int32_t body) {
    const EnemyKind& k = kEnemyKinds[kind];
    switch (a->state) {
        case ENEMY_PATROL:
            Patrol(k, a, body);
            break;
        case ENEMY_CHASE:
            Chase(k, a, body);
            break;
        case ENEMY_ATTACK:
            Attack(k, a, body);
            break;
        case ENEMY_RECOIL:
            Recoil(k, a);
            break;
        default:
            a->state = ENEMY_PATROL;
            break;
    }
}
