// The game start (modes 2 and 6): the one-time load of every picture and sound, then
// the new-game reset and the shared quads.
#include "app/app.h"
#include "app/modes.h"
#include "render/game_textures.h"
#include "render/texture.h"
#include "sound/music.h"

static void LoadEverythingOnce() {
    ReleaseMusicSlots();
    for (const GameTexture& t : kGameTextures) {
        LoadTexture(t.slot, t.file);
        if (FatalShown()) return;
        ShowLoadProgress();
    }
    for (const MusicFile& m : kGameMusicFiles) {
        if (!LoadMusic(m.slot, m.file, m.looping ? 1 : 0)) return;
        ShowLoadProgress();
    }
    ResetSaveSlotCursor();
    g_GameAssetsLoaded = 1;
}

void LoadGameAssets() {
    if (!g_GameAssetsLoaded) {
        LoadEverythingOnce();
        if (FatalShown()) return;
    }
    ResetRunToNewGame();

    InitQuad(&g_FadeQuad, 640, 480, 255);
    PlaceQuad(&g_FadeQuad, 0, 0);
    SetQuadColor(&g_FadeQuad, 0, 0, 0);
    InitDialogueQuads();
    InitPanelFaceQuad();
    InitTownsfolkQuads();
}
