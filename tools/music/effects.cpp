// Each effect is built from a few plain voices: decaying sines, noise through a resonant
// band-pass filter whose centre can sweep, and envelopes.
#include "tools/music/effects.h"

#include <cmath>
#include <cstdint>

#include "tools/music/render.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

struct Noise {
    uint32_t s = 0x9E3779B9u;
    float Next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return float(s) / 2147483648.0f - 1.0f;
    }
};

// State-variable band-pass filter.
struct BandPass {
    float low = 0, band = 0;
    float Step(float in, float centre, float q) {
        float f = 2.0f * std::sin(float(kTwoPi / 2) * centre / kSampleRate);
        float high = in - low - band / q;
        band += f * high;
        low += f * band;
        return band;
    }
};

size_t Frames(double seconds) {
    return size_t(seconds * kSampleRate);
}
double T(size_t i) {
    return double(i) / kSampleRate;
}
float Decay(double t, double tau) {
    return float(std::exp(-t / tau));
}
float Attack(double t, double len) {
    return t < len ? float(t / len) : 1.0f;
}

std::vector<float> Hit() {
    std::vector<float> s(Frames(0.35));
    Noise n;
    BandPass bp;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = T(i);
        double freq = 55 + 140 * std::exp(-t / 0.04);
        phase += kTwoPi * freq / kSampleRate;
        float thud = float(std::sin(phase)) * Decay(t, 0.09) * Attack(t, 0.002);
        float crack = bp.Step(n.Next(), 2200, 1.2f) * Decay(t, 0.025);
        s[i] = 0.9f * thud + 1.4f * crack;
    }
    return s;
}

std::vector<float> Clash() {
    std::vector<float> s(Frames(1.1));
    Noise n;
    BandPass bp;
    const double partials[] = {1187, 2731, 3923, 5310, 6645};
    const double taus[] = {0.30, 0.22, 0.16, 0.10, 0.07};
    for (size_t i = 0; i < s.size(); ++i) {
        double t = T(i);
        float ring = 0;
        for (int k = 0; k < 5; ++k)
            ring += float(std::sin(kTwoPi * partials[k] * t + k)) * Decay(t, taus[k]) / float(k + 1.5);
        float scrape = bp.Step(n.Next(), 4500, 2.0f) * Decay(t, 0.03);
        s[i] = (ring + scrape) * Attack(t, 0.001);
    }
    return s;
}

std::vector<float> Swing() {
    std::vector<float> s(Frames(0.3));
    Noise n;
    BandPass bp;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = T(i);
        double x = t / 0.3;
        float env = float(std::sin(3.14159 * x) * std::sin(3.14159 * x) * (1.0 - x * 0.5));
        float centre = float(600 + 2400 * x);
        s[i] = bp.Step(n.Next(), centre, 3.0f) * env;
    }
    return s;
}

std::vector<float> Special() {
    std::vector<float> s(Frames(0.9));
    Noise n;
    BandPass bp;
    double phase = 0, phase2 = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = T(i);
        double freq = 220 * std::pow(4.0, t / 0.9) * (1 + 0.02 * std::sin(kTwoPi * 7 * t));
        phase += kTwoPi * freq / kSampleRate;
        phase2 += kTwoPi * freq * 1.5 / kSampleRate;
        float env = Attack(t, 0.08) * float(1.0 - std::pow(t / 0.9, 3));
        float shimmer = bp.Step(n.Next(), float(freq * 4), 6.0f) * 0.5f;
        s[i] = env * (0.6f * float(std::sin(phase + 0.8 * std::sin(phase2))) +
                      0.3f * float(std::sin(phase2)) + shimmer);
    }
    return s;
}

std::vector<float> Marker() {
    std::vector<float> s(Frames(1.4));
    const double f0 = 1318.5;  // E6
    const double ratios[] = {1.0, 2.0, 2.76, 5.4};
    const double taus[] = {0.45, 0.25, 0.18, 0.08};
    for (size_t i = 0; i < s.size(); ++i) {
        double t = T(i);
        float v = 0;
        for (int k = 0; k < 4; ++k)
            v += float(std::sin(kTwoPi * f0 * ratios[k] * t)) * Decay(t, taus[k]) / float(k + 1);
        s[i] = v * Attack(t, 0.002);
    }
    return s;
}

std::vector<float> Thrust() {
    std::vector<float> s(Frames(0.22));
    Noise n;
    BandPass bp;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = T(i);
        double x = t / 0.22;
        float whoosh = bp.Step(n.Next(), float(3500 - 2000 * x), 4.0f) * float(std::sin(3.14159 * x)) * 1.2f;
        phase += kTwoPi * (90 + 60 * std::exp(-t / 0.02)) / kSampleRate;
        float stab = t > 0.12 ? float(std::sin(phase)) * Decay(t - 0.12, 0.03) : 0.0f;
        s[i] = whoosh + 0.8f * stab;
    }
    return s;
}

std::vector<float> Fire() {
    std::vector<float> s(Frames(1.2));
    Noise n, crackle;
    BandPass roar, hiss;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = T(i);
        float env = Attack(t, 0.05) * Decay(t, 0.45);
        float body = roar.Step(n.Next(), float(300 + 500 * std::exp(-t / 0.3)), 1.0f);
        float air = hiss.Step(n.Next(), 3000, 1.5f) * 0.35f;
        float pop = 0;
        if ((crackle.Next() + 1.0f) < 0.004f) pop = crackle.Next() > 0 ? 1.0f : -1.0f;
        phase += kTwoPi * 60 / kSampleRate;
        float rumble = float(std::sin(phase)) * 0.4f * Decay(t, 0.25);
        s[i] = env * (body + air + rumble) + pop * Decay(t, 0.6) * 0.7f;
    }
    return s;
}

}  // namespace

std::vector<float> MakeEffect(EffectKind kind) {
    switch (kind) {
        case FX_HIT:
            return Hit();
        case FX_CLASH:
            return Clash();
        case FX_SWING:
            return Swing();
        case FX_SPECIAL:
            return Special();
        case FX_MARKER:
            return Marker();
        case FX_THRUST:
            return Thrust();
        case FX_FIRE:
            return Fire();
    }
    return {};
}
