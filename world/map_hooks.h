// What single maps bring with them, built in the areas that own it: townsfolk, the enemy
// group, bosses and story scenes. The map templates call these only for maps whose row in
// the world map table lists them. Until the owners land, world/later_screens.cpp holds
// weak versions that a real definition anywhere in the game replaces.
//
// Entry, after the heroine and the scenery are reset and before the layers are copied:
//   SpawnTownsfolk, SpawnMapEnemies, SpawnMapBosses.
// Run, while the world runs (EventActive 0), after the heroine's update:
//   RunMapEnemies, RunMapBosses, RunTownsfolk;
// then, after the tiles: DrawTownsfolk, DrawMapEnemies, DrawMapBosses, then the heroine;
// after the status panel and the townsfolk talks: RunMapScenes, then the exits.
#pragma once
#include <cstdint>

void SpawnTownsfolk(int32_t map);
void RunTownsfolk(int32_t map);
void DrawTownsfolk(int32_t map);

void SpawnMapEnemies(int32_t map);
void RunMapEnemies(int32_t map);
void DrawMapEnemies(int32_t map);

// The boss records of the map's groups whose conditions hold (MapInfo::bosses).
void SpawnMapBosses(int32_t map);
void RunMapBosses(int32_t map);
void DrawMapBosses(int32_t map);

// One frame of each of the map's story scenes whose trigger holds (MapInfo::scenes). Map
// 34's switch scene (17) is not run from here but through RunSwitchScene.
void RunMapScenes(int32_t map);

// One frame of map 34's switch scene 17 in variant 0 (flag 17 clear) or 1 (set); true on
// the frame the switch has been worked, when the map turns its switch cell.
bool RunSwitchScene(int32_t variant);
