// The new-game values of the whole run, applied by every game start before a load.
#pragma once

void ResetRunToNewGame();  // also declared in app/modes.h
