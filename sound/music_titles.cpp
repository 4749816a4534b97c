// The title-and-credit line of each piece for the in-game menu.
#include "sound/music.h"

namespace {

struct MusicTitle {
    int32_t track;
    const char* text;  // Shift_JIS
};

const MusicTitle kMusicTitles[] = {
#include "content/music/titles.inc"
};

}  // namespace

const char* GetMusicTitle(int32_t track) {
    for (const MusicTitle& t : kMusicTitles)
        if (t.track == track) return t.text;
    return "未設定...";
}
