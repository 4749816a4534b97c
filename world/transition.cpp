// The heroine's placement on arrival and the picture shown between maps.
#include <cstdlib>

#include "platform/system.h"
#include "platform/video.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/run_state.h"

SpriteQuad TransitionQuad;

void PlaceHero(float y) {
    Hero.y = y;
    PlaceQuad(&Hero.body, HERO_SCREEN_X, y);
    Hero.state = 0;
    Hero.life = 0;
    HeroHitRectFromBody();
}

// How many pictures the story has opened so far.
static uint32_t TransitionPictureCount() {
    if (StoryFlags[54]) return 7;
    if (StoryFlags[53]) return 6;
    if (StoryFlags[48]) return 5;
    if (StoryFlags[33]) return 4;
    if (StoryFlags[5]) return 3;
    return 2;
}

void ShowTransitionPicture() {
    if (TransitionWait == 0 && !StoryFlags[74] && !StoryFlags[75]) return;
    uint32_t picture = (sys_TimeMs() + static_cast<uint32_t>(std::rand())) % TransitionPictureCount();
    // The last two chapters always show their own picture, for at least 3 seconds.
    if (StoryFlags[74]) {
        picture = 7;
        if (TransitionWait < NEW_GAME_TRANSITION_WAIT) TransitionWait = NEW_GAME_TRANSITION_WAIT;
    }
    if (StoryFlags[75]) {
        picture = 8;
        if (TransitionWait < NEW_GAME_TRANSITION_WAIT) TransitionWait = NEW_GAME_TRANSITION_WAIT;
    }
    InitQuad(&TransitionQuad, 640, 480, 255);
    DrawQuad(&g_TransitionPictures[picture], &TransitionQuad);
    if (!video_Present()) video_Reset();
    // A value brought by a damaged save never stalls the program for longer than the
    // menu's own maximum.
    int32_t wait = TransitionWait;
    if (wait < 0) wait = 0;
    if (wait > 10000) wait = 10000;
    sys_Sleep(static_cast<uint32_t>(wait));
    video_Clear(0x9B9B9B9Bu);
}
