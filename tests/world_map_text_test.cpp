// The text form of the maps' tile layers.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "world/map_layers_text.h"

namespace {

TEST(MapText, ReadsBothLayersWithTheirCharacters) {
    std::vector<uint8_t> layers(2 * MAP_LAYER_BYTES, 0xEE);
    const char* text =
        "# comment\r\n"
        "A\r\n"
        "1.9az\r\n"
        "# a comment between rows is skipped\n"
        ".AZ\n"
        "B\n"
        "$\n"
        "\n"
        "p";
    ASSERT_TRUE(ParseMapText(text, layers.data()));
    EXPECT_EQ(layers[0], 1);
    EXPECT_EQ(layers[1], 0);
    EXPECT_EQ(layers[2], 9);
    EXPECT_EQ(layers[3], 10);
    EXPECT_EQ(layers[4], 35);
    EXPECT_EQ(layers[5], 0);  // short rows are padded with empty cells
    EXPECT_EQ(layers[250 + 1], 36);
    EXPECT_EQ(layers[250 + 2], 61);
    EXPECT_EQ(layers[2 * 250], 0);  // rows not given are empty
    const uint8_t* b = layers.data() + MAP_LAYER_BYTES;
    EXPECT_EQ(b[0], 0);     // an unknown character is empty
    EXPECT_EQ(b[250], 25);  // the blank line is no row; the row without a line feed counts
}

TEST(MapText, MissingLayerIsReported) {
    std::vector<uint8_t> layers(2 * MAP_LAYER_BYTES);
    EXPECT_FALSE(ParseMapText("A\n111\n", layers.data()));
    EXPECT_EQ(layers[0], 1);
    EXPECT_FALSE(ParseMapText("", layers.data()));
    EXPECT_EQ(layers[0], 0);
}

TEST(MapText, OverlongAndExtraRowsStayInsideTheLayers) {
    std::string text = "A\n";
    for (int row = 0; row < 20; ++row) text += std::string(400, '7') + "\n";
    text += "B\n";
    for (int row = 0; row < 20; ++row) text += std::string(300, 'b') + "\n";
    std::vector<uint8_t> layers(2 * MAP_LAYER_BYTES + 16, 0xEE);
    ASSERT_TRUE(ParseMapText(text.c_str(), layers.data()));
    EXPECT_EQ(layers[MAP_LAYER_BYTES - 1], 7);
    EXPECT_EQ(layers[MAP_LAYER_BYTES], 11);
    EXPECT_EQ(layers[2 * MAP_LAYER_BYTES - 1], 11);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(layers[2 * MAP_LAYER_BYTES + i], 0xEE);  // nothing written past
}

TEST(MapText, RandomBytesNeverWritePastTheLayers) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const int len = rng() % 5000;
        for (int i = 0; i < len; ++i) {
            const int pick = rng() % 10;
            text += pick == 0 ? '\n' : (pick == 1 ? (rng() % 2 ? 'A' : 'B') : char(1 + rng() % 255));
        }
        std::vector<uint8_t> layers(2 * MAP_LAYER_BYTES + 8, 0xEE);
        ParseMapText(text.c_str(), layers.data());
        for (int i = 0; i < 8; ++i) ASSERT_EQ(layers[2 * MAP_LAYER_BYTES + i], 0xEE) << round;
        for (int i = 0; i < 2 * MAP_LAYER_BYTES; ++i) ASSERT_LE(layers[i], 61) << round;
    }
}

}  // namespace
