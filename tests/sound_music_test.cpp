// The music slots, the play conventions and the media player, on the headless audio
// backend (a real mixer on SDL's dummy driver that records what was started).
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/audio.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "sound/music.h"

namespace {

bool EndsWith(const std::string& s, const char* tail) {
    size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

const char* FileOfSlot(int slot) {
    for (const MusicFile& f : kGameMusicFiles)
        if (f.slot == slot) return f.file;
    return nullptr;
}

// Loads the game's 33 files the way the game start does.
bool LoadGameMusic() {
    for (const MusicFile& f : kGameMusicFiles)
        if (!LoadMusic(f.slot, f.file, f.looping)) return false;
    return true;
}

class SoundMusic : public ::testing::Test {
protected:
    void SetUp() override {
        sys_Init(MIRAVEL_BUILD_DIR);
        HeadlessConfig config;
        config.noAudioDevice = NoDevice();
        headless_Configure(config);
        char probe[1024];
        FILE* f = std::fopen(sys_GamePath("DATA/AE00761.xml", probe, sizeof probe), "rb");
        ASSERT_NE(f, nullptr) << "the generated music is missing: build the `music` target";
        std::fclose(f);
        ASSERT_TRUE(InitMusic());
        ASSERT_TRUE(LoadGameMusic());
        g_CurrentTrack = kTrackAtStart;
        headless_TakeAudioEffects();
        int32_t drop[64];
        TakeStartedEffects(drop, 64);
    }
    void TearDown() override {
        StopMedia();
        StopAllMusic();
        CloseMusic();
        headless_Configure(HeadlessConfig{});
        g_CurrentTrack = kTrackAtStart;
    }
    virtual bool NoDevice() const { return false; }
};

class SoundMusicNoDevice : public SoundMusic {
protected:
    bool NoDevice() const override { return true; }
};

TEST_F(SoundMusic, GameLoadFillsExactlyTheSlotsOfTheTable) {
    bool listed[kMusicSlotCount] = {};
    for (const MusicFile& f : kGameMusicFiles) {
        ASSERT_GE(f.slot, 0);
        ASSERT_LT(f.slot, kMusicSlotCount);
        EXPECT_FALSE(listed[f.slot]) << "slot " << f.slot << " listed twice";
        listed[f.slot] = true;
    }
    for (int slot = 0; slot < kMusicSlotCount; ++slot)
        EXPECT_EQ(g_MusicSlots[slot] != nullptr, listed[slot]) << "slot " << slot;
    // The seven effects come first, the 26 looping map tracks after them.
    for (int i = 0; i < kGameMusicFileCount; ++i) EXPECT_EQ(kGameMusicFiles[i].looping, i >= 7) << i;
}

TEST_F(SoundMusic, TrackIsNotRestartedWhenAlreadyCurrent) {
    PlayTrack(22);
    EXPECT_EQ(g_CurrentTrack, 22);
    EXPECT_EQ(GetPlayingTrack(), 22);
    EXPECT_TRUE(EndsWith(headless_AudioTrack(), "/AE00761.xml")) << headless_AudioTrack();
    int starts = headless_AudioTrackStarts();

    PlayTrack(22);  // entering another map with the same track
    EXPECT_EQ(headless_AudioTrackStarts(), starts);
    EXPECT_EQ(g_CurrentTrack, 22);

    PlayTrack(24);  // a different slot replaces it
    EXPECT_EQ(headless_AudioTrackStarts(), starts + 1);
    EXPECT_EQ(g_CurrentTrack, 24);
    EXPECT_EQ(GetPlayingTrack(), 24);
    EXPECT_TRUE(EndsWith(headless_AudioTrack(), "/AE00808.xml")) << headless_AudioTrack();
}

TEST_F(SoundMusic, MarksAboveTheSlotsLetTheNextTrackStart) {
    // Game over and scenes stop the performance and leave a mark; boss tracks leave theirs.
    struct Case {
        int32_t mark;
        bool stopFirst;
    } cases[] = {{kTrackNone, true}, {kTrackBoss0, true}, {kTrackBoss1, false}, {kTrackBoss2, true}};
    for (const Case& c : cases) {
        PlayTrack(16);
        if (c.stopFirst) {
            StopPerformance();
            EXPECT_EQ(GetPlayingTrack(), -1);
            EXPECT_STREQ(headless_AudioTrack(), "");
        }
        g_CurrentTrack = c.mark;
        int starts = headless_AudioTrackStarts();
        PlayTrack(16);
        EXPECT_EQ(headless_AudioTrackStarts(), starts + 1) << "mark " << c.mark;
        EXPECT_EQ(GetPlayingTrack(), 16);
        EXPECT_EQ(g_CurrentTrack, 16);
    }
}

TEST_F(SoundMusic, EffectsOverlapAndLeaveTheTrackAlone) {
    PlayTrack(36);
    int starts = headless_AudioTrackStarts();
    for (int slot : {2, 3, 2, 29, 0}) PlayEffect(slot);
    EXPECT_EQ(g_CurrentTrack, 36);
    EXPECT_EQ(GetPlayingTrack(), 36);
    EXPECT_EQ(headless_AudioTrackStarts(), starts);
    EXPECT_TRUE(EndsWith(headless_AudioTrack(), "/AE00938.xml"));

    int32_t slots[8];
    ASSERT_EQ(TakeStartedEffects(slots, 8), 5);
    EXPECT_EQ(slots[0], 2);
    EXPECT_EQ(slots[1], 3);
    EXPECT_EQ(slots[3], 29);
    EXPECT_EQ(TakeStartedEffects(slots, 8), 0);  // taken once
    std::vector<std::string> files = headless_TakeAudioEffects();
    ASSERT_EQ(files.size(), 5u);
    EXPECT_TRUE(EndsWith(files[1], "/AE00842.xml"));
    EXPECT_TRUE(EndsWith(files[3], "/AE01008.xml"));
}

TEST_F(SoundMusic, EmptyAndOutOfRangeSlotsPlayNothing) {
    PlayTrack(22);
    int starts = headless_AudioTrackStarts();
    // An empty slot becomes current but the playing track goes on, as with a failed play.
    PlayTrack(6);
    EXPECT_EQ(g_CurrentTrack, 6);
    EXPECT_EQ(GetPlayingTrack(), 22);
    EXPECT_EQ(headless_AudioTrackStarts(), starts);
    for (int slot : {-1, 50, 1000, 26}) {
        PlayTrack(slot);
        PlayEffect(slot);
    }
    int32_t slots[8];
    EXPECT_EQ(TakeStartedEffects(slots, 8), 0);
    EXPECT_EQ(headless_AudioTrackStarts(), starts);
    EXPECT_FALSE(LoadMusic(50, "DATA/AE00761.xml", 1));
    EXPECT_FALSE(LoadMusic(-1, "DATA/AE00761.xml", 1));
}

TEST_F(SoundMusic, LoadEmptiesTheSlotFirst) {
    PlayTrack(7);
    ASSERT_TRUE(LoadMusic(7, FileOfSlot(40), 1));
    EXPECT_EQ(GetPlayingTrack(), -1);  // the old track went with its slot
    g_CurrentTrack = kTrackNone;
    PlayTrack(7);
    EXPECT_TRUE(EndsWith(headless_AudioTrack(), "/AE00999.xml")) << headless_AudioTrack();
}

// A failed load shows its fatal box, which ends the program: run it in a child process.
void LoadMissingFileAndExit() {
    bool loaded = LoadMusic(8, "DATA/AE99999.xml", 1);
    bool boxed = headless_FatalShown() && headless_FatalCaption() == "ERROR" &&
                 headless_FatalText().find(u8"MIDIファイルのロードに失敗") != std::string::npos;
    std::exit(!loaded && g_MusicSlots[8] == nullptr && boxed ? 0 : 1);
}

TEST_F(SoundMusic, LoadOfAMissingFileFailsWithItsBox) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(LoadMissingFileAndExit(), ::testing::ExitedWithCode(0), "");
}

TEST_F(SoundMusic, StopAllMusicReleasesEverySlotAndMayRunTwice) {
    PlayTrack(22);
    EXPECT_TRUE(StopAllMusic());
    for (int slot = 0; slot < kMusicSlotCount; ++slot) EXPECT_EQ(g_MusicSlots[slot], nullptr);
    EXPECT_EQ(GetPlayingTrack(), -1);
    EXPECT_STREQ(headless_AudioTrack(), "");
    ReleaseMusicSlots();
    EXPECT_TRUE(StopAllMusic());
    g_CurrentTrack = kTrackNone;
    PlayTrack(22);  // nothing loaded: nothing plays
    EXPECT_EQ(GetPlayingTrack(), -1);
    ASSERT_TRUE(LoadGameMusic());  // the slots can be filled again
    EXPECT_NE(g_MusicSlots[22], nullptr);
}

TEST_F(SoundMusic, MediaPlaysOnceBesideTheTrackAndStopsSafely) {
    EXPECT_TRUE(StopMedia());  // before any play
    EXPECT_EQ(GetPlayingMedia(), nullptr);
    PlayTrack(40);
    int starts = headless_AudioMediaStarts();
    PlayMedia("DATA/AE00799.xml");
    ASSERT_NE(GetPlayingMedia(), nullptr);
    EXPECT_STREQ(GetPlayingMedia(), "DATA/AE00799.xml");
    EXPECT_TRUE(EndsWith(headless_AudioMedia(), "/AE00799.xml"));
    EXPECT_TRUE(audio_MediaPlaying());
    EXPECT_EQ(headless_AudioMediaStarts(), starts + 1);
    EXPECT_EQ(GetPlayingTrack(), 40);  // the track plays on beside it

    PlayMedia("DATA/AE00799.xml");  // already playing: not restarted
    EXPECT_EQ(headless_AudioMediaStarts(), starts + 1);

    PlayMedia("DATA/AE00822.xml");  // another file takes its place
    EXPECT_STREQ(GetPlayingMedia(), "DATA/AE00822.xml");
    EXPECT_EQ(headless_AudioMediaStarts(), starts + 2);

    EXPECT_TRUE(StopMedia());
    EXPECT_TRUE(StopMedia());
    EXPECT_EQ(GetPlayingMedia(), nullptr);
    EXPECT_STREQ(headless_AudioMedia(), "");
    EXPECT_FALSE(audio_MediaPlaying());
    EXPECT_EQ(GetPlayingTrack(), 40);

    // The scenes' restart: stop, then play the same file again from its start.
    PlayMedia("DATA/AE00799.xml");
    StopMedia();
    PlayMedia("DATA/AE00799.xml");
    EXPECT_EQ(headless_AudioMediaStarts(), starts + 4);
}

TEST_F(SoundMusic, MediaThatCannotBePlayedIsSilent) {
    PlayMedia("DATA/AE99999.xml");
    EXPECT_EQ(GetPlayingMedia(), nullptr);
    EXPECT_FALSE(headless_FatalShown());
    PlayMedia(nullptr);
    EXPECT_EQ(GetPlayingMedia(), nullptr);
}

TEST_F(SoundMusicNoDevice, GameRunsSilentAndKeepsItsBookkeeping) {
    EXPECT_FALSE(audio_DeviceOpen());
    PlayTrack(22);
    PlayTrack(22);
    PlayEffect(2);
    PlayMedia("DATA/AE00739.xml");
    EXPECT_EQ(GetPlayingTrack(), 22);
    EXPECT_STREQ(GetPlayingMedia(), "DATA/AE00739.xml");
    int32_t slots[4];
    EXPECT_EQ(TakeStartedEffects(slots, 4), 1);
    EXPECT_TRUE(StopMedia());
    EXPECT_TRUE(StopMedia());
    // A missing file is still an error without a device.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(LoadMissingFileAndExit(), ::testing::ExitedWithCode(0), "");
}

TEST(SoundInit, NoDeviceIsSaidOnceOnStderrAndIsNotAFailure) {
    sys_Init(MIRAVEL_BUILD_DIR);
    HeadlessConfig config;
    config.noAudioDevice = true;
    headless_Configure(config);
    testing::internal::CaptureStderr();
    bool ok = InitMusic();
    std::string err = testing::internal::GetCapturedStderr();
    headless_Configure(HeadlessConfig{});
    CloseMusic();
    EXPECT_TRUE(ok);
    EXPECT_FALSE(headless_FatalShown());
    size_t first = err.find("no sound device");
    ASSERT_NE(first, std::string::npos) << err;
    EXPECT_EQ(err.find("no sound device", first + 1), std::string::npos) << err;
}

// A machine whose audio driver cannot start: the game goes on silent.
void RunWithoutAudioDriverAndExit() {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    sys_Init(MIRAVEL_BUILD_DIR);
    headless_Configure(HeadlessConfig{});
    bool ok = InitMusic() && !audio_DeviceOpen() && LoadGameMusic();
    PlayTrack(22);
    PlayEffect(3);
    PlayMedia("DATA/AE00799.xml");
    ok = ok && GetPlayingTrack() == 22 && GetPlayingMedia() != nullptr && !headless_FatalShown();
    StopMedia();
    StopAllMusic();
    CloseMusic();
    std::exit(ok ? 0 : 1);
}

TEST(SoundInit, MissingAudioDriverRunsSilent) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunWithoutAudioDriverAndExit(), ::testing::ExitedWithCode(0), "no sound device");
}

}  // namespace
