// Input conversions: SDL scancodes to virtual-key codes, SDL events to window messages
// and joystick axes to the game's range with its dead zone.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/common/input_map.h"
#include "platform/common/sdl_events.h"
#include "platform/common/sdl_joystick.h"
#include "platform/headless.h"
#include "platform/system.h"

namespace {

TEST(JoyAxis, QuarterDeadZoneThenTheRestOfTheTravel) {
    struct Case {
        int raw;
        int32_t want;
    };
    const Case cases[] = {
        {0, 0},        {100, 0},
        {-8000, 0},    {8191, 0},     // exactly a quarter of the travel: still inside
        {-8192, 0},    {8200, 1},     // just beyond: a small but non-zero value
        {-8200, -1},   {20480, 500},  // halfway through the rest of the travel
        {32767, 1000}, {-32768, -1000},
    };
    for (const Case& c : cases) EXPECT_EQ(JoyAxisValue(c.raw), c.want) << c.raw;
}

TEST(JoyAxis, AnyDeflectionPastTheZoneReadsAsADirection) {
    for (int raw = 8200; raw <= 32767; raw += 97) {
        EXPECT_GT(JoyAxisValue(raw), 0) << raw;
        EXPECT_LT(JoyAxisValue(-raw), 0) << raw;
    }
}

TEST(VirtualKeys, TheGamesKeysMap) {
    struct Case {
        SDL_Scancode sc;
        uint8_t vk;
    };
    const Case cases[] = {
        {SDL_SCANCODE_LEFT, 0x25},   {SDL_SCANCODE_UP, 0x26},    {SDL_SCANCODE_RIGHT, 0x27},
        {SDL_SCANCODE_DOWN, 0x28},   {SDL_SCANCODE_X, 0x58},     {SDL_SCANCODE_Z, 0x5A},
        {SDL_SCANCODE_C, 0x43},      {SDL_SCANCODE_SPACE, 0x20}, {SDL_SCANCODE_F1, 0x70},
        {SDL_SCANCODE_Y, 0x59},      {SDL_SCANCODE_N, 0x4E},     {SDL_SCANCODE_ESCAPE, 0x1B},
        {SDL_SCANCODE_A, 0x41},      {SDL_SCANCODE_0, 0x30},     {SDL_SCANCODE_1, 0x31},
        {SDL_SCANCODE_9, 0x39},      {SDL_SCANCODE_F12, 0x7B},   {SDL_SCANCODE_RETURN, 0x0D},
        {SDL_SCANCODE_LSHIFT, 0xA0}, {SDL_SCANCODE_RCTRL, 0xA3}, {SDL_SCANCODE_LALT, 0xA4},
        {SDL_SCANCODE_KP_5, 0x65},   {SDL_SCANCODE_UNKNOWN, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(VirtualKeyOf(c.sc), c.vk) << int(c.sc);
    EXPECT_EQ(MessageKeyOf(SDL_SCANCODE_RSHIFT), 0x10);  // messages carry the generic code
    EXPECT_EQ(MessageKeyOf(SDL_SCANCODE_ESCAPE), 0x1B);
}

TEST(VirtualKeys, SnapshotSetsModifiersBothWays) {
    uint8_t sdl[SDL_NUM_SCANCODES] = {};
    sdl[SDL_SCANCODE_X] = 1;
    sdl[SDL_SCANCODE_RSHIFT] = 1;
    sdl[SDL_SCANCODE_LCTRL] = 1;
    uint8_t keys[256];
    for (uint8_t& k : keys) k = 0x55;  // stale bytes must be cleared
    FillKeyState(sdl, SDL_NUM_SCANCODES, keys);
    int down = 0;
    for (int vk = 0; vk < 256; vk++) down += keys[vk] == 0x80;
    EXPECT_EQ(down, 5);
    for (uint8_t vk : {0x58, 0xA1, 0x10, 0xA2, 0x11}) EXPECT_EQ(keys[vk], 0x80) << int(vk);
    EXPECT_EQ(keys[0x5A], 0);
}

}  // namespace

namespace {

// The real backend's joystick, driven by one of SDL's virtual joysticks.
TEST(SdlJoystick, UnpluggedReadsAsLostAndComesBack) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    if (SDL_NumJoysticks() > 0) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        GTEST_SKIP() << "a real joystick is attached";
    }
    JoyState joy;
    EXPECT_EQ(SdlJoystickPoll(&joy), JOY_FAILED);  // before the init
    EXPECT_FALSE(SdlJoystickInit());               // nothing attached yet
    int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    ASSERT_TRUE(SdlJoystickInit());
    SDL_Joystick* pad = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
    ASSERT_NE(pad, nullptr);
    SDL_JoystickSetVirtualAxis(pad, 0, 32767);
    SDL_JoystickSetVirtualAxis(pad, 1, -4000);  // inside the dead zone
    SDL_JoystickSetVirtualButton(pad, 3, 1);
    ASSERT_EQ(SdlJoystickPoll(&joy), JOY_OK);
    EXPECT_EQ(joy.x, 1000);
    EXPECT_EQ(joy.y, 0);
    EXPECT_EQ(joy.buttons[3], 0x80);
    EXPECT_EQ(joy.buttons[0], 0);

    SDL_JoystickDetachVirtual(device);
    EXPECT_EQ(SdlJoystickPoll(&joy), JOY_LOST);
    EXPECT_EQ(joy.x, 0);
    EXPECT_EQ(SdlJoystickPoll(&joy), JOY_LOST);  // still nothing to re-acquire

    device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 0);
    ASSERT_GE(device, 0);
    EXPECT_EQ(SdlJoystickPoll(&joy), JOY_OK);  // plugged back in: found again
    SDL_JoystickDetachVirtual(device);
    SdlJoystickClose();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

}  // namespace

namespace {

TEST(SdlEvents, BecomeWindowMessages) {
    headless_Configure(HeadlessConfig{});  // an empty queue
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_Event close = {};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_Event resize = close;
    resize.window.event = SDL_WINDOWEVENT_RESIZED;
    SDL_Event escape = {};
    escape.type = SDL_KEYDOWN;
    escape.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    SDL_Event shift = escape;
    shift.key.keysym.scancode = SDL_SCANCODE_LSHIFT;
    SDL_Event unknown = escape;
    unknown.key.keysym.scancode = SDL_SCANCODE_UNKNOWN;
    SDL_Event keyUp = escape;
    keyUp.type = SDL_KEYUP;
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    struct Case {
        SDL_Event event;
        int kind, param;
    };
    const Case cases[] = {
        {quit, SYS_MSG_CLOSE, 0},        {close, SYS_MSG_CLOSE, 0},      {resize, SYS_MSG_OTHER, 0},
        {escape, SYS_MSG_KEYDOWN, 0x1B}, {shift, SYS_MSG_KEYDOWN, 0x10}, {unknown, SYS_MSG_OTHER, 0},
        {keyUp, SYS_MSG_OTHER, 0},       {motion, SYS_MSG_OTHER, 0},
    };
    for (const Case& c : cases) TranslateSdlEvent(c.event);
    for (const Case& c : cases) {
        SysMessage m;
        ASSERT_TRUE(sys_PeekMessage());
        ASSERT_TRUE(sys_GetMessage(&m));
        EXPECT_EQ(m.kind, c.kind) << c.event.type;
        EXPECT_EQ(m.param, c.param) << c.event.type;
    }
    EXPECT_FALSE(sys_PeekMessage());
}

}  // namespace
