// Drawing the regular enemies: the cell of their pose (mirrored facing left), the damage
// number while a live enemy is hurt, and the thrower's knife only while it is on screen.
#include "enemies/enemies.h"
#include "panel_test_pictures.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/status_panel.h"

namespace {

using paneltest::Rgb;
using paneltest::Sheet;

// Left and right halves of enemy-sheet cell (c, r) have colours of their own.
uint32_t CellColour(int c, int r, bool rightHalf) {
    return 0xFF000000u | uint32_t(20 + 28 * c) << 16 | uint32_t(20 + 28 * r) << 8 |
           (rightHalf ? 0xC0u : 0x40u);
}

class EnemyDrawing : public paneltest::PictureDevice {
protected:
    void SetUp() override {
        PictureDevice::SetUp();
        Sheet enemies(512, 512, paneltest::kMagenta);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                enemies.Fill(64 * c, 64 * r, 64 * c + 32, 64 * r + 64, CellColour(c, r, false));
                enemies.Fill(64 * c + 32, 64 * r, 64 * c + 64, 64 * r + 64, CellColour(c, r, true));
            }
        Sheet panel(1024, 1024, paneltest::kMagenta);
        for (int k = 0; k < 10; ++k)
            panel.Fill(32 * k, 192, 32 * k + 32, 224, paneltest::DamageDigitColour(k));
        g_EnemySheet = Load(enemies);
        g_PanelSheet = Load(panel);
        ResetStatusPanel();  // the digit quad of the damage numbers
        ResetGrids();
        ScrollX = 0;
        ResetHeroForNewGame();
    }
    void TearDown() override {
        // The pictures are the fixture's own: the slots give them back before the release.
        g_EnemySheet = nullptr;
        g_PanelSheet = nullptr;
        PictureDevice::TearDown();
    }
    void Frame(int kind, Actor* a) {
        video_Clear(0xFF000000);
        DrawEnemy(kind, a);
        Read();
    }
    Actor* Defeated(int facing) {
        Actor* a = EnemySlot(1, 0);
        SpawnEnemy(1, a);
        a->x = 300;
        a->y = 288;
        a->life = LIFE_DEFEATED;
        a->facing = facing;
        UpdateEnemy(1, a);  // shows its defeated cell (7, 0)
        return a;
    }
};

TEST_F(EnemyDrawing, TheBodyShowsItsCellAndFacingLeftMirrorsIt) {
    // Kind 1's rectangle starts 22 pixels into its body: the body spans x 278-341.
    Actor* a = Defeated(FACING_RIGHT);
    Frame(1, a);
    EXPECT_EQ(At(294, 320), Rgb(CellColour(7, 0, false)));
    EXPECT_EQ(At(326, 320), Rgb(CellColour(7, 0, true)));
    a = Defeated(FACING_LEFT);
    Frame(1, a);
    EXPECT_EQ(At(294, 320), Rgb(CellColour(7, 0, true)));
    EXPECT_EQ(At(326, 320), Rgb(CellColour(7, 0, false)));
}

TEST_F(EnemyDrawing, AHurtLiveEnemyShowsItsDamageAtItsRectangle) {
    Actor* a = Defeated(FACING_RIGHT);
    a->hitTimer = 5;
    a->lastDamage = 7;
    Frame(1, a);  // defeated: no number
    EXPECT_NE(At(300 + 64 + 8, 291 + 8), Rgb(paneltest::DamageDigitColour(7)));
    a->life = LIFE_ALIVE;
    Frame(1, a);
    EXPECT_EQ(At(300 + 64 + 8, 291 + 8), Rgb(paneltest::DamageDigitColour(7)));  // the ones digit
    EXPECT_NE(At(300 + 48 + 8, 291 + 8), Rgb(paneltest::DamageDigitColour(0)));  // no leading zero
}

TEST_F(EnemyDrawing, TheKnifeShowsOnlyOnScreenAndWhileItsThrowerStands) {
    Actor* a = EnemySlot(5, 0);
    SpawnEnemy(5, a);
    a->x = 3000;  // the thrower itself far off screen
    a->y = 288;
    a->life = LIFE_ALIVE;
    a->facing = FACING_RIGHT;
    a->effectOn[0] = 1;
    a->effect[0] = SpriteQuad{};
    InitQuad(&a->effect[0], 64, 16, 200);
    SetQuadColorAlpha(&a->effect[0], 255, 255, 255, 255);
    SetQuadUV(&a->effect[0], 0, 1 / 8.0f, 6 / 8.0f, 7 / 8.0f);
    PlaceQuad(&a->effect[0], 100, 100);
    PlaceHitRect(&a->hitRect, a->x, a->y + 3);
    Frame(5, a);
    EXPECT_EQ(At(110, 108), Rgb(CellColour(0, 6, false)));
    PlaceQuad(&a->effect[0], 0, 100);  // its left corner must lie right of x 0
    Frame(5, a);
    EXPECT_EQ(At(10, 108), 0u);
    PlaceQuad(&a->effect[0], 100, 100);
    a->life = LIFE_DEFEATED;
    Frame(5, a);
    EXPECT_EQ(At(110, 108), 0u);
}

}  // namespace
