// The tile layers of the maps, compiled into the game from their text form.
#include "world/map_layers_text.h"
#include "world/map_table.h"

const uint8_t* MapLayers(int32_t number) {
    for (int32_t i = 0; i < CompiledMapCount; ++i) {
        if (CompiledMaps[i].number == number) return CompiledMaps[i].layers;
    }
    return nullptr;
}
