// What her move routines share: the keys as she reads them, the sword, the hint strip,
// and the routines of the move states.
#pragma once
#include <cstdint>

#include "app/input.h"

inline bool LeftDown() {
    return KeyDown(VK_LEFT) || (PadFlags & PAD_LEFT) != 0;
}
inline bool RightDown() {
    return KeyDown(VK_RIGHT) || (PadFlags & PAD_RIGHT) != 0;
}
inline bool UpDown() {
    return KeyDown(VK_UP) || (PadFlags & PAD_UP) != 0;
}
inline bool DownDown() {
    return KeyDown(VK_DOWN) || (PadFlags & PAD_DOWN) != 0;
}
inline bool AttackDown() {
    return KeyDown(VK_Z) || (PadFlags & PAD_Z) != 0;
}
inline bool SpecialDown() {
    return KeyDown(VK_X) || (PadFlags & PAD_X) != 0;
}
inline bool JumpDown() {
    return KeyDown(VK_C) || (PadFlags & PAD_C) != 0;
}

enum : int32_t {
    SOUND_SWING = 2,
    SOUND_SPECIAL = 3,
    SOUND_SPECIAL3 = 29,
};

// Where a sword picture goes: from the body's top-left corner (300, y), or from her hit
// rectangle (left edge facing right, right edge facing left, top).
enum SwordAnchor : uint8_t { ANCHOR_BODY, ANCHOR_RECT };

// One window of frames in which the sword is live.
struct StrikeWindow {
    int16_t first, lastRight, lastLeft;  // frames of T (the last may differ by facing)
    int16_t w, h;
    uint8_t alphaRight, alphaLeft;
    SwordAnchor anchor;
    int16_t dxRight, dyRight, dxLeft, dyLeft;
    int16_t effect;  // HeroEffect
};

// The sword live for this frame of a strike: sized, given its cell and placed; 1 stamina.
void StrikeSword(const StrikeWindow& s, bool upsideDown);
// Shows the hint strip naming what the window accepts: bits of HINT_*; nothing for 0.
enum : int32_t { HINT_X = 1, HINT_Z = 2, HINT_DOWN_Z = 4, HINT_UP_Z = 8, HINT_DASH = 16 };
void ShowHint(int32_t accepts);
// Begins a special from a follow-through window (after the 30-frame pause).
void StartSpecial(int32_t special);
// Clears the move: back to control.
void EndHeroMove();

// One frame of each move state; true when the move has finished.
bool RunComboMove();
bool RunSpecial();
bool RunDash();

// Frames first, first + step, ... up to last on which a move plays its sound.
struct SoundFrames {
    int16_t first, last, step;
};
bool IsSoundFrame(const SoundFrames* frames, int count, int32_t T);
