// The hit rectangle every body in the game carries, in screen pixels.
#pragma once

// Right and bottom are exclusive for the tile tests: the last pixel inside is right - 1.
struct HitRect {
    float left, top, right, bottom;
};
