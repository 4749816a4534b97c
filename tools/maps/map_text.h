// The readable text form of a map's two tile layers (content/maps/map_NNN.txt): a line
// "A", twelve rows of 250 legend characters, a line "B" and twelve more rows. Read by the
// map compiler, which turns it into the game's 6000 bytes, and by the map validator.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/art/world/tile_legend.h"

enum : int {
    MAP_TEXT_COLUMNS = 250,
    MAP_TEXT_ROWS = 12,
    MAP_TEXT_LAYER_BYTES = MAP_TEXT_COLUMNS * MAP_TEXT_ROWS,
    MAP_TEXT_MAX_ERRORS = 20,  // a badly broken file stops being read after this many
};

struct MapTextError {
    int line;  // 1-based line of the file, 0 when the fault is the file as a whole
    std::string what;
};

// Fills `layers` (6000 bytes: layer A then layer B, row-major) from the text. Every fault
// found is added to `errors` with its line; true only when there is none. Lines starting
// with '#' are comments wherever they stand; blank lines outside the grids are skipped.
bool ParseMapText(const std::string& text, const TileLegend& legend, uint8_t* layers,
                  std::vector<MapTextError>* errors);

// "map_012.txt" (with or without folders before it) gives 12; -1 for any other name.
int MapNumberFromFileName(const std::string& path);
// The whole file as bytes; false if it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* text);
// The map files map_NNN.txt of a folder, sorted by number; other names are left out.
std::vector<std::string> ListMapFiles(const std::string& dir);
