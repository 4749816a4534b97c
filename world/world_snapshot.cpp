// Snapshot fields: mapState, scrollX, eventActive, keyHeld, advanceLock, menuOpen,
// saveMenuOpen, shopActive, bossFight, hero {...}, storyFlags (indices set), eventSteps
// (non-zero entries by index), itemCounts, cardFlags, gameLevel, transitionWait.
#include "world/world_snapshot.h"

#include <cstdarg>
#include <cstdio>

#include "menus/splash_title.h"
#include "player/hero.h"
#include "world/map_state.h"
#include "world/run_state.h"

namespace {

struct Writer {
    char* out;
    size_t size;
    size_t used;
    void Put(const char* format, ...) {
        va_list args;
        va_start(args, format);
        char* at = used < size ? out + used : nullptr;
        size_t room = used < size ? size - used : 0;
        int n = vsnprintf(at, room, format, args);
        va_end(args);
        if (n > 0) used += static_cast<size_t>(n);
    }
};

}  // namespace

size_t FormatWorldSnapshot(char* out, size_t size) {
    if (size > 0) out[0] = '\0';
    Writer w{out, size, 0};
    w.Put("\"mapState\": %d, \"scrollX\": %.9g, \"eventActive\": %d, \"keyHeld\": %d, \"advanceLock\": %d, ",
          MapState, ScrollX, EventActive, KeyHeld, AdvanceLock);
    w.Put("\"menuOpen\": %d, \"saveMenuOpen\": %d, \"shopActive\": %d, \"bossFight\": %d, ", MenuOpen,
          SaveMenuOpen, ShopActive, BossFight);
    w.Put(
        "\"hero\": {\"y\": %.9g, \"level\": %d, \"hp\": %d, \"maxHp\": %d, \"attack\": %d, \"defence\": %d, ",
        Hero.y, Hero.level, Hero.hp, Hero.maxHp, Hero.attack, Hero.defence);
    w.Put("\"exp\": %d, \"money\": %d, \"stamina\": %d, \"gauge\": %d, \"life\": %d, \"state\": %d, ",
          Hero.exp, Hero.money, Hero.stamina, Hero.gauge, Hero.life, Hero.state);
    w.Put("\"facing\": %d, \"costume\": %d, \"hitTimer\": %d}, ", Hero.facing, Hero.costume, Hero.hitTimer);
    w.Put("\"storyFlags\": [");
    const char* sep = "";
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) {
        if (StoryFlags[i] == 0) continue;
        w.Put("%s%d", sep, i);
        sep = ", ";
    }
    w.Put("], \"eventSteps\": {");
    sep = "";
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) {
        if (EventSteps[i] == 0) continue;
        w.Put("%s\"%d\": %d", sep, i, EventSteps[i]);
        sep = ", ";
    }
    w.Put("}, \"itemCounts\": [");
    for (int i = 0; i < ITEM_KINDS; ++i) w.Put("%s%d", i ? ", " : "", ItemCounts[i]);
    w.Put("], \"cardFlags\": [");
    for (int i = 0; i < CARD_COUNT; ++i) w.Put("%s%d", i ? ", " : "", CardFlags[i]);
    w.Put("], \"gameLevel\": %d, \"transitionWait\": %d", g_GameLevel, TransitionWait);
    return w.used;
}
