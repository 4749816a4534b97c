// Places other parts of the game rely on in the maps: where townsfolk, doors, cards,
// bosses and scene figures stand, checked against the map loaded in the grids.
#pragma once
#include <string>
#include <vector>

// What fails for map `number`, whose layers are in the grids; empty when all holds.
std::vector<std::string> CheckMapConstraints(int number);
