// Drawing the heroine: body, clash spark, sword, hit counter, hint strip and the damage
// she just took, in that order.
#include <cstdlib>

#include "platform/system.h"
#include "player/hero.h"
#include "player/hero_cells.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/numbers.h"

static TextureSlot* BodySheet() {
    if (Hero.costume == 0) return &g_HeroSheet[0];
    if (Hero.costume == 2) return &g_HeroSheet[3];
    return &g_HeroSheet[2];
}

// The spark picks one of eight cells on the frame it starts and shows for four frames.
static void DrawSpark() {
    if (Hero.effectTimer[3] == HERO_SPARK_FRAMES) {
        const uint32_t k = (sys_TimeMs() + static_cast<uint32_t>(std::rand())) & 7;
        SetEffectCell(&Hero.effect[3], SparkCell(static_cast<int32_t>(k)), 2, false);
        Hero.effectTimer[3] -= 1;
    }
    if (Hero.effectTimer[3] > 0) {
        Hero.effectTimer[3] -= 1;
        if (Hero.effectTimer[3] == 0) Hero.effectOn[3] = 0;
        PlaceQuad(&Hero.effect[3], Hero.effectX[3] + ScrollX, Hero.effectY[3]);
        DrawQuad(&g_HeroSheet[1], &Hero.effect[3]);
    }
}

// The hit counter clears once 60 frames pass without a new hit.
static void DrawHitCounter() {
    if (HitCountTimer == 0) return;
    HitCountTimer -= 1;
    if (HitCountTimer < 1) {
        HitCountTimer = 0;
        HitCount = 0;
    } else if (HitCountOn) {
        DrawBigNumber(HitCount, 10, 30);
    }
}

void DrawHero() {
    DrawQuad(BodySheet(), &Hero.body);
    DrawSpark();
    if (Hero.effectOn[0]) DrawQuad(&g_HeroSheet[1], &Hero.effect[0]);
    DrawHitCounter();
    if (Hero.effectOn[2] && Hero.hintOption) DrawQuad(&g_InnShopTex, &Hero.effect[2]);
    if (Hero.hitTimer != 0) DrawDamageNumber(Hero.lastDamage, Hero.hitRect.left, Hero.hitRect.top);
}
