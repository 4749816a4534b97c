#include "app/app.h"
#include "app/modes.h"
#include "render/game_textures.h"
#include "render/texture.h"

TextureSlot g_HeroSheet[4];
TextureSlot g_PanelSheet;
TextureSlot g_TileSheetA;
TextureSlot g_TileSheetB;
TextureSlot g_BackdropPictures[10];
TextureSlot g_EnemySheet;
TextureSlot g_PanelFaceSheet;
TextureSlot g_GrowthChartTex;
TextureSlot g_ControlsTex;
TextureSlot g_MapPageTex;
TextureSlot g_FadeTex;
TextureSlot g_DialogueBoxTex;
TextureSlot g_DialogueFaceSheet;
TextureSlot g_FiguresSheet;
TextureSlot g_SaveMenuTex;
TextureSlot g_BossSheets[20];
TextureSlot g_InnShopTex;
TextureSlot g_TransitionPictures[9];
TextureSlot g_GalleryTex;
TextureSlot g_TitleTex;
TextureSlot g_SplashTex;
SpriteQuad g_TitleQuad;
SpriteQuad g_ScreenQuad;
TextureSlot g_EndingPictures[30];
SpriteQuad g_FadeQuad;

int32_t g_LoadCounter;
uint8_t g_GameAssetsLoaded;

// The game-start pictures, in load order.
const GameTexture kGameTextures[58] = {
    {&g_HeroSheet[0], "DATA/AE00249.xml"},
    {&g_HeroSheet[2], "DATA/AE00369.xml"},
    {&g_HeroSheet[3], "DATA/AE00168.xml"},
    {&g_HeroSheet[1], "DATA/AE00345.xml"},
    {&g_PanelSheet, "DATA/AE00285.xml"},
    {&g_TileSheetA, "DATA/AE00124.xml"},
    {&g_TileSheetB, "DATA/AE00425.xml"},
    {&g_BackdropPictures[0], "DATA/AE00075.xml"},
    {&g_BackdropPictures[1], "DATA/AE00077.xml"},
    {&g_BackdropPictures[2], "DATA/AE00188.xml"},
    {&g_BackdropPictures[3], "DATA/AE00608.xml"},
    {&g_BackdropPictures[4], "DATA/AE00444.xml"},
    {&g_BackdropPictures[5], "DATA/AE00569.xml"},
    {&g_BackdropPictures[6], "DATA/AE00482.xml"},
    {&g_BackdropPictures[7], "DATA/AE00092.xml"},
    {&g_BackdropPictures[8], "DATA/AE00211.xml"},
    {&g_BackdropPictures[9], "DATA/AE00627.xml"},
    {&g_EnemySheet, "DATA/AE00279.xml"},
    {&g_PanelFaceSheet, "DATA/AE00109.xml"},
    {&g_GrowthChartTex, "DATA/AE00227.xml"},
    {&g_ControlsTex, "DATA/AE00197.xml"},
    {&g_MapPageTex, "DATA/AE00253.xml"},
    {&g_FadeTex, "DATA/AE00149.xml"},
    {&g_DialogueBoxTex, "DATA/AE00105.xml"},
    {&g_DialogueFaceSheet, "DATA/AE00109.xml"},
    {&g_FiguresSheet, "DATA/AE00458.xml"},
    {&g_SaveMenuTex, "DATA/AE00299.xml"},
    {&g_BossSheets[0], "DATA/AE00553.xml"},
    {&g_BossSheets[1], "DATA/AE00574.xml"},
    {&g_BossSheets[2], "DATA/AE00236.xml"},
    {&g_BossSheets[3], "DATA/AE00085.xml"},
    {&g_BossSheets[4], "DATA/AE00474.xml"},
    {&g_BossSheets[5], "DATA/AE00354.xml"},
    {&g_BossSheets[6], "DATA/AE00269.xml"},
    {&g_BossSheets[7], "DATA/AE00512.xml"},
    {&g_BossSheets[8], "DATA/AE00151.xml"},
    {&g_BossSheets[9], "DATA/AE00191.xml"},
    {&g_BossSheets[10], "DATA/AE00596.xml"},
    {&g_BossSheets[11], "DATA/AE00305.xml"},
    {&g_BossSheets[12], "DATA/AE00614.xml"},
    {&g_BossSheets[13], "DATA/AE00436.xml"},
    {&g_BossSheets[14], "DATA/AE00545.xml"},
    {&g_BossSheets[15], "DATA/AE00461.xml"},
    {&g_BossSheets[16], "DATA/AE00522.xml"},
    {&g_BossSheets[17], "DATA/AE00382.xml"},
    {&g_BossSheets[18], "DATA/AE00270.xml"},
    {&g_BossSheets[19], "DATA/AE00193.xml"},
    {&g_InnShopTex, "DATA/AE00412.xml"},
    {&g_TransitionPictures[0], "DATA/AE00374.xml"},
    {&g_TransitionPictures[1], "DATA/AE00539.xml"},
    {&g_TransitionPictures[2], "DATA/AE00497.xml"},
    {&g_TransitionPictures[3], "DATA/AE00162.xml"},
    {&g_TransitionPictures[4], "DATA/AE00589.xml"},
    {&g_TransitionPictures[5], "DATA/AE00241.xml"},
    {&g_TransitionPictures[6], "DATA/AE00392.xml"},
    {&g_TransitionPictures[7], "DATA/AE00175.xml"},
    {&g_TransitionPictures[8], "DATA/AE00111.xml"},
    {&g_GalleryTex, "DATA/AE00158.xml"},
};

void ShowLoadProgress() {
    g_LoadCounter++;
    DrawQuad(&g_TitleTex, &g_TitleQuad);
    ResizeQuad(&g_ScreenQuad, g_LoadCounter * 6.5f, 32, 155);
    PlaceQuad(&g_ScreenQuad, 0, 448);
    SetQuadUV(&g_ScreenQuad, 0.28125f, 0.3125f, 0.9375f, 1.0f);
    DrawQuad(&g_TitleTex, &g_ScreenQuad);
    if (!video_Present()) video_Reset();
}
