// The game's texts (DATA/TEXT/*.txt, Shift_JIS, made by the build from content/text): a
// file read into storage the caller owns and cut into its lines.
#pragma once
#include <cstddef>
#include <cstdint>

struct TextLines {
    char* storage;       // the file's bytes, each line ended by '\0'
    size_t storageSize;  // bytes available in storage
    const char** line;   // line[i] points into storage
    int32_t maxLines;
    int32_t count;  // lines read
};

// Reads the game-relative file (e.g. "DATA\\TEXT\\places.txt") into lines. False, with
// count 0, when the file is missing or does not fit the storage or the line table: a text
// is never shown cut short.
bool LoadTextLines(const char* gameFile, TextLines* out);
// Line i, or "" when there is no such line.
const char* TextLine(const TextLines& lines, int32_t i);
