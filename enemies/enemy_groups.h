// The enemy groups of the maps: which kinds, how many and where, and the eight shared
// group routines that run and draw the pools a map uses.
#pragma once
#include <cstdint>

enum : int32_t {
    GROUP_A,  // pool 1
    GROUP_B,  // pools 1, 2
    GROUP_C,  // pools 2, 3
    GROUP_D,  // pools 2, 3, 4
    GROUP_E,  // pools 3, 4
    GROUP_F,  // pools 3, 4, 5
    GROUP_G,  // pools 3, 4, 5, 6
    GROUP_H,  // pools 1 to 6
    GROUP_ROUTINES,
    ENEMY_GROUP_COUNT = 79,
};

// Where one enemy starts: world x of its hit rectangle's left edge and y of its body.
struct EnemySpot {
    int16_t x, y;
};

struct EnemyGroup {
    int16_t map;
    uint8_t routine;
    uint8_t counts[6];  // enemies of kinds 1-6
};

extern const EnemyGroup kEnemyGroups[ENEMY_GROUP_COUNT];
// Bit k - 1 set: the routine walks pool k.
extern const uint8_t kGroupRoutinePools[GROUP_ROUTINES];

// The group of a map, or null for a map without regular enemies.
const EnemyGroup* FindEnemyGroup(int32_t map);
// The placements of a map's enemies of one kind (written from the map's tiles), and how many.
const EnemySpot* EnemyGroupSpots(int32_t map, int32_t kind, int32_t* count);

// Spawns the map's group afresh at the heroine's current level.
void SpawnEnemyGroup(int32_t map);
// One frame, and the drawing, of the pools a group routine walks.
void RunEnemyGroup(int32_t routine);
void DrawEnemyGroup(int32_t routine);

// The map hooks the map templates call for maps with enemies.
void SpawnMapEnemies(int32_t map);
void RunMapEnemies(int32_t map);
void DrawMapEnemies(int32_t map);
