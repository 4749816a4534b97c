// Keyboard snapshot from SDL's key array; the first SDL joystick, polled.
#include <SDL.h>

#include <cstring>

#include "platform/common/input_map.h"
#include "platform/input.h"

namespace {

SDL_Joystick* g_Joystick = nullptr;
bool g_JoystickStarted = false;

bool OpenFirstJoystick() {
    for (int i = 0; i < SDL_NumJoysticks() && !g_Joystick; i++) g_Joystick = SDL_JoystickOpen(i);
    return g_Joystick != nullptr;
}

}  // namespace

bool input_GetKeyboardState(uint8_t keys[256]) {
    SDL_PumpEvents();
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    FillKeyState(state, count, keys);
    return true;
}

bool input_InitJoystick() {
    if (!g_JoystickStarted) {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
        // Polled, not evented: axis motion would only flood the message queue.
        SDL_JoystickEventState(SDL_IGNORE);
        g_JoystickStarted = true;
    }
    return g_Joystick || OpenFirstJoystick();
}

int input_PollJoystick(JoyState* out) {
    memset(out, 0, sizeof *out);
    if (!g_JoystickStarted) return JOY_FAILED;
    SDL_JoystickUpdate();
    if (g_Joystick && !SDL_JoystickGetAttached(g_Joystick)) {
        SDL_JoystickClose(g_Joystick);
        g_Joystick = nullptr;
        return JOY_LOST;
    }
    if (!g_Joystick && !OpenFirstJoystick()) return JOY_LOST;
    out->x = JoyAxisValue(SDL_JoystickGetAxis(g_Joystick, 0));
    out->y = JoyAxisValue(SDL_JoystickGetAxis(g_Joystick, 1));
    int buttons = SDL_JoystickNumButtons(g_Joystick);
    for (int i = 0; i < 32 && i < buttons; i++)
        out->buttons[i] = SDL_JoystickGetButton(g_Joystick, i) ? 0x80 : 0;
    return JOY_OK;
}

void input_CloseJoystick() {
    if (g_Joystick) SDL_JoystickClose(g_Joystick);
    g_Joystick = nullptr;
    if (g_JoystickStarted) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    g_JoystickStarted = false;
}
