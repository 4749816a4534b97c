// The character pictures as the game cuts them: every body cell holds a figure that keeps
// clear of its neighbours, standing poses stand on the ground, pictures the game turns
// upside down read the same both ways, the spinning card changes when mirrored, and the
// portraits the status panel swaps between are told apart.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/common/picture.h"
#include "tools/art/characters/hero_cells.h"
#include "tools/art/characters/hero_effects.h"
#include "tools/art/characters/townsfolk_cells.h"

namespace {

Picture Load(const char* name) {
    std::string path = std::string(MIRAVEL_BUILD_DIR) + "/DATA/" + name + ".xml";
    Picture pic;
    std::vector<uint8_t> bytes;
    char err[200] = "";
    EXPECT_EQ(access(path.c_str(), R_OK), 0) << path << ": the build draws the pictures first";
    if (!ReadWholeFile(path.c_str(), &bytes, err, sizeof err)) return pic;
    EXPECT_TRUE(DecodePicture(bytes.data(), bytes.size(), 0xFFFF00FFu, &pic, err, sizeof err)) << err;
    return pic;
}

bool Opaque(const Picture& p, int x, int y) {
    return (p.argb[size_t(y) * p.width + x] >> 24) != 0;
}

struct Box {
    int x, y, w, h;
};

int CountOpaque(const Picture& p, Box b) {
    int n = 0;
    for (int y = b.y; y < b.y + b.h; y++)
        for (int x = b.x; x < b.x + b.w; x++) n += Opaque(p, x, y);
    return n;
}

// Opaque texels on the cell's left column, right column, top row and bottom row.
struct Edges {
    int left = 0, right = 0, top = 0, bottom = 0;
};

Edges EdgesOf(const Picture& p, Box b) {
    Edges e;
    for (int y = b.y; y < b.y + b.h; y++) e.left += Opaque(p, b.x, y), e.right += Opaque(p, b.x + b.w - 1, y);
    for (int x = b.x; x < b.x + b.w; x++) e.top += Opaque(p, x, b.y), e.bottom += Opaque(p, x, b.y + b.h - 1);
    return e;
}

// Share of opaque texels whose partner across the middle (top to bottom, or left to right)
// is opaque too.
double Symmetry(const Picture& p, Box b, bool vertical) {
    int both = 0, any = 0;
    for (int y = b.y; y < b.y + b.h; y++)
        for (int x = b.x; x < b.x + b.w; x++) {
            int mx = vertical ? x : b.x + b.w - 1 - (x - b.x);
            int my = vertical ? b.y + b.h - 1 - (y - b.y) : y;
            bool a = Opaque(p, x, y), m = Opaque(p, mx, my);
            any += a;
            both += a && m;
        }
    return any ? double(both) / any : 0;
}

int Differences(const Picture& p, Box a, Box b) {
    int n = 0;
    for (int y = 0; y < a.h; y++)
        for (int x = 0; x < a.w; x++)
            n += p.argb[size_t(a.y + y) * p.width + a.x + x] != p.argb[size_t(b.y + y) * p.width + b.x + x];
    return n;
}

Box Cell64(int i) {
    return {(i % 8) * 64, (i / 8) * 64, 64, 64};
}

TEST(ArtCharacters, HeroineCellsHoldFiguresClearOfTheirNeighbours) {
    // Grounded poses must reach the bottom row: the body quad's bottom is her feet.
    const int grounded[] = {kHeroStand,          kHeroWalk1,         kHeroWalk2,          kHeroGuard,
                            kHeroHurt,           kHeroDash,          HeroComboCell(0, 0), HeroComboCell(0, 1),
                            HeroComboCell(9, 1), kHeroSpecial0Strike};
    for (const char* sheet : {"AE00249", "AE00369", "AE00168"}) {
        Picture p = Load(sheet);
        ASSERT_EQ(p.width, 512) << sheet;
        ASSERT_EQ(p.height, 512) << sheet;
        for (int i = 0; i < 64; i++) {
            Box b = Cell64(i);
            EXPECT_GT(CountOpaque(p, b), 250) << sheet << " cell " << i << " holds no figure";
            Edges e = EdgesOf(p, b);
            EXPECT_EQ(e.left + e.right + e.top, 0) << sheet << " cell " << i << " is cut at its edge";
        }
        for (int i : grounded)
            EXPECT_GT(EdgesOf(p, Cell64(i)).bottom, 2) << sheet << " cell " << i << " floats";
        // The walk cycle must move: its three cells differ.
        EXPECT_GT(Differences(p, Cell64(kHeroStand), Cell64(kHeroWalk1)), 100) << sheet;
        EXPECT_GT(Differences(p, Cell64(kHeroWalk1), Cell64(kHeroWalk2)), 100) << sheet;
    }
}

TEST(ArtCharacters, SheetOneDigitsEffectsAndSwitch) {
    Picture p = Load("AE00345");
    ASSERT_EQ(p.width, 1024);
    ASSERT_EQ(p.height, 1024);
    for (int d = 0; d < 10; d++) {
        SheetRect r = BigDigit(d);
        Box b{r.x, r.y, r.w, r.h};
        EXPECT_GT(CountOpaque(p, b), 800) << "digit " << d;
        Edges e = EdgesOf(p, b);
        EXPECT_EQ(e.left + e.right, 0) << "digit " << d << " runs into the next one (drawn 64 px apart)";
        for (int k = 0; k < d; k++) {
            SheetRect q = BigDigit(k);
            EXPECT_GT(Differences(p, b, {q.x, q.y, q.w, q.h}), 300) << "digits " << k << " and " << d;
        }
    }
    // Combo move 0's slash turns upside down from its fourth frame, and the enemy slash of
    // kinds 4 and 6 strikes a second time upside down: both must read the same both ways.
    SheetRect m0 = kEffectCombo0;
    EXPECT_GT(Symmetry(p, {m0.x, m0.y, m0.w, m0.h}, true), 0.9);
    const SheetRect all[] = {kEffectCombo0,    kEffectCombo1,    kEffectCombo2,    kEffectCombo3a,
                             kEffectCombo3b,   kEffectCombo4a,   kEffectCombo4b,   kEffectCombo5,
                             kEffectCombo6,    kEffectCombo7,    kEffectCombo8,    kEffectCombo9,
                             kEffectSpecial0,  kEffectSpecial1,  kEffectSpecial2,  kEffectSpecial3a,
                             kEffectSpecial3b, kEffectSpecial3c, kEffectSpecial3d, kHitSwitchOn,
                             kHitSwitchOff};
    for (const SheetRect& r : all) {
        EXPECT_LE(r.x + r.w, 1024);
        EXPECT_LE(r.y + r.h, 1024);
        EXPECT_GT(CountOpaque(p, {r.x, r.y, r.w, r.h}), r.w * r.h / 20)
            << "picture at " << r.x << ", " << r.y;
        // Nothing may overlap the digit band or the switch.
        bool inDigits = r.y < 384 && r.y + r.h > 256 && r.x < 640;
        bool isSwitch = r.x == 640 && (r.y == 256 || r.y == 288);
        EXPECT_FALSE(inDigits && !isSwitch) << "picture at " << r.x << ", " << r.y;
    }
    for (int k = 0; k < 8; k++) {
        SheetRect r = EffectSpark(k);
        EXPECT_GT(CountOpaque(p, {r.x, r.y, r.w, r.h}), 200) << "spark " << k;
    }
    EXPECT_GT(Differences(p, {640, 256, 128, 32}, {640, 288, 128, 32}), 500)
        << "switch on and off look alike";
}

TEST(ArtCharacters, EnemySheetHoldsEveryCellTheKindsDraw) {
    Picture p = Load("AE00279");
    ASSERT_EQ(p.width, 512);
    // Cells the kinds draw: rows 0, 2 (2-7), 3, 4, 5, 7, the knife (0, 6).
    std::vector<int> cells;
    for (int c = 0; c < 8; c++) cells.push_back(c), cells.push_back(24 + c), cells.push_back(32 + c);
    for (int c = 0; c < 8; c++) cells.push_back(40 + c), cells.push_back(56 + c);
    for (int c = 2; c < 8; c++) cells.push_back(16 + c);
    for (int i : cells) {
        EXPECT_GT(CountOpaque(p, Cell64(i)), 150) << "enemy cell " << i;
        Edges e = EdgesOf(p, Cell64(i));
        if (i != 48) {
            EXPECT_EQ(e.left + e.right + e.top, 0) << "enemy cell " << i << " is cut at its edge";
        }
    }
    // Walking cells stand on the ground.
    for (int i : {0, 1, 2, 18, 19, 24, 25, 32, 33, 56, 57, 58})
        EXPECT_GT(EdgesOf(p, Cell64(i)).bottom, 2) << i;
    EXPECT_GT(CountOpaque(p, {0, 64, 128, 128}), 128 * 128 / 10) << "kind 1 strike";
    EXPECT_GT(Symmetry(p, {128, 64, 192, 64}, true), 0.9) << "the second strike shows this slash upside down";
    EXPECT_GT(CountOpaque(p, {320, 64, 192, 64}), 192 * 64 / 10) << "kind 3 strike";
}

TEST(ArtCharacters, TownsfolkCardSpinsAndSceneWalkStands) {
    Picture p = Load("AE00458");
    ASSERT_EQ(p.width, 512);
    for (int i = 0; i < 64; i++) {
        EXPECT_GT(CountOpaque(p, Cell64(i)), 100) << "townsfolk cell " << i;
    }
    EXPECT_LT(Symmetry(p, Cell64(kFolkCardSpin), false), 0.8) << "the spin mirrors this cell: it must change";
    for (int i : {kFolkMikoWalk0, kFolkMikoWalk1, kFolkMikoWalk2, kFolkElder, kFolkMerchant, kFolkTownsman}) {
        EXPECT_GT(EdgesOf(p, Cell64(i)).bottom, 2) << "townsfolk cell " << i << " floats";
    }
}

TEST(ArtCharacters, FaceSheetPortraitsFillTheirCellsAndPanelFacesDiffer) {
    Picture p = Load("AE00109");
    ASSERT_EQ(p.width, 1024);
    ASSERT_EQ(p.height, 1024);
    auto face = [](int n) { return Box{(n % 10) * 96, (n / 10) * 96, 96, 96}; };
    for (int n = 0; n < 90; n++) {
        EXPECT_GT(CountOpaque(p, face(n)), 96 * 96 * 9 / 10) << "face " << n;
    }
    // The panel swaps these pairs when the gauge fills; each pair must visibly change.
    const int pairs[3][2] = {{1, 2}, {9, 21}, {41, 62}};
    for (const auto& pr : pairs)
        EXPECT_GT(Differences(p, face(pr[0]), face(pr[1])), 1500) << pr[0] << "/" << pr[1];
}

}  // namespace
