// The game's texts: the build's Shift_JIS files and the line reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/system.h"
#include "story/text_lines.h"

namespace {

struct Store {
    char bytes[256];
    const char* lines[8];
    TextLines text{bytes, sizeof bytes, lines, 8, -1};
};

void Write(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

TEST(TextLines, CutsLinesAndRefusesWhatDoesNotFit) {
    ASSERT_TRUE(sys_Init(MIRAVEL_BUILD_DIR));
    const std::string file = std::string(MIRAVEL_BUILD_DIR) + "/text_lines_test.txt";
    const struct {
        const char* name;
        std::string bytes;
        bool ok;
        int count;
        const char* last;
    } cases[] = {
        {"plain", "one\ntwo\nthree\n", true, 3, "three"},
        {"no final line feed", "one\ntwo", true, 2, "two"},
        {"windows line ends", "a\r\nb\r\n", true, 2, "b"},
        {"empty lines kept", "a\n\nc\n", true, 3, "c"},
        {"empty file", "", true, 0, ""},
        {"too many lines", "1\n2\n3\n4\n5\n6\n7\n8\n9\n", false, 0, ""},
        {"too long", std::string(300, 'x'), false, 0, ""},
    };
    for (const auto& c : cases) {
        Write(file, c.bytes);
        Store s;
        EXPECT_EQ(LoadTextLines("text_lines_test.txt", &s.text), c.ok) << c.name;
        EXPECT_EQ(s.text.count, c.count) << c.name;
        EXPECT_STREQ(TextLine(s.text, c.count - 1), c.last) << c.name;
        EXPECT_STREQ(TextLine(s.text, c.count), "") << c.name;
    }
    std::remove(file.c_str());
    Store s;
    EXPECT_FALSE(LoadTextLines("no_such_text.txt", &s.text));
    EXPECT_EQ(s.text.count, 0);
}

// The build turns content/text into Shift_JIS: the place list and the slot names.
TEST(TextLines, BuiltTextsAreShiftJis) {
    ASSERT_TRUE(sys_Init(MIRAVEL_BUILD_DIR));
    static char bytes[4096];
    static const char* lines[64];
    TextLines places{bytes, sizeof bytes, lines, 64, 0};
    ASSERT_TRUE(LoadTextLines("DATA\\TEXT\\places.txt", &places));
    ASSERT_EQ(places.count, 55);
    EXPECT_STREQ(TextLine(places, 54), "\x96\xA2\x90\xDD\x92\xE8...");  // 未設定...
    EXPECT_STREQ(TextLine(places, 0), "\x8D\xD8\x8F\xA1\x91\xBA");      // 菜升村
    static char nameBytes[256];
    static const char* names[8];
    TextLines slots{nameBytes, sizeof nameBytes, names, 8, 0};
    ASSERT_TRUE(LoadTextLines("Save\\SaveName.txt", &slots));
    EXPECT_EQ(slots.count, 4);
    for (int i = 0; i < slots.count; ++i) EXPECT_LE(std::string(TextLine(slots, i)).size(), 18u) << i;
}

}  // namespace
