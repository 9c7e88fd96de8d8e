// Splitting the extension strings of the archive types.
#include "integration/extension_list.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Split(const char* extensions, size_t size = 64) {
    std::string joined;
    const char* cursor = extensions;
    char out[64];
    int guard = 0;
    while (NextExtension(&cursor, out, size) && ++guard < 20) joined += std::string(out) + "|";
    return joined;
}

TEST(ExtensionList, SplitsAtEachFullStopAfterTheFirst) {
    struct Case {
        const char* extensions;
        const char* expected;
    } cases[] = {
        {".lvx", ".lvx|"},
        {".lzh.lha", ".lzh|.lha|"},
        {".gz.tgz", ".gz|.tgz|"},
        {".uue.xxe.uu", ".uue|.xxe|.uu|"},
        {".bz2.tbz2.bz.tbz", ".bz2|.tbz2|.bz|.tbz|"},
        {".z.taz", ".z|.taz|"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, Split(c.extensions)) << "for \"" << c.extensions << "\"";
}

TEST(ExtensionList, AnExtensionLongerThanTheBufferIsCutButTheWalkGoesOn) {
    EXPECT_EQ(".ab|.tb|", Split(".abcdef.tbz", 4));
}

TEST(ExtensionList, EndOfStringLeavesBufferAndCursorAlone) {
    const char* text = ".7z";
    const char* cursor = text;
    char out[8] = "x";
    ASSERT_TRUE(NextExtension(&cursor, out, sizeof out));
    EXPECT_STREQ(".7z", out);
    EXPECT_EQ(text + 3, cursor);
    EXPECT_FALSE(NextExtension(&cursor, out, sizeof out));
    EXPECT_STREQ(".7z", out);
    EXPECT_EQ(text + 3, cursor);
}

}  // namespace
