// Through the headless runner: the heroine walks into map 1's first foot soldier, trades
// blows with it until it falls, and is paid its experience and money once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "runner_util.h"

namespace {

using runnertest::ExpectFields;
using runnertest::ReadFile;

// The snapshot entry of pool slot `slot` of kind 1.
std::string KindOneSlot(const std::string& json, int slot) {
    const std::string key = "{\"kind\": 1, \"slot\": " + std::to_string(slot) + ",";
    const size_t at = json.find(key);
    if (at == std::string::npos) return "";
    return json.substr(at, json.find('}', at) - at + 1);
}

TEST(EnemyRunner, TheFirstFootSoldierOfMapOneFightsFallsAndPaysOnce) {
    const std::string d = runnertest::TempDir();
    std::string script = "515 -\n1 X\n10 -\n50 RIGHT\n";
    for (int i = 0; i < 60; ++i) script += "4 Z\n8 -\n";
    std::ofstream(d + "/script.txt") << script;
    std::string cmd = std::string(MIRAVEL_BUILD_DIR) +
                      "/miravel2-headless --null-device --frames 1250 --warp 520:1" + " --input " + d +
                      "/script.txt";
    for (int f : {522, 700, 1240})
        cmd += " --state " + std::to_string(f) + ":" + d + "/" + std::to_string(f) + ".json";
    cmd += " 2>" + d + "/stderr.txt";
    const int status = system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadFile(d + "/stderr.txt");

    // On arrival all twelve stand where the map puts them (slot 0 has begun to patrol).
    const std::string arrive = ReadFile(d + "/522.json");
    ExpectFields(arrive,
                 {"\"mapState\": 3,", "{\"kind\": 1, \"slot\": 1, \"x\": 1372.000000, \"y\": 192.000000",
                  "{\"kind\": 1, \"slot\": 11, \"x\": 7012.000000, \"y\": 224.000000, \"life\": 0, "
                  "\"hp\": 1650, \"state\": 0}"});
    // It has noticed her and taken a hit by frame 700.
    const std::string fighting = KindOneSlot(ReadFile(d + "/700.json"), 0);
    EXPECT_NE(fighting.find("\"life\": 0,"), std::string::npos) << fighting;
    EXPECT_EQ(fighting.find("\"hp\": 1650,"), std::string::npos) << fighting;
    // Then it is down: 5 x 4.2 = 21 experience and 5 x 5 = 25 money, paid once; she was hurt.
    const std::string end = ReadFile(d + "/1240.json");
    ExpectFields(end, {"\"exp\": 21,", "\"money\": 3025,"});
    EXPECT_NE(KindOneSlot(end, 0).find("\"life\": 2,"), std::string::npos) << KindOneSlot(end, 0);
    EXPECT_EQ(end.find("\"hp\": 1645, \"maxHp\""), std::string::npos);
    std::filesystem::remove_all(d);
}

}  // namespace
