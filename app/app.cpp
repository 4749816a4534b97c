#include "app/app.h"

int GameMain(const char*) { return 0; }
