// Measures the game-start load of the 33 music files through the real audio layer (the
// dummy output driver unless SDL_AUDIODRIVER says otherwise): time and resident memory.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/audio.h"
#include "sound/music.h"

namespace {

long ResidentKiB() {
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    long size = 0, resident = 0;
    int got = std::fscanf(f, "%ld %ld", &size, &resident);
    std::fclose(f);
    return got == 2 ? resident * 4 : -1;  // 4 KiB pages
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: miravel2-music-bench GAMEDIR (the folder holding DATA/)\n");
        return 2;
    }
    setenv("SDL_AUDIODRIVER", getenv("SDL_AUDIODRIVER") ? getenv("SDL_AUDIODRIVER") : "dummy", 1);
    AudioInitResult init = audio_Init();
    std::printf("audio_Init: %d (0 = device and MIDI ready)\n", static_cast<int>(init));
    AudioSound* loaded[kGameMusicFileCount] = {};
    const long before = ResidentKiB();
    auto start = std::chrono::steady_clock::now();
    int failed = 0;
    for (int i = 0; i < kGameMusicFileCount; ++i) {
        std::string path = std::string(argv[1]) + "/" + kGameMusicFiles[i].file;
        loaded[i] = audio_Load(path.c_str(), kGameMusicFiles[i].looping);
        if (!loaded[i]) {
            std::fprintf(stderr, "cannot load %s\n", path.c_str());
            ++failed;
        }
    }
    std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    const long after = ResidentKiB();
    std::printf("33 music files: %.1f ms, resident memory +%ld KiB (%ld -> %ld KiB), %d failed\n",
                took.count(), after - before, before, after, failed);
    // A track start returns at once; its synthesizer gets ready on a worker.
    double slowestCall = 0, slowestReady = 0;
    for (int i = 0; i < kGameMusicFileCount; ++i) {
        if (!loaded[i] || !kGameMusicFiles[i].looping) continue;
        auto p0 = std::chrono::steady_clock::now();
        audio_PlayTrack(loaded[i]);
        auto p1 = std::chrono::steady_clock::now();
        while (audio_TrackPending()) usleep(1000);
        auto p2 = std::chrono::steady_clock::now();
        slowestCall = std::max(slowestCall, std::chrono::duration<double, std::milli>(p1 - p0).count());
        slowestReady = std::max(slowestReady, std::chrono::duration<double, std::milli>(p2 - p0).count());
    }
    std::printf(
        "track start over the 26 map tracks: call %.1f ms at most, heard after %.0f ms at most; "
        "resident memory now %ld KiB\n",
        slowestCall, slowestReady, ResidentKiB());
    for (AudioSound* s : loaded) audio_Free(s);
    audio_Close();
    return failed ? 1 : 0;
}
