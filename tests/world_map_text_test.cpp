// The text form of the maps' tile layers, read with the tile legend, and the layers the
// build compiles from it into the game.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tools/maps/map_text.h"
#include "world/map_layers_text.h"
#include "world/map_table.h"

namespace {

const TileLegend& Legend() {
    static TileLegend legend;
    static bool loaded = false;
    if (!loaded) {
        std::string error;
        EXPECT_TRUE(LoadTileLegend(MIRAVEL_SOURCE_DIR "/content/tiles.txt", &legend, &error)) << error;
        loaded = true;
    }
    return legend;
}

std::string Row(const std::string& start, char fill = '.') {
    std::string row = start;
    row.resize(MAP_TEXT_COLUMNS, fill);
    return row;
}

// A whole map text; rows of each layer not given are empty.
std::string MapText(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::string text = "# a test map\nA\n";
    for (int r = 0; r < MAP_TEXT_ROWS; ++r) text += (r < (int)a.size() ? a[r] : Row("")) + "\n";
    text += "B\n";
    for (int r = 0; r < MAP_TEXT_ROWS; ++r) text += (r < (int)b.size() ? b[r] : Row("")) + "\n";
    return text;
}

std::vector<MapTextError> Errors(const std::string& text, std::vector<uint8_t>* layers = nullptr) {
    std::vector<uint8_t> own(2 * MAP_TEXT_LAYER_BYTES);
    std::vector<MapTextError> errors;
    ParseMapText(text, Legend(), layers ? layers->data() : own.data(), &errors);
    return errors;
}

TEST(MapText, LegendCharactersBecomeTheirValuesInEachLayer) {
    // The same character means different tiles in the two layers: 'S' is a castle step in
    // A and a shoji screen in B; '(' a grass edge in A and a barricade part in B.
    std::vector<uint8_t> layers(2 * MAP_TEXT_LAYER_BYTES, 0xEE);
    const std::string text = MapText({Row("GE()S"), Row(""), Row("..y")}, {Row("$+S("), Row("", '.')});
    std::vector<MapTextError> errors;
    ASSERT_TRUE(ParseMapText(text, Legend(), layers.data(), &errors)) << errors[0].what;
    EXPECT_EQ(layers[0], 1);
    EXPECT_EQ(layers[1], 2);
    EXPECT_EQ(layers[2], 3);
    EXPECT_EQ(layers[3], 4);
    EXPECT_EQ(layers[4], 7);
    EXPECT_EQ(layers[5], 0);
    EXPECT_EQ(layers[2 * 250 + 2], 24);
    const uint8_t* b = layers.data() + MAP_TEXT_LAYER_BYTES;
    EXPECT_EQ(b[0], 9);
    EXPECT_EQ(b[1], 10);
    EXPECT_EQ(b[2], 37);
    EXPECT_EQ(b[3], 47);
    EXPECT_EQ(b[MAP_TEXT_LAYER_BYTES - 1], 0);
}

TEST(MapText, CarriageReturnsAndCommentsAnywhereAreAccepted) {
    std::string text = MapText({Row("G")}, {});
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf.insert(crlf.find("B\r\n"), "# between the layers\r\n\r\n");
    std::vector<uint8_t> layers(2 * MAP_TEXT_LAYER_BYTES);
    EXPECT_TRUE(Errors(crlf, &layers).empty());
    EXPECT_EQ(layers[0], 1);
}

struct BadCase {
    const char* name;
    std::string text;
    int line;          // where the fault is reported (0: the file as a whole)
    const char* says;  // part of the message
};

TEST(MapText, EachFaultIsNamedWithItsLine) {
    const std::string good = MapText({}, {});
    std::string shortRow = good, longRow = good, missingRow = good, extraRow = good;
    const size_t row0 = good.find("\nA\n") + 3;  // line 3: row 0 of layer A
    shortRow.replace(row0, 250, std::string(249, '.'));
    longRow.replace(row0, 250, std::string(251, '.'));
    missingRow.erase(row0, 251);  // A keeps 11 rows, B starts on line 14
    extraRow.insert(extraRow.find("B\n"), Row("") + "\n");
    const BadCase cases[] = {
        {"unknown in A", MapText({Row(""), Row("..Q")}, {}), 4, "column 2: 'Q' is no tile of layer A"},
        {"B tile in A", MapText({Row(".$")}, {}), 3,
         "'$' is no tile of layer A (it is save_point in the other layer)"},
        {"space", MapText({}, {Row("  ")}), 16, "a space is no tile of layer B (an empty cell is '.')"},
        {"game-only tile", MapText({Row("", '.').replace(10, 1, "*")}, {}), 3,
         "seal_barrier, a tile only the game"},
        {"high byte", MapText({}, {Row("\xE3\x81\x82")}), 16, "byte 0xE3 is no tile of layer B (and 2 more"},
        {"short row", shortRow, 3, "row 0 of layer A has 249 characters; a row needs 250"},
        {"long row", longRow, 3, "has 251 characters"},
        {"missing row", missingRow, 14, "layer A has 11 rows; it needs 12"},
        {"extra row", extraRow, 15, "layer A has more than 12 rows"},
        {"blank row inside", MapText({Row("G"), ""}, {}), 4, "row 1 of layer A has 0 characters"},
        {"no layer B", good.substr(0, good.find("B\n")), 0, "layer B is missing"},
        {"no layer A", "B\n" + good.substr(good.find("B\n") + 2), 0, "layer A is missing"},
        {"text before A", "hello\n" + good, 1, "text before the layer header 'A'"},
        {"layer twice", good + "A\n", 28, "layer A is given twice"},
        {"empty file", "", 0, "layer A is missing"},
    };
    for (const BadCase& c : cases) {
        const std::vector<MapTextError> errors = Errors(c.text);
        ASSERT_FALSE(errors.empty()) << c.name;
        bool found = false;
        for (const MapTextError& e : errors)
            found |= e.line == c.line && e.what.find(c.says) != std::string::npos;
        EXPECT_TRUE(found) << c.name << ": first error line " << errors[0].line << ": " << errors[0].what;
    }
}

TEST(MapText, RandomBytesNeverWritePastTheLayersNorCrash) {
    std::mt19937 rng(7);
    const std::string good = MapText({Row("GGGG")}, {Row("$")});
    for (int round = 0; round < 300; ++round) {
        std::string text;
        if (round % 2) {
            // A good map with a few bytes broken.
            text = good;
            for (int i = 0; i < 1 + static_cast<int>(rng() % 5); ++i)
                text[rng() % text.size()] = char(rng() % 256);
        } else {
            const int len = rng() % 7000;
            for (int i = 0; i < len; ++i) {
                const int pick = rng() % 10;
                text += pick == 0 ? '\n' : (pick == 1 ? (rng() % 2 ? 'A' : 'B') : char(rng() % 256));
            }
        }
        std::vector<uint8_t> layers(2 * MAP_TEXT_LAYER_BYTES + 8, 0xEE);
        std::vector<MapTextError> errors;
        const bool ok = ParseMapText(text, Legend(), layers.data(), &errors);
        EXPECT_EQ(ok, errors.empty());
        EXPECT_LE(errors.size(), static_cast<size_t>(MAP_TEXT_MAX_ERRORS));
        for (int i = 0; i < 8; ++i) ASSERT_EQ(layers[2 * MAP_TEXT_LAYER_BYTES + i], 0xEE) << round;
        for (int i = 0; i < MAP_TEXT_LAYER_BYTES; ++i) ASSERT_LE(layers[i], kTileMapMaxA) << round;
        for (int i = MAP_TEXT_LAYER_BYTES; i < 2 * MAP_TEXT_LAYER_BYTES; ++i)
            ASSERT_LE(layers[i], kTileMapMaxB) << round;
    }
}

TEST(MapText, FileNamesGiveTheMapNumber) {
    EXPECT_EQ(MapNumberFromFileName("content/maps/map_012.txt"), 12);
    EXPECT_EQ(MapNumberFromFileName("map_162.txt"), 162);
    EXPECT_EQ(MapNumberFromFileName("map_12.txt"), -1);
    EXPECT_EQ(MapNumberFromFileName("map_0a2.txt"), -1);
    EXPECT_EQ(MapNumberFromFileName("map_012.inc"), -1);
}

// The compiler the build runs: a broken file stops it with file:line, a good one is written.
TEST(MapText, TheCompilerNamesTheFileAndLineOfAFault) {
    const std::string dir = testing::TempDir();
    const std::string bad = dir + "/map_007.txt", good = dir + "/map_008.txt",
                      out = dir + "/compiled_maps.cpp";
    const std::string tool = MIRAVEL_BUILD_DIR "/tools/mkmaps",
                      tiles = MIRAVEL_SOURCE_DIR "/content/tiles.txt";
    std::string badText = MapText({Row("GG"), Row("GG")}, {});
    badText.replace(badText.find("\nA\n") + 3 + 251 + 5, 1, "%");  // line 4, column 5
    for (const auto& f :
         {std::make_pair(bad, badText), std::make_pair(good, MapText({Row("GRS")}, {Row("$")}))}) {
        FILE* file = fopen(f.first.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(f.second.data(), 1, f.second.size(), file);
        fclose(file);
    }
    remove(out.c_str());
    auto run = [&](const std::string& files, std::string* said) {
        FILE* p = popen((tool + " " + tiles + " " + out + " " + files + " 2>&1").c_str(), "r");
        char buf[512];
        said->clear();
        while (p && fgets(buf, sizeof buf, p)) *said += buf;
        return p ? pclose(p) : -1;
    };
    std::string said;
    EXPECT_NE(run(good + " " + bad, &said), 0);
    EXPECT_NE(said.find("map_007.txt:4: error: row 1 of layer A, column 5: '%' is no tile of layer A"),
              std::string::npos)
        << said;
    std::string written;
    EXPECT_FALSE(ReadWholeFile(out, &written));  // nothing is written while a file is broken

    EXPECT_EQ(run(good, &said), 0) << said;
    ASSERT_TRUE(ReadWholeFile(out, &written));
    EXPECT_NE(written.find("{8, kMap8}"), std::string::npos);
    EXPECT_NE(written.find("const uint8_t kMap8[6000] = {\n1,5,7,0,"), std::string::npos);
    EXPECT_NE(written.find("CompiledMapCount = 1;"), std::string::npos);
    for (const std::string& f : {bad, good, out}) remove(f.c_str());
}

// The game serves every map file the build compiled, byte for byte as the text reads.
TEST(MapText, TheGameCarriesEveryMapFileAsCompiled) {
    const std::vector<std::string> files = ListMapFiles(MIRAVEL_SOURCE_DIR "/content/maps");
    ASSERT_FALSE(files.empty());
    EXPECT_EQ(CompiledMapCount, static_cast<int32_t>(files.size()));
    for (const std::string& path : files) {
        const int number = MapNumberFromFileName(path);
        std::string text;
        ASSERT_TRUE(ReadWholeFile(path, &text)) << path;
        std::vector<uint8_t> layers(2 * MAP_TEXT_LAYER_BYTES);
        std::vector<MapTextError> errors;
        ASSERT_TRUE(ParseMapText(text, Legend(), layers.data(), &errors)) << path;
        const uint8_t* compiled = MapLayers(number);
        ASSERT_NE(compiled, nullptr) << path;
        EXPECT_EQ(0, memcmp(compiled, layers.data(), layers.size())) << path;
    }
    EXPECT_EQ(MapLayers(29), nullptr);  // no map has this number
    EXPECT_EQ(MapLayers(-1), nullptr);
}

}  // namespace
