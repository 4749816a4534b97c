// The stand-in heroine of the map validator: where she can stand, walk and jump in the
// map loaded in the game's grids, moved by the game's own gravity step and tile tests.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "tools/maps/constraints.h"
#include "world/map_table.h"

enum : int {
    kHeroX = 300,     // her screen x; the world scrolls under her
    kStep = 8,        // pixels of one walking step
    kFallOutY = 540,  // below this she is lost
};
constexpr float kFarScroll = 1.0e29f;  // an exit range open at that end

// Her motion between frames: the camera, her height and her fall state.
struct Motion {
    int scroll, y, vy, onGround;
};

// Her hit rectangle with the camera at `scroll` and her body's top at y.
bool TouchesAt(int scroll, int y);
// She stands there: free of solid tiles, with a solid tile one pixel below.
bool StandsAt(int scroll, int y);
bool Standing(const Motion& m);
// The world x of her rectangle's left edge, and its column (-1 left of the map).
int WorldLeft(int scroll);
int ColumnOf(int scroll);
// The first solid cell under her rectangle's corners, as "column c, row r".
std::string SolidCellAt(int scroll, int y);
// One frame of her control: the gravity step (with a jump request), then the walking
// scroll, as the game runs them. dir: -1 walks left, +1 right, 0 stands.
Motion Step(const Motion& m, bool jump, int dir);

bool Unconditional(const MapExit& e);
bool IsWarp(const MapExit& e);
bool HeightHolds(const MapExit& e, int y);
bool InRange(const MapExit& e, int scroll);
// Doors open only with Up while she stands; the rest fire as she passes.
bool Fires(const MapExit& e, const Motion& m, bool standing);
// Whether she, at m, can talk to a figure, pick up a card, open a door or start a scene.
bool ReachesTarget(const MapTarget& t, const Motion& m, bool standing);

struct ExitReach {
    bool fired = false;
    std::set<int> standHeights;  // heights at which she stood when it fired
};
struct Reach {
    std::vector<ExitReach> exits;
    bool voidLeft = false, voidRight = false;      // she walked off an end of the map
    bool cameraLeft = false, cameraRight = false;  // the camera showed past an end
    int minScroll = 0, maxScroll = 0;              // the furthest right and left she stood
    std::set<int> savePoints;                      // row * 250 + column of the save points she stood on
    std::set<int> targets;                         // townsfolk, cards, doors and scene places she got to
    bool trappedInWall = false;
};

// Every place she can get to from the seed, with the map loaded in the grids.
Reach Explore(const MapInfo* map, const Motion& seed, const std::vector<const MapTarget*>& targets);
