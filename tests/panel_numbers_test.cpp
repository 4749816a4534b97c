// The panel and damage number drawings: which cell each position shows, and where the
// glyphs land on screen.
#include "app/modes.h"
#include "panel_test_pictures.h"
#include "render/game_textures.h"
#include "world/numbers.h"
#include "world/status_panel.h"

namespace {

using paneltest::DamageDigitColour;
using paneltest::PanelDigitColour;
using paneltest::Rgb;
using paneltest::Sheet;

constexpr int B = NUMBER_BLANK;
constexpr int O = NUMBER_OVERFLOW;

struct LayoutCase {
    int32_t value;
    int positions;
    int32_t cells[7];
};

TEST(PanelNumbers, LayoutDropsLeadingZerosOnlyAndFlagsOverflow) {
    const LayoutCase cases[] = {
        {0, 7, {B, B, B, B, B, B, 0}},
        {7, 7, {B, B, B, B, B, B, 7}},
        {1645, 7, {B, B, B, 1, 6, 4, 5}},
        {1000005, 7, {1, 0, 0, 0, 0, 0, 5}},  // zeros after the first digit are drawn
        {9999999, 7, {9, 9, 9, 9, 9, 9, 9}},
        {10000000, 7, {O, O, O, O, O, O, O}},
        {INT32_MAX, 7, {O, O, O, O, O, O, O}},
        {-1, 7, {B, B, B, B, B, B, 0}},  // a debt shows as 0
        {-500, 7, {B, B, B, B, B, B, 0}},
        {INT32_MIN, 7, {B, B, B, B, B, B, 0}},
        {0, 5, {B, B, B, B, 0}},
        {9999, 5, {B, 9, 9, 9, 9}},
        {99999, 5, {9, 9, 9, 9, 9}},
        {100000, 5, {O, O, O, O, O}},
        {-3, 5, {B, B, B, B, 0}},
    };
    for (const LayoutCase& c : cases) {
        int32_t got[7];
        LayoutNumber(c.value, c.positions, got);
        for (int i = 0; i < c.positions; ++i) {
            EXPECT_EQ(got[i], c.cells[i]) << "value " << c.value << " position " << i;
        }
    }
}

// A sheet whose digit cells hold a 10-pixel (panel) or 16-pixel (damage) block of their
// own colour at their left edge; everything else is transparent.
Sheet DigitSheet() {
    Sheet s(1024, 1024, paneltest::kMagenta);
    for (int k = 0; k < 14; ++k) s.Fill(32 * k, 128, 32 * k + 10, 160, PanelDigitColour(k));
    for (int k = 0; k < 10; ++k) s.Fill(32 * k, 192, 32 * k + 16, 224, DamageDigitColour(k));
    return s;
}

class NumberDrawing : public paneltest::PictureDevice {
protected:
    void SetUp() override {
        PictureDevice::SetUp();
        g_PanelSheet = Load(DigitSheet());
        ResetStatusPanel();
        video_Clear(0xFF000000u);
    }
    void TearDown() override {
        g_PanelSheet = nullptr;
        PictureDevice::TearDown();
    }
    // The colour at the middle of each position's glyph block, left to right.
    std::vector<uint32_t> Row(int x, int step, int count, int y) {
        std::vector<uint32_t> out;
        for (int i = 0; i < count; ++i) out.push_back(At(x + step * i + 4, y));
        return out;
    }
};

TEST_F(NumberDrawing, PanelZeroIsOneDigitAtTheOnesPosition) {
    DrawPanelNumber(0, 95, 390);
    Read();
    std::vector<uint32_t> want(7, 0);
    want[6] = Rgb(PanelDigitColour(0));  // x 155
    EXPECT_EQ(Row(95, 10, 7, 406), want);
    EXPECT_EQ(At(160, 406), Rgb(PanelDigitColour(0)));
    EXPECT_EQ(At(155 + 4, 388), 0u) << "nothing above the glyph row";
}

TEST_F(NumberDrawing, PanelDigitsSitTenPixelsApart) {
    DrawPanelNumber(1645, 95, 390);
    Read();
    const std::vector<uint32_t> want = {0,
                                        0,
                                        0,
                                        Rgb(PanelDigitColour(1)),
                                        Rgb(PanelDigitColour(6)),
                                        Rgb(PanelDigitColour(4)),
                                        Rgb(PanelDigitColour(5))};
    EXPECT_EQ(Row(95, 10, 7, 406), want);  // digits at 125, 135, 145 and 155
    EXPECT_EQ(At(124, 406), 0u);
}

TEST_F(NumberDrawing, PanelOverflowFillsAllSevenPositions) {
    DrawPanelNumber(12345678, 10, 100);
    Read();
    EXPECT_EQ(Row(10, 10, 7, 116), std::vector<uint32_t>(7, Rgb(PanelDigitColour(O))));
}

TEST_F(NumberDrawing, DamageDigitsSitSixteenPixelsApartFromTheirOwnRow) {
    DrawDamageNumber(9020, 200, 50);
    Read();
    const std::vector<uint32_t> want = {0, Rgb(DamageDigitColour(9)), Rgb(DamageDigitColour(0)),
                                        Rgb(DamageDigitColour(2)), Rgb(DamageDigitColour(0))};
    EXPECT_EQ(Row(200, 16, 5, 66), want);  // 216, 232, 248, 264
}

TEST_F(NumberDrawing, DamageOverflowUsesThePanelRowsSign) {
    DrawDamageNumber(100000, 0, 0);
    DrawDamageNumber(-20, 300, 0);
    Read();
    EXPECT_EQ(Row(0, 16, 5, 16), std::vector<uint32_t>(5, Rgb(PanelDigitColour(O))));
    EXPECT_EQ(Row(300, 16, 5, 16), (std::vector<uint32_t>{0, 0, 0, 0, Rgb(DamageDigitColour(0))}));
}

}  // namespace
