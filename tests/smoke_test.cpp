#include <gtest/gtest.h>

#include "platform/text_encoding.h"

// Test sources are compiled as Shift_JIS like the game: plain literals are Shift_JIS,
// u8 literals stay UTF-8.
TEST(TextEncoding, RoundTripsJapanese) {
    std::string sjis = Utf8ToSjis(u8"ミラヴェル２");
    EXPECT_EQ(sjis, "ミラヴェル２");
    EXPECT_EQ(sjis.size(), 12u);
    EXPECT_EQ(SjisToUtf8(sjis.c_str()), u8"ミラヴェル２");
    const char* p = sjis.c_str();
    EXPECT_EQ(NextSjisCodepoint(&p), 0x30DFu);  // ミ
}

TEST(TextEncoding, BrokenBytesDoNotStopConversion) {
    EXPECT_EQ(SjisToUtf8("a\x81"), u8"a\uFFFD");
}
