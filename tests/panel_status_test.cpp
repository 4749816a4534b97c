// The status panel: its reset, the bars, the money and the sliding level-up banner, the
// faces, and where each part lands on screen.
#include "app/modes.h"
#include "panel_test_pictures.h"
#include "player/hero.h"
#include "render/face.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world/status_panel.h"

namespace {

using paneltest::FaceColour;
using paneltest::PanelDigitColour;
using paneltest::Rgb;
using paneltest::Sheet;

constexpr uint32_t kBack = 0xFF404040;
constexpr uint32_t kLabel = 0xFF806020;
constexpr uint32_t kGauge = 0xFF20A0E0;
constexpr uint32_t kMoney = 0xFFC0C000;
constexpr uint32_t kBanner = 0xFF00C0C0;

// The panel sheet's rectangles, each painted in its own colour. The money label is
// painted over its left 32 pixels only, so the digits under the rest show through.
Sheet PanelSheet() {
    Sheet s(1024, 1024, paneltest::kMagenta);
    s.Fill(0, 0, 640, 96, kBack);
    for (int k = 0; k < 14; ++k) s.Fill(32 * k, 128, 32 * k + 10, 160, PanelDigitColour(k));
    s.Fill(480, 128, 672, 160, kLabel);
    s.Fill(672, 0, 704, 32, 0xFFFFFFFF);  // stamina bar
    s.Fill(736, 0, 768, 32, kGauge);
    s.Fill(864, 832, 896, 864, kMoney);
    s.Fill(864, 800, 992, 832, kBanner);
    return s;
}

Sheet FaceSheet() {
    Sheet s(1024, 1024, paneltest::kMagenta);
    for (int cell = 0; cell < 90; ++cell) {
        const int x = 96 * (cell % 10), y = 96 * (cell / 10);
        s.Fill(x, y, x + 96, y + 96, FaceColour(cell));
    }
    return s;
}

class Panel : public paneltest::PictureDevice {
protected:
    void SetUp() override {
        PictureDevice::SetUp();
        ResetRunToNewGame();
        g_PanelSheet = Load(PanelSheet());
        g_PanelFaceSheet = Load(FaceSheet());
        ResetStatusPanel();
        video_Clear(0xFF000000u);
    }
    void TearDown() override {
        g_PanelSheet = nullptr;
        g_PanelFaceSheet = nullptr;
        BossFight = 0;
        ResetRunToNewGame();
        PictureDevice::TearDown();
    }
    void Draw() {
        DrawStatusPanel();
        Read();
    }
    static float Left(const SpriteQuad& q) { return q.v[0].x; }
    static float Width(const SpriteQuad& q) { return q.v[2].x - q.v[0].x; }
};

TEST(PanelBars, StaminaAndGaugeLengths) {
    struct Case {
        int32_t stamina, level;
        float width;
    } cases[] = {
        {9, 5, 27}, {10, 5, 30}, {50, 5, 150}, {0, 5, 0}, {1, 200, 0.075f}, {-4, 5, 0}, {10, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(StaminaBarWidth(c.stamina, c.level), c.width) << c.stamina << " at level " << c.level;
    }
    EXPECT_FLOAT_EQ(GaugeBarWidth(150), 150);
    EXPECT_FLOAT_EQ(GaugeBarWidth(37), 37);
    EXPECT_FLOAT_EQ(GaugeBarWidth(-1), 0);
}

TEST_F(Panel, ResetPlacesTheQuadsAndClearsBannerMenuValueAndTalks) {
    StatusPanel.bannerTimer = 20;
    StatusPanel.menuValue = 7;
    TalkSlot[0] = TalkSlot[9] = 1;
    PlaceQuad(&StatusPanel.face, 10, 10);
    ResetStatusPanel();
    EXPECT_EQ(StatusPanel.bannerTimer, 0);
    EXPECT_EQ(StatusPanel.menuValue, 0);
    for (uint8_t t : TalkSlot) EXPECT_EQ(t, 0);
    EXPECT_EQ(Left(StatusPanel.face), 0);
    EXPECT_EQ(StatusPanel.face.v[0].y, 384);
    EXPECT_EQ(Left(StatusPanel.bossFace), 544);
    EXPECT_EQ(Width(StatusPanel.bossFace), 96);
    EXPECT_EQ(Left(StatusPanel.moneyLabel), 340);
    EXPECT_EQ(Width(StatusPanel.moneyLabel), 128);
    EXPECT_EQ(Width(StatusPanel.staminaBar), 0);
    EXPECT_EQ(StatusPanel.staminaBar.v[2].y, 32);
    EXPECT_EQ(Width(StatusPanel.menuBackground), 640);
    EXPECT_EQ(StatusPanel.menuBackground.v[2].y, 480);
}

TEST_F(Panel, HitPointsSlashAndMaximumLandInTheTopRow) {
    Hero.hp = 0;
    Hero.maxHp = 1645;
    Draw();
    EXPECT_EQ(At(150, 406), Rgb(kBack));
    EXPECT_EQ(At(159, 406), Rgb(PanelDigitColour(0)));   // hp 0 at x 155
    EXPECT_EQ(At(191, 406), Rgb(PanelDigitColour(10)));  // the slash at x 187
    const int maxDigits[] = {1, 6, 4, 5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(At(246 + 10 * i + 4, 406), Rgb(PanelDigitColour(maxDigits[i]))) << i;  // 246..276
    }
    EXPECT_EQ(At(240, 406), Rgb(kBack));
}

TEST_F(Panel, LowStaminaBarIsGreyAndFullStaminaWhite) {
    Hero.level = 5;
    Hero.stamina = 9;
    Hero.gauge = 150;
    Draw();
    EXPECT_EQ(At(142, 450), 0x646464u);
    EXPECT_EQ(At(168, 450), 0x646464u);  // 27 pixels: 142..168
    EXPECT_EQ(At(169, 450), Rgb(kLabel));
    EXPECT_EQ(At(142, 466), Rgb(kGauge));
    EXPECT_EQ(At(291, 466), Rgb(kGauge));  // 150 pixels: 142..291
    EXPECT_EQ(At(292, 466), Rgb(kLabel));
    EXPECT_EQ(At(142, 470), Rgb(kGauge)) << "bars are 16 pixels high";
    EXPECT_EQ(At(142, 477), Rgb(kBack)) << "the bars end at the label strip's foot";

    Hero.stamina = 10;
    Hero.gauge = 0;
    Draw();
    EXPECT_EQ(At(171, 450), 0xFFFFFFu);  // 30 pixels: 142..171
    EXPECT_EQ(At(172, 450), Rgb(kLabel));
    EXPECT_EQ(At(142, 466), Rgb(kLabel));
}

TEST_F(Panel, MoneyDigitsShowBesideItsLabel) {
    Hero.money = 3000;
    Draw();
    EXPECT_EQ(At(345, 450), Rgb(kMoney));
    // 3000 is four digits: positions 402, 412, 422, 432.
    EXPECT_EQ(At(396, 460), Rgb(kBack));
    const int digits[] = {3, 0, 0, 0};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(At(406 + 10 * i, 460), Rgb(PanelDigitColour(digits[i]))) << i;

    Hero.money = -500;  // a stay at an inn she could not afford
    Draw();
    EXPECT_EQ(At(436, 460), Rgb(PanelDigitColour(0)));
    EXPECT_EQ(At(426, 460), Rgb(kBack));
}

TEST_F(Panel, LevelUpBannerSlidesLeftAndFadesOverFiftyOneFrames) {
    Hero.money = 3000000;  // its first digit at x 372, left of where the banner starts
    StartLevelUpBanner();
    EXPECT_EQ(StatusPanel.bannerKind, BANNER_LEVEL_UP);
    Draw();
    EXPECT_EQ(Left(StatusPanel.moneyLabel), 391);
    EXPECT_EQ(StatusPanel.moneyLabel.v[0].diffuse, 0xFFFFFFFFu);  // alpha 51 x 5
    EXPECT_EQ(At(392, 460), Rgb(kBanner));
    EXPECT_EQ(At(390, 460), Rgb(kBack));
    EXPECT_EQ(At(376, 460), Rgb(kBack)) << "the banner is drawn in place of the money";
    for (int frame = 2; frame <= 51; ++frame) DrawStatusPanel();
    EXPECT_EQ(Left(StatusPanel.moneyLabel), 341);
    EXPECT_EQ(StatusPanel.moneyLabel.v[0].diffuse, 0x05FFFFFFu);
    EXPECT_EQ(StatusPanel.bannerTimer, 0);
    // The money comes back opaque, and its label stays where the banner ended.
    Draw();
    EXPECT_EQ(Left(StatusPanel.moneyLabel), 341);
    EXPECT_EQ(StatusPanel.moneyLabel.v[0].diffuse, 0xFFFFFFFFu);
    EXPECT_EQ(At(376, 460), Rgb(PanelDigitColour(3)));
    EXPECT_EQ(At(436, 460), Rgb(PanelDigitColour(0)));
    ResetStatusPanel();
    EXPECT_EQ(Left(StatusPanel.moneyLabel), 340);
}

TEST_F(Panel, BannerRunsWhileTheWorldIsStopped) {
    EventActive = 1;
    StartLevelUpBanner();
    for (int i = 0; i < 10; ++i) DrawStatusPanel();
    EXPECT_EQ(StatusPanel.bannerTimer, 41);
    EventActive = 0;
}

TEST_F(Panel, BossFaceOnlyDuringAFight) {
    SelectFaceCell(&StatusPanel.face, 21);
    SelectFaceCell(&StatusPanel.bossFace, 89);
    Draw();
    EXPECT_EQ(At(48, 432), Rgb(FaceColour(21)));
    EXPECT_EQ(At(592, 432), Rgb(kBack));
    BossFight = 1;
    Draw();
    EXPECT_EQ(At(592, 432), Rgb(FaceColour(89)));
    EXPECT_EQ(At(545, 385), Rgb(FaceColour(89)));
    EXPECT_EQ(At(543, 432), Rgb(kBack));
}

}  // namespace
