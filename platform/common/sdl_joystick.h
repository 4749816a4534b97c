// The first SDL joystick, polled each frame. Shared code so that the tests can drive it
// with SDL's virtual joysticks; the game reaches it through input.h.
#pragma once
#include "platform/input.h"

bool SdlJoystickInit();  // true when a joystick is open
// JOY_LOST when the joystick went away (the next poll looks for one again),
// JOY_FAILED before a successful init of the subsystem.
int SdlJoystickPoll(JoyState* out);
void SdlJoystickClose();
