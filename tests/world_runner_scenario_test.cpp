// Scenarios through the headless runner from a cold start, read back from its state
// snapshots: a new game on map 0, the walk into map 1 and back, and giving up.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "runner_util.h"

namespace {

using runnertest::ExpectFields;
using runnertest::ReadFile;
using runnertest::TempDir;

// Runs the runner on a script; the snapshots named in `states` land in `dir`.
int RunScript(const std::string& dir, const std::string& script, const std::string& args) {
    std::ofstream(dir + "/script.txt") << script;
    return runnertest::RunHeadless("--null-device --input " + dir + "/script.txt " + args,
                                   dir + "/stderr.txt");
}

const char kToTheGame[] =
    "515 -        # splash, then the title\n"
    "1 X          # new game on frame 516\n"
    "3 -\n";

TEST(RunnerScenario, NewGameStandsOnMapZeroWithTheNewGameValues) {
    std::string d = TempDir();
    ASSERT_EQ(RunScript(d, kToTheGame,
                        "--frames 520 --state 511:" + d + "/splash.json --state 512:" + d +
                            "/title.json --state 517:" + d + "/game.json"),
              0)
        << ReadFile(d + "/stderr.txt");
    ExpectFields(ReadFile(d + "/splash.json"), {"\"topMode\": 0,"});
    ExpectFields(ReadFile(d + "/title.json"), {"\"topMode\": 1,", "\"gameLevel\": 1,"});
    ExpectFields(
        ReadFile(d + "/game.json"),
        {"\"topMode\": 3,", "\"mapState\": 1,", "\"scrollX\": 0,", "\"eventActive\": 0,",
         "\"hero\": {\"y\": 288, \"level\": 5, \"hp\": 1645, \"maxHp\": 1645, \"attack\": 230, "
         "\"defence\": 45, \"exp\": 0, \"money\": 3000, \"stamina\": 0, \"gauge\": 0, \"life\": 0, "
         "\"state\": 0, \"facing\": 2,",
         "\"storyFlags\": [],", "\"eventSteps\": {},", "\"itemCounts\": [10, 0, 0, 0, 0, 0, 0, 0, 0, 0],",
         "\"cardFlags\": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0],", "\"transitionWait\": 3000"});
}

TEST(RunnerScenario, WalkIntoMapOneAndBackThenGiveUpToTheTitle) {
    std::string d = TempDir();
    // The warp puts her near map 0's right end (the village before it is the player's to
    // cross, with its steps and jumps): from -3400, 53 steps reach the limit of -3824.
    std::string script = std::string(kToTheGame) +
                         "54 RIGHT     # frames 520-573: the last step reaches -3824\n"
                         "2 -\n"
                         "4 LEFT       # frames 576-579: -56 ... -32, back to map 0\n"
                         "2 -\n"
                         "1 F1         # frame 582\n"
                         "430 -\n";
    const std::string states[][2] = {
        {"572", "before"},   {"573", "exit"},   {"574", "map1"},   {"579", "back"},
        {"580", "map0"},     {"582", "gaveup"}, {"621", "dying"},  {"622", "dead"},
        {"1003", "caption"}, {"1004", "left"},  {"1005", "title"},
    };
    std::string args = "--frames 1016 --warp 519:0:-3400";
    for (const auto& s : states) args += " --state " + s[0] + ":" + d + "/" + s[1] + ".json";
    ASSERT_EQ(RunScript(d, script, args), 0) << ReadFile(d + "/stderr.txt");
    ExpectFields(ReadFile(d + "/before.json"), {"\"mapState\": 1,", "\"scrollX\": -3816,"});
    ExpectFields(ReadFile(d + "/exit.json"), {"\"mapState\": 2,", "\"scrollX\": -64,"});
    ExpectFields(ReadFile(d + "/map1.json"),
                 {"\"mapState\": 3,", "\"scrollX\": -64,", "\"hero\": {\"y\": 288,"});
    ExpectFields(ReadFile(d + "/back.json"), {"\"mapState\": 0,", "\"scrollX\": -3792,"});
    ExpectFields(ReadFile(d + "/map0.json"), {"\"mapState\": 1,", "\"scrollX\": -3792,"});
    ExpectFields(ReadFile(d + "/gaveup.json"), {"\"topMode\": 3,", "\"life\": 2,"});
    ExpectFields(ReadFile(d + "/dying.json"), {"\"life\": 2,"});
    // The collapse takes 40 frames (the 40th already darkens), then 127 more dark frames,
    // 254 of the caption and one blank frame lead back to the title.
    ExpectFields(ReadFile(d + "/dead.json"), {"\"life\": 4,", "\"eventActive\": 1,"});
    ExpectFields(ReadFile(d + "/caption.json"), {"\"topMode\": 3,", "\"life\": 4,"});
    ExpectFields(ReadFile(d + "/left.json"),
                 {"\"topMode\": 0,", "\"mapState\": 0,", "\"life\": 0,", "\"storyFlags\": [],",
                  "\"bossFight\": 0,", "\"currentTrack\": 9999,"});
    ExpectFields(ReadFile(d + "/title.json"), {"\"topMode\": 1,"});
}

}  // namespace
