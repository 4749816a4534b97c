// The tile legend (content/tiles.txt): which tile value of each map layer is what, and the
// character that stands for it in the maps' text form. Read by the tile-sheet generator,
// the map compiler and the map validator; header-only so each tool can include it.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

struct TileLegendEntry {
    char layer;        // 'A' collision, 'B' decoration
    int value;         // cell byte
    char symbol;       // character in the map text
    bool gameOnly;     // written only by the game, never by map data
    std::string name;  // unique key
    std::string use;   // description
    int line;          // line in the legend file
};

struct TileLegend {
    std::vector<TileLegendEntry> entries;

    const TileLegendEntry* Find(char layer, int value) const {
        for (const TileLegendEntry& e : entries)
            if (e.layer == layer && e.value == value) return &e;
        return nullptr;
    }
    const TileLegendEntry* FindSymbol(char layer, char symbol) const {
        for (const TileLegendEntry& e : entries)
            if (e.layer == layer && e.symbol == symbol) return &e;
        return nullptr;
    }
    const TileLegendEntry* FindName(char layer, const std::string& name) const {
        for (const TileLegendEntry& e : entries)
            if (e.layer == layer && e.name == name) return &e;
        return nullptr;
    }
};

// Values the map data may hold, and the last value a tile sheet can draw.
const int kTileMapMaxA = 26;
const int kTileMapMaxB = 50;
const int kTileSheetMax = 63;
const int kTileSavePoint = 9;  // layer B

namespace tile_legend_detail {
inline bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}
// Splits off the next space-separated field of `s` from `pos`; empty at the end.
inline std::string NextField(const std::string& s, size_t& pos) {
    while (pos < s.size() && IsSpace(s[pos])) pos++;
    size_t start = pos;
    while (pos < s.size() && !IsSpace(s[pos])) pos++;
    return s.substr(start, pos - start);
}
inline bool ParseInt(const std::string& s, int* out) {
    if (s.empty() || s.size() > 4) return false;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    *out = v;
    return true;
}
inline bool NameOk(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}
}  // namespace tile_legend_detail

// Parses the legend text. On failure returns false with `error` naming the line and the fault.
inline bool ParseTileLegend(const std::string& text, TileLegend* out, std::string* error) {
    using namespace tile_legend_detail;
    out->entries.clear();
    int lineNo = 0;
    size_t at = 0;
    auto fail = [&](const std::string& why) {
        *error = "tiles.txt line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        lineNo++;
        size_t pos = 0;
        std::string layer = NextField(line, pos);
        if (layer.empty() || layer[0] == '#') continue;
        std::string value = NextField(line, pos);
        std::string symbol = NextField(line, pos);
        std::string source = NextField(line, pos);
        std::string name = NextField(line, pos);
        while (pos < line.size() && IsSpace(line[pos])) pos++;
        std::string use = line.substr(pos);
        while (!use.empty() && IsSpace(use.back())) use.pop_back();

        TileLegendEntry e;
        if (layer != "A" && layer != "B") return fail("layer must be A or B, not '" + layer + "'");
        e.layer = layer[0];
        if (!ParseInt(value, &e.value)) return fail("value '" + value + "' is not a number");
        if (symbol.size() != 1) return fail("the character must be a single character, not '" + symbol + "'");
        e.symbol = symbol[0];
        if (e.symbol == '.' || e.symbol == '#' || (unsigned char)e.symbol < 33 ||
            (unsigned char)e.symbol > 126)
            return fail(std::string("character '") + e.symbol + "' is reserved or not printable ASCII");
        if (source != "map" && source != "game")
            return fail("source must be map or game, not '" + source + "'");
        e.gameOnly = source == "game";
        if (!NameOk(name)) return fail("name '" + name + "' must be letters, digits and _");
        if (use.empty()) return fail("entry " + name + " has no description");
        e.name = name;
        e.use = use;
        e.line = lineNo;

        int mapMax = e.layer == 'A' ? kTileMapMaxA : kTileMapMaxB;
        int maxValue = e.gameOnly ? kTileSheetMax : mapMax;
        if (e.value < 1 || e.value > maxValue)
            return fail("value " + value + " of layer " + layer + " must be 1-" + std::to_string(maxValue) +
                        (e.gameOnly ? "" : " for a map tile"));
        if (const TileLegendEntry* d = out->Find(e.layer, e.value))
            return fail("value " + value + " of layer " + layer + " is already " + d->name + " (line " +
                        std::to_string(d->line) + ")");
        if (const TileLegendEntry* d = out->FindSymbol(e.layer, e.symbol))
            return fail(std::string("character '") + e.symbol + "' of layer " + layer + " is already " +
                        d->name + " (line " + std::to_string(d->line) + ")");
        if (const TileLegendEntry* d = out->FindName(e.layer, e.name))
            return fail("name " + name + " of layer " + layer + " is already used on line " +
                        std::to_string(d->line));
        out->entries.push_back(e);
    }
    const TileLegendEntry* save = out->Find('B', kTileSavePoint);
    if (!save || save->gameOnly) {
        *error = "tiles.txt: decoration value 9 (the save point) is missing";
        return false;
    }
    return true;
}

inline bool LoadTileLegend(const char* path, TileLegend* out, std::string* error) {
    FILE* f = fopen(path, "rb");
    if (!f) {
        *error = std::string("cannot open ") + path;
        return false;
    }
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    fclose(f);
    return ParseTileLegend(text, out, error);
}
