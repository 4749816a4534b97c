// Places other parts of the game rely on in the maps: the townsfolk and cards that stand
// at fixed world positions, and the inn and shop doors that open at one camera range and
// height. The validator checks that each has ground and can be reached.
#pragma once
#include <cstdint>
#include <vector>

enum TargetKind : uint8_t {
    TARGET_FIGURE,  // a 64 x 64 figure with its top-left at (x, y); she talks to it by touching it
    TARGET_CARD,    // a card lying at (x, y), picked up by touching it
    TARGET_STILL,   // a figure only looked at
    TARGET_DOOR,    // Up with ScrollX in [lo, hi] and her y at the height (or at least it)
    TARGET_CAMERA,  // ScrollX in [lo, hi] at any height: where a story scene begins
};

enum : int32_t { TARGET_OPEN_END = 100000 };  // a camera range open at that end

struct MapTarget {
    int16_t map;
    uint8_t kind;
    int32_t a, b;     // figure: world x, unused; door: the ScrollX range
    int32_t y;        // figure: top; door: the height her y must have
    uint8_t atLeast;  // door: her y may also be greater
    uint8_t needed;   // the game needs it reached (doors, cards, sellers); else a villager
    const char* what;
};

// The places of one map, in table order.
std::vector<const MapTarget*> MapTargetsOf(int map);

enum : int32_t { SCENE_Y_KEPT = -9999 };

// Where a story scene puts the heroine when it moves her to a map.
struct SceneArrival {
    int16_t map;
    int16_t scene;
    int32_t y;  // or SCENE_Y_KEPT: her height carries over
    int32_t scroll;
};

// The scene arrivals into one map.
std::vector<const SceneArrival*> SceneArrivalsInto(int map);
