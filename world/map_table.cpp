// The world map table: for every map its place, music, inn price, backdrop, exits and
// warps in the order the run routine tests them, and what it spawns and runs.
#include "world/map_table.h"

namespace {

constexpr float kFar = 1.0e30f;
constexpr float kLeftEdge = -32;     // ScrollX at or right of this leaves by the left
constexpr float kRightEdge = -7308;  // ScrollX at or left of this leaves by the right
constexpr bool P = true;             // the exit shows a transition picture
constexpr int KEEP = -1;             // music playing goes on / inn price unchanged

// --- Conditions -------------------------------------------------------------------------

constexpr StoryCond F(int k) {
    return StoryCond{COND_FLAG_SET, static_cast<int16_t>(k)};
}
constexpr StoryCond NotF(int k) {
    return StoryCond{COND_FLAG_CLEAR, static_cast<int16_t>(k)};
}
constexpr StoryCond Step(int k) {
    return StoryCond{COND_STEP_SET, static_cast<int16_t>(k)};
}
constexpr StoryCond NotStep(int k) {
    return StoryCond{COND_STEP_CLEAR, static_cast<int16_t>(k)};
}

template <typename... C>
constexpr void FillConds(StoryCond (&out)[CONDS_MAX], C... c) {
    static_assert(sizeof...(c) <= CONDS_MAX, "too many conditions");
    const StoryCond list[] = {StoryCond{COND_NONE, 0}, c...};
    for (int i = 0; i < static_cast<int>(sizeof...(c)); ++i) out[i] = list[i + 1];
}

// --- Arrivals and heights ---------------------------------------------------------------

struct Arrive {
    int32_t dest;
    uint8_t keepY;
    float y;
    float scroll;
    uint8_t picture;
};
constexpr Arrive To(int dest, float y, float scroll, bool picture = false) {
    return Arrive{dest, 0, y, scroll, static_cast<uint8_t>(picture)};
}
constexpr Arrive ToKeepY(int dest, float scroll, bool picture = false) {
    return Arrive{dest, 1, 0, scroll, static_cast<uint8_t>(picture)};
}
// A warp within the map.
constexpr Arrive Here(float y, float scroll, bool picture = false) {
    return To(EXIT_SAME_MAP, y, scroll, picture);
}

struct Height {
    uint8_t test;
    float h;
};
constexpr Height AnyY{HEIGHT_ANY, 0};
constexpr Height YEq(float h) {
    return Height{HEIGHT_EQUAL, h};
}
constexpr Height YBelow(float h) {
    return Height{HEIGHT_BELOW, h};
}
constexpr Height YAtMost(float h) {
    return Height{HEIGHT_AT_MOST, h};
}
constexpr Height YAbove(float h) {
    return Height{HEIGHT_ABOVE, h};
}
constexpr Height YAtLeast(float h) {
    return Height{HEIGHT_AT_LEAST, h};
}

// --- Exits ------------------------------------------------------------------------------

template <typename... C>
constexpr MapExit Exit(uint8_t kind, float lo, float hi, uint8_t door, Height height, Arrive a, C... c) {
    MapExit e{};
    e.kind = kind;
    e.scrollMin = lo;
    e.scrollMax = hi;
    e.door = door;
    e.heightTest = height.test;
    e.height = height.h;
    FillConds(e.cond, c...);
    e.dest = a.dest;
    e.keepY = a.keepY;
    e.arriveY = a.y;
    e.arriveScroll = a.scroll;
    e.picture = a.picture;
    return e;
}
// Left edge: ScrollX >= -32.
template <typename... C>
constexpr MapExit L(Arrive a, C... c) {
    return Exit(EXIT_LEFT, kLeftEdge, kFar, 0, AnyY, a, c...);
}
// Left edge of a map whose camera may pass 0: ScrollX in [lo..hi].
template <typename... C>
constexpr MapExit LIn(float lo, float hi, Arrive a, C... c) {
    return Exit(EXIT_LEFT, lo, hi, 0, AnyY, a, c...);
}
// Right edge: ScrollX <= -7308.
template <typename... C>
constexpr MapExit R(Arrive a, C... c) {
    return Exit(EXIT_RIGHT, -kFar, kRightEdge, 0, AnyY, a, c...);
}
// Right edge of a shorter map: ScrollX <= limit.
template <typename... C>
constexpr MapExit RTo(float limit, Arrive a, C... c) {
    return Exit(EXIT_RIGHT, -kFar, limit, 0, AnyY, a, c...);
}
// Right edge reached inside [lo..hi].
template <typename... C>
constexpr MapExit RIn(float lo, float hi, Arrive a, C... c) {
    return Exit(EXIT_RIGHT, lo, hi, 0, AnyY, a, c...);
}
// Right edge taken only at a height.
template <typename... C>
constexpr MapExit RY(Height height, Arrive a, C... c) {
    return Exit(EXIT_RIGHT, -kFar, kRightEdge, 0, height, a, c...);
}
// Door: Up with the heroine in control, ScrollX in [lo..hi], and the height if given.
template <typename... C>
constexpr MapExit D(float lo, float hi, Height height, Arrive a, C... c) {
    return Exit(EXIT_DOOR, lo, hi, 1, height, a, c...);
}
// Vertical exit: ScrollX in [lo..hi] with a height test (out over the top, or down).
template <typename... C>
constexpr MapExit V(float lo, float hi, Height height, Arrive a, C... c) {
    return Exit(EXIT_VERTICAL, lo, hi, 0, height, a, c...);
}
// Vertical exit anywhere along the map.
template <typename... C>
constexpr MapExit VAny(Height height, Arrive a, C... c) {
    return Exit(EXIT_VERTICAL, -kFar, kFar, 0, height, a, c...);
}
// Walk-through warp within the map.
template <typename... C>
constexpr MapExit W(float lo, float hi, Arrive a, C... c) {
    return Exit(EXIT_WARP, lo, hi, 0, AnyY, a, c...);
}
// Door warp within the map.
template <typename... C>
constexpr MapExit WD(float lo, float hi, Arrive a, C... c) {
    return Exit(EXIT_DOOR_WARP, lo, hi, 1, AnyY, a, c...);
}

struct ExitList {
    MapExit e[MAP_EXITS_MAX];
    int32_t count;
};
template <typename... X>
constexpr ExitList Exits(X... x) {
    static_assert(sizeof...(x) <= MAP_EXITS_MAX, "too many exits");
    ExitList list{};
    const MapExit all[] = {MapExit{}, x...};
    for (int i = 0; i < static_cast<int>(sizeof...(x)); ++i) list.e[i] = all[i + 1];
    list.count = sizeof...(x);
    return list;
}
constexpr ExitList kNoExits{};

// --- Spawns and scenes: T, E, Bn, S, combined with + ------------------------------------

struct Content {
    uint8_t townsfolk;
    uint8_t enemies;
    BossGroup bosses[MAP_BOSS_GROUPS_MAX];
    int32_t bossGroups;
    int16_t scenes[MAP_SCENES_MAX];
    int32_t sceneCount;
};
constexpr Content operator+(Content a, const Content& b) {
    a.townsfolk |= b.townsfolk;
    a.enemies |= b.enemies;
    for (int i = 0; i < b.bossGroups; ++i) a.bosses[a.bossGroups++] = b.bosses[i];
    for (int i = 0; i < b.sceneCount; ++i) a.scenes[a.sceneCount++] = b.scenes[i];
    return a;
}
constexpr Content Nothing{};
constexpr Content T{1, 0, {}, 0, {}, 0};
constexpr Content E{0, 1, {}, 0, {}, 0};
template <typename... C>
constexpr Content B(int count, C... c) {
    Content x{};
    x.bosses[0].count = static_cast<uint8_t>(count);
    FillConds(x.bosses[0].cond, c...);
    x.bossGroups = 1;
    return x;
}
template <typename... K>
constexpr Content S(K... k) {
    static_assert(sizeof...(k) <= MAP_SCENES_MAX, "too many scenes");
    Content x{};
    const int16_t list[] = {0, static_cast<int16_t>(k)...};
    for (int i = 0; i < static_cast<int>(sizeof...(k)); ++i) x.scenes[i] = list[i + 1];
    x.sceneCount = sizeof...(k);
    return x;
}

// --- Rows -------------------------------------------------------------------------------

// A music slot, started on entry, optionally only once a flag is set.
struct Music {
    int16_t slot;
    int16_t flag;
    constexpr Music(int s) : slot(static_cast<int16_t>(s)), flag(NO_FLAG) {}
    constexpr Music(int s, StoryCond onlyIf) : slot(static_cast<int16_t>(s)), flag(onlyIf.index) {}
};

constexpr MapInfo Map(int number, int place, Music music, int inn, int backdrop, const ExitList& exits,
                      const Content& c) {
    MapInfo m{};
    m.number = static_cast<int16_t>(number);
    m.place = static_cast<int16_t>(place);
    m.music = music.slot;
    m.musicFlag = music.flag;
    m.innPrice = inn;
    m.backdrop = static_cast<int16_t>(backdrop);
    for (int i = 0; i < exits.count; ++i) m.exits[i] = exits.e[i];
    m.exitCount = exits.count;
    m.hasTownsfolk = c.townsfolk;
    m.hasEnemies = c.enemies;
    for (int i = 0; i < c.bossGroups; ++i) {
        m.bosses[i] = c.bosses[i];
        m.bossCount = static_cast<uint8_t>(m.bossCount + c.bosses[i].count);
    }
    m.bossGroupCount = c.bossGroups;
    for (int i = 0; i < c.sceneCount; ++i) m.scenes[i] = c.scenes[i];
    m.sceneCount = c.sceneCount;
    m.entryLockUntilFlag = NO_FLAG;
    return m;
}
constexpr MapInfo WithEntryEdits(MapInfo m, void (*edits)()) {
    m.entryEdits = edits;
    return m;
}
constexpr MapInfo WithRunExtras(MapInfo m, void (*extras)()) {
    m.runExtras = extras;
    return m;
}
constexpr MapInfo ExitsWhileWorldRuns(MapInfo m) {
    m.exitsOnlyWhileWorldRuns = 1;
    return m;
}
constexpr MapInfo OpeningLocksUntil(MapInfo m, StoryCond flag) {
    m.entryLockUntilFlag = flag.index;
    return m;
}

// clang-format off
constexpr MapInfo kMaps[] = {
    //  map place music inn backdrop
    OpeningLocksUntil(Map(0, 0, Music(22, F(0)), 200, 0,
        Exits(RTo(-3824, To(1, 288, -64, P)), L(To(150, 288, -7276, P), F(1)),
              D(-2032, -1776, YEq(288), To(151, 288, -64, P), F(70))),
        T + S(0)), F(0)),
    Map(1, 1, KEEP, KEEP, 1, Exits(L(To(0, 288, -3792)), R(ToKeepY(2, -64))), E),
    Map(2, 1, KEEP, KEEP, 1, Exits(L(ToKeepY(1, -7276)), R(To(3, 256, -64, P))), E),
    Map(3, 1, KEEP, KEEP, 0, kNoExits, B(2, NotF(1)) + S(1)),
    Map(4, 2, KEEP, KEEP, 2, Exits(LIn(0, 32, To(5, 288, -128, P))), T + S(2, 6)),
    Map(5, 3, KEEP, KEEP, 1, Exits(L(To(4, 288, -128, P)), R(ToKeepY(6, -64))), E),
    Map(6, 3, KEEP, KEEP, 1, Exits(L(ToKeepY(5, -7276)), R(ToKeepY(7, -64))), E),
    Map(7, 3, 18, KEEP, 1,
        Exits(L(ToKeepY(6, -7276), F(3)), RIn(-2096, -2064, To(8, 288, -64, P), F(3))),
        B(1, NotF(3)) + S(3)),
    Map(8, 4, 24, 500, 0,
        Exits(L(To(7, 288, -2032, P)), RIn(-4140, -4108, To(9, 288, -64, P))),
        T + B(1, NotF(4)) + S(4)),
    Map(9, 3, KEEP, KEEP, 1, Exits(L(To(8, 288, -4076, P)), R(To(10, 288, -64, P))), E),
    Map(10, 5, KEEP, 700, 0,
        Exits(L(To(9, 288, -7276, P)), RIn(-5392, -5360, ToKeepY(11, -64))),
        T + S(5, 8)),
    Map(11, 5, 24, KEEP, 0,
        Exits(L(ToKeepY(10, -5328)), RIn(-2544, -2512, To(12, 288, -64, P), F(8))),
        B(2, F(6), NotF(7)) + S(7)),
    Map(12, 6, KEEP, KEEP, 0, Exits(L(To(11, 288, -2480, P)), R(ToKeepY(13, -64))), E),
    Map(13, 6, KEEP, KEEP, 0,
        Exits(L(ToKeepY(12, -7276)), R(To(14, 288, -64, P)),
              D(-1396, -1372, YEq(224), To(20, 288, -64, P), F(14))),
        E),
    Map(14, 7, 16, 700, 0,
        Exits(L(To(13, 288, -7276, P)), R(ToKeepY(15, -64)),
              D(-2128, -2072, AnyY, To(62, 288, -64, P), Step(42))),
        T + B(2, F(39), NotF(40), NotF(42)) + S(14, 40, 42)),
    WithEntryEdits(Map(15, 8, KEEP, KEEP, 0,
        Exits(L(ToKeepY(14, -7276)), RIn(-3856, -3824, To(16, 288, -64, P))),
        B(1, F(9), NotF(10), NotF(40)) + S(10, 13)), EditMap15OnEntry),
    Map(16, 8, KEEP, KEEP, 3, Exits(L(To(15, 192, -3792, P)), R(ToKeepY(17, -64))), E),
    Map(17, 8, KEEP, KEEP, 3, Exits(L(To(16, 288, -7276)), RY(YAtMost(0), To(18, 288, -64))), E),
    Map(18, 8, 16, KEEP, 3,
        Exits(L(To(17, 0, -7276)), R(To(19, 288, -64, P)),
              D(-6896, -6744, AnyY, To(58, 288, -64, P), F(36)),
              W(-3632, -3600, Here(288, -4620, P), F(11)),
              W(-4588, -4556, Here(288, -3568, P))),
        B(2, NotF(9), NotF(37)) + S(9, 11, 37)),
    Map(19, 8, 16, KEEP, 4,
        Exits(L(To(18, 288, -7276, P)), R(To(14, 288, -2436))),
        T + B(1, NotF(12)) + S(12)),
    Map(20, 6, KEEP, KEEP, 0, Exits(L(To(13, 224, -1376, P)), R(ToKeepY(21, -64))), E),
    Map(21, 6, KEEP, KEEP, 0, Exits(L(ToKeepY(20, -7276)), R(ToKeepY(22, -64))), E),
    Map(22, 6, KEEP, KEEP, 0, Exits(L(ToKeepY(21, -7276)), R(To(23, 288, -64, P))), E),
    Map(23, 9, KEEP, 800, 0, Exits(L(To(22, 288, -7276, P)), R(ToKeepY(24, -64))), T),
    Map(24, 9, 30, 800, 0,
        Exits(L(ToKeepY(23, -7276), F(15)), RIn(-2384, -2352, To(25, 256, -64, P), F(15))),
        B(2, NotF(15)) + S(15)),
    Map(25, 6, KEEP, 800, 0, Exits(L(To(24, 256, -2320, P)), R(To(26, 288, -64, P))), E),
    ExitsWhileWorldRuns(Map(26, 10, KEEP, 800, 0,
        Exits(L(To(25, 288, -7276, P)), R(To(27, 288, -64, P)),
              D(-2896, -2872, AnyY, To(45, 288, -64, P), F(24)),
              WD(-2392, -2320, Here(288, -3500)),
              WD(-3484, -3404, Here(288, -2408))),
        T + S(16, 19, 24))),
    Map(27, 11, KEEP, 800, 0, Exits(L(To(26, 288, -7276, P)), R(To(28, 288, -64, P))), E),
    WithEntryEdits(Map(28, 11, 28, 800, 3,
        Exits(L(To(27, 192, -7276, P)), R(ToKeepY(34, -64)),
              VAny(YAtMost(0), To(35, 288, -128), F(17))),
        E), EditMap28OnEntry),
    WithRunExtras(Map(34, 11, KEEP, 800, 3, Exits(L(ToKeepY(28, -7276))), E + S(17)), RunMap34Switch),
    Map(35, 11, KEEP, 800, 3, Exits(L(To(28, 32, -1792)), R(To(36, 288, -64, P))), E),
    Map(36, 11, 28, 800, 0, Exits(L(To(35, 288, -7276, P), F(18))), T + B(3, NotF(18)) + S(18)),
    Map(37, 12, 27, 800, 0, Exits(R(To(38, 192, -64, P))), T + B(1, NotStep(20)) + S(20)),
    Map(38, 13, KEEP, 800, 0, Exits(L(To(37, 192, -7276, P)), R(ToKeepY(39, -64))), E),
    Map(39, 13, KEEP, 800, 0, Exits(L(ToKeepY(38, -7276), F(18)), R(To(40, 288, -64, P))), E),
    Map(40, 14, KEEP, 800, 0, Exits(L(To(39, 288, -7276, P), F(18)), R(ToKeepY(41, -64, P))), T),
    WithEntryEdits(Map(41, 14, 25, 800, 0,
        Exits(L(To(40, 288, -7276, P), F(18), F(21)), RIn(-3600, -3568, To(42, 288, -64, P), F(21))),
        B(4, NotF(21)) + S(21)), EditMap41OnEntry),
    Map(42, 15, KEEP, 800, 0,
        Exits(L(To(41, 288, -3536, P)), R(ToKeepY(43, -64)),
              D(-3896, -3556, AnyY, To(44, 288, -7276, P))),
        E),
    Map(43, 15, KEEP, 800, 0, Exits(L(ToKeepY(42, -7276)), R(To(47, 288, -64, P))), E),
    Map(44, 16, KEEP, 800, 0,
        Exits(L(To(46, 288, -7276, P)), R(To(42, 288, -3556, P))),
        T + S(23, 28)),
    Map(45, 15, KEEP, 800, 0, Exits(L(ToKeepY(26, -2872, P)), R(ToKeepY(46, -64))), E),
    Map(46, 15, KEEP, 800, 0, Exits(L(ToKeepY(45, -7276)), R(To(44, 288, -64, P))), E),
    Map(47, 17, KEEP, 800, 0, Exits(L(To(43, 288, -7276, P)), R(To(48, 288, -64, P))), T),
    Map(48, 18, KEEP, 800, 0, Exits(L(To(47, 288, -7276, P)), R(ToKeepY(49, -64))), E),
    Map(49, 18, KEEP, 800, 0, Exits(L(ToKeepY(48, -7276)), R(ToKeepY(50, -64, P))), E),
    Map(50, 19, KEEP, 800, 0,
        Exits(L(To(49, 288, -7276, P)), R(To(51, 160, -64, P))),
        T + B(5, F(35), NotF(36)) + S(26, 29, 36)),
    Map(51, 20, 19, 800, 5,
        Exits(L(To(50, 160, -7276, P), F(25)), R(To(52, 160, -64, P), F(25))),
        B(1, NotF(25)) + S(25)),
    Map(52, 18, KEEP, 800, 5, Exits(L(To(51, 160, -7276, P)), R(ToKeepY(53, -64))), E),
    Map(53, 21, 19, 800, 5,
        Exits(L(ToKeepY(52, -7276)), RIn(-5264, -5232, To(54, 288, -64, P))),
        B(1) + B(1, F(29), NotF(30)) + S(27, 30, 32)),
    Map(54, 21, 19, 800, 5,
        Exits(L(To(53, 288, -5200, P), F(31), F(35)), RIn(-3440, -3408, To(55, 288, -64, P), F(31))),
        B(1, NotF(31)) + S(31)),
    Map(55, 21, KEEP, 800, 3,
        Exits(L(To(54, 288, -3376, P)), RIn(-2128, -2096, To(56, 288, -64, P))),
        T + S(33, 35)),
    Map(56, 21, 19, 800, 5, Exits(L(To(55, 288, -2064, P)), R(ToKeepY(57, -64))), Nothing),
    Map(57, 21, 19, 800, 5, Exits(L(ToKeepY(56, -7276))), T + B(4, NotF(34)) + S(34)),
    Map(58, 8, KEEP, 800, 3,
        Exits(L(To(18, 288, -6744)), V(-7340, -7084, YBelow(0), To(59, 288, -7276))),
        E),
    Map(59, 8, KEEP, 800, 3,
        Exits(V(-64, 0, YBelow(0), To(60, 288, -64)), R(To(58, 32, -7084))),
        E),
    Map(60, 8, KEEP, 800, 5,
        Exits(L(To(59, 0, -128)), R(To(61, 256, -536, P))),
        B(1, NotF(38), NotF(41)) + S(38, 41)),
    Map(61, 54, 16, 800, 5,
        Exits(V(-528, -400, YAbove(320), To(60, 32, -7084))),
        B(2, NotF(39)) + B(5, F(55), NotF(56)) + S(39, 56)),
    Map(62, 22, KEEP, 800, 1, Exits(L(To(14, 288, -2128)), R(ToKeepY(63, -64))), E + S(43)),
    Map(63, 22, KEEP, 800, 1, Exits(L(ToKeepY(62, -7084)), R(To(64, 288, -64))), E),
    Map(64, 23, KEEP, 800, 1, Exits(L(ToKeepY(63, -7084)), R(ToKeepY(65, -64))), T),
    Map(65, 22, KEEP, 800, 1, Exits(L(ToKeepY(64, -7084)), R(ToKeepY(66, -64))), E),
    Map(66, 22, KEEP, 800, 1, Exits(L(ToKeepY(65, -7084)), R(To(67, 288, -64, P))), E),
    Map(67, 24, 32, 800, 0,
        Exits(L(To(66, 288, -7084, P)), R(To(68, 288, -64, P)),
              D(-4620, -4508, AnyY, To(74, 288, -64, P), F(44))),
        E),
    Map(68, 25, 32, 800, 0,
        Exits(L(To(67, 288, -7084, P)), R(To(69, 288, -64, P))),
        E + B(7, F(44), NotF(45)) + S(45)),
    Map(69, 25, 32, 800, 3, Exits(L(To(68, 192, -7084, P)), R(ToKeepY(70, -64))), E),
    Map(70, 25, 32, 800, 3, Exits(L(ToKeepY(69, -7084)), R(To(71, 288, -7084, P))), E),
    Map(71, 25, 32, 800, 3, Exits(L(To(72, 288, -64, P)), R(To(70, 0, -7084, P))), E),
    Map(72, 25, 32, 800, 3,
        Exits(L(To(71, 0, -128)), R(To(73, 256, -448, P))),
        T + B(4, F(45), NotF(46)) + S(46)),
    Map(73, 25, 32, 800, 5,
        Exits(V(-432, -312, YAtLeast(288), To(72, 0, -7084, P))),
        T + B(3, NotF(44)) + S(44)),
    Map(74, 26, KEEP, 800, 0, Exits(L(To(67, 288, -4508, P)), R(ToKeepY(75, -64))), E),
    Map(75, 26, KEEP, 800, 0, Exits(L(ToKeepY(74, -7276)), R(To(76, 288, -64, P))), E),
    Map(76, 27, 22, 1000, 0,
        Exits(L(ToKeepY(75, -7276, P)), R(ToKeepY(77, -64, P)),
              D(-2188, -2068, YEq(256), To(100, 288, -7276, P), F(50))),
        T + S(47)),
    Map(77, 26, KEEP, 800, 0, Exits(L(ToKeepY(76, -7276, P)), R(ToKeepY(78, -64))), E),
    Map(78, 26, KEEP, 1000, 0, Exits(L(ToKeepY(77, -7276)), R(ToKeepY(79, -64, P))), E),
    Map(79, 28, KEEP, 1000, 0, Exits(L(To(78, 288, -7276, P)), R(To(80, 288, -64, P))), T + S(48, 50)),
    Map(80, 29, 31, 1000, 0, Exits(L(To(79, 288, -7276, P)), R(To(81, 288, -64, P))), E),
    Map(81, 29, 31, 1000, 3, Exits(L(To(80, 256, -7276, P)), R(ToKeepY(82, -64))), E),
    Map(82, 29, 31, 1000, 3, Exits(L(ToKeepY(81, -7276)), R(To(83, 288, -64, P))), E),
    Map(83, 29, 31, 1000, 0, Exits(L(To(82, 288, -7276, P)), R(To(99, 288, -64, P))), E),
    Map(99, 29, KEEP, 1000, 0, Exits(L(To(83, 288, -7276, P), F(50))), T + B(3, NotF(49)) + S(49)),
    Map(100, 30, KEEP, 1000, 0, Exits(L(ToKeepY(101, -7276), F(50)), R(To(76, 256, -2068, P))), E),
    Map(101, 30, KEEP, 1000, 0, Exits(L(ToKeepY(102, -7276)), R(ToKeepY(100, -64))), E),
    Map(102, 30, 21, 1000, 0, Exits(L(ToKeepY(103, -7276)), R(ToKeepY(101, -64))), T + E),
    Map(103, 31, KEEP, 1000, 0, Exits(L(ToKeepY(104, -7276)), R(ToKeepY(102, -64))), T + S(51)),
    Map(104, 30, KEEP, 1000, 0, Exits(L(To(105, 288, -7276, P)), R(ToKeepY(103, -64))), E),
    Map(105, 32, 21, 1000, 1,
        Exits(L(To(106, 288, -7276, P)), R(To(104, 288, -64, P))),
        T + B(1, NotF(53)) + S(53, 52)),
    Map(106, 30, 21, 1000, 0, Exits(L(ToKeepY(107, -7276)), R(To(105, 288, -64, P))), T + E + S(54)),
    Map(107, 30, KEEP, 1000, 0, Exits(L(To(108, 288, -7276, P)), R(ToKeepY(106, -64))), E),
    Map(108, 33, KEEP, 1000, 0, Exits(L(To(110, 288, -7276, P)), R(To(107, 288, -64, P))), T + S(55)),
    Map(109, 33, 30, 1000, 3, Exits(L(To(108, 288, -5084, P))), S(57)),
    Map(110, 34, KEEP, 1000, 0, Exits(L(ToKeepY(111, -7276)), R(To(108, 288, -64, P))), E),
    Map(111, 34, 11, 1000, 0, Exits(L(To(112, 288, -7276, P)), R(ToKeepY(110, -64))), T + E),
    Map(112, 35, 33, 1500, 0,
        Exits(L(To(114, 288, -7276, P)), R(ToKeepY(113, -64)),
              D(-5428, -5300, YEq(288), To(111, 288, -64, P))),
        T + B(1, F(67), NotF(68)) + S(68, 58)),
    Map(113, 35, KEEP, 1500, 0, Exits(L(ToKeepY(112, -7276)), R(ToKeepY(142, -64, P), F(64))), T + S(64)),
    Map(114, 36, KEEP, 1500, 0, Exits(L(To(115, 288, -1492, P)), R(To(112, 288, -64, P))), E),
    Map(115, 37, KEEP, 1500, 0,
        Exits(L(To(119, 288, -7276, P)), R(ToKeepY(116, -64)),
              D(-1644, -1404, YEq(288), To(114, 288, -64, P))),
        E),
    Map(116, 37, KEEP, 1500, 0, Exits(L(ToKeepY(115, -7276)), R(To(117, 288, -64, P))), E),
    Map(117, 38, KEEP, 1500, 0, Exits(L(To(116, 288, -7276, P)), R(To(118, 288, -64, P))), T),
    Map(118, 39, KEEP, 1500, 5, Exits(L(To(117, 256, -7276, P))), T),
    Map(119, 40, KEEP, 1500, 0, Exits(L(To(120, 288, -7276, P)), R(To(115, 288, -64, P))), T),
    Map(120, 41, KEEP, 1500, 0, Exits(L(ToKeepY(121, -7276)), R(To(119, 288, -64, P))), E),
    Map(121, 41, KEEP, 1500, 0, Exits(L(To(122, 256, -3380, P)), R(ToKeepY(120, -64))), E),
    Map(122, 41, KEEP, 1500, 0,
        Exits(L(To(123, 288, -7276, P)), R(To(124, 288, -64, P)),
              D(-3476, -3380, YEq(256), To(121, 288, -64, P))),
        E),
    Map(123, 42, 35, 0, 0,
        Exits(R(To(122, 288, -64, P)), D(-3156, -3028, YEq(288), To(126, 288, -64, P))),
        T + B(4, NotF(59), NotF(69)) + B(2, F(59), F(68), NotF(69)) + S(59, 63, 66, 69)),
    Map(124, 43, KEEP, 1500, 0, Exits(L(To(122, 288, -7276, P)), R(To(125, 288, -64, P))), T),
    Map(125, 44, KEEP, 1500, 0, Exits(L(To(124, 288, -7276, P))), T),
    Map(126, 45, KEEP, 1500, 1,
        Exits(L(To(123, 288, -3028, P)), R(ToKeepY(127, -64)),
              D(-6776, -6712, YEq(288), To(128, 288, -64, P))),
        E),
    Map(127, 45, KEEP, 1500, 1, Exits(L(To(126, 288, -7276))), E),
    Map(128, 45, KEEP, 1500, 1, Exits(L(To(126, 288, -6712, P)), R(To(134, 288, -64, P))), E),
    Map(134, 46, 36, 0, 0,
        Exits(L(To(128, 288, -7276, P)), R(To(135, 288, -64, P)),
              D(-2412, -2332, YEq(288), To(148, 288, -64, P))),
        T + B(1, NotF(60)) + S(60)),
    Map(135, 47, 36, 0, 0,
        Exits(L(To(134, 288, -7276, P)), R(To(136, 288, -64, P))),
        B(2, F(61), NotF(62)) + S(62)),
    // Floors joined end to end: a right end leads to the right end of the next floor,
    // a left end to the left end; going back down arrives at height 0 and falls.
    Map(136, 47, 36, 0, 3, Exits(L(To(135, 256, -7276, P)), R(To(137, 288, -7276, P))), Nothing),
    Map(137, 47, 36, 0, 3, Exits(L(To(138, 288, -64, P)), R(To(136, 0, -7276, P))), Nothing),
    Map(138, 47, 36, 0, 3, Exits(L(To(137, 0, -64, P)), R(To(139, 288, -7276, P))), Nothing),
    Map(139, 47, 36, 0, 3, Exits(L(To(140, 288, -64, P)), R(To(138, 0, -7276, P))), Nothing),
    Map(140, 47, 36, 0, 3,
        Exits(L(To(139, 0, -64, P)), R(To(141, 288, -64, P))),
        T + B(5, F(69), NotF(70), NotF(75)) + B(5, F(74), NotF(75)) + S(70, 75)),
    Map(141, 47, 36, 0, 5, Exits(L(To(140, 0, -7276, P), F(61))), T + B(1, NotF(61)) + S(61)),
    Map(142, 48, KEEP, 0, 5,
        Exits(L(To(113, 288, -7276, P), F(65)), R(ToKeepY(143, -64)),
              D(-5840, -5720, YEq(224), To(144, 288, -64, P))),
        E),
    Map(143, 48, KEEP, 0, 5, Exits(L(ToKeepY(142, -7276))), E),
    Map(144, 48, KEEP, 0, 5,
        Exits(L(To(142, 224, -5720, P)), R(ToKeepY(145, -64)),
              D(-4184, -4088, YEq(256), To(146, 288, -64, P))),
        E),
    Map(145, 48, 40, 0, 5, Exits(L(ToKeepY(144, -7276))), T + E),
    Map(146, 48, KEEP, 0, 5, Exits(L(To(144, 256, -4088, P)), R(To(147, 288, -64, P))), E),
    Map(147, 49, 40, 0, 5,
        Exits(L(To(146, 0, -7276, P), F(67))),
        B(2, NotF(65), NotF(67)) + B(1, F(66), NotF(67)) + S(65, 67)),
    Map(148, 50, KEEP, 0, 0, Exits(L(To(134, 288, -2332, P)), R(ToKeepY(149, -64))), E),
    Map(149, 50, KEEP, 0, 0, Exits(L(ToKeepY(148, -7276)), R(ToKeepY(150, -64))), E),
    Map(150, 50, KEEP, 0, 0, Exits(L(ToKeepY(149, -7276)), R(To(0, 288, -64, P))), E),
    Map(151, 51, KEEP, 0, 0, Exits(L(To(0, 288, -1776, P)), R(ToKeepY(152, -64))), E),
    Map(152, 51, KEEP, 0, 0, Exits(L(ToKeepY(151, -7276)), R(ToKeepY(153, -64))), E),
    Map(153, 51, KEEP, 0, 0, Exits(L(ToKeepY(152, -7276)), R(ToKeepY(154, -64))), E),
    Map(154, 51, 12, 0, 0, Exits(L(ToKeepY(153, -7276)), R(To(155, 288, -64, P))), T + E),
    Map(155, 52, KEEP, 0, 0, Exits(L(To(154, 288, -7276, P)), R(To(156, 288, -64, P))), E),
    // Floors joined end to end, as 136 to 139.
    Map(156, 52, KEEP, 0, 3, Exits(L(To(155, 288, -64, P)), R(To(157, 288, -7276, P))), E),
    Map(157, 52, KEEP, 0, 3, Exits(L(To(158, 288, -64, P)), R(To(156, 0, -7276, P))), E),
    Map(158, 52, KEEP, 0, 3, Exits(L(To(157, 0, -64, P)), R(To(159, 288, -7276, P))), E),
    Map(159, 52, KEEP, 0, 3, Exits(L(To(160, 288, -64, P)), R(To(158, 0, -7276, P))), E),
    // The last maps have no exits: their scenes move the heroine on.
    Map(160, 52, 12, 0, 5, kNoExits, B(1, NotF(71)) + S(71)),
    Map(161, 52, KEEP, KEEP, 5, kNoExits, B(1, NotF(72)) + B(1, F(72), NotF(74)) + S(72, 74)),
    Map(162, 53, KEEP, 0, 6, kNoExits, B(2, NotF(73)) + S(73)),
};
// clang-format on
constexpr int32_t kMapCount = static_cast<int32_t>(sizeof(kMaps) / sizeof(kMaps[0]));
static_assert(kMapCount == MAP_COUNT, "one row per map");

}  // namespace

const MapInfo* FindMap(int32_t number) {
    for (const MapInfo& m : kMaps) {
        if (m.number == number) return &m;
    }
    return nullptr;
}

int32_t MapCount() {
    return kMapCount;
}

const MapInfo* MapAt(int32_t i) {
    if (i < 0 || i >= kMapCount) return nullptr;
    return &kMaps[i];
}
