// Sound calls of the world and the title screens.
#include "world/sound_link.h"

#include "sound/music.h"

void StartMapTrack(int slot) {
    PlayTrack(slot);
}
void StopWholePerformance() {
    StopPerformance();
}
void StopMediaPlayback() {
    StopMedia();
}
void ForgetCurrentTrack() {
    g_CurrentTrack = kTrackNone;
}
