// Game over: darken, show the caption, stop the sound, clear the story, back to the title.
#pragma once
#include <cstdint>

extern int32_t GameOverCounter;  // 0 at start and after every game over

// Called by the in-game frame on every frame while the heroine is dead.
void GameOverRun();
