// The headless backend's configuration, frame count, virtual clock and fatal box.
#include <cstdio>
#include <string>

#include "platform/common/messages.h"
#include "platform/common/render_core.h"
#include "platform/headless/headless_state.h"
#include "platform/system.h"
#include "platform/text_encoding.h"

namespace {

HeadlessConfig g_Config;
uint32_t g_FramesStarted = 0;
uint32_t g_FramesFinished = 0;
uint32_t g_Clock = 0;
int g_QuestionsAsked = 0;
bool g_FatalShown = false;
std::string g_FatalCaption;
std::string g_FatalText;
size_t g_StepIndex = 0;         // the script step last found
uint64_t g_StepFirstFrame = 1;  // the first frame of that step

}  // namespace

void headless_Configure(const HeadlessConfig& config) {
    g_Config = config;
    g_FramesStarted = g_FramesFinished = 0;
    g_Clock = config.clockStart;
    g_QuestionsAsked = 0;
    g_StepIndex = 0;
    g_StepFirstFrame = 1;
    g_FatalShown = false;
    g_FatalCaption.clear();
    g_FatalText.clear();
    MessagesClear();
    RenderSetNull(config.nullDevice);
    FontSetMissing(config.noFont);
    headless_SetNoAudioDevice(config.noAudioDevice);
}

const HeadlessConfig& HeadlessCurrentConfig() {
    return g_Config;
}
uint32_t HeadlessFramesStarted() {
    return g_FramesStarted;
}
uint32_t headless_FrameCount() {
    return g_FramesStarted;
}

uint32_t HeadlessStartFrame() {
    HeadlessFinishFrame();
    return ++g_FramesStarted;
}

void HeadlessFinishFrame() {
    if (g_FramesFinished >= g_FramesStarted) return;
    g_FramesFinished = g_FramesStarted;
    if (g_Config.frameHook) g_Config.frameHook(g_FramesFinished, g_Config.hookUser);
}

// Frames only move forward, so the search goes on from the step found last time: long
// scripts cost nothing per frame.
const HeadlessStep* HeadlessStepOfFrame(uint32_t frame) {
    if (frame < 1) return nullptr;
    if (frame < g_StepFirstFrame) g_StepIndex = 0, g_StepFirstFrame = 1;
    while (g_StepIndex < g_Config.script.size()) {
        uint64_t end = g_StepFirstFrame + uint64_t(g_Config.script[g_StepIndex].frames);
        if (frame < end) return &g_Config.script[g_StepIndex];
        g_StepFirstFrame = end;
        g_StepIndex++;
    }
    return nullptr;
}

uint32_t sys_TimeMs() {
    return g_Clock;
}

// Only a sleep moves the clock; with messageEveryMs each millisecond brings a message.
void sys_Sleep(uint32_t ms) {
    for (uint32_t i = 0; i < ms; i++) {
        g_Clock++;
        if (g_Config.messageEveryMs) MessagesPush(SYS_MSG_OTHER, 0);
    }
}

// Yes/No questions are answered from the configuration in the order asked; an OK box
// is a fatal error, kept for the runner and the tests.
int sys_MessageBox(const char* text, const char* caption, int flags) {
    if ((flags & 0x0F) == SYS_MB_YESNO) {
        int n = ++g_QuestionsAsked;
        int answer = n == 1 ? g_Config.answerFullscreen : (n == 2 ? g_Config.answerSmooth : SYS_IDNO);
        return answer == SYS_IDYES ? SYS_IDYES : SYS_IDNO;
    }
    std::string utfCaption = SjisToUtf8(caption ? caption : "");
    std::string utfText = SjisToUtf8(text ? text : "");
    fprintf(stderr, "%s: %s\n", utfCaption.c_str(), utfText.c_str());
    if (!g_FatalShown) {
        g_FatalShown = true;
        g_FatalCaption = utfCaption;
        g_FatalText = utfText;
    }
    return SYS_IDOK;
}

bool headless_FatalShown() {
    return g_FatalShown;
}
std::string headless_FatalCaption() {
    return g_FatalCaption;
}
std::string headless_FatalText() {
    return g_FatalText;
}
