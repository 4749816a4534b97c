// Helpers of the tests that drive the real game through the headless runner program.
#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

namespace runnertest {

// A fresh folder under /tmp for one test's script, shots and snapshots.
inline std::string TempDir() {
    char tmpl[] = "/tmp/miravel2-runner-XXXXXX";
    const char* made = mkdtemp(tmpl);
    return made ? made : "/tmp";
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs build/miravel2-headless with `args`; its stderr goes to `errFile`. The exit status,
// or -1 when it did not exit normally.
inline int RunHeadless(const std::string& args, const std::string& errFile) {
    const std::string cmd = std::string(MIRAVEL_BUILD_DIR) + "/miravel2-headless " + args + " 2>" + errFile;
    const int status = system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Every part must appear in the snapshot.
inline void ExpectFields(const std::string& json, std::initializer_list<const char*> parts) {
    for (const char* part : parts) EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
}

}  // namespace runnertest
