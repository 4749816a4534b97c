// Real output: SDL's "disk" audio driver writes the mixed stream to a file, which proves
// that a map track, an effect and a media file are each actually heard. Each play runs in
// its own child process, since the driver is chosen when the audio starts.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "sound/music.h"

namespace {

constexpr long kBytesPerSecond = 44100 * 2 * 2;  // the mixer's 16-bit stereo at 44.1 kHz

long FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? long(st.st_size) : 0;
}

const char* FileOfSlot12() {
    for (const MusicFile& f : kGameMusicFiles)
        if (f.slot == 12) return f.file;
    return "";
}

struct Case {
    const char* what;
    double run;     // seconds of output written after the start
    double from;    // the measured second begins this long after the start
    bool realTime;  // the driver writes at the pace of a real device
};

// A media file is decoded on a worker before it starts, so its case runs at the pace of a
// real device; the others let the driver write as fast as the mixer can.
const Case kCases[] = {
    {"nothing", 2.0, 0.5, false},
    {"track", 2.0, 0.5, false},
    {"effect", 1.5, 0.0, false},
    {"media", 4.0, 2.8, true},
};

// In the child: start one thing, let the driver write `run` seconds past that moment, and
// exit with 0 on success. Writes the byte offset of the start into `path`.offset.
void PlayToDisk(const Case& c, const std::string& path) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    if (!c.realTime) setenv("SDL_DISKAUDIODELAY", "0", 1);
    sys_Init(MIRAVEL_BUILD_DIR);
    headless_Configure(HeadlessConfig{});
    if (!InitMusic()) std::exit(2);
    for (const MusicFile& f : kGameMusicFiles)
        if (!LoadMusic(f.slot, f.file, f.looping)) std::exit(3);
    if (!std::strcmp(c.what, "track")) PlayTrack(22);
    if (!std::strcmp(c.what, "loop")) PlayTrack(12);
    if (!std::strcmp(c.what, "effect")) PlayEffect(1);
    if (!std::strcmp(c.what, "media")) PlayMedia("DATA/AE00799.xml");
    // A track's synthesizer is made on a worker: measure from the moment it plays.
    for (int i = 0; i < 4000 && audio_TrackPending(); ++i) usleep(1000);
    long offset = FileSize(path);
    long end = offset + long(c.run * kBytesPerSecond);
    for (int i = 0; i < 4000 && FileSize(path) < end; ++i) usleep(5000);
    StopMedia();
    StopAllMusic();
    CloseMusic();
    FILE* f = std::fopen((path + ".offset").c_str(), "w");
    if (!f) std::exit(4);
    std::fprintf(f, "%ld\n", offset);
    std::fclose(f);
    std::exit(FileSize(path) >= end ? 0 : 5);
}

struct Level {
    double rms;       // of full scale
    double quietest;  // rms of the quietest 50 ms
    int peak;
};

// Level of one second of what was written after the start.
Level Measure(const std::string& path, double from) {
    long offset = 0;
    if (FILE* f = std::fopen((path + ".offset").c_str(), "r")) {
        if (std::fscanf(f, "%ld", &offset) != 1) offset = 0;
        std::fclose(f);
    }
    std::vector<int16_t> samples(size_t(kBytesPerSecond / 2));
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return {0, 0, 0};
    std::fseek(f, (offset + long(from * kBytesPerSecond)) & ~3L, SEEK_SET);
    size_t n = std::fread(samples.data(), 2, samples.size(), f);
    std::fclose(f);
    double sum = 0, window = 0, quietest = 1e30;
    const size_t windowSamples = size_t(kBytesPerSecond / 2 / 20);
    int peak = 0;
    for (size_t i = 0; i < n; ++i) {
        double sq = double(samples[i]) * samples[i];
        sum += sq;
        window += sq;
        if ((i + 1) % windowSamples == 0) {
            quietest = std::min(quietest, window);
            window = 0;
        }
        peak = std::max(peak, std::abs(int(samples[i])));
    }
    if (n < windowSamples) return {0, 0, 0};
    return {std::sqrt(sum / double(n)) / 32768.0, std::sqrt(quietest / double(windowSamples)) / 32768.0,
            peak};
}

// Seconds from a format-0 MIDI file's start to its end-of-track mark, at its one tempo.
double MidiSeconds(const char* file) {
    std::string path = std::string(MIRAVEL_BUILD_DIR) + "/" + file;
    std::vector<uint8_t> b(1 << 20);
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    b.resize(std::fread(b.data(), 1, b.size(), f));
    std::fclose(f);
    if (b.size() < 22 || std::memcmp(b.data(), "MThd", 4) != 0) return 0;
    double ticksPerBeat = double(b[12] << 8 | b[13]), usPerBeat = 500000;
    size_t p = 22;
    uint32_t tick = 0;
    while (p + 3 < b.size()) {
        uint32_t delta = 0;
        while (p < b.size() && (b[p] & 0x80)) delta = delta << 7 | (b[p++] & 0x7f);
        delta = delta << 7 | b[p++];
        tick += delta;
        uint8_t status = b[p++];
        if (status == 0xFF) {
            uint8_t type = b[p], len = b[p + 1];
            if (type == 0x51) usPerBeat = double(b[p + 2] << 16 | b[p + 3] << 8 | b[p + 4]);
            if (type == 0x2F) return tick / ticksPerBeat * usPerBeat / 1e6;
            p += 2 + len;
        } else {
            p += (status & 0xF0) == 0xC0 ? 1 : 2;
        }
    }
    return 0;
}

class SoundDisk : public ::testing::TestWithParam<Case> {};

TEST_P(SoundDisk, StartedSoundIsAudible) {
    const Case& c = GetParam();
    std::string what = c.what;
    std::string path = std::string(MIRAVEL_BUILD_DIR) + "/sound-disk-" + what + ".raw";
    std::remove(path.c_str());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(PlayToDisk(c, path), ::testing::ExitedWithCode(0), "");
    Level level = Measure(path, c.from);
    std::printf("[ sound    ] %s: rms %.4f of full scale, peak %d\n", c.what, level.rms, level.peak);
    if (what == "nothing") {
        // The control: with nothing started the driver writes silence.
        EXPECT_LT(level.peak, 8);
    } else {
        EXPECT_GT(level.rms, 0.01) << what << " is too quiet";  // above -40 dBFS
        EXPECT_LT(level.peak, 32767) << what << " clips";
    }
    std::remove(path.c_str());
    std::remove((path + ".offset").c_str());
}

// A map track wraps from its end to its start with no gap.
TEST(SoundDiskLoop, TrackWrapsWithoutAGap) {
    double loop = MidiSeconds(FileOfSlot12());
    ASSERT_GT(loop, 10.0);
    Case c = {"loop", loop + 1.5, loop - 0.5, false};
    std::string path = std::string(MIRAVEL_BUILD_DIR) + "/sound-disk-loop.raw";
    std::remove(path.c_str());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(PlayToDisk(c, path), ::testing::ExitedWithCode(0), "");
    Level level = Measure(path, c.from);
    std::printf("[ sound    ] loop at %.2f s: rms %.4f, quietest 50 ms %.4f\n", loop, level.rms,
                level.quietest);
    EXPECT_GT(level.rms, 0.01);
    EXPECT_GT(level.quietest, 0.003) << "a gap where the track wraps";
    std::remove(path.c_str());
    std::remove((path + ".offset").c_str());
}

INSTANTIATE_TEST_SUITE_P(Plays, SoundDisk, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.what);
                         });

}  // namespace
