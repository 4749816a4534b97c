#!/usr/bin/env python3
"""Writes enemies/group_spots.cpp: where every enemy of every map group starts.

The counts come from the group table in enemies/enemy_groups.cpp; the places from each
map's tiles (content/maps/map_NNN.txt). A map's own "# Enemy spots: x y, ..." header line
is taken first; the rest are spread evenly over the ground the map offers between x 600
and 7600, on spots where a body stands on a tile with two free cells above it and room to
walk beside it. Kinds are interleaved along the map. A map whose file does not exist yet
gets enemies spread evenly on the floor row (y 288). Map 1's group is fixed by hand.

Run from the repository root:  python3 tools/enemies/place_enemies.py
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
COLS, ROWS = 250, 12
X_MIN, X_MAX = 600, 7600  # the range a placement may use
# Spots chosen from the tiles keep clear of both map edges, so that a heroine arriving at
# either end is not noticed before she has taken a step (notice reaches 256 pixels).
FAIR_MIN, FAIR_MAX = 700, 7300
IN_COLUMN = 8  # hit rectangle left edge within its column (all kinds fit in the column)

MAP1 = [(1084, 288), (1372, 192), (1908, 288), (2124, 288), (2708, 288), (3348, 256), (3668, 288),
        (4244, 256), (4564, 256), (6044, 288), (6788, 224), (7012, 224)]


def read_groups():
    text = open(os.path.join(ROOT, "enemies", "enemy_groups.cpp")).read()
    groups = []
    for m in re.finditer(r"\{(\d+), GROUP_[A-H], \{([\d, ]+)\}\}", text):
        groups.append((int(m.group(1)), [int(v) for v in m.group(2).split(",")]))
    return groups


def read_map(number):
    path = os.path.join(ROOT, "content", "maps", "map_%03d.txt" % number)
    if not os.path.exists(path):
        return None, []
    lines = open(path).read().split("\n")
    spots = []
    for line in lines:
        if line.startswith("# Enemy spots:"):
            for part in line.split(":", 1)[1].split(","):
                nums = part.split()
                if len(nums) == 2:
                    spots.append((int(nums[0]), int(nums[1])))
    try:
        a = lines.index("A")
    except ValueError:
        return None, spots
    grid = lines[a + 1:a + 1 + ROWS]
    if len(grid) != ROWS or any(len(r) != COLS for r in grid):
        return None, spots
    return [[ch != "." for ch in row] for row in grid], spots


def solid(grid, r, c):
    if c < 0 or c >= COLS or r < 0:
        return False
    if r >= ROWS:
        return False
    return grid[r][c]


def standable(grid, r, c):
    """A body on top of tile (r, c): rows r-1 and r-2 free in that column."""
    return r >= 2 and solid(grid, r, c) and not solid(grid, r - 1, c) and not solid(grid, r - 2, c)


def candidates(grid):
    """(x, y) spots with ground under them, room to walk and no pit in row 11 beneath."""
    out = []
    for c in range(COLS):
        x = 32 * c + IN_COLUMN
        if x < FAIR_MIN or x > FAIR_MAX:
            continue
        if not solid(grid, ROWS - 1, c):
            continue  # over a pit: it could not patrol
        for r in range(2, ROWS):
            if not standable(grid, r, c):
                continue
            room = sum(1 for d in (-2, -1, 1, 2) if standable(grid, r, c + d) and solid(grid, ROWS - 1, c + d))
            if room >= 2:
                out.append((x, 32 * (r - 2)))
    return out


def snap(grid, cands, spot):
    """The author's spot if a body stands there, else the nearest candidate."""
    x, y = spot
    c = x // 32
    if not X_MIN <= x <= X_MAX:
        return None
    if y % 32 == 0 and 0 <= y <= 288 and standable(grid, y // 32 + 2, c):
        return (32 * c + IN_COLUMN if (x % 32) > 16 else x, y)
    if not cands:
        return None
    return min(cands, key=lambda p: abs(p[0] - x) + abs(p[1] - y))


def spread(cands, taken, n):
    """n spots spread evenly along the map, each as far from the others as the ground allows."""
    chosen = list(taken)
    if not cands:
        return chosen
    by_x = sorted(cands)
    need = n - len(chosen)
    for i in range(need):
        target = FAIR_MIN + (i + 0.5) * (FAIR_MAX - FAIR_MIN) / need
        best = None
        for gap in (96, 64, 40, 0):
            free = [p for p in by_x if all(abs(p[0] - q[0]) >= gap or p[1] != q[1] for q in chosen)]
            if free:
                best = min(free, key=lambda p: abs(p[0] - target))
                break
        if best in chosen:  # more enemies than ground: stand beside one already there
            best = (best[0] + 12 * (chosen.count(best) % 2) - 4, best[1])
        chosen.append(best)
    return chosen


def interleave(counts, spots):
    """Deals the spots (sorted by x) to the kinds so that the kinds mix along the map."""
    order = []
    for kind, n in enumerate(counts, start=1):
        for j in range(n):
            order.append(((j + 0.5) / n, kind))
    order.sort()
    spots = sorted(spots)
    per_kind = {k: [] for k in range(1, 7)}
    for (_, kind), spot in zip(order, spots):
        per_kind[kind].append(spot)
    return per_kind


def place(number, counts):
    total = sum(counts)
    if number == 1:
        return {1: MAP1}, "as designed"
    grid, authored = read_map(number)
    if grid is None:
        xs = [int(X_MIN + 100 + (i + 0.5) * (X_MAX - X_MIN - 200) / total) for i in range(total)]
        return interleave(counts, [(x, 288) for x in xs]), "fallback"
    cands = candidates(grid)
    taken = []
    for s in authored[:total]:
        p = snap(grid, cands, s)
        if p and p not in taken:
            taken.append(p)
    spots = spread(cands, taken, total)
    if len(spots) < total:
        return None, "no ground"
    return interleave(counts, spots), "from tiles" + (" and spots" if authored else "")


def main():
    groups = read_groups()
    if len(groups) != 79:
        sys.exit("expected 79 groups, found %d" % len(groups))
    body = []
    table = []
    notes = []
    for number, counts in groups:
        per_kind, how = place(number, counts)
        if per_kind is None:
            sys.exit("map %d: %s" % (number, how))
        notes.append("%d %s" % (number, how))
        for kind in range(1, 7):
            spots = per_kind.get(kind, [])
            if not spots:
                continue
            name = "kMap%03dKind%d" % (number, kind)
            cells = ", ".join("{%d, %d}" % s for s in spots)
            body.append("const EnemySpot %s[] = {%s};" % (name, cells))
            table.append("    {%d, %d, %s, %d}," % (number, kind, name, len(spots)))
    fallback = [n.split()[0] for n in notes if n.endswith("fallback")]
    out = []
    out.append("// Where each map's enemies start, written from the maps' tiles by")
    out.append("// tools/enemies/place_enemies.py (run it again after changing a map's ground).")
    if fallback:
        out.append("// Spread on the floor row until their maps are drawn: maps " + ", ".join(fallback) + ".")
    out.append("// clang-format off")
    out.append('#include "enemies/enemy_groups.h"')
    out.append("")
    out.append("namespace {")
    out.append("")
    out.extend(body)
    out.append("")
    out.append("struct GroupSpots {")
    out.append("    int16_t map, kind;")
    out.append("    const EnemySpot* spots;")
    out.append("    int32_t count;")
    out.append("};")
    out.append("")
    out.append("const GroupSpots kGroupSpots[] = {")
    out.extend(table)
    out.append("};")
    out.append("")
    out.append("}  // namespace")
    out.append("// clang-format on")
    out.append("")
    out.append("const EnemySpot* EnemyGroupSpots(int32_t map, int32_t kind, int32_t* count) {")
    out.append("    for (const GroupSpots& g : kGroupSpots) {")
    out.append("        if (g.map == map && g.kind == kind) {")
    out.append("            *count = g.count;")
    out.append("            return g.spots;")
    out.append("        }")
    out.append("    }")
    out.append("    *count = 0;")
    out.append("    return nullptr;")
    out.append("}")
    open(os.path.join(ROOT, "enemies", "group_spots.cpp"), "w").write("\n".join(out) + "\n")
    for n in notes:
        print(n)


if __name__ == "__main__":
    main()
