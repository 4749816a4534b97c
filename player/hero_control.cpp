// Her frame: the life states (hurt, collapse, clash recoil, death), control with walking,
// jumping and the start of moves, the guard, and stamina.
#include <cstdlib>

#include "player/hero.h"
#include "player/hero_cells.h"
#include "player/hero_moves.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"

namespace {

enum : int32_t {
    WALK_STEP_FRAMES = 10,
    WALK_CYCLE_FRAMES = 40,
    MOVE_STAMINA = 10,  // a move or the guard starts only above this
    HIGH_JUMP_LEVEL = 20,
    RECOIL_LAST = 31,
    RECOIL_PUSH = 8,
};
constexpr float GUARD_JUMP_SPEED = -20;

void StepFall() {
    FallStep(&Hero.body, &Hero.hitRect, &Hero.y, &Hero.fall);
}

void StartHeroMove(int32_t state) {
    Hero.effectTimer[0] = 0;
    Hero.effectOn[0] = 0;
    Hero.comboMove = 0;
    Hero.specialMove = 0;
    Hero.state = state;
}

// Four steps of ten frames: standing, step, standing, the other step.
void ShowWalkCell() {
    static const int32_t kWalkCells[4] = {CELL_STAND, CELL_WALK1, CELL_STAND, CELL_WALK2};
    if (Hero.animCount >= WALK_CYCLE_FRAMES || Hero.animCount < 0) Hero.animCount = 0;
    ShowHeroCell(kWalkCells[Hero.animCount / WALK_STEP_FRAMES]);
    Hero.animCount += 1;
}

void RegainStamina(int32_t L) {
    if (Hero.stamina < 10 * L) Hero.stamina += L < 60 ? 1 : L / 30 + 1;
    const int32_t cap = L <= 15 ? 150 : 10 * L;
    if (Hero.stamina > cap) Hero.stamina = cap;
}

void RunControl(int32_t L) {
    Hero.state = HERO_CONTROL;
    Hero.life = HERO_NORMAL;
    if (Hero.hitTimer < 0) Hero.hitTimer = 0;

    const bool right = RightDown(), left = LeftDown();
    if (right && !left) {
        ShowWalkCell();
        Hero.facing = 2;
    } else if (left && !right) {
        ShowWalkCell();
        Hero.facing = 3;
    } else {
        ShowHeroCell(CELL_STAND);
    }

    // A fresh press only: holding C jumps once.
    if (JumpDown() && KeyHeld == 0) Hero.fall.jumpRequest = 1;
    StepFall();
    if (Hero.fall.onGround == 0) ShowHeroCell(Hero.fall.vy <= 0 ? CELL_RISE : CELL_FALL);

    if (AttackDown() && KeyHeld == 0 && Hero.stamina > MOVE_STAMINA) StartHeroMove(HERO_COMBO);
    if (DownDown() && KeyHeld == 0 && Hero.stamina > MOVE_STAMINA) StartHeroMove(HERO_GUARD);
    RegainStamina(L);
}

void RunGuard(int32_t L) {
    ShowHeroCell(CELL_GUARD);
    if (Hero.stamina > 0) Hero.stamina -= 1;
    if (!DownDown() || Hero.stamina <= 0) Hero.state = HERO_CONTROL;
    // From level 20 the guard springs into a jump much higher than the normal one.
    if (JumpDown() && Hero.fall.onGround && L >= HIGH_JUMP_LEVEL) {
        Hero.fall.onGround = 0;
        Hero.fall.vy = GUARD_JUMP_SPEED;
        Hero.state = HERO_CONTROL;
    }
    StepFall();
}

void RunMoveState(int32_t L) {
    switch (Hero.state) {
        case HERO_COMBO:
            if (RunComboMove()) EndHeroMove();
            break;
        case HERO_GUARD:
            RunGuard(L);
            break;
        case HERO_SPECIAL:
            if (!Hero.pauseFlash && RunSpecial()) EndHeroMove();
            break;
        case HERO_DASH:
            if (RunDash()) EndHeroMove();
            break;
        default:
            RunControl(L);
            break;
    }
}

// Hurt: she hangs where the blow caught her, unless from level 20 she holds C, which
// lets her fall, jump and shake it off twice as fast.
void RunHurt(int32_t L) {
    if (Hero.hitTimer != 0) {
        if (JumpDown() && L >= HIGH_JUMP_LEVEL) {
            if (Hero.fall.onGround) Hero.fall.jumpRequest = 1;
            StepFall();
            Hero.hitTimer -= 1;
            if (Hero.hitTimer < 0) Hero.hitTimer = 0;
        }
        Hero.hitTimer -= 1;
        if (Hero.hitTimer < 0) Hero.hitTimer = 0;
        ShowHeroCell(CELL_HURT);
    }
    if (Hero.hitTimer == 0) {
        Hero.life = HERO_NORMAL;
        EndHeroMove();
    }
}

void RunCollapse() {
    const int32_t step = Hero.phase < 15 ? 0 : (Hero.phase < 30 ? 1 : 2);
    ShowHeroCell(CELL_COLLAPSE + step);
    StepFall();
    Hero.phase += 1;
    if (Hero.phase >= HERO_COLLAPSE_FRAMES) {
        Hero.phase = 0;
        Hero.life = HERO_DEAD;
        EventActive = 1;
    }
}

void RunRecoil() {
    if (Hero.recoilCount == 0) PushHero(Hero.facing == 2 ? RECOIL_PUSH : -RECOIL_PUSH);
    ShowHeroCell(CELL_RECOIL);
    if (Hero.recoilCount >= RECOIL_LAST) {
        Hero.life = HERO_NORMAL;
        Hero.state = HERO_CONTROL;
        Hero.recoilCount = 0;
    } else {
        Hero.recoilCount += 1;
    }
}

}  // namespace

void EndHeroMove() {
    Hero.state = HERO_CONTROL;
    Hero.comboMove = 0;
    Hero.specialMove = 0;
    Hero.effectTimer[0] = 0;
    Hero.effectOn[0] = 0;
}

void UpdateHero() {
    const int32_t L = Hero.level;
    // A level below 1 never happens in play; it must not divide by zero either.
    const int32_t r = std::rand() % (L > 0 ? 5 * L : 1);
    Hero.fall.jumpRequest = 0;
    Hero.effectOn[2] = 0;  // a move shows its hint again this frame if it still applies
    if (Hero.hp <= 0) Hero.life = HERO_COLLAPSING;
    if (Hero.y > HERO_FALL_OUT_Y) Hero.life = HERO_DEAD;
    if (EventActive) return;

    // The card bonuses to attack and defence last only until this recomputation.
    Hero.attack = 46 * L - r;
    Hero.defence = 9 * L - r;
    SelectHeroFace();

    switch (Hero.life) {
        case HERO_NORMAL:
            // A special waits out its pause with everything else of her frame.
            if (Hero.state == HERO_SPECIAL && Hero.pauseFlash) return;
            RunMoveState(L);
            break;
        case HERO_HURT:
            RunHurt(L);
            break;
        case HERO_COLLAPSING:
            RunCollapse();
            break;
        case HERO_RECOIL:
            RunRecoil();
            break;
        case HERO_DEAD:
            EventActive = 1;
            break;
        default:
            break;
    }

    if (Hero.exp >= HERO_EXP_PER_LEVEL * L && L < HERO_MAX_LEVEL) {
        Hero.exp -= HERO_EXP_PER_LEVEL * L;
        LevelUp();
    }
    HeroHitRectFromBody();
}
