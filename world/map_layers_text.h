// The maps' tile layers as the build compiles them from their text form (content/maps,
// compiled by tools/maps/mkmaps): per map 3000 bytes of layer A, then 3000 of layer B.
#pragma once
#include <cstdint>

enum : int32_t { MAP_LAYER_BYTES = 12 * 250 };

struct CompiledMap {
    int32_t number;
    const uint8_t* layers;  // 2 x MAP_LAYER_BYTES
};

// One entry per map file, ordered by number, then an end mark {-1, nullptr}.
extern const CompiledMap CompiledMaps[];
extern const int32_t CompiledMapCount;
