// The headless backend's shared state, for its own files (the silent audio included).
#pragma once
#include <cstdint>

#include "platform/headless.h"

const HeadlessConfig& HeadlessCurrentConfig();

// Frames started so far (calls of input_GetKeyboardState).
uint32_t HeadlessFramesStarted();
// Counts a new frame: the previous one is complete first.
uint32_t HeadlessStartFrame();
// Calls the frame hook for the last started frame, once, if it has not had it yet.
void HeadlessFinishFrame();

// The script step holding frame k (1-based), or null after the script.
const HeadlessStep* HeadlessStepOfFrame(uint32_t frame);
