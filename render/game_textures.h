// The texture slots of the game's pictures, and the few quads the game-start load shares.
#pragma once
#include "render/quad.h"

// Filled by the game-start load, in the order of kGameTextures (render/assets.cpp).
extern TextureSlot g_HeroSheet[4];  // body sheets for costumes 0, 2 (sheet 2) and 3, and sheet 1 (effects)
extern TextureSlot g_PanelSheet;    // status panel and menu sheet
extern TextureSlot g_TileSheetA;    // collision tiles
extern TextureSlot g_TileSheetB;    // decoration tiles
extern TextureSlot g_BackdropPictures[10];
extern TextureSlot g_EnemySheet;      // the regular enemies
extern TextureSlot g_PanelFaceSheet;  // face sheet of the status panel
extern TextureSlot g_GrowthChartTex;  // menu: growth chart
extern TextureSlot g_ControlsTex;     // menu: controls
extern TextureSlot g_MapPageTex;      // menu: map, cards and banners
extern TextureSlot g_FadeTex;         // the full-screen overlay
extern TextureSlot g_DialogueBoxTex;
extern TextureSlot g_DialogueFaceSheet;  // the same face sheet, for the dialogue box
extern TextureSlot g_FiguresSheet;       // townsfolk and scene figures
extern TextureSlot g_SaveMenuTex;
extern TextureSlot g_BossSheets[20];  // one per boss record
extern TextureSlot g_InnShopTex;      // inn and shop, the heroine's hint strips
extern TextureSlot g_TransitionPictures[9];
extern TextureSlot g_GalleryTex;

// Loaded by the title and the splash; the progress bar draws from the title texture.
extern TextureSlot g_TitleTex;
extern TextureSlot g_SplashTex;
extern SpriteQuad g_TitleQuad;   // the title background, prepared by the title
extern SpriteQuad g_ScreenQuad;  // the splash's screen quad, reused for the progress bar
// The 27 ending pictures (30 slots).
extern TextureSlot g_EndingPictures[30];

// The full-screen overlay for fades and darkening; drawn with g_FadeTex.
extern SpriteQuad g_FadeQuad;

struct GameTexture {
    TextureSlot* slot;
    const char* file;
};
extern const GameTexture kGameTextures[58];

extern int32_t g_LoadCounter;       // steps of the progress bar so far; never reset
extern uint8_t g_GameAssetsLoaded;  // the game-start load runs once per process

void ShowLoadProgress();
