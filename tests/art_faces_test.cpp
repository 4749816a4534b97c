// The face sheet's cast file (content/faces.txt): the cells the game relies on show whom they
// must, and a damaged file is refused with the line at fault.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tools/art/characters/face_cast.h"

namespace {

TEST(FaceCast, FixedCellsShowTheirCharacters) {
    FaceCastCell cast[kFaceCells];
    std::string error;
    ASSERT_TRUE(LoadFaceCast(MIRAVEL_SOURCE_DIR "/content/faces.txt", cast, &error)) << error;
    EXPECT_EQ(cast[0].who, kCastVillager);
    const struct {
        int cell;
        FaceCastWho who;
    } heroine[] = {{1, kCastHeroine0},  {2, kCastHeroine0},  {9, kCastHeroine1},
                   {21, kCastHeroine1}, {41, kCastHeroine2}, {62, kCastHeroine2}};
    for (const auto& h : heroine) EXPECT_EQ(cast[h.cell].who, h.who) << "cell " << h.cell;
    // The gallery's portraits, one per boss row; rows 3 and 9 are the same character.
    const int portraits[21] = {11, 13, 18, 20, 23, 34, 42, 45, 32, 25, 27,
                               16, 56, 60, 67, 59, 71, 47, 72, 75, 82};
    for (int row = 0; row < 21; ++row) {
        const FaceCastWho who = cast[portraits[row]].who;
        EXPECT_GE(who, kCastMountainOni) << "row " << row;
        EXPECT_LE(who, kCastNineTails) << "row " << row;
        for (int other = 0; other < row; ++other) {
            if ((row == 9 && other == 3)) continue;
            EXPECT_NE(who, cast[portraits[other]].who) << "rows " << other << " and " << row;
        }
    }
    EXPECT_EQ(cast[portraits[3]].who, cast[portraits[9]].who);
}

TEST(FaceCast, DamagedFilesAreRefusedWithTheirLine) {
    std::string good;
    for (int n = 0; n < kFaceCells; ++n) good += std::to_string(n) + " villager neutral\n";
    const struct {
        const char* name;
        std::string text;
        const char* says;
    } cases[] = {
        {"unknown who", "5 dragon angry\n" + good, "line 1: unknown character 'dragon'"},
        {"unknown mood", "0 villager gleeful\n" + good, "line 1: unknown expression"},
        {"twice", good + "7 villager smile\n", "cell 7 is given twice"},
        {"outside", "90 villager smile\n", "outside 0-89"},
        {"missing", good.substr(0, good.find("\n89 ")), "cell 89 is missing"},
        {"short line", "0 villager\n", "expected \"cell who mood\""},
    };
    const std::string path = std::string(MIRAVEL_BUILD_DIR) + "/faces_test.txt";
    for (const auto& c : cases) {
        FILE* f = std::fopen(path.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(c.text.c_str(), f);
        std::fclose(f);
        FaceCastCell cast[kFaceCells];
        std::string error;
        EXPECT_FALSE(LoadFaceCast(path.c_str(), cast, &error)) << c.name;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.name << ": " << error;
    }
    std::remove(path.c_str());
    FaceCastCell cast[kFaceCells];
    std::string error;
    EXPECT_FALSE(LoadFaceCast("/nonexistent/faces.txt", cast, &error));
}

}  // namespace
