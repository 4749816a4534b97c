// The groups of the 79 maps with regular enemies, and the routines that spawn, run and
// draw them.
#include "enemies/enemy_groups.h"

#include "enemies/enemies.h"
#include "enemies/enemy_bodies.h"
#include "enemies/enemy_kinds.h"
#include "world/grid.h"

// The pools live beside the group routines that fill them; the map hooks at the end of
// this file come into the game together with them.
Actor EnemyPools[ENEMY_KINDS][ENEMY_POOL_SIZE];
int32_t EnemyCounts[ENEMY_KINDS];

Actor* EnemySlot(int32_t kind, int32_t slot) {
    if (kind < 1 || kind > ENEMY_KINDS || slot < 0 || slot >= ENEMY_POOL_SIZE) return nullptr;
    return &EnemyPools[kind - 1][slot];
}

const uint8_t kGroupRoutinePools[GROUP_ROUTINES] = {
    0x01,  // A: 1
    0x03,  // B: 1, 2
    0x06,  // C: 2, 3
    0x0E,  // D: 2, 3, 4
    0x0C,  // E: 3, 4
    0x1C,  // F: 3, 4, 5
    0x3C,  // G: 3, 4, 5, 6
    0x3F,  // H: 1 to 6
};

// Map, group routine, and how many enemies of kinds 1 to 6.
const EnemyGroup kEnemyGroups[ENEMY_GROUP_COUNT] = {
    {1, GROUP_A, {12, 0, 0, 0, 0, 0}},        {2, GROUP_A, {15, 0, 0, 0, 0, 0}},
    {5, GROUP_A, {12, 0, 0, 0, 0, 0}},        {6, GROUP_A, {15, 0, 0, 0, 0, 0}},
    {9, GROUP_A, {12, 0, 0, 0, 0, 0}},        {12, GROUP_B, {10, 7, 0, 0, 0, 0}},
    {13, GROUP_B, {8, 7, 0, 0, 0, 0}},        {16, GROUP_B, {12, 7, 0, 0, 0, 0}},
    {17, GROUP_B, {15, 10, 0, 0, 0, 0}},      {20, GROUP_B, {12, 11, 0, 0, 0, 0}},
    {21, GROUP_B, {9, 9, 0, 0, 0, 0}},        {22, GROUP_B, {8, 11, 0, 0, 0, 0}},
    {25, GROUP_B, {10, 7, 0, 0, 0, 0}},       {27, GROUP_B, {12, 16, 0, 0, 0, 0}},
    {28, GROUP_B, {20, 17, 0, 0, 0, 0}},      {34, GROUP_B, {18, 19, 0, 0, 0, 0}},
    {35, GROUP_B, {20, 15, 0, 0, 0, 0}},      {38, GROUP_B, {0, 14, 0, 0, 0, 0}},
    {39, GROUP_C, {0, 8, 7, 0, 0, 0}},        {42, GROUP_C, {0, 7, 6, 0, 0, 0}},
    {43, GROUP_C, {0, 6, 6, 0, 0, 0}},        {45, GROUP_C, {0, 8, 8, 0, 0, 0}},
    {46, GROUP_C, {0, 7, 8, 0, 0, 0}},        {48, GROUP_C, {0, 5, 4, 0, 0, 0}},
    {49, GROUP_C, {0, 4, 6, 0, 0, 0}},        {52, GROUP_C, {0, 5, 5, 0, 0, 0}},
    {58, GROUP_D, {0, 9, 8, 8, 0, 0}},        {59, GROUP_E, {0, 0, 12, 14, 0, 0}},
    {62, GROUP_E, {0, 0, 8, 8, 0, 0}},        {63, GROUP_E, {0, 0, 8, 7, 0, 0}},
    {65, GROUP_E, {0, 0, 6, 6, 0, 0}},        {66, GROUP_E, {0, 0, 6, 7, 0, 0}},
    {67, GROUP_D, {0, 6, 8, 7, 0, 0}},        {68, GROUP_D, {0, 8, 10, 7, 0, 0}},
    {69, GROUP_D, {0, 8, 8, 7, 0, 0}},        {70, GROUP_D, {0, 6, 7, 6, 0, 0}},
    {71, GROUP_D, {0, 7, 10, 6, 0, 0}},       {74, GROUP_E, {0, 0, 7, 6, 0, 0}},
    {75, GROUP_E, {0, 0, 4, 7, 0, 0}},        {77, GROUP_E, {0, 0, 5, 6, 0, 0}},
    {78, GROUP_E, {0, 0, 4, 7, 0, 0}},        {80, GROUP_F, {0, 0, 9, 10, 5, 0}},
    {81, GROUP_F, {0, 0, 9, 8, 3, 0}},        {82, GROUP_F, {0, 0, 8, 9, 4, 0}},
    {83, GROUP_F, {0, 0, 10, 10, 10, 0}},     {100, GROUP_F, {0, 0, 6, 6, 4, 0}},
    {101, GROUP_F, {0, 0, 6, 6, 6, 0}},       {102, GROUP_F, {0, 0, 6, 6, 5, 0}},
    {104, GROUP_F, {0, 0, 7, 7, 2, 0}},       {106, GROUP_F, {0, 0, 6, 6, 4, 0}},
    {107, GROUP_F, {0, 0, 4, 4, 4, 0}},       {110, GROUP_F, {0, 0, 5, 5, 5, 0}},
    {111, GROUP_F, {0, 0, 5, 7, 2, 0}},       {114, GROUP_F, {0, 0, 7, 7, 6, 0}},
    {115, GROUP_F, {0, 0, 5, 6, 4, 0}},       {116, GROUP_F, {0, 0, 8, 8, 4, 0}},
    {120, GROUP_F, {0, 0, 6, 7, 3, 0}},       {121, GROUP_F, {0, 0, 4, 6, 3, 0}},
    {122, GROUP_F, {0, 0, 6, 6, 3, 0}},       {126, GROUP_G, {0, 0, 4, 4, 4, 3}},
    {127, GROUP_G, {0, 0, 5, 7, 4, 4}},       {128, GROUP_G, {0, 0, 3, 4, 4, 5}},
    {142, GROUP_G, {0, 0, 4, 6, 6, 5}},       {143, GROUP_G, {0, 0, 7, 7, 5, 7}},
    {144, GROUP_G, {0, 0, 5, 4, 3, 4}},       {145, GROUP_G, {0, 0, 6, 6, 6, 7}},
    {146, GROUP_G, {0, 0, 6, 6, 7, 6}},       {148, GROUP_G, {0, 0, 16, 11, 17, 10}},
    {149, GROUP_G, {0, 0, 16, 10, 15, 10}},   {150, GROUP_G, {0, 0, 10, 13, 20, 11}},
    {151, GROUP_G, {0, 0, 20, 20, 20, 20}},   {152, GROUP_H, {20, 20, 20, 20, 20, 20}},
    {153, GROUP_H, {20, 20, 18, 18, 17, 17}}, {154, GROUP_H, {20, 20, 20, 20, 20, 20}},
    {155, GROUP_H, {20, 20, 20, 20, 20, 20}}, {156, GROUP_H, {20, 20, 20, 20, 20, 20}},
    {157, GROUP_H, {19, 20, 20, 20, 20, 20}}, {158, GROUP_H, {20, 20, 20, 20, 20, 20}},
    {159, GROUP_H, {20, 20, 20, 20, 20, 20}},
};

const EnemyGroup* FindEnemyGroup(int32_t map) {
    for (const EnemyGroup& g : kEnemyGroups) {
        if (g.map == map) return &g;
    }
    return nullptr;
}

namespace {

bool Walks(int32_t routine, int32_t kind) {
    return routine >= 0 && routine < GROUP_ROUTINES && (kGroupRoutinePools[routine] >> (kind - 1) & 1) != 0;
}

// Near enough to the screen to be updated and drawn; the thrower always is.
bool NearScreen(int32_t kind, const Actor* a) {
    return kind == 5 || (a->hitRect.left < ENEMY_SCREEN_RIGHT && a->hitRect.right > ENEMY_SCREEN_LEFT);
}

}  // namespace

// Every pool the map's routine walks is reset, so nothing an earlier map left in a pool
// is run here. Map 38 is the one whose routine walks a pool (kind 1) its group leaves
// empty: that pool is cleared to no enemies rather than carrying over another map's.
void SpawnEnemyGroup(int32_t map) {
    const EnemyGroup* g = FindEnemyGroup(map);
    if (!g) return;
    for (int32_t kind = 1; kind <= ENEMY_KINDS; ++kind) {
        if (!Walks(g->routine, kind)) continue;
        int32_t placed = 0;
        const EnemySpot* spots = EnemyGroupSpots(map, kind, &placed);
        int32_t count = g->counts[kind - 1];
        if (count > placed) count = placed;
        if (count > ENEMY_POOL_SIZE) count = ENEMY_POOL_SIZE;
        EnemyCounts[kind - 1] = count;
        for (int32_t i = 0; i < ENEMY_POOL_SIZE; ++i) SpawnEnemy(kind, &EnemyPools[kind - 1][i]);
        for (int32_t i = 0; i < count; ++i) {
            Actor* a = &EnemyPools[kind - 1][i];
            a->x = spots[i].x;
            a->y = spots[i].y;
            a->life = LIFE_ALIVE;
            // The body stands where the enemy is, so its first gravity step measures from there.
            const EnemyKind& k = kEnemyKinds[kind];
            PlaceEnemyRect(a, k.insetTop);
            QuadFromHitRect(&a->body, &a->hitRect, k.insetLeft, k.insetRight, k.insetTop, k.insetBottom);
            PlaceEnemyRect(a, 3);
        }
    }
}

void RunEnemyGroup(int32_t routine) {
    for (int32_t kind = 1; kind <= ENEMY_KINDS; ++kind) {
        if (!Walks(routine, kind)) continue;
        for (int32_t i = 0; i < EnemyCounts[kind - 1]; ++i) PlaceEnemyRect(&EnemyPools[kind - 1][i], 3);
    }
    for (int32_t kind = 1; kind <= ENEMY_KINDS; ++kind) {
        if (!Walks(routine, kind)) continue;
        for (int32_t i = 0; i < EnemyCounts[kind - 1]; ++i) {
            Actor* a = &EnemyPools[kind - 1][i];
            if (NearScreen(kind, a)) UpdateEnemy(kind, a);
        }
    }
}

void DrawEnemyGroup(int32_t routine) {
    for (int32_t kind = 1; kind <= ENEMY_KINDS; ++kind) {
        if (!Walks(routine, kind)) continue;
        for (int32_t i = 0; i < EnemyCounts[kind - 1]; ++i) {
            Actor* a = &EnemyPools[kind - 1][i];
            if (NearScreen(kind, a)) DrawEnemy(kind, a);
        }
    }
}

void SpawnMapEnemies(int32_t map) {
    SpawnEnemyGroup(map);
}

void RunMapEnemies(int32_t map) {
    const EnemyGroup* g = FindEnemyGroup(map);
    if (g) RunEnemyGroup(g->routine);
}

void DrawMapEnemies(int32_t map) {
    const EnemyGroup* g = FindEnemyGroup(map);
    if (g) DrawEnemyGroup(g->routine);
}
