// Sound through SDL2_mixer: MIDI tracks on the mixer's music stream (FluidSynth with the
// SoundFont named explicitly), effects on mixer channels, media files decoded into a
// chunk on a reserved channel so that they play beside a track.
//
// Each MIDI stream carries its own synthesizer with the whole SoundFont (about 12 MB, and
// 0.1 s to make), so a track is kept as its file's bytes and gets its stream on a worker
// thread when it is first played, starting as soon as it is ready; the few most recently
// played streams are kept. A media file takes about a second to decode, so it is decoded
// on a worker too; the last one stays decoded for the game's restarts of it.
//
// The headless backend compiles this same file with MIRAVEL_AUDIO_RECORDING defined and
// its own Record*/driver hooks, so both backends mix identically.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/audio.h"

#ifndef MIRAVEL_AUDIO_RECORDING
namespace {
void RecordTrack(const char*) {}
void RecordEffect(const char*) {}
void RecordMedia(const char*) {}
bool NoDeviceWanted() {
    return false;
}
void ChooseAudioDriver() {}
}  // namespace
#endif

struct AudioSound {
    std::vector<uint8_t> midi;  // looping tracks: the file, made a stream when played
    Mix_Music* music;
    Mix_Chunk* chunk;  // effects: decoded once
    bool looping;
    uint32_t lastPlayed;  // for keeping the most recent streams
    AudioSound* next;     // every live sound, so that closing the mixer can drop them
    char path[512];
};

namespace {

// Channel 0 carries the media file, channel 1 a track that is not a MIDI stream; every
// other channel is for effects (group 1).
constexpr int kMediaChannel = 0;
constexpr int kTrackChannel = 1;
constexpr int kChannels = 32;
constexpr int kEffectGroup = 1;
constexpr int kKeptStreams = 3;

bool s_open = false;
AudioSound* s_sounds = nullptr;
AudioSound* s_track = nullptr;
uint32_t s_playCount = 0;

// Media state. The worker touches only what the mutex guards.
SDL_mutex* s_mediaLock = nullptr;
SDL_Thread* s_mediaWorker = nullptr;
Mix_Chunk* s_mediaChunk = nullptr;  // guarded: the last media file, decoded
std::string s_mediaChunkPath;       // guarded
std::string s_mediaWanted;          // guarded: the file to play once decoded, "" for none
std::string s_mediaPath;            // main thread: the media file started and not stopped
bool s_mediaStarted = false;

bool FileReadable(const char* path) {
    FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool ReadWholeFile(const char* path, std::vector<uint8_t>* out) {
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    uint8_t buf[8192];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out->insert(out->end(), buf, buf + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

// The first SoundFont of the configured colon-separated list that exists.
bool FindSoundFont(std::string* out) {
    const char* list = MIRAVEL_SOUNDFONT_PATHS;
    while (*list) {
        const char* end = std::strchr(list, ':');
        size_t n = end ? size_t(end - list) : std::strlen(list);
        std::string path(list, n);
        if (!path.empty() && FileReadable(path.c_str())) {
            *out = path;
            return true;
        }
        list += n;
        if (*list == ':') ++list;
    }
    return false;
}

void DropMixerData(AudioSound* s) {
    if (s->music) Mix_FreeMusic(s->music);
    if (s->chunk) Mix_FreeChunk(s->chunk);
    s->music = nullptr;
    s->chunk = nullptr;
}

// Drops the least recently played stream while enough are kept (never the one of `keep`).
void DropOldStreams(AudioSound* keep) {
    int kept = 0;
    AudioSound* oldest = nullptr;
    for (AudioSound* o = s_sounds; o; o = o->next) {
        if (!o->music) continue;
        ++kept;
        if (o != keep && (!oldest || o->lastPlayed < oldest->lastPlayed)) oldest = o;
    }
    if (kept >= kKeptStreams && oldest) {
        Mix_FreeMusic(oldest->music);
        oldest->music = nullptr;
    }
}

// Track state. The worker touches only what the mutex guards and the sound it was given,
// which stays alive until the worker is joined.
SDL_mutex* s_trackLock = nullptr;
SDL_Thread* s_trackWorker = nullptr;
AudioSound* s_trackWanted = nullptr;  // guarded: the track to start once its stream is made

int MakeStream(void* arg) {
    AudioSound* s = static_cast<AudioSound*>(arg);
    SDL_RWops* rw = SDL_RWFromConstMem(s->midi.data(), int(s->midi.size()));
    Mix_Music* music = rw ? Mix_LoadMUSType_RW(rw, MUS_MID, 1) : nullptr;
    SDL_LockMutex(s_trackLock);
    s->music = music;
    if (s_trackWanted == s) {
        if (music) Mix_PlayMusic(music, s->looping ? -1 : 1);
        s_trackWanted = nullptr;
    }
    SDL_UnlockMutex(s_trackLock);
    return 0;
}

// Waits for a stream being made; it starts only if it is still the wanted track.
void JoinTrackWorker(bool stillWanted) {
    if (!s_trackWorker) return;
    if (!stillWanted) {
        SDL_LockMutex(s_trackLock);
        s_trackWanted = nullptr;
        SDL_UnlockMutex(s_trackLock);
    }
    SDL_WaitThread(s_trackWorker, nullptr);
    s_trackWorker = nullptr;
}

int DecodeMedia(void* arg) {
    std::string path = static_cast<const char*>(arg);
    SDL_free(arg);
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    SDL_LockMutex(s_mediaLock);
    if (chunk) {
        if (s_mediaChunk) Mix_FreeChunk(s_mediaChunk);
        s_mediaChunk = chunk;
        s_mediaChunkPath = path;
        // Started only if it is still wanted: StopMedia may have come meanwhile.
        if (s_mediaWanted == path) Mix_PlayChannel(kMediaChannel, chunk, 0);
    }
    if (s_mediaWanted == path) s_mediaWanted.clear();
    SDL_UnlockMutex(s_mediaLock);
    return 0;
}

void JoinMediaWorker() {
    if (!s_mediaWorker) return;
    SDL_WaitThread(s_mediaWorker, nullptr);
    s_mediaWorker = nullptr;
}

}  // namespace

AudioInitResult audio_Init() {
    if (s_open) return AUDIO_INIT_OK;
    ChooseAudioDriver();
    if (NoDeviceWanted()) return AUDIO_INIT_NO_DEVICE;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return AUDIO_INIT_NO_DEVICE;
    int decoders = Mix_Init(MIX_INIT_OGG | MIX_INIT_MID);
    // The game mixes at one fixed format; SDL converts for devices that differ.
    if (Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return AUDIO_INIT_NO_DEVICE;
    }
    Mix_AllocateChannels(kChannels);
    Mix_ReserveChannels(2);
    Mix_GroupChannels(2, kChannels - 1, kEffectGroup);
    s_mediaLock = SDL_CreateMutex();
    s_trackLock = SDL_CreateMutex();
    s_open = true;
    if (!(decoders & MIX_INIT_MID)) return AUDIO_INIT_NO_MIDI;
    // Without an explicit SoundFont the MIDI decoder guesses a path that may not exist
    // and falls back to a synthesizer that can play silence.
    std::string font;
    if (!FindSoundFont(&font)) return AUDIO_INIT_NO_SOUNDFONT;
    Mix_SetSoundFonts(font.c_str());
    return AUDIO_INIT_OK;
}

void audio_Close() {
    if (!s_open) return;
    audio_StopMedia();
    JoinMediaWorker();
    JoinTrackWorker(false);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (AudioSound* s = s_sounds; s; s = s->next) DropMixerData(s);
    if (s_mediaChunk) Mix_FreeChunk(s_mediaChunk);
    s_mediaChunk = nullptr;
    s_mediaChunkPath.clear();
    s_track = nullptr;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_DestroyMutex(s_mediaLock);
    s_mediaLock = nullptr;
    SDL_DestroyMutex(s_trackLock);
    s_trackLock = nullptr;
    s_open = false;
}

bool audio_DeviceOpen() {
    return s_open;
}

AudioSound* audio_Load(const char* path, bool looping) {
    if (!path || std::strlen(path) >= sizeof(AudioSound::path) || !FileReadable(path)) return nullptr;
    AudioSound* s = new AudioSound{};
    std::snprintf(s->path, sizeof s->path, "%s", path);
    s->looping = looping;
    bool ok = true;
    if (looping) {
        // A track must be a Standard MIDI File; its stream is made when it plays.
        ok = ReadWholeFile(path, &s->midi) && s->midi.size() >= 14 &&
             std::memcmp(s->midi.data(), "MThd", 4) == 0;
    } else if (s_open) {
        s->chunk = Mix_LoadWAV(path);
        ok = s->chunk != nullptr;
    }
    if (!ok) {
        delete s;
        return nullptr;
    }
    s->next = s_sounds;
    s_sounds = s;
    return s;
}

void audio_Free(AudioSound* s) {
    if (!s) return;
    if (s_open) JoinTrackWorker(s != s_track);
    if (s == s_track) {
        if (s_open) {
            if (s->music) Mix_HaltMusic();
            Mix_HaltChannel(kTrackChannel);
        }
        s_track = nullptr;
        RecordTrack(nullptr);
    }
    for (AudioSound** p = &s_sounds; *p; p = &(*p)->next) {
        if (*p == s) {
            *p = s->next;
            break;
        }
    }
    DropMixerData(s);
    delete s;
}

void audio_PlayTrack(AudioSound* s) {
    if (!s) return;
    s_track = s;
    s->lastPlayed = ++s_playCount;
    RecordTrack(s->path);
    if (!s_open) return;
    JoinTrackWorker(false);
    SDL_LockMutex(s_trackLock);
    if (!s->midi.empty()) {
        Mix_HaltChannel(kTrackChannel);
        if (s->music) {
            Mix_PlayMusic(s->music, s->looping ? -1 : 1);
        } else {
            Mix_HaltMusic();
            DropOldStreams(s);
            s_trackWanted = s;
            s_trackWorker = SDL_CreateThread(MakeStream, "track stream", s);
            if (!s_trackWorker) s_trackWanted = nullptr;
        }
    } else if (s->chunk) {
        Mix_HaltMusic();
        Mix_PlayChannel(kTrackChannel, s->chunk, s->looping ? -1 : 0);
    }
    SDL_UnlockMutex(s_trackLock);
}

bool audio_TrackPending() {
    if (!s_open) return false;
    SDL_LockMutex(s_trackLock);
    bool pending = s_trackWanted != nullptr;
    SDL_UnlockMutex(s_trackLock);
    return pending;
}

void audio_PlayEffect(AudioSound* s) {
    if (!s) return;
    RecordEffect(s->path);
    if (!s_open || !s->chunk) return;
    if (Mix_PlayChannel(-1, s->chunk, 0) < 0) {
        // Every effect channel busy: the oldest effect gives way.
        int oldest = Mix_GroupOldest(kEffectGroup);
        if (oldest >= 0) Mix_PlayChannel(oldest, s->chunk, 0);
    }
}

void audio_StopAll() {
    s_track = nullptr;
    RecordTrack(nullptr);
    if (!s_open) return;
    SDL_LockMutex(s_trackLock);
    s_trackWanted = nullptr;
    Mix_HaltMusic();
    SDL_UnlockMutex(s_trackLock);
    Mix_HaltChannel(kTrackChannel);
    Mix_HaltGroup(kEffectGroup);
}

bool audio_PlayMedia(const char* path) {
    if (!path) return false;
    if (s_mediaStarted && s_mediaPath == path && audio_MediaPlaying()) return true;
    if (!FileReadable(path)) return false;
    if (s_open) {
        // One decode at a time: one still running ends first (and, no longer wanted,
        // does not start).
        JoinMediaWorker();
        SDL_LockMutex(s_mediaLock);
        Mix_HaltChannel(kMediaChannel);
        bool ready = s_mediaChunkPath == path;
        if (ready) {
            s_mediaWanted.clear();
            Mix_PlayChannel(kMediaChannel, s_mediaChunk, 0);
        } else {
            s_mediaWanted = path;
            s_mediaWorker = SDL_CreateThread(DecodeMedia, "media decode", SDL_strdup(path));
            if (!s_mediaWorker) s_mediaWanted.clear();
        }
        SDL_UnlockMutex(s_mediaLock);
        if (!ready && !s_mediaWorker) return false;
    }
    s_mediaPath = path;
    s_mediaStarted = true;
    RecordMedia(path);
    return true;
}

void audio_StopMedia() {
    if (s_open) {
        SDL_LockMutex(s_mediaLock);
        s_mediaWanted.clear();
        Mix_HaltChannel(kMediaChannel);
        SDL_UnlockMutex(s_mediaLock);
    }
    if (s_mediaStarted) RecordMedia(nullptr);
    s_mediaStarted = false;
    s_mediaPath.clear();
}

bool audio_MediaPlaying() {
    if (!s_mediaStarted) return false;
    if (!s_open) return true;
    SDL_LockMutex(s_mediaLock);
    bool playing = Mix_Playing(kMediaChannel) != 0 || s_mediaWanted == s_mediaPath;
    SDL_UnlockMutex(s_mediaLock);
    return playing;
}
