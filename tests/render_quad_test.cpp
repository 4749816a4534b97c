#include <gtest/gtest.h>

#include <cmath>

#include "render/face.h"
#include "render/quad.h"

namespace {

SpriteQuad Rect(float x, float y, float w, float h) {
    SpriteQuad q;
    InitQuad(&q, w, h, 255);
    PlaceQuad(&q, x, y);
    return q;
}

TEST(Quad, InitSetsCornersUvAndDiffuse) {
    SpriteQuad q;
    InitQuad(&q, 64, 32, 128);
    const float xs[4] = {0, 64, 64, 0}, ys[4] = {0, 0, 32, 32}, us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(q.v[i].x, xs[i]);
        EXPECT_EQ(q.v[i].y, ys[i]);
        EXPECT_EQ(q.v[i].z, 0.0f);
        EXPECT_EQ(q.v[i].rhw, 1.0f);
        EXPECT_EQ(q.v[i].u, us[i]);
        EXPECT_EQ(q.v[i].v, vs[i]);
        EXPECT_EQ(q.v[i].diffuse, 0x80FFFFFFu);
    }
    InitQuadWhite(&q, 8, 8);
    EXPECT_EQ(q.v[2].diffuse, 0xFFFFFFFFu);
}

TEST(Quad, ResizeKeepsUvAndMovesToOrigin) {
    SpriteQuad q = Rect(100, 50, 32, 32);
    SetQuadUV(&q, 0.5f, 0.75f, 0.25f, 0.5f);
    ResizeQuad(&q, 10, 20, 0);
    EXPECT_EQ(q.v[0].x, 0);
    EXPECT_EQ(q.v[2].x, 10);
    EXPECT_EQ(q.v[2].y, 20);
    EXPECT_EQ(q.v[2].u, 0.75f);
    EXPECT_EQ(q.v[0].diffuse, 0x00FFFFFFu);
}

TEST(Quad, PlaceMakesSkewedQuadAxisAligned) {
    SpriteQuad q = Rect(0, 0, 40, 20);
    RotateQuad(&q, 30);
    float w = q.v[2].x - q.v[0].x, h = q.v[2].y - q.v[0].y;
    PlaceQuad(&q, 5, 7);
    EXPECT_FLOAT_EQ(q.v[1].x, 5 + w);
    EXPECT_FLOAT_EQ(q.v[1].y, 7);
    EXPECT_FLOAT_EQ(q.v[3].x, 5);
    EXPECT_FLOAT_EQ(q.v[3].y, 7 + h);
}

TEST(Quad, MoveCopyTranslate) {
    SpriteQuad a = Rect(10, 20, 30, 40), b = Rect(0, 0, 1, 1);
    MoveQuad(&a, 1, -2);
    EXPECT_EQ(a.v[0].x, 11);
    EXPECT_EQ(a.v[2].y, 58);
    SetQuadUV(&b, 0.1f, 0.2f, 0.3f, 0.4f);
    CopyQuadPos(&b, &a);
    EXPECT_EQ(b.v[2].x, a.v[2].x);
    EXPECT_EQ(b.v[2].u, 0.2f);  // texture coordinates stay
    TranslateQuad(&b, 2, 3, 4);
    EXPECT_EQ(b.v[3].x, 13);
    EXPECT_EQ(b.v[3].z, 4);
}

TEST(Quad, ColoursTakeComponentsModulo256) {
    SpriteQuad q = Rect(0, 0, 1, 1);
    SetQuadColor(&q, 0x12, 0x134, -1);
    EXPECT_EQ(q.v[0].diffuse, 0xFF1234FFu);
    SetQuadColorAlpha(&q, 1, 2, 3, 0x180);
    EXPECT_EQ(q.v[3].diffuse, 0x80010203u);
}

TEST(Quad, UvInsetsLeftAndTopOnly) {
    struct Case {
        float l, r, t, b, u0, v0;
    };
    const Case cases[] = {
        {0.25f, 0.5f, 0.0f, 0.125f, 0.251f, 0.001f},  // plain
        {0.5f, 0.25f, 0.0f, 0.125f, 0.499f, 0.001f},  // mirrored: the inset points inwards
        {0.25f, 0.25f, 0.5f, 0.25f, 0.249f, 0.499f},  // degenerate strip, flipped v
    };
    for (const Case& c : cases) {
        SpriteQuad q = Rect(0, 0, 1, 1);
        SetQuadUV(&q, c.l, c.r, c.t, c.b);
        EXPECT_FLOAT_EQ(q.v[0].u, c.u0);
        EXPECT_FLOAT_EQ(q.v[0].v, c.v0);
        EXPECT_FLOAT_EQ(q.v[3].u, c.u0);
        EXPECT_FLOAT_EQ(q.v[1].v, c.v0);
        EXPECT_EQ(q.v[1].u, c.r);
        EXPECT_EQ(q.v[2].u, c.r);
        EXPECT_EQ(q.v[2].v, c.b);
        EXPECT_EQ(q.v[3].v, c.b);
    }
}

TEST(Quad, RotateNinetyDegreesTurnsClockwiseAboutCentre) {
    SpriteQuad q = Rect(100, 100, 40, 20);  // centre (120, 110)
    RotateQuad(&q, 90);
    // The top-left corner goes to the top-right of the turned box.
    EXPECT_NEAR(q.v[0].x, 130, 1e-3);
    EXPECT_NEAR(q.v[0].y, 90, 1e-3);
    EXPECT_NEAR(q.v[2].x, 110, 1e-3);
    EXPECT_NEAR(q.v[2].y, 130, 1e-3);
    RotateQuad(&q, -90);
    EXPECT_NEAR(q.v[0].x, 100, 1e-3);
    EXPECT_NEAR(q.v[2].y, 120, 1e-3);
}

TEST(Face, CellsOfTheTenByNineSheet) {
    SpriteQuad q = Rect(0, 0, 96, 96);
    SelectFaceCell(&q, 0);
    EXPECT_FLOAT_EQ(q.v[0].u, 0.001f);
    EXPECT_FLOAT_EQ(q.v[0].v, 0.001f);
    EXPECT_FLOAT_EQ(q.v[2].u, 0.09375f);
    EXPECT_FLOAT_EQ(q.v[2].v, 0.09375f);
    SelectFaceCell(&q, 89);  // column 9, row 8
    EXPECT_FLOAT_EQ(q.v[0].u, 9 * 0.09375f + 0.001f);
    EXPECT_FLOAT_EQ(q.v[2].u, 0.9375f);
    EXPECT_FLOAT_EQ(q.v[0].v, 8 * 0.09375f + 0.001f);
    EXPECT_FLOAT_EQ(q.v[2].v, 9 * 0.09375f);
    SpriteQuad before = q;
    SelectFaceCell(&q, 90);
    SelectFaceCell(&q, 1000);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(q.v[i].u, before.v[i].u);
        EXPECT_EQ(q.v[i].v, before.v[i].v);
    }
}

}  // namespace

namespace {

TEST(Quad, CullKeepsQuadsTouchingTheEdges) {
    struct Case {
        float x, y, w, h;
        bool drawn;
    };
    const Case cases[] = {
        {-32, 100, 32, 32, true},      // right edge exactly at x 0
        {-32.5f, 100, 32, 32, false},  // wholly left
        {640, 100, 32, 32, true},      // left edge exactly at 640
        {640.5f, 100, 32, 32, false}, {100, -32, 32, 32, true},
        {100, -33, 32, 32, false},    {100, 480, 32, 32, true},
        {100, 481, 32, 32, false},    {-100, -100, 900, 700, true},  // wider than the screen, covering it
        {300, 200, 0, 0, true},                                      // degenerate but on screen
    };
    for (const Case& c : cases) {
        SpriteQuad q = Rect(c.x, c.y, c.w, c.h);
        EXPECT_EQ(QuadMayBeOnScreen(&q), c.drawn) << c.x << "," << c.y;
    }
}

}  // namespace
