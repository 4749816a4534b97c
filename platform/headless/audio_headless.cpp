// Headless sound: the same mixer code as the game's backend, on SDL's "dummy" driver unless
// SDL_AUDIODRIVER names another, plus a record of what was started for the runner and tests.
#include <SDL.h>

#include <string>
#include <vector>

#include "platform/headless.h"

#define MIRAVEL_AUDIO_RECORDING 1

namespace {
std::string s_recordedTrack;
std::string s_recordedMedia;
std::vector<std::string> s_recordedEffects;
bool s_noDevice = false;
int s_trackStarts = 0;
int s_mediaStarts = 0;

void RecordTrack(const char* path) {
    s_recordedTrack = path ? path : "";
    if (path) ++s_trackStarts;
}
void RecordEffect(const char* path) {
    // Bounded: a caller that never takes them must not grow memory without end.
    if (s_recordedEffects.size() < 256) s_recordedEffects.push_back(path);
}
void RecordMedia(const char* path) {
    s_recordedMedia = path ? path : "";
    if (path) ++s_mediaStarts;
}
bool NoDeviceWanted() {
    return s_noDevice;
}
// The environment chooses the driver when it names one (the disk driver for sound tests);
// otherwise the silent dummy driver, so that no real device is touched.
void ChooseAudioDriver() {
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
}
}  // namespace

#include "platform/sdl/audio_sdl.cpp"

const char* headless_AudioTrack() {
    return s_recordedTrack.c_str();
}
const char* headless_AudioMedia() {
    return s_recordedMedia.c_str();
}
std::vector<std::string> headless_TakeAudioEffects() {
    std::vector<std::string> taken;
    taken.swap(s_recordedEffects);
    return taken;
}
void headless_SetNoAudioDevice(bool noDevice) {
    s_noDevice = noDevice;
}
int headless_AudioTrackStarts() {
    return s_trackStarts;
}
int headless_AudioMediaStarts() {
    return s_mediaStarts;
}
