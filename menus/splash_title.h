// The timed splash and the title with its turning ring and the game-level choice.
#pragma once
#include <cstdint>

#include "render/quad.h"

enum : int32_t {
    LEVEL_EASY = 0,
    LEVEL_NORMAL = 1,
    LEVEL_HARD = 2,
    LEVEL_EXCITED_HARD = 3,
    SPLASH_LAST_COUNT = 510,
    PROGRESS_MARK_CLEARED = 777,  // cleared above Easy: the boss gallery strip exists
};

extern int32_t SplashCounter;     // frames of the splash, stops at 510
extern int32_t g_TitleAngle;      // ring angle, 0-359
extern int32_t g_TitleDir;        // 2 = counting up, 3 = counting down
extern int32_t g_GameLevel;       // 0 Easy, 1 Normal, 2 Hard?, 3 ExcitedHard
extern int32_t TitleHardPresses;  // presses of Down while the level is 2
extern uint8_t TitleLatch;        // key latch of the title, 1 at start
extern SpriteQuad TitleStrips[3];
extern SpriteQuad TitleSidePanel;

// The title picture for a progress mark.
const char* TitlePictureFile(int32_t loadData);
// True when the ring rests at this angle (0 and 270; also 180 with the 777 mark).
bool TitleStopsAt(int32_t angle, int32_t loadData);

void PrepareSplash();
void RunSplash();
void PrepareTitle();
void RunTitle();
