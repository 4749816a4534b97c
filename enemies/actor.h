// The one record layout of every fighting body: regular enemies, bosses, the figures
// that scenes borrow, and the heroine, whose record begins with it.
#pragma once
#include <cstdint>

#include "render/quad.h"
#include "world/hit_rect.h"

// Gravity state, stepped once a frame by FallStep.
struct FallState {
    float vy;             // vertical speed, + is down
    float jumpSpeed;      // speed a jump starts with (negative is up)
    int32_t jumpRequest;  // set to ask for a jump
    int32_t onGround;
};

struct Actor {
    SpriteQuad body;       // body picture, rebuilt from hitRect each draw
    SpriteQuad effect[4];  // effect[0] is the attack; bosses use all four
    HitRect hitRect;
    TextureSlot picture;   // sheet of a boss (and the heroine); regular enemies leave it empty
    float driftX, driftY;  // drift of a free-flying boss part
    float x;               // world x of the hit rectangle's left edge
    float y;               // world y of the body
    int32_t state;         // 0 patrol, 1 chase, 2 attack, 3 recoil; bosses: own phases
    int32_t level;
    int32_t animCount;  // walk cycle
    int32_t moveTimer;  // patrol turn-around clock
    int32_t phase;      // extra boss counter
    int32_t recoilCount;
    int32_t bossCountA;
    int32_t facing;  // 2 right, 3 left
    int32_t effectDir[4];
    int32_t life;  // 0 alive, 2 defeated, 3 inactive
    int32_t bossCountB;
    int32_t effectTimer[4];  // effectTimer[0] is the attack timer
    int32_t bossCountC;
    int32_t effectOn[4];  // effect shown and harmful
    float effectX[4];     // world x of a flying effect
    float effectY[4];
    FallState fall;
    int32_t hp;
    int32_t maxHp;
    int32_t gauge;
    int32_t attack;
    int32_t defence;
    int32_t exp;
    int32_t hitTimer;  // frames of invulnerability left
    int32_t lastDamage;
    int32_t money;
    int32_t stamina;
};
