// Process entry, the paced message loop, the per-frame dispatch and the fatal boxes.
#pragma once
#include <cstdint>

// Runs start-up, the loop and shutdown; gameDir null means the folder of the executable.
int GameMain(const char* gameDir);
