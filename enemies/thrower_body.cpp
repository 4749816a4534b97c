// Kind 5, the thrower: it stands, faces the heroine and throws a knife on a fixed cycle.
// The knife flies on its own, even after the camera has left the thrower behind.
#include "enemies/enemies.h"
#include "enemies/enemy_bodies.h"
#include "enemies/enemy_cells.h"
#include "player/hero.h"
#include "sound/music.h"
#include "world/grid.h"
#include "world/map_state.h"

namespace {

enum : int32_t { SOUND_SWING = 2 };

// The throwing cycle of each body: pose ends (columns 2, 3 and 4 of row 5), the throw
// window [throwStart, throwEnd) and the cycle length; then the knife's flight.
struct ThrowCycle {
    int32_t pose2End, pose3End, pose4End;
    int32_t throwStart, throwEnd, cycle;
    float knifeDy, speed;
    uint8_t levelFirst;  // the knife flies level through its first 10 frames
};

const ThrowCycle kCycles[3] = {
    {100, 120, 140, 140, 160, 160, 16, 16, 0},  // Easy
    {60, 70, 110, 110, 120, 120, 16, 16, 0},    // Normal
    {40, 50, 60, 60, 65, 65, 18, 32, 1},        // ExcitedHard
};

const int32_t kFacingLimit = 70;  // faces the heroine while moveTimer is below this

void FlyKnife(Actor* a, const ThrowCycle& c) {
    if (!a->effectOn[0]) return;
    SpriteQuad* knife = &a->effect[0];
    PlaceQuad(knife, a->effectX[0] + ScrollX, a->effectY[0]);
    const int32_t flight = a->effectTimer[0];
    if (!c.levelFirst || flight > 10) a->effectY[0] += static_cast<float>(flight / 10 - 1);
    a->effectX[0] += a->effectDir[0] == FACING_RIGHT ? c.speed : -c.speed;
    if (QuadTouchesSolid(knife)) a->effectOn[0] = 0;
    PlaceQuad(knife, a->effectX[0] + ScrollX, a->effectY[0]);
    a->effectTimer[0] = flight + 1;
}

}  // namespace

void RunThrowerBody(Actor* a, int32_t body) {
    const EnemyKind& k = kEnemyKinds[5];
    const ThrowCycle& c = kCycles[body];
    FlyKnife(a, c);
    if (a->hitRect.left > ENEMY_SCREEN_RIGHT || a->hitRect.right < ENEMY_SCREEN_LEFT) return;
    if (a->moveTimer < kFacingLimit) {
        a->facing = Hero.hitRect.left <= a->hitRect.right ? FACING_LEFT : FACING_RIGHT;
    }
    const int32_t t = a->moveTimer;
    if (t >= c.cycle) {
        a->moveTimer = 0;
    } else if (t >= c.throwStart && t < c.throwEnd) {
        ShowEnemyColumn(a, k, 4);
        a->effectOn[0] = 1;
        a->effectX[0] = a->x;
        a->effectY[0] = a->y + c.knifeDy;
        a->effectDir[0] = a->facing;
        a->effectTimer[0] = 0;
        SetEnemyUV(&a->effect[0], a->facing, 0, 6, 1, 1, false);
        if (t == c.throwStart) PlayEffect(SOUND_SWING);
    } else if (t < c.pose2End) {
        ShowEnemyColumn(a, k, 2);
    } else if (t < c.pose3End) {
        ShowEnemyColumn(a, k, 3);
    } else if (t < c.pose4End) {
        ShowEnemyColumn(a, k, 4);
    }
    a->moveTimer += 1;
    PlaceEnemyRect(a, 3);
}
