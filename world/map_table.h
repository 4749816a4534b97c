// The data that makes one map differ from another: place, music, inn price, backdrop,
// exits, and what it spawns and runs.
#pragma once
#include <cstdint>

enum : int32_t {
    MAP_NUMBER_LIMIT = 163,  // map numbers run 0 to 162 (with gaps)
    MAP_COUNT = 138,
    EXIT_SAME_MAP = -1,  // a warp: only the heroine and the camera move
    NO_FLAG = -1,
    NO_MUSIC = -1,
    INN_UNCHANGED = -1,
    MAP_EXITS_MAX = 5,
    MAP_SCENES_MAX = 4,
    MAP_BOSS_GROUPS_MAX = 2,
    CONDS_MAX = 3,
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

// How an exit is tested, for readers of the table (the map checker); the run routine
// needs only the fields below.
enum ExitKind : uint8_t {
    EXIT_LEFT = 0,
    EXIT_RIGHT,
    EXIT_DOOR,
    EXIT_VERTICAL,
    EXIT_WARP,       // walk-through warp within the map
    EXIT_DOOR_WARP,  // door warp within the map
};

// One exit or warp. It fires when ScrollX lies in [scrollMin, scrollMax] (both included),
// a door also needs Up with the heroine in control, the height test holds and every
// condition holds.
struct MapExit {
    float scrollMin, scrollMax;
    uint8_t door;
    uint8_t heightTest;
    float height;
    StoryCond cond[CONDS_MAX];
    int32_t dest;  // destination map, or EXIT_SAME_MAP
    uint8_t keepY;
    float arriveY;
    float arriveScroll;
    uint8_t picture;  // show a transition picture
    uint8_t kind;     // ExitKind
};

// Boss records spawned on entry while every condition holds.
struct BossGroup {
    uint8_t count;
    StoryCond cond[CONDS_MAX];
};

struct MapInfo {
    int16_t number;
    int16_t place;      // index into the place-name list
    int16_t music;      // slot started on entry, or NO_MUSIC
    int16_t musicFlag;  // the music starts only once this flag is set, or NO_FLAG
    int32_t innPrice;   // or INN_UNCHANGED
    int16_t backdrop;
    uint8_t exitsOnlyWhileWorldRuns;
    MapExit exits[MAP_EXITS_MAX];  // in the order the run routine tests them
    int32_t exitCount;
    // What the map spawns and runs; the hooks of world/map_hooks.h are called only for
    // what a map has.
    uint8_t hasTownsfolk;
    uint8_t hasEnemies;
    uint8_t bossCount;  // boss records over all groups
    BossGroup bosses[MAP_BOSS_GROUPS_MAX];
    int32_t bossGroupCount;
    int16_t scenes[MAP_SCENES_MAX];  // story scenes, in the order the map lists them
    int32_t sceneCount;
    // The opening scene owns the screen from the first frame while this flag is clear
    // (AdvanceLock and EventActive are set on entry); NO_FLAG for none.
    int16_t entryLockUntilFlag;
    void (*entryEdits)();  // cell changes after the layers are copied
    void (*runExtras)();   // map-owned work of the run, before the scenes
};

// The map of that number, or null when there is none.
const MapInfo* FindMap(int32_t number);
// The table in map order, for tools that check every map: MapAt(0 .. MapCount() - 1).
int32_t MapCount();
const MapInfo* MapAt(int32_t i);
// The map's two layers, 3000 bytes of layer A then 3000 of layer B; null if it has none.
const uint8_t* MapLayers(int32_t number);

// Map template: entry and run routines.
void EnterMap(const MapInfo* map);
void RunMap(const MapInfo* map);
// Tests the exits in order; several may fire, the last one wins.
void RunMapExits(const MapExit* exits, int count);
// The exit's height test on the heroine's height y.
bool ExitHeightHolds(const MapExit& e, float y);
// True when every condition of the list holds.
bool StoryCondsHold(const StoryCond* conds, int count);

// Cell edits and run-time switches of single maps (world/map_entry_edits.cpp).
void EditMap15OnEntry();
void EditMap28OnEntry();
void EditMap41OnEntry();
void RunMap34Switch();
// The variant of map 34's switch scene that runs this frame: 0 (A), 1 (B), or -1 when
// the heroine is not working the switch.
int32_t Map34SwitchVariant();
