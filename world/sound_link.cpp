// Sound calls of the world and the title screens. The music player has not landed yet;
// these do nothing until it does.
#include "world/sound_link.h"

void StartMapTrack(int) {}
void StopWholePerformance() {}
void StopMediaPlayback() {}
void ForgetCurrentTrack() {}
