// The heroine's record, her resets and a first, plain version of her frame: standing,
// turning, jumping, falling and collapsing.
#include "player/hero.h"

#include "app/input.h"
#include "render/face.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/run_state.h"
#include "world/status_panel.h"

HeroRecord Hero;
int32_t HitCount;
int32_t HitCountTimer;
uint8_t HitCountOn;
uint8_t special3Block;

int HeroFaceCell() {
    const bool full = Hero.gauge >= HERO_GAUGE_FULL;
    if (Hero.costume == 0) return full ? 2 : 1;
    if (Hero.costume == 2) return full ? 62 : 41;
    return full ? 21 : 9;
}

void SelectHeroFace() {
    SelectFaceCell(&StatusPanel.face, HeroFaceCell());
}

void HeroHitRectFromBody() {
    HitRectFromQuad(&Hero.hitRect, &Hero.body, 29, 29, 31, 0);
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
    Hero.state = 0;
    Hero.life = 0;
    Hero.hitTimer = 0;
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
    Hero.state = 0;
    Hero.life = 0;
    Hero.hitTimer = 0;
    Hero.animCount = 0;
    Hero.moveTimer = 0;
    Hero.phase = 0;
    Hero.comboMove = 0;
    Hero.specialMove = 0;
    Hero.hintOption = 1;
    Hero.pauseFlash = 0;
    ResetHero();
}

// Cell (c, r) of an 8 x 8 body sheet; facing left mirrors it.
static void ShowBodyCell(int c, int r) {
    const float l = c / 8.0f, rr = (c + 1) / 8.0f, t = r / 8.0f, b = (r + 1) / 8.0f;
    if (Hero.facing == 3) {
        SetQuadUV(&Hero.body, rr - 0.001f, l, t, b);
    } else {
        SetQuadUV(&Hero.body, l, rr, t, b);
    }
}

void UpdateHero() {
    Hero.fall.jumpRequest = 0;
    Hero.effectOn[2] = 0;
    if (Hero.hp <= 0) Hero.life = 2;
    if (Hero.y > HERO_FALL_OUT_Y) Hero.life = 4;
    if (EventActive) return;

    const bool left = KeyDown(VK_LEFT) || (PadFlags & PAD_LEFT) != 0;
    const bool right = KeyDown(VK_RIGHT) || (PadFlags & PAD_RIGHT) != 0;
    const bool jump = KeyDown(VK_C) || (PadFlags & PAD_C) != 0;
    switch (Hero.life) {
        case 0:
            // Control. The sword moves, the guard and the dash come with her moves; until
            // then only standing, turning and jumping exist.
            if (Hero.state != 0) break;
            if (Hero.hitTimer < 0) Hero.hitTimer = 0;
            if (right && !left) Hero.facing = 2;
            if (left && !right) Hero.facing = 3;
            ShowBodyCell(0, 0);
            if (jump && KeyHeld == 0) Hero.fall.jumpRequest = 1;
            FallStep(&Hero.body, &Hero.hitRect, &Hero.y, &Hero.fall);
            break;
        case 2:
            // Collapse: three cells over 40 frames, then she is dead and the world stops.
            ShowBodyCell(Hero.phase < 15 ? 1 : (Hero.phase < 30 ? 2 : 3), 1);
            FallStep(&Hero.body, &Hero.hitRect, &Hero.y, &Hero.fall);
            Hero.phase += 1;
            if (Hero.phase >= HERO_COLLAPSE_FRAMES) {
                Hero.phase = 0;
                Hero.life = 4;
                EventActive = 1;
            }
            break;
        case 4:
            EventActive = 1;
            break;
        default:
            break;
    }
    HeroHitRectFromBody();
}

void DrawHero() {
    TextureSlot* sheet = &g_HeroSheet[2];
    if (Hero.costume == 0) sheet = &g_HeroSheet[0];
    if (Hero.costume == 2) sheet = &g_HeroSheet[3];
    DrawQuad(sheet, &Hero.body);
}
