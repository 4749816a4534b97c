// The exchange of blows between the heroine and any enemy or boss: damage both ways,
// the gauge gift, the hit counter, push-back, the guard and the back-dash.
#include <cstdlib>

#include "app/input.h"
#include "enemies/enemies.h"
#include "platform/system.h"
#include "player/hero.h"
#include "sound/music.h"

namespace {

enum : int32_t {
    SOUND_HIT = 0,
    SOUND_GUARD = 1,
    ENEMY_HIT_FRAMES = 10,
    BACK_DASH_STEPS = 64,
    BACK_DASH_LEVEL = 20,
    BACK_DASH_FRAMES = 30,
    HERO_HURT_CELL = 6,  // cell (6, 0) of her sheet
};

const float kPushBack = 4;
const float kBackDashStep = 4;

// Backwards for her: facing right she moves left, which is the world moving right.
float BackwardsOf(const Actor* hero, float pixels) {
    return hero->facing == FACING_RIGHT ? pixels : -pixels;
}

}  // namespace

void HeroHitsEnemy(Actor* hero, Actor* target) {
    PlayEffect(SOUND_HIT);
    target->hitTimer = ENEMY_HIT_FRAMES;
    int32_t damage = hero->attack - target->defence;
    if (damage < 0) damage = 0;
    if (damage > HERO_MAX_DAMAGE) damage = HERO_MAX_DAMAGE;
    target->hp -= damage;
    target->lastDamage = damage;
    const int32_t r = static_cast<int32_t>((sys_TimeMs() + static_cast<uint32_t>(rand())) % 3u);
    // Her level is 1 or more in play; a record without one must not divide by zero.
    const int32_t level = hero->level > 0 ? hero->level : 1;
    hero->gauge += target->gauge / level - r;
    if (hero->gauge > HERO_GAUGE_FULL) hero->gauge = HERO_GAUGE_FULL;
    if (HitCountOn) {
        HitCount += 1;
        HitCountTimer = HIT_COUNT_FRAMES;
    }
}

void EnemyHitsHero(Actor* hero, const Actor* enemy, int32_t enemyFacing) {
    if (hero->state != HERO_GUARD) {
        PlayEffect(SOUND_HIT);
        HarmHero(enemy->attack);
        PushHero(BackwardsOf(hero, kPushBack));
        return;
    }
    // Guarded: no hit points lost and no invulnerability, only stamina and a push.
    PlayEffect(SOUND_GUARD);
    hero->facing = enemyFacing == FACING_RIGHT ? FACING_LEFT : FACING_RIGHT;
    PushHero(BackwardsOf(hero, kPushBack));
    hero->stamina -= 2;
    const bool z = KeyDown(VK_Z) || (PadFlags & PAD_Z) != 0;
    if (!z || hero->level < BACK_DASH_LEVEL) return;
    // Back-dash: slide away from the enemy, still facing it, and stay untouchable a while.
    SlideHero(BackwardsOf(hero, kBackDashStep), BACK_DASH_STEPS, true);
    ShowHeroCell(HERO_HURT_CELL);
    hero->hitTimer = BACK_DASH_FRAMES;
    hero->life = HERO_HURT;
    hero->state = HERO_CONTROL;
    hero->lastDamage = 0;
}
