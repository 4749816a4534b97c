// The heroine's record and globals, her reset on every map entry and her new-game values.
#include "player/hero.h"

#include "render/face.h"
#include "world/grid.h"
#include "world/status_panel.h"

HeroRecord Hero;
int32_t HitCount;
int32_t HitCountTimer;
uint8_t HitCountOn;
uint8_t special3Block;

void HeroHitRectFromBody() {
    HitRectFromQuad(&Hero.hitRect, &Hero.body, 29, 29, 31, 0);
}

int HeroFaceCell() {
    const bool full = Hero.gauge >= HERO_GAUGE_FULL;
    if (Hero.costume == 0) return full ? 2 : 1;
    if (Hero.costume == 2) return full ? 62 : 41;
    return full ? 21 : 9;
}

void SelectHeroFace() {
    SelectFaceCell(&StatusPanel.face, HeroFaceCell());
}

void ResetHero() {
    InitQuad(&Hero.digitQuad, 64, 128, 200);
    InitQuad(&Hero.body, 64, 64, 255);
    PlaceQuad(&Hero.body, HERO_SCREEN_X, HERO_GROUND_Y);
    Hero.animCount = 0;
    Hero.moveTimer = 0;
    Hero.phase = 0;
    Hero.recoilCount = 0;
    Hero.bossCountA = 0;
    for (int i = 0; i < 4; ++i) {
        InitQuad(&Hero.effect[i], 64, 64, 255);
        Hero.effectTimer[i] = 0;
        Hero.effectOn[i] = 0;
    }
    InitQuad(&Hero.effect[2], 320, 32, 255);
    PlaceQuad(&Hero.effect[2], 0, 352);
    HeroHitRectFromBody();
    Hero.state = HERO_CONTROL;
    Hero.life = HERO_NORMAL;
    Hero.hitTimer = 0;
    // Standing until her first update picks a pose, so a map entered while the world is
    // stopped does not show the whole sheet.
    ShowHeroCell(0);
    SelectHeroFace();
}

void ResetHeroForNewGame() {
    Hero.level = 5;
    Hero.hp = 1645;
    Hero.maxHp = 1645;
    Hero.attack = 230;
    Hero.defence = 45;
    Hero.money = 3000;
    Hero.exp = 0;
    Hero.gauge = 0;
    Hero.stamina = 0;
    Hero.x = HERO_SCREEN_X;
    Hero.y = HERO_GROUND_Y;
    Hero.facing = 2;
    Hero.fall.vy = 0;
    Hero.fall.jumpSpeed = -14;
    Hero.fall.jumpRequest = 0;
    Hero.fall.onGround = 1;
    Hero.state = HERO_CONTROL;
    Hero.life = HERO_NORMAL;
    Hero.hitTimer = 0;
    Hero.lastDamage = 0;
    Hero.animCount = 0;
    Hero.moveTimer = 0;
    Hero.phase = 0;
    Hero.comboMove = 0;
    Hero.specialMove = 0;
    Hero.spare = 0;
    Hero.hintOption = 1;
    Hero.pauseFlash = 0;
    special3Block = 0;
    HitCount = 0;
    HitCountTimer = 0;
    ResetHero();
}
