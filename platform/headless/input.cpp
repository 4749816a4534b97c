// Scripted input: frame k holds the keys and pad bits of the script step covering it.
#include <cstring>
#include <vector>

#include "platform/common/messages.h"
#include "platform/headless/headless_state.h"
#include "platform/input.h"
#include "platform/system.h"

namespace {

uint8_t g_PreviousKeys[256];
uint32_t g_PreviousFrame = 0;

struct PadButton {
    uint32_t bit;
    int button;
};

// The inverse of the game's joystick table: which button makes each pad bit.
const PadButton kPadButtons[] = {
    {0x00000010, 0}, {0x00000020, 1}, {0x00000040, 2}, {0x10000000, 3}, {0x20000000, 4},
    {0x40000000, 5}, {0x00010000, 6}, {0x00400000, 7}, {0x00001000, 8}, {0x00020000, 9},
};

}  // namespace

bool input_GetKeyboardState(uint8_t keys[256]) {
    uint32_t frame = HeadlessStartFrame();
    if (frame == 1 || frame != g_PreviousFrame + 1) memset(g_PreviousKeys, 0, sizeof g_PreviousKeys);
    memset(keys, 0, 256);
    const HeadlessConfig& config = HeadlessCurrentConfig();
    static std::vector<uint8_t> steered;
    const std::vector<uint8_t>* held = nullptr;
    if (config.keysHook) {
        steered.clear();
        config.keysHook(frame, &steered, config.hookUser);
        held = &steered;
    } else if (const HeadlessStep* step = HeadlessStepOfFrame(frame)) {
        held = &step->keys;
    }
    if (held) {
        for (uint8_t vk : *held) {
            // A key that goes down reaches the window as a key-down message as well,
            // in the order the step lists them.
            if (!(keys[vk] & 0x80) && !(g_PreviousKeys[vk] & 0x80)) MessagesPush(SYS_MSG_KEYDOWN, vk);
            keys[vk] = 0x80;
        }
    }
    memcpy(g_PreviousKeys, keys, 256);
    g_PreviousFrame = frame;
    return true;
}

bool input_InitJoystick() {
    return HeadlessCurrentConfig().joystick;
}

int input_PollJoystick(JoyState* out) {
    memset(out, 0, sizeof *out);
    if (!HeadlessCurrentConfig().joystick) return JOY_FAILED;
    const HeadlessStep* step = HeadlessStepOfFrame(HeadlessFramesStarted());
    uint32_t bits = step ? step->padBits : 0;
    if (bits & 0x1) out->y = -1000;
    if (bits & 0x2) out->y = 1000;
    if (bits & 0x4) out->x = -1000;
    if (bits & 0x8) out->x = 1000;
    for (const PadButton& b : kPadButtons)
        if (bits & b.bit) out->buttons[b.button] = 0x80;
    return JOY_OK;
}

void input_CloseJoystick() {}
