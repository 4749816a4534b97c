// The growth chart (menu page 2): a tree of the heroine's sword arts on a paper scroll.
// Every node lies under one of the page's markers, whose 32 x 32 dots are drawn with their
// top-left corner at the node's (x, y), so a node's centre is (x + 16, y + 16). Type 0
// nodes are the chained cuts, type 1 the ways into a special, type 2 her footwork. The top
// 56 px stay clear for the page tabs.
#include <cstdio>

#include "tools/art/ui/style.h"

using namespace ui;

struct GrowthNode {
    double x, y;
    int type, level;  // level 0: known from the start
    const char* name;
    int place;  // label: 0 left, 1 right, 2 below, 3 above-right, 4 none
};

static const GrowthNode kNodes[] = {
    {309, 82, 0, 0, u8"一の太刀", 0},
    {380, 80, 1, 0, u8"奥義・一閃", 2},
    {462, 69, 2, 0, u8"歩・跳・守", 2},
    {110, 140, 0, 10, u8"二の太刀", 0},
    {30, 205, 1, 15, u8"一閃", 2},
    {580, 155, 2, 20, u8"踏み込み", 2},
    {600, 69, 2, 20, "", 4},
    {605, 117, 2, 20, "", 4},
    {308, 152, 0, 25, u8"下段払い", 1},
    {217, 210, 0, 30, u8"逆袈裟", 0},
    {171, 342, 0, 35, u8"突進突き", 1},
    {101, 278, 0, 40, u8"飛燕斬り", 0},
    {319, 263, 1, 45, u8"乱れ桜", 1},
    {451, 153, 0, 50, u8"昇り斬り", 3},
    {448, 310, 0, 55, u8"燕返し", 1},
    {128, 429, 0, 60, u8"兜割り", 0},
    {44, 417, 1, 65, u8"乱れ桜", 2},
    {534, 236, 1, 70, u8"乱れ桜", 1},
    {544, 420, 1, 75, u8"乱れ桜", 1},
    {330, 420, 0, 80, u8"旋風斬り", 1},
    {214, 419, 1, 85, u8"天翔", 5},
    {172, 448, 1, 85, u8"終の太刀", 1},
};
static const int kNodeCount = sizeof kNodes / sizeof kNodes[0];

// Which cut leads to which (indices into kNodes).
static const int kEdges[][2] = {{0, 1},   {0, 3},   {3, 4},   {3, 11}, {11, 16}, {11, 15}, {0, 8},
                                {8, 9},   {9, 12},  {9, 10},  {0, 13}, {13, 17}, {13, 14}, {14, 18},
                                {14, 19}, {19, 20}, {20, 21}, {2, 6},  {6, 7},   {7, 5}};

static const Rgb kTypeColour[3] = {Hex(0x8C2216), Hex(0x7E5C1E), Hex(0x1E5E50)};

static void Centre(const GrowthNode& n, double* cx, double* cy) {
    *cx = n.x + 16;
    *cy = n.y + 16;
}

static void DrawLabel(cairo_t* cr, const GrowthNode& n) {
    if (n.place == 4) return;
    double cx, cy;
    Centre(n, &cx, &cy);
    char lv[16] = "";
    if (n.level) snprintf(lv, sizeof lv, " %d", n.level);
    const double ns = 13, ls = 11;
    double w = TextWidth(cr, n.name, ns) + (n.level ? TextWidth(cr, lv, ls) : 0);
    double x = 0, y = 0;
    switch (n.place) {
        case 0:
            x = cx - 18 - w, y = cy - 7;
            break;
        case 1:
            x = cx + 18, y = cy - 7;
            break;
        case 2:
            x = cx - w / 2, y = cy + 17;
            break;
        case 3:
            x = cx + 16, y = cy - 30;
            break;
        case 5:
            x = cx - w / 2, y = cy - 32;
            break;
    }
    // A paper patch under the label keeps it clear of the brush lines.
    SetColor(cr, kWashi, 0.85);
    cairo_rectangle(cr, x - 2, y - 1, w + 4, ns + 3);
    cairo_fill(cr);
    double adv = DrawText(cr, n.name, x, y, ns, kInk);
    if (n.level) DrawText(cr, lv, x + adv, y + 2, ls, kVermilion);
}

static void DrawGrowthChart(ArtCanvas& c) {
    cairo_t* cr = c.cr;
    // Scroll: mounting, paper, rollers.
    FillRect(cr, 2, 56, 636, 422, Hex(0x4A2E1E));
    Washi(cr, 8, 60, 624, 414, 227);
    StrokeRect(cr, 8, 60, 624, 414, Hex(0xB89A66), 1);
    // Faint mountains behind the tree, like a painted ground.
    cairo_save(cr);
    cairo_push_group(cr);
    InkLandscape(cr, 8, 300, 624, 174, 227);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.22);
    cairo_restore(cr);

    OutlinedText(cr, u8"修行の道", 18, 64, 22, kInk, kWashi, 1.0);
    const char* legend[3] = {u8"太刀", u8"奥義", u8"身のこなし"};
    for (int t = 0; t < 3; t++) {
        FillCircle(cr, 24, 101 + 15 * t, 5, kTypeColour[t]);
        DrawText(cr, legend[t], 34, 94 + 15 * t, 12, Hex(0x3A2E24));
    }

    // Brush lines between the arts.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (auto& e : kEdges) {
        double ax, ay, bx, by;
        Centre(kNodes[e[0]], &ax, &ay);
        Centre(kNodes[e[1]], &bx, &by);
        SetColor(cr, Hex(0x3A2E24), 0.85);
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
        cairo_stroke(cr);
    }
    // Sockets: empty rings until the page's dots light them.
    for (int i = 0; i < kNodeCount; i++) {
        double cx, cy;
        Centre(kNodes[i], &cx, &cy);
        FillCircle(cr, cx, cy, 12, kTypeColour[kNodes[i].type]);
        FillCircle(cr, cx, cy, 9.5, kWashiDark);
        FillCircle(cr, cx, cy, 4, Hex(0xB8A880));
    }
    for (int i = 0; i < kNodeCount; i++) DrawLabel(cr, kNodes[i]);
    // Under the hint switch (248, 311): which keys turn it.
    DrawTextCentered(cr, u8"↑ 表示　↓ 非表示", 248, 344, 160, 16, 12, Hex(0x3A2E24));
    c.Cell(0, 0, 640, 480, "growth chart");
}

ART_PICTURE("AE00227", 640, 480, DrawGrowthChart, "growth chart (menu page 2)");
