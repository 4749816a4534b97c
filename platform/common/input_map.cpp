#include "platform/common/input_map.h"

#include <SDL_scancode.h>

#include <cmath>

namespace {

struct KeyPair {
    int scancode;
    uint8_t vk;
};

// Keys outside the letter, digit and function-key runs.
const KeyPair kKeys[] = {
    {SDL_SCANCODE_RETURN, 0x0D},       {SDL_SCANCODE_ESCAPE, 0x1B},      {SDL_SCANCODE_BACKSPACE, 0x08},
    {SDL_SCANCODE_TAB, 0x09},          {SDL_SCANCODE_SPACE, 0x20},       {SDL_SCANCODE_MINUS, 0xBD},
    {SDL_SCANCODE_EQUALS, 0xBB},       {SDL_SCANCODE_LEFTBRACKET, 0xDB}, {SDL_SCANCODE_RIGHTBRACKET, 0xDD},
    {SDL_SCANCODE_BACKSLASH, 0xDC},    {SDL_SCANCODE_SEMICOLON, 0xBA},   {SDL_SCANCODE_APOSTROPHE, 0xDE},
    {SDL_SCANCODE_GRAVE, 0xC0},        {SDL_SCANCODE_COMMA, 0xBC},       {SDL_SCANCODE_PERIOD, 0xBE},
    {SDL_SCANCODE_SLASH, 0xBF},        {SDL_SCANCODE_CAPSLOCK, 0x14},    {SDL_SCANCODE_PRINTSCREEN, 0x2C},
    {SDL_SCANCODE_SCROLLLOCK, 0x91},   {SDL_SCANCODE_PAUSE, 0x13},       {SDL_SCANCODE_INSERT, 0x2D},
    {SDL_SCANCODE_HOME, 0x24},         {SDL_SCANCODE_PAGEUP, 0x21},      {SDL_SCANCODE_DELETE, 0x2E},
    {SDL_SCANCODE_END, 0x23},          {SDL_SCANCODE_PAGEDOWN, 0x22},    {SDL_SCANCODE_RIGHT, 0x27},
    {SDL_SCANCODE_LEFT, 0x25},         {SDL_SCANCODE_DOWN, 0x28},        {SDL_SCANCODE_UP, 0x26},
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x90}, {SDL_SCANCODE_KP_DIVIDE, 0x6F},   {SDL_SCANCODE_KP_MULTIPLY, 0x6A},
    {SDL_SCANCODE_KP_MINUS, 0x6D},     {SDL_SCANCODE_KP_PLUS, 0x6B},     {SDL_SCANCODE_KP_ENTER, 0x0D},
    {SDL_SCANCODE_KP_0, 0x60},         {SDL_SCANCODE_KP_PERIOD, 0x6E},   {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},
    {SDL_SCANCODE_APPLICATION, 0x5D},  {SDL_SCANCODE_LCTRL, 0xA2},       {SDL_SCANCODE_LSHIFT, 0xA0},
    {SDL_SCANCODE_LALT, 0xA4},         {SDL_SCANCODE_LGUI, 0x5B},        {SDL_SCANCODE_RCTRL, 0xA3},
    {SDL_SCANCODE_RSHIFT, 0xA1},       {SDL_SCANCODE_RALT, 0xA5},        {SDL_SCANCODE_RGUI, 0x5C},
};

// The generic code of a left/right modifier code, or the code itself.
uint8_t GenericOf(uint8_t vk) {
    switch (vk) {
        case 0xA0:
        case 0xA1:
            return 0x10;  // shift
        case 0xA2:
        case 0xA3:
            return 0x11;  // control
        case 0xA4:
        case 0xA5:
            return 0x12;  // alt
        default:
            return vk;
    }
}

}  // namespace

uint8_t VirtualKeyOf(int sc) {
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return uint8_t('A' + (sc - SDL_SCANCODE_A));
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return uint8_t('1' + (sc - SDL_SCANCODE_1));
    if (sc == SDL_SCANCODE_0) return '0';
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return uint8_t(0x70 + (sc - SDL_SCANCODE_F1));
    if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24) return uint8_t(0x7C + (sc - SDL_SCANCODE_F13));
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return uint8_t(0x61 + (sc - SDL_SCANCODE_KP_1));
    for (const KeyPair& k : kKeys)
        if (k.scancode == sc) return k.vk;
    return 0;
}

uint8_t MessageKeyOf(int scancode) {
    return GenericOf(VirtualKeyOf(scancode));
}

void FillKeyState(const uint8_t* sdlKeys, int numKeys, uint8_t keys[256]) {
    for (int i = 0; i < 256; i++) keys[i] = 0;
    for (int sc = 0; sdlKeys && sc < numKeys; sc++) {
        if (!sdlKeys[sc]) continue;
        uint8_t vk = VirtualKeyOf(sc);
        if (!vk) continue;
        keys[vk] = 0x80;
        keys[GenericOf(vk)] = 0x80;
    }
}

int32_t JoyAxisValue(int raw) {
    if (raw < -32768) raw = -32768;
    if (raw > 32767) raw = 32767;
    double travel = raw < 0 ? -raw / 32768.0 : raw / 32767.0;
    if (travel <= 0.25) return 0;
    int32_t v = int32_t(lround((travel - 0.25) / 0.75 * 1000.0));
    if (v < 1) v = 1;
    if (v > 1000) v = 1000;
    return raw < 0 ? -v : v;
}
