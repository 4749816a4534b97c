// Process entry, the paced message loop, the per-frame dispatch and the fatal boxes.
#pragma once
#include <cstdint>

// Runs start-up, the loop and shutdown; gameDir null means the folder of the executable.
// Returns the exit code of the quit message, or 0 when start-up fails.
int GameMain(const char* gameDir);

// Top-level mode, see the table in app/frame.cpp.
extern uint8_t g_Frame;
extern uint8_t g_Windowed;  // 1 = windowed, 0 = full screen
extern uint8_t g_Smooth;    // 1 = linear magnification
extern int32_t g_LoadData;  // progress mark from Save/LoadData.dat

// One frame: input, clear, the mode handler, present.
void RunFrame();
// Fatal error during play: releases everything, shows the box, then closes the program.
void FatalBox(const char* caption, const char* text);
// Fatal error of a platform object at start-up: releases everything, shows "ERROR".
void InitFailBox(const char* message);
// Releases every device object, texture slot and sound slot; safe to run twice.
void ReleaseAll();
// True once a fatal box was shown: handlers stop drawing and loading after it.
bool FatalShown();
// Forgets a shown fatal box so the shell can start again in the same process (tests).
void ClearFatalBox();
