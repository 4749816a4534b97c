#include "app/app.h"

#include <cstdio>

#include "app/input.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/video.h"
#include "render/text.h"
#include "render/texture.h"
#include "sound/music.h"

uint8_t g_Frame = 4;
uint8_t g_Windowed = 1;
uint8_t g_Smooth = 1;
int32_t g_LoadData;

static uint32_t g_LastFrameTime;
static bool g_FatalShown;

bool FatalShown() {
    return g_FatalShown;
}

void ClearFatalBox() {
    g_FatalShown = false;
}

void ReleaseAll() {
    StopMedia();
    ReleaseMusicSlots();
    ReleaseAllTextures();  // textures go before the device that made them
    video_FreeFont();
    video_Shutdown();
}

void FatalBox(const char* caption, const char* text) {
    ReleaseAll();
    g_FatalShown = true;
    g_Windowed = 1;
    sys_MessageBox(text, caption, SYS_MB_OK | SYS_MB_ICONWARNING);
    sys_PostMessage(SYS_MSG_CLOSE, 0);
}

void InitFailBox(const char* message) {
    ReleaseAll();
    g_FatalShown = true;
    sys_MessageBox(message, "ERROR", SYS_MB_OK);
    sys_PostMessage(SYS_MSG_DESTROY, 0);
}

// The window procedure: Escape asks to close, a close destroys the window, and a
// destroyed window ends the loop.
static void HandleMessage(const SysMessage& m) {
    switch (m.kind) {
        case SYS_MSG_KEYDOWN:
            if (m.param == VK_ESCAPE) sys_PostMessage(SYS_MSG_CLOSE, 0);
            break;
        case SYS_MSG_CLOSE:
            sys_PostMessage(SYS_MSG_DESTROY, 0);
            break;
        case SYS_MSG_DESTROY:
            sys_PostMessage(SYS_MSG_QUIT, 0);
            break;
        default:
            break;
    }
}

// Reads the 4-byte progress mark; a missing or short file means 0.
static int32_t ReadLoadData() {
    char path[1024];
    FILE* f = fopen(sys_GamePath("Save/LoadData.dat", path, sizeof path), "rb");
    if (!f) return 0;
    unsigned char b[4];
    int32_t value = 0;
    if (fread(b, 1, 4, f) == 4)
        value = int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
    fclose(f);
    return value;
}

static bool InitDX8() {
    char reason[256];
    if (!video_Init(u8"ミラヴェル２", g_Windowed == 0, g_Smooth != 0, reason, sizeof reason)) {
        fprintf(stderr, "video: %s\n", reason);
        InitFailBox("DirectXデバイス生成失敗");
        return false;
    }
    return InitMusic();  // a failing step has shown its box
}

// Messages first; a frame when the queue is empty and 16 ms have passed since the last
// frame began; otherwise a 1 ms sleep. Returns the quit message's code.
static int RunMessageLoop() {
    for (;;) {
        uint32_t now = sys_TimeMs();
        if (sys_PeekMessage()) {
            SysMessage m;
            if (!sys_GetMessage(&m)) return m.param;
            HandleMessage(m);
            continue;
        }
        if (uint32_t(now - g_LastFrameTime) < 16) {
            sys_Sleep(1);
            continue;
        }
        g_LastFrameTime = now;
        RunFrame();
    }
}

int GameMain(const char* gameDir) {
    if (!sys_Init(gameDir)) return 0;
    g_LastFrameTime = sys_TimeMs();

    g_Windowed = sys_MessageBox("フルスクリーン？", "ウインドウ選択", SYS_MB_YESNO) == SYS_IDYES ? 0 : 1;
    g_Smooth =
        sys_MessageBox("アンチエイリアス有り？", "くっきり画像がいい人は[No]", SYS_MB_YESNO) == SYS_IDYES ? 1
                                                                                                          : 0;

    sys_DebugOutput("InitApp OK!\n");
    if (!InitDX8()) {
        sys_Shutdown();
        return 0;
    }
    sys_DebugOutput("InitDX8 OK!\n");
    JoystickPresent = InitJoystick() ? 1 : 0;
    InitFont();
    g_LoadData = ReadLoadData();

    int code = RunMessageLoop();

    ReleaseAll();
    StopAllMusic();
    CloseMusic();
    input_CloseJoystick();
    sys_Shutdown();
    return code;
}
