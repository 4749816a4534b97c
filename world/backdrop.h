// The picture behind the tiles of each map: a sky that follows the story's time of
// day, a picture scrolling with the camera, or plain black.
#pragma once
#include <cstdint>

enum SkyTime : int32_t { SKY_DAY = 0, SKY_EVENING = 1, SKY_NIGHT = 2 };

enum BackdropKind : int32_t {
    BACKDROP_SKY = 0,           // pictures 0, 3, 4 by the time of day
    BACKDROP_HALF_SPEED = 1,    // picture 1 at half the camera's speed
    BACKDROP_BLACK = 2,         // the screen cleared to black
    BACKDROP_WITH_TILES = 3,    // picture 2 moving with the tiles
    BACKDROP_WITH_TILES_B = 4,  // picture 5 moving with the tiles
    BACKDROP_SKY_B = 5,         // pictures 7, 8, 6 by the time of day
    BACKDROP_STILL = 6,         // picture 9
    BACKDROP_NONE = 7,
};

// The time of day the story has reached.
SkyTime CurrentSkyTime();
// Backdrop kind of the map a run state belongs to, or BACKDROP_NONE.
int32_t BackdropKindOfState(int32_t mapState);
// Offset d of a scrolling backdrop, drawn at -d and 640 - d: the camera's distance from
// the map's start, wrapped to `period` pixels, times `speed` (1280 and 0.5 for the
// half-speed picture, 640 and 1 for one moving with the tiles).
float BackdropOffset(float scrollX, int32_t period, float speed);
// Draws a backdrop of that kind (nothing for an unknown kind).
void DrawBackdropKind(int32_t kind);
// Draws the current map's backdrop (the gallery fight has its own picture); the first drawing of every map
// frame.
void DrawBackdrop();
