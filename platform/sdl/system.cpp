// Process services of the real game: SDL events as window messages, the real clock and
// real message boxes.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/common/files.h"
#include "platform/common/messages.h"
#include "platform/common/sdl_events.h"
#include "platform/system.h"
#include "platform/text_encoding.h"

namespace {

void PumpEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) TranslateSdlEvent(e);
}

}  // namespace

bool sys_Init(const char* gameDir) {
    FoldersInit(gameDir);
    // The window's close button is one close request, not a second quit event as well.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        fprintf(stderr, "miravel2: cannot start SDL: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

void sys_Shutdown() {
    MessagesClear();
    SDL_Quit();
}

bool sys_PeekMessage() {
    PumpEvents();
    return !MessagesEmpty();
}

bool sys_GetMessage(SysMessage* msg) {
    while (MessagesEmpty()) {
        SDL_Event e;
        if (SDL_WaitEvent(&e))
            TranslateSdlEvent(e);
        else
            MessagesPush(SYS_MSG_OTHER, 0);
    }
    *msg = MessagesPop();
    return msg->kind != SYS_MSG_QUIT;
}

uint32_t sys_TimeMs() {
    return SDL_GetTicks();
}
void sys_Sleep(uint32_t ms) {
    SDL_Delay(ms);
}

int sys_MessageBox(const char* text, const char* caption, int flags) {
    std::string utfText = SjisToUtf8(text ? text : "");
    std::string utfCaption = SjisToUtf8(caption ? caption : "");
    bool yesNo = (flags & 0x0F) == SYS_MB_YESNO;
    const SDL_MessageBoxButtonData yesNoButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, SYS_IDYES, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, SYS_IDNO, "No"},
    };
    const SDL_MessageBoxButtonData okButton[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, SYS_IDOK, "OK"},
    };
    SDL_MessageBoxData box = {};
    box.flags = ((flags & 0xF0) == SYS_MB_ICONWARNING ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION) |
                SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;  // Yes before No
    box.title = utfCaption.c_str();
    box.message = utfText.c_str();
    box.numbuttons = yesNo ? 2 : 1;
    box.buttons = yesNo ? yesNoButtons : okButton;
    int pressed = -1;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        // No way to show a box (no display): the question goes to stderr, answered No.
        fprintf(stderr, "%s: %s%s\n", utfCaption.c_str(), utfText.c_str(), yesNo ? " [No]" : "");
        return yesNo ? SYS_IDNO : SYS_IDOK;
    }
    if (yesNo) return pressed == SYS_IDYES ? SYS_IDYES : SYS_IDNO;
    return SYS_IDOK;
}
