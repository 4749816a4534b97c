// mapcheck: checks map files against the world table and the heroine's moves.
//
//   mapcheck [--tiles content/tiles.txt] [--missing-is-error] map_NNN.txt...
//   mapcheck [--tiles content/tiles.txt] [--missing-is-error] --all content/maps
//
// Prints one line per fault ("error: map 12: ...", "warning: map 12: ...") and exits
// non-zero when there is an error. The other map files of the same folder are read too,
// for the heights the heroine carries over from their exits.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "tools/maps/map_check.h"

// Whether a map of the table that has no file fails the check: every map has its file, so
// one that goes missing is an error (--missing-is-warning while maps are being written).
static const bool kMissingFileIsError = true;

static std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

int main(int argc, char** argv) {
    std::string tiles, all;
    std::vector<std::string> files;
    MapCheckOptions options;
    options.missingFileIsError = kMissingFileIsError;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--tiles" && i + 1 < argc) {
            tiles = argv[++i];
        } else if (a == "--all" && i + 1 < argc) {
            all = argv[++i];
        } else if (a == "--missing-is-error") {
            options.missingFileIsError = true;
        } else if (a == "--missing-is-warning") {
            options.missingFileIsError = false;
        } else if (!a.empty() && a[0] == '-') {
            fprintf(stderr,
                    "usage: mapcheck [--tiles FILE] [--missing-is-error|--missing-is-warning] "
                    "(--all DIR | map_NNN.txt...)\n");
            return 2;
        } else {
            files.push_back(a);
        }
    }
    if (all.empty() && files.empty()) {
        fprintf(stderr, "mapcheck: give map files or --all DIR\n");
        return 2;
    }
    const std::string folder = all.empty() ? FolderOf(files[0]) : all;
    if (tiles.empty()) tiles = folder + "/../tiles.txt";
    TileLegend legend;
    std::string error;
    if (!LoadTileLegend(tiles.c_str(), &legend, &error)) {
        fprintf(stderr, "mapcheck: %s\n", error.c_str());
        return 2;
    }

    MapCheckWorld world;
    world.maps = GameMapTable();
    std::vector<MapCheckMessage> messages;
    std::set<int> which;
    std::set<std::string> given(files.begin(), files.end());
    // Every file of the folder gives context; only those asked for are checked.
    for (const std::string& path : ListMapFiles(folder)) {
        if (given.count(path)) continue;
        std::vector<MapCheckMessage> ignored;
        LoadMapFile(path, legend, &world, all.empty() ? &ignored : &messages);
        if (!all.empty()) which.insert(MapNumberFromFileName(path));
    }
    for (const std::string& path : files) {
        LoadMapFile(path, legend, &world, &messages);
        which.insert(MapNumberFromFileName(path));
    }
    if (!all.empty())
        for (const MapInfo* m : world.maps) which.insert(m->number);
    which.erase(-1);
    // Maps whose file does not read are reported once, by the reading.
    std::vector<int> check;
    for (int n : which) {
        bool unreadable = false;
        for (const MapCheckMessage& m : messages) unreadable |= m.map == n && m.error;
        if (!unreadable) check.push_back(n);
    }
    CheckMaps(world, check, options, &messages);

    std::stable_sort(messages.begin(), messages.end(),
                     [](const MapCheckMessage& a, const MapCheckMessage& b) { return a.map < b.map; });
    int errors = 0, warnings = 0;
    for (const MapCheckMessage& m : messages) {
        printf("%s: %s\n", m.error ? "error" : "warning", m.text.c_str());
        (m.error ? errors : warnings)++;
    }
    printf(
        "mapcheck: %zu map(s) checked, %d with a file of the %zu in the world table; %d error(s), %d "
        "warning(s)\n",
        check.size(),
        static_cast<int>(std::count_if(world.maps.begin(), world.maps.end(),
                                       [&](const MapInfo* m) { return world.layers.count(m->number); })),
        world.maps.size(), errors, warnings);
    return errors ? 1 : 0;
}
