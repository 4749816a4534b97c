// A random-input soak over every map: the whole game runs in-process on the null device,
// is sent into each map at each place she can arrive there, and is played there for a
// few hundred frames by a seeded random player who walks, jumps, slashes, guards, dashes
// and fires specials, sometimes at a high level. Every frame is checked against rules
// that a fault in the world, the heroine or the enemies would break.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "enemies/enemies.h"
#include "enemies/enemy_groups.h"
#include "enemies/enemy_kinds.h"
#include "menus/game_over.h"
#include "menus/splash_title.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/map_table.h"
#include "world/run_state.h"
#include "world_game_start.h"
#include "world_test_device.h"

namespace {

enum : int32_t {
    SOAK_GROUPS = 8,    // one test per group of maps, so that ctest runs them side by side
    SOAK_FRAMES = 300,  // frames played at each arrival (MIRAVEL_SOAK_FRAMES for a longer soak)
    SOAK_SETTLE = 2,    // frames after a warp before her footing is judged
    // The camera stays within a screen of the grid: a map end without a wall lets it look
    // past column 0 or 249 (the map check warns of that), but never further than she can
    // walk before she falls out of the map.
    SCROLL_LOWEST = -(GRID_COLUMNS * TILE_SIZE),
    SCROLL_HIGHEST = 640,
    HERO_Y_HIGHEST = -2000,  // a guard jump at level 200 rises far, but not this far
    HERO_Y_DEEPEST = 1000,   // she is dead well before: a fall out ends at 540
    ENEMY_Y_LOWEST = -2000,
    ENEMY_Y_DEEPEST = 2000,
};

// Where she can enter a map: an exit of some map (or a warp within it) that leads there.
struct Arrival {
    int32_t map;
    float scroll;
    float y;
    int32_t from;            // the map whose exit it is, or -1 for a map no exit leads into
    const StoryCond* conds;  // what the story must hold for that exit, or null
};

// The first camera position from -64 on where no walk-through exit of the map fires.
float QuietScroll(const MapInfo* m) {
    for (float scroll = -64; scroll > SCROLL_LOWEST; scroll -= TILE_SIZE) {
        bool fires = false;
        for (int32_t e = 0; e < m->exitCount; ++e) {
            const MapExit& x = m->exits[e];
            if (!x.door && scroll >= x.scrollMin && scroll <= x.scrollMax) fires = true;
        }
        if (!fires) return scroll;
    }
    return -64;
}

// Her height standing on the first solid cell of her column from row 2 down.
float StandingY(const MapInfo* m, float scroll) {
    const uint8_t* layers = MapLayers(m->number);
    const int column = int((HERO_SCREEN_X + TILE_SIZE - scroll) / TILE_SIZE);
    if (!layers || column < 0 || column >= GRID_COLUMNS) return HERO_GROUND_Y;
    for (int row = 2; row < MAP_ROWS; ++row) {
        if (layers[row * GRID_COLUMNS + column] != 0) return float(row * TILE_SIZE - 64);
    }
    return HERO_GROUND_Y;
}

std::vector<Arrival> AllArrivals() {
    std::vector<Arrival> out;
    for (int32_t i = 0; i < MapCount(); ++i) {
        const MapInfo* m = MapAt(i);
        for (int32_t e = 0; e < m->exitCount; ++e) {
            const MapExit& x = m->exits[e];
            const int32_t dest = x.dest == EXIT_SAME_MAP ? m->number : x.dest;
            if (!FindMap(dest)) continue;  // reported by the table's own tests
            Arrival a{dest, x.arriveScroll, x.keepY ? float(HERO_GROUND_Y) : x.arriveY, m->number, x.cond};
            const bool seen = std::any_of(out.begin(), out.end(), [&](const Arrival& b) {
                return b.map == a.map && b.scroll == a.scroll && b.y == a.y;
            });
            if (!seen) out.push_back(a);
        }
    }
    // A map only a story scene leads into is entered where no exit fires at once, standing
    // on the first solid cell under her.
    for (int32_t i = 0; i < MapCount(); ++i) {
        const MapInfo* m = MapAt(i);
        const bool reached =
            std::any_of(out.begin(), out.end(), [&](const Arrival& b) { return b.map == m->number; });
        if (!reached)
            out.push_back(Arrival{m->number, QuietScroll(m), StandingY(m, QuietScroll(m)), -1, nullptr});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Arrival& a, const Arrival& b) { return a.map < b.map; });
    return out;
}

// The arrivals of one group: the maps of the table split into SOAK_GROUPS runs.
std::vector<Arrival> GroupArrivals(int group) {
    const int32_t first = MapCount() * group / SOAK_GROUPS, last = MapCount() * (group + 1) / SOAK_GROUPS;
    std::set<int32_t> numbers;
    for (int32_t i = first; i < last; ++i) numbers.insert(MapAt(i)->number);
    std::vector<Arrival> out;
    for (const Arrival& a : AllArrivals())
        if (numbers.count(a.map)) out.push_back(a);
    return out;
}

HeadlessStep Hold(uint32_t frames, std::vector<uint8_t> keys = {}) {
    return HeadlessStep{frames, std::move(keys), 0};
}

// A plausible player: runs of walking, jumps (C), slashes and their chains (Z, with Up or
// Down), the guard (Down), the dash out of a slash (Z then a direction), specials (X),
// doors (Up) and pauses. Each action ends with a released frame, so that the next press
// is a fresh one.
void AppendPlay(std::mt19937* rng, uint32_t frames, std::vector<HeadlessStep>* script) {
    auto pick = [&](int n) { return int((*rng)() % uint32_t(n)); };
    uint32_t left = frames;
    while (left > 0) {
        const uint8_t dir = pick(2) ? VK_RIGHT : VK_LEFT;
        const uint8_t upDown = pick(2) ? VK_UP : VK_DOWN;
        std::vector<HeadlessStep> act;
        switch (pick(12)) {
            case 0:
            case 1:
                act = {Hold(10 + pick(50), {dir})};
                break;
            case 2:
                act = {Hold(2 + pick(6), {dir}), Hold(6 + pick(14), {dir, VK_C})};
                break;
            case 3:
                act = {Hold(1 + pick(4), {VK_Z}), Hold(1), Hold(1 + pick(4), {VK_Z}), Hold(1),
                       Hold(1 + pick(4), {upDown, VK_Z})};
                break;
            case 4:
                act = {Hold(5 + pick(25), {VK_DOWN})};
                if (pick(2)) act.push_back(Hold(2, {VK_DOWN, VK_C}));
                break;
            case 5:
                act = {Hold(1 + pick(3), {VK_Z}), Hold(4 + pick(8), {dir})};
                break;
            case 6:
                act = {Hold(1 + pick(3), {VK_X}), Hold(10 + pick(40)), Hold(1 + pick(3), {VK_X})};
                break;
            case 7:
                act = {Hold(1 + pick(3), {VK_UP}), Hold(1 + pick(3), {VK_X})};
                break;
            case 9:
            case 10: {
                // A chain: Z, then each follow-through held with one of its inputs, or a
                // pause (special 2 leads on only to X pressed between its strikes).
                static const std::vector<uint8_t> kLinks[6] = {{VK_Z}, {VK_UP, VK_Z}, {VK_DOWN, VK_Z},
                                                               {VK_X}, {VK_Z},        {}};
                act = {Hold(2, {VK_Z})};
                for (int n = 2 + pick(7); n > 0; --n) act.push_back(Hold(1 + pick(30), kLinks[pick(6)]));
                break;
            }
            case 11:
                // The practised long chain: first slash, the arc over the head, the double
                // and the drawing cut, then special 2 (a 30-frame pause and 100 frames of
                // strikes) and X after its strikes for the finishing series.
                act = {Hold(2, {VK_Z}),
                       Hold(12 + pick(12), {VK_UP, VK_Z}),
                       Hold(40 + pick(30), {VK_Z}),
                       Hold(4 + pick(8), {VK_X}),
                       Hold(125 + pick(10)),
                       Hold(2, {VK_X}),
                       Hold(4),
                       Hold(2, {VK_X})};
                break;
            default:
                act = {Hold(1 + pick(20))};
                break;
        }
        act.push_back(Hold(1));
        for (HeadlessStep& s : act) {
            if (left == 0) break;
            s.frames = std::min(s.frames, left);
            left -= s.frames;
            script->push_back(s);
        }
    }
}

// What the hook checks and where the run stands.
struct Soak {
    std::vector<Arrival> arrivals;
    std::vector<uint32_t> levels;  // the level she plays each arrival at
    uint32_t firstWarp = 3;        // the game has begun by this frame
    uint32_t framesEach = SOAK_FRAMES;
    uint32_t lastFrame = 0;
    size_t current = 0;  // arrival being played
    uint32_t sinceWarp = 0;
    uint32_t sinceEntry = 0;  // frames the current map has run
    int32_t lastMap = -1;     // map number run in the last frame
    int falls = 0;
    std::vector<std::string> faults;
    std::set<std::string> seenFaults;  // one report per kind and map, not one per frame
    std::set<int32_t> mapsRun;
    // What the play reached, so that a soak that only walks is noticed.
    std::set<int32_t> moveStates, combos, specials;
    int enemiesHurt = 0, enemiesAlive = 0;
};
Soak g_Soak;

void Fault(const std::string& kind, const std::string& detail) {
    const Arrival& a = g_Soak.arrivals[g_Soak.current];
    std::ostringstream key;
    key << kind << " map " << a.map << " arrival " << a.scroll << "," << a.y;
    if (a.from >= 0) key << " from map " << a.from;
    if (!g_Soak.seenFaults.insert(key.str()).second || g_Soak.faults.size() > 60) return;
    std::ostringstream s;
    s << key.str() << " (level " << g_Soak.levels[g_Soak.current] << ", frame " << g_Soak.sinceWarp
      << " after the warp): " << detail << " [MapState " << MapState << ", ScrollX " << ScrollX << ", y "
      << Hero.y << "]";
    g_Soak.faults.push_back(s.str());
}

// Her statistics for level L as the level-up rule gives them, at full strength.
void SetHeroLevel(uint32_t L) {
    Hero.level = int32_t(L) - 1;
    LevelUp();
    Hero.hp = Hero.maxHp;
    Hero.stamina = 10 * Hero.level;
    Hero.gauge = L > 5 ? HERO_GAUGE_FULL : 0;
}

// The story as the exit she came through needs it, and nothing more.
void SetStoryFor(const Arrival& a) {
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) StoryFlags[i] = EventSteps[i] = 0;
    for (int i = 0; a.conds && i < CONDS_MAX; ++i) {
        const StoryCond& c = a.conds[i];
        if (c.index < 0 || c.index >= STORY_FLAG_COUNT) continue;
        if (c.kind == COND_FLAG_SET) StoryFlags[c.index] = 1;
        if (c.kind == COND_STEP_SET) EventSteps[c.index] = 1;
    }
}

void Warp(const Arrival& a) {
    SetStoryFor(a);
    GameOverCounter = 0;
    EventActive = 0;
    AdvanceLock = 0;
    MenuOpen = 0;
    SaveMenuOpen = 0;
    ShopActive = 0;
    MapState = 2 * a.map;
    ScrollX = a.scroll;
    PlaceHero(a.y);
    g_Soak.sinceWarp = 0;
    g_Soak.sinceEntry = 0;
    g_Soak.lastMap = a.map;
}

bool ExitLeadsTo(int32_t from, int32_t to) {
    const MapInfo* m = FindMap(from);
    if (!m) return false;
    for (int32_t e = 0; e < m->exitCount; ++e) {
        const int32_t dest = m->exits[e].dest == EXIT_SAME_MAP ? from : m->exits[e].dest;
        if (dest == to) return true;
    }
    return false;
}

// The checks of one finished frame while the game runs.
void CheckFrame() {
    // The map state is an entry or a run of a map in the table; a change of map is one
    // an exit of the map she was in leads to.
    const int32_t map = MapState / 2;
    if (MapState < 0 || MapState >= 2 * MAP_NUMBER_LIMIT || !FindMap(map)) {
        Fault("bad map state", "not a map of the table");
        return;
    }
    if (map != g_Soak.lastMap && !ExitLeadsTo(g_Soak.lastMap, map))
        Fault("map change without an exit", "from map " + std::to_string(g_Soak.lastMap));
    g_Soak.lastMap = map;
    g_Soak.sinceEntry = MapState % 2 == 0 ? 0 : g_Soak.sinceEntry + 1;
    if (MapState % 2 == 1) g_Soak.mapsRun.insert(map);
    g_Soak.moveStates.insert(Hero.state);
    if (Hero.state == HERO_COMBO) g_Soak.combos.insert(Hero.comboMove);
    if (Hero.state == HERO_SPECIAL) g_Soak.specials.insert(Hero.specialMove);

    // The camera and her height stay finite and inside the grid's reach.
    if (!std::isfinite(ScrollX) || ScrollX < SCROLL_LOWEST || ScrollX > SCROLL_HIGHEST)
        Fault("camera out of range", "ScrollX");
    if (!std::isfinite(Hero.y) || Hero.y < HERO_Y_HIGHEST || Hero.y > HERO_Y_DEEPEST)
        Fault("heroine out of range", "y");
    if (Hero.state < HERO_CONTROL || Hero.state > HERO_DASH || Hero.life < HERO_NORMAL ||
        Hero.life > HERO_DEAD || Hero.comboMove < 0 || Hero.comboMove > 9 || Hero.specialMove < 0 ||
        Hero.specialMove > 3 || (Hero.facing != 2 && Hero.facing != 3))
        Fault("heroine state", "state " + std::to_string(Hero.state) + " life " + std::to_string(Hero.life) +
                                   " combo " + std::to_string(Hero.comboMove) + " special " +
                                   std::to_string(Hero.specialMove) + " facing " +
                                   std::to_string(Hero.facing));
    // (Her stamina may run below zero in a long strike: that is the sword's own rule.)
    if (Hero.level < 1 || Hero.hp > Hero.maxHp || Hero.gauge < 0 || Hero.gauge > HERO_GAUGE_FULL)
        Fault("heroine statistics", "hp " + std::to_string(Hero.hp) + "/" + std::to_string(Hero.maxHp) +
                                        " gauge " + std::to_string(Hero.gauge));

    // Standing in control on a floor of a map being run, she is never inside a solid
    // tile. (A bump against a ceiling leaves her head a pixel in it for one frame, and
    // also counts as ground: that is the gravity step's own rule, so the floor must be
    // right under her feet.)
    const HitRect& r = Hero.hitRect;
    const bool onFloor =
        CollisionCellAt(r.left, r.bottom) != 0 || CollisionCellAt(r.right - 1, r.bottom) != 0;
    if (MapState % 2 == 1 && g_Soak.sinceWarp > SOAK_SETTLE && EventActive == 0 &&
        Hero.state == HERO_CONTROL && Hero.life == HERO_NORMAL && Hero.fall.onGround && onFloor &&
        TouchesSolid(&r)) {
        std::ostringstream s;
        s << "standing inside a solid tile, hit rectangle " << Hero.hitRect.left << "," << Hero.hitRect.top
          << " - " << Hero.hitRect.right << "," << Hero.hitRect.bottom;
        Fault("inside a wall", s.str());
    }

    // The enemies in play have finite places and hit points their level allows. (A pool
    // the map's group does not run keeps what an earlier map left in it.)
    const EnemyGroup* group = MapState % 2 == 1 && FindMap(map)->hasEnemies ? FindEnemyGroup(map) : nullptr;
    for (int32_t k = 0; group && k < ENEMY_KINDS; ++k) {
        if ((kGroupRoutinePools[group->routine] >> k & 1) == 0) continue;  // a pool this map does not run
        for (int32_t i = 0; i < ENEMY_POOL_SIZE && i < EnemyCounts[k]; ++i) {
            const Actor& e = EnemyPools[k][i];
            if (e.life != LIFE_ALIVE) continue;
            g_Soak.enemiesAlive++;
            if (e.hitTimer > 0) g_Soak.enemiesHurt++;
            const std::string who = "kind " + std::to_string(k + 1) + " slot " + std::to_string(i);
            if (!std::isfinite(e.x) || !std::isfinite(e.y) || e.y < ENEMY_Y_LOWEST || e.y > ENEMY_Y_DEEPEST)
                Fault("enemy out of range", who + " at " + std::to_string(e.x) + "," + std::to_string(e.y));
            if (e.state < ENEMY_PATROL || e.state > ENEMY_RECOIL ||
                (e.facing != FACING_RIGHT && e.facing != FACING_LEFT))
                Fault("enemy state",
                      who + " state " + std::to_string(e.state) + " facing " + std::to_string(e.facing));
            if (e.y > ENEMY_FALL_OUT_Y + 10)
                Fault("enemy fell out", who + " still in play at y " + std::to_string(e.y));
            // Where it starts, standing on a floor, its own wall test (the one its steps
            // use) finds no wall: the start places are written from the map's tiles and go
            // stale when the ground changes. (Later in play a body taller than a tile can end
            // up with a corner in a one-row plank: the gravity step snaps only up and down
            // and tests only corners, so that is not judged here.)
            HitRect wall = e.hitRect;
            PlaceHitRect(&wall, e.x + ScrollX, e.y + kEnemyKinds[k + 1].testDy);
            const bool floor = CollisionCellAt(wall.left, wall.bottom) != 0 ||
                               CollisionCellAt(wall.right - 1, wall.bottom) != 0;
            if (g_Soak.sinceEntry <= SOAK_SETTLE && EventActive == 0 && e.fall.onGround && floor &&
                TouchesSolid(&wall))
                Fault("enemy starts in a wall",
                      who + " at " + std::to_string(e.x) + "," + std::to_string(e.y));
            if (e.level < 1 || e.hp < 0 || e.hp > HERO_MAX_DAMAGE * e.level)
                Fault("enemy hit points",
                      who + " hp " + std::to_string(e.hp) + " level " + std::to_string(e.level));
        }
    }
}

void OnFrame(uint32_t frame, void*) {
    if (frame == g_Soak.lastFrame) sys_PostMessage(SYS_MSG_CLOSE, 0);
    if (frame < g_Soak.firstWarp || headless_FatalShown()) return;
    if (g_Frame != 3) {
        Fault("left the game", "top mode " + std::to_string(g_Frame));
        return;
    }
    g_Soak.sinceWarp++;
    if (frame > g_Soak.firstWarp) CheckFrame();
    const size_t index = (frame - g_Soak.firstWarp) / g_Soak.framesEach;
    if (index >= g_Soak.arrivals.size()) return;
    if (index != g_Soak.current || frame == g_Soak.firstWarp) {
        g_Soak.current = index;
        SetHeroLevel(g_Soak.levels[index]);
        Warp(g_Soak.arrivals[index]);
        return;
    }
    // She is kept alive against blows so that a whole run is played; a fall out of the
    // map is counted and the arrival played again.
    if (Hero.life == HERO_NORMAL && Hero.hp < Hero.maxHp / 2) Hero.hp = Hero.maxHp;
    // Above the starting levels her gauge is full again whenever she is in control, so
    // that the specials and their follow-ons are tried often.
    if (g_Soak.levels[index] > 5 && Hero.state == HERO_CONTROL) Hero.gauge = HERO_GAUGE_FULL;
    if (Hero.life == HERO_DEAD) {
        g_Soak.falls++;
        SetHeroLevel(g_Soak.levels[index]);
        Warp(g_Soak.arrivals[index]);
    }
}

class WorldSoak : public ::testing::TestWithParam<int> {};

TEST_P(WorldSoak, EveryArrivalPlaysWithoutAFault) {
    const std::string data = std::string(MIRAVEL_BUILD_DIR) + "/DATA/AE00206.xml";
    ASSERT_EQ(access(data.c_str(), R_OK), 0) << "the build draws the pictures first";
    const std::string dir = GameDirWithBuiltData();
    ASSERT_FALSE(dir.empty());

    g_Soak = Soak{};
    g_Soak.arrivals = GroupArrivals(GetParam());
    ASSERT_FALSE(g_Soak.arrivals.empty());
    // MIRAVEL_SOAK_SEED plays other games than the usual one (a fault it finds names the seed).
    const char* seedText = getenv("MIRAVEL_SOAK_SEED");
    const uint32_t seed = seedText ? uint32_t(strtoul(seedText, nullptr, 0)) : 0x5EED0000u;
    SCOPED_TRACE("seed " + std::to_string(seed));
    const char* framesText = getenv("MIRAVEL_SOAK_FRAMES");
    if (framesText && strtoul(framesText, nullptr, 10) > 0)
        g_Soak.framesEach = uint32_t(strtoul(framesText, nullptr, 10));
    std::mt19937 rng(seed + uint32_t(GetParam()));
    static const uint32_t kLevels[] = {5, 5, 12, 20, 45, 90, 140, 200};
    std::vector<HeadlessStep> script = {Hold(g_Soak.firstWarp)};
    for (size_t i = 0; i < g_Soak.arrivals.size(); ++i) {
        g_Soak.levels.push_back(kLevels[rng() % (sizeof kLevels / sizeof kLevels[0])]);
        AppendPlay(&rng, g_Soak.framesEach, &script);
    }
    g_Soak.lastFrame = g_Soak.firstWarp + uint32_t(g_Soak.arrivals.size()) * g_Soak.framesEach;

    // Straight into a new game: the game start loads everything and enters map 0.
    PrepareNewGameStart();
    std::srand(1);

    HeadlessConfig c;
    c.nullDevice = true;
    c.script = script;
    c.frameHook = OnFrame;
    headless_Configure(c);
    GameMain(dir.c_str());

    ASSERT_FALSE(headless_FatalShown()) << headless_FatalCaption() << ": " << headless_FatalText();
    EXPECT_EQ(headless_FrameCount(), g_Soak.lastFrame);
    std::string all;
    for (const std::string& f : g_Soak.faults) all += f + "\n";
    EXPECT_TRUE(g_Soak.faults.empty()) << g_Soak.faults.size() << " faults:\n" << all;
    // The play reached every move state and a special, not only walking.
    EXPECT_EQ(g_Soak.moveStates.size(), 5u);
    EXPECT_FALSE(g_Soak.specials.empty());
    // Every map of the group was really run, not only entered.
    for (const Arrival& a : g_Soak.arrivals) EXPECT_TRUE(g_Soak.mapsRun.count(a.map)) << "map " << a.map;
    auto list = [](const std::set<int32_t>& v) {
        std::string t;
        for (int32_t x : v) t += " " + std::to_string(x);
        return t;
    };
    std::printf(
        "group %d: %zu arrivals, %d falls out of a map; moves%s, combos%s, specials%s; %d of %d enemy-frames "
        "hurt\n",
        GetParam(), g_Soak.arrivals.size(), g_Soak.falls, list(g_Soak.moveStates).c_str(),
        list(g_Soak.combos).c_str(), list(g_Soak.specials).c_str(), g_Soak.enemiesHurt, g_Soak.enemiesAlive);
}

INSTANTIATE_TEST_SUITE_P(MapGroups, WorldSoak, ::testing::Range(0, int(SOAK_GROUPS)));

}  // namespace
