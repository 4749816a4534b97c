#include "platform/text_encoding.h"

#include <errno.h>
#include <iconv.h>

#include <cstring>
#include <vector>

namespace {

// Converts with iconv, replacing undecodable input one byte at a time.
std::string Convert(const char* from, const char* to, const char* in, const char* replacement) {
    std::string out;
    if (!in) return out;
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1) return in;
    size_t inLeft = strlen(in);
    char* inPtr = const_cast<char*>(in);
    char buf[256];
    while (inLeft > 0) {
        char* outPtr = buf;
        size_t outLeft = sizeof buf;
        size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buf, outPtr - buf);
        if (r == (size_t)-1 && errno != E2BIG) {
            out += replacement;
            inPtr++;
            inLeft--;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string SjisToUtf8(const char* sjis) {
    return Convert("CP932", "UTF-8", sjis, "\xEF\xBF\xBD");
}

std::string Utf8ToSjis(const char* utf8) {
    return Convert("UTF-8", "CP932", utf8, "?");
}

unsigned NextSjisCodepoint(const char** p) {
    const unsigned char* s = reinterpret_cast<const unsigned char*>(*p);
    if (!*s) return 0;
    size_t len = 1;
    if ((s[0] >= 0x81 && s[0] <= 0x9F) || (s[0] >= 0xE0 && s[0] <= 0xFC)) len = s[1] ? 2 : 1;
    *p += len;
    // Text is drawn every frame: each code is converted once and then looked up.
    static std::vector<unsigned> cache;
    const unsigned kUnknown = 0xFFFFFFFFu;
    if (cache.empty()) cache.assign(65536, kUnknown);
    unsigned key = len == 2 ? unsigned(s[0]) << 8 | s[1] : s[0];
    if (cache[key] != kUnknown) return cache[key];
    char in[3] = {char(s[0]), len == 2 ? char(s[1]) : '\0', '\0'};
    std::string u = SjisToUtf8(in);
    const unsigned char* c = reinterpret_cast<const unsigned char*>(u.c_str());
    unsigned cp;
    if (c[0] < 0x80)
        cp = c[0];
    else if ((c[0] & 0xE0) == 0xC0)
        cp = ((c[0] & 0x1F) << 6) | (c[1] & 0x3F);
    else if ((c[0] & 0xF0) == 0xE0)
        cp = ((c[0] & 0x0F) << 12) | ((c[1] & 0x3F) << 6) | (c[2] & 0x3F);
    else
        cp = ((c[0] & 0x07) << 18) | ((c[1] & 0x3F) << 12) | ((c[2] & 0x3F) << 6) | (c[3] & 0x3F);
    cache[key] = cp;
    return cp;
}
