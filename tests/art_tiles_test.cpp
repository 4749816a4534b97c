// The tile legend (content/tiles.txt) that the tile sheets, the map compiler and the map
// validator share: the real file must be well-formed and hold every tile the game itself
// relies on, and the parser must refuse the faults a map author could make in it.
#include <gtest/gtest.h>

#include <string>

#include "tools/art/world/tile_legend.h"

namespace {

TileLegend LoadRealLegend() {
    TileLegend legend;
    std::string error;
    EXPECT_TRUE(LoadTileLegend(MIRAVEL_SOURCE_DIR "/content/tiles.txt", &legend, &error)) << error;
    return legend;
}

TEST(ArtTilesTest, RealLegendIsWellFormed) {
    TileLegend legend = LoadRealLegend();
    int countA = 0, countB = 0;
    for (const TileLegendEntry& e : legend.entries) {
        (e.layer == 'A' ? countA : countB)++;
        int mapMax = e.layer == 'A' ? kTileMapMaxA : kTileMapMaxB;
        if (e.gameOnly)
            EXPECT_LE(e.value, kTileSheetMax) << e.name;
        else
            EXPECT_LE(e.value, mapMax) << e.name;
        EXPECT_GE(e.value, 1) << e.name;
        EXPECT_NE(e.symbol, '.') << e.name;
    }
    // Every value the map data may use has a meaning.
    EXPECT_EQ(countA, kTileMapMaxA + 1);  // 1-26 and the seal the game writes
    EXPECT_EQ(countB, kTileMapMaxB);
    for (int v = 1; v <= kTileMapMaxA; v++) EXPECT_NE(legend.Find('A', v), nullptr) << "A " << v;
    for (int v = 1; v <= kTileMapMaxB; v++) EXPECT_NE(legend.Find('B', v), nullptr) << "B " << v;
}

TEST(ArtTilesTest, RealLegendHoldsTheTilesTheGameWrites) {
    TileLegend legend = LoadRealLegend();
    struct Need {
        char layer;
        int value;
        const char* why;
    } needs[] = {
        {'B', 9, "save point"},
        {'A', 7, "map 28's stair and the boss hall floor"},
        {'A', 27, "map 141's seal"},
        {'B', 11, "map 15's edit"},
        {'B', 20, "map 34's switch"},
        {'A', 10, "boss hall wall"},
        {'A', 11, "boss hall wall cap"},
        {'A', 12, "boss hall wall cap"},
        {'A', 13, "boss hall wall cap"},
        {'A', 14, "boss hall right wall face"},
        {'A', 15, "boss hall left wall face"},
    };
    for (const Need& n : needs) EXPECT_NE(legend.Find(n.layer, n.value), nullptr) << n.why;
    // The seal lies outside the map range, so only the game may write it.
    const TileLegendEntry* seal = legend.Find('A', 27);
    ASSERT_NE(seal, nullptr);
    EXPECT_TRUE(seal->gameOnly);
    EXPECT_EQ(legend.Find('B', 9)->name, "save_point");
}

TEST(ArtTilesTest, LookupsBySymbolAndNameAgree) {
    TileLegend legend = LoadRealLegend();
    for (const TileLegendEntry& e : legend.entries) {
        EXPECT_EQ(legend.FindSymbol(e.layer, e.symbol), &e) << e.name;
        EXPECT_EQ(legend.FindName(e.layer, e.name), &e) << e.name;
    }
    EXPECT_EQ(legend.FindSymbol('A', '.'), nullptr);
}

TEST(ArtTilesTest, ParserRefusesBrokenLegends) {
    const std::string save = "B 9 $ map save_point the save point\n";
    struct Case {
        const char* what;
        std::string text;
        const char* errorMentions;
    } cases[] = {
        {"duplicate value", save + "A 1 G map grass grass\nA 1 E map earth earth\n", "already grass"},
        {"duplicate character", save + "A 1 G map grass grass\nA 2 G map earth earth\n", "character 'G'"},
        {"duplicate name", save + "A 1 G map grass grass\nA 2 E map grass earth\n", "name grass"},
        {"map value past the map range", save + "A 27 S map seal seal\n", "1-26"},
        {"decoration past the map range", save + "B 51 q map thing thing\n", "1-50"},
        {"game value past the sheet", save + "A 64 S game seal seal\n", "1-63"},
        {"value zero", save + "B 0 q map nothing nothing\n", "1-50"},
        {"empty character", save + "A 1 . map grass grass\n", "reserved"},
        {"two characters", save + "A 1 GG map grass grass\n", "single character"},
        {"unknown layer", save + "C 1 G map grass grass\n", "layer"},
        {"unknown source", save + "A 1 G maybe grass grass\n", "source"},
        {"no description", save + "A 1 G map grass\n", "no description"},
        {"not a number", save + "A one G map grass grass\n", "not a number"},
        {"no save point", "A 1 G map grass grass\n", "save point"},
        {"save point only written by the game", "B 9 $ game save_point the save point\n", "save point"},
    };
    for (const Case& c : cases) {
        TileLegend legend;
        std::string error;
        EXPECT_FALSE(ParseTileLegend(c.text, &legend, &error)) << c.what;
        EXPECT_NE(error.find(c.errorMentions), std::string::npos) << c.what << ": " << error;
    }
}

TEST(ArtTilesTest, ParserReadsCommentsSpacingAndLineNumbers) {
    std::string text =
        "# legend\n"
        "\n"
        "   # indented comment\n"
        "A  3 (  map grass_left   Grass top ending at its left side  \r\n"
        "B\t9\t$\tmap\tsave_point\tSave point\n"
        "B 10 ( map glow   glow above\n";
    TileLegend legend;
    std::string error;
    ASSERT_TRUE(ParseTileLegend(text, &legend, &error)) << error;
    ASSERT_EQ(legend.entries.size(), 3u);
    const TileLegendEntry& a = legend.entries[0];
    EXPECT_EQ(a.layer, 'A');
    EXPECT_EQ(a.value, 3);
    EXPECT_EQ(a.symbol, '(');
    EXPECT_FALSE(a.gameOnly);
    EXPECT_EQ(a.name, "grass_left");
    EXPECT_EQ(a.use, "Grass top ending at its left side");
    EXPECT_EQ(a.line, 4);
    // The layers have their own characters: '(' may stand for a tile in each.
    EXPECT_EQ(legend.FindSymbol('B', '(')->value, 10);

    TileLegend bad;
    EXPECT_FALSE(ParseTileLegend(text + "B 10 ) map glow2 again\n", &bad, &error));
    EXPECT_NE(error.find("line 7"), std::string::npos) << error;
}

}  // namespace
