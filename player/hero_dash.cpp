// The dash out of the first slash, and the slide it shares with the guard's back-dash.
#include <cmath>

#include "app/input.h"
#include "player/hero.h"
#include "player/hero_cells.h"
#include "player/hero_moves.h"
#include "world/grid.h"
#include "world/map_state.h"

enum : int32_t {
    DASH_MOVING_FRAMES = 3,  // T 0-2 move her, 3-9 are recovery
    DASH_END = 10,
    DASH_STEPS = 16,
    DASH_STEP = 4,
};

static bool Blocked(bool pitsStop) {
    return TouchesSolid(&Hero.hitRect) || (pitsStop && OverPit(&Hero.hitRect));
}

void SlideHero(float scrollStep, int maxSteps, bool pitsStop) {
    for (int i = 0; i < maxSteps; ++i) {
        if (Blocked(pitsStop)) return;
        const float before = std::trunc(ScrollX);
        ScrollX += scrollStep;
        if (Blocked(pitsStop)) ScrollX = before;
    }
}

bool RunDash() {
    const int32_t T = Hero.effectTimer[0];
    if (T >= DASH_END) return true;
    if (T < DASH_MOVING_FRAMES) {
        const bool right = RightDown(), left = LeftDown();
        // Pits stop her only on the ground: a dash in the air passes over them.
        const bool pitsStop = Hero.fall.onGround != 0;
        if (right && !left) {
            SlideHero(-DASH_STEP, DASH_STEPS, pitsStop);
            Hero.facing = 3;
        } else if (left && !right) {
            SlideHero(DASH_STEP, DASH_STEPS, pitsStop);
            Hero.facing = 2;
        }
    }
    ShowHeroCell(CELL_DASH);
    Hero.effectTimer[0] = T + 1;
    return false;
}
