// Message texts: the ring of eight slots, the built-in texts, unknown numbers,
// and the manual-deletion message composed into 512 bytes.
#include "entry/messages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "entry/expected_texts.h"
#include "entry/manual_deletion.h"
#include "localisation/ext_resource.h"

namespace {

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // No language library beside the test program: the built-in texts.
        TheExtResource().Load(GetModuleHandleA(nullptr), nullptr);
        ASSERT_EQ(ProgramModule(), ResourceModule());
    }
    void TearDown() override { TheExtResource().Release(); }
};

TEST_F(MessagesTest, EveryBuiltInText) {
    for (const ExpectedMessage& m : kExpectedMessages) {
        std::string got = MessageText(m.number);
        EXPECT_EQ(Expected(m.number), got) << m.number << " got " << Bytes(got);
    }
}

TEST_F(MessagesTest, UnknownNumberGivesEmptyText) {
    for (int number : {0, 5100, 5115, 65535}) {
        MessageText(MSG_PRODUCT_TITLE);   // leaves a text in the ring
        const char* text = MessageText(number);
        EXPECT_STREQ("", text) << "number " << number;
    }
}

TEST_F(MessagesTest, RingOfEight) {
    const char* first[8];
    for (int i = 0; i < 8; ++i) first[i] = MessageText(5101 + i);
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < i; ++j) EXPECT_NE(first[i], first[j]) << "calls " << j + 1 << " and " << i + 1;
    }
    // All eight texts intact after the eighth call.
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Expected(5101 + i), first[i]) << "call " << i + 1 << " got " << Bytes(first[i]);
    }
    // The ninth call takes the first one's slot; the other seven stay.
    const char* ninth = MessageText(MSG_ARCHIVE_TYPE);
    EXPECT_EQ(first[0], ninth);
    EXPECT_EQ(Expected(MSG_ARCHIVE_TYPE), ninth) << Bytes(ninth);
    for (int i = 1; i < 8; ++i) {
        EXPECT_EQ(Expected(5101 + i), first[i]) << "call " << i + 1 << " after the ninth";
    }
}

TEST_F(MessagesTest, FormatMessageTextIsTheBuiltInFormat) {
    EXPECT_EQ(Expected(MSG_DELETE_MANUALLY), FormatMessageText(MSG_DELETE_MANUALLY));
    EXPECT_EQ(Expected(MSG_CANNOT_OPEN_LIST), FormatMessageText(MSG_CANNOT_OPEN_LIST));
}

// The message text before "%s" of 5106, in the running code page.
std::string DeleteManuallyPrefix() {
    std::string format = Expected(MSG_DELETE_MANUALLY);
    return format.substr(0, format.find("%s"));
}

TEST_F(MessagesTest, ManualDeletionMessage) {
    const char* path = "C:\\Program Files\\Lumvex 100%\\uninstall.exe";
    char out[kManualDeletionMessageSize];
    EXPECT_TRUE(ComposeManualDeletionMessage(out, sizeof out, path));
    std::string want = Expected(MSG_UNINSTALL_DONE) + "\n" + DeleteManuallyPrefix() + path;
    EXPECT_EQ(want, out) << Bytes(out);
}

// Paths that do not fit: the text is cut inside the 512 bytes, never past
// them and never inside a double-byte character.
TEST_F(MessagesTest, ManualDeletionMessageLongPathIsCut) {
    struct Case {
        const char* name;
        std::string path;
    };
    // With this 4-byte start the room left in code page 936 is odd, so the
    // last character fits only by half and must be dropped whole.
    std::string dbcs = "C:\\a";
    while (dbcs.size() < 1000) dbcs += "\x81\x5C";   // a character whose trail byte is '\'
    const Case cases[] = {
        {"ASCII path of 1023 bytes", "C:\\" + std::string(1020, 'a')},
        {"path of double-byte characters", dbcs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        char buffer[kManualDeletionMessageSize + 64];
        memset(buffer, 'Z', sizeof buffer);
        EXPECT_FALSE(ComposeManualDeletionMessage(buffer, kManualDeletionMessageSize, c.path.c_str()));
        size_t len = strnlen(buffer, kManualDeletionMessageSize);
        ASSERT_LT(len, kManualDeletionMessageSize) << "no terminator inside the buffer";
        for (size_t i = kManualDeletionMessageSize; i < sizeof buffer; ++i) {
            ASSERT_EQ('Z', buffer[i]) << "byte " << i << " past the buffer was written";
        }
        std::string head = Expected(MSG_UNINSTALL_DONE) + "\n" + DeleteManuallyPrefix();
        ASSERT_EQ(head, std::string(buffer, head.size()));
        std::string tail(buffer + head.size());
        EXPECT_EQ(c.path.substr(0, tail.size()), tail);
        EXPECT_GE(len, kManualDeletionMessageSize - 2) << "cut far too early";
        if (GetACP() == 936 && c.path == dbcs) {
            // Whole characters only: what follows "C:\a" has an even length.
            EXPECT_EQ(0u, (tail.size() - 4) % 2) << "a lead byte was left without its trail byte; ends " << Bytes(tail.substr(tail.size() - 4));
        }
    }
}

}  // namespace
