// Long walks through the world in the real game: a steering player walks from map to map by
// the exits, jumping at steps, walls and pits, and going up to a door at its height, until
// the route is done. The story flags the route's exits wait for are set beforehand.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "menus/game_over.h"
#include "menus/splash_title.h"
#include "player/hero.h"
#include "render/game_textures.h"
#include "world/grid.h"
#include "world/map_state.h"
#include "world/run_state.h"
#include "world_game_start.h"
#include "world_test_device.h"

namespace {

// One leg: cross `map` to its left (-1) or right (+1) end, or go up at a door whose
// ScrollX range is [doorLo, doorHi] with her height doorY.
struct Leg {
    int32_t map;
    int dir;
    bool door = false;
    float doorLo = 0, doorHi = 0, doorY = 0;
};

struct Walk {
    std::vector<Leg> legs;
    size_t leg = 0;
    uint32_t legFrames = 0;
    uint32_t startFrame = 0, lastFrame = 0;
    float lastScroll = 0;
    int stuck = 0;
    bool jumpHeld = false;
    bool done = false;
    std::string fault;
    std::vector<int32_t> visited;
};
Walk g_Walk;

constexpr uint32_t kLegFrames = 3000;  // a leg longer than this has lost its way

bool Standing() {
    return Hero.state == HERO_CONTROL && Hero.life == HERO_NORMAL && Hero.fall.onGround;
}

// Nothing solid under the screen column from her feet down to the bottom of the map (the
// solid row far below the screen only catches what falls out).
bool PitAt(float screenX) {
    for (float y = Hero.y + 72; y < MAP_ROWS * TILE_SIZE; y += TILE_SIZE)
        if (CollisionCellAt(screenX, y) != 0) return false;
    return true;
}

// A solid cell at her body's height just ahead.
bool WallAt(float screenX) {
    return CollisionCellAt(screenX, Hero.y + 16) != 0 || CollisionCellAt(screenX, Hero.y + 48) != 0;
}

void Steer(uint32_t frame, std::vector<uint8_t>* keys, void*) {
    Walk& w = g_Walk;
    if (frame < w.startFrame || w.done || !w.fault.empty() || g_Frame != 3 || MapState % 2 == 0) return;
    const Leg& leg = w.legs[w.leg];
    const bool inDoor = leg.door && ScrollX >= leg.doorLo && ScrollX <= leg.doorHi;
    if (inDoor && std::fabs(Hero.y - leg.doorY) < 0.5f && Standing()) {
        keys->push_back(VK_UP);
        return;
    }
    // Toward the door's range, or on to the end.
    int dir = leg.dir;
    if (leg.door) dir = ScrollX > leg.doorHi ? 1 : (ScrollX < leg.doorLo ? -1 : 0);
    if (dir != 0) keys->push_back(dir > 0 ? VK_RIGHT : VK_LEFT);
    const float ahead = dir >= 0 ? 335.0f + 24 : 329.0f - 24;
    const bool blocked = w.lastScroll == ScrollX;
    w.stuck = blocked ? w.stuck + 1 : 0;
    w.lastScroll = ScrollX;
    const bool jump = Standing() && (w.stuck >= 2 || WallAt(ahead) || PitAt(ahead) || (inDoor && dir == 0));
    if (jump && !w.jumpHeld) keys->push_back(VK_C);
    w.jumpHeld = jump && !w.jumpHeld;
}

void OnFrame(uint32_t frame, void*) {
    Walk& w = g_Walk;
    if (frame == w.lastFrame || w.done || !w.fault.empty()) sys_PostMessage(SYS_MSG_CLOSE, 0);
    if (frame < w.startFrame || w.done || !w.fault.empty()) return;
    if (frame == w.startFrame) {
        MapState = 2 * w.legs[0].map;
        ScrollX = w.legs[0].dir > 0 ? -64 : -7276;
        PlaceHero(288);
        w.visited = {w.legs[0].map};
        return;
    }
    // Blows do not end the walk: this is about the ground, not the fights.
    if (Hero.life == HERO_NORMAL) Hero.hp = Hero.maxHp;
    if (Hero.life == HERO_DEAD || g_Frame != 3) {
        w.fault = "she fell or died on map " + std::to_string(MapState / 2) + " at ScrollX " +
                  std::to_string(ScrollX);
        return;
    }
    const int32_t here = MapState / 2;
    if (here != w.visited.back()) {
        w.visited.push_back(here);
        if (w.leg + 1 >= w.legs.size() || here != w.legs[w.leg + 1].map) {
            w.fault = "map " + std::to_string(w.legs[w.leg].map) + " led to map " + std::to_string(here);
            return;
        }
        ++w.leg;
        w.legFrames = 0;
        w.stuck = 0;
        if (w.leg + 1 == w.legs.size()) w.done = true;  // arrived on the last map
        return;
    }
    if (++w.legFrames > kLegFrames)
        w.fault = "lost on map " + std::to_string(here) + ": ScrollX " + std::to_string(ScrollX) + ", y " +
                  std::to_string(Hero.y);
}

struct Route {
    const char* name;
    std::vector<int> flags;
    std::vector<Leg> legs;  // the last leg names the map she ends on
};

class WorldRoute : public ::testing::TestWithParam<Route> {};

TEST_P(WorldRoute, SheWalksTheRouteMapByMap) {
    const Route& r = GetParam();
    const std::string dir = GameDirWithBuiltData();
    ASSERT_FALSE(dir.empty());
    g_Walk = Walk{};
    g_Walk.legs = r.legs;
    g_Walk.startFrame = 5;
    g_Walk.lastFrame = g_Walk.startFrame + kLegFrames * uint32_t(r.legs.size());

    // Straight into a new game, then onto the route's first map with its flags.
    PrepareNewGameStart();
    for (int i = 0; i < STORY_FLAG_COUNT; ++i) StoryFlags[i] = EventSteps[i] = 0;
    HeadlessConfig c;
    c.nullDevice = true;
    c.frameHook = [](uint32_t frame, void* user) {
        if (frame == 3)
            for (int f : static_cast<const Route*>(user)->flags) StoryFlags[f] = 1;
        OnFrame(frame, user);
    };
    c.hookUser = const_cast<Route*>(&r);
    c.keysHook = Steer;
    headless_Configure(c);
    GameMain(dir.c_str());

    ASSERT_FALSE(headless_FatalShown()) << headless_FatalCaption() << ": " << headless_FatalText();
    std::string path;
    for (int32_t m : g_Walk.visited) path += " " + std::to_string(m);
    EXPECT_TRUE(g_Walk.fault.empty()) << r.name << ": " << g_Walk.fault << "\n  maps walked:" << path;
    EXPECT_TRUE(g_Walk.done) << r.name << ": maps walked:" << path;
}

Leg Right(int map) {
    return Leg{map, 1};
}
Leg Left(int map) {
    return Leg{map, -1};
}

INSTANTIATE_TEST_SUITE_P(
    Routes, WorldRoute,
    ::testing::Values(
        Route{"home village to the first fight", {}, {Right(0), Right(1), Right(2), Right(3)}},
        Route{"the road, the cabin door and the valley village, and back",
              {14, 15},
              {Right(12), Leg{13, 1, true, -1396, -1372, 224}, Right(20), Right(21), Right(22), Right(23),
               Left(24), Left(23), Left(22), Left(21), Left(20), Left(13)}},
        Route{"the joined floors of the last castle", {}, {Right(136), Left(137), Right(138), Left(139)}}),
    [](const ::testing::TestParamInfo<Route>& info) { return "Route" + std::to_string(info.index); });

}  // namespace
