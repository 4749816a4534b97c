// The map validator on small broken maps: each fault is found and said in words.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/maps/map_check.h"
#include "world/map_layers_text.h"

namespace {

constexpr float kFar = 1.0e30f;
constexpr int kMap = 200, kNext = 201;  // the map under test and its neighbour

// Layer A of a walled corridor: the floor row 11, a cliff over columns 0-9 and 240-249.
struct Layout {
    std::vector<std::string> rows = std::vector<std::string>(12, std::string(250, '.'));
    Layout() {
        Fill(11, 0, 249, 'G');
        for (int r = 0; r < 11; ++r) {
            Fill(r, 0, 9, 'r');
            Fill(r, 240, 249, 'r');
        }
    }
    Layout& Fill(int row, int c0, int c1, char ch) {
        for (int c = c0; c <= c1; ++c) rows[row][c] = ch;
        return *this;
    }
    std::vector<uint8_t> Layers() const {
        TileLegend legend;
        std::string error;
        EXPECT_TRUE(LoadTileLegend(MIRAVEL_SOURCE_DIR "/content/tiles.txt", &legend, &error)) << error;
        std::string text = "A\n";
        for (const std::string& r : rows) text += r + "\n";
        text += "B\n";
        for (int r = 0; r < 12; ++r) text += std::string(250, '.') + "\n";
        std::vector<uint8_t> layers(2 * MAP_LAYER_BYTES);
        std::vector<MapTextError> errors;
        EXPECT_TRUE(ParseMapText(text, legend, layers.data(), &errors));
        return layers;
    }
};

MapExit Edge(bool left, int dest, float y, float scroll, uint8_t door = 0, float lo = 0, float hi = 0,
             uint8_t heightTest = HEIGHT_ANY, float height = 0) {
    MapExit e{};
    e.scrollMin = door ? lo : (left ? -32 : -kFar);
    e.scrollMax = door ? hi : (left ? kFar : -7308);
    e.door = door;
    e.heightTest = heightTest;
    e.height = height;
    e.kind = door ? EXIT_DOOR : (left ? EXIT_LEFT : EXIT_RIGHT);
    e.dest = dest;
    e.arriveY = y;
    e.arriveScroll = scroll;
    return e;
}

// The map under test has a left and a right exit to its neighbour, whose two exits arrive
// at its ends (or where the case says).
struct World {
    std::vector<MapExit> exits{Edge(true, kNext, 288, -7276), Edge(false, kNext, 288, -64)};
    std::vector<MapExit> arrivals{Edge(false, kMap, 288, -64), Edge(true, kMap, 288, -7276)};
    MapInfo map{}, next{};
    int number = kMap;

    std::vector<MapCheckMessage> Check(const Layout& layout) {
        map.number = static_cast<int16_t>(number);
        map.exitCount = static_cast<int32_t>(exits.size());
        for (size_t i = 0; i < exits.size(); ++i) map.exits[i] = exits[i];
        next.number = kNext;
        next.exitCount = static_cast<int32_t>(arrivals.size());
        for (size_t i = 0; i < arrivals.size(); ++i) next.exits[i] = arrivals[i];
        MapCheckWorld world;
        world.maps = {&map, &next};
        world.layers[number] = layout.Layers();
        std::vector<MapCheckMessage> out;
        CheckMaps(world, {number}, MapCheckOptions{}, &out);
        return out;
    }
};

std::string All(const std::vector<MapCheckMessage>& messages) {
    std::string s;
    for (const MapCheckMessage& m : messages) s += (m.error ? "error: " : "warning: ") + m.text + "\n";
    return s;
}
bool HasError(const std::vector<MapCheckMessage>& messages, const std::string& part) {
    for (const MapCheckMessage& m : messages)
        if (m.error && m.text.find(part) != std::string::npos) return true;
    return false;
}

TEST(MapCheck, AWalledCorridorWithAJumpAndALedgePasses) {
    World w;
    Layout layout;
    layout.Fill(11, 100, 105, '.');  // a pit of six columns: a running jump clears it
    for (int r = 9; r <= 10; ++r) layout.Fill(r, 150, 249, 'r');  // a ledge two rows up
    w.arrivals[1].arriveY = 224;                                  // the way back starts on it
    const std::vector<MapCheckMessage> out = w.Check(layout);
    EXPECT_TRUE(out.empty()) << All(out);
}

struct Broken {
    const char* name;
    void (*make)(World*, Layout*);
    const char* says;
};

const Broken kBroken[] = {
    {"arrival in a wall", [](World*, Layout* l) { l->Fill(9, 12, 12, 'O').Fill(10, 12, 12, 'O'); },
     "map 200: arrival from map 201 (y 288, ScrollX -64) stands inside a wall at column 12, row 9"},
    {"arrival over a pit", [](World*, Layout* l) { l->Fill(11, 11, 14, '.'); },
     "arrival from map 201 (y 288, ScrollX -64) falls into a pit: there is no ground under column 12"},
    {"unjumpable gap", [](World*, Layout* l) { l->Fill(11, 100, 107, '.'); },
     "the right end to map 201 (ScrollX <= -7308) cannot be reached from the arrival from map 201 (y 288, "
     "ScrollX -64): going right she gets no further than ScrollX -2864 (column 99)"},
    {"three-row ledge",
     [](World* w, Layout* l) {
         for (int r = 8; r <= 10; ++r) l->Fill(r, 150, 249, 'r');
         w->arrivals[1].arriveY = 192;
     },
     "the right end to map 201 (ScrollX <= -7308) cannot be reached from the arrival from map 201 (y 288, "
     "ScrollX -64): going right she gets no further than ScrollX -4464 (column 149)"},
    {"door without its floor",
     [](World* w, Layout*) {
         w->exits.push_back(Edge(false, kNext, 288, -64, 1, -1396, -1372, HEIGHT_EQUAL, 224));
     },
     "the door to map 201 (ScrollX -1396..-1372 at y 224): she can stand at y 224 (a floor top in row 9 with "
     "two "
     "free rows above it) nowhere under it, columns 53-54"},
    {"open right end",
     [](World* w, Layout* l) {
         for (int r = 0; r < 11; ++r) l->Fill(r, 240, 249, '.');
         w->exits.pop_back();
         w->arrivals.erase(w->arrivals.begin() + 1);
     },
     "she can walk off the right end (past column 249) where no exit waits: wall that end"},
    {"boss over a pit",
     [](World* w, Layout* l) {
         w->map.bossCount = 1;
         l->Fill(11, 63, 66, '.');
     },
     "map 200: a boss starts at world x 2048 (column 64) and falls into a pit: there is no ground under "
     "column 64"},
    {"arrival inside an exit", [](World* w, Layout*) { w->arrivals[0].arriveScroll = -16; },
     "arrival from map 201 (y 288, ScrollX -16) lands inside the left end to map 201 (ScrollX >= -32), which "
     "sends her straight on"},
};

TEST(MapCheck, EachBrokenMapIsReportedInWords) {
    for (const Broken& b : kBroken) {
        World w;
        Layout layout;
        b.make(&w, &layout);
        const std::vector<MapCheckMessage> out = w.Check(layout);
        EXPECT_TRUE(HasError(out, b.says)) << b.name << ":\n" << All(out);
        EXPECT_GT(CountErrors(out), 0) << b.name;
    }
}

// A new game stands her on map 0 at ScrollX 0 (world x 300, her rectangle in column 10).
TEST(MapCheck, ANewGameDoesNotStartInsideAWall) {
    World w;
    w.number = 0;
    w.exits[0].cond[0] = StoryCond{COND_FLAG_SET, 1};  // map 0's way west opens later in the story
    for (MapExit& a : w.arrivals) a.dest = 0;
    Layout layout;
    EXPECT_EQ(CountErrors(w.Check(layout)), 0) << All(w.Check(layout));
    layout.Fill(9, 10, 10, 'r').Fill(10, 10, 10, 'r');
    const std::vector<MapCheckMessage> out = w.Check(layout);
    EXPECT_TRUE(
        HasError(out, "map 0: start of a new game (y 288, ScrollX 0) stands inside a wall at column 10"))
        << All(out);
}

TEST(MapCheck, ADoorAtItsHeightAndAMissingFile) {
    World w;
    Layout layout;
    // A platform of row 9 under the door's range (world x 1701-1766, columns 53-55).
    layout.Fill(9, 52, 56, '_');
    w.exits.push_back(Edge(false, kNext, 288, -64, 1, -1396, -1372, HEIGHT_EQUAL, 224));
    std::vector<MapCheckMessage> out = w.Check(layout);
    EXPECT_EQ(CountErrors(out), 0) << All(out);

    // The neighbour has no file: a warning while maps are written, an error once all exist.
    MapCheckWorld world;
    world.maps = {&w.map, &w.next};
    world.layers[kMap] = layout.Layers();
    out.clear();
    CheckMaps(world, {kNext}, MapCheckOptions{}, &out);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_FALSE(out[0].error);
    EXPECT_NE(out[0].text.find("map 201: has no file content/maps/map_201.txt"), std::string::npos);
    out.clear();
    MapCheckOptions strict;
    strict.missingFileIsError = true;
    CheckMaps(world, {kNext}, strict, &out);
    EXPECT_EQ(CountErrors(out), 1);
}

// Through a "y kept" exit she brings the heights she can stand at where it fires.
TEST(MapCheck, AKeptHeightIsTheOneSheHadInTheOtherMap) {
    World w;
    Layout here, there;
    here.Fill(7, 12, 12, 'X').Fill(8, 12, 12, 'X');              // a crate stack over the floor at column 12
    for (int r = 9; r <= 10; ++r) there.Fill(r, 150, 249, 'r');  // the neighbour ends on a ledge
    w.exits[0].arriveY = 224;                                    // into the neighbour, onto its ledge
    w.arrivals[0].keepY = 1;                                     // its right end keeps her height
    w.arrivals.erase(w.arrivals.begin() + 1);
    w.arrivals.push_back(Edge(true, kMap, 224, -7276));  // its left end, unused here
    std::vector<MapCheckMessage> out = w.Check(here);
    // Without the neighbour's file her height is taken as the floor's: no fault.
    EXPECT_FALSE(HasError(out, "stands inside a wall")) << All(out);

    MapCheckWorld world;
    world.maps = {&w.map, &w.next};
    world.layers[kMap] = here.Layers();
    world.layers[kNext] = there.Layers();
    out.clear();
    CheckMaps(world, {kMap}, MapCheckOptions{}, &out);
    EXPECT_TRUE(HasError(out,
                         "map 200: arrival from map 201 (y 224 kept, ScrollX -64) stands inside a wall at "
                         "column 12, row 7"))
        << All(out);
}

TEST(MapCheck, TownsfolkCardsAndShopDoorsNeedGroundAndAWayThere) {
    World w;
    Layout layout;
    layout.Fill(4, 60, 61, '_');  // a plank far above the floor: a card on it cannot be had
    MapCheckWorld world;
    const std::vector<MapTarget> targets = {
        {kMap, TARGET_FIGURE, 1000, 0, 288, 0, 0, "townsperson 10"},    // on the floor: fine
        {kMap, TARGET_CARD, 1920, 0, 64, 0, 1, "card 3"},               // on the high plank
        {kMap, TARGET_FIGURE, 3000, 0, 256, 0, 0, "townsperson 11"},    // floats over the floor
        {kMap, TARGET_DOOR, -2352, -2328, 256, 0, 1, "the shop door"},  // no floor at 256
        {kMap, TARGET_DOOR, -688, -664, 288, 0, 1, "the inn door"},     // fine
    };
    w.map.number = kMap;
    w.map.exitCount = 2;
    w.map.exits[0] = w.exits[0];
    w.map.exits[1] = w.exits[1];
    w.next.number = kNext;
    w.next.exitCount = 2;
    w.next.exits[0] = w.arrivals[0];
    w.next.exits[1] = w.arrivals[1];
    world.maps = {&w.map, &w.next};
    world.layers[kMap] = layout.Layers();
    world.targets[kMap] = targets;
    std::vector<MapCheckMessage> out;
    CheckMaps(world, {kMap}, MapCheckOptions{}, &out);
    EXPECT_TRUE(HasError(out, "card 3 at (1920, 64) cannot be touched: she can reach it from no arrival"))
        << All(out);
    EXPECT_TRUE(
        HasError(out,
                 "the shop door (ScrollX -2352..-2328 at y 256): she can stand at that height nowhere "
                 "under it, columns 83-83 (a floor top in row 10 with two free rows above it)"))
        << All(out);
    EXPECT_EQ(CountErrors(out), 3) << All(out);  // the two above and the shop door out of reach
    bool floats = false;
    for (const MapCheckMessage& m : out)
        floats |=
            !m.error && m.text.find("townsperson 11 at (3000, 256) stands on nothing") != std::string::npos;
    EXPECT_TRUE(floats) << All(out);
    EXPECT_EQ(out.size(), 4u) << All(out);
}

TEST(MapCheck, ABadCharacterInAFileIsReportedWithItsLine) {
    const std::string path = testing::TempDir() + "/map_200.txt";
    std::string text = "# broken\nA\n";
    for (int r = 0; r < 12; ++r) text += std::string(250, r == 11 ? 'G' : '.') + "\n";
    text += "B\n";
    for (int r = 0; r < 12; ++r) text += std::string(250, r == 10 ? 'Z' : '.') + "\n";
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
    TileLegend legend;
    std::string error;
    ASSERT_TRUE(LoadTileLegend(MIRAVEL_SOURCE_DIR "/content/tiles.txt", &legend, &error)) << error;
    MapCheckWorld world;
    std::vector<MapCheckMessage> out;
    EXPECT_FALSE(LoadMapFile(path, legend, &world, &out));
    remove(path.c_str());
    ASSERT_FALSE(out.empty());
    EXPECT_TRUE(HasError(out, "map_200.txt:26: row 10 of layer B, column 0: 'Z' is no tile of layer B"))
        << All(out);
    EXPECT_EQ(world.layers.count(200), 0u);
}

}  // namespace
