// Screens and drawings the in-game frame and the map templates call, whose owners build
// them in their own areas. Until they land, world/later_screens.cpp holds plain weak
// versions that a real definition anywhere in the game replaces.
#pragma once
#include <cstdint>

void SaveMenuEnter();
void SaveMenuRun();
void SaveMenuDraw();
void LoadMenuEnter();
void LoadMenuRun();
void LoadMenuDraw();
bool RunInGameMenu();  // true when the menu closes
void InnEnter();
bool InnRun();  // true when closed
void ShopEnter();
bool ShopRun();  // true when closed
void RunGalleryFight();
void ResetStatusPanel();
void DrawStatusPanel();
void RunTownsfolkTalk(int talk);
