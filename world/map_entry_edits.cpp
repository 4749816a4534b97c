// The few maps whose cells change with the story: edits made on entry after the layers
// are copied, and map 34's switch at its right end.
#include "app/input.h"
#include "player/hero.h"
#include "world/grid.h"
#include "world/map_hooks.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"

enum : int32_t { SWITCH_SCENE = 17, SWITCH_ROW = 9, SWITCH_COLUMN = 239, SWITCH_CELL = 20 };

// Flag 12 changes one decoration cell of map 15.
void EditMap15OnEntry() {
    if (StoryFlags[12]) DecorGrid[10][85] = 11;
}

// Once the switch of map 34 is thrown, a stair climbs to the top of the screen and to the
// map's way up.
void EditMap28OnEntry() {
    if (!StoryFlags[17]) return;
    for (int step = 0; step < 8; ++step) {
        const int row = 7 - step;
        const int column = 73 - 2 * step;
        CollisionGrid[row][column] = 7;
        CollisionGrid[row][column + 1] = 7;
    }
}

// Flag 21 clears four decoration cells of map 41.
void EditMap41OnEntry() {
    if (!StoryFlags[21]) return;
    DecorGrid[9][51] = 0;
    DecorGrid[9][52] = 0;
    DecorGrid[10][51] = 0;
    DecorGrid[10][52] = 0;
}

int32_t Map34SwitchVariant() {
    if (ScrollX > -7308 || Hero.state != 0) return -1;
    const bool up = KeyDown(VK_UP) || (PadFlags & PAD_UP) != 0;
    // Once begun the scene holds the world stopped; the menu or the inn stopping it does
    // not work the switch.
    const bool sceneRuns = EventActive != 0 && MenuOpen == 0 && ShopActive == 0;
    if (!up && !sceneRuns) return -1;
    return StoryFlags[SWITCH_SCENE] ? 1 : 0;
}

void RunMap34Switch() {
    const int32_t variant = Map34SwitchVariant();
    if (variant < 0) return;
    if (RunSwitchScene(variant)) DecorGrid[SWITCH_ROW][SWITCH_COLUMN] = SWITCH_CELL;
}
