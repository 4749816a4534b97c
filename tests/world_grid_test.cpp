// Tile grids, the collision and overlap tests, and the gravity step.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "world/grid.h"
#include "world/map_state.h"

namespace {

class Grid : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGrids();
        ScrollX = 0;
    }
    void TearDown() override { ResetGrids(); }
};

HitRect Rect(float l, float t, float r, float b) {
    return HitRect{l, t, r, b};
}

SpriteQuad Quad(float x, float y, float w, float h) {
    SpriteQuad q;
    InitQuad(&q, w, h, 255);
    PlaceQuad(&q, x, y);
    return q;
}

TEST_F(Grid, NewGameRowsBelowTheScreenAreEmptyThenASolidFloor) {
    for (int row = 0; row < 19; ++row) EXPECT_EQ(CollisionGrid[row][100], 0) << row;
    for (int c = 0; c < GRID_COLUMNS; ++c) ASSERT_EQ(CollisionGrid[19][c], 1) << c;
    for (int row = 0; row < GRID_ROWS; ++row) EXPECT_EQ(DecorGrid[row][7], 0);
    HitRect deep = Rect(100, 600, 120, 620);  // reaches row 19 (y 608-639)
    EXPECT_TRUE(TouchesSolid(&deep));
    HitRect below = Rect(100, 400, 120, 600);  // rows 12-18 only
    EXPECT_FALSE(TouchesSolid(&below));
}

TEST_F(Grid, MapCopyRewritesOnlyTheMapRows) {
    static uint8_t a[12 * 250], b[12 * 250];
    for (int i = 0; i < 12 * 250; ++i) {
        a[i] = static_cast<uint8_t>(i % 27);
        b[i] = static_cast<uint8_t>(255 - i % 7);
    }
    CollisionGrid[15][3] = 5;  // something left below the map rows
    CopyMapLayers(a, b);
    EXPECT_EQ(CollisionGrid[0][0], 0);
    EXPECT_EQ(CollisionGrid[11][249], (11 * 250 + 249) % 27);
    EXPECT_EQ(CollisionGrid[3][10], (3 * 250 + 10) % 27);
    EXPECT_EQ(DecorGrid[3][10], 255 - (3 * 250 + 10) % 7);  // bytes widen without sign
    EXPECT_EQ(CollisionGrid[15][3], 5);
    EXPECT_EQ(CollisionGrid[19][0], 1);
}

TEST_F(Grid, CellLookupTruncatesTowardZeroAndFollowsTheCamera) {
    CollisionGrid[0][0] = 3;
    CollisionGrid[1][2] = 4;
    struct Case {
        float x, y, scroll;
        int32_t want;
    };
    const Case cases[] = {
        {-31, -31, 0, 3},  // the points -31 to 31 all fall in column and row 0
        {31, 31, 0, 3},      {-31.9f, 0, 0, 3}, {-32, 0, 0, 0},  // column -1 reads empty
        {0, -32, 0, 0},      {64, 32, 0, 4},    {63.9f, 32, 0, 0},
        {0, 32, -64, 4},      // screen x 0 is world x 64 at ScrollX -64
        {32, 32, -32.5f, 4},  // world x 64.5
    };
    for (const Case& c : cases) {
        ScrollX = c.scroll;
        EXPECT_EQ(CollisionCellAt(c.x, c.y), c.want) << c.x << "," << c.y << " scroll " << c.scroll;
    }
}

TEST_F(Grid, LookupsOutsideTheGridsReadEmpty) {
    for (int row = 0; row < GRID_ROWS; ++row) {
        for (int c = 0; c < GRID_COLUMNS; ++c) {
            CollisionGrid[row][c] = 1;
            DecorGrid[row][c] = 9;
        }
    }
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float points[][2] = {{-100, 10},  {8000, 10}, {8031, 10}, {10, -100}, {10, 640},
                               {10, 1e20f}, {1e20f, 0}, {-inf, 0},  {0, inf},   {nan, nan}};
    for (const auto& p : points) {
        EXPECT_EQ(CollisionCellAt(p[0], p[1]), 0) << p[0] << "," << p[1];
        EXPECT_EQ(DecorCellAt(p[0], p[1]), 0);
    }
    EXPECT_EQ(CollisionCellAt(7999, 639), 1);  // the last cell is still inside
    ScrollX = -1e30f;
    EXPECT_EQ(CollisionCellAt(0, 0), 0);
}

TEST_F(Grid, RightEdgeOnATileBoundaryTestsTheColumnBefore) {
    CollisionGrid[0][2] = 1;
    HitRect r = Rect(40, 0, 64, 20);  // last pixel inside is x 63: column 1
    EXPECT_FALSE(TouchesSolid(&r));
    r.right = 65;
    EXPECT_TRUE(TouchesSolid(&r));
    CollisionGrid[0][2] = 0;
    CollisionGrid[0][1] = 1;
    r.right = 64;
    EXPECT_TRUE(TouchesSolid(&r));
}

TEST_F(Grid, EachCornerOfARectangleCounts) {
    // A 64 x 64 rectangle at (32, 32) has its corners in cells (1,1), (1,2), (2,2), (2,1).
    const int cells[4][2] = {{1, 1}, {1, 2}, {2, 2}, {2, 1}};
    for (const auto& cell : cells) {
        ResetGrids();
        CollisionGrid[cell[0]][cell[1]] = 7;
        HitRect r = Rect(32, 32, 96, 96);
        EXPECT_TRUE(TouchesSolid(&r)) << cell[0] << "," << cell[1];
        SpriteQuad q = Quad(32, 32, 64, 64);
        EXPECT_TRUE(QuadTouchesSolid(&q)) << cell[0] << "," << cell[1];
    }
    ResetGrids();
    CollisionGrid[3][1] = 7;  // just below: bottom is exclusive
    HitRect r = Rect(32, 32, 96, 96);
    EXPECT_FALSE(TouchesSolid(&r));
    SpriteQuad q = Quad(32, 32, 64, 64);
    EXPECT_FALSE(QuadTouchesSolid(&q));
}

TEST_F(Grid, SavePointIsDecorationNine) {
    HitRect r = Rect(329, 319, 335, 352);
    DecorGrid[10][10] = 8;
    EXPECT_FALSE(TouchesSavePoint(&r));
    DecorGrid[10][10] = 9;
    EXPECT_TRUE(TouchesSavePoint(&r));
    CollisionGrid[10][10] = 9;  // the collision layer is not a save point
    DecorGrid[10][10] = 0;
    EXPECT_FALSE(TouchesSavePoint(&r));
}

TEST_F(Grid, PitUnderEitherEdge) {
    for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[11][c] = 1;
    HitRect r = Rect(40, 300, 80, 352);  // edges in columns 1 (x 40) and 2 (x 79)
    EXPECT_FALSE(OverPit(&r));
    CollisionGrid[11][2] = 0;
    EXPECT_TRUE(OverPit(&r));
    CollisionGrid[11][2] = 1;
    CollisionGrid[11][1] = 0;
    EXPECT_TRUE(OverPit(&r));
    CollisionGrid[11][1] = 1;
    CollisionGrid[10][1] = 0;  // only row 11 is looked at, whatever the rectangle's height
    CollisionGrid[11][3] = 0;  // a hole beyond the right edge does not count
    EXPECT_FALSE(OverPit(&r));
}

TEST(Overlap, QuadsNeedTwoPixels) {
    SpriteQuad a = Quad(0, 0, 32, 32);
    struct Case {
        float x, y;
        bool want;
    };
    const Case cases[] = {
        {30, 0, true},  {31, 0, false},  {0, 30, true},  {0, 31, false},
        {-30, 0, true}, {-31, 0, false}, {0, -30, true}, {0, -31, false},
    };
    for (const Case& c : cases) {
        SpriteQuad b = Quad(c.x, c.y, 32, 32);
        EXPECT_EQ(QuadsOverlap(&a, &b), c.want) << c.x << "," << c.y;
        EXPECT_EQ(QuadOverlapsRect(&a, HitRect{c.x, c.y, c.x + 32, c.y + 32}), c.want) << c.x << "," << c.y;
    }
}

TEST(Overlap, RectanglesCountTouchingEdges) {
    HitRect a{0, 0, 32, 32};
    EXPECT_TRUE(RectsOverlap(a, HitRect{32, 0, 64, 32}));
    EXPECT_TRUE(RectsOverlap(a, HitRect{0, 32, 32, 64}));
    EXPECT_TRUE(RectsOverlap(a, HitRect{-32, -32, 0, 0}));
    EXPECT_FALSE(RectsOverlap(a, HitRect{32.5f, 0, 64, 32}));
    EXPECT_FALSE(RectsOverlap(a, HitRect{0, -40, 32, -0.5f}));
}

TEST(Overlap, RectangleAndQuadConversions) {
    SpriteQuad q = Quad(300, 288, 64, 64);
    HitRect r;
    HitRectFromQuad(&r, &q, 29, 29, 31, 0);
    EXPECT_EQ(r.left, 329);
    EXPECT_EQ(r.right, 335);
    EXPECT_EQ(r.top, 319);
    EXPECT_EQ(r.bottom, 352);

    SpriteQuad back;
    InitQuad(&back, 1, 1, 77);
    back.v[0].u = 0.25f;
    QuadFromHitRect(&back, &r, 29, 29, 31, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(back.v[i].x, q.v[i].x) << i;
        EXPECT_EQ(back.v[i].y, q.v[i].y) << i;
    }
    EXPECT_EQ(back.v[0].u, 0.25f);  // only positions change
    EXPECT_EQ(back.v[2].diffuse, 0x4DFFFFFFu);

    PlaceHitRect(&r, -10, 5);
    EXPECT_EQ(r.left, -10);
    EXPECT_EQ(r.top, 5);
    EXPECT_EQ(r.right, -4);
    EXPECT_EQ(r.bottom, 38);
}

// A 64 x 64 body with the heroine's insets over a floor whose top is at `floorTop`.
struct Body {
    SpriteQuad q;
    HitRect r;
    float y;
    FallState f;
    explicit Body(float startY, float vy = 0) : y(startY) {
        q = Quad(300, startY, 64, 64);
        HitRectFromQuad(&r, &q, 29, 29, 31, 0);
        f = FallState{vy, -14, 0, 0};
    }
    void Step() { FallStep(&q, &r, &y, &f); }
};

void LayFloor(int row) {
    for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[row][c] = 1;
}

TEST_F(Grid, RestingBodyStaysPutAndOnTheGround) {
    LayFloor(11);
    Body b(288);
    for (int i = 0; i < 50; ++i) {
        b.Step();
        ASSERT_EQ(b.y, 288) << i;
        ASSERT_EQ(b.f.onGround, 1);
        ASSERT_EQ(b.f.vy, 0);
    }
    EXPECT_EQ(b.q.v[0].y, 288);
    EXPECT_EQ(b.q.v[2].y, 352);
    EXPECT_EQ(b.r.top, 319);
    EXPECT_EQ(b.q.v[0].x, 300);  // never moved sideways
}

TEST_F(Grid, FallingAtTerminalSpeedLandsOnTheGridLine) {
    LayFloor(10);  // floor top at y 320
    Body b(250, 10);
    b.Step();  // 260: the feet reach 324, inside the floor
    EXPECT_EQ(b.y, 256);
    EXPECT_EQ(b.q.v[0].y, 256);
    EXPECT_EQ(b.r.bottom, 320);
    EXPECT_EQ(b.f.onGround, 1);
    EXPECT_EQ(b.f.vy, 0);
}

TEST_F(Grid, FallSpeedGrowsByOneUpToTen) {
    Body b(0);
    const float expect[] = {1, 3, 6, 10, 15, 21, 28, 36, 45, 55, 65, 75};
    for (float want : expect) {
        b.Step();
        EXPECT_EQ(b.y, want);
        EXPECT_EQ(b.f.onGround, 0);
    }
    EXPECT_EQ(b.f.vy, 10);
}

TEST_F(Grid, FractionalSpeedMovesByItsFloor) {
    Body b(100, -2.5f);
    b.Step();  // vy -1.5 moves up 2 pixels
    EXPECT_EQ(b.y, 98);
    EXPECT_FLOAT_EQ(b.f.vy, -1.5f);
}

TEST_F(Grid, JumpStartsOnlyFromTheGroundAndRises91Pixels) {
    LayFloor(11);
    Body b(288);
    b.f.jumpRequest = 1;
    b.Step();  // not on the ground yet: the step lands her first
    EXPECT_EQ(b.f.onGround, 1);
    EXPECT_EQ(b.y, 288);
    float top = 288;
    for (int i = 0; i < 40; ++i) {
        b.Step();
        b.f.jumpRequest = 0;
        if (b.y < top) top = b.y;
    }
    EXPECT_EQ(top, 288 - 91);
    EXPECT_EQ(b.y, 288);
    EXPECT_EQ(b.f.onGround, 1);
}

TEST_F(Grid, CeilingHitStopsTheRiseAndCountsAsGround) {
    LayFloor(11);
    for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[7][c] = 1;  // ceiling y 224-255
    Body b(288);
    b.f.onGround = 1;
    b.f.jumpRequest = 1;
    b.Step();  // vy -13: y 275, rect top 306
    b.f.jumpRequest = 0;
    b.Step();  // vy -12: y 263, top 294
    b.Step();  // vy -11: y 252, top 283
    b.Step();  // vy -10: y 242, top 273
    b.Step();  // vy -9: y 233, top 264
    b.Step();  // vy -8: y 225, top 256: still clear
    EXPECT_EQ(b.f.onGround, 0);
    b.Step();  // vy -7: y 218, top 249 inside the ceiling: snapped down to 224
    EXPECT_EQ(b.y, 224);
    EXPECT_EQ(b.f.vy, 0);
    EXPECT_EQ(b.f.onGround, 1);
    for (int i = 0; i < 30; ++i) b.Step();
    EXPECT_EQ(b.y, 288);  // and then she falls back to the floor
}

TEST_F(Grid, HeldJumpAtACeilingStartsAgain) {
    for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[7][c] = 1;  // ceiling y 224-255
    Body b(230, -10);
    b.f.jumpRequest = 1;
    b.Step();  // y 221, rect top 252 in the ceiling: snapped to 224
    ASSERT_EQ(b.y, 224);
    ASSERT_EQ(b.f.onGround, 1);
    for (int c = 0; c < GRID_COLUMNS; ++c) CollisionGrid[7][c] = 0;
    b.Step();  // the request still held starts a new jump at once
    EXPECT_EQ(b.y, 224 - 13);
    EXPECT_EQ(b.f.vy, -13);
    EXPECT_EQ(b.f.onGround, 0);
}

TEST_F(Grid, FarBodiesDoNotBreakTheStep) {
    Body b(1e20f, 10);
    b.Step();
    Body c(-1e20f, 10);
    c.Step();
    SUCCEED();
}

TEST(Scenery, ResetSizesTheTileAndBackdropQuads) {
    PlaceQuad(&TileQuadA, 90, 90);
    ResetScenery();
    EXPECT_EQ(TileQuadA.v[0].x, 0);
    EXPECT_EQ(TileQuadA.v[2].x, 32);
    EXPECT_EQ(TileQuadB.v[2].y, 32);
    EXPECT_EQ(BackdropQuad.v[2].x, 640);
    EXPECT_EQ(BackdropQuad.v[2].y, 384);
    EXPECT_EQ(BackdropQuad.v[0].diffuse, 0xFFFFFFFFu);
}

}  // namespace
