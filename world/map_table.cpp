// The world map table: per map its place, music, inn price, backdrop and exits.
#include "world/map_table.h"

namespace {

constexpr float kFar = 1.0e30f;
constexpr float kYKept = 0;  // placeholder height of exits that keep the heroine's y

constexpr StoryCond F(int k) {
    return StoryCond{COND_FLAG_SET, static_cast<int16_t>(k)};
}
constexpr StoryCond Always() {
    return StoryCond{COND_NONE, 0};
}

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
    return Arrive{dest, 1, kYKept, scroll, static_cast<uint8_t>(picture)};
}

constexpr MapExit Exit(float lo, float hi, uint8_t door, uint8_t heightTest, float height, Arrive a,
                       StoryCond c0 = Always(), StoryCond c1 = Always(), StoryCond c2 = Always()) {
    return MapExit{lo, hi, door, heightTest, height, {c0, c1, c2}, a.dest, a.keepY, a.y, a.scroll, a.picture};
}
// Left edge: ScrollX >= -32.
constexpr MapExit Left(Arrive a, StoryCond c0 = Always(), StoryCond c1 = Always()) {
    return Exit(-32, kFar, 0, HEIGHT_ANY, 0, a, c0, c1);
}
// Right edge: ScrollX <= limit (-7308 for full-length maps).
constexpr MapExit Right(Arrive a, float limit = -7308, StoryCond c0 = Always()) {
    return Exit(-kFar, limit, 0, HEIGHT_ANY, 0, a, c0);
}
// Door: Up in the range, optionally at one height.
constexpr MapExit Door(float lo, float hi, uint8_t heightTest, float height, Arrive a,
                       StoryCond c0 = Always()) {
    return Exit(lo, hi, 1, heightTest, height, a, c0);
}

const MapExit kMap0Exits[] = {
    Right(To(1, 288, -64, true), -3824),
    Left(To(150, 288, -7276, true), F(1)),
    Door(-2032, -1776, HEIGHT_EQUAL, 288, To(151, 288, -64, true), F(70)),
};
const MapExit kMap1Exits[] = {
    Left(To(0, 288, -3792)),
    Right(ToKeepY(2, -64)),
};
const MapExit kMap2Exits[] = {
    Left(ToKeepY(1, -7276)),
    Right(To(3, 256, -64, true)),
};

#define EXITS(list) list, static_cast<int32_t>(sizeof(list) / sizeof(list[0]))

const MapInfo kMaps[] = {
    {0, 0, 22, 0, 200, 0, 0, EXITS(kMap0Exits), nullptr, nullptr, nullptr, nullptr, nullptr},
    {1, 1, NO_MUSIC, NO_FLAG, INN_UNCHANGED, 1, 0, EXITS(kMap1Exits), nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {2, 1, NO_MUSIC, NO_FLAG, INN_UNCHANGED, 1, 0, EXITS(kMap2Exits), nullptr, nullptr, nullptr, nullptr,
     nullptr},
    {3, 1, NO_MUSIC, NO_FLAG, INN_UNCHANGED, 0, 0, nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr},
};

}  // namespace

const MapInfo* FindMap(int32_t number) {
    for (const MapInfo& m : kMaps) {
        if (m.number == number) return &m;
    }
    return nullptr;
}
