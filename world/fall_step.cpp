// The one gravity step shared by the heroine, the enemies, the bosses and scene figures.
#include <cmath>

#include "world/grid.h"

// Truncation toward zero that stays defined for any float a body could hold.
static float TruncSafe(float v) {
    if (!(v > -1.0e9f && v < 1.0e9f)) return v != v ? 0.0f : v;
    return static_cast<float>(static_cast<int>(v));
}

static void MoveBody(SpriteQuad* q, HitRect* r, float x0, float y, float dl, float dr, float dt, float db) {
    PlaceQuad(q, x0, y);
    HitRectFromQuad(r, q, dl, dr, dt, db);
}

void FallStep(SpriteQuad* q, HitRect* r, float* y, FallState* fall) {
    const float x0 = q->v[0].x;
    const float dl = r->left - q->v[0].x;
    const float dr = q->v[2].x - r->right;
    const float dt = r->top - q->v[0].y;
    const float db = q->v[2].y - r->bottom;

    if (fall->jumpRequest != 0 && fall->onGround != 0) {
        fall->onGround = 0;
        fall->vy = fall->jumpSpeed;
    }
    fall->vy += 1;
    if (fall->vy > 10) fall->vy = 10;
    *y += std::floor(fall->vy);
    MoveBody(q, r, x0, *y, dl, dr, dt, db);

    if (TouchesSolid(r)) {
        if (fall->vy > 0) {
            // Falling: back up to the grid line at or above y - 1.
            *y = TruncSafe((*y - 1) * 0.03125f) * 32;
        } else {
            // Rising or still: down to the grid line at or below y + 31.
            *y = TruncSafe(TruncSafe(*y + 31) / 32) * 32;
        }
        fall->onGround = 1;
        fall->vy = 0;
    } else {
        fall->onGround = 0;
    }
    MoveBody(q, r, x0, *y, dl, dr, dt, db);
}
