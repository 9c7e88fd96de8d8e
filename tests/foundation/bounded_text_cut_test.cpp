// Bounded copies cut whole double-byte characters only, also when the cut
// falls between a lead byte and its trail byte.
#include "foundation/bounded_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/path_text.h"

namespace {

// Code page 936's lead bytes (0x81 to 0xFE) for the duration of a test.
class DoubleByteTable : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = LeadByteTable;
        memset(&LeadByteTable, 0, sizeof LeadByteTable);
        for (int c = 0x81; c <= 0xFE; ++c) LeadByteTable.lead[c] = 1;
        LeadByteTable.multiByte = 1;
    }
    void TearDown() override { LeadByteTable = saved_; }
    LeadByteInfo saved_;
};

TEST_F(DoubleByteTable, CutsBeforeASplitCharacter) {
    const struct {
        const char* source;
        size_t size;
        const char* want;
    } cases[] = {
        {"a\x81\x5C\x81\x5C", 3, "a"},          // room for "a" and half of one character
        {"a\x81\x5C\x81\x5C", 4, "a\x81\x5C"},
        {"ab\x81\x5C", 4, "ab"},
        {"\x81\x5C", 2, ""},
        {"abc", 3, "ab"},
    };
    for (const auto& c : cases) {
        char copied[16];
        char formatted[16];
        char appended[16] = "";
        EXPECT_FALSE(CopyText(copied, c.size, c.source));
        EXPECT_FALSE(FormatText(formatted, c.size, "%s", c.source));
        EXPECT_FALSE(AppendText(appended, c.size, c.source));
        EXPECT_STREQ(c.want, copied) << "CopyText into " << c.size << " bytes";
        EXPECT_STREQ(c.want, formatted) << "FormatText into " << c.size << " bytes";
        EXPECT_STREQ(c.want, appended) << "AppendText into " << c.size << " bytes";
    }
}

}  // namespace
