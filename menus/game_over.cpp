// Game over: 128 frames of darkening, 254 frames of the caption fading in, one blank
// frame, then the run's story is cleared and the title comes back. No key shortens it.
#include "menus/game_over.h"

#include "app/app.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world/sound_link.h"

int32_t GameOverCounter;
static SpriteQuad g_CaptionQuad;

void GameOverRun() {
    if (GameOverCounter < 255) {
        GameOverCounter += 1;
        if (GameOverCounter > 255) GameOverCounter = 255;
        SetQuadColorAlpha(&g_FadeQuad, 0, 0, 0, GameOverCounter);
        DrawQuad(&g_FadeTex, &g_FadeQuad);
        GameOverCounter += 1;
        return;
    }
    if (GameOverCounter < 510) {
        InitQuad(&g_CaptionQuad, 192, 32, GameOverCounter - 255);
        SetQuadUV(&g_CaptionQuad, 0, 0.1875f, 0.9375f, 1.0f);
        PlaceQuad(&g_CaptionQuad, 244, 200);
        DrawQuad(&g_FadeTex, &g_FadeQuad);
        DrawQuad(&g_TitleTex, &g_CaptionQuad);
        GameOverCounter += 1;
        return;
    }
    StopWholePerformance();
    StopMediaPlayback();
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) {
        StoryFlags[i] = 0;
        EventSteps[i] = 0;
    }
    ForgetCurrentTrack();
    BossFight = 0;
    PlaceHero(288);
    MapState = 0;
    g_Frame = 0;
    GameOverCounter = 0;
}
