// Shift_JIS (code page 932) to UTF-8 and back, for the platform's own use and the tools.
#pragma once
#include <cstddef>
#include <string>

// Converts; bytes that do not decode become U+FFFD. Never fails.
std::string SjisToUtf8(const char* sjis);
// Converts; characters without a Shift_JIS form become '?'.
std::string Utf8ToSjis(const char* utf8);
// Decodes the next Shift_JIS character at *p (advancing p) into a Unicode code point;
// returns 0 at the end of the string.
unsigned NextSjisCodepoint(const char** p);
