// Sound: looping background tracks (MIDI), one-shot effects and whole media files.
// Every call is safe without a sound device (the game then runs silent).
#pragma once
#include <cstdint>

struct AudioSound;  // opaque: a loaded track or effect

bool audio_Init();  // false: no device; calls below then do nothing but stay valid
void audio_Close();
AudioSound* audio_Load(const char* path, bool looping);  // null on failure
void audio_Free(AudioSound* s);
void audio_PlayTrack(AudioSound* s);   // replaces the playing track; loops forever if looping
void audio_PlayEffect(AudioSound* s);  // over everything else; effects overlap
void audio_StopAll();
bool audio_PlayMedia(const char* path);  // plays a whole file once, alongside tracks
void audio_StopMedia();
