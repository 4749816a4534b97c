// The handlers of the top-level modes. Each area implements its own; app/frame.cpp
// dispatches to them. An entry handler prepares and stores the paired run mode.
#pragma once

void PrepareTitle();       // mode 0: entry of the title
void RunTitle();           // mode 1: the title menu
void LoadGameAssets();     // modes 2 and 6: the game-start load and the new-game reset
void RunInGameFrame();     // mode 3: the in-game frame
void PrepareSplash();      // mode 4: entry of the splash
void RunSplash();          // mode 5: the splash
void RunBossGallery();     // mode 7: the boss gallery
void PrepareEnding();      // mode 9: entry of the ending
void RunEnding();          // mode 10: the ending and the carry-over choices
void RunCarryOverSlots();  // mode 11: the carry-over save slot choice

// The new-game values of the whole run, applied by every game start.
void ResetRunToNewGame();

// Shared quads set up by every game start, each by the screen that owns it.
void InitDialogueQuads();    // the dialogue box's box, face and marker quads
void InitPanelFaceQuad();    // the status panel's face quad
void InitTownsfolkQuads();   // the twenty 64 x 64 townsfolk quads
void ResetSaveSlotCursor();  // the save menu's cursor back to the first slot
