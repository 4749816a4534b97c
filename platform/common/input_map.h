// Pure conversions of the input layer, shared by both backends and the tests:
// SDL scancodes to Windows virtual-key codes, and raw joystick axes to the game's range.
#pragma once
#include <cstdint>

// The virtual-key code of an SDL scancode (the left/right-specific code for the
// modifier keys), 0 when the game's keyboard has no such key.
uint8_t VirtualKeyOf(int scancode);
// The code a key-down message carries: the generic code for shift, ctrl and alt.
uint8_t MessageKeyOf(int scancode);
// Fills a 256-byte virtual-key snapshot (bit 0x80 = down) from SDL's key array;
// a left or right modifier also sets its generic code, as Windows does.
void FillKeyState(const uint8_t* sdlKeys, int numKeys, uint8_t keys[256]);

// A raw axis (-32768..32767) as -1000..1000 with a quarter of the travel as dead zone:
// 0 inside the zone, the rest of the travel spread over 1..1000 so that any deflection
// past the zone reads as non-zero and full deflection reads as +-1000.
int32_t JoyAxisValue(int raw);
