// The game's single font: IPA P Mincho through FreeType, sized like the Windows logical
// font the game asks for. A LOGFONT of height h and width w means a cell (ascent plus
// descent) of h pixels and an average character width of w pixels. We scale the face
// vertically so its Windows ascent + descent is h pixels, and horizontally so the mean
// advance of the printable ASCII (half-width) characters is w pixels; for IPA P Mincho
// at 14 / 10 that is about 1.4 times wider than the natural shape, as the game's text
// was laid out for. Lines are h pixels apart.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/common/render_core.h"
#include "platform/text_encoding.h"
#include "platform/video.h"

namespace {

const int kAverageWidth = 10;  // the width of the game's logical font

struct Glyph {
    SDL_Texture* tex;  // null for a blank glyph (space) or when it could not be made
    int left, top, width, height;
    int advance;
};

FT_Library g_FreeType = nullptr;
FT_Face g_Face = nullptr;
int g_LineHeight = 0;
int g_Ascent = 0;
bool g_FontMissing = false;  // the headless backend's "no font file"
std::unordered_map<unsigned, Glyph> g_Glyphs;

bool OpenFace() {
    std::string paths = MIRAVEL_FONT_PATHS;
    size_t start = 0;
    while (start <= paths.size()) {
        size_t end = paths.find(':', start);
        if (end == std::string::npos) end = paths.size();
        std::string path = paths.substr(start, end - start);
        if (!path.empty() && FT_New_Face(g_FreeType, path.c_str(), 0, &g_Face) == 0) return true;
        g_Face = nullptr;
        start = end + 1;
    }
    return false;
}

// Sets the face's size for a cell of `height` pixels and the average width above.
void SizeFace(int height) {
    int units = g_Face->units_per_EM ? g_Face->units_per_EM : 1000;
    int ascent = g_Face->ascender, descent = -g_Face->descender;
    if (TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(g_Face, FT_SFNT_OS2))) {
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            ascent = os2->usWinAscent;
            descent = os2->usWinDescent;
        }
    }
    if (ascent + descent <= 0) ascent = units, descent = 0;
    double ppemY = double(height) * units / (ascent + descent);
    double sum = 0;
    int count = 0;
    for (unsigned c = 0x20; c < 0x7F; c++) {
        if (FT_Load_Char(g_Face, c, FT_LOAD_NO_SCALE) == 0) {
            sum += g_Face->glyph->advance.x;
            count++;
        }
    }
    double naturalWidth = count ? sum / count * ppemY / units : ppemY / 2;
    double ppemX = naturalWidth > 0 ? ppemY * kAverageWidth / naturalWidth : ppemY;
    FT_Set_Char_Size(g_Face, FT_F26Dot6(lround(ppemX * 64)), FT_F26Dot6(lround(ppemY * 64)), 72, 72);
    g_LineHeight = height;
    g_Ascent = int(lround(double(height) * ascent / (ascent + descent)));
}

// Renders one character into a white texture whose alpha is the coverage.
Glyph MakeGlyph(unsigned codepoint) {
    Glyph g = {nullptr, 0, 0, 0, 0, 0};
    FT_UInt index = FT_Get_Char_Index(g_Face, codepoint);
    if (FT_Load_Glyph(g_Face, index, FT_LOAD_NO_BITMAP) != 0) return g;
    if (FT_Render_Glyph(g_Face->glyph, FT_RENDER_MODE_NORMAL) != 0) return g;
    FT_GlyphSlot slot = g_Face->glyph;
    g.advance = int((slot->advance.x + 32) >> 6);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int(slot->bitmap.width);
    g.height = int(slot->bitmap.rows);
    if (g.width == 0 || g.height == 0) return g;
    std::vector<uint32_t> texels(size_t(g.width) * g.height);
    for (int y = 0; y < g.height; y++) {
        const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
        for (int x = 0; x < g.width; x++) texels[size_t(y) * g.width + x] = uint32_t(row[x]) << 24 | 0xFFFFFF;
    }
    g.tex = SDL_CreateTexture(RenderDevice(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, g.width,
                              g.height);
    if (g.tex) {
        SDL_UpdateTexture(g.tex, nullptr, texels.data(), g.width * 4);
        SDL_SetTextureBlendMode(g.tex, SDL_BLENDMODE_BLEND);
    }
    return g;
}

const Glyph& GlyphOf(unsigned codepoint) {
    auto found = g_Glyphs.find(codepoint);
    if (found != g_Glyphs.end()) return found->second;
    return g_Glyphs.emplace(codepoint, MakeGlyph(codepoint)).first->second;
}

}  // namespace

void FontSetMissing(bool missing) {
    g_FontMissing = missing;
}

void FontDropGlyphs() {
    for (auto& entry : g_Glyphs)
        if (entry.second.tex) SDL_DestroyTexture(entry.second.tex);
    g_Glyphs.clear();
}

bool video_InitFont(int height) {
    video_FreeFont();
    if (height <= 0 || g_FontMissing) return false;
    if (!g_FreeType && FT_Init_FreeType(&g_FreeType) != 0) {
        g_FreeType = nullptr;
        return false;
    }
    if (!OpenFace()) return false;
    SizeFace(height);
    return true;
}

void video_FreeFont() {
    FontDropGlyphs();
    if (g_Face) FT_Done_Face(g_Face);
    g_Face = nullptr;
    if (g_FreeType) FT_Done_FreeType(g_FreeType);
    g_FreeType = nullptr;
}

void video_DrawText(const char* sjis, float x, float y, uint32_t argb) {
    SDL_Renderer* r = RenderDevice();
    if (!g_Face || !r || !sjis || RenderIsNull()) return;
    int left = int(floorf(x));
    int penX = left;
    int lineTop = int(floorf(y));
    const char* p = sjis;
    while (unsigned c = NextSjisCodepoint(&p)) {
        if (c == '\r' && *p == '\n') continue;
        if (c == '\n' || c == '\r') {
            penX = left;
            lineTop += g_LineHeight;
            continue;
        }
        if (c < 0x20) continue;
        const Glyph& g = GlyphOf(c);
        if (g.tex) {
            SDL_SetTextureColorMod(g.tex, Uint8(argb >> 16), Uint8(argb >> 8), Uint8(argb));
            SDL_SetTextureAlphaMod(g.tex, Uint8(argb >> 24));
            SDL_Rect dst = {penX + g.left, lineTop + g_Ascent - g.top, g.width, g.height};
            SDL_RenderCopy(r, g.tex, nullptr, &dst);
        }
        penX += g.advance;
    }
}
