// Handlers of the modes whose screens are not built yet. Each one is removed from this
// file when its screen lands.
#include "app/app.h"
#include "app/modes.h"

void RunBossGallery() {}
void PrepareEnding() {
    g_Frame = 10;
}
void RunEnding() {}
void RunCarryOverSlots() {}
void InitTownsfolkQuads() {}
void ResetSaveSlotCursor() {}
