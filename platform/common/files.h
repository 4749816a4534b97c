// Where the game's folders are, shared by both backends.
#pragma once
#include <string>

struct GameFolders {
    std::string data;  // the DATA folder
    std::string save;  // the Save folder
    std::string base;  // for any other relative path
};

// Portable mode: DATA and Save beside the executable. Installed mode, when DATA is not
// beside it but ../share/miravel2/DATA is: DATA from there and Save under
// $XDG_DATA_HOME/miravel2/Save (default ~/.local/share/miravel2/Save).
// A given gameDir holds both folders.
GameFolders ResolveGameFolders(const char* exeDir, const char* gameDir, const char* xdgDataHome,
                               const char* home);

// The folder of the running executable (from /proc/self/exe), or "." if unknown.
std::string ExecutableDir();

// Fixes the folders for sys_GamePath from the real executable and environment.
void FoldersInit(const char* gameDir);
