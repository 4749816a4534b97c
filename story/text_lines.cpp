// Reads a text file of the game into fixed storage and cuts it into lines.
#include "story/text_lines.h"

#include <cstdio>

#include "platform/system.h"

bool LoadTextLines(const char* gameFile, TextLines* out) {
    out->count = 0;
    if (!out->storage || out->storageSize == 0 || !out->line) return false;
    char path[1024];
    FILE* f = std::fopen(sys_GamePath(gameFile, path, sizeof path), "rb");
    if (!f) return false;
    const size_t got = std::fread(out->storage, 1, out->storageSize, f);
    const bool tooLong = got == out->storageSize;  // no room left for the last line's end
    std::fclose(f);
    if (tooLong) return false;
    int32_t count = 0;
    size_t start = 0;
    for (size_t i = 0; i <= got; ++i) {
        if (i < got && out->storage[i] != '\n') continue;
        if (i == got && start == got) break;  // the file ends with a line feed
        if (count == out->maxLines) {
            out->count = 0;
            return false;
        }
        size_t end = i;
        if (end > start && out->storage[end - 1] == '\r') --end;
        out->storage[end] = '\0';
        out->line[count++] = out->storage + start;
        start = i + 1;
    }
    out->count = count;
    return true;
}

const char* TextLine(const TextLines& lines, int32_t i) {
    return i >= 0 && i < lines.count ? lines.line[i] : "";
}
