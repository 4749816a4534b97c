// SDL events as the game's window messages (shared so the tests can feed it events).
#pragma once
#include <SDL_events.h>

// Queues the message for one event: a close request for SDL_QUIT and the window's close
// button, a key-down with its virtual-key code, anything else as SYS_MSG_OTHER.
void TranslateSdlEvent(const SDL_Event& e);
