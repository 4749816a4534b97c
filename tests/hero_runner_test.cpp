// The heroine in the real game through the headless runner: a new game's first slash,
// its swing sound and its end, then a jump, read back from the state snapshots.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "runner_util.h"

namespace {

using runnertest::ReadFile;
using runnertest::TempDir;

TEST(HeroRunner, ANewGamesFirstSlashSwingsOnNineFramesThenAJumpRisesNinetyOnePixels) {
    const std::string d = TempDir();
    std::ofstream(d + "/script.txt") << "515 -        # splash, then the title\n"
                                        "1 X          # new game on frame 516\n"
                                        "20 -         # stamina comes back: 20 at frame 537\n"
                                        "1 Z          # frame 537: the first slash (level 5)\n"
                                        "80 -\n"
                                        "1 C          # frame 618: a jump\n"
                                        "30 -\n";
    std::string args = " --frames 650";
    for (int f = 536; f <= 645; ++f)
        args += " --state " + std::to_string(f) + ":" + d + "/" + std::to_string(f) + ".json";
    const std::string cmd = std::string(MIRAVEL_BUILD_DIR) + "/miravel2-headless --null-device --input " + d +
                            "/script.txt" + args + " 2>" + d + "/stderr.txt";
    const int status = system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadFile(d + "/stderr.txt");

    auto At = [&](int frame) { return ReadFile(d + "/" + std::to_string(frame) + ".json"); };
    auto Has = [&](int frame, const std::string& part) {
        const std::string json = At(frame);
        EXPECT_NE(json.find(part), std::string::npos) << "frame " << frame << ": " << part << "\n" << json;
    };
    Has(536, "\"state\": 0,");
    Has(537, "\"state\": 1,");
    // The swing sounds on T 32 to 40 (frames 570 to 578) and on no other frame.
    for (int f = 538; f <= 602; ++f) {
        const bool swing = f >= 570 && f <= 578;
        Has(f, swing ? "\"effects\": [2]}" : "\"effects\": []}");
        Has(f, "\"state\": 1,");
    }
    Has(585, "\"stamina\": 4,");  // 16 strike frames from 20
    Has(603, "\"state\": 0,");    // the frame at T 65 ends it
    Has(617, "\"hero\": {\"y\": 288,");
    Has(630, "\"hero\": {\"y\": 197,");
    Has(645, "\"hero\": {\"y\": 288,");
}

}  // namespace
