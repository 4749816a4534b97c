// A headless device for the world and title tests: open with a memory back buffer (or
// none), the keyboard set by hand, and the run at its new-game values.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <string>

#include "app/app.h"
#include "app/input.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "platform/video.h"

inline std::string WorldTestTempDir() {
    char tmpl[] = "/tmp/miravel2-world-XXXXXX";
    return mkdtemp(tmpl);
}

inline void ReleaseKeys() {
    std::memset(KeyState, 0, sizeof KeyState);
    PadFlags = 0;
}

inline void HoldKey(uint8_t vk) {
    KeyState[vk] = 0x80;
}

class HeadlessDevice : public ::testing::Test {
protected:
    void OpenDevice(bool nullDevice) {
        HeadlessConfig c;
        c.nullDevice = nullDevice;
        headless_Configure(c);
        ASSERT_TRUE(sys_Init(WorldTestTempDir().c_str()));
        char reason[128];
        ASSERT_TRUE(video_Init("test", false, false, reason, sizeof reason)) << reason;
        ReleaseKeys();
    }
    void TearDown() override {
        ReleaseKeys();
        ReleaseAll();
        sys_Shutdown();
    }
};
