#include "app/app.h"
#include "app/input.h"
#include "app/modes.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/video.h"

// Top-level modes: an entry value prepares, stores its run value and runs that handler in
// the same frame.
//   0 -> 1 title        2 -> 3 game start, in-game     4 -> 5 splash
//   6 -> 7 game start, boss gallery    8 idle    9 -> 10 ending    11 carry-over slots
static void DispatchMode() {
    switch (g_Frame) {
        case 0:
            PrepareTitle();
            if (g_Frame == 1) RunTitle();
            break;
        case 1:
            RunTitle();
            break;
        case 2:
        case 6: {
            uint8_t run = g_Frame + 1;
            LoadGameAssets();
            if (FatalShown()) break;
            g_Frame = run;
            if (run == 3)
                RunInGameFrame();
            else
                RunBossGallery();
            break;
        }
        case 3:
            RunInGameFrame();
            break;
        case 4:
            PrepareSplash();
            if (g_Frame == 5) RunSplash();
            break;
        case 5:
            RunSplash();
            break;
        case 7:
            RunBossGallery();
            break;
        case 8:
            break;  // idle: the cleared white screen
        case 9:
            PrepareEnding();
            if (g_Frame == 10) RunEnding();
            break;
        case 10:
            RunEnding();
            break;
        case 11:
            RunCarryOverSlots();
            break;
        default:
            FatalBox("g_Frameエラー", "終了します");
            break;
    }
}

void RunFrame() {
    if (!input_GetKeyboardState(KeyState)) return;  // no keyboard: skip the frame entirely
    if (JoystickPresent) PollJoystick();
    video_Clear(0xFFFFFFFFu);
    video_BeginScene();
    DispatchMode();
    if (FatalShown()) return;  // the device is gone
    video_EndScene();
    if (!video_Present()) {
        video_Reset();
        sys_DebugOutput("フリップ　OK\n");
    }
}
