// The headless runner as a program: options, shots, state snapshots, exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "runner_util.h"

namespace {

using runnertest::ReadFile;
using runnertest::TempDir;

int RunRunner(const std::string& args, std::string* err = nullptr) {
    const std::string errFile = TempDir() + "/stderr.txt";
    const int status = runnertest::RunHeadless(args, errFile);
    if (err) *err = ReadFile(errFile);
    return status;
}

TEST(Runner, WritesShotAndStateAfterTheNamedFrame) {
    std::string d = TempDir();
    ASSERT_EQ(RunRunner("--frames 3 --null-device --shot 2:" + d + "/a.png --state 3:" + d + "/s.json"), 0);
    std::string png = ReadFile(d + "/a.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    std::string json = ReadFile(d + "/s.json");
    EXPECT_NE(json.find("\"frame\": 3"), std::string::npos) << json;
    EXPECT_NE(json.find("\"topMode\": "), std::string::npos) << json;
    EXPECT_NE(json.find("\"fatal\": null"), std::string::npos) << json;
}

TEST(Runner, RejectsBadArgumentsAndScripts) {
    std::string d = TempDir();
    std::ofstream(d + "/bad.txt") << "5 LEFT+JUMP\n";
    std::ofstream(d + "/good.txt") << "# walk\n5 LEFT+Z\n2 -  # rest\n1 PAD:0x20\n";
    std::string err;
    EXPECT_EQ(RunRunner("--frames 0", &err), 2);
    EXPECT_EQ(RunRunner("--answers maybe", &err), 2);
    EXPECT_EQ(RunRunner("--input " + d + "/missing.txt", &err), 2);
    EXPECT_EQ(RunRunner("--input " + d + "/bad.txt", &err), 2);
    EXPECT_NE(err.find("bad.txt:1"), std::string::npos) << err;
    EXPECT_EQ(RunRunner("--frames 9 --null-device --input " + d + "/good.txt", &err), 0) << err;
    EXPECT_EQ(RunRunner("--warp 5", &err), 2);
    EXPECT_EQ(RunRunner("--warp 5:200", &err), 2);
    EXPECT_EQ(RunRunner("--flags 3,x", &err), 2);
}

// A reviewer's warp: a new game, then straight into a later map with a story flag set.
TEST(Runner, WarpEntersTheNamedMapOfARunningGame) {
    std::string d = TempDir();
    std::ofstream(d + "/new.txt") << "515 -\n1 X\n";
    std::string err;
    ASSERT_EQ(RunRunner("--frames 530 --null-device --input " + d +
                            "/new.txt --warp 520:26:-1500 --flags 24 --state 522:" + d + "/s.json",
                        &err),
              0)
        << err;
    std::string json = ReadFile(d + "/s.json");
    EXPECT_NE(json.find("\"mapState\": 53"), std::string::npos) << json;
    EXPECT_NE(json.find("\"scrollX\": -1500"), std::string::npos) << json;
    EXPECT_NE(json.find("24"), std::string::npos) << json;
    // Before a game runs there is nothing to warp: said on stderr, the run goes on.
    EXPECT_EQ(RunRunner("--frames 12 --null-device --warp 10:26", &err), 0);
    EXPECT_NE(err.find("no game is running"), std::string::npos) << err;
}

}  // namespace
