// The few sound calls of the world and the title screens, in one place so that the
// music code is reached through a single seam.
#pragma once
#include <cstdint>

void StartMapTrack(int slot);  // looping map track, not restarted when already playing
void StopWholePerformance();   // the track and every effect
void StopMediaPlayback();      // the boss or ending music file
void ForgetCurrentTrack();     // no track is marked as playing
