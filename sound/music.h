// Music and media: the 50 segment slots (map tracks and sound effects), the two play
// conventions, the current-track marker and the media player of the boss and ending music.
#pragma once
#include <cstdint>

struct AudioSound;

constexpr int kMusicSlotCount = 50;
constexpr int kGameMusicFileCount = 33;

// Values of g_CurrentTrack beyond the slots.
constexpr int32_t kTrackAtStart = 1000;  // nothing started since the program began
constexpr int32_t kTrackNone = 9999;     // stopped by game over or a scene
constexpr int32_t kTrackBoss0 = 1002;    // boss track 0 (DATA/AE00799.xml) plays
constexpr int32_t kTrackBoss1 = 1003;    // boss track 1 (DATA/AE00896.xml)
constexpr int32_t kTrackBoss2 = 1001;    // boss track 2 (DATA/AE00822.xml)

// Slot number of the background track now playing, or one of the marks above.
extern int32_t g_CurrentTrack;
// The segment slots; an empty slot is null. Filled at the first game start.
extern AudioSound* g_MusicSlots[kMusicSlotCount];

// One file of the game-start load, in load order.
struct MusicFile {
    int slot;
    const char* file;  // game-relative, e.g. "DATA/AE00672.xml"
    bool looping;      // a looping map track; otherwise a sound effect played once
};
extern const MusicFile kGameMusicFiles[kGameMusicFileCount];

// Opens the sound device and the MIDI synthesizer. A step that fails shows its box
// (InitFailBox) and returns false; no sound device is not a failure: the game runs silent
// and says so once on stderr.
bool InitMusic();
// Empties the slot, then loads the file into it. A failure shows its box and returns false.
bool LoadMusic(int slot, const char* file, uint8_t looping);
// Starts the slot's track unless g_CurrentTrack already names it; then g_CurrentTrack = slot.
void PlayTrack(int slot);
// Plays the slot's sound once over everything else; g_CurrentTrack is untouched.
void PlayEffect(int slot);
// Stops the track and every effect without unloading anything (the scenes' and game
// over's stop of the whole performance). The media file goes on.
void StopPerformance();
// Stops everything, then unloads and releases every slot. True.
bool StopAllMusic();
// Releases every slot; an empty slot is skipped, so it may run any number of times.
void ReleaseMusicSlots();
// Closes the sound device. True.
bool CloseMusic();
// Starts a whole media file (game-relative name) once, beside or instead of a track. The
// same file already playing is not restarted. A file that cannot be played stays silent.
void PlayMedia(const char* file);
// Stops the media file; harmless when nothing plays.
bool StopMedia();

// Title and credit (Shift_JIS) of the piece a g_CurrentTrack value names, for the in-game
// menu; "未設定..." for a value without a piece.
const char* GetMusicTitle(int32_t track);

// For the headless runner's state snapshot:
int32_t GetPlayingTrack();      // slot whose track was started and not stopped, or -1
const char* GetPlayingMedia();  // game-relative file started and not stopped, or null
// Copies the effect slots started since the previous call (oldest first, at most max) and
// forgets them; returns how many were copied.
int TakeStartedEffects(int32_t* slots, int max);
