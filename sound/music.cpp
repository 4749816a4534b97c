// The segment slots, their loading and the two play conventions.
#include "sound/music.h"

#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "platform/audio.h"
#include "platform/system.h"

int32_t g_CurrentTrack = kTrackAtStart;
AudioSound* g_MusicSlots[kMusicSlotCount];

// The game-start load, in its order: the seven effects, then the 26 map tracks.
const MusicFile kGameMusicFiles[kGameMusicFileCount] = {
    {0, "DATA/AE00672.xml", false},  {1, "DATA/AE00705.xml", false}, {2, "DATA/AE00788.xml", false},
    {3, "DATA/AE00842.xml", false},  {4, "DATA/AE00878.xml", false}, {5, "DATA/AE00962.xml", false},
    {29, "DATA/AE01008.xml", false}, {7, "DATA/AE00635.xml", true},  {11, "DATA/AE00648.xml", true},
    {12, "DATA/AE00652.xml", true},  {15, "DATA/AE00668.xml", true}, {16, "DATA/AE00689.xml", true},
    {17, "DATA/AE00693.xml", true},  {18, "DATA/AE00712.xml", true}, {19, "DATA/AE00729.xml", true},
    {21, "DATA/AE00757.xml", true},  {22, "DATA/AE00761.xml", true}, {23, "DATA/AE00775.xml", true},
    {24, "DATA/AE00808.xml", true},  {25, "DATA/AE00814.xml", true}, {27, "DATA/AE00745.xml", true},
    {30, "DATA/AE00837.xml", true},  {28, "DATA/AE00856.xml", true}, {31, "DATA/AE00869.xml", true},
    {32, "DATA/AE00886.xml", true},  {33, "DATA/AE00907.xml", true}, {34, "DATA/AE00913.xml", true},
    {35, "DATA/AE00925.xml", true},  {36, "DATA/AE00938.xml", true}, {37, "DATA/AE00948.xml", true},
    {38, "DATA/AE00979.xml", true},  {39, "DATA/AE00986.xml", true}, {40, "DATA/AE00999.xml", true},
};

static int32_t s_PlayingSlot = -1;
constexpr int kEffectLogSize = 64;
static int32_t s_StartedEffects[kEffectLogSize];
static int s_StartedEffectCount;

static bool ValidSlot(int slot) {
    return slot >= 0 && slot < kMusicSlotCount;
}

bool InitMusic() {
    switch (audio_Init()) {
        case AUDIO_INIT_OK:
            break;
        case AUDIO_INIT_NO_DEVICE:
            std::fprintf(stderr, "miravel2: no sound device; the game runs without sound\n");
            break;
        case AUDIO_INIT_NO_MIDI:
            InitFailBox("DirectMusicLoader8オブジェクトの作成に失敗");
            return false;
        case AUDIO_INIT_NO_SOUNDFONT:
            // The instruments of every track come from the SoundFont: without it the
            // tracks would be silent or missing.
            InitFailBox("検索パスの設定に失敗");
            return false;
    }
    char dir[1024];
    sys_GamePath("DATA", dir, sizeof dir);
    if (dir[0] == '\0' || std::strlen(dir) >= sizeof dir - 32) {
        InitFailBox("カレント・ディレクトリの取得に失敗");
        return false;
    }
    return true;
}

bool LoadMusic(int slot, const char* file, uint8_t looping) {
    if (!ValidSlot(slot) || !file) return false;
    if (g_MusicSlots[slot]) {
        if (s_PlayingSlot == slot) s_PlayingSlot = -1;
        audio_Free(g_MusicSlots[slot]);
        g_MusicSlots[slot] = nullptr;
    }
    char path[1024];
    g_MusicSlots[slot] = audio_Load(sys_GamePath(file, path, sizeof path), looping != 0);
    if (!g_MusicSlots[slot]) {
        InitFailBox("MIDIファイルのロードに失敗");
        return false;
    }
    return true;
}

void PlayTrack(int slot) {
    if (g_CurrentTrack == slot) return;
    // A slot that failed to load (or is out of range) plays nothing, but the marker
    // still names it so that the next entry of the same map does not retry.
    if (ValidSlot(slot) && g_MusicSlots[slot]) {
        audio_PlayTrack(g_MusicSlots[slot]);
        s_PlayingSlot = slot;
    }
    g_CurrentTrack = slot;
}

void PlayEffect(int slot) {
    if (!ValidSlot(slot) || !g_MusicSlots[slot]) return;
    audio_PlayEffect(g_MusicSlots[slot]);
    if (s_StartedEffectCount < kEffectLogSize) s_StartedEffects[s_StartedEffectCount++] = slot;
}

void StopPerformance() {
    audio_StopAll();
    s_PlayingSlot = -1;
}

void ReleaseMusicSlots() {
    for (int i = 0; i < kMusicSlotCount; ++i) {
        if (!g_MusicSlots[i]) continue;
        audio_Free(g_MusicSlots[i]);
        g_MusicSlots[i] = nullptr;
    }
    s_PlayingSlot = -1;
}

bool StopAllMusic() {
    StopPerformance();
    ReleaseMusicSlots();
    return true;
}

bool CloseMusic() {
    StopMedia();
    audio_Close();
    return true;
}

static char s_MediaFile[260];

void PlayMedia(const char* file) {
    if (!file || std::strlen(file) >= sizeof s_MediaFile) return;
    char path[1024];
    if (audio_PlayMedia(sys_GamePath(file, path, sizeof path)))
        std::snprintf(s_MediaFile, sizeof s_MediaFile, "%s", file);
}

bool StopMedia() {
    audio_StopMedia();
    s_MediaFile[0] = '\0';
    return true;
}

int32_t GetPlayingTrack() {
    return s_PlayingSlot;
}

const char* GetPlayingMedia() {
    return s_MediaFile[0] ? s_MediaFile : nullptr;
}

int TakeStartedEffects(int32_t* slots, int max) {
    int n = s_StartedEffectCount < max ? s_StartedEffectCount : max;
    for (int i = 0; i < n; ++i) slots[i] = s_StartedEffects[i];
    s_StartedEffectCount = 0;
    return n;
}
