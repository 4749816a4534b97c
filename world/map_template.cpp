// The entry and run routines every map shares; the maps differ only in their table data.
#include "app/input.h"
#include "player/hero.h"
#include "world/backdrop.h"
#include "world/grid.h"
#include "world/later_screens.h"
#include "world/map_hooks.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"
#include "world/sound_link.h"

static bool FlagAt(int16_t index, const int32_t* table) {
    return index >= 0 && index < STORY_FLAG_COUNT && table[index] != 0;
}

static bool CondHolds(const StoryCond& c) {
    switch (c.kind) {
        case COND_FLAG_SET:
            return FlagAt(c.index, StoryFlags);
        case COND_FLAG_CLEAR:
            return !FlagAt(c.index, StoryFlags);
        case COND_STEP_SET:
            return FlagAt(c.index, EventSteps);
        case COND_STEP_CLEAR:
            return !FlagAt(c.index, EventSteps);
        default:
            return true;
    }
}

bool StoryCondsHold(const StoryCond* conds, int count) {
    for (int i = 0; i < count; ++i) {
        if (!CondHolds(conds[i])) return false;
    }
    return true;
}

bool ExitHeightHolds(const MapExit& e, float y) {
    const float h = e.height;
    switch (e.heightTest) {
        case HEIGHT_EQUAL:
            return y == h;
        case HEIGHT_BELOW:
            return y < h;
        case HEIGHT_AT_MOST:
            return y <= h;
        case HEIGHT_ABOVE:
            return y > h;
        case HEIGHT_AT_LEAST:
            return y >= h;
        default:
            return true;
    }
}

static bool ExitHolds(const MapExit& e) {
    if (!(ScrollX >= e.scrollMin && ScrollX <= e.scrollMax)) return false;
    if (e.door) {
        const bool up = KeyDown(VK_UP) || (PadFlags & PAD_UP) != 0;
        if (!up || Hero.state != 0) return false;
    }
    if (!ExitHeightHolds(e, Hero.y)) return false;
    return StoryCondsHold(e.cond, CONDS_MAX);
}

void RunMapExits(const MapExit* exits, int count) {
    for (int i = 0; i < count; ++i) {
        const MapExit& e = exits[i];
        if (!ExitHolds(e)) continue;
        if (e.dest != EXIT_SAME_MAP) MapState = 2 * e.dest;
        PlaceHero(e.keepY ? Hero.y : e.arriveY);
        ScrollX = e.arriveScroll;
        if (e.picture) ShowTransitionPicture();
    }
}

// Rows 0-11 of a map whose layers are not there: empty, so that it can still be entered.
static const uint8_t kEmptyLayers[2 * 12 * GRID_COLUMNS] = {};

void EnterMap(const MapInfo* map) {
    ResetStatusPanel();
    ResetHero();
    ResetScenery();
    if (map->hasTownsfolk) SpawnTownsfolk(map->number);
    if (map->hasEnemies) SpawnMapEnemies(map->number);
    if (map->bossCount > 0) SpawnMapBosses(map->number);
    if (map->entryLockUntilFlag != NO_FLAG && !FlagAt(map->entryLockUntilFlag, StoryFlags)) {
        AdvanceLock = 1;
        EventActive = 1;
    }
    const uint8_t* layers = MapLayers(map->number);
    if (!layers) layers = kEmptyLayers;
    CopyMapLayers(layers, layers + 12 * GRID_COLUMNS);
    if (map->entryEdits) map->entryEdits();
    if (map->innPrice != INN_UNCHANGED) InnPrice = map->innPrice;
    if (map->music != NO_MUSIC && (map->musicFlag == NO_FLAG || FlagAt(map->musicFlag, StoryFlags))) {
        StartMapTrack(map->music);
    }
}

void RunMap(const MapInfo* map) {
    const int32_t n = map->number;
    if (EventActive == 0) {
        UpdateHero();
        if (map->hasEnemies) RunMapEnemies(n);
        if (map->bossCount > 0) RunMapBosses(n);
        if (map->hasTownsfolk) RunTownsfolk(n);
    }
    DrawBackdrop();
    ScrollAndDrawTiles();
    if (map->hasTownsfolk) DrawTownsfolk(n);
    if (map->hasEnemies) DrawMapEnemies(n);
    if (map->bossCount > 0) DrawMapBosses(n);
    DrawHero();
    DrawStatusPanel();
    for (int i = 0; i < 10; ++i) {
        if (TalkSlot[i]) RunTownsfolkTalk(i);
    }
    if (map->runExtras) map->runExtras();
    if (map->sceneCount > 0) RunMapScenes(n);
    if (map->exitsOnlyWhileWorldRuns && EventActive != 0) return;
    RunMapExits(map->exits, map->exitCount);
}
