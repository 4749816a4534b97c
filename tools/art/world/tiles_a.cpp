// Tile sheet A: the solid tiles of the collision layer (ground, rock, floors, walls, roofs,
// platforms, bridges). Repeating tiles wrap at their edges so that rows and stacks of them
// join without seams; a top tile's lower part is its fill tile's texture.
#include <algorithm>
#include <cmath>

#include "tools/art/world/scenery.h"
#include "tools/art/world/tile_sheet.h"

using namespace wart;

namespace {

// ---- Earth and grass ----
const Rgb kEarth = Hex(0x7A5434), kEarthDark = Hex(0x5E3E26), kEarthLight = Hex(0x9A7048);
const Rgb kGrass = Hex(0x4E9A3A), kGrassDark = Hex(0x2F6E2A), kGrassLight = Hex(0x86C452);

void Earth(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, kEarth);
    Speckle(cr, 3, 29, 14, 11, kEarthDark, kEarthLight, 0.8, 2.0);
    // Buried pebbles with a light top.
    WrapCircle(cr, 9, 22, 2.6, kEarthDark, false);
    WrapCircle(cr, 9, 21.3, 1.8, Hex(0xA08060), false);
    WrapCircle(cr, 25, 9, 2.2, kEarthDark, false);
    WrapCircle(cr, 25, 8.4, 1.4, Hex(0xA08060), false);
}

// The grass band along the top: a solid turf 7 pixels deep with blades above it and a
// shadow line under it; blades wrap left-right.
void GrassBand(cairo_t* cr, double left, double right) {
    cairo_save(cr);
    cairo_rectangle(cr, left, 0, right - left, 32);
    cairo_clip(cr);
    FillRect(cr, 0, 5, 32, 6, kGrass);
    FillRect(cr, 0, 10, 32, 2, kGrassDark);
    FillRect(cr, 0, 12, 32, 1.5, kEarthDark);
    // Rounded tufts along the top edge, every 4 pixels, and a hanging fringe below.
    for (int i = 0; i < 8; i++) {
        double x = i * 4 + 2, y = i % 2 ? 5.5 : 4.5;
        WrapCircle(cr, x, y, 2.8, kGrass, false);
        WrapCircle(cr, x - 0.6, y - 0.8, 1.3, kGrassLight, false);
        WrapCircle(cr, x + 2, 12.5, 1.4, kGrassDark, false);
    }
    // A few taller blades.
    const double blades[] = {3, 12, 21, 27};
    for (int i = 0; i < 4; i++)
        for (int k = -1; k <= 1; k++) {
            double bx = blades[i] + k * 32;
            SetColor(cr, i % 2 ? kGrassLight : kGrass);
            cairo_move_to(cr, bx - 1.5, 4);
            cairo_line_to(cr, bx + (i % 2 ? 1.5 : -0.5), 0);
            cairo_line_to(cr, bx + 1.5, 4);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

void GrassTop(cairo_t* cr) {
    Earth(cr);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 0, 0, 32, 4);
    cairo_fill(cr);
    cairo_restore(cr);
    GrassBand(cr, 0, 32);
}

// A ground edge: the earth ends in a darker rim, the grass rounds over the corner.
void GrassEdge(cairo_t* cr, bool leftEdge) {
    GrassTop(cr);
    cairo_save(cr);
    if (!leftEdge) {
        cairo_translate(cr, 32, 0);
        cairo_scale(cr, -1, 1);
    }
    // Cut the outer corner round, then rim the side and round the turf over the corner.
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 0, 0, 3, 12);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    FillRect(cr, 0, 11, 2.5, 21, kEarthDark);
    FillRect(cr, 2.5, 13, 1.2, 19, Hex(0x6A4A2E));
    FillCircle(cr, 5, 8.5, 4.8, kGrassDark);
    FillCircle(cr, 5.5, 7.5, 3.8, kGrass);
    FillCircle(cr, 5, 6.2, 1.6, kGrassLight);
    FillRect(cr, 5, 4, 4, 7, kGrass);
    cairo_restore(cr);
}
void GrassLeft(cairo_t* cr) {
    GrassEdge(cr, true);
}
void GrassRight(cairo_t* cr) {
    GrassEdge(cr, false);
}

// ---- Rock ----
const Rgb kRockDark = Hex(0x4A443C);

// Natural rock: angular chunks with lit upper faces and dark crevices between them. The
// chunks are drawn at every offset of 32 in both directions, so the tile wraps both ways.
void Rock(cairo_t* cr) {
    static const double chunks[][5][2] = {
        {{2, 3}, {13, 1}, {16, 8}, {12, 14}, {3, 13}},     {{17, 2}, {29, 4}, {31, 12}, {22, 15}, {16, 10}},
        {{1, 17}, {10, 16}, {14, 23}, {9, 30}, {0, 28}},   {{15, 17}, {26, 17}, {31, 24}, {25, 31}, {15, 28}},
        {{10, 31}, {14, 30}, {16, 33}, {13, 35}, {9, 34}},
    };
    FillRect(cr, 0, 0, 32, 32, Hex(0x4A443C));
    for (int pass = 0; pass < 3; pass++) {
        for (const auto& ch : chunks) {
            for (int dx = -1; dx <= 1; dx++)
                for (int dy = -1; dy <= 1; dy++) {
                    double ox = dx * 32 + (pass == 0 ? 1 : 0), oy = dy * 32 + (pass == 0 ? 1 : 0);
                    cairo_move_to(cr, ch[0][0] + ox, ch[0][1] + oy);
                    for (int k = 1; k < 5; k++) cairo_line_to(cr, ch[k][0] + ox, ch[k][1] + oy);
                    cairo_close_path(cr);
                    if (pass == 0) {
                        SetColor(cr, Hex(0x38332C));
                        cairo_fill(cr);
                    } else if (pass == 1) {
                        SetColor(cr, Hex(0x7E766A));
                        cairo_fill(cr);
                    } else {
                        // Light along the top and left faces.
                        cairo_new_path(cr);
                        cairo_move_to(cr, ch[4][0] + ox + 1, ch[4][1] + oy);
                        cairo_line_to(cr, ch[0][0] + ox + 1, ch[0][1] + oy + 1);
                        cairo_line_to(cr, ch[1][0] + ox, ch[1][1] + oy + 1);
                        SetColor(cr, Hex(0xA89E8E));
                        cairo_set_line_width(cr, 1.6);
                        cairo_stroke(cr);
                    }
                }
        }
    }
    Speckle(cr, 3, 29, 8, 21, Hex(0x5E574C), Hex(0x968C7C), 0.5, 0.9);
}

void RockTop(cairo_t* cr) {
    Rock(cr);
    // A mossy, weathered lip.
    FillRect(cr, 0, 0, 32, 5, Hex(0x8E8678));
    FillRect(cr, 0, 0, 32, 2, Hex(0xB8AE9C));
    FillRect(cr, 0, 5, 32, 1.5, kRockDark);
    for (int k = -1; k <= 1; k++) {
        FillRoundRect(cr, 3 + k * 32, 0, 9, 3.5, 1.5, Hex(0x6C8A44));
        FillRoundRect(cr, 19 + k * 32, 0.5, 6, 3, 1.5, Hex(0x7C9A4C));
    }
}

// ---- Castle ----
const Rgb kStone = Hex(0x6C7078), kStoneDark = Hex(0x474A52), kStoneLight = Hex(0x959AA2);
const Rgb kWood = Hex(0x7A4A2A), kWoodDark = Hex(0x4E2E1A), kWoodLight = Hex(0xA46A3E);

// Dressed stone: two courses of blocks with staggered joints.
void Masonry(cairo_t* cr, Rgb face, Rgb dark, Rgb light) {
    FillRect(cr, 0, 0, 32, 32, dark);
    for (int k = -1; k <= 1; k++) {
        double o = k * 32;
        FillRect(cr, o + 1, 1, 30, 14, face);
        FillRect(cr, o + 17, 17, 30, 14, face);
        FillRect(cr, o + 1, 1, 30, 2, light);
        FillRect(cr, o + 17, 17, 30, 2, light);
        FillRect(cr, o + 1, 13, 30, 2, Mix(face, dark, 0.5));
        FillRect(cr, o + 17, 29, 30, 2, Mix(face, dark, 0.5));
    }
}
void StoneBlock(cairo_t* cr) {
    Masonry(cr, kStone, kStoneDark, kStoneLight);
    Speckle(cr, 3, 29, 10, 31, kStoneDark, kStoneLight, 0.5, 0.9);
}

void CastleStep(cairo_t* cr) {
    Masonry(cr, Hex(0x5A5E68), Hex(0x383A42), Hex(0x7E828C));
    // Polished wooden tread on top.
    FillRect(cr, 0, 0, 32, 9, kWood);
    FillRect(cr, 0, 0, 32, 2, kWoodLight);
    FillRect(cr, 0, 8, 32, 2, kWoodDark);
    FillRect(cr, 0, 4.5, 32, 0.8, Mix(kWood, kWoodDark, 0.5));
    FillRect(cr, 31, 0, 1, 9, kWoodDark);
}

void WoodFloor(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, kWoodDark);
    const double starts[] = {0, 8, 16, 24};
    const double seams[] = {6, 22, 13, 29};
    for (int i = 0; i < 4; i++) {
        double y = starts[i];
        FillRect(cr, 0, y, 32, 7, i % 2 ? Hex(0x8A5630) : kWood);
        FillRect(cr, 0, y, 32, 1.2, kWoodLight);
        FillRect(cr, seams[i], y, 1, 7, kWoodDark);
        // Grain lines.
        FillRect(cr, 0, y + 4, 32, 0.6, Mix(kWood, kWoodDark, 0.6));
    }
    FillRect(cr, 0, 0, 32, 2, Hex(0xC08850));
}

// Namako wall: dark tiles set diagonally with raised white joints; tiles in every direction.
void Namako(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0x3A3E46));
    for (int k = 0; k < 2; k++) {
        for (int j = 0; j < 2; j++) {
            double cx = k * 32, cy = j * 32;
            // Darker diamonds around the lattice points, lighter in between.
            SetColor(cr, Hex(0x2C3038));
            cairo_move_to(cr, cx, cy - 14);
            cairo_line_to(cr, cx + 14, cy);
            cairo_line_to(cr, cx, cy + 14);
            cairo_line_to(cr, cx - 14, cy);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    }
    SetColor(cr, Hex(0x4A505A));
    cairo_move_to(cr, 16, 3);
    cairo_line_to(cr, 29, 16);
    cairo_line_to(cr, 16, 29);
    cairo_line_to(cr, 3, 16);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 3.2);
    SetColor(cr, Hex(0xE8E6DE));
    for (int k = -1; k <= 1; k++) {
        cairo_move_to(cr, k * 32 - 16, -16);
        cairo_line_to(cr, k * 32 + 48, 48);
        cairo_move_to(cr, k * 32 + 48, -16);
        cairo_line_to(cr, k * 32 - 16, 48);
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1);
    SetColor(cr, Hex(0xB8B6AE));
    for (int k = -1; k <= 1; k++) {
        cairo_move_to(cr, k * 32 - 16, -14);
        cairo_line_to(cr, k * 32 + 48, 50);
        cairo_move_to(cr, k * 32 + 48, -14);
        cairo_line_to(cr, k * 32 - 16, 50);
    }
    cairo_stroke(cr);
}
void CastleWall(cairo_t* cr) {
    Namako(cr);
}

void WallPillar(cairo_t* cr, bool left) {
    Namako(cr);
    double x = left ? 0 : 23;
    FillRect(cr, x, 0, 9, 32, Hex(0x6A2A1E));
    FillRect(cr, x + (left ? 1 : 2), 0, 2.5, 32, Hex(0x9A4430));
    FillRect(cr, x + (left ? 7 : 0), 0, 2, 32, Hex(0x3E160E));
    FillRect(cr, x, 14, 9, 4, Hex(0xC89838));
    FillRect(cr, x, 15, 9, 1, Hex(0xE8C060));
}
void WallFaceLeft(cairo_t* cr) {
    WallPillar(cr, true);
}
void WallFaceRight(cairo_t* cr) {
    WallPillar(cr, false);
}

// Heavy beam: dark timber with a lighter top and gilt fittings; the ends show end grain.
void BeamBody(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0x3C2418));
    FillRect(cr, 0, 2, 32, 26, Hex(0x5A3420));
    FillRect(cr, 0, 2, 32, 3, Hex(0x7E4C2E));
    FillRect(cr, 0, 25, 32, 3, Hex(0x2C1A10));
    FillRect(cr, 0, 12, 32, 0.8, Hex(0x4A2A1A));
    FillRect(cr, 0, 18, 32, 0.8, Hex(0x4A2A1A));
}
void BeamEnd(cairo_t* cr, bool left) {
    BeamBody(cr);
    cairo_save(cr);
    if (!left) {
        cairo_translate(cr, 32, 0);
        cairo_scale(cr, -1, 1);
    }
    FillRect(cr, 0, 0, 10, 32, Hex(0x3C2418));
    FillRoundRect(cr, 1, 3, 9, 26, 2, Hex(0xC89838));
    FillRoundRect(cr, 3, 5, 5, 22, 1.5, Hex(0xE8C464));
    FillCircle(cr, 5.5, 10, 1.3, Hex(0x8A6420));
    FillCircle(cr, 5.5, 22, 1.3, Hex(0x8A6420));
    cairo_restore(cr);
}
void BeamLeft(cairo_t* cr) {
    BeamEnd(cr, true);
}
void BeamMid(cairo_t* cr) {
    BeamBody(cr);
    FillRect(cr, 14, 2, 4, 26, Hex(0xC89838));
    FillRect(cr, 15, 2, 1.5, 26, Hex(0xE8C464));
}
void BeamRight(cairo_t* cr) {
    BeamEnd(cr, false);
}

// ---- Roofs ----
const Rgb kTile = Hex(0x4C5666), kTileDark = Hex(0x2E3440), kTileLight = Hex(0x76839A);

// Rows of round tiles (kawara) with their ends along the bottom and a ridge cap along the top.
void RoofField(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, kTileDark);
    for (int i = 0; i < 4; i++) {
        double x = i * 8;
        FillRect(cr, x + 1, 6, 6, 22, kTile);
        FillRect(cr, x + 2, 6, 2, 22, kTileLight);
        FillRect(cr, x + 1, 14, 6, 1, kTileDark);
        FillRect(cr, x + 1, 21, 6, 1, kTileDark);
        FillCircle(cr, x + 4, 28.5, 3.4, kTileLight);
        FillCircle(cr, x + 4, 28.5, 2.0, kTile);
    }
    FillRect(cr, 0, 0, 32, 6, Hex(0x3A4250));
    FillRect(cr, 0, 1, 32, 2, Hex(0x8A96AA));
    FillRect(cr, 0, 5, 32, 1, kTileDark);
}
void RoofMid(cairo_t* cr) {
    RoofField(cr);
}
void RoofEnd(cairo_t* cr, bool left) {
    RoofField(cr);
    cairo_save(cr);
    if (!left) {
        cairo_translate(cr, 32, 0);
        cairo_scale(cr, -1, 1);
    }
    // Barge board and the end tile with its crest.
    FillRect(cr, 0, 0, 7, 32, Hex(0x2A2018));
    FillRect(cr, 1, 0, 2, 32, Hex(0x5A4232));
    FillCircle(cr, 7, 7, 5.5, kTileDark);
    FillCircle(cr, 7, 7, 4, kTileLight);
    FillCircle(cr, 7, 7, 1.8, kTileDark);
    cairo_restore(cr);
}
void RoofLeft(cairo_t* cr) {
    RoofEnd(cr, true);
}
void RoofRight(cairo_t* cr) {
    RoofEnd(cr, false);
}

// ---- Platforms, bridge ----
void PlankPlatform(cairo_t* cr) {
    // Trestle: two posts and a cross brace below a deck of planks.
    FillRect(cr, 3, 8, 4, 24, kWoodDark);
    FillRect(cr, 25, 8, 4, 24, kWoodDark);
    cairo_set_line_width(cr, 3);
    SetColor(cr, Hex(0x5E3A22));
    cairo_move_to(cr, 5, 10);
    cairo_line_to(cr, 27, 30);
    cairo_move_to(cr, 27, 10);
    cairo_line_to(cr, 5, 30);
    cairo_stroke(cr);
    FillRect(cr, 0, 0, 32, 10, kWood);
    FillRect(cr, 0, 0, 32, 2, kWoodLight);
    FillRect(cr, 0, 9, 32, 1.5, kWoodDark);
    FillRect(cr, 15, 0, 1, 9, kWoodDark);
    FillCircle(cr, 5, 5, 1, kWoodDark);
    FillCircle(cr, 27, 5, 1, kWoodDark);
}

void BridgeDeck(cairo_t* cr) {
    // Deck planks seen edge-on, a stringer below and a hanging truss.
    FillRect(cr, 0, 0, 32, 8, Hex(0x8A5A34));
    for (int i = 0; i < 4; i++) FillRect(cr, i * 8, 0, 1, 8, Hex(0x5A3820));
    FillRect(cr, 0, 0, 32, 1.5, Hex(0xB07A4A));
    FillRect(cr, 0, 8, 32, 7, Hex(0x5A3420));
    FillRect(cr, 0, 8, 32, 1.5, Hex(0x7A4A2E));
    cairo_set_line_width(cr, 2.5);
    SetColor(cr, Hex(0x4A2A18));
    for (int k = -1; k <= 1; k++) {
        cairo_move_to(cr, k * 32 + 0, 15);
        cairo_line_to(cr, k * 32 + 16, 28);
        cairo_line_to(cr, k * 32 + 32, 15);
    }
    cairo_stroke(cr);
    FillRect(cr, 0, 27, 32, 3, Hex(0x4A2A18));
}

// ---- Town and castle floors ----
void Paving(cairo_t* cr) {
    StoneBlock(cr);
    FillRect(cr, 0, 0, 32, 9, Hex(0x9C9A92));
    FillRect(cr, 0, 0, 32, 2, Hex(0xC4C2B8));
    FillRect(cr, 0, 8, 32, 1.5, kStoneDark);
    FillRect(cr, 20, 0, 1.2, 8, Hex(0x6E6C66));
}

void Tatami(cairo_t* cr) {
    Masonry(cr, Hex(0x4A3A2C), Hex(0x2E2218), Hex(0x64503C));
    FillRect(cr, 0, 0, 32, 10, Hex(0xB8B070));
    for (int i = 0; i < 10; i++) FillRect(cr, i * 3.2 + 1, 2, 0.8, 7, Hex(0x9A9250));
    FillRect(cr, 0, 0, 32, 2.5, Hex(0x2A2A30));  // the cloth border
    FillRect(cr, 0, 9, 32, 1.5, Hex(0x6E6440));
}

// ---- The world of the dead ----
void Yomi(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0x3A2448));
    Speckle(cr, 3, 29, 12, 51, Hex(0x2A1836), Hex(0x4E3460), 1.0, 2.4);
    // Faint glowing cracks that wrap.
    cairo_set_line_width(cr, 1.2);
    SetColor(cr, Hex(0x7A5AAA));
    for (int k = -1; k <= 1; k++) {
        cairo_move_to(cr, k * 32 + 4, 6);
        cairo_line_to(cr, k * 32 + 10, 12);
        cairo_line_to(cr, k * 32 + 8, 19);
        cairo_move_to(cr, k * 32 + 22, 18);
        cairo_line_to(cr, k * 32 + 27, 25);
        cairo_line_to(cr, k * 32 + 34, 26);
    }
    cairo_stroke(cr);
}
void YomiTop(cairo_t* cr) {
    Yomi(cr);
    FillRect(cr, 0, 0, 32, 6, Hex(0xA8A0B8));
    FillRect(cr, 0, 0, 32, 2, Hex(0xD8E4F0));
    FillRect(cr, 0, 6, 32, 2, Hex(0x6E5A88));
    for (int k = -1; k <= 1; k++) {
        FillRoundRect(cr, k * 32 + 6, 4, 8, 4, 2, Hex(0xA8A0B8));
        FillRoundRect(cr, k * 32 + 22, 5, 5, 3, 1.5, Hex(0xA8A0B8));
    }
}

// ---- Obstacles ----
void Boulder(cairo_t* cr) {
    SetColor(cr, Hex(0x55524C));
    cairo_move_to(cr, 1, 31);
    cairo_curve_to(cr, -1, 18, 4, 3, 15, 1);
    cairo_curve_to(cr, 26, 0, 33, 10, 31, 31);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColor(cr, Hex(0x85827A));
    cairo_move_to(cr, 4, 28);
    cairo_curve_to(cr, 3, 17, 7, 5, 15, 4);
    cairo_curve_to(cr, 24, 3, 28, 11, 27, 24);
    cairo_curve_to(cr, 20, 26, 12, 26, 4, 28);
    cairo_close_path(cr);
    cairo_fill(cr);
    FillRoundRect(cr, 8, 6, 12, 4, 2, Hex(0xA8A69C));
    // Moss on the crown.
    FillRoundRect(cr, 9, 1, 12, 4, 2, Hex(0x5E8A3A));
    FillRoundRect(cr, 17, 2, 10, 4, 2, Hex(0x4A7030));
    FillRect(cr, 0, 30, 32, 2, Hex(0x3E3C38));
}

void Crate(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, kWoodDark);
    FillRect(cr, 2, 2, 28, 28, Hex(0xA0703E));
    for (int i = 0; i < 3; i++) FillRect(cr, 2, 2 + i * 9.5, 28, 0.8, Hex(0x7A4E2A));
    FillRect(cr, 2, 2, 28, 1.5, Hex(0xC48E54));
    // Rope bands crossing.
    FillRect(cr, 13, 0, 5, 32, Hex(0xD8C08A));
    FillRect(cr, 0, 13, 32, 5, Hex(0xD8C08A));
    for (int i = 0; i < 6; i++) {
        FillRect(cr, 13, i * 5.5 + 1, 5, 1, Hex(0xA48A58));
        FillRect(cr, i * 5.5 + 1, 13, 1, 5, Hex(0xA48A58));
    }
    FillRoundRect(cr, 12, 12, 7, 7, 2, Hex(0xB89A62));
}

// The seal the game raises behind the heroine: a wall of violet light hung with talismans.
void SealBarrier(cairo_t* cr) {
    FillRect(cr, 0, 0, 32, 32, Hex(0x3A1A6A));
    FillRect(cr, 4, 0, 24, 32, Hex(0x6A3AAA));
    FillRect(cr, 9, 0, 14, 32, Hex(0xA07ADA));
    FillRect(cr, 13, 0, 6, 32, Hex(0xE4D8FA));
    FillRect(cr, 9, 5, 14, 22, Hex(0xF4EEDC));
    StrokeRect(cr, 9, 5, 14, 22, Hex(0xB02820), 1);
    FillRect(cr, 14.5, 8, 3, 3, Hex(0xC02820));
    FillRect(cr, 12, 13, 8, 1.5, Hex(0x2A1A1A));
    FillRect(cr, 15, 13, 1.5, 11, Hex(0x2A1A1A));
    FillRect(cr, 12, 19, 8, 1.2, Hex(0x2A1A1A));
    FillCircle(cr, 3, 9, 1.5, Hex(0xE4D8FA));
    FillCircle(cr, 29, 22, 1.5, Hex(0xE4D8FA));
}

const TileArt kArts[] = {
    {"grass_top", GrassTop, 0, 0},
    {"earth", Earth, 0, 0},
    {"grass_left", GrassLeft, 0, 0},
    {"grass_right", GrassRight, 0, 0},
    {"rock_top", RockTop, 0, 0},
    {"rock", Rock, 0, 0},
    {"castle_step", CastleStep, 0, 0},
    {"wood_floor", WoodFloor, 0, 0},
    {"stone_block", StoneBlock, 0, 0},
    {"castle_wall", CastleWall, 0, 0},
    {"beam_left", BeamLeft, 0, 0},
    {"beam_mid", BeamMid, 0, 0},
    {"beam_right", BeamRight, 0, 0},
    {"wall_face_left", WallFaceLeft, 0, 0},
    {"wall_face_right", WallFaceRight, 0, 0},
    {"roof_left", RoofLeft, 0, 0},
    {"roof_mid", RoofMid, 0, 0},
    {"roof_right", RoofRight, 0, 0},
    {"plank_platform", PlankPlatform, 0, 0},
    {"bridge_deck", BridgeDeck, 0, 0},
    {"paving", Paving, 0, 0},
    {"tatami", Tatami, 0, 0},
    {"yomi_top", YomiTop, 0, 0},
    {"yomi", Yomi, 0, 0},
    {"boulder", Boulder, 0, 0},
    {"crate", Crate, 0, 0},
    {"seal_barrier", SealBarrier, 0, 0},
};

void DrawTileSheetA(ArtCanvas& c) {
    DrawTileSheet(c, 'A', kArts, int(sizeof kArts / sizeof kArts[0]));
}

}  // namespace

ART_PICTURE("AE00124", 512, 512, DrawTileSheetA, "tile sheet A (collision)");
