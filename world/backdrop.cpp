// The backdrop behind the tiles, chosen by the map table and the story's progress.
#include "world/backdrop.h"

#include <cmath>

#include "platform/video.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"

namespace {

enum : int32_t { BACKDROP_STATE_LAST = 325, GALLERY_PICTURE = 6 };

// The story's days: before flag 50 the first journey, after it the second. Each row
// holds the time of day until its flag is set.
struct SkyStep {
    int16_t flag;
    SkyTime time;
};
const SkyStep kFirstJourney[] = {
    {9, SKY_DAY},      {10, SKY_EVENING}, {13, SKY_NIGHT},   {22, SKY_DAY},
    {23, SKY_EVENING}, {41, SKY_NIGHT},   {43, SKY_EVENING},
};
const SkyStep kSecondJourney[] = {
    {53, SKY_DAY},
    {57, SKY_EVENING},
    {65, SKY_NIGHT},
    {67, SKY_EVENING},
};

template <int N>
SkyTime SkyFrom(const SkyStep (&steps)[N]) {
    for (const SkyStep& s : steps) {
        if (!StoryFlags[s.flag]) return s.time;
    }
    return SKY_DAY;
}

void DrawPictureAt(int picture, float x) {
    PlaceQuad(&BackdropQuad, x, 0);
    DrawQuad(&g_BackdropPictures[picture], &BackdropQuad);
}

void DrawScrolling(int picture, int32_t period, float speed) {
    const float d = BackdropOffset(ScrollX, period, speed);
    DrawPictureAt(picture, -d);
    DrawPictureAt(picture, 640 - d);
}

}  // namespace

SkyTime CurrentSkyTime() {
    return StoryFlags[50] ? SkyFrom(kSecondJourney) : SkyFrom(kFirstJourney);
}

int32_t BackdropKindOfState(int32_t mapState) {
    if (mapState < 1 || mapState > BACKDROP_STATE_LAST) return BACKDROP_NONE;
    const MapInfo* map = FindMap((mapState - 1) / 2);
    if (!map || map->backdrop < BACKDROP_SKY || map->backdrop > BACKDROP_NONE) return BACKDROP_NONE;
    return map->backdrop;
}

float BackdropOffset(float scrollX, int32_t period, float speed) {
    if (!std::isfinite(scrollX) || period <= 0) return 0;
    // The camera is 0 or negative; a camera a little right of the map's start still
    // gives an offset inside the period, so the two copies always cover the screen.
    double d = std::fmod(-std::trunc(static_cast<double>(scrollX)), static_cast<double>(period));
    if (d < 0) d += period;
    return static_cast<float>(d * speed);
}

void DrawBackdropKind(int32_t kind) {
    static const int kSkyPictures[2][3] = {{0, 3, 4}, {7, 8, 6}};
    PlaceQuad(&BackdropQuad, 0, 0);
    switch (kind) {
        case BACKDROP_SKY:
            DrawQuad(&g_BackdropPictures[kSkyPictures[0][CurrentSkyTime()]], &BackdropQuad);
            break;
        case BACKDROP_HALF_SPEED:
            DrawScrolling(1, 1280, 0.5f);
            break;
        case BACKDROP_BLACK:
            video_Clear(0xFF000000u);
            break;
        case BACKDROP_WITH_TILES:
            DrawScrolling(2, 640, 1.0f);
            break;
        case BACKDROP_WITH_TILES_B:
            DrawScrolling(5, 640, 1.0f);
            break;
        case BACKDROP_SKY_B:
            DrawQuad(&g_BackdropPictures[kSkyPictures[1][CurrentSkyTime()]], &BackdropQuad);
            break;
        case BACKDROP_STILL:
            DrawQuad(&g_BackdropPictures[9], &BackdropQuad);
            break;
        default:
            break;
    }
}

void DrawBackdrop() {
    if (MapState == MAP_STATE_GALLERY_RUN) {
        PlaceQuad(&BackdropQuad, 0, 0);
        DrawQuad(&g_BackdropPictures[GALLERY_PICTURE], &BackdropQuad);
        return;
    }
    DrawBackdropKind(BackdropKindOfState(MapState));
}
