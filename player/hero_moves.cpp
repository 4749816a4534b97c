// The ten chained sword moves: each a timeline on T of wind-up, strike, follow-through
// and end, kept as one table row per move.
#include "player/hero_moves.h"

#include "player/hero.h"
#include "player/hero_cells.h"
#include "sound/music.h"
#include "world/grid.h"

namespace {

// An input a follow-through window accepts: X (a special, with a full gauge) or Z alone,
// with up or with down (a combo move).
struct Continuation {
    int8_t input;  // HINT_X, HINT_Z, HINT_UP_Z or HINT_DOWN_Z
    int16_t level;
    int8_t target;  // the special (for X) or the combo move
};

struct ComboMove {
    StrikeWindow strikes[2];
    int8_t strikeCount;
    SoundFrames sound[2];
    int8_t soundCount;
    Continuation next[4];  // tested in this order
    int8_t nextCount;
    bool staminaTest;  // the window opens only with stamina left
    int16_t end;
    // The first slash's own rules: its wind-up speeds up with level, a dash window,
    // and its cell turned upside down later in the swing.
    bool levelSpeedUp;
    int16_t dashFirst, dashLast;
    int16_t flipFrom;
    bool jumping;  // the jumping slash: rises first, T runs only while not rising
};

enum : int16_t { NEVER = 32767 };
constexpr int16_t DASH_LEVEL = 20;

// clang-format off
const ComboMove kComboMoves[10] = {
    // 0: the first slash, started by Z from control
    {{{32, 47, 47, 128, 50, 100, 155, ANCHOR_RECT, -5, -16, -119, -16, FX_COMBO0}}, 1,
     {{32, 40, 1}}, 1,
     {{HINT_X, 0, 0}, {HINT_UP_Z, 50, 6}, {HINT_DOWN_Z, 25, 2}, {HINT_Z, 10, 1}}, 4, true, 65,
     true, 20, 31, 35, false},
    // 1: rising arc
    {{{7, 19, 19, 128, 128, 100, 100, ANCHOR_BODY, 0, -64, -64, -64, FX_COMBO1}}, 1,
     {{0, 6, 1}}, 1,
     {{HINT_X, 15, 0}, {HINT_Z, 40, 5}}, 2, true, 40,
     false, NEVER, NEVER, NEVER, false},
    // 2: low sweep
    {{{4, 13, 13, 256, 64, 155, 155, ANCHOR_BODY, -64, 0, -128, 0, FX_COMBO2}}, 1,
     {{0, 3, 1}}, 1,
     {{HINT_Z, 30, 3}}, 1, false, 30,
     false, NEVER, NEVER, NEVER, false},
    // 3: vertical cut, then the great arc (longer facing left)
    {{{4, 4, 4, 64, 128, 155, 155, ANCHOR_BODY, -64, -32, 128, -32, FX_COMBO3A},
      {5, 9, 14, 256, 128, 155, 155, ANCHOR_BODY, -64, -32, -128, -32, FX_COMBO3B}}, 2,
     {{2, 3, 1}}, 1,
     {{HINT_X, 45, 1}, {HINT_Z, 35, 4}}, 2, false, 25,
     false, NEVER, NEVER, NEVER, false},
    // 4: short thrust, then the long thrust; recovery only
    {{{3, 3, 3, 128, 64, 100, 100, ANCHOR_BODY, -32, 0, -32, 0, FX_COMBO4A},
      {4, 7, 7, 388, 64, 100, 100, ANCHOR_BODY, -160, 0, -160, 0, FX_COMBO4B}}, 2,
     {{3, 3, 1}}, 1,
     {}, 0, true, 20,
     false, NEVER, NEVER, NEVER, false},
    // 5: the jumping slash
    {{{4, 23, 23, 192, 128, 100, 100, ANCHOR_BODY, 0, -32, -128, -32, FX_COMBO5}}, 1,
     {{4, 4, 1}}, 1,
     {{HINT_X, 65, 1}, {HINT_Z, 60, 8}}, 2, true, 45,
     false, NEVER, NEVER, NEVER, true},
    // 6: arc over the head
    {{{4, 17, 17, 192, 128, 100, 100, ANCHOR_BODY, -64, -64, -64, -64, FX_COMBO6}}, 1,
     {{4, 7, 1}}, 1,
     {{HINT_X, 70, 1}, {HINT_Z, 55, 7}}, 2, true, 30,
     false, NEVER, NEVER, NEVER, false},
    // 7: double cut, no wind-up
    {{{0, 4, 4, 256, 64, 100, 100, ANCHOR_BODY, -64, 0, -128, 0, FX_COMBO7},
      {5, 11, 11, 256, 64, 100, 100, ANCHOR_BODY, -64, 0, -128, 0, FX_COMBO7}}, 2,
     {{1, 1, 1}, {6, 6, 1}}, 2,
     {{HINT_X, 75, 1}, {HINT_Z, 80, 9}}, 2, true, 30,
     false, NEVER, NEVER, NEVER, false},
    // 8: cross cut; recovery only
    {{{4, 17, 17, 192, 128, 100, 100, ANCHOR_BODY, -64, -64, -64, -64, FX_COMBO8}}, 1,
     {{4, 7, 1}}, 1,
     {}, 0, true, 22,
     false, NEVER, NEVER, NEVER, false},
    // 9: long drawing cut
    {{{4, 19, 19, 320, 64, 100, 100, ANCHOR_BODY, -64, 0, -192, 0, FX_COMBO9}}, 1,
     {{4, 7, 1}}, 1,
     {{HINT_X, 85, 2}}, 1, true, 30,
     false, NEVER, NEVER, NEVER, false},
};
// clang-format on

bool InputHeld(int8_t input) {
    switch (input) {
        case HINT_X:
            return SpecialDown();
        case HINT_Z:
            return AttackDown();
        case HINT_UP_Z:
            return UpDown() && AttackDown();
        case HINT_DOWN_Z:
            return DownDown() && AttackDown();
        default:
            return false;
    }
}

bool Accepted(const Continuation& c, int32_t L) {
    if (L < c.level) return false;
    return c.input != HINT_X || Hero.gauge >= HERO_GAUGE_FULL;
}

// The follow-through: the hint for what is open now, then the first input held.
bool TryContinuations(const ComboMove& m, int32_t L) {
    int32_t accepts = 0;
    for (int i = 0; i < m.nextCount; ++i) {
        if (Accepted(m.next[i], L)) accepts |= m.next[i].input;
    }
    ShowHint(accepts);
    for (int i = 0; i < m.nextCount; ++i) {
        const Continuation& c = m.next[i];
        if (!Accepted(c, L) || !InputHeld(c.input)) continue;
        if (c.input == HINT_X) {
            StartSpecial(c.target);
        } else {
            Hero.effectTimer[0] = 0;
            Hero.comboMove = c.target;
        }
        return true;
    }
    return false;
}

// The first slash winds up faster at higher levels.
int32_t WindUpStep(int32_t T, int32_t L) {
    if (T < 20) {
        const int32_t extra = (L > 10) + (L > 15) + (L > 20) + (L > 25) + (L > 30);
        return L > 80 ? extra + 2 : extra + 1;
    }
    if (T < 30) return 1 + (L > 40) + (L > 100);
    if (T < 32) return 1 + (L > 60) + (L > 120);
    return 1;
}

const StrikeWindow* StrikeAt(const ComboMove& m, int32_t T) {
    for (int i = 0; i < m.strikeCount; ++i) {
        const StrikeWindow& s = m.strikes[i];
        const int32_t last = Hero.facing == 3 ? s.lastLeft : s.lastRight;
        if (T >= s.first && T <= last) return &s;
    }
    return nullptr;
}

}  // namespace

bool IsSoundFrame(const SoundFrames* frames, int count, int32_t T) {
    for (int i = 0; i < count; ++i) {
        const SoundFrames& f = frames[i];
        if (T >= f.first && T <= f.last && (T - f.first) % f.step == 0) return true;
    }
    return false;
}

bool RunComboMove() {
    if (Hero.comboMove < 0 || Hero.comboMove > 9) return true;
    const ComboMove& m = kComboMoves[Hero.comboMove];
    const int32_t L = Hero.level;
    const int32_t T = Hero.effectTimer[0];
    const int32_t move = Hero.comboMove;
    if (T >= m.end) return true;

    if (m.jumping) {
        if (T == 0 && Hero.fall.onGround) {
            Hero.fall.vy = -10;
            Hero.fall.onGround = 0;
        }
        FallStep(&Hero.body, &Hero.hitRect, &Hero.y, &Hero.fall);
    }

    if (T < m.strikes[0].first) {
        Hero.effectOn[0] = 0;
        ShowHeroCell(ComboCell(move, POSE_WIND_UP));
        if (T >= m.dashFirst && T <= m.dashLast && L >= DASH_LEVEL && Hero.stamina > 0) {
            ShowHint(HINT_DASH);
            if (LeftDown() || RightDown()) {
                Hero.state = HERO_DASH;
                Hero.effectTimer[0] = 0;
                return false;
            }
        }
    } else if (const StrikeWindow* s = StrikeAt(m, T)) {
        ShowHeroCell(ComboCell(move, POSE_STRIKE));
        StrikeSword(*s, T >= m.flipFrom);
    } else {
        Hero.effectOn[0] = 0;
        ShowHeroCell(ComboCell(move, POSE_FOLLOW));
        if (m.nextCount > 0 && (!m.staminaTest || Hero.stamina >= 1) && TryContinuations(m, L)) return false;
    }

    if (IsSoundFrame(m.sound, m.soundCount, T)) PlayEffect(SOUND_SWING);

    if (m.jumping) {
        if (Hero.fall.vy >= 0) Hero.effectTimer[0] = T + 1;
    } else if (m.levelSpeedUp) {
        Hero.effectTimer[0] = T + WindUpStep(T, L);
    } else {
        Hero.effectTimer[0] = T + 1;
    }
    return false;
}
