#include "tools/music/song.h"

#include <algorithm>

namespace {

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7f;
    while (v >>= 7) buf[n++] = 0x80 | (v & 0x7f);
    while (n) out.push_back(buf[--n]);
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(v >> s));
}

struct Event {
    int tick;
    int order;  // at one tick: set-up, then note-offs, then note-ons
    uint8_t bytes[3];
    int size;
};

}  // namespace

double TicksToSeconds(const Song& song, int ticks) {
    return double(ticks) / kTicksPerBeat * 60.0 / song.tempo;
}

std::vector<uint8_t> WriteMidiFile(const Song& song) {
    std::vector<Event> events;
    for (int ch = 0; ch < 16; ++ch) {
        const ChannelSetup& c = song.channels[ch];
        if (c.program < 0) continue;
        uint8_t st = uint8_t(0xB0 | ch);
        events.push_back({0, 0, {st, 0, 0}, 3});  // bank 0
        if (ch != kDrumChannel) events.push_back({0, 1, {uint8_t(0xC0 | ch), uint8_t(c.program), 0}, 2});
        events.push_back({0, 2, {st, 7, uint8_t(c.volume)}, 3});
        events.push_back({0, 2, {st, 10, uint8_t(c.pan)}, 3});
        events.push_back({0, 2, {st, 91, uint8_t(c.reverb)}, 3});
        events.push_back({0, 2, {st, 93, uint8_t(c.chorus)}, 3});
    }
    for (const SongNote& n : song.notes) {
        int end = std::min(n.tick + n.duration, song.lengthTicks);
        if (n.tick >= end) continue;
        uint8_t ch = uint8_t(n.channel);
        events.push_back({n.tick, 4, {uint8_t(0x90 | ch), uint8_t(n.key), uint8_t(n.velocity)}, 3});
        events.push_back({end, 3, {uint8_t(0x80 | ch), uint8_t(n.key), 0}, 3});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    std::vector<uint8_t> track;
    // Tempo meta event.
    uint32_t usPerBeat = uint32_t(60000000.0 / song.tempo + 0.5);
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03, uint8_t(usPerBeat >> 16), uint8_t(usPerBeat >> 8),
                               uint8_t(usPerBeat)});
    int last = 0;
    for (const Event& e : events) {
        PutVarLen(track, uint32_t(e.tick - last));
        last = e.tick;
        track.insert(track.end(), e.bytes, e.bytes + e.size);
    }
    PutVarLen(track, uint32_t(song.lengthTicks - last));
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> out = {'M',
                                'T',
                                'h',
                                'd',
                                0,
                                0,
                                0,
                                6,
                                0,
                                0,
                                0,
                                1,
                                uint8_t(kTicksPerBeat >> 8),
                                uint8_t(kTicksPerBeat & 0xff)};
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    Put32(out, uint32_t(track.size()));
    out.insert(out.end(), track.begin(), track.end());
    return out;
}
