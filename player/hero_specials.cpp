// The four specials, fed by a full gauge: the wave, two flurries and the finishing
// series that special 2 can lead into.
#include "player/hero.h"
#include "player/hero_cells.h"
#include "player/hero_moves.h"
#include "sound/music.h"

namespace {

struct SpecialMove {
    StrikeWindow strikes[4];
    int8_t strikeCount;
    SoundFrames sound[4];
    int8_t soundCount;
    int8_t soundSlot;
    int16_t end;
};

// clang-format off
const SpecialMove kSpecials[4] = {
    // 0: the wave
    {{{0, 29, 29, 320, 64, 155, 155, ANCHOR_RECT, -64, -16, -224, -16, FX_SPECIAL0}}, 1,
     {{0, 1, 1}}, 1, SOUND_SPECIAL, 30},
    // 1: flurry
    {{{0, 59, 59, 256, 64, 100, 100, ANCHOR_BODY, 0, 0, -192, 0, FX_SPECIAL1}}, 1,
     {{0, 58, 2}}, 1, SOUND_SPECIAL, 80},
    // 2: stronger flurry; X in it gives up the follow-on
    {{{0, 99, 99, 256, 64, 100, 100, ANCHOR_BODY, 0, 0, -192, 0, FX_SPECIAL2}}, 1,
     {{0, 98, 2}}, 1, SOUND_SPECIAL, 120},
    // 3: four widening cuts
    {{{0, 19, 19, 256, 64, 100, 100, ANCHOR_BODY, -64, 0, -128, 0, FX_SPECIAL3A},
      {20, 39, 39, 320, 64, 100, 100, ANCHOR_BODY, -128, 0, -192, 0, FX_SPECIAL3B},
      {40, 59, 59, 320, 64, 100, 100, ANCHOR_BODY, -64, 0, -256, 0, FX_SPECIAL3C},
      {60, 89, 89, 384, 64, 100, 100, ANCHOR_BODY, -128, 0, -192, 0, FX_SPECIAL3D}}, 4,
     {{0, 1, 1}, {20, 21, 1}, {40, 41, 1}, {60, 61, 1}}, 4, SOUND_SPECIAL3, 95},
};
// clang-format on

// The body: special 0 raises the sword, then looses the wave; the flurries cycle four
// cells; special 3 has one cell per cut.
int32_t SpecialCell(int32_t special, int32_t T, int window) {
    switch (special) {
        case 0:
            return T < 2 ? CELL_SPECIAL0_CHARGE : CELL_SPECIAL0_STRIKE;
        case 3:
            return CELL_SPECIAL3 + (window < 0 ? 3 : window);
        default:
            return CELL_SPECIAL_CYCLE + (window < 0 ? 0 : T % 4);
    }
}

}  // namespace

void StartSpecial(int32_t special) {
    Hero.gauge = 0;
    Hero.effectTimer[0] = 0;
    Hero.specialMove = special;
    Hero.comboMove = 0;
    Hero.state = HERO_SPECIAL;
    Hero.pauseFlash = 1;
    // A block left by a special 2 that a hit broke off must not spoil this one.
    if (special == 2) special3Block = 0;
}

bool RunSpecial() {
    const int32_t special = Hero.specialMove;
    if (special < 0 || special > 3) return true;
    const SpecialMove& m = kSpecials[special];
    const int32_t T = Hero.effectTimer[0];
    if (T >= m.end) {
        if (special == 2) special3Block = 0;
        return true;
    }

    int window = -1;
    for (int i = 0; i < m.strikeCount; ++i) {
        if (T >= m.strikes[i].first && T <= m.strikes[i].lastRight) window = i;
    }
    ShowHeroCell(SpecialCell(special, T, window));
    if (window >= 0) {
        StrikeSword(m.strikes[window], false);
    } else {
        Hero.effectOn[0] = 0;
    }

    if (special == 2) {
        if (window >= 0 && SpecialDown()) special3Block = 1;
        if (window < 0 && special3Block == 0) {
            ShowHint(HINT_X);
            if (SpecialDown()) {
                // The follow-on needs no gauge; it has its own pause.
                Hero.effectTimer[0] = 0;
                Hero.specialMove = 3;
                Hero.comboMove = 0;
                Hero.pauseFlash = 1;
                return false;
            }
        }
    }

    if (IsSoundFrame(m.sound, m.soundCount, T)) PlayEffect(m.soundSlot);

    Hero.effectTimer[0] = T + 1;
    return false;
}
