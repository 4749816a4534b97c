// The walking scroll of the camera and the drawing of the tile layers.
#include <vector>

#include "player/hero.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world_test_device.h"

namespace {

class Scroll : public HeadlessDevice {
protected:
    void SetUp() override {
        OpenDevice(true);
        ResetGrids();
        ResetScenery();
        ResetHero();
        Hero.y = 288;
        EventActive = 0;
        ScrollX = -64;
    }
    void TearDown() override {
        ResetGrids();
        HeadlessDevice::TearDown();
    }
    // A solid column at world column c (rows 0-10).
    void Wall(int c) {
        for (int row = 0; row < 11; ++row) CollisionGrid[row][c] = 10;
    }
};

TEST_F(Scroll, ArrowsMoveTheWorldEightPixelsAFrame) {
    HoldKey(VK_LEFT);
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -56);  // walking left moves the world right
    ReleaseKeys();
    HoldKey(VK_RIGHT);
    ScrollAndDrawTiles();
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -72);
    ReleaseKeys();
    PadFlags = PAD_LEFT;
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -64);
}

TEST_F(Scroll, BothArrowsOrNeitherDoNotScroll) {
    HoldKey(VK_LEFT);
    HoldKey(VK_RIGHT);
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -64);
    ReleaseKeys();
    HoldKey(VK_LEFT);
    PadFlags = PAD_RIGHT;
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -64);
    ReleaseKeys();
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -64);
}

TEST_F(Scroll, AStepIntoAWallIsNotTakenAtAll) {
    // Her rectangle spans screen x 329-334; at ScrollX -64.5 that is world 393.5-399.5
    // (column 12). A wall at column 13 (world 416) is 16.5 pixels away.
    ScrollX = -64.5f;
    Wall(13);
    HoldKey(VK_RIGHT);
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -72.5f);  // world 401.5-407.5: clear
    ScrollAndDrawTiles();        // would reach world 415.5: clear still (column 12)
    EXPECT_EQ(ScrollX, -80.5f);
    ScrollAndDrawTiles();  // would reach 423.5, inside the wall: undone to the old value, truncated
    EXPECT_EQ(ScrollX, -80);
}

TEST_F(Scroll, SheCannotWalkWhileAlreadyInAWall) {
    Wall(12);  // under her own rectangle
    HoldKey(VK_LEFT);
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -64);
    ReleaseKeys();
    HoldKey(VK_RIGHT);
    ScrollAndDrawTiles();
    EXPECT_EQ(ScrollX, -64);
}

TEST_F(Scroll, OnlyWhileSheIsInControlAndTheWorldRuns) {
    HoldKey(VK_RIGHT);
    struct Case {
        int32_t state, life;
        uint8_t eventActive;
    };
    for (Case c : {Case{1, 0, 0}, Case{2, 0, 0}, Case{0, 1, 0}, Case{0, 2, 0}, Case{0, 0, 1}}) {
        Hero.state = c.state;
        Hero.life = c.life;
        EventActive = c.eventActive;
        ScrollAndDrawTiles();
        EXPECT_EQ(ScrollX, -64) << c.state << " " << c.life << " " << int(c.eventActive);
    }
    EventActive = 0;
    Hero.state = 0;
    Hero.life = 0;
}

TEST_F(Scroll, FirstDrawnColumnIsOneBeforeTheFirstVisible) {
    struct Case {
        float scroll;
        int want;
    };
    for (Case c : {Case{0, 0}, Case{-31.9f, 0}, Case{-32, 0}, Case{-63, 0}, Case{-64, 1}, Case{-65, 1},
                   Case{-7308, 227}, Case{40, 0}, Case{-8032, 250}}) {
        ScrollX = c.scroll;
        EXPECT_EQ(FirstTileColumn(), c.want) << c.scroll;
    }
}

class TileDrawing : public HeadlessDevice {
protected:
    void SetUp() override {
        OpenDevice(false);
        ResetGrids();
        ResetScenery();
        ResetHero();
        Hero.state = 1;  // no walking in these tests
        pixels.resize(640 * 480 * 4);
    }
    void TearDown() override {
        Hero.state = 0;
        ResetGrids();
        HeadlessDevice::TearDown();
    }
    void DrawOnBlack() {
        video_Clear(0xFF000000u);
        video_BeginScene();
        ScrollAndDrawTiles();
        video_EndScene();
        ASSERT_TRUE(video_ReadPixels(pixels.data(), pixels.size()));
    }
    bool Lit(int x, int y) const { return pixels[(y * 640 + x) * 4] > 128; }
    std::vector<uint8_t> pixels;
};

TEST_F(TileDrawing, CellsAppearAtTheirScreenPlaceWithTheCamera) {
    // The tile sheets are empty here, so every drawn cell is plain white.
    CollisionGrid[11][3] = 7;
    DecorGrid[2][5] = 9;
    ScrollX = -64;
    DrawOnBlack();
    EXPECT_TRUE(Lit(32, 352));  // column 3 at 32 * 3 - 64
    EXPECT_TRUE(Lit(63, 383));
    EXPECT_FALSE(Lit(64, 352));
    EXPECT_FALSE(Lit(31, 352));
    EXPECT_TRUE(Lit(96, 64));  // decoration column 5, row 2
    EXPECT_FALSE(Lit(200, 200));
}

TEST_F(TileDrawing, ValuesOutsideTheSheetAreNotDrawn) {
    CollisionGrid[0][0] = 64;
    DecorGrid[0][1] = 200;
    CollisionGrid[0][2] = 63;
    ScrollX = 0;
    DrawOnBlack();
    EXPECT_FALSE(Lit(10, 10));
    EXPECT_FALSE(Lit(40, 10));
    EXPECT_TRUE(Lit(70, 10));
}

TEST_F(TileDrawing, TheRightEndOfTheMapDrawsItsLastColumns) {
    for (int row = 0; row < MAP_ROWS; ++row) CollisionGrid[row][249] = 1;
    ScrollX = -7360;  // column 249 at screen x 608
    DrawOnBlack();
    EXPECT_TRUE(Lit(610, 0));
    EXPECT_TRUE(Lit(639, 383));
    EXPECT_FALSE(Lit(600, 100));
    ScrollX = -9000;  // past the map: nothing at all
    DrawOnBlack();
    EXPECT_FALSE(Lit(610, 0));
}

}  // namespace
