// Sound: looping background tracks (MIDI), one-shot effects and whole media files.
// Every call is safe without a sound device (the game then runs silent): loads still
// check that their file is readable, plays do nothing.
#pragma once
#include <cstdint>

struct AudioSound;  // opaque: a loaded track or effect

enum AudioInitResult {
    AUDIO_INIT_OK = 0,            // device open, MIDI synthesizer ready
    AUDIO_INIT_NO_DEVICE = 1,     // no sound device: silent, every call stays valid
    AUDIO_INIT_NO_MIDI = 2,       // the mixer has no MIDI decoder
    AUDIO_INIT_NO_SOUNDFONT = 3,  // none of the SoundFont paths exists
};

// Opens the device and the MIDI synthesizer. Anything but AUDIO_INIT_OK leaves the
// layer silent but usable. Safe to call again after audio_Close.
AudioInitResult audio_Init();
void audio_Close();
bool audio_DeviceOpen();  // true between a successful audio_Init and audio_Close

// path is a real file path (see sys_GamePath). looping: a background track (a MIDI file,
// streamed, looping the whole file forever); otherwise a sound decoded into memory that
// plays once per start. Null when the file cannot be read or decoded.
AudioSound* audio_Load(const char* path, bool looping);
void audio_Free(AudioSound* s);  // stops it first if it plays; null is ignored

// Replaces the playing track; loops forever if looping. A MIDI track heard for the first
// time in a while starts a moment later, once its synthesizer is ready.
void audio_PlayTrack(AudioSound* s);
bool audio_TrackPending();             // a started track is still getting ready
void audio_PlayEffect(AudioSound* s);  // over everything else; effects overlap
void audio_StopAll();                  // stops the track and every effect (not the media)

// Plays a whole file (OGG or WAV) once, beside the track and the effects. The same file
// already playing is left alone; another file replaces it. False when it cannot be played.
bool audio_PlayMedia(const char* path);
void audio_StopMedia();  // safe when nothing plays
bool audio_MediaPlaying();
