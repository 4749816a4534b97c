// Reads the text form of the maps into layer bytes, naming every fault by its line.
#include "tools/maps/map_text.h"

#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// A character as a map author reads it in a message.
std::string Shown(unsigned char c) {
    if (c == ' ') return "a space";
    if (c == '\t') return "a tab";
    if (c < 33 || c > 126) {
        char buf[16];
        snprintf(buf, sizeof buf, "byte 0x%02X", c);
        return buf;
    }
    return std::string("'") + static_cast<char>(c) + "'";
}

struct Reader {
    const TileLegend& legend;
    uint8_t* layers;
    std::vector<MapTextError>* errors;
    int layer = -1;  // 0 = A, 1 = B, -1 before the first header
    int rows = 0;    // rows read of the current layer
    bool done[2] = {false, false};

    void Fail(int line, const std::string& what) {
        if (static_cast<int>(errors->size()) < MAP_TEXT_MAX_ERRORS) errors->push_back({line, what});
    }
    const char* Name() const { return layer == 0 ? "A" : "B"; }

    // Closes the layer being read, complaining when it is short of rows.
    void EndLayer(int line) {
        if (layer < 0) return;
        if (rows < MAP_TEXT_ROWS)
            Fail(line, std::string("layer ") + Name() + " has " + std::to_string(rows) +
                           (rows == 1 ? " row" : " rows") + "; it needs " + std::to_string(MAP_TEXT_ROWS));
        done[layer] = true;
    }

    void Header(int line, int which) {
        EndLayer(line);
        if (done[which]) Fail(line, std::string("layer ") + (which == 0 ? "A" : "B") + " is given twice");
        if (which == 1 && !done[0] && layer < 0) Fail(line, "layer B comes before layer A");
        layer = which;
        rows = 0;
    }

    void Row(int line, const std::string& s) {
        if (layer < 0) {
            Fail(line, "text before the layer header 'A' (comment lines start with '#')");
            return;
        }
        if (rows >= MAP_TEXT_ROWS) {
            Fail(line, std::string("layer ") + Name() + " has more than " + std::to_string(MAP_TEXT_ROWS) +
                           " rows (a new layer starts with a line holding only 'A' or 'B')");
            return;
        }
        const int row = rows++;
        const std::string where = std::string("row ") + std::to_string(row) + " of layer " + Name();
        if (static_cast<int>(s.size()) != MAP_TEXT_COLUMNS) {
            Fail(line, where + " has " + std::to_string(s.size()) + " characters; a row needs " +
                           std::to_string(MAP_TEXT_COLUMNS));
        }
        const char layerChar = Name()[0];
        uint8_t* out = layers + layer * MAP_TEXT_LAYER_BYTES + row * MAP_TEXT_COLUMNS;
        int bad = 0;
        std::string first;
        const int n = std::min<int>(static_cast<int>(s.size()), MAP_TEXT_COLUMNS);
        for (int c = 0; c < n; ++c) {
            const unsigned char ch = static_cast<unsigned char>(s[c]);
            if (ch == '.') continue;
            const TileLegendEntry* e = legend.FindSymbol(layerChar, static_cast<char>(ch));
            if (e && !e->gameOnly) {
                out[c] = static_cast<uint8_t>(e->value);
                continue;
            }
            if (bad++ == 0) {
                if (e) {
                    first = where + ", column " + std::to_string(c) + ": " + Shown(ch) + " is " + e->name +
                            ", a tile only the game itself writes; map data may not hold it";
                } else {
                    const TileLegendEntry* other = legend.FindSymbol(layerChar == 'A' ? 'B' : 'A', ch);
                    first = where + ", column " + std::to_string(c) + ": " + Shown(ch) +
                            " is no tile of layer " + Name() +
                            (other ? std::string(" (it is ") + other->name + " in the other layer)" : "") +
                            (ch == ' ' ? " (an empty cell is '.')" : "");
                }
            }
        }
        if (bad > 1)
            first += " (and " + std::to_string(bad - 1) +
                     (bad == 2 ? " more bad character" : " more bad characters") + " in this row)";
        if (bad > 0) Fail(line, first);
    }
};

}  // namespace

bool ParseMapText(const std::string& text, const TileLegend& legend, uint8_t* layers,
                  std::vector<MapTextError>* errors) {
    std::memset(layers, 0, 2 * MAP_TEXT_LAYER_BYTES);
    const size_t before = errors->size();
    Reader r{legend, layers, errors};
    int lineNo = 0;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        lineNo++;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        if (line == "A" || line == "B") {
            r.Header(lineNo, line == "A" ? 0 : 1);
            continue;
        }
        const bool blank = line.find_first_not_of(" \t") == std::string::npos;
        const bool insideGrid = r.layer >= 0 && r.rows > 0 && r.rows < MAP_TEXT_ROWS;
        if (blank && !insideGrid) continue;
        r.Row(lineNo, line);
    }
    r.EndLayer(lineNo);
    if (!r.done[0]) r.Fail(0, "layer A is missing (a line holding only 'A', then its 12 rows)");
    if (!r.done[1]) r.Fail(0, "layer B is missing (a line holding only 'B', then its 12 rows)");
    return errors->size() == before;
}

int MapNumberFromFileName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() != 11 || name.compare(0, 4, "map_") != 0 || name.compare(7, 4, ".txt") != 0) return -1;
    int n = 0;
    for (int i = 4; i < 7; ++i) {
        if (name[i] < '0' || name[i] > '9') return -1;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

bool ReadWholeFile(const std::string& path, std::string* text) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    text->clear();
    char buf[8192];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) text->append(buf, n);
    const bool ok = !ferror(f);
    fclose(f);
    return ok;
}

std::vector<std::string> ListMapFiles(const std::string& dir) {
    std::vector<std::pair<int, std::string>> found;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            const int n = MapNumberFromFileName(e->d_name);
            if (n >= 0) found.push_back({n, dir + "/" + e->d_name});
        }
        closedir(d);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto& f : found) paths.push_back(f.second);
    return paths;
}
