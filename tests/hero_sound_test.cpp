// The frames on which her moves start their sounds: the swing for the sword moves, the
// special sound for specials 0 to 2 and its own sound for special 3.
#include <vector>

#include "hero_test_world.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "player/hero_moves.h"
#include "sound/music.h"

namespace {

class HeroSounds : public HeroWorld {
protected:
    void SetUp() override {
        HeroWorld::SetUp();
        sys_Init(MIRAVEL_BUILD_DIR);
        headless_Configure(HeadlessConfig{});
        ASSERT_TRUE(InitMusic());
        for (const MusicFile& f : kGameMusicFiles) {
            if (f.slot == SOUND_SWING || f.slot == SOUND_SPECIAL || f.slot == SOUND_SPECIAL3) {
                ASSERT_TRUE(LoadMusic(f.slot, f.file, f.looping))
                    << "the generated music is missing: build `music`";
            }
        }
        int32_t drop[64];
        TakeStartedEffects(drop, 64);
    }
    void TearDown() override {
        StopAllMusic();
        CloseMusic();
        HeroWorld::TearDown();
    }
    // Runs the move to its end; the values of T on which the slot was started.
    std::vector<int32_t> SoundFramesOf(int32_t slot) {
        std::vector<int32_t> frames;
        for (int n = 0; n < 200 && Hero.state != HERO_CONTROL; ++n) {
            const int32_t T = Hero.effectTimer[0];
            Frame();
            int32_t started[8];
            const int count = TakeStartedEffects(started, 8);
            for (int i = 0; i < count; ++i) {
                if (started[i] == slot) frames.push_back(T);
            }
        }
        return frames;
    }
};

TEST_F(HeroSounds, EachMoveSoundsOnItsOwnFrames) {
    struct Case {
        int32_t state, move, slot;
        std::vector<int32_t> frames;
    } cases[] = {
        {HERO_COMBO, 0, SOUND_SWING, {32, 33, 34, 35, 36, 37, 38, 39, 40}},
        {HERO_COMBO, 1, SOUND_SWING, {0, 1, 2, 3, 4, 5, 6}},
        {HERO_COMBO, 3, SOUND_SWING, {2, 3}},
        {HERO_COMBO, 4, SOUND_SWING, {3}},
        {HERO_COMBO, 7, SOUND_SWING, {1, 6}},
        {HERO_COMBO, 9, SOUND_SWING, {4, 5, 6, 7}},
        {HERO_SPECIAL, 0, SOUND_SPECIAL, {0, 1}},
        {HERO_SPECIAL, 3, SOUND_SPECIAL3, {0, 1, 20, 21, 40, 41, 60, 61}},
        {HERO_SPECIAL, 3, SOUND_SPECIAL, {}},
    };
    for (const Case& c : cases) {
        ResetHero();
        SetLevel(9);  // nothing chains on
        InMove(c.state, c.move, 0);
        EXPECT_EQ(SoundFramesOf(c.slot), c.frames) << "state " << c.state << " move " << c.move;
    }
    ResetHero();
    InMove(HERO_SPECIAL, 1, 0);
    const std::vector<int32_t> flurry = SoundFramesOf(SOUND_SPECIAL);
    ASSERT_EQ(flurry.size(), 30u);
    EXPECT_EQ(flurry.front(), 0);
    EXPECT_EQ(flurry.back(), 58);
}

}  // namespace
