// The window and its renderer. The game draws into a 640 x 480 target texture; each
// present scales it into the window with its shape kept (black bars around it).
#include <cstdio>

#include "platform/common/picture.h"
#include "platform/common/render_core.h"
#include "platform/system.h"
#include "platform/video.h"

namespace {

SDL_Window* g_Window = nullptr;
SDL_Renderer* g_Renderer = nullptr;
SDL_Texture* g_BackBuffer = nullptr;
bool g_Smooth = false;
bool g_OnDummyDriver = false;

void SetErr(char* err, size_t errSize, const char* what) {
    if (err && errSize) snprintf(err, errSize, "%s: %s", what, SDL_GetError());
}

// The window's icon, drawn by the build into DATA/icon.xml; without it the window keeps
// the desktop's default icon.
void SetWindowIcon() {
    char path[1024];
    std::vector<uint8_t> bytes;
    Picture pic;
    char err[256];
    if (!ReadWholeFile(sys_GamePath("DATA\\icon.xml", path, sizeof path), &bytes, err, sizeof err) ||
        !DecodePicture(bytes.data(), bytes.size(), 0xFFFF00FFu, &pic, err, sizeof err))
        return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(pic.argb.data(), pic.width, pic.height, 32,
                                                        pic.width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return;
    SDL_SetWindowIcon(g_Window, s);
    SDL_FreeSurface(s);
}

bool IsScreenless(const char* driver) {
    return driver && (SDL_strcmp(driver, "dummy") == 0 || SDL_strcmp(driver, "offscreen") == 0);
}

// Starts SDL's video; without a display it falls back to the dummy driver so the game
// still runs (and says so once). SDL may pick its "offscreen" driver by itself when no
// display answers; that counts as no display too, unless the user asked for it.
bool StartVideo(char* err, size_t errSize) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        bool started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        const char* asked = SDL_getenv("SDL_VIDEODRIVER");
        if (started && IsScreenless(SDL_GetCurrentVideoDriver()) && !(asked && *asked)) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            SDL_SetError("SDL found only its offscreen driver");
            started = false;
        }
        if (!started) {
            static bool warned = false;
            if (!warned) {
                fprintf(stderr,
                        "miravel2: no display (%s); running on SDL's dummy video driver, nothing is shown\n",
                        SDL_GetError());
                warned = true;
            }
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
                SetErr(err, errSize, "cannot start video");
                return false;
            }
        }
    }
    g_OnDummyDriver = IsScreenless(SDL_GetCurrentVideoDriver());
    return true;
}

bool MakeBackBuffer() {
    g_BackBuffer =
        SDL_CreateTexture(g_Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, 640, 480);
    if (!g_BackBuffer) return false;
    SDL_SetTextureBlendMode(g_BackBuffer, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(g_BackBuffer, g_Smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    SDL_SetRenderTarget(g_Renderer, g_BackBuffer);
    SDL_SetRenderDrawColor(g_Renderer, 0, 0, 0, 255);
    SDL_RenderClear(g_Renderer);
    return true;
}

}  // namespace

bool video_Init(const char* title, bool fullscreen, bool smooth, char* err, size_t errSize) {
    video_Shutdown();
    if (!StartVideo(err, errSize)) return false;
    g_Smooth = smooth;
    Uint32 flags = SDL_WINDOW_RESIZABLE | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    g_Window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 640, 480, flags);
    if (!g_Window) {
        SetErr(err, errSize, "cannot open the window");
        return false;
    }
    SDL_SetWindowMinimumSize(g_Window, 160, 120);
    SetWindowIcon();
    SDL_ShowCursor(SDL_DISABLE);
    SDL_StopTextInput();  // keys only: no text or input-method events
    if (!g_OnDummyDriver)
        g_Renderer = SDL_CreateRenderer(g_Window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!g_Renderer)
        g_Renderer = SDL_CreateRenderer(g_Window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
    if (!g_Renderer || !MakeBackBuffer()) {
        SetErr(err, errSize, "cannot create the renderer");
        video_Shutdown();
        return false;
    }
    RenderAttach(g_Renderer, g_BackBuffer, smooth);
    return true;
}

void video_Shutdown() {
    if (g_Renderer) {
        RenderDetach();
        if (g_BackBuffer) SDL_DestroyTexture(g_BackBuffer);
        SDL_DestroyRenderer(g_Renderer);
    }
    g_BackBuffer = nullptr;
    g_Renderer = nullptr;
    if (g_Window) SDL_DestroyWindow(g_Window);
    g_Window = nullptr;
}

bool video_Present() {
    if (!g_Renderer || !g_BackBuffer) return false;
    SDL_SetRenderTarget(g_Renderer, nullptr);
    SDL_SetRenderDrawColor(g_Renderer, 0, 0, 0, 255);
    SDL_RenderClear(g_Renderer);
    int w = 640, h = 480;
    SDL_GetRendererOutputSize(g_Renderer, &w, &h);
    SDL_Rect dst = LetterboxRect(w, h);
    SDL_RenderCopy(g_Renderer, g_BackBuffer, nullptr, &dst);
    SDL_RenderPresent(g_Renderer);
    return SDL_SetRenderTarget(g_Renderer, g_BackBuffer) == 0;
}

// The back buffer is the only object a reset can lose here (textures are kept by SDL).
bool video_Reset() {
    if (!g_Renderer) return false;
    if (SDL_SetRenderTarget(g_Renderer, g_BackBuffer) == 0) return true;
    if (g_BackBuffer) SDL_DestroyTexture(g_BackBuffer);
    g_BackBuffer = nullptr;
    if (!MakeBackBuffer()) return false;
    RenderAttach(g_Renderer, g_BackBuffer, g_Smooth);
    return true;
}
