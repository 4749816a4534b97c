// Controls of the headless backend, for the runner and the tests only. The game code
// never includes this header: it sees the same video/input/system/audio calls either way.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One step of an input script: hold these keys (virtual-key codes) and pad bits
// (the game's PadFlags bits) for `frames` frames.
struct HeadlessStep {
    uint32_t frames;
    std::vector<uint8_t> keys;
    uint32_t padBits;
};

struct HeadlessConfig {
    std::vector<HeadlessStep> script;  // after it ends nothing is held
    bool joystick = false;             // a joystick is attached (pad bits need one)
    int answerFullscreen = 7;          // SYS_IDYES (6) or SYS_IDNO (7)
    int answerSmooth = 7;
    bool nullDevice = false;      // draw calls do nothing
    uint32_t clockStart = 0;      // virtual clock at start (tests wrap-around)
    bool messageEveryMs = false;  // a harmless window message arrives every millisecond
    bool noAudioDevice = false;   // behave as if no sound device exists
    bool noFont = false;          // behave as if the font file is missing
    // Called once after each completed frame (1-based), before the next frame starts
    // or before the device goes away.
    void (*frameHook)(uint32_t frame, void* user) = nullptr;
    void* hookUser = nullptr;
    // When set, decides the keys held in each frame (1-based) in place of the script, so a
    // test can steer by what it sees; pad bits still come from the script.
    void (*keysHook)(uint32_t frame, std::vector<uint8_t>* keys, void* user) = nullptr;
};

void headless_Configure(const HeadlessConfig& config);
uint32_t headless_FrameCount();  // frames started so far

// Writes the back buffer as a PNG file.
bool headless_SaveShot(const char* path);

// The first fatal (OK-button) box shown, if any (UTF-8).
bool headless_FatalShown();
std::string headless_FatalCaption();
std::string headless_FatalText();

// Sound bookkeeping of the headless audio backend. It mixes for real on SDL's "dummy"
// driver (or on the driver SDL_AUDIODRIVER names, e.g. "disk" to write the output to
// SDL_DISKAUDIOFILE) and records what the game started.
const char* headless_AudioTrack();  // file of the track playing, or "" for none
const char* headless_AudioMedia();  // file of the media started and not stopped, or ""
// Files of effects started since the last call (cleared by it).
std::vector<std::string> headless_TakeAudioEffects();
// How many times a track, or a media file, was started since the program began.
int headless_AudioTrackStarts();
int headless_AudioMediaStarts();
// Applies HeadlessConfig::noAudioDevice (headless_Configure calls it); takes effect at the
// next audio_Init.
void headless_SetNoAudioDevice(bool noDevice);
