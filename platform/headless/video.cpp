// The device without a screen: SDL's software renderer over a 640 x 480 memory surface.
#include <png.h>

#include <cstdio>
#include <vector>

#include "platform/common/render_core.h"
#include "platform/headless/headless_state.h"
#include "platform/video.h"

namespace {

SDL_Surface* g_Surface = nullptr;
SDL_Renderer* g_Renderer = nullptr;

}  // namespace

bool video_Init(const char*, bool, bool smooth, char* err, size_t errSize) {
    video_Shutdown();
    g_Surface = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 32, SDL_PIXELFORMAT_ARGB8888);
    if (g_Surface) g_Renderer = SDL_CreateSoftwareRenderer(g_Surface);
    if (!g_Renderer) {
        if (err && errSize) snprintf(err, errSize, "cannot create the software renderer: %s", SDL_GetError());
        video_Shutdown();
        return false;
    }
    RenderAttach(g_Renderer, nullptr, smooth);
    SDL_SetRenderDrawColor(g_Renderer, 0, 0, 0, 255);
    SDL_RenderClear(g_Renderer);
    return true;
}

// The last frame is complete when the device goes: its hook still sees the picture.
void video_Shutdown() {
    if (g_Renderer) {
        HeadlessFinishFrame();
        RenderDetach();
        SDL_DestroyRenderer(g_Renderer);
    }
    g_Renderer = nullptr;
    if (g_Surface) SDL_FreeSurface(g_Surface);
    g_Surface = nullptr;
}

bool video_Present() {
    if (!g_Renderer) return false;
    SDL_RenderFlush(g_Renderer);
    return true;
}

bool video_Reset() {
    return g_Renderer != nullptr;
}

bool headless_SaveShot(const char* path) {
    std::vector<uint8_t> rgba(size_t(640) * 480 * 4);
    if (!path || !video_ReadPixels(rgba.data(), rgba.size())) return false;
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = 640;
    image.height = 480;
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path, 0, rgba.data(), 640 * 4, nullptr)) {
        fprintf(stderr, "cannot write %s: %s\n", path, image.message);
        return false;
    }
    return true;
}
