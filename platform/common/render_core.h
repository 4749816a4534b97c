// The renderer both backends draw through: the SDL backend attaches its window's
// renderer (drawing into a 640 x 480 target texture), the headless backend a software
// renderer over a memory surface. Everything below the attach is shared code.
#pragma once
#include <SDL.h>

struct VideoTexture {
    SDL_Texture* tex;  // null once the renderer has gone
    int width, height;
    VideoTexture* prev;
    VideoTexture* next;
};

// `target` is the texture that stands for the back buffer, or null to draw straight
// into the renderer's own output.
void RenderAttach(SDL_Renderer* renderer, SDL_Texture* target, bool smooth);
// Drops every SDL object made on the renderer (textures stay valid as empty handles).
// Call before destroying the renderer.
void RenderDetach();
SDL_Renderer* RenderDevice();
SDL_Texture* RenderTarget();
bool RenderSmooth();
// A null device accepts every draw and does nothing.
void RenderSetNull(bool null);
bool RenderIsNull();

// Where the 640 x 480 picture goes in an output of w x h pixels: as large as fits with
// its shape kept, centred, the rest left black.
SDL_Rect LetterboxRect(int w, int h);

// The glyph cache of the font lives on the renderer too.
void FontDropGlyphs();
// Makes video_InitFont fail as if no font file existed.
void FontSetMissing(bool missing);
