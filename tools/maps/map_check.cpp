// The map validator. It loads each map into the game's own grids and walks the stand-in
// heroine (hero_walk.h) from every arrival: she falls to the ground, then walks in 8-pixel
// steps and jumps, and the exits, doors, townsfolk and save points she can reach are
// compared with the world table; what fails is said in a map author's words.
#include "tools/maps/map_check.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <tuple>

#include "tools/maps/hero_walk.h"
#include "world/grid.h"
#include "world/map_layers_text.h"
#include "world/map_state.h"
#include "world/run_state.h"

namespace {

std::string Num(double v) {
    char buf[32];
    snprintf(buf, sizeof buf, "%g", v);
    return buf;
}

// ---- the exits of the table, in words ----

bool LeftSide(const MapExit& e) {
    return e.kind == EXIT_LEFT;
}
bool RightSide(const MapExit& e) {
    return e.kind == EXIT_RIGHT;
}

std::string CondText(const MapExit& e) {
    std::string s;
    for (const StoryCond& c : e.cond) {
        if (c.kind == COND_NONE) continue;
        s += s.empty() ? " if " : ", ";
        if (c.kind == COND_FLAG_SET) s += "flag " + std::to_string(c.index);
        if (c.kind == COND_FLAG_CLEAR) s += "not flag " + std::to_string(c.index);
        if (c.kind == COND_STEP_SET) s += "scene " + std::to_string(c.index) + " under way";
        if (c.kind == COND_STEP_CLEAR) s += "scene " + std::to_string(c.index) + " not begun";
    }
    return s;
}
std::string HeightText(const MapExit& e) {
    switch (e.heightTest) {
        case HEIGHT_EQUAL:
            return " at y " + Num(e.height);
        case HEIGHT_BELOW:
            return " with y < " + Num(e.height);
        case HEIGHT_AT_MOST:
            return " with y <= " + Num(e.height);
        case HEIGHT_ABOVE:
            return " with y > " + Num(e.height);
        case HEIGHT_AT_LEAST:
            return " with y >= " + Num(e.height);
        default:
            return "";
    }
}
std::string RangeText(const MapExit& e) {
    if (e.scrollMax >= kFarScroll) return "ScrollX >= " + Num(e.scrollMin);
    if (e.scrollMin <= -kFarScroll) return "ScrollX <= " + Num(e.scrollMax);
    return "ScrollX " + Num(e.scrollMin) + ".." + Num(e.scrollMax);
}
std::string ExitText(const MapExit& e) {
    std::string kind;
    switch (e.kind) {
        case EXIT_LEFT:
            kind = "the left end";
            break;
        case EXIT_RIGHT:
            kind = "the right end";
            break;
        case EXIT_DOOR:
            kind = "the door";
            break;
        case EXIT_WARP:
            kind = "the warp";
            break;
        case EXIT_DOOR_WARP:
            kind = "the door warp";
            break;
        default:
            kind = e.heightTest == HEIGHT_BELOW || e.heightTest == HEIGHT_AT_MOST ? "the way out over the top"
                                                                                  : "the way down";
            break;
    }
    std::string to = IsWarp(e) ? "" : " to map " + std::to_string(e.dest);
    return kind + to + " (" + RangeText(e) + HeightText(e) + CondText(e) + ")";
}

// ---- the world under check ----

void LoadGrids(const MapCheckWorld& world, const MapInfo* map, int number) {
    ResetGrids();
    auto it = world.layers.find(number);
    if (it == world.layers.end()) return;
    CopyMapLayers(it->second.data(), it->second.data() + MAP_LAYER_BYTES);
    // The edits some maps make on entry (a stair, a removed barricade) as they stand once
    // the story has opened them: the checks look for the way the story needs.
    if (map && map->entryEdits) {
        for (int i = 0; i < STORY_FLAG_COUNT; ++i) StoryFlags[i] = EventSteps[i] = 1;
        map->entryEdits();
        for (int i = 0; i < STORY_FLAG_COUNT; ++i) StoryFlags[i] = EventSteps[i] = 0;
    }
}

const MapInfo* FindIn(const MapCheckWorld& world, int number) {
    for (const MapInfo* m : world.maps)
        if (m->number == number) return m;
    return nullptr;
}

// A new game starts on map 0 at ScrollX 0, standing at y 288, before any scene moves her.
constexpr int kNewGame = -2;

struct Arrival {
    int scene;   // the story scene that brings her, -1 for an exit, kNewGame for a new game
    int from;    // map whose exit leads here
    int exit;    // index of that exit
    bool keepY;  // her height carries over
    int y;       // height on arrival (for a kept height: the height she had there)
    int scroll;
};

std::string ArrivalText(const MapCheckWorld& world, const Arrival& a, int here) {
    if (a.scene == kNewGame) return "start of a new game (y 288, ScrollX 0)";
    if (a.scene >= 0)
        return "arrival at the end of scene " + std::to_string(a.scene) + " (y " + std::to_string(a.y) +
               (a.keepY ? " kept" : "") + ", ScrollX " + std::to_string(a.scroll) + ")";
    const MapInfo* from = FindIn(world, a.from);
    const MapExit& e = from->exits[a.exit];
    std::string s =
        a.from == here ? "arrival of " + ExitText(e) : "arrival from map " + std::to_string(a.from);
    s += " (y " + std::to_string(a.y) + (a.keepY ? " kept" : "") + ", ScrollX " + std::to_string(a.scroll) +
         ")";
    return s;
}

// Heights she may stand at in the first frames an exit fires: where its test begins.
std::set<int> StandingHeightsAtExit(const MapExit& e) {
    int lo = static_cast<int>(std::max(e.scrollMin, -8000.0f)),
        hi = static_cast<int>(std::min(e.scrollMax, 100.0f));
    if (e.scrollMax >= kFarScroll) hi = lo + kStep - 1;
    if (e.scrollMin <= -kFarScroll) lo = hi - kStep + 1;
    std::set<int> heights;
    for (int y = -64; y <= 288; y += TILE_SIZE) {
        if (!HeightHolds(e, y)) continue;
        for (int s = lo; s <= hi; ++s) {
            if (StandsAt(s, y)) {
                heights.insert(y);
                break;
            }
        }
    }
    return heights;
}

struct Checker {
    const MapCheckWorld& world;
    const MapCheckOptions& options;
    std::vector<MapCheckMessage>* out;
    std::map<std::tuple<int, int, int>, Reach> memo;  // by map, scroll and height of the arrival
    // Per map and exit: the heights she stood at when it fired (for kept heights).
    std::map<std::pair<int, int>, std::set<int>> exitHeights;

    std::vector<const MapTarget*> TargetsOf(int number) {
        auto it = world.targets.find(number);
        if (it == world.targets.end()) return MapTargetsOf(number);
        std::vector<const MapTarget*> list;
        for (const MapTarget& t : it->second) list.push_back(&t);
        return list;
    }

    static std::string TargetText(const MapTarget& t) {
        if (t.kind == TARGET_CAMERA)
            return std::string("the place where ") + t.what + " begins (ScrollX " +
                   (t.a <= -TARGET_OPEN_END  ? "<= " + std::to_string(t.b)
                    : t.b >= TARGET_OPEN_END ? ">= " + std::to_string(t.a)
                                             : std::to_string(t.a) + ".." + std::to_string(t.b)) +
                   ")";
        if (t.kind == TARGET_DOOR)
            return std::string(t.what) + " (ScrollX " + std::to_string(t.a) + ".." + std::to_string(t.b) +
                   " at y " + (t.atLeast ? ">= " : "") + std::to_string(t.y) + ")";
        return std::string(t.what) + " at (" + std::to_string(t.a) + ", " + std::to_string(t.y) + ")";
    }

    // Each figure stands on ground and outside the walls; each door has her floor under it.
    void CheckTargetPlaces(int number, const std::vector<const MapTarget*>& targets) {
        for (const MapTarget* t : targets) {
            if (t->kind == TARGET_CAMERA) continue;
            if (t->kind == TARGET_DOOR) {
                bool stands = false;
                for (int s = t->a; s <= t->b && !stands; ++s)
                    for (int y = -64; y <= 288 && !stands; y += TILE_SIZE)
                        stands = (t->atLeast ? y >= t->y : y == t->y) && StandsAt(s, y);
                if (!stands)
                    Say(true, number,
                        TargetText(*t) + ": she can stand at that height nowhere under it, columns " +
                            std::to_string(WorldLeft(t->b) / TILE_SIZE) + "-" +
                            std::to_string((WorldLeft(t->a) + 5) / TILE_SIZE) + " (a floor top in row " +
                            std::to_string((t->y + 64) / TILE_SIZE) + " with two free rows above it)");
                continue;
            }
            const int c0 = std::max(0, t->a / TILE_SIZE),
                      c1 = std::min(GRID_COLUMNS - 1, (t->a + 63) / TILE_SIZE);
            const int r0 = std::max(0, t->y / TILE_SIZE), r1 = (t->y + 63) / TILE_SIZE;
            std::string wall;
            bool ground = false;
            for (int c = c0; c <= c1; ++c) {
                for (int r = r0; r <= r1 && r < MAP_ROWS && wall.empty(); ++r)
                    if (CollisionGrid[r][c] != 0)
                        wall = "column " + std::to_string(c) + ", row " + std::to_string(r);
                const int below = (t->y + 64) / TILE_SIZE;
                if (below < MAP_ROWS && t->y % TILE_SIZE == 0 && CollisionGrid[below][c] != 0) ground = true;
            }
            if (!wall.empty()) {
                Say(false, number, TargetText(*t) + " stands inside a wall at " + wall);
            } else if (!ground) {
                Say(false, number,
                    TargetText(*t) + " stands on nothing: no ground in row " +
                        std::to_string((t->y + 64) / TILE_SIZE) + " under columns " + std::to_string(c0) +
                        "-" + std::to_string(c1));
            }
        }
    }

    // Every boss starts at world x 2048, most at y 192, and falls to the ground with the
    // gravity step: a pit there loses the fight.
    void CheckBossStart(const MapInfo* map) {
        if (map->bossCount == 0) return;
        ScrollX = 0;
        SpriteQuad body;
        InitQuad(&body, 64, 64, 255);
        PlaceQuad(&body, 2048, 192);
        HitRect rect;
        HitRectFromQuad(&rect, &body, 24, 34, 18, 0);
        const std::string where = "a boss starts at world x 2048 (column 64)";
        if (TouchesSolid(&rect)) {
            Say(false, map->number,
                where + " inside a wall at y 192; bosses expect free rows 6 to 10 over the floor there");
            return;
        }
        FallState fall{0, -1, 0, 0};
        float y = 192;
        for (int frame = 0; frame < 200 && !fall.onGround; ++frame) {
            FallStep(&body, &rect, &y, &fall);
            if (y > kFallOutY) {
                Say(true, map->number, where + " and falls into a pit: there is no ground under column 64");
                return;
            }
        }
    }

    void Say(bool error, int map, const std::string& text) {
        out->push_back({error, map, "map " + std::to_string(map) + ": " + text});
    }

    std::vector<Arrival> ArrivalsInto(int number, bool firstPass) {
        std::vector<Arrival> list;
        for (const MapInfo* from : world.maps) {
            for (int i = 0; i < from->exitCount; ++i) {
                const MapExit& e = from->exits[i];
                const int dest = IsWarp(e) ? from->number : e.dest;
                if (dest != number) continue;
                const int scroll = static_cast<int>(e.arriveScroll);
                if (!e.keepY) {
                    list.push_back({-1, from->number, i, false, static_cast<int>(e.arriveY), scroll});
                    continue;
                }
                std::set<int> heights;
                if (!world.layers.count(from->number)) {
                    heights = LikelyHeights(number, scroll);
                } else if (firstPass) {
                    LoadGrids(world, from, from->number);
                    heights = StandingHeightsAtExit(e);
                } else {
                    heights = exitHeights[{from->number, i}];
                }
                for (int y : heights) list.push_back({-1, from->number, i, true, y, scroll});
            }
        }
        if (number == 0) list.push_back({kNewGame, -1, -1, false, 288, 0});
        for (const SceneArrival* s : SceneArrivalsInto(number)) {
            if (s->y != SCENE_Y_KEPT) {
                list.push_back({s->scene, -1, -1, false, s->y, s->scroll});
                continue;
            }
            for (int y : LikelyHeights(number, s->scroll))
                list.push_back({s->scene, -1, -1, true, y, s->scroll});
        }
        return list;
    }

    // Where she most likely walks in when the height she brings is not known: the floor
    // row, else the highest ground under her.
    std::set<int> LikelyHeights(int number, int scroll) {
        LoadGrids(world, FindIn(world, number), number);
        std::set<int> heights;
        for (int y = -64; y <= 288 && heights.empty(); y += TILE_SIZE)
            if (StandsAt(scroll, y)) heights.insert(StandsAt(scroll, 288) ? 288 : y);
        return heights;
    }

    // Her way from an arrival: she falls to the ground with no key down, then explores.
    const Reach& ExploreFrom(const MapInfo* map, const Arrival& a) {
        auto key = std::make_tuple(map->number, a.scroll, a.y);
        auto it = memo.find(key);
        if (it != memo.end()) return it->second;
        LoadGrids(world, map, map->number);
        Reach r = Explore(map, Motion{a.scroll, a.y, 0, 0}, TargetsOf(map->number));
        r.trappedInWall = TouchesAt(a.scroll, a.y);
        return memo[key] = r;
    }

    void FirstPass(int number) {
        const MapInfo* map = FindIn(world, number);
        if (!map || !world.layers.count(number)) return;
        for (const Arrival& a : ArrivalsInto(number, true)) {
            const Reach& r = ExploreFrom(map, a);
            for (int i = 0; i < map->exitCount; ++i)
                exitHeights[{number, i}].insert(r.exits[i].standHeights.begin(),
                                                r.exits[i].standHeights.end());
        }
    }

    void CheckArrival(const MapInfo* map, const Arrival& a) {
        LoadGrids(world, map, map->number);
        const std::string what = ArrivalText(world, a, map->number);
        if (TouchesAt(a.scroll, a.y)) {
            Say(true, map->number, what + " stands inside a wall at " + SolidCellAt(a.scroll, a.y));
            return;
        }
        // She falls with no key down until she stands or drops out of the screen.
        Motion m{a.scroll, a.y, 0, 0};
        for (int frame = 0; frame < 200 && !Standing(m); ++frame) {
            m = Step(m, false, 0);
            if (m.y > kFallOutY) {
                Say(true, map->number,
                    what + " falls into a pit: there is no ground under column " +
                        std::to_string(ColumnOf(a.scroll)));
                return;
            }
        }
        for (int i = 0; i < map->exitCount; ++i) {
            const MapExit& e = map->exits[i];
            if (Unconditional(e) && !e.door && !IsWarp(e) && Fires(e, m, true))
                Say(true, map->number,
                    what + " lands inside " + ExitText(e) + ", which sends her straight on");
        }
    }

    void CheckDoorHeights(const MapInfo* map) {
        LoadGrids(world, map, map->number);
        for (int i = 0; i < map->exitCount; ++i) {
            const MapExit& e = map->exits[i];
            if (!e.door) continue;
            const int lo = static_cast<int>(e.scrollMin), hi = static_cast<int>(e.scrollMax);
            bool stands = false;
            for (int s = lo; s <= hi && !stands; ++s)
                for (int y = -64; y <= 288 && !stands; y += TILE_SIZE)
                    stands = HeightHolds(e, y) && StandsAt(s, y);
            if (stands) continue;
            const int c0 = WorldLeft(hi) / TILE_SIZE, c1 = (WorldLeft(lo) + 5) / TILE_SIZE;
            std::string need = e.heightTest == HEIGHT_EQUAL
                                   ? "at y " + Num(e.height) + " (a floor top in row " +
                                         std::to_string(static_cast<int>(e.height + 64) / TILE_SIZE) +
                                         " with two free rows above it)"
                                   : "anywhere";
            Say(true, map->number,
                ExitText(e) + ": she can stand " + need + " nowhere under it, columns " + std::to_string(c0) +
                    "-" + std::to_string(c1));
        }
    }

    void CheckSavePoints(const MapInfo* map, int number, const std::set<int>& touched, bool explored) {
        LoadGrids(world, map, number);
        for (int row = 0; row < MAP_ROWS; ++row) {
            for (int c = 0; c < GRID_COLUMNS; ++c) {
                if (DecorGrid[row][c] != SAVE_POINT_TILE) continue;
                const std::string where =
                    "the save point at column " + std::to_string(c) + ", row " + std::to_string(row);
                bool ground = false;
                for (int y : {row * TILE_SIZE - TILE_SIZE, row * TILE_SIZE})
                    for (int s = 298 - TILE_SIZE * c; s <= 334 - TILE_SIZE * c && !ground; ++s)
                        ground = StandsAt(s, y);
                if (!ground) {
                    Say(false, number,
                        where +
                            " has no ground she can stand on beside it (put it in row 10 over the floor row "
                            "11)");
                } else if (explored && !touched.count(row * GRID_COLUMNS + c)) {
                    Say(false, number, where + " cannot be reached from any arrival");
                }
            }
        }
    }

    void CheckMap(int number) {
        const MapInfo* map = FindIn(world, number);
        const bool hasFile = world.layers.count(number) != 0;
        if (!map) {
            if (hasFile)
                Say(false, number, "has a file but no entry in the world table; only its layers are checked");
            if (hasFile) CheckSavePoints(nullptr, number, {}, false);
            return;
        }
        if (!hasFile) {
            Say(options.missingFileIsError, number,
                "has no file content/maps/map_" +
                    std::string(number < 10    ? "00"
                                : number < 100 ? "0"
                                               : "") +
                    std::to_string(number) + ".txt");
            return;
        }
        LoadGrids(world, map, number);
        CheckDoorHeights(map);
        LoadGrids(world, map, number);
        const std::vector<const MapTarget*> targets = TargetsOf(number);
        CheckTargetPlaces(number, targets);
        CheckBossStart(map);
        std::set<int> targetsReached;

        const std::vector<Arrival> arrivals = ArrivalsInto(number, false);
        // Per exit, the arrivals from which she cannot reach it.
        std::vector<std::vector<const Arrival*>> missed(map->exitCount);
        std::vector<const Reach*> reaches;
        std::set<int> saves;
        bool voidLeft = false, voidRight = false, cameraLeft = false, cameraRight = false;
        std::string voidFrom;
        for (const Arrival& a : arrivals) {
            CheckArrival(map, a);
            const Reach& r = ExploreFrom(map, a);
            reaches.push_back(&r);
            if (r.trappedInWall) continue;
            bool any = false;
            for (int i = 0; i < map->exitCount; ++i) {
                if (r.exits[i].fired)
                    any = true;
                else
                    missed[i].push_back(&a);
            }
            if (!any && map->exitCount > 0)
                Say(true, number, "from the " + ArrivalText(world, a, number) + " she can reach no exit");
            saves.insert(r.savePoints.begin(), r.savePoints.end());
            targetsReached.insert(r.targets.begin(), r.targets.end());
            if ((r.voidLeft && !voidLeft) || (r.voidRight && !voidRight))
                voidFrom = ArrivalText(world, a, number);
            voidLeft |= r.voidLeft;
            voidRight |= r.voidRight;
            cameraLeft |= r.cameraLeft;
            cameraRight |= r.cameraRight;
        }
        if (arrivals.empty()) {
            Say(false, number,
                "no exit of the table leads here, so only a scene can bring her; its ways are not walked");
        } else {
            for (int i = 0; i < map->exitCount; ++i) {
                const MapExit& e = map->exits[i];
                for (const Arrival* a : missed[i]) {
                    const Reach& r = *reaches[a - arrivals.data()];
                    std::string how;
                    if (RightSide(e))
                        how = ": going right she gets no further than ScrollX " +
                              std::to_string(r.minScroll) + " (column " +
                              std::to_string(ColumnOf(r.minScroll)) + ")";
                    else if (LeftSide(e))
                        how = ": going left she gets no further than ScrollX " + std::to_string(r.maxScroll) +
                              " (column " + std::to_string(ColumnOf(r.maxScroll)) + ")";
                    Say(true, number,
                        ExitText(e) + " cannot be reached from the " + ArrivalText(world, *a, number) + how);
                }
            }
            for (int i = 0; i < static_cast<int>(targets.size()); ++i) {
                if (targetsReached.count(i)) continue;
                const MapTarget& t = *targets[i];
                if (t.kind == TARGET_STILL) continue;
                Say(t.needed != 0, number,
                    TargetText(t) +
                        (t.kind == TARGET_DOOR     ? " cannot be opened"
                         : t.kind == TARGET_CAMERA ? " cannot be reached"
                                                   : " cannot be touched") +
                        ": she can reach it from no arrival");
            }
            ReportVoid(map, voidLeft, true, voidFrom);
            ReportVoid(map, voidRight, false, voidFrom);
            ReportCamera(map, cameraLeft && !voidLeft, true);
            ReportCamera(map, cameraRight && !voidRight, false);
        }
        CheckSavePoints(map, number, saves, !arrivals.empty());
    }

    // The camera showed past an end where no exit of any kind waits: a look, not a fault.
    void ReportCamera(const MapInfo* map, bool happened, bool left) {
        if (!happened) return;
        for (int i = 0; i < map->exitCount; ++i)
            if (left ? LeftSide(map->exits[i]) : RightSide(map->exits[i])) return;
        Say(false, map->number,
            std::string("she can walk so far ") +
                (left ? "left that the camera shows past column 0"
                      : "right that the camera shows past column 249") +
                ": a higher wall there keeps the picture inside the map");
    }

    // She walked off an end of the map: an error unless an exit there only waits for the story.
    void ReportVoid(const MapInfo* map, bool happened, bool left, const std::string& from) {
        if (!happened) return;
        std::string waiting;
        for (int i = 0; i < map->exitCount; ++i) {
            const MapExit& e = map->exits[i];
            if ((left ? LeftSide(e) : RightSide(e)) && !e.door) waiting = ExitText(e);
        }
        const std::string side = left ? "left end (before column 0)" : "right end (past column 249)";
        if (waiting.empty()) {
            Say(true, map->number,
                "from the " + from + " she can walk off the " + side + " where no exit waits: wall that end");
        } else {
            Say(false, map->number,
                "from the " + from + " she can walk off the " + side + " when " + waiting +
                    " does not take her: wall that end or make sure its condition holds");
        }
    }
};

}  // namespace

std::vector<const MapInfo*> GameMapTable() {
    std::vector<const MapInfo*> maps;
    for (int32_t i = 0; i < MapCount(); ++i) maps.push_back(MapAt(i));
    return maps;
}

bool LoadMapFile(const std::string& path, const TileLegend& legend, MapCheckWorld* world,
                 std::vector<MapCheckMessage>* out) {
    const int number = MapNumberFromFileName(path);
    if (number < 0) {
        out->push_back({true, -1, path + ": a map file is named map_NNN.txt"});
        return false;
    }
    std::string text;
    if (!ReadWholeFile(path, &text)) {
        out->push_back({true, number, "map " + std::to_string(number) + ": " + path + " cannot be read"});
        return false;
    }
    std::vector<uint8_t> layers(2 * MAP_LAYER_BYTES);
    std::vector<MapTextError> errors;
    if (!ParseMapText(text, legend, layers.data(), &errors)) {
        for (const MapTextError& e : errors)
            out->push_back({true, number,
                            "map " + std::to_string(number) + ": " + path +
                                (e.line > 0 ? ":" + std::to_string(e.line) : "") + ": " + e.what});
        return false;
    }
    world->layers[number] = layers;
    world->files[number] = path;
    return true;
}

void CheckMaps(const MapCheckWorld& world, const std::vector<int>& which, const MapCheckOptions& options,
               std::vector<MapCheckMessage>* out) {
    const float savedScroll = ScrollX;
    Checker checker{world, options, out, {}, {}};
    for (auto& entry : world.layers) checker.FirstPass(entry.first);
    for (int n : which) checker.CheckMap(n);
    ResetGrids();
    ScrollX = savedScroll;
}

int CountErrors(const std::vector<MapCheckMessage>& messages) {
    int n = 0;
    for (const MapCheckMessage& m : messages) n += m.error;
    return n;
}
