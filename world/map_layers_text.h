// The readable text form of a map's two tile layers.
#pragma once
#include <cstdint>

enum : int32_t { MAP_LAYER_BYTES = 12 * 250 };

// Reads "A" followed by up to 12 rows of layer A, then "B" and its rows; lines starting
// with '#' are comments. "." is 0, 1-9, a-z (10-35) and A-Z (36-61) are tile values; short
// rows and missing rows are empty. Fills 6000 bytes (A then B); false if a layer is missing.
bool ParseMapText(const char* text, uint8_t* layers);
