// miravel2-headless: the same game on a memory framebuffer with a virtual clock and
// scripted input, for scenario tests and reviewers.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/input.h"
#include "app/main/state_snapshot.h"
#include "platform/headless.h"
#include "platform/system.h"
#include "world/map_state.h"
#include "world/run_state.h"

namespace {

const char kUsage[] =
    "usage: miravel2-headless [--frames N] [--input FILE] [--shot N:FILE.png]... [--state N:FILE.json]...\n"
    "                         [--answers y|n,y|n] [--dir GAMEDIR] [--seed S] [--null-device]\n"
    "                         [--warp N:MAP[:SCROLL[:Y]]] [--flags K,K,...]\n"
    "  --frames N     stop after frame N (default 1000)\n"
    "  --input FILE   one step per line: COUNT KEYS, KEYS = '-' or names joined by '+':\n"
    "                 LEFT RIGHT UP DOWN Z X C SPACE F1 Y N ESC, or PAD:0x... pad bits; '#' comments\n"
    "  --shot N:F     after frame N write the back buffer to F (PNG)\n"
    "  --state N:F    after frame N write the state snapshot to F (JSON)\n"
    "  --answers a,b  the start-up questions (full screen?, smoothing?), default n,n\n"
    "  --dir GAMEDIR  folder holding DATA/ and Save/ (default: beside this program)\n"
    "  --seed S       seed of the random numbers (default 1)\n"
    "  --null-device  draw calls do nothing\n"
    "  --warp N:M:S:Y after frame N, if a game is running, enter map M with the camera at\n"
    "                 ScrollX S (default -64) and the heroine at height Y (default 288)\n"
    "  --flags K,...  story flags set at the warp (to look at a map at a later point)\n";

struct Options {
    uint32_t frames = 1000;
    std::multimap<uint32_t, std::string> shots, states;
    const char* dir = nullptr;
    bool warp = false;
    uint32_t warpFrame = 0;
    int warpMap = 0;
    float warpScroll = -64, warpY = 288;
    std::vector<int> flags;
};
Options g_Options;

bool Fail(const std::string& message) {
    fprintf(stderr, "miravel2-headless: %s\n", message.c_str());
    return false;
}

bool ParseKeys(const std::string& spec, HeadlessStep* step, bool* usesPad) {
    static const std::map<std::string, uint8_t> kKeys = {
        {"LEFT", VK_LEFT}, {"RIGHT", VK_RIGHT}, {"UP", VK_UP}, {"DOWN", VK_DOWN},
        {"Z", VK_Z},       {"X", VK_X},         {"C", VK_C},   {"SPACE", VK_SPACE},
        {"F1", VK_F1},     {"Y", VK_Y},         {"N", VK_N},   {"ESC", VK_ESCAPE},
    };
    if (spec == "-") return true;
    std::stringstream ss(spec);
    std::string name;
    while (std::getline(ss, name, '+')) {
        if (name.rfind("PAD:", 0) == 0) {
            char* end = nullptr;
            unsigned long bits = strtoul(name.c_str() + 4, &end, 0);
            if (!end || *end) return false;
            step->padBits |= uint32_t(bits);
            *usesPad = true;
            continue;
        }
        auto it = kKeys.find(name);
        if (it == kKeys.end()) return false;
        step->keys.push_back(it->second);
    }
    return true;
}

bool LoadScript(const char* file, HeadlessConfig* config) {
    std::ifstream in(file);
    if (!in) return Fail(std::string("cannot read the input script ") + file);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        lineNo++;
        size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::stringstream ss(line);
        std::string count, keys, extra;
        if (!(ss >> count)) continue;
        char* end = nullptr;
        unsigned long n = strtoul(count.c_str(), &end, 10);
        if (!(ss >> keys) || (ss >> extra) || !end || *end)
            return Fail(std::string(file) + ":" + std::to_string(lineNo) + ": expected 'COUNT KEYS'");
        HeadlessStep step{uint32_t(n), {}, 0};
        if (!ParseKeys(keys, &step, &config->joystick))
            return Fail(std::string(file) + ":" + std::to_string(lineNo) + ": unknown key in '" + keys + "'");
        config->script.push_back(step);
    }
    return true;
}

bool ParseFrameFile(const char* arg, std::multimap<uint32_t, std::string>* out) {
    const char* colon = strchr(arg, ':');
    char* end = nullptr;
    unsigned long n = strtoul(arg, &end, 10);
    if (!colon || end != colon || colon[1] == '\0') return Fail(std::string("expected N:FILE, got ") + arg);
    out->emplace(uint32_t(n), colon + 1);
    return true;
}

bool ParseWarp(const char* arg) {
    unsigned frame = 0;
    int map = 0;
    float scroll = -64, y = 288;
    const int got = sscanf(arg, "%u:%d:%f:%f", &frame, &map, &scroll, &y);
    if (got < 2 || map < 0 || map > 162)
        return Fail(std::string("expected --warp N:MAP[:SCROLL[:Y]], got ") + arg);
    g_Options.warp = true;
    g_Options.warpFrame = frame;
    g_Options.warpMap = map;
    g_Options.warpScroll = scroll;
    g_Options.warpY = y;
    return true;
}

// Sends a running game into another map, as an exit would: the next frame enters it.
void Warp() {
    if (g_Frame != 3) {
        Fail("--warp: no game is running at frame " + std::to_string(g_Options.warpFrame));
        return;
    }
    for (int k : g_Options.flags) StoryFlags[k] = 1;
    MapState = 2 * g_Options.warpMap;
    ScrollX = g_Options.warpScroll;
    PlaceHero(g_Options.warpY);
}

bool ParseAnswer(char c, int* answer) {
    if (c == 'y' || c == 'Y')
        *answer = SYS_IDYES;
    else if (c == 'n' || c == 'N')
        *answer = SYS_IDNO;
    else
        return false;
    return true;
}

void WriteState(uint32_t frame, const std::string& file) {
    FILE* f = fopen(file.c_str(), "w");
    if (!f) {
        Fail("cannot write " + file);
        return;
    }
    std::string json = StateSnapshotJson(frame);
    fprintf(f, "%s\n", json.c_str());
    fclose(f);
}

void OnFrameDone(uint32_t frame, void*) {
    if (g_Options.warp && frame == g_Options.warpFrame) Warp();
    auto shots = g_Options.shots.equal_range(frame);
    for (auto it = shots.first; it != shots.second; ++it)
        if (!headless_SaveShot(it->second.c_str())) Fail("cannot write the shot " + it->second);
    auto states = g_Options.states.equal_range(frame);
    for (auto it = states.first; it != states.second; ++it) WriteState(frame, it->second);
    if (frame == g_Options.frames) sys_PostMessage(SYS_MSG_CLOSE, 0);
}

bool ParseArgs(int argc, char** argv, HeadlessConfig* config, unsigned* seed) {
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        bool hasValue = i + 1 < argc;
        if (a == "--help" || a == "-h") {
            fputs(kUsage, stdout);
            exit(0);
        } else if (a == "--null-device") {
            config->nullDevice = true;
        } else if (!hasValue) {
            return Fail("missing value after " + a);
        } else if (a == "--frames") {
            char* end = nullptr;
            g_Options.frames = uint32_t(strtoul(argv[++i], &end, 10));
            if (*end || g_Options.frames == 0) return Fail("--frames needs a positive number");
        } else if (a == "--input") {
            if (!LoadScript(argv[++i], config)) return false;
        } else if (a == "--shot") {
            if (!ParseFrameFile(argv[++i], &g_Options.shots)) return false;
        } else if (a == "--state") {
            if (!ParseFrameFile(argv[++i], &g_Options.states)) return false;
        } else if (a == "--answers") {
            const char* v = argv[++i];
            if (strlen(v) != 3 || v[1] != ',' || !ParseAnswer(v[0], &config->answerFullscreen) ||
                !ParseAnswer(v[2], &config->answerSmooth))
                return Fail("--answers takes y|n,y|n");
        } else if (a == "--dir") {
            g_Options.dir = argv[++i];
        } else if (a == "--warp") {
            if (!ParseWarp(argv[++i])) return false;
        } else if (a == "--flags") {
            std::stringstream list(argv[++i]);
            std::string k;
            while (std::getline(list, k, ',')) {
                char* end = nullptr;
                long flag = strtol(k.c_str(), &end, 10);
                if (k.empty() || *end || flag < 0 || flag >= STORY_FLAG_COUNT)
                    return Fail("--flags takes flag numbers 0-" + std::to_string(STORY_FLAG_COUNT - 1));
                g_Options.flags.push_back(int(flag));
            }
        } else if (a == "--seed") {
            *seed = unsigned(strtoul(argv[++i], nullptr, 10));
        } else {
            return Fail("unknown option " + a + "\n" + kUsage);
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    HeadlessConfig config;
    unsigned seed = 1;
    if (!ParseArgs(argc, argv, &config, &seed)) return 2;
    srand(seed);
    config.frameHook = OnFrameDone;
    headless_Configure(config);
    GameMain(g_Options.dir);
    return headless_FatalShown() ? 3 : 0;
}
