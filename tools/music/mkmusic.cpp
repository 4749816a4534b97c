// Writes every sound file of the game into the DATA folder: the map tracks as MIDI, the
// effects as WAV, and the boss and ending music rendered to Ogg Vorbis.
//
//   mkmusic DATA_DIR [--wav DIR] [--only FILE]
//     --wav DIR   also render every piece and effect to DIR/<file>.wav for listening
//     --only FILE only the piece or effect of that data file (e.g. AE00799)
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/music/render.h"
#include "tools/music/tunes.h"

namespace {

bool FindSoundFont(std::string* out) {
    const char* list = MIRAVEL_SOUNDFONT_PATHS;
    while (*list) {
        const char* end = std::strchr(list, ':');
        size_t n = end ? size_t(end - list) : std::strlen(list);
        std::string path(list, n);
        if (FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "rb")) {
            std::fclose(f);
            *out = path;
            return true;
        }
        list += n;
        if (*list == ':') ++list;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mkmusic DATA_DIR [--wav DIR] [--only FILE]\n");
        return 2;
    }
    std::string out = argv[1], wavDir, only;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--wav"))
            wavDir = argv[i + 1];
        else if (!std::strcmp(argv[i], "--only"))
            only = argv[i + 1];
    }
    std::string font;
    if (!FindSoundFont(&font)) {
        std::fprintf(stderr, "mkmusic: no General MIDI SoundFont found in %s\n", MIRAVEL_SOUNDFONT_PATHS);
        return 1;
    }

    for (int i = 0; i < kEffectCount; ++i) {
        const Effect& e = kEffects[i];
        if (!only.empty() && only != e.file) continue;
        std::vector<float> s = MakeEffect(e.kind);
        ScaleTo(s, e.peak);
        FadeOut(s, 1, 0.08);  // whatever still rings ends without a click
        if (!WriteWav(out + "/" + e.file + ".xml", s, 1)) {
            std::fprintf(stderr, "mkmusic: cannot write %s\n", e.file);
            return 1;
        }
        if (!wavDir.empty()) WriteWav(wavDir + "/" + e.file + ".wav", s, 1);
    }

    for (int i = 0; i < kTuneCount; ++i) {
        const Tune& t = kTunes[i];
        if (!only.empty() && only != t.file) continue;
        Song song = ComposeTune(t.spec, t.loop);
        double length = TicksToSeconds(song, song.lengthTicks);
        std::string path = out + "/" + t.file + ".xml";
        if (t.loop) {
            if (!WriteFile(path, WriteMidiFile(song))) {
                std::fprintf(stderr, "mkmusic: cannot write %s\n", path.c_str());
                return 1;
            }
            if (!wavDir.empty()) {
                std::vector<float> pcm = RenderSong(song, font, length + 2.0);
                ScaleTo(pcm, 0.89f);
                WriteWav(wavDir + "/" + t.file + ".wav", pcm, 2);
            }
            continue;
        }
        // The composition must end before the game restarts the file.
        if (length > t.seconds) {
            std::fprintf(stderr, "mkmusic: %s is %.1f s, longer than its %.1f s\n", t.file, length,
                         t.seconds);
            return 1;
        }
        std::vector<float> pcm = RenderSong(song, font, t.seconds);
        if (pcm.empty()) return 1;
        ScaleTo(pcm, 0.89f);
        FadeOut(pcm, 2, 0.5);
        if (!WriteOgg(path, pcm, 0.3f, 1000 + i)) {
            std::fprintf(stderr, "mkmusic: cannot write %s\n", path.c_str());
            return 1;
        }
        if (!wavDir.empty()) WriteWav(wavDir + "/" + t.file + ".wav", pcm, 2);
    }
    return 0;
}
