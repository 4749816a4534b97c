// Keyboard and joystick, sampled once at the start of every frame.
#pragma once
#include <cstdint>

// The keyboard of this frame, indexed by virtual-key code; bit 0x80 means down.
extern uint8_t KeyState[256];
// The joystick bits of this frame (0 without a joystick).
extern uint32_t PadFlags;
extern uint8_t JoystickPresent;

enum VirtualKey : uint8_t {
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_C = 0x43,
    VK_N = 0x4E,
    VK_X = 0x58,
    VK_Y = 0x59,
    VK_Z = 0x5A,
    VK_F1 = 0x70,
};

enum PadBit : uint32_t {
    PAD_UP = 0x00000001,
    PAD_DOWN = 0x00000002,
    PAD_LEFT = 0x00000004,
    PAD_RIGHT = 0x00000008,
    PAD_X = 0x00000020,      // confirm, specials, advancing text
    PAD_C = 0x00000040,      // jump, cancel
    PAD_Z = 0x10000000,      // attack
    PAD_SPACE = 0x00001000,  // in-game menu
};

inline bool KeyDown(uint8_t vk) {
    return (KeyState[vk] & 0x80) != 0;
}

bool InitJoystick();
void PollJoystick();
struct JoyState;
// Builds the flag word from one joystick reading.
uint32_t PadFlagsFromJoy(const JoyState& joy);
