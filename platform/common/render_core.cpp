#include "platform/common/render_core.h"

#include <cstdio>
#include <vector>

#include "platform/common/picture.h"
#include "platform/video.h"

namespace {

SDL_Renderer* g_Renderer = nullptr;
SDL_Texture* g_Target = nullptr;
bool g_SmoothTextures = false;
bool g_NullDevice = false;
VideoTexture* g_Current = nullptr;
VideoTexture* g_Textures = nullptr;  // every live texture, so a shutdown can free their SDL side

void Unlink(VideoTexture* t) {
    if (t->prev) t->prev->next = t->next;
    if (t->next) t->next->prev = t->prev;
    if (g_Textures == t) g_Textures = t->next;
    t->prev = t->next = nullptr;
}

void SetErr(char* err, size_t errSize, const char* text) {
    if (err && errSize) snprintf(err, errSize, "%s", text);
}

// Texture coordinates beyond 0..1 are refused by SDL; the game only strays past the
// edge by its 0.001 inset, which clamping keeps on the edge texel.
float ClampUnit(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

}  // namespace

void RenderAttach(SDL_Renderer* renderer, SDL_Texture* target, bool smooth) {
    g_Renderer = renderer;
    g_Target = target;
    g_SmoothTextures = smooth;
    g_Current = nullptr;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
}

void RenderDetach() {
    FontDropGlyphs();
    for (VideoTexture* t = g_Textures; t; t = t->next) {
        if (t->tex) SDL_DestroyTexture(t->tex);
        t->tex = nullptr;
    }
    g_Renderer = nullptr;
    g_Target = nullptr;
    g_Current = nullptr;
}

SDL_Renderer* RenderDevice() {
    return g_Renderer;
}
SDL_Texture* RenderTarget() {
    return g_Target;
}
bool RenderSmooth() {
    return g_SmoothTextures;
}
void RenderSetNull(bool null) {
    g_NullDevice = null;
}
bool RenderIsNull() {
    return g_NullDevice;
}

SDL_Rect LetterboxRect(int w, int h) {
    SDL_Rect r = {0, 0, 640, 480};
    if (w <= 0 || h <= 0) return r;
    if (int64_t(w) * 480 > int64_t(h) * 640) {  // wider than 4:3: bars left and right
        r.h = h;
        r.w = int(int64_t(h) * 640 / 480);
    } else {
        r.w = w;
        r.h = int(int64_t(w) * 480 / 640);
    }
    r.x = (w - r.w) / 2;
    r.y = (h - r.h) / 2;
    return r;
}

bool video_Clear(uint32_t argb) {
    if (!g_Renderer) return false;
    if (g_NullDevice) return true;
    SDL_SetRenderDrawColor(g_Renderer, Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb), 255);
    return SDL_RenderClear(g_Renderer) == 0;
}

bool video_BeginScene() {
    return g_Renderer != nullptr;
}
bool video_EndScene() {
    return g_Renderer != nullptr;
}

void video_SetTexture(VideoTexture* tex) {
    g_Current = tex;
}

void video_DrawFan(const QuadVertex v[4]) {
    if (!g_Renderer || g_NullDevice) return;
    SDL_Texture* tex = g_Current ? g_Current->tex : nullptr;
    SDL_Vertex sv[4];
    for (int i = 0; i < 4; i++) {
        uint32_t c = v[i].diffuse;
        sv[i].position.x = v[i].x;
        sv[i].position.y = v[i].y;
        sv[i].color.r = Uint8(c >> 16);
        sv[i].color.g = Uint8(c >> 8);
        sv[i].color.b = Uint8(c);
        sv[i].color.a = Uint8(c >> 24);
        sv[i].tex_coord.x = ClampUnit(v[i].u);
        sv[i].tex_coord.y = ClampUnit(v[i].v);
    }
    static const int kFan[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(g_Renderer, tex, sv, 4, kFan, 6);
}

VideoTexture* video_LoadTexture(const char* path, uint32_t colorKey, char* err, size_t errSize) {
    if (!g_Renderer) {
        SetErr(err, errSize, "no video device");
        return nullptr;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, &bytes, err, errSize)) return nullptr;
    Picture pic;
    char why[200];
    if (!DecodePicture(bytes.data(), bytes.size(), colorKey, &pic, why, sizeof why)) {
        if (err && errSize) snprintf(err, errSize, "%s: %s", path, why);
        return nullptr;
    }
    SDL_Texture* tex = SDL_CreateTexture(g_Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                         pic.width, pic.height);
    if (!tex) {
        if (err && errSize) snprintf(err, errSize, "%s: %s", path, SDL_GetError());
        return nullptr;
    }
    SDL_UpdateTexture(tex, nullptr, pic.argb.data(), pic.width * 4);
    SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(tex, g_SmoothTextures ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    VideoTexture* t = new VideoTexture{tex, pic.width, pic.height, nullptr, g_Textures};
    if (g_Textures) g_Textures->prev = t;
    g_Textures = t;
    return t;
}

void video_FreeTexture(VideoTexture* tex) {
    if (!tex) return;
    if (g_Current == tex) g_Current = nullptr;
    if (tex->tex) SDL_DestroyTexture(tex->tex);
    Unlink(tex);
    delete tex;
}

int video_TextureWidth(const VideoTexture* tex) {
    return tex ? tex->width : 0;
}
int video_TextureHeight(const VideoTexture* tex) {
    return tex ? tex->height : 0;
}

bool video_ReadPixels(uint8_t* rgba, size_t size) {
    if (!g_Renderer || !rgba || size < size_t(640) * 480 * 4) return false;
    SDL_Rect all = {0, 0, 640, 480};
    if (SDL_RenderReadPixels(g_Renderer, &all, SDL_PIXELFORMAT_RGBA32, rgba, 640 * 4) != 0) return false;
    // The back buffer has no alpha channel of its own.
    for (size_t i = 3; i < size_t(640) * 480 * 4; i += 4) rgba[i] = 255;
    return true;
}
