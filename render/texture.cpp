#include "render/texture.h"

#include <cstdio>
#include <cstring>

#include "app/app.h"
#include "platform/system.h"

static TextureSlot* g_LoadedSlots[256];
static int g_LoadedSlotCount;

static void RememberSlot(TextureSlot* slot) {
    for (int i = 0; i < g_LoadedSlotCount; i++)
        if (g_LoadedSlots[i] == slot) return;
    if (g_LoadedSlotCount < int(sizeof g_LoadedSlots / sizeof g_LoadedSlots[0]))
        g_LoadedSlots[g_LoadedSlotCount++] = slot;
}

// Cuts a Shift_JIS string to fit `size` bytes without splitting a two-byte character.
static void TruncateSjis(char* s, size_t size) {
    size_t n = 0, keep = 0;
    while (s[n] && n < size - 1) {
        unsigned char c = s[n];
        size_t len = ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) ? 2 : 1;
        if (n + len > size - 1) break;
        n += len;
        keep = n;
    }
    s[keep] = '\0';
}

void LoadTexture(TextureSlot* slot, const char* file) {
    if (FatalShown()) return;  // after a fatal box nothing more is loaded
    char path[1024], reason[256];
    sys_GamePath(file, path, sizeof path);
    VideoTexture* tex = video_LoadTexture(path, 0xFFFF00FFu, reason, sizeof reason);
    if (!tex) {
        fprintf(stderr, "%s: %s\n", path, reason);
        // The box text names the file; a long name is cut at a character boundary.
        char name[200];
        snprintf(name, sizeof name, "%s", file);
        TruncateSjis(name, sizeof name);
        char text[300];
        snprintf(text, sizeof text, "%sが読み込めませんでした", name);
        FatalBox("画像読み込みエラー", text);
        return;
    }
    if (*slot) video_FreeTexture(*slot);
    *slot = tex;
    RememberSlot(slot);
}

void ReleaseAllTextures() {
    for (int i = 0; i < g_LoadedSlotCount; i++) {
        if (*g_LoadedSlots[i]) {
            video_FreeTexture(*g_LoadedSlots[i]);
            *g_LoadedSlots[i] = nullptr;
        }
    }
}
