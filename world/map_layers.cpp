// The tile layers of the maps, carried in the game as text (content/maps) and turned into
// the two 3000-byte layers the first time a map is entered.
#include <cstring>

#include "world/grid.h"
#include "world/map_layers_text.h"
#include "world/map_table.h"

namespace {

struct MapText {
    int32_t number;
    const char* text;
};

const MapText kMapTexts[] = {
    {
        0,
#include "content/maps/map_000.inc"
    },
    {
        1,
#include "content/maps/map_001.inc"
    },
    {
        2,
#include "content/maps/map_002.inc"
    },
    {
        3,
#include "content/maps/map_003.inc"
    },
};
constexpr int kMapTextCount = sizeof(kMapTexts) / sizeof(kMapTexts[0]);

uint8_t g_Layers[kMapTextCount][MAP_LAYER_BYTES * 2];
bool g_Parsed[kMapTextCount];

int TileValue(char ch) {
    if (ch >= '1' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'Z') return ch - 'A' + 36;
    return 0;
}

}  // namespace

bool ParseMapText(const char* text, uint8_t* layers) {
    std::memset(layers, 0, MAP_LAYER_BYTES * 2);
    int layer = -1;  // 0 = A, 1 = B
    int row = 0;
    bool seen[2] = {false, false};
    const char* p = text;
    while (*p) {
        const char* end = std::strchr(p, '\n');
        size_t len = end ? static_cast<size_t>(end - p) : std::strlen(p);
        if (len > 0 && p[len - 1] == '\r') --len;
        if (len == 1 && (p[0] == 'A' || p[0] == 'B')) {
            layer = p[0] == 'A' ? 0 : 1;
            seen[layer] = true;
            row = 0;
        } else if (len > 0 && p[0] != '#' && layer >= 0 && row < MAP_ROWS) {
            uint8_t* out = layers + layer * MAP_LAYER_BYTES + row * GRID_COLUMNS;
            for (size_t c = 0; c < len && c < static_cast<size_t>(GRID_COLUMNS); ++c)
                out[c] = TileValue(p[c]);
            ++row;
        }
        if (!end) break;
        p = end + 1;
    }
    return seen[0] && seen[1];
}

const uint8_t* MapLayers(int32_t number) {
    for (int i = 0; i < kMapTextCount; ++i) {
        if (kMapTexts[i].number != number) continue;
        if (!g_Parsed[i]) {
            ParseMapText(kMapTexts[i].text, g_Layers[i]);
            g_Parsed[i] = true;
        }
        return g_Layers[i];
    }
    return nullptr;
}
