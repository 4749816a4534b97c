// The map validator: checks the maps' tile layers against the world table and the
// heroine's walking and jumping, and says what fails in a map author's words.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/maps/constraints.h"
#include "tools/maps/map_text.h"
#include "world/map_table.h"

struct MapCheckMessage {
    bool error;  // false: a warning
    int map;
    std::string text;  // "map 12: arrival from map 11 (y 288, ScrollX -64) stands inside a wall ..."
};

struct MapCheckWorld {
    std::vector<const MapInfo*> maps;            // the world table
    std::map<int, std::vector<uint8_t>> layers;  // 6000 bytes for each map that has a file
    std::map<int, std::string> files;            // where each map's file is, for the messages
    // Townsfolk, cards and doors of a map in place of the game's own (for tests).
    std::map<int, std::vector<MapTarget>> targets;
};

struct MapCheckOptions {
    bool missingFileIsError = false;  // once every map of the table has its file
};

// The world table of the game.
std::vector<const MapInfo*> GameMapTable();

// Reads one map file into `world`; format faults become error messages with file:line.
bool LoadMapFile(const std::string& path, const TileLegend& legend, MapCheckWorld* world,
                 std::vector<MapCheckMessage>* out);

// Checks the maps numbered in `which` (each needs its layers in `world`, or is reported
// missing when the table has it) and adds what fails to `out`.
void CheckMaps(const MapCheckWorld& world, const std::vector<int>& which, const MapCheckOptions& options,
               std::vector<MapCheckMessage>* out);

int CountErrors(const std::vector<MapCheckMessage>& messages);
