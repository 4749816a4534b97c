#include "platform/common/sdl_joystick.h"

#include <SDL.h>

#include <cstring>

#include "platform/common/input_map.h"

namespace {

SDL_Joystick* g_Joystick = nullptr;
bool g_Started = false;

bool OpenFirst() {
    for (int i = 0; i < SDL_NumJoysticks() && !g_Joystick; i++) g_Joystick = SDL_JoystickOpen(i);
    return g_Joystick != nullptr;
}

}  // namespace

bool SdlJoystickInit() {
    if (!g_Started) {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
        // Polled, not evented: axis motion would only flood the message queue.
        SDL_JoystickEventState(SDL_IGNORE);
        g_Started = true;
    }
    return g_Joystick || OpenFirst();
}

int SdlJoystickPoll(JoyState* out) {
    memset(out, 0, sizeof *out);
    if (!g_Started) return JOY_FAILED;
    SDL_JoystickUpdate();
    if (g_Joystick && !SDL_JoystickGetAttached(g_Joystick)) {
        SDL_JoystickClose(g_Joystick);
        g_Joystick = nullptr;
        return JOY_LOST;
    }
    if (!g_Joystick && !OpenFirst()) return JOY_LOST;
    out->x = JoyAxisValue(SDL_JoystickGetAxis(g_Joystick, 0));
    out->y = JoyAxisValue(SDL_JoystickGetAxis(g_Joystick, 1));
    int buttons = SDL_JoystickNumButtons(g_Joystick);
    for (int i = 0; i < 32 && i < buttons; i++)
        out->buttons[i] = SDL_JoystickGetButton(g_Joystick, i) ? 0x80 : 0;
    return JOY_OK;
}

void SdlJoystickClose() {
    if (g_Joystick) SDL_JoystickClose(g_Joystick);
    g_Joystick = nullptr;
    if (g_Started) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    g_Started = false;
}
