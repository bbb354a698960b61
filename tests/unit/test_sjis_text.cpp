#include "store/sjis_text.h"

#include <gtest/gtest.h>

namespace tavu {

TEST(SjisText, WaveDashDashAndBackslashRoundTrip) {
    for (std::string_view text : {"～", "―", "＼", "∥", "－", "ＭＳ Ｐゴシック", "クリーチャー 火 水"}) {
        auto bytes = sjis::fromUtf8(text);
        ASSERT_TRUE(bytes) << text;
        EXPECT_EQ(sjis::toUtf8(*bytes), text);
    }
    EXPECT_EQ(*sjis::fromUtf8("～"), "\x81\x60");
    EXPECT_EQ(*sjis::fromUtf8("―"), "\x81\x5C");
}

TEST(SjisText, BrokenBytesBecomeReplacementCharacters) {
    // A name cut after the lead byte of a double-byte character, and an unassigned lead byte.
    EXPECT_EQ(sjis::toUtf8("AB\x83"), "AB\xEF\xBF\xBD");
    EXPECT_EQ(sjis::toUtf8("\xA0X"), "\xEF\xBF\xBDX");
    EXPECT_EQ(sjis::toUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(SjisText, UnrepresentableTextIsRefused) {
    EXPECT_FALSE(sjis::fromUtf8("😀"));
    EXPECT_FALSE(sjis::fromUtf8("\xFF"));
    EXPECT_THROW(sjis::fromUtf8OrThrow("한"), std::invalid_argument);
}

} // namespace tavu
