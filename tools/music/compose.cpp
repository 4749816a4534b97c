// Pentatonic composition in 4/4: every part is written in scale degrees over a chord
// progression of one chord a bar, so that whatever the motifs do stays in the mode.
//
// A degree k means the k-th note of the five-note scale counted from the tonic (negative
// below it, 5 = the octave). The chord on degree r is r, the scale note a fifth (or else a
// fourth) above it and a colour note a third or sixth away where the scale has one; melody
// strong beats land on those three.
#include "tools/music/compose.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kBar = 4 * kTicksPerBeat;
constexpr int kEighth = kTicksPerBeat / 2;

// Channels of the parts.
constexpr int kMelodyCh = 0, kCounterCh = 1, kAccompCh = 2, kPadCh = 3, kBassCh = 4, kTaikoCh = 5;
constexpr int kTaikoProgram = 116;

const int kScales[][5] = {
    {0, 2, 5, 7, 9},   // yo
    {0, 1, 5, 7, 8},   // in (miyako-bushi)
    {0, 2, 4, 7, 9},   // major pentatonic
    {0, 3, 5, 7, 10},  // minor pentatonic
    {0, 2, 3, 7, 8},   // hirajoshi
    {0, 2, 3, 7, 9},   // kumoi
    {0, 1, 5, 6, 10},  // iwato
};

struct Rng {
    uint32_t s;
    uint32_t Next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    int Range(int n) { return int(Next() % uint32_t(n)); }
    bool Chance(int percent) { return Range(100) < percent; }
};

int FloorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Rhythms of one bar, in eighths; a negative length is a rest.
const std::vector<std::vector<int>> kSlowRhythms = {
    {4, 4}, {6, 2}, {2, 2, 4}, {3, 1, 4}, {8}, {4, 2, 2}, {6, -2},
};
const std::vector<std::vector<int>> kMediumRhythms = {
    {2, 2, 2, 2}, {3, 1, 2, 2}, {2, 1, 1, 4}, {1, 1, 2, 2, 2},
    {2, 2, 4},    {3, 1, 3, 1}, {4, 2, 2},    {2, 2, 2, -2},
};
const std::vector<std::vector<int>> kFastRhythms = {
    {1, 1, 1, 1, 2, 2}, {2, 1, 1, 2, 1, 1}, {1, 1, 2, 1, 1, 2}, {2, 2, 1, 1, 2}, {3, 1, 2, 2}, {2, 2, 2, 2},
};

struct MotifNote {
    int start;   // eighths from the motif's start
    int length;  // eighths
    int degree;  // relative to the chord root of the unit's first bar
    bool rest;
};
using Motif = std::vector<MotifNote>;

class Composer {
public:
    Composer(const TuneSpec& spec, bool loop)
        : spec_(spec), loop_(loop), rng_{spec.seed * 2654435761u + 12345u} {
        if (rng_.s == 0) rng_.s = 1;
        scale_ = kScales[spec.scale];
    }

    Song Compose();

private:
    const TuneSpec& spec_;
    bool loop_;
    Rng rng_;
    const int* scale_;
    Song song_;
    Motif motifs_[4];  // A1, A2, B1, B2
    int counterPrev_ = -1;

    int Key(int degree) const {
        return spec_.root + 12 * FloorDiv(degree, 5) + scale_[((degree % 5) + 5) % 5];
    }
    // Semitones from degree a up to degree a + k.
    int Interval(int a, int k) const { return Key(a + k) - Key(a); }
    static bool Consonant(int a, int b) {
        int d = std::abs(a - b) % 12;
        return d != 1 && d != 6 && d != 11;
    }
    struct Chord {
        int fifth;    // degree offset of the fifth (or else the fourth) above the root
        int colour;   // degree offset of the colour note
        int tone[3];  // 0 and the two offsets, rising
    };
    Chord ChordOf(int root) const {
        Chord c{};
        for (int want : {7, 5})
            for (int k = 1; k < 5 && !c.fifth; ++k)
                if (Interval(root, k) == want) c.fifth = k;
        if (!c.fifth) c.fifth = 3;
        // Thirds and sixths first, then the open intervals; never a clash with the fifth.
        const int prefs[8] = {4, 3, 9, 8, 2, 10, 5, 7};
        for (int i = 0; i < 8 && !c.colour; ++i)
            for (int k = 1; k < 5 && !c.colour; ++k)
                if (k != c.fifth && Interval(root, k) == prefs[i] &&
                    Consonant(Interval(root, c.fifth), Interval(root, k)))
                    c.colour = k;
        if (!c.colour) c.colour = c.fifth == 2 ? 4 : 2;
        c.tone[0] = 0;
        c.tone[1] = std::min(c.fifth, c.colour);
        c.tone[2] = std::max(c.fifth, c.colour);
        return c;
    }
    // Degree of chord tone i over the root: 0, 1, 2, then the same an octave up.
    int ChordTone(int root, int i) const { return root + 5 * (i / 3) + ChordOf(root).tone[i % 3]; }
    int Degree(const char* prog, int bar) const { return prog[bar % 8] - '0'; }
    int Vel(int base) {
        int v = base + 8 * spec_.intensity + rng_.Range(9) - 4;
        return std::clamp(v, 1, 127);
    }
    void Add(int ch, int tick, int dur, int key, int vel) {
        if (key < 12 || key > 115 || dur <= 0) return;
        song_.notes.push_back({ch, tick, dur, key, std::clamp(vel, 1, 127)});
    }

    const std::vector<std::vector<int>>& Rhythms() const {
        return spec_.feel == FEEL_SLOW   ? kSlowRhythms
               : spec_.feel == FEEL_FAST ? kFastRhythms
                                         : kMediumRhythms;
    }
    Motif MakeMotif(int startDegree);
    Motif VaryMotif(const Motif& m);
    int SnapToChord(int degree, int root) const;
    void PlayMelodyUnit(int ch, const Motif& m, int tick, const char* prog, int bar, int lift, bool cadence,
                        bool tonicCadence, int velBase);
    void PlaySection(char kind, int tick, int sectionIndex, bool lastSection);
    void PlayAccomp(int tick, int root, int bar, int velBase);
    void PlayPad(int tick, int root, int length, int velBase);
    void PlayBass(int tick, int root, int velBase);
    void PlayCounter(int tick, int root, int velBase);
    void PlayDrums(int tick, int bar, bool sectionStart, bool sectionEnd, int velBase);
};

Motif Composer::MakeMotif(int startDegree) {
    const auto& rhythms = Rhythms();
    Motif m;
    int degree = startDegree;
    for (int half = 0; half < 2; ++half) {
        const std::vector<int>& r = rhythms[rng_.Range(int(rhythms.size()))];
        int pos = half * 8;
        for (int len : r) {
            bool rest = len < 0;
            int l = std::abs(len);
            if (!rest && !m.empty()) {
                int roll = rng_.Range(100);
                int step = roll < 12   ? -2
                           : roll < 42 ? -1
                           : roll < 50 ? 0
                           : roll < 82 ? 1
                           : roll < 92 ? 2
                                       : (roll < 96 ? 3 : -3);
                degree = std::clamp(degree + step, -1, 8);
            }
            m.push_back({pos, l, degree, rest});
            pos += l;
        }
    }
    return m;
}

// Same rhythm for the first bar; the second bar is sung anew.
Motif Composer::VaryMotif(const Motif& m) {
    Motif v;
    int degree = 0;
    for (const MotifNote& n : m)
        if (n.start < 8) {
            v.push_back(n);
            degree = n.degree;
        }
    const auto& rhythms = Rhythms();
    const std::vector<int>& r = rhythms[rng_.Range(int(rhythms.size()))];
    int pos = 8;
    for (int len : r) {
        int step = rng_.Range(5) - 2;
        degree = std::clamp(degree + step, -1, 8);
        v.push_back({pos, std::abs(len), degree, len < 0});
        pos += std::abs(len);
    }
    return v;
}

int Composer::SnapToChord(int degree, int root) const {
    int best = degree, bestDist = 99;
    for (int d = degree - 2; d <= degree + 2; ++d) {
        int rel = (((d - root) % 5) + 5) % 5;
        Chord c = ChordOf(root);
        if (rel == 0 || rel == c.fifth || rel == c.colour) {
            int dist = std::abs(d - degree);
            if (dist < bestDist) {
                bestDist = dist;
                best = d;
            }
        }
    }
    return best;
}

void Composer::PlayMelodyUnit(int ch, const Motif& m, int tick, const char* prog, int bar, int lift,
                              bool cadence, bool tonicCadence, int velBase) {
    // The motif follows the chord of its first bar, but by two degrees at most, so that
    // the phrase keeps to the melody's range.
    int base = Degree(prog, bar);
    if (base > 2) base -= 5;
    for (size_t i = 0; i < m.size(); ++i) {
        const MotifNote& n = m[i];
        int noteBar = bar + n.start / 8;
        int chord = Degree(prog, noteBar);
        int degree = std::clamp(n.degree + base + lift, 0, 9);
        bool strong = n.start % 4 == 0;
        // Notes on the beat and notes held long sit on the chord; quick ones may pass.
        if (strong || n.length >= 3) degree = SnapToChord(degree, chord);
        bool last = i + 1 == m.size();
        int start = tick + n.start * kEighth;
        int length = n.length * kEighth;
        if (cadence && n.start >= 8) {
            // The phrase closes: the rest of the second bar is one held note on the tonic
            // (or on the fifth for a half close).
            int target = tonicCadence ? 5 : 3;
            while (target - degree > 3) target -= 5;
            while (degree - target > 3) target += 5;
            Add(ch, start, 8 * kEighth - n.start % 8 * kEighth - 30, Key(target + 0), Vel(velBase));
            break;
        }
        if (n.rest) continue;
        int vel = Vel(velBase + (strong ? 8 : 0));
        // A grace note from above before a long note, as flute and koto players do.
        if (n.length >= 3 && i > 0 && rng_.Chance(35)) {
            int grace = kEighth / (song_.tempo > 100 ? 3 : 4);
            Add(ch, start, grace, Key(degree + 1), vel - 15);
            start += grace;
            length -= grace;
        }
        Add(ch, start, length - (last ? 30 : 15), Key(degree), vel);
    }
}

void Composer::PlayAccomp(int tick, int root, int bar, int velBase) {
    int b = root - 5;  // an octave under the melody
    switch (spec_.accomp) {
        case ACC_NONE:
            break;
        case ACC_PLUCK:
            for (int beat = 0; beat < 4; beat += 2)
                for (int i = 0; i < 3; ++i)
                    Add(kAccompCh, tick + beat * kTicksPerBeat + i * 25, 2 * kTicksPerBeat - 40,
                        Key(ChordTone(b, i + 1)), Vel(velBase - 10 + (beat == 0 ? 6 : 0)));
            break;
        case ACC_ARP8: {
            const int pat[2][8] = {{0, 1, 2, 3, 4, 3, 2, 1}, {0, 1, 2, 1, 3, 2, 1, 2}};
            const int* p = pat[bar % 2];
            for (int i = 0; i < 8; ++i)
                Add(kAccompCh, tick + i * kEighth, kEighth * 2, Key(ChordTone(b, p[i])),
                    Vel(velBase - 14 + (i == 0 ? 8 : 0)));
            break;
        }
        case ACC_ARP16: {
            const int p[8] = {0, 1, 2, 1, 3, 2, 1, 2};
            for (int i = 0; i < 16; ++i)
                Add(kAccompCh, tick + i * kEighth / 2, kEighth, Key(ChordTone(b, p[i % 8])),
                    Vel(velBase - 18 + (i % 4 == 0 ? 8 : 0)));
            break;
        }
        case ACC_OSTINATO: {
            Chord c = ChordOf(root);
            const int p[8] = {0, 0, c.fifth, 0, 5, 0, c.fifth, c.colour};
            for (int i = 0; i < 8; ++i)
                Add(kAccompCh, tick + i * kEighth, kEighth - 40, Key(b - 5 + p[i]),
                    Vel(velBase - 8 + (i % 2 ? 0 : 8)));
            break;
        }
    }
}

void Composer::PlayPad(int tick, int root, int length, int velBase) {
    if (spec_.padProgram < 0) return;
    for (int i = 0; i < 3; ++i)
        Add(kPadCh, tick, length - 20, Key(ChordTone(root - 5, i)), Vel(velBase - 25));
}

void Composer::PlayBass(int tick, int root, int velBase) {
    int b = root - 10;
    while (Key(b) > 52) b -= 5;
    while (Key(b) < 33) b += 5;
    int v = velBase - 5;
    const Chord chord = ChordOf(root);
    const int fifth = chord.fifth, colour = chord.colour;
    switch (spec_.bass) {
        case BASS_NONE:
            break;
        case BASS_DRONE:
            Add(kBassCh, tick, kBar - 30, Key(b), Vel(v));
            break;
        case BASS_HALF:
            // The root, then the fifth below it.
            Add(kBassCh, tick, 2 * kTicksPerBeat - 30, Key(b), Vel(v + 5));
            Add(kBassCh, tick + 2 * kTicksPerBeat, 2 * kTicksPerBeat - 30, Key(b + fifth - 5), Vel(v));
            break;
        case BASS_PULSE: {
            const int p[4] = {0, 0, fifth - 5, 0};
            for (int i = 0; i < 4; ++i)
                Add(kBassCh, tick + i * kTicksPerBeat, kTicksPerBeat - 60, Key(b + p[i]),
                    Vel(v + (i == 0 ? 6 : 0)));
            break;
        }
        case BASS_RUN: {
            const int p[8] = {0, 5, fifth, 5, 0, 5, fifth, colour};
            for (int i = 0; i < 8; ++i)
                Add(kBassCh, tick + i * kEighth, kEighth - 40, Key(b + p[i]), Vel(v + (i % 2 ? -4 : 4)));
            break;
        }
    }
}

// A slow second voice under the melody: two half notes a bar on chord tones, moving as
// little as it can.
void Composer::PlayCounter(int tick, int root, int velBase) {
    if (spec_.counterProgram < 0) return;
    for (int half = 0; half < 2; ++half) {
        int best = counterPrev_, bestDist = 99;
        for (int d = -5; d <= 3; ++d) {
            int rel = (((d - root) % 5) + 5) % 5;
            Chord c = ChordOf(root);
            if (rel != 0 && rel != c.fifth && rel != c.colour) continue;
            int dist = std::abs(d - counterPrev_) + (d == counterPrev_ ? 1 : 0);
            if (dist < bestDist) {
                bestDist = dist;
                best = d;
            }
        }
        counterPrev_ = best;
        Add(kCounterCh, tick + half * 2 * kTicksPerBeat, 2 * kTicksPerBeat - 40, Key(best),
            Vel(velBase - 12));
    }
}

void Composer::PlayDrums(int tick, int bar, bool sectionStart, bool sectionEnd, int velBase) {
    auto taiko = [&](int eighth, int key, int vel) {
        Add(kTaikoCh, tick + eighth * kEighth, kTicksPerBeat, key, Vel(vel));
    };
    auto kit = [&](int sixteenth, int key, int vel) {
        Add(kDrumChannel, tick + sixteenth * kEighth / 2, kEighth, key, Vel(vel));
    };
    int v = velBase;
    switch (spec_.drums) {
        case DRUM_NONE:
            break;
        case DRUM_CALM:
            if (bar % 2 == 0) taiko(0, 41, v);
            kit(8, 77, v - 35);
            if (bar % 4 == 0) kit(0, 81, v - 40);
            break;
        case DRUM_WALK:
            taiko(0, 41, v);
            taiko(4, 43, v - 12);
            kit(4, 37, v - 30);
            kit(12, 37, v - 30);
            for (int i = 1; i < 16; i += 2) kit(i, 69, v - 45);
            break;
        case DRUM_MARCH:
            taiko(0, 41, v + 5);
            taiko(3, 41, v - 10);
            taiko(4, 43, v);
            taiko(6, 48, v - 15);
            kit(12, 38, v - 30);
            if (sectionEnd)
                for (int i = 12; i < 16; ++i) kit(i, 50 - (i - 12) * 2, v - 10);
            break;
        case DRUM_FAST:
            for (int e : {0, 2, 3, 4, 6}) taiko(e, e % 4 == 0 ? 41 : 43, v - (e % 4 ? 10 : 0));
            taiko(7, 48, v - 18);
            for (int i = 0; i < 16; i += 2) kit(i, 42, v - 40);
            if (sectionStart) kit(0, 49, v - 15);
            if (sectionEnd)
                for (int i = 12; i < 16; ++i) kit(i, 50 - (i - 12) * 2, v - 8);
            break;
        case DRUM_FESTIVAL:
            for (int i = 0; i < 16; i += 2) kit(i, 76, v - (i % 4 ? 25 : 38));
            taiko(0, 41, v);
            taiko(4, 43, v - 8);
            kit(4, 54, v - 30);
            kit(12, 54, v - 30);
            kit(12, 39, v - 25);
            break;
        case DRUM_EERIE:
            if (bar % 4 == 0) taiko(0, 36, v - 10);
            if (bar % 4 == 2) taiko(4, 38, v - 25);
            if (bar % 2 == 1) kit(8, 53, v - 45);
            break;
        case DRUM_BATTLE:
            for (int e : {0, 1, 3, 4, 5, 7}) taiko(e, e == 0 || e == 4 ? 41 : 43, v - (e % 4 ? 12 : 0));
            kit(0, 36, v - 10);
            kit(8, 36, v - 15);
            kit(4, 38, v - 20);
            kit(12, 38, v - 20);
            for (int i = 0; i < 16; i += 2) kit(i, 42, v - 38);
            if (sectionStart) kit(0, 49, v - 10);
            if (sectionEnd)
                for (int i = 8; i < 16; ++i) kit(i, 50 - (i - 8), v - 10 + (i - 8));
            break;
    }
}

void Composer::PlaySection(char kind, int tick, int sectionIndex, bool lastSection) {
    int velBase = 62 + (kind == 'B' ? 6 : 0) - (kind == 'K' || kind == 'I' ? 10 : 0);
    const char* prog = (kind == 'B') ? spec_.progressionB : spec_.progressionA;
    if (kind == 'E') {
        // The last chord on the tonic, held for a bar and a half so that it can ring.
        int len = kBar + kBar / 2;
        PlayPad(tick, 0, len, velBase + 10);
        for (int i = 0; i < 3; ++i) Add(kAccompCh, tick + i * 40, len, Key(ChordTone(-5, i)), Vel(velBase));
        Add(kMelodyCh, tick, len, Key(5), Vel(velBase));
        if (spec_.counterProgram >= 0) Add(kCounterCh, tick, len, Key(ChordOf(0).fifth), Vel(velBase - 10));
        if (spec_.bassProgram >= 0) Add(kBassCh, tick, len, Key(-10), Vel(velBase));
        if (spec_.drums != DRUM_NONE) {
            Add(kTaikoCh, tick, kTicksPerBeat, 41, Vel(velBase + 20));
            if (spec_.drums >= DRUM_MARCH) Add(kDrumChannel, tick, kTicksPerBeat, 49, Vel(velBase));
        }
        return;
    }
    for (int bar = 0; bar < 8; ++bar) {
        int t = tick + bar * kBar;
        int root = Degree(prog, bar);
        bool chordChange = bar == 0 || Degree(prog, bar - 1) != root;
        PlayAccomp(t, root, bar, velBase);
        if (chordChange) {
            int held = 1;
            while (bar + held < 8 && Degree(prog, bar + held) == root) ++held;
            PlayPad(t, root, held * kBar, velBase);
        }
        PlayBass(t, root, velBase);
        if (kind != 'K' || bar % 2 == 0)
            PlayDrums(t, bar, bar == 0, bar == 7, kind == 'K' ? velBase - 10 : velBase);
        if (kind == 'B' || (kind == 'A' && sectionIndex > 1)) PlayCounter(t, root, velBase);
    }
    int melodyVel = velBase + 4;
    if (kind == 'A' || kind == 'B') {
        const Motif* m = kind == 'A' ? &motifs_[0] : &motifs_[2];
        const Motif* m2 = kind == 'A' ? &motifs_[1] : &motifs_[3];
        int lift = kind == 'B' ? 2 : 0;
        bool closeOnTonic = kind == 'A' || lastSection;
        PlayMelodyUnit(kMelodyCh, *m, tick, prog, 0, lift, false, false, melodyVel);
        PlayMelodyUnit(kMelodyCh, VaryMotif(*m), tick + 2 * kBar, prog, 2, lift, true, false, melodyVel);
        PlayMelodyUnit(kMelodyCh, *m2, tick + 4 * kBar, prog, 4, lift, false, false, melodyVel);
        PlayMelodyUnit(kMelodyCh, *m, tick + 6 * kBar, prog, 6, lift, true, closeOnTonic, melodyVel);
    } else if (kind == 'K' && spec_.counterProgram >= 0) {
        // The break keeps the theme in the ear: the counter voice sings its second motif.
        PlayMelodyUnit(kCounterCh, motifs_[1], tick + 2 * kBar, prog, 2, -5, false, false, velBase);
        PlayMelodyUnit(kCounterCh, motifs_[1], tick + 6 * kBar, prog, 6, -5, true, true, velBase);
    }
}

Song Composer::Compose() {
    song_.tempo = spec_.tempo;
    auto setup = [&](int ch, int program, int volume, int pan, int reverb) {
        if (program < 0) return;
        song_.channels[ch].program = program;
        song_.channels[ch].volume = volume;
        song_.channels[ch].pan = pan;
        song_.channels[ch].reverb = reverb;
    };
    setup(kMelodyCh, spec_.melodyProgram, 108, 64, 60);
    setup(kCounterCh, spec_.counterProgram, 70, 84, 64);
    setup(kAccompCh, spec_.accompProgram, 84, 44, 50);
    setup(kPadCh, spec_.padProgram, 70, 72, 80);
    setup(kBassCh, spec_.bassProgram, 96, 64, 30);
    if (spec_.drums != DRUM_NONE) {
        setup(kTaikoCh, kTaikoProgram, 100, 58, 50);
        setup(kDrumChannel, 0, 80, 70, 40);
    }

    motifs_[0] = MakeMotif(2 + rng_.Range(2));
    motifs_[1] = MakeMotif(3 + rng_.Range(3));
    motifs_[2] = MakeMotif(3 + rng_.Range(2));
    motifs_[3] = MakeMotif(2 + rng_.Range(3));

    int tick = 0;
    int n = int(std::strlen(spec_.form));
    for (int i = 0; i < n; ++i) {
        char kind = spec_.form[i];
        if (kind == 'E' && loop_) continue;
        bool last = true;
        for (int j = i + 1; j < n; ++j)
            if (spec_.form[j] == 'A' || spec_.form[j] == 'B') last = false;
        PlaySection(kind == 'I' ? 'I' : kind, tick, i, last);
        tick += kind == 'E' ? 2 * kBar : 8 * kBar;
    }
    song_.lengthTicks = tick;
    return song_;
}

}  // namespace

Song ComposeTune(const TuneSpec& spec, bool loop) {
    return Composer(spec, loop).Compose();
}
