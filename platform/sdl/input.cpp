// Keyboard snapshot from SDL's key array; the first SDL joystick, polled.
#include <SDL.h>

#include "platform/common/input_map.h"
#include "platform/common/sdl_joystick.h"
#include "platform/input.h"

bool input_GetKeyboardState(uint8_t keys[256]) {
    SDL_PumpEvents();
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    FillKeyState(state, count, keys);
    return true;
}

bool input_InitJoystick() {
    return SdlJoystickInit();
}
int input_PollJoystick(JoyState* out) {
    return SdlJoystickPoll(out);
}
void input_CloseJoystick() {
    SdlJoystickClose();
}
