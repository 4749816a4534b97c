// The generated sound files: each has the format its use needs, the boss and ending music
// last as long as the game lets them play, and every piece has its menu line.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/text_encoding.h"
#include "sound/music.h"

namespace {

std::vector<uint8_t> ReadData(const char* file) {
    std::string path = std::string(MIRAVEL_BUILD_DIR) + "/" + file;
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
    std::fclose(f);
    return bytes;
}

uint32_t Be32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// Length in seconds of an Ogg Vorbis file: the granule position of its last page.
double OggSeconds(const std::vector<uint8_t>& b) {
    for (size_t i = b.size() >= 27 ? b.size() - 27 : 0; i > 0; --i) {
        if (std::memcmp(&b[i], "OggS", 4) != 0) continue;
        uint64_t granule = 0;
        for (int k = 7; k >= 0; --k) granule = granule << 8 | b[i + 6 + size_t(k)];
        return double(granule) / 44100.0;
    }
    return 0;
}

struct MidiInfo {
    bool ok = false;
    uint32_t length = 0;  // ticks to the end-of-track mark
    uint32_t ticksPerBeat = 0;
    int notes = 0;
    bool programs = false;
};

// Walks a format-0 file's one track.
MidiInfo ReadMidi(const std::vector<uint8_t>& b) {
    MidiInfo info;
    if (b.size() < 22 || std::memcmp(b.data(), "MThd", 4) || std::memcmp(&b[14], "MTrk", 4)) return info;
    info.ticksPerBeat = uint32_t(b[12]) << 8 | b[13];
    size_t p = 22, end = std::min(b.size(), size_t(22 + Be32(&b[18])));
    uint32_t tick = 0;
    while (p < end) {
        uint32_t delta = 0;
        while (p < end) {
            uint8_t c = b[p++];
            delta = delta << 7 | (c & 0x7f);
            if (!(c & 0x80)) break;
        }
        tick += delta;
        if (p >= end) return info;
        uint8_t status = b[p++];
        if (status == 0xFF) {
            uint8_t type = b[p], len = b[p + 1];
            p += 2 + len;
            if (type == 0x2F) {
                info.ok = true;
                info.length = tick;
                return info;
            }
        } else if ((status & 0xF0) == 0xC0) {
            info.programs = true;
            p += 1;
        } else if ((status & 0xF0) == 0x90) {
            if (b[p + 1] > 0) ++info.notes;
            p += 2;
        } else {
            p += 2;  // note-off and controllers: two data bytes
        }
    }
    return info;
}

TEST(SoundContent, TracksLoopOnABarLineAndEffectsAreShortWaves) {
    for (const MusicFile& f : kGameMusicFiles) {
        std::vector<uint8_t> b = ReadData(f.file);
        ASSERT_FALSE(b.empty()) << f.file << " missing: build the `music` target";
        if (f.looping) {
            MidiInfo m = ReadMidi(b);
            ASSERT_TRUE(m.ok) << f.file << " is not a well-formed MIDI file";
            EXPECT_TRUE(m.programs) << f.file;
            EXPECT_GT(m.notes, 200) << f.file;
            EXPECT_EQ(m.length % (4 * m.ticksPerBeat), 0u) << f.file << ": the loop must wrap on a bar line";
        } else {
            ASSERT_GE(b.size(), 44u);
            EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0) << f.file;
            EXPECT_EQ(std::memcmp(&b[8], "WAVE", 4), 0) << f.file;
            double seconds = double(b.size() - 44) / Le32(&b[28]);
            EXPECT_GT(seconds, 0.1) << f.file;
            EXPECT_LT(seconds, 1.5) << f.file;
        }
    }
}

TEST(SoundContent, MediaLastAsLongAsTheirRestartPeriods) {
    struct Case {
        const char* file;
        double minSeconds, maxSeconds;
    } cases[] = {
        {"DATA/AE00799.xml", 131.0, 131.5},  // boss track 0, restarted every 131.5 s
        {"DATA/AE00896.xml", 169.5, 170.0},  // boss track 1, every 170 s
        {"DATA/AE00822.xml", 110.5, 111.0},  // boss track 2, every 111 s
        {"DATA/AE00739.xml", 240.0, 300.0},  // the ending: 234 s of pictures, then the choice
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> b = ReadData(c.file);
        ASSERT_GE(b.size(), 4u) << c.file;
        EXPECT_EQ(std::memcmp(b.data(), "OggS", 4), 0) << c.file;
        double seconds = OggSeconds(b);
        EXPECT_GE(seconds, c.minSeconds) << c.file;
        EXPECT_LE(seconds, c.maxSeconds) << c.file;
    }
}

TEST(SoundContent, EveryPieceHasItsMenuLine) {
    const std::string unset = SjisToUtf8("未設定...");
    std::set<std::string> seen;
    for (const MusicFile& f : kGameMusicFiles) {
        std::string text = SjisToUtf8(GetMusicTitle(f.slot));
        if (f.looping) {
            EXPECT_TRUE(seen.insert(text).second) << "slot " << f.slot << " shares its title";
            EXPECT_NE(text, unset) << "slot " << f.slot;
            EXPECT_NE(text.find(u8"作曲"), std::string::npos) << text;
            EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos)
                << "slot " << f.slot << " is not Shift_JIS";
        }
    }
    for (int32_t mark : {kTrackBoss0, kTrackBoss1, kTrackBoss2, 6, 10, 41, 43})
        EXPECT_NE(SjisToUtf8(GetMusicTitle(mark)), unset) << mark;
    EXPECT_STREQ(GetMusicTitle(6), GetMusicTitle(10));
    EXPECT_STREQ(GetMusicTitle(41), GetMusicTitle(43));
    for (int32_t none : {26, 29, 0, 5, 44, kTrackAtStart, kTrackNone, -1})
        EXPECT_EQ(SjisToUtf8(GetMusicTitle(none)), u8"未設定...") << none;
}

}  // namespace
