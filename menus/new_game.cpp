// Every game start resets the run to its new-game values; a continue then loads a slot
// over them.
#include "menus/new_game.h"

#include "player/hero.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"

void ResetRunToNewGame() {
    ResetHeroForNewGame();
    for (int i = 0; i < ITEM_KINDS; ++i) ItemCounts[i] = i == 0 ? 10 : 0;
    for (int i = 0; i < CARD_COUNT; ++i) CardFlags[i] = 0;
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) {
        StoryFlags[i] = 0;
        EventSteps[i] = 0;
    }
    ResetGrids();
    InnPrice = 500;
    TransitionWait = NEW_GAME_TRANSITION_WAIT;
    ShopActive = 0;
    ShopState = 0;
    flashCount = 0;
    EventActive = 0;
    // A new game always begins at the first map's entry with the camera at its left
    // end, also after a game over or a gallery fight left other values behind. A continue
    // sets both from the slot afterwards.
    MapState = 0;
    ScrollX = 0;
}
