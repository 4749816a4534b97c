#include "app/input.h"

#include "platform/input.h"

uint8_t KeyState[256];
uint32_t PadFlags;
uint8_t JoystickPresent;

bool InitJoystick() {
    return input_InitJoystick();
}

// Bits built from one reading, in table order; a bit reached by two sources is set once.
uint32_t PadFlagsFromJoy(const JoyState& joy) {
    struct ButtonBit {
        int button;
        uint32_t bit;
    };
    static const ButtonBit kButtons[] = {
        {12, 0x00000001}, {14, 0x00000002}, {15, 0x00000004}, {13, 0x00000008},
        {0, 0x00000010},  {10, 0x00000010}, {1, 0x00000020},  {11, 0x00000020},
        {2, 0x00000040},  {3, 0x10000000},  {4, 0x20000000},  {5, 0x40000000},
        {6, 0x00010000},  {7, 0x00400000},  {8, 0x00001000},  {9, 0x00020000},
    };
    uint32_t flags = 0;
    if (joy.y < 0) flags |= 0x00000001;
    if (joy.y > 0) flags |= 0x00000002;
    if (joy.x < 0) flags |= 0x00000004;
    if (joy.x > 0) flags |= 0x00000008;
    for (const ButtonBit& b : kButtons)
        if (joy.buttons[b.button] & 0x80) flags |= b.bit;
    return flags;
}

// A lost or unreadable joystick leaves the word 0 for this frame.
void PollJoystick() {
    PadFlags = 0;
    JoyState joy;
    if (input_PollJoystick(&joy) == JOY_OK) PadFlags = PadFlagsFromJoy(joy);
}
