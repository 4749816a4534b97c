// The stand-in heroine the map validator walks through a map: the game's own gravity
// step and tile tests on the grids, her 8-pixel steps and her jump, searched over every
// place she can get to from an arrival.
#include "tools/maps/hero_walk.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "world/grid.h"
#include "world/map_state.h"

namespace {

constexpr int kInsetLeft = 29, kInsetRight = 29, kInsetTop = 31;
constexpr int kJumpSpeed = -14;
// Past these she has left the map's columns: walked off its first or last column.
constexpr int kVoidLeft = 400, kVoidRight = -7700;
// Past these the camera shows beyond the first or last column.
constexpr int kCameraLeft = 0, kCameraRight = -7360;

// Her hit rectangle: a 64 x 64 quad at screen x 300, inset 29, 29, 31, 0.
HitRect RectAt(int y) {
    return HitRect{static_cast<float>(kHeroX + kInsetLeft), static_cast<float>(y + kInsetTop),
                   static_cast<float>(kHeroX + 64 - kInsetRight), static_cast<float>(y + 64)};
}

// Visited states: scroll steps from the seed x height x speed x on-ground.
constexpr int kScrollSlots = 1040, kYMin = -400, kYSlots = 1024, kVySlots = 32, kVyMin = -16;
std::vector<uint64_t> g_Visited(static_cast<size_t>(kScrollSlots) * kYSlots * kVySlots * 2 / 64);
std::vector<uint32_t> g_Touched;

bool Visit(int slot, const Motion& m) {
    const int y = m.y - kYMin, v = m.vy - kVyMin;
    if (slot < 0 || slot >= kScrollSlots || y < 0 || y >= kYSlots || v < 0 || v >= kVySlots) return false;
    const uint32_t key =
        ((static_cast<uint32_t>(slot) * kYSlots + y) * kVySlots + v) * 2 + (m.onGround ? 1 : 0);
    uint64_t& word = g_Visited[key / 64];
    const uint64_t bit = uint64_t(1) << (key % 64);
    if (word & bit) return false;
    if (word == 0) g_Touched.push_back(key / 64);
    word |= bit;
    return true;
}

void RecordSavePoints(const Motion& m, Reach* reach) {
    HitRect r = RectAt(m.y);
    const float xs[4] = {r.left, r.right - 1, r.right - 1, r.left};
    const float ys[4] = {r.top, r.top, r.bottom - 1, r.bottom - 1};
    ScrollX = static_cast<float>(m.scroll);
    for (int i = 0; i < 4; ++i) {
        if (DecorCellAt(xs[i], ys[i]) == SAVE_POINT_TILE) {
            const int c = static_cast<int>(xs[i] - m.scroll) / TILE_SIZE;
            reach->savePoints.insert(static_cast<int>(ys[i]) / TILE_SIZE * GRID_COLUMNS + c);
        }
    }
}

}  // namespace

bool TouchesAt(int scroll, int y) {
    ScrollX = static_cast<float>(scroll);
    HitRect r = RectAt(y);
    return TouchesSolid(&r);
}
bool StandsAt(int scroll, int y) {
    return !TouchesAt(scroll, y) && TouchesAt(scroll, y + 1);
}
int WorldLeft(int scroll) {
    return kHeroX + kInsetLeft - scroll;
}
int ColumnOf(int scroll) {
    int x = WorldLeft(scroll);
    return x < 0 ? -1 : x / TILE_SIZE;
}
// The first solid cell under her rectangle's corners, as "column c, row r".
std::string SolidCellAt(int scroll, int y) {
    HitRect r = RectAt(y);
    const float xs[4] = {r.left, r.right - 1, r.right - 1, r.left};
    const float ys[4] = {r.top, r.top, r.bottom - 1, r.bottom - 1};
    ScrollX = static_cast<float>(scroll);
    for (int i = 0; i < 4; ++i) {
        if (CollisionCellAt(xs[i], ys[i]) != 0) {
            const int c = static_cast<int>(xs[i] - scroll) / TILE_SIZE;
            const int row = static_cast<int>(ys[i]) / TILE_SIZE;
            return "column " + std::to_string(c) + ", row " + std::to_string(row);
        }
    }
    return "?";
}

// One frame of her control: the gravity step (with a jump request), then the walking
// scroll, as the game runs them. dir: -1 walks left, +1 right, 0 stands.
Motion Step(const Motion& m, bool jump, int dir) {
    static SpriteQuad body;
    static bool made = false;
    if (!made) {
        InitQuad(&body, 64, 64, 255);
        made = true;
    }
    ScrollX = static_cast<float>(m.scroll);
    PlaceQuad(&body, kHeroX, static_cast<float>(m.y));
    HitRect rect;
    HitRectFromQuad(&rect, &body, kInsetLeft, kInsetRight, kInsetTop, 0);
    FallState fall{static_cast<float>(m.vy), static_cast<float>(kJumpSpeed), jump ? 1 : 0, m.onGround};
    float y = static_cast<float>(m.y);
    FallStep(&body, &rect, &y, &fall);
    const float s = ScrollX;
    if (dir != 0 && !TouchesSolid(&rect)) {
        ScrollX += dir < 0 ? kStep : -kStep;
        if (TouchesSolid(&rect)) ScrollX = std::trunc(s);
    }
    return Motion{static_cast<int>(ScrollX), static_cast<int>(y), static_cast<int>(fall.vy), fall.onGround};
}

bool Standing(const Motion& m) {
    return m.onGround && StandsAt(m.scroll, m.y);
}

bool Unconditional(const MapExit& e) {
    for (const StoryCond& c : e.cond)
        if (c.kind != COND_NONE) return false;
    return true;
}
bool IsWarp(const MapExit& e) {
    return e.dest == EXIT_SAME_MAP;
}

bool HeightHolds(const MapExit& e, int y) {
    return ExitHeightHolds(e, static_cast<float>(y));
}
bool InRange(const MapExit& e, int scroll) {
    return scroll >= e.scrollMin && scroll <= e.scrollMax;
}
// Doors open only with Up while she stands; the rest fire as she passes.
bool Fires(const MapExit& e, const Motion& m, bool standing) {
    if (!InRange(e, m.scroll) || !HeightHolds(e, m.y)) return false;
    return !e.door || standing;
}

// Whether she, at m, can talk to a figure, pick up a card or open a door of the townsfolk.
bool ReachesTarget(const MapTarget& t, const Motion& m, bool standing) {
    if (t.kind == TARGET_CAMERA) return m.scroll >= t.a && m.scroll <= t.b;
    if (t.kind == TARGET_DOOR)
        return standing && m.scroll >= t.a && m.scroll <= t.b && (t.atLeast ? m.y >= t.y : m.y == t.y);
    // Her hit rectangle overlaps the figure's 64 x 64 quad by more than a pixel.
    return m.scroll <= 333 - t.a && m.scroll >= 267 - t.a && m.y >= t.y - 62 && m.y <= t.y + 31;
}

// Every place she can get to from standing (or falling) at the seed, with the map
// loaded in the grids. Exits that always fire end her way there; doors, exits under a
// story condition and warps are taken or passed by as she likes.
Reach Explore(const MapInfo* map, const Motion& seed, const std::vector<const MapTarget*>& targets) {
    Reach reach;
    reach.exits.resize(map ? map->exitCount : 0);
    reach.minScroll = reach.maxScroll = seed.scroll;
    const int base = seed.scroll - kStep * ((seed.scroll - kVoidRight) / kStep + 1);
    auto slotOf = [&](int scroll) {
        const int d = scroll - base;
        return d % kStep == 0 ? d / kStep : -1;
    };
    std::vector<Motion> queue;
    std::unordered_set<uint64_t> warped;  // warps land off the seed's 8-pixel lattice
    auto push = [&](const Motion& m) {
        if (m.scroll > kVoidLeft) {
            reach.voidLeft = true;
            return;
        }
        if (m.scroll < kVoidRight) {
            reach.voidRight = true;
            return;
        }
        if (m.scroll > kCameraLeft) reach.cameraLeft = true;
        if (m.scroll < kCameraRight) reach.cameraRight = true;
        const int slot = slotOf(m.scroll);
        if (slot < 0) {
            const uint64_t key =
                ((static_cast<uint64_t>(m.scroll + 100000) * 4096 + (m.y + 2048)) * 64 + (m.vy + 32)) * 2 +
                (m.onGround ? 1 : 0);
            if (warped.insert(key).second) queue.push_back(m);
            return;
        }
        if (Visit(slot, m)) queue.push_back(m);
    };
    push(seed);
    for (size_t at = 0; at < queue.size(); ++at) {
        const Motion m = queue[at];
        const bool standing = Standing(m);
        for (int i = 0; i < static_cast<int>(targets.size()); ++i)
            if (!reach.targets.count(i) && ReachesTarget(*targets[i], m, standing)) reach.targets.insert(i);
        if (standing) {
            RecordSavePoints(m, &reach);
            reach.minScroll = std::min(reach.minScroll, m.scroll);
            reach.maxScroll = std::max(reach.maxScroll, m.scroll);
        }
        for (int jump = 0; jump < (standing ? 2 : 1); ++jump) {
            for (int dir = -1; dir <= 1; ++dir) {
                const Motion n = Step(m, jump != 0, dir);
                const bool nStanding = Standing(n);
                bool leaves = false;
                for (int i = 0; i < static_cast<int>(reach.exits.size()); ++i) {
                    const MapExit& e = map->exits[i];
                    if (!Fires(e, n, nStanding)) continue;
                    reach.exits[i].fired = true;
                    if (nStanding) reach.exits[i].standHeights.insert(n.y);
                    const bool forced = Unconditional(e) && !e.door;
                    if (IsWarp(e)) {
                        Motion to{static_cast<int>(e.arriveScroll),
                                  e.keepY ? n.y : static_cast<int>(e.arriveY), n.vy, n.onGround};
                        if (!forced) push(to);
                        if (forced) {
                            leaves = true;
                            push(to);
                        }
                    } else if (forced) {
                        leaves = true;
                    }
                }
                if (leaves || n.y > kFallOutY) continue;
                push(n);
            }
        }
    }
    for (uint32_t w : g_Touched) g_Visited[w] = 0;
    g_Touched.clear();
    return reach;
}
