// The composer: turns a tune's description (scale, progression, instruments, styles) into
// a song. Deterministic: the same description always gives the same notes.
#pragma once
#include <cstdint>

#include "tools/music/song.h"

enum ScaleKind {
    SCALE_YO,
    SCALE_IN,
    SCALE_MAJOR_PENTA,
    SCALE_MINOR_PENTA,
    SCALE_HIRAJOSHI,
    SCALE_KUMOI,
    SCALE_IWATO
};
enum RhythmFeel { FEEL_SLOW, FEEL_MEDIUM, FEEL_FAST };
enum BassStyle { BASS_NONE, BASS_DRONE, BASS_HALF, BASS_PULSE, BASS_RUN };
enum AccompStyle { ACC_NONE, ACC_PLUCK, ACC_ARP8, ACC_ARP16, ACC_OSTINATO };
enum DrumStyle {
    DRUM_NONE,
    DRUM_CALM,
    DRUM_WALK,
    DRUM_MARCH,
    DRUM_FAST,
    DRUM_FESTIVAL,
    DRUM_EERIE,
    DRUM_BATTLE
};

// A section of the form: which phrases play and how loud.
enum SectionKind {
    SEC_A,      // main theme
    SEC_B,      // second theme, higher, on the B progression
    SEC_INTRO,  // accompaniment and drums only
    SEC_BREAK,  // accompaniment, counter line, soft drums
    SEC_END,    // one bar: the final chord, left to ring
};

struct TuneSpec {
    uint32_t seed;
    int tempo;
    int root;  // MIDI key of the tonic in the melody's octave (e.g. 62 = D4)
    ScaleKind scale;
    RhythmFeel feel;
    int melodyProgram;   // General MIDI program numbers, 0-based; -1 = none
    int counterProgram;  // answers the melody in sections B and break
    int accompProgram;   // broken chords
    int padProgram;      // held chords
    int bassProgram;
    AccompStyle accomp;
    BassStyle bass;
    DrumStyle drums;
    const char* progressionA;  // 8 scale degrees '0'..'4', one a bar
    const char* progressionB;
    const char* form;  // section letters: A B I (intro) K (break) E (end)
    int intensity;     // 0 quiet .. 3 loud: velocities and drum density
};

// Composes the whole form once. `loop`: the file ends on a bar line with nothing held
// over it (map tracks); otherwise the end section rings out.
Song ComposeTune(const TuneSpec& spec, bool loop);
