// The data that makes one map differ from another: layers, music, inn price, backdrop,
// exits and the hooks of what it spawns and runs.
#pragma once
#include <cstdint>

enum : int32_t {
    MAP_NUMBER_LIMIT = 163,  // map numbers run 0 to 162 (with gaps)
    EXIT_SAME_MAP = -1,      // a warp: only the heroine and the camera move
    NO_FLAG = -1,
    NO_MUSIC = -1,
    INN_UNCHANGED = -1,
};

// A condition on the story progress.
enum CondKind : uint8_t {
    COND_NONE = 0,
    COND_FLAG_SET,    // Fk
    COND_FLAG_CLEAR,  // !Fk
    COND_STEP_SET,    // Sk: step counter k is non-zero
    COND_STEP_CLEAR,
};
struct StoryCond {
    uint8_t kind;
    int16_t index;
};

// Height test of doors and vertical exits on the heroine's y.
enum HeightTest : uint8_t {
    HEIGHT_ANY = 0,
    HEIGHT_EQUAL,
    HEIGHT_BELOW,     // y < h
    HEIGHT_AT_MOST,   // y <= h
    HEIGHT_ABOVE,     // y > h
    HEIGHT_AT_LEAST,  // y >= h
};

// One exit or warp. It fires when ScrollX lies in [scrollMin, scrollMax] (both included),
// a door also needs Up with the heroine in control, the height test holds and every
// condition holds.
struct MapExit {
    float scrollMin, scrollMax;
    uint8_t door;
    uint8_t heightTest;
    float height;
    StoryCond cond[3];
    int32_t dest;  // destination map, or EXIT_SAME_MAP
    uint8_t keepY;
    float arriveY;
    float arriveScroll;
    uint8_t picture;  // show a transition picture
};

struct MapInfo {
    int16_t number;
    int16_t place;      // index into the place-name list
    int16_t music;      // slot started on entry, or NO_MUSIC
    int16_t musicFlag;  // the music starts only once this flag is set, or NO_FLAG
    int32_t innPrice;   // or INN_UNCHANGED
    int16_t backdrop;
    uint8_t exitsOnlyWhileWorldRuns;
    const MapExit* exits;
    int32_t exitCount;
    // What the map spawns and runs; each may be empty.
    void (*spawn)();       // townsfolk, enemy group, bosses, scene props
    void (*entryEdits)();  // cell changes after the layers are copied
    void (*update)();      // enemy group and townsfolk, while the world runs
    void (*draw)();        // townsfolk, then the enemy group
    void (*scenes)();      // story scenes of the map
};

// The map of that number, or null when there is none.
const MapInfo* FindMap(int32_t number);
// The map's two layers, 3000 bytes of layer A then 3000 of layer B; null if it has none.
const uint8_t* MapLayers(int32_t number);

// Map template: entry and run routines.
void EnterMap(const MapInfo* map);
void RunMap(const MapInfo* map);
// Tests the exits in order; several may fire, the last one wins.
void RunMapExits(const MapExit* exits, int count);
