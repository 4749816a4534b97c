// A song as the generators build it: notes on the 16 General MIDI channels at one tempo,
// written as a Standard MIDI File or rendered to samples.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int kTicksPerBeat = 480;
constexpr int kDrumChannel = 9;

struct SongNote {
    int channel;
    int tick;      // start
    int duration;  // ticks
    int key;
    int velocity;
};

struct ChannelSetup {
    int program = -1;  // -1: channel unused
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
};

struct Song {
    int tempo = 120;      // beats per minute
    int lengthTicks = 0;  // the loop point: the file ends exactly here
    ChannelSetup channels[16];
    std::vector<SongNote> notes;
};

// Format 0 file: set-up of every used channel at tick 0, then the notes; the end-of-track
// mark sits at lengthTicks so a looping player wraps on the bar line.
std::vector<uint8_t> WriteMidiFile(const Song& song);

double TicksToSeconds(const Song& song, int ticks);
