// The map state machine and the flags of the in-game frame.
#pragma once
#include <cstdint>

#include "render/quad.h"

// Even 2N enters map N, odd 2N + 1 runs it; 1000 and 1001 belong to the boss gallery.
extern int32_t MapState;
// The camera: screen x = world x + ScrollX; 0 or negative in play.
extern float ScrollX;

extern uint8_t MenuOpen;        // the in-game menu has the screen
extern uint8_t SaveMenuOpen;    // the save or load screen has the screen
extern int32_t SaveMenuStep;    // 0 enter save, 1 run save, 2 enter load, 3 run load
extern int32_t ShopActive;      // inn or shop open
extern int32_t ShopState;       // 0 enter inn, 1 run inn, 2 enter shop, 3 run shop
extern uint8_t TalkSlot[10];    // talk i of the map's townsfolk is running
extern int32_t flashCount;      // frames of the pause dim shown so far
extern int32_t InnPrice;        // price of a night at the inn
extern int32_t TransitionWait;  // milliseconds a transition picture stays; 0 = none

enum : int32_t {
    MAP_STATE_GALLERY_ENTER = 1000,
    MAP_STATE_GALLERY_RUN = 1001,
    NEW_GAME_TRANSITION_WAIT = 3000,
};

// The quad of the full-screen pictures shown between maps (g_TransitionPictures).
extern SpriteQuad TransitionQuad;

// The in-game frame (TopMode 3).
void RunInGameFrame();
// Puts the heroine at screen (300, y), standing, alive, her hit rectangle rebuilt.
void PlaceHero(float y);
// Shows a picture between maps for TransitionWait milliseconds (the program waits).
void ShowTransitionPicture();
