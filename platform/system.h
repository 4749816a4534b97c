// Process services: message queue, message boxes, millisecond clock, files.
#pragma once
#include <cstddef>
#include <cstdint>

// Window messages, translated from the platform's events.
enum SysMessageKind {
    SYS_MSG_QUIT = 1,     // ends the loop; param is the exit code
    SYS_MSG_CLOSE = 2,    // a close request (window button, or posted)
    SYS_MSG_DESTROY = 3,  // the window is gone
    SYS_MSG_KEYDOWN = 4,  // param is the Windows virtual-key code
    SYS_MSG_OTHER = 5,    // anything else (resize, focus, mouse ...)
};
struct SysMessage {
    int kind;
    int param;
};

bool sys_Init(const char* gameDir);  // gameDir null: the folder of the executable
void sys_Shutdown();
bool sys_PeekMessage();                     // a message is waiting (not removed)
bool sys_GetMessage(SysMessage* msg);       // removes one; false when it is SYS_MSG_QUIT
void sys_PostMessage(int kind, int param);  // queued after the platform's own events

uint32_t sys_TimeMs();  // millisecond clock, wraps at 2^32
void sys_Sleep(uint32_t ms);

enum { SYS_MB_OK = 0, SYS_MB_YESNO = 1, SYS_MB_ICONWARNING = 0x30 };
enum { SYS_IDOK = 1, SYS_IDYES = 6, SYS_IDNO = 7 };
// Modal box; text and caption are Shift_JIS. Returns SYS_IDOK, SYS_IDYES or SYS_IDNO.
int sys_MessageBox(const char* text, const char* caption, int flags);

// Debugger-style progress line (Shift_JIS); shown on stderr in debug builds only.
void sys_DebugOutput(const char* sjis);

// Maps a game-relative path ("DATA/...", "Save/...") to the real file path.
// Returns out.
const char* sys_GamePath(const char* rel, char* out, size_t outSize);
// Writes a whole file atomically (temporary file, flush, rename). Creates the folder.
bool sys_WriteFileAtomic(const char* rel, const void* data, size_t size);
