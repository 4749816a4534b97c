// The seven sound effects, synthesized: mono samples at kSampleRate.
#pragma once
#include <vector>

enum EffectKind {
    FX_HIT,      // a blow landing: thud and crack
    FX_CLASH,    // steel on steel, a guard, a blast
    FX_SWING,    // a sword cutting the air
    FX_SPECIAL,  // a special move gathering power
    FX_MARKER,   // a bright bell stroke
    FX_THRUST,   // a short stab
    FX_FIRE,     // a burst of flame
};

std::vector<float> MakeEffect(EffectKind kind);
