// Her level-ups with the card-set bonuses, and her side of the blows enemies land.
#include "player/hero.h"

#include <initializer_list>

#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world/status_panel.h"

static bool CardsHeld(std::initializer_list<int> cards) {
    for (int c : cards) {
        if (CardFlags[c] == 0) return false;
    }
    return true;
}

void LevelUp() {
    Hero.level += 1;
    const int32_t L = Hero.level;
    Hero.maxHp = CardsHeld({2, 3, 4}) ? L * 500 : L * 329;
    Hero.attack = CardsHeld({6, 7, 8}) ? L * 50 : L * 46;
    Hero.defence = CardsHeld({0, 1, 5, 9}) ? L * 11 : L * 9;
    StartLevelUpBanner();
}

void HarmHero(int32_t enemyAttack) {
    int32_t damage = enemyAttack - Hero.defence;
    if (damage < 0) damage = 0;
    if (damage > HERO_MAX_DAMAGE) damage = HERO_MAX_DAMAGE;
    Hero.hp -= damage;
    Hero.lastDamage = damage;
    Hero.hitTimer = HERO_HURT_FRAMES;
    Hero.life = HERO_HURT;
    Hero.state = HERO_CONTROL;
}

void PushHero(float scrollDelta) {
    const float before = ScrollX;
    ScrollX += scrollDelta;
    if (TouchesSolid(&Hero.hitRect)) ScrollX = before;
}

void StartHeroClash(float sparkX) {
    Hero.life = HERO_RECOIL;
    Hero.effectOn[0] = 0;
    Hero.effectTimer[0] = 0;
    Hero.effectOn[3] = 1;
    Hero.effectTimer[3] = HERO_SPARK_FRAMES;
    Hero.effectX[3] = sparkX;
    Hero.effectY[3] = Hero.y;
}
