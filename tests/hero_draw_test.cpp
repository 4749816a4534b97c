// Drawing the heroine: the body sheet by costume, the clash spark's four frames, the
// sword, the big hit counter with its quirks, the hint strip and the damage number.
#include "panel_test_pictures.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world/status_panel.h"

namespace {

using paneltest::DamageDigitColour;
using paneltest::Rgb;
using paneltest::Sheet;

constexpr uint32_t kSpark = 0xFFF0F000;
constexpr uint32_t kSword = 0xFF00F0F0;
constexpr uint32_t kBodies[3] = {0xFFE00000, 0xFF00E000, 0xFF0000E0};  // costumes 0, 1, 2

uint32_t BigDigitColour(int d) {
    return 0xFF000000u | uint32_t(20 + 20 * d) << 16 | uint32_t(240 - 20 * d) << 8 | 0x80u;
}

// Sheet 1: the ten big digits, the eight spark cells and the first slash's cell.
Sheet EffectSheet() {
    Sheet s(1024, 1024, paneltest::kMagenta);
    for (int d = 0; d <= 9; ++d) {
        const int x = d == 0 ? 576 : 64 * (d - 1);
        s.Fill(x, 256, x + 64, 384, BigDigitColour(d));
    }
    s.Fill(640, 128, 896, 256, kSpark);
    s.Fill(0, 128, 128, 178, kSword);
    return s;
}

Sheet HintSheet() {
    Sheet s(1024, 1024, paneltest::kMagenta);
    for (int k = 0; k < 9; ++k)
        s.Fill(704, 32 * k, 1024, 32 * k + 32, 0xFF000000u | uint32_t(30 * k + 10) << 8);
    return s;
}

Sheet DamageSheet() {
    Sheet s(1024, 1024, paneltest::kMagenta);
    for (int k = 0; k < 10; ++k) s.Fill(32 * k, 192, 32 * k + 16, 224, DamageDigitColour(k));
    return s;
}

class HeroDrawing : public paneltest::PictureDevice {
protected:
    void SetUp() override {
        PictureDevice::SetUp();
        for (int c = 0; c < 3; ++c) bodies[c] = Load(Sheet(512, 512, kBodies[c]));
        g_HeroSheet[0] = bodies[0];
        g_HeroSheet[2] = bodies[1];
        g_HeroSheet[3] = bodies[2];
        g_HeroSheet[1] = Load(EffectSheet());
        g_InnShopTex = Load(HintSheet());
        g_PanelSheet = Load(DamageSheet());
        ScrollX = -64;
        EventActive = 0;
        KeyHeld = 0;
        ResetStatusPanel();
        ResetHeroForNewGame();
        Hero.costume = 0;  // a new game keeps the costume of the last; these tests start in the first
        HitCountOn = 0;
        video_Clear(0xFF000000u);
    }
    void TearDown() override {
        for (TextureSlot* t : {&g_HeroSheet[0], &g_HeroSheet[1], &g_HeroSheet[2], &g_HeroSheet[3],
                               &g_InnShopTex, &g_PanelSheet})
            *t = nullptr;
        HitCountOn = 0;
        HitCountTimer = 0;
        HitCount = 0;
        PictureDevice::TearDown();
    }
    // Draws once on a black screen and reads it back.
    void DrawOnce() {
        video_Clear(0xFF000000u);
        DrawHero();
        Read();
    }
    // The colour at (x, y) is c drawn with this alpha over black (a channel or two off).
    bool Shows(int x, int y, uint32_t c, int alpha = 255) const {
        const uint32_t got = At(x, y), want = Rgb(c);
        for (int shift : {16, 8, 0}) {
            const int g = (got >> shift) & 0xFF, w = ((want >> shift) & 0xFF) * alpha / 255;
            if (g - w > 3 || w - g > 3) return false;
        }
        return true;
    }
    TextureSlot bodies[3];
};

TEST_F(HeroDrawing, TheBodyUsesTheSheetOfHerCostume) {
    const struct {
        int32_t costume;
        uint32_t colour;
    } cases[] = {{0, kBodies[0]}, {1, kBodies[1]}, {2, kBodies[2]}, {5, kBodies[1]}};
    for (const auto& c : cases) {
        Hero.costume = c.costume;
        DrawOnce();
        EXPECT_TRUE(Shows(332, 320, c.colour)) << "costume " << c.costume << " " << std::hex << At(332, 320);
    }
}

TEST_F(HeroDrawing, TheSparkShowsOnFourFramesAtItsWorldPlace) {
    g_HeroSheet[0] = nullptr;  // no body in the way
    StartHeroClash(400);       // screen x 336 at ScrollX -64
    Hero.effectY[3] = 100;
    int shown = 0;
    for (int f = 0; f < 6; ++f) {
        DrawOnce();
        if (Shows(368, 132, kSpark)) ++shown;
    }
    EXPECT_EQ(shown, 4);
    EXPECT_EQ(Hero.effectOn[3], 0);
    EXPECT_EQ(Hero.effectTimer[3], 0);
}

TEST_F(HeroDrawing, TheLiveSwordIsDrawnOverTheBody) {
    Hero.level = 50;
    Hero.stamina = 500;
    Hero.state = HERO_COMBO;
    Hero.comboMove = 0;
    Hero.effectTimer[0] = 32;
    UpdateHero();
    ASSERT_EQ(Hero.effectOn[0], 1);
    DrawOnce();
    // The slash lies at (324, 303), 128 x 50, alpha 100, over the body at (300, 288).
    EXPECT_FALSE(Shows(340, 320, kBodies[0]));
    EXPECT_TRUE(Shows(440, 320, kSword, 100));
    Hero.effectOn[0] = 0;
    DrawOnce();
    EXPECT_TRUE(Shows(340, 320, kBodies[0]));
    EXPECT_TRUE(Shows(440, 320, 0xFF000000));
}

TEST_F(HeroDrawing, BigNumbersDrawThreePlacesAndRepeatTheLastCellFromAThousand) {
    g_HeroSheet[0] = nullptr;
    struct Case {
        int32_t value;
        int cells[3];  // digit shown at x, x + 64, x + 128; -1 for nothing
    } cases[] = {
        {7, {-1, -1, 7}}, {42, {-1, 4, 2}}, {105, {1, 0, 5}}, {-3, {-1, -1, 0}}, {1234, {0, 3, 4}},
    };
    for (const Case& c : cases) {
        video_Clear(0xFF000000u);
        DrawBigNumber(c.value, 10, 30);
        Read();
        for (int i = 0; i < 3; ++i) {
            const int x = 10 + 64 * i + 32;
            const uint32_t want = c.cells[i] < 0 ? 0xFF000000 : BigDigitColour(c.cells[i]);
            EXPECT_TRUE(Shows(x, 94, want, 200))
                << "value " << c.value << " place " << i << " " << std::hex << At(x, 94);
        }
    }
}

TEST_F(HeroDrawing, TheHitCounterShowsWithItsOptionAndClearsAfterSixtyFrames) {
    g_HeroSheet[0] = nullptr;
    HitCount = 3;
    HitCountTimer = 60;
    DrawOnce();
    EXPECT_TRUE(Shows(170, 94, 0xFF000000)) << "hidden without the option";
    EXPECT_EQ(HitCountTimer, 59);

    HitCountOn = 1;
    for (int f = 0; f < 58; ++f) DrawOnce();
    EXPECT_TRUE(Shows(170, 94, BigDigitColour(3), 200));
    EXPECT_EQ(HitCount, 3);
    DrawOnce();
    EXPECT_EQ(HitCountTimer, 0);
    EXPECT_EQ(HitCount, 0);
    EXPECT_TRUE(Shows(170, 94, 0xFF000000));
}

TEST_F(HeroDrawing, TheHintStripNeedsTheHintOption) {
    g_HeroSheet[0] = nullptr;
    Hero.level = 30;
    Hero.stamina = 300;
    Hero.gauge = 150;
    Hero.state = HERO_COMBO;
    Hero.effectTimer[0] = 50;
    UpdateHero();
    ASSERT_EQ(Hero.effectOn[2], 1);
    DrawOnce();
    EXPECT_TRUE(Shows(160, 368, 0xFF000000u | (30 * 3 + 10) << 8)) << "strip 3";
    Hero.hintOption = 0;
    DrawOnce();
    EXPECT_TRUE(Shows(160, 368, 0xFF000000));
}

TEST_F(HeroDrawing, TheDamageNumberShowsWhileTheHitTimerRuns) {
    g_HeroSheet[0] = nullptr;
    HarmHero(Hero.defence + 7);
    DrawOnce();
    // Ones place of five at the hit rectangle's corner (329, 319): x 393.
    EXPECT_TRUE(Shows(397, 335, DamageDigitColour(7)));
    Hero.hitTimer = 0;
    DrawOnce();
    EXPECT_TRUE(Shows(397, 335, 0xFF000000));
}

}  // namespace
