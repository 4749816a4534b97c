#include "platform/common/sdl_events.h"

#include "platform/common/input_map.h"
#include "platform/common/messages.h"

void TranslateSdlEvent(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT:
            MessagesPush(SYS_MSG_CLOSE, 0);
            break;
        case SDL_WINDOWEVENT:
            MessagesPush(e.window.event == SDL_WINDOWEVENT_CLOSE ? SYS_MSG_CLOSE : SYS_MSG_OTHER, 0);
            break;
        case SDL_KEYDOWN: {
            uint8_t vk = MessageKeyOf(e.key.keysym.scancode);
            MessagesPush(vk ? SYS_MSG_KEYDOWN : SYS_MSG_OTHER, vk);
            break;
        }
        default:
            MessagesPush(SYS_MSG_OTHER, 0);
            break;
    }
}
