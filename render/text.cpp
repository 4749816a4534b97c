#include "render/text.h"

#include "platform/video.h"

// A logical font of height 14 and width 10, the game's one Mincho face.
int32_t InitFont() {
    return video_InitFont(14) ? FONT_OK : FONT_E_FAIL;
}

void DrawLabel(const char* text, float x, float y, uint32_t colour) {
    if (text) video_DrawText(text, x, y, colour);
}
