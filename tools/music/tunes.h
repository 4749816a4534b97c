// The table of the game's music and effects, by data file.
#pragma once
#include "tools/music/compose.h"
#include "tools/music/effects.h"

struct Tune {
    const char* file;  // DATA/<file>.xml
    int slot;          // music slot of a map track, -1 for a media file
    bool loop;         // a looping MIDI track; otherwise rendered to an Ogg Vorbis file
    double seconds;    // length of a media file: the period after which the game restarts it
    TuneSpec spec;
};
extern const Tune kTunes[];
extern const int kTuneCount;

struct Effect {
    const char* file;
    int slot;
    EffectKind kind;
    float peak;  // level of the loudest sample
};
extern const Effect kEffects[];
extern const int kEffectCount;
