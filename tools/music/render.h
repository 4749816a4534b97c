// Sample output of the generators: a song rendered through FluidSynth with the General
// MIDI SoundFont, level handling, and the WAV and Ogg Vorbis writers.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/music/song.h"

constexpr int kSampleRate = 44100;

// Interleaved stereo floats of exactly `seconds`, the song's notes at their times.
std::vector<float> RenderSong(const Song& song, const std::string& soundFont, double seconds);

float PeakOf(const std::vector<float>& samples);
void ScaleTo(std::vector<float>& samples, float peak);  // the loudest sample becomes peak
void FadeOut(std::vector<float>& samples, int channels, double seconds);

bool WriteWav(const std::string& path, const std::vector<float>& samples, int channels);
// Vorbis quality 0..1; `serial` fixes the stream number so the file is the same every build.
bool WriteOgg(const std::string& path, const std::vector<float>& interleavedStereo, float quality,
              int serial);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
