// The registry access layer, sandboxed: HKCR, HKCU and HKLM are
// redirected to scratch keys for every test (RegistrySandbox). Runs in the
// modes nt64, nt32, win98 and cp936; the 64-bit view is tested by
// registry_view64_test in a prefix of its own.
#include "foundation/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/platform.h"
#include "registry_sandbox.h"

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sandbox_.ok()) << "could not redirect the root keys"; }
    void TearDown() override {
        SetRegistryWriteFilterForTesting(nullptr);
        SetWriteView64(false);
    }
    RegistrySandbox sandbox_;
};

// Creates root\path (and its parents) directly through the API.
bool MakeKey(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool RawExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

DWORD SubkeyCount(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD count = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
}

bool SetRaw(HKEY root, const std::string& path, const char* valueName, DWORD type,
            const void* data, DWORD length) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    LONG rc = RegSetValueExA(key, valueName, 0, type, static_cast<const BYTE*>(data), length);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

// A tree of `levels` levels below `path` with `fanout` children per key, each
// key carrying a value. Returns the number of keys made (path included).
int MakeTree(HKEY root, const std::string& path, int levels, int fanout) {
    if (!SetRaw(root, path, "v", REG_SZ, "x", 2)) return 0;
    int made = 1;
    if (levels == 0) return made;
    for (int i = 0; i < fanout; ++i) {
        made += MakeTree(root, path + "\\k" + std::to_string(i), levels - 1, fanout);
    }
    return made;
}

TEST_F(Registry, BuildKeyPathMapping) {
    const struct {
        HKEY root;
        const char* name;
        const char* path;
    } cases[] = {
        {HKEY_CURRENT_USER, "", "Software\\Lumvex"},
        {HKEY_CURRENT_USER, "Setup", "Software\\Lumvex\\Setup"},
        {HKEY_CURRENT_USER, "Setup\\Links", "Software\\Lumvex\\Setup\\Links"},
        {HKEY_CURRENT_USER, "\\Software\\Other", "Software\\Other"},
        {HKEY_CURRENT_USER, "\\", ""},
        {HKEY_CLASSES_ROOT, ".lvx", ".lvx"},
        {HKEY_CLASSES_ROOT, "", ""},
        {HKEY_CLASSES_ROOT, "\\x", "\\x"},
        {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows", "Software\\Microsoft\\Windows"},
    };
    for (const auto& c : cases) {
        char out[kKeyPathSize];
        memset(out, '#', sizeof out);
        EXPECT_TRUE(BuildKeyPath(c.root, c.name, out, sizeof out)) << "name '" << c.name << "'";
        EXPECT_STREQ(c.path, out) << "name '" << c.name << "'";
    }
}

TEST_F(Registry, BuildKeyPathLimit) {
    const struct {
        HKEY root;
        size_t length;
        unsigned capacity;
        bool accepted;
    } cases[] = {
        {HKEY_CURRENT_USER, 236, 256, true},  {HKEY_CURRENT_USER, 237, 256, false},
        {HKEY_CLASSES_ROOT, 236, 256, true},  {HKEY_CLASSES_ROOT, 237, 256, false},
        {HKEY_LOCAL_MACHINE, 236, 256, true}, {HKEY_LOCAL_MACHINE, 237, 256, false},
        {HKEY_CURRENT_USER, 10, 30, true},    {HKEY_CURRENT_USER, 11, 30, false},
        {HKEY_CURRENT_USER, 0, 20, true},  {HKEY_CLASSES_ROOT, 1, 20, false},    {HKEY_CLASSES_ROOT, 1000, 256, false},
    };
    for (const auto& c : cases) {
        std::string name(c.length, 'n');
        char out[kKeyPathSize + 1];
        memset(out, '#', sizeof out);
        EXPECT_EQ(c.accepted, BuildKeyPath(c.root, name.c_str(), out, c.capacity))
            << "length " << c.length << " capacity " << c.capacity;
        EXPECT_EQ('#', out[c.capacity]) << "wrote past the capacity";
        if (c.accepted && c.root != HKEY_CURRENT_USER) {
            EXPECT_EQ(name, out);
        }
        if (c.accepted && c.root == HKEY_CURRENT_USER) {
            EXPECT_EQ(c.length == 0 ? std::string("Software\\Lumvex") : "Software\\Lumvex\\" + name,
                      out);
        }
    }
}

TEST_F(Registry, LongNamesActOnTheKeyOrLikeAMissingKey) {
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        std::string ok(236, 'a');
        std::string tooLong(237, 'b');
        EXPECT_TRUE(WriteString(root, ok.c_str(), "v", "236"));
        EXPECT_TRUE(KeyExists(root, ok.c_str()));
        char out[16];
        EXPECT_TRUE(ReadString(root, ok.c_str(), "v", out, "def", sizeof out));
        EXPECT_STREQ("236", out);

        EXPECT_FALSE(WriteString(root, tooLong.c_str(), "v", "237"));
        EXPECT_FALSE(WriteDword(root, tooLong.c_str(), "v", 1));
        EXPECT_EQ(nullptr, OpenKeyForWrite(root, tooLong.c_str()));
        EXPECT_EQ(nullptr, OpenKeyForRead(root, tooLong.c_str()));
        EXPECT_FALSE(KeyExists(root, tooLong.c_str()));
        EXPECT_FALSE(ReadString(root, tooLong.c_str(), "v", out, "def", sizeof out));
        EXPECT_STREQ("def", out);
        EXPECT_EQ(7u, GetDword(root, tooLong.c_str(), "v", 7));
        DeleteKeyTree(root, tooLong.c_str());
        DeleteKey(root, tooLong.c_str());
        DeleteKeyTree(root, ok.c_str());
        EXPECT_FALSE(KeyExists(root, ok.c_str()));
    }
    // Nothing at all was made with the long name.
    EXPECT_EQ(0u, SubkeyCount(HKEY_CLASSES_ROOT, ""));
    EXPECT_EQ(0u, SubkeyCount(HKEY_LOCAL_MACHINE, ""));
}

TEST_F(Registry, SettingWritesLandInTheSettingsKey) {
    EXPECT_FALSE(RawExists(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup"));
    EXPECT_TRUE(WriteSettingString("Setup", "Path", "C:\\Lumvex"));
    EXPECT_TRUE(RawExists(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup"));
    EXPECT_TRUE(WriteSettingDword("Setup\\Links", "Desktop", 1));
    EXPECT_TRUE(RawExists(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup\\Links"));
    EXPECT_TRUE(WriteString(HKEY_CURRENT_USER, "\\Software\\Elsewhere", "a", "b"));
    EXPECT_TRUE(RawExists(HKEY_CURRENT_USER, "Software\\Elsewhere"));
    EXPECT_FALSE(RawExists(HKEY_CURRENT_USER, "Software\\Lumvex\\Software\\Elsewhere"));

    char out[64];
    EXPECT_TRUE(ReadSettingString("Setup", "Path", out, "", sizeof out));
    EXPECT_STREQ("C:\\Lumvex", out);
    EXPECT_EQ(1u, GetSettingDword("Setup\\Links", "Desktop", 5));
    EXPECT_TRUE(ReadString(HKEY_CURRENT_USER, "\\Software\\Lumvex\\Setup", "Path", out, "",
                           sizeof out));
    EXPECT_STREQ("C:\\Lumvex", out);
}

TEST_F(Registry, WritesAndTheirTypes) {
    EXPECT_TRUE(WriteString(HKEY_CLASSES_ROOT, ".lvx", "", "Lumvex"));
    EXPECT_TRUE(WriteDword(HKEY_CLASSES_ROOT, ".lvx", "n", 0x12345678));
    const unsigned char bytes[] = {1, 0, 2, 0, 3};
    EXPECT_TRUE(WriteBinary(HKEY_CLASSES_ROOT, ".lvx", "b", bytes, sizeof bytes));

    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CLASSES_ROOT, ".lvx", 0, KEY_READ, &key));
    const struct {
        const char* name;
        DWORD type;
        DWORD length;
        const void* data;
    } cases[] = {
        {"", REG_SZ, 7, "Lumvex"},
        {"n", REG_DWORD, 4, "\x78\x56\x34\x12"},
        {"b", REG_BINARY, 5, bytes},
    };
    for (const auto& c : cases) {
        BYTE data[32] = {};
        DWORD type = 0, length = sizeof data;
        ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, c.name, nullptr, &type, data, &length))
            << "value '" << c.name << "'";
        EXPECT_EQ(c.type, type) << "value '" << c.name << "'";
        EXPECT_EQ(c.length, length) << "value '" << c.name << "'";
        EXPECT_EQ(0, memcmp(c.data, data, c.length)) << "value '" << c.name << "'";
    }
    RegCloseKey(key);

    EXPECT_FALSE(CloseKey(nullptr));
    HKEY w = OpenKeyForWrite(HKEY_CLASSES_ROOT, ".lvx");
    ASSERT_NE(nullptr, w);
    EXPECT_TRUE(CloseKey(w));
    HKEY r = OpenKeyForRead(HKEY_CLASSES_ROOT, ".lvx");
    ASSERT_NE(nullptr, r);
    EXPECT_TRUE(CloseKey(r));
    EXPECT_EQ(nullptr, OpenKeyForRead(HKEY_CLASSES_ROOT, ".missing"));
}

TEST_F(Registry, ReadStringDefaults) {
    ASSERT_TRUE(SetRaw(HKEY_CLASSES_ROOT, "R", "text", REG_SZ, "hello", 6));
    ASSERT_TRUE(SetRaw(HKEY_CLASSES_ROOT, "R", "emptysz", REG_SZ, "", 1));
    ASSERT_TRUE(SetRaw(HKEY_CLASSES_ROOT, "R", "zero", REG_BINARY, "", 0));
    ASSERT_TRUE(SetRaw(HKEY_CLASSES_ROOT, "R", "raw4", REG_BINARY, "abcd", 4));
    const struct {
        const char* key;
        const char* value;
        DWORD size;
        bool read;
        const char* out;
    } cases[] = {
        {"R", "text", 64, true, "hello"},
        {"R", "text", 6, true, "hello"},            // exactly fits with its terminator
        {"R", "text", 5, false, "dflt"},            // one byte too long: the default
        {"R", "text", 3, false, "df"},              // the default cut to the size
        {"R", "missing", 64, false, "dflt"},        // no such value
        {"Missing", "text", 64, false, "dflt"},     // no such key
        {"R", "zero", 64, false, "dflt"},           // stored length 0
        {"R", "emptysz", 64, true, ""},             // "" with its terminator: length 1
        {"R", "raw4", 64, true, "abcd"},            // stored without a terminator
        {"R", "raw4", 4, false, "dfl"},             // ... filling the buffer: not a text
    };
    for (const auto& c : cases) {
        char out[80];
        memset(out, '#', sizeof out);
        EXPECT_EQ(c.read, ReadString(HKEY_CLASSES_ROOT, c.key, c.value, out, "dflt", c.size))
            << c.key << "/" << c.value << " size " << c.size;
        EXPECT_STREQ(c.out, out) << c.key << "/" << c.value << " size " << c.size;
        EXPECT_EQ('#', out[c.size]) << "wrote past the size: " << c.key << "/" << c.value;
    }
}

TEST_F(Registry, DwordDefaults) {
    ASSERT_TRUE(WriteSettingDword("Setup", "zero", 0));
    ASSERT_TRUE(WriteSettingDword("Setup", "big", 0xFFFFFFFF));
    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup", "two", REG_BINARY, "\x34\x12", 2));
    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup", "eight", REG_BINARY,
                       "12345678", 8));
    ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup", "empty", REG_BINARY, "", 0));
    const struct {
        const char* key;
        const char* value;
        DWORD expected;
        bool read;
    } cases[] = {
        {"Setup", "zero", 0, true},
        {"Setup", "big", 0xFFFFFFFF, true},
        {"Setup", "two", 0x1234, true},     // 1 to 4 bytes count
        {"Setup", "eight", 99, false},      // longer than 4 bytes: the default
        {"Setup", "empty", 99, false},      // length 0: the default
        {"Setup", "missing", 99, false},
        {"Nowhere", "zero", 99, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, GetSettingDword(c.key, c.value, 99)) << c.key << "/" << c.value;
        DWORD where = 0;
        EXPECT_EQ(c.read, ReadDword(HKEY_CURRENT_USER, c.key, c.value, &where, 99))
            << c.key << "/" << c.value;
        EXPECT_EQ(c.expected, where) << c.key << "/" << c.value;
    }
}

TEST_F(Registry, DeleteValueAndDeleteKey) {
    ASSERT_TRUE(WriteString(HKEY_LOCAL_MACHINE, "Software\\L", "a", "1"));
    ASSERT_TRUE(WriteString(HKEY_LOCAL_MACHINE, "Software\\L", "b", "2"));
    DeleteValue(HKEY_LOCAL_MACHINE, "Software\\L", "a");
    char out[8];
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, "Software\\L", "a", out, "-", sizeof out));
    EXPECT_TRUE(ReadString(HKEY_LOCAL_MACHINE, "Software\\L", "b", out, "-", sizeof out));
    DeleteValue(HKEY_LOCAL_MACHINE, "Software\\Missing", "b");   // nothing happens

    ASSERT_TRUE(MakeKey(HKEY_LOCAL_MACHINE, "Software\\L\\Child"));
    DeleteKey(HKEY_LOCAL_MACHINE, "Software\\L\\Child");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\L\\Child"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\L"));
    DeleteKey(HKEY_LOCAL_MACHINE, "Software\\L");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\L"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software"));
    // The empty name never deletes the root.
    DeleteKey(HKEY_LOCAL_MACHINE, "");
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software"));
}

TEST_F(Registry, DeleteKeyTreeRemovesEveryLevel) {
    // Three levels below the key, three children per key: one sweep skips
    // children (the enumeration index keeps counting while keys disappear).
    const struct {
        HKEY root;
        const char* name;        // as given to DeleteKeyTree
        const char* rawPath;     // where it lives
        int levels, fanout;
    } cases[] = {
        {HKEY_CLASSES_ROOT, "Lumvex.Tree", "Lumvex.Tree", 3, 3},
        {HKEY_LOCAL_MACHINE, "Software\\Tree", "Software\\Tree", 2, 5},
        {HKEY_CURRENT_USER, "Setup", "Software\\Lumvex\\Setup", 3, 4},
    };
    for (const auto& c : cases) {
        ASSERT_GT(MakeTree(c.root, c.rawPath, c.levels, c.fanout), 1);
        ASSERT_TRUE(MakeKey(c.root, std::string(c.rawPath) + "Sibling"));
        DeleteKeyTree(c.root, c.name);
        EXPECT_FALSE(RawExists(c.root, c.rawPath))
            << c.rawPath << " still there with " << SubkeyCount(c.root, c.rawPath)
            << " subkeys left";
        EXPECT_TRUE(RawExists(c.root, std::string(c.rawPath) + "Sibling"));
    }
    // A missing key: nothing happens.
    DeleteKeyTree(HKEY_CLASSES_ROOT, "Lumvex.Tree");
    EXPECT_FALSE(RawExists(HKEY_CLASSES_ROOT, "Lumvex.Tree"));
}

TEST_F(Registry, DeleteKeyTreeOfTheEmptyName) {
    ASSERT_GT(MakeTree(HKEY_CURRENT_USER, "Software\\Lumvex", 2, 3), 1);
    ASSERT_TRUE(MakeKey(HKEY_CURRENT_USER, "Software\\Other"));
    ASSERT_GT(MakeTree(HKEY_CLASSES_ROOT, ".lvx", 1, 2), 1);
    ASSERT_TRUE(MakeKey(HKEY_CLASSES_ROOT, "Lumvex"));

    DeleteKeyTree(HKEY_CLASSES_ROOT, "");   // nothing
    EXPECT_TRUE(RawExists(HKEY_CLASSES_ROOT, ".lvx\\k1"));
    EXPECT_TRUE(RawExists(HKEY_CLASSES_ROOT, "Lumvex"));
    EXPECT_EQ(2u, SubkeyCount(HKEY_CLASSES_ROOT, ""));

    DeleteKeyTree(HKEY_CURRENT_USER, "");   // the whole settings key
    EXPECT_FALSE(RawExists(HKEY_CURRENT_USER, "Software\\Lumvex"));
    EXPECT_TRUE(RawExists(HKEY_CURRENT_USER, "Software\\Other"));
    EXPECT_TRUE(RawExists(HKEY_CURRENT_USER, "Software"));
}

// Child paths at the 512-byte buffer of the deletion step. Wine's ANSI
// registry calls take paths of at most 260 UTF-16 units, so with single-byte
// names a parent that can be opened never has a child path of 512 bytes; in
// code page 936 a name of 99 double-byte characters (乗, trail byte 0x5C) is 198
// bytes but 99 units, and a parent of 402 bytes can be opened: its child of
// 601 bytes does not fit and is skipped, nothing overflows, the sweeps end.
HKEY CreateW(HKEY parent, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

bool ExistsW(HKEY parent, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

DWORD SubkeysW(HKEY key) {
    DWORD count = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return 99;
    }
    return count;
}

TEST_F(Registry, DeleteKeyTreeWithChildPathsLongerThanItsBuffer) {
    const bool dbcs = GetACP() == 936;
    const std::wstring name = dbcs ? std::wstring(99, L'\u4E57') : std::wstring(199, L'q');
    HKEY top = CreateW(HKEY_CLASSES_ROOT, L"Deep");
    ASSERT_NE(nullptr, top);
    HKEY level1 = CreateW(top, name);                 // "Deep\" + name: 203 / 204 bytes
    ASSERT_NE(nullptr, level1);
    HKEY level2 = CreateW(level1, name);              // 402 / 404 bytes
    ASSERT_NE(nullptr, level2);
    HKEY level3 = CreateW(level2, name);              // 601 / 604 bytes: past the buffer
    ASSERT_NE(nullptr, level3);
    for (auto made : {CreateW(level3, L"leaf"), CreateW(level2, L"s1"), CreateW(level1, L"s2"),
                      CreateW(top, L"x")}) {
        ASSERT_NE(nullptr, made);
        RegCloseKey(made);
    }
    if (dbcs) {
        char path[600];
        ASSERT_GT(WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, path, sizeof path, nullptr,
                                      nullptr), 0);
        ASSERT_EQ(198u, strlen(path));
        ASSERT_EQ('\\', path[1]) << "the name has trail bytes 0x5C";
    }

    DeleteKeyTree(HKEY_CLASSES_ROOT, "Deep");

    if (NtMajorVersion() == 0) {
        // The 9x family removes the whole tree with one RegDeleteKeyA.
        EXPECT_FALSE(RawExists(HKEY_CLASSES_ROOT, "Deep"));
    } else {
        EXPECT_TRUE(ExistsW(level3, L"leaf"));
        EXPECT_FALSE(ExistsW(level1, L"s2"));
        EXPECT_FALSE(ExistsW(top, L"x"));
        EXPECT_EQ(1u, SubkeysW(top));
        EXPECT_EQ(1u, SubkeysW(level1));
        if (dbcs) {
            // 405 bytes: within the buffer, and the system opens it.
            EXPECT_FALSE(ExistsW(level2, L"s1"));
            EXPECT_EQ(1u, SubkeysW(level2));
        }
    }
    for (HKEY k : {level3, level2, level1, top}) RegCloseKey(k);
}

// The test seam: "no right to write HKEY_LOCAL_MACHINE".
LONG DenyLocalMachine(HKEY root, const char*) {
    return root == HKEY_LOCAL_MACHINE ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

TEST_F(Registry, WriteFilterStandsForMissingRights) {
    ASSERT_TRUE(WriteString(HKEY_LOCAL_MACHINE, "Software\\App", "v", "1"));
    ASSERT_TRUE(MakeTree(HKEY_LOCAL_MACHINE, "Software\\Tree", 1, 2));
    SetRegistryWriteFilterForTesting(DenyLocalMachine);
    EXPECT_FALSE(WriteString(HKEY_LOCAL_MACHINE, "Software\\New", "v", "1"));
    EXPECT_FALSE(WriteDword(HKEY_LOCAL_MACHINE, "Software\\App", "d", 1));
    EXPECT_EQ(nullptr, OpenKeyForWrite(HKEY_LOCAL_MACHINE, "Software\\App"));
    DeleteValue(HKEY_LOCAL_MACHINE, "Software\\App", "v");
    DeleteKey(HKEY_LOCAL_MACHINE, "Software\\App");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Tree");
    EXPECT_TRUE(WriteString(HKEY_CLASSES_ROOT, "Other", "v", "1"));   // other roots unaffected
    SetRegistryWriteFilterForTesting(nullptr);

    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\New"));
    EXPECT_EQ(5u, GetDword(HKEY_LOCAL_MACHINE, "Software\\App", "d", 5));
    char out[4];
    EXPECT_TRUE(ReadString(HKEY_LOCAL_MACHINE, "Software\\App", "v", out, "", sizeof out));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "Software\\Tree\\k1"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "Other"));
}

}  // namespace
