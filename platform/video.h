// Video device: one window (or an in-memory surface), a back buffer of 640 x 480,
// textured pre-transformed quads with alpha blending, a texture loader with a
// colour key and the single font. Game code never sees SDL; only this header.
#pragma once
#include <cstddef>
#include <cstdint>

// The device's vertex: 28 bytes, drawn as a two-triangle fan of four.
struct QuadVertex {
    float x, y, z, rhw;
    uint32_t diffuse;  // ARGB
    float u, v;
};
static_assert(sizeof(QuadVertex) == 28, "the device expects 28-byte vertices");

struct VideoTexture;  // opaque

// Opens the window titled `title` (UTF-8) with a 640 x 480 client area, hides the
// cursor and creates the renderer. `fullscreen` and `smooth` are the start-up answers.
// On failure returns false and writes a reason into err (at most errSize bytes).
bool video_Init(const char* title, bool fullscreen, bool smooth, char* err, size_t errSize);
void video_Shutdown();  // safe to call twice

bool video_Clear(uint32_t argb);
bool video_BeginScene();
bool video_EndScene();
bool video_Present();  // false when the device is lost
bool video_Reset();
void video_SetTexture(VideoTexture* tex);  // null draws untextured (white)
// Draws vertices 0-1-2, 0-2-3 with colour = texel x diffuse, alpha = texel alpha x diffuse alpha.
void video_DrawFan(const QuadVertex v[4]);

// Decodes a PNG or JPEG (format sniffed from the bytes, never the name). Texels that
// equal colorKey exactly (ARGB, alpha included) become fully transparent.
// Returns null on failure with a reason in err.
VideoTexture* video_LoadTexture(const char* path, uint32_t colorKey, char* err, size_t errSize);
void video_FreeTexture(VideoTexture* tex);
int video_TextureWidth(const VideoTexture* tex);
int video_TextureHeight(const VideoTexture* tex);

// The single font: `height` pixels. False when the font file cannot be opened.
bool video_InitFont(int height);
void video_FreeFont();
// Draws Shift_JIS text with its top-left at (x, y); a line feed starts a new line.
// Nothing is clipped or wrapped. Does nothing without a font.
void video_DrawText(const char* sjis, float x, float y, uint32_t argb);

// Back-buffer read-back (RGBA8, 640 x 480, row-major) for screenshots and tests.
bool video_ReadPixels(uint8_t* rgba, size_t size);
