// Keyboard snapshot and one polled joystick.
#pragma once
#include <cstdint>

// Fills 256 bytes indexed by Windows virtual-key codes; bit 0x80 = down.
bool input_GetKeyboardState(uint8_t keys[256]);

// Raw joystick state: axes -1000..1000 with a quarter dead zone applied
// (inside it the value is 0), buttons 0-31 with bit 0x80 = pressed.
struct JoyState {
    int32_t x, y;
    uint8_t buttons[32];
};

bool input_InitJoystick();  // true when a controller is open
enum { JOY_OK = 0, JOY_LOST = 1, JOY_FAILED = 2 };
int input_PollJoystick(JoyState* out);  // JOY_LOST: re-acquired on the next poll
void input_CloseJoystick();
