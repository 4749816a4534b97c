// Process services without a screen: the message queue is fed by the input script and
// the virtual clock only.
#include <SDL.h>

#include "platform/common/files.h"
#include "platform/common/messages.h"
#include "platform/headless/headless_state.h"
#include "platform/system.h"

bool sys_Init(const char* gameDir) {
    FoldersInit(gameDir);
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    return true;
}

void sys_Shutdown() {
    MessagesClear();
}

// The message loop peeks right after each frame: that is when a frame is complete.
bool sys_PeekMessage() {
    HeadlessFinishFrame();
    return !MessagesEmpty();
}

// Nothing can arrive while waiting here, so an empty queue yields a harmless message
// rather than blocking forever.
bool sys_GetMessage(SysMessage* msg) {
    *msg = MessagesEmpty() ? SysMessage{SYS_MSG_OTHER, 0} : MessagesPop();
    return msg->kind != SYS_MSG_QUIT;
}
