// The status panel record, its reset and its drawing.
#include "world/status_panel.h"

#include "app/modes.h"
#include "player/hero.h"
#include "render/face.h"
#include "render/game_textures.h"
#include "world/map_state.h"
#include "world/numbers.h"
#include "world/run_state.h"

StatusPanelRecord StatusPanel;

// Game start: the panel face shows the first portrait until the heroine picks hers.
void InitPanelFaceQuad() {
    SelectFaceCell(&StatusPanel.face, 0);
}

void StartLevelUpBanner() {
    StatusPanel.bannerKind = BANNER_LEVEL_UP;
    StatusPanel.bannerTimer = LEVEL_UP_BANNER_FRAMES;
}

float StaminaBarWidth(int32_t stamina, int32_t level) {
    if (stamina <= 0 || level <= 0) return 0;
    return static_cast<float>(stamina) / (static_cast<float>(level) * 10.0f) * 150.0f;
}

float GaugeBarWidth(int32_t gauge) {
    return gauge > 0 ? static_cast<float>(gauge) : 0.0f;
}

static void InitPlaced(SpriteQuad* q, float w, float h, float x, float y) {
    InitQuad(q, w, h, 255);
    PlaceQuad(q, x, y);
}

void ResetStatusPanel() {
    StatusPanelRecord& p = StatusPanel;
    InitPlaced(&p.background, 640, 96, 0, 384);
    SetQuadUV(&p.background, 0, 0.625f, 0, 0.09375f);
    InitQuad(&p.glyph, 32, 32, 255);
    InitPlaced(&p.labelStrip, 192, 32, 110, 444);
    SetQuadUV(&p.labelStrip, 0.46875f, 0.65625f, 0.125f, 0.15625f);
    InitQuad(&p.staminaBar, 0, 32, 255);
    SetQuadUV(&p.staminaBar, 0.65625f, 0.6875f, 0, 0.03125f);
    InitQuad(&p.gaugeBar, 0, 32, 255);
    SetQuadUV(&p.gaugeBar, 0.71875f, 0.75f, 0, 0.03125f);
    InitQuad(&p.menuBackground, 640, 480, 255);
    InitQuad(&p.menuCursorWide, 128, 32, 255);
    InitQuad(&p.menuCursor, 32, 32, 255);
    InitQuad(&p.menuBoxWide, 640, 96, 255);
    InitQuad(&p.menuBox, 96, 96, 255);
    for (SpriteQuad& q : p.menuPictures) InitQuad(&q, 96, 96, 255);
    InitPlaced(&p.face, 96, 96, 0, 384);
    InitPlaced(&p.bossFace, 96, 96, 544, 384);
    InitPlaced(&p.moneyLabel, 128, 32, 340, 444);
    p.bannerTimer = 0;
    p.menuValue = 0;
    for (uint8_t& talk : TalkSlot) talk = 0;
}

static void DrawBars() {
    StatusPanelRecord& p = StatusPanel;
    // The size is set first: resizing makes a quad white again.
    ResizeQuad(&p.staminaBar, StaminaBarWidth(Hero.stamina, Hero.level), 16, 255);
    if (Hero.stamina < STAMINA_LOW) {
        SetQuadColor(&p.staminaBar, 100, 100, 100);
    } else {
        SetQuadColor(&p.staminaBar, 255, 255, 255);
    }
    ResizeQuad(&p.gaugeBar, GaugeBarWidth(Hero.gauge), 16, 255);
    PlaceQuad(&p.staminaBar, 142, 444);
    PlaceQuad(&p.gaugeBar, 142, 460);
    DrawQuad(&g_PanelSheet, &p.staminaBar);
    DrawQuad(&g_PanelSheet, &p.gaugeBar);
}

// The money, or the level-up banner sliding left and fading over it.
static void DrawMoneyOrBanner() {
    StatusPanelRecord& p = StatusPanel;
    if (p.bannerTimer <= 0) {
        SetQuadColorAlpha(&p.moneyLabel, 255, 255, 255, 255);
        SetQuadUV(&p.moneyLabel, 0.84375f, 0.96875f, 0.8125f, 0.84375f);
        DrawPanelNumber(Hero.money, 372, 444);
    } else {
        SetQuadUV(&p.moneyLabel, 0.84375f, 0.96875f, 0.78125f, 0.8125f);
        SetQuadColorAlpha(&p.moneyLabel, 255, 255, 255, p.bannerTimer * 5);
        PlaceQuad(&p.moneyLabel, 340.0f + p.bannerTimer, 444);
        p.bannerTimer -= 1;
    }
    DrawQuad(&g_PanelSheet, &p.moneyLabel);
}

void DrawStatusPanel() {
    StatusPanelRecord& p = StatusPanel;
    DrawQuad(&g_PanelSheet, &p.background);
    DrawPanelNumber(Hero.hp, 95, 390);
    SetQuadUV(&p.glyph, PANEL_SLASH_CELL / 32.0f, (PANEL_SLASH_CELL + 1) / 32.0f, PANEL_DIGIT_ROW_V,
              PANEL_DIGIT_ROW_V + 1 / 32.0f);
    PlaceQuad(&p.glyph, 187, 390);
    DrawQuad(&g_PanelSheet, &p.glyph);
    DrawPanelNumber(Hero.maxHp, 216, 390);
    DrawQuad(&g_PanelSheet, &p.labelStrip);
    DrawBars();
    DrawMoneyOrBanner();
    DrawQuad(&g_PanelFaceSheet, &p.face);
    if (BossFight) DrawQuad(&g_PanelFaceSheet, &p.bossFace);
}
