// mktext IN.txt OUT: turns a UTF-8 text of content/ into the Shift_JIS (CP932) file the game
// reads. Comment lines starting with '#' are dropped unless --keep-comments is given; a
// character CP932 cannot hold, bad UTF-8 or a control character stops the build with its line.
#include <errno.h>
#include <iconv.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool Convert(iconv_t cd, const std::string& in, std::string* out) {
    out->clear();
    if (in.empty()) return true;
    std::string buf(in.size() * 2 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = &buf[0];
    size_t dstLeft = buf.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) return false;
    out->assign(buf.data(), buf.size() - dstLeft);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mktext IN.txt OUT [--keep-comments]\n");
        return 2;
    }
    const bool keepComments = argc > 3 && !std::strcmp(argv[3], "--keep-comments");
    FILE* in = std::fopen(argv[1], "rb");
    if (!in) {
        std::fprintf(stderr, "mktext: cannot open %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "mktext: this system's iconv has no CP932\n");
        return 1;
    }
    std::string result, line, converted;
    int lineNo = 0, c = 0;
    bool ok = true;
    while (ok && c != EOF) {
        line.clear();
        while ((c = std::fgetc(in)) != EOF && c != '\n') line += static_cast<char>(c);
        if (c == EOF && line.empty()) break;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNo == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        if (!keepComments && !line.empty() && line[0] == '#') continue;
        for (char ch : line) {
            if (static_cast<unsigned char>(ch) < 0x20 && ch != '\t') {
                std::fprintf(stderr, "%s:%d: a control character is not allowed in text\n", argv[1], lineNo);
                ok = false;
                break;
            }
        }
        if (ok && !Convert(cd, line, &converted)) {
            std::fprintf(stderr, "%s:%d: bad UTF-8 or a character Shift_JIS cannot show\n", argv[1], lineNo);
            ok = false;
        }
        result += converted + "\n";
    }
    std::fclose(in);
    iconv_close(cd);
    if (!ok) return 1;
    const std::string tmp = std::string(argv[2]) + ".tmp";
    FILE* out = std::fopen(tmp.c_str(), "wb");
    if (!out || std::fwrite(result.data(), 1, result.size(), out) != result.size() || std::fclose(out) != 0 ||
        std::rename(tmp.c_str(), argv[2]) != 0) {
        std::fprintf(stderr, "mktext: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
