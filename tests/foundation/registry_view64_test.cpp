// The write view switch of the registry layer, in the real 64-bit view of a
// 64-bit prefix. A registry override does not cover that view, so this
// program writes to the prefix's own HKEY_LOCAL_MACHINE hive: it runs only in
// a prefix of its own (scripts/wine-run-own-prefix sets LUMVEX_OWN_PREFIX)
// and refuses to run anywhere else.
#include "foundation/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char kKey[] = "Software\\LumvexView64Test";

// The key's value "v" as seen in one view ("<no key>" / "<no value>").
std::string SeenIn(REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
        return "<no key>";
    }
    char text[32] = {};
    DWORD length = sizeof text - 1;
    LONG rc = RegQueryValueExA(key, "v", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &length);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? std::string(text) : "<no value>";
}

void DeleteInBothViews() {
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_64KEY, 0);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY, 0);
}

class RegistryView64 : public ::testing::Test {
protected:
    void SetUp() override {
        char own[64] = {};
        DWORD n = GetEnvironmentVariableA("LUMVEX_OWN_PREFIX", own, sizeof own);
        ASSERT_TRUE(n > 0 && n < sizeof own && strncmp(own, "registry_view64_test", 20) == 0)
            << "refusing to run: this test writes to the 64-bit hive of its prefix; run it "
               "through scripts/wine-run-own-prefix (ctest does)";
        BOOL wow64 = FALSE;
        ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
        ASSERT_TRUE(wow64) << "needs a 64-bit prefix (mode nt64)";
        DeleteInBothViews();
        ASSERT_EQ("<no key>", SeenIn(KEY_WOW64_64KEY));
        ASSERT_EQ("<no key>", SeenIn(KEY_WOW64_32KEY));
    }
    void TearDown() override {
        SetWriteView64(false);
        DeleteInBothViews();
    }
};

TEST_F(RegistryView64, WritesGoToTheViewAndOtherOperationsStayInTheDefault) {
    SetWriteView64(true);
    EXPECT_TRUE(WriteString(HKEY_LOCAL_MACHINE, kKey, "v", "64"));
    EXPECT_EQ("64", SeenIn(KEY_WOW64_64KEY));
    EXPECT_EQ("<no key>", SeenIn(KEY_WOW64_32KEY));

    // Reading, testing and deleting keep to the default (32-bit) view, even
    // while the switch is on.
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kKey));
    char out[8];
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, kKey, "v", out, "-", sizeof out));
    DeleteKey(HKEY_LOCAL_MACHINE, kKey);
    DeleteValue(HKEY_LOCAL_MACHINE, kKey, "v");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_EQ("64", SeenIn(KEY_WOW64_64KEY)) << "a default-view operation reached the 64-bit key";

    // Switched off: writes go to the default view, a key of its own.
    SetWriteView64(false);
    EXPECT_TRUE(WriteString(HKEY_LOCAL_MACHINE, kKey, "v", "32"));
    EXPECT_EQ("32", SeenIn(KEY_WOW64_32KEY));
    EXPECT_EQ("64", SeenIn(KEY_WOW64_64KEY));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kKey));
    EXPECT_TRUE(ReadString(HKEY_LOCAL_MACHINE, kKey, "v", out, "-", sizeof out));
    EXPECT_STREQ("32", out);

    DeleteKey(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kKey));
    EXPECT_EQ("<no key>", SeenIn(KEY_WOW64_32KEY));
    EXPECT_EQ("64", SeenIn(KEY_WOW64_64KEY));
}

TEST_F(RegistryView64, EveryWriteFollowsTheSwitch) {
    const struct {
        bool view64;
        REGSAM lands, absent;
    } cases[] = {
        {true, KEY_WOW64_64KEY, KEY_WOW64_32KEY},
        {false, KEY_WOW64_32KEY, KEY_WOW64_64KEY},
    };
    for (const auto& c : cases) {
        DeleteInBothViews();
        SetWriteView64(c.view64);
        const unsigned char bytes[] = {1, 2, 3};
        EXPECT_TRUE(WriteDword(HKEY_LOCAL_MACHINE, kKey, "d", 7));
        EXPECT_TRUE(WriteBinary(HKEY_LOCAL_MACHINE, kKey, "b", bytes, sizeof bytes));
        HKEY key = OpenKeyForWrite(HKEY_LOCAL_MACHINE, kKey);
        EXPECT_NE(nullptr, key);
        EXPECT_TRUE(CloseKey(key));
        SetWriteView64(false);
        EXPECT_EQ("<no value>", SeenIn(c.lands)) << "view64 " << c.view64;
        EXPECT_EQ("<no key>", SeenIn(c.absent)) << "view64 " << c.view64;
        HKEY raw = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ | c.lands, &raw));
        DWORD value = 0, length = sizeof value;
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(raw, "d", nullptr, nullptr,
                                                  reinterpret_cast<BYTE*>(&value), &length));
        EXPECT_EQ(7u, value);
        RegCloseKey(raw);
    }
}

}  // namespace
