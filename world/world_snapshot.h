// The world's and the title's fields of the headless runner's state snapshot.
#pragma once
#include <cstddef>

// Writes the fields as a JSON fragment without braces ("mapState": 1, "scrollX": -64, ...)
// into out (always terminated when size > 0). Returns the length the whole fragment needs,
// like snprintf: a result of size or more means it was cut short.
size_t FormatWorldSnapshot(char* out, size_t size);
