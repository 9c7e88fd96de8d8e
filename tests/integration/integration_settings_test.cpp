// Loading and saving the integration choices, in a sandboxed registry.
#include "integration/integration_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "foundation/registry_sandbox.h"
#include "integration/registry_state.h"

namespace {

// Flags 0..13 and 20..25 as text, e.g. "11111111111111 001101".
std::string Flags(const IntegrationSettings& s) {
    std::string text;
    for (int i = 0; i < 14; ++i) text += static_cast<char>('0' + s.flags[i]);
    text += ' ';
    for (int i = 20; i < 26; ++i) text += static_cast<char>('0' + s.flags[i]);
    return text;
}

class Settings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sandbox_.ok()) << "could not redirect the root keys"; }
    RegistrySandbox sandbox_;
};

TEST_F(Settings, DefaultsWithNothingStored) {
    IntegrationSettings s;
    memset(&s, 7, sizeof s);
    LoadIntegrationSettings(s);
    EXPECT_EQ("11111111111111 001101", Flags(s));
    for (int i = 14; i < 20; ++i) EXPECT_EQ(7, s.flags[i]) << "flag " << i << " is nobody's and stays";
}

TEST_F(Settings, StoredChoicesAndTheOwnershipRuleForJarAndIso) {
    const std::string setup = "Software\\Lumvex\\Setup\\";
    struct Case {
        const char* name;
        const char* extension;
        const char* owner;   // the extension's class under HKEY_CLASSES_ROOT; null: no key
        long stored;         // "Set"; -1: nothing stored
        int index;
        int expected;
    } cases[] = {
        {"JAR owned by another program, Set 1 stored", ".jar", "OtherJar", 1, 11, 0},
        {"JAR owned by another program, nothing stored", ".jar", "OtherJar", -1, 11, 0},
        {"JAR owned by the archiver", ".jar", "Lumvex", 1, 11, 1},
        {"JAR owned by the archiver's ZIP class, any case", ".jar", "lumvex.zip", -1, 11, 1},
        {"JAR with a key but no class", ".jar", "", -1, 11, 1},
        {"JAR owned by nobody, Set 0", ".jar", nullptr, 0, 11, 0},
        {"ISO owned by another program", ".iso", "Windows.IsoFile", 1, 12, 0},
        {"ISO owned by nobody", ".iso", nullptr, -1, 12, 1},
        {"CAB owned by another program: the rule is for JAR and ISO only", ".cab", "OtherCab", -1, 2, 1},
        {"ZIP stored 0", ".zip", nullptr, 0, 1, 0},
        {"ZIP stored as another non-zero number", ".zip", nullptr, 7, 1, 1},
        {"LZH stored 0 while owned by the archiver", ".lzh", "Lumvex", 0, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RegistrySandbox sandbox;
        ASSERT_TRUE(sandbox.ok());
        if (c.owner) {
            ASSERT_TRUE(regstate::SetString(HKEY_CLASSES_ROOT, c.extension, "", c.owner));
        }
        if (c.stored >= 0) {
            ASSERT_TRUE(regstate::SetDword(HKEY_CURRENT_USER, setup + c.extension, "Set",
                                           static_cast<DWORD>(c.stored)));
        }
        IntegrationSettings s = {};
        LoadIntegrationSettings(s);
        EXPECT_EQ(c.expected, s.flags[c.index]) << "all flags: " << Flags(s);
        int on = 0;
        for (int i = 0; i < 14; ++i) on += s.flags[i];
        EXPECT_EQ(13 + c.expected, on) << "the other types keep their default: " << Flags(s);
    }
}

TEST_F(Settings, StoredOptionsReadAsNonZeroMeansOn) {
    ASSERT_TRUE(regstate::SetDword(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup\\Links", "Desktop", 5));
    ASSERT_TRUE(regstate::SetDword(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup\\Links", "Programs", 0));
    ASSERT_TRUE(regstate::SetDword(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup", "ShellExt", 0));
    ASSERT_TRUE(regstate::SetDword(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup", "CascadedMenu", 1));
    // A value too long for a number reads as its default.
    ASSERT_TRUE(regstate::SetString(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup", "MenuIcons", "a long text"));
    IntegrationSettings s = {};
    LoadIntegrationSettings(s);
    EXPECT_EQ("11111111111111 100011", Flags(s));
}

TEST_F(Settings, SaveWritesTwentyNumbersThatLoadBack) {
    IntegrationSettings saved = {};
    const char pattern[] = "10101100111010";   // ISO (12) off among others
    for (int i = 0; i < 14; ++i) saved.flags[i] = pattern[i] == '1';
    saved.flags[20] = 1;
    saved.flags[21] = 0;
    saved.flags[22] = 0;
    saved.flags[23] = 1;
    saved.flags[24] = 1;
    saved.flags[25] = 0;
    SaveIntegrationSettings(saved);

    std::string stored;
    for (const char* e : {".lvx", ".zip", ".cab", ".arj", ".lzh", ".ace", ".7z", ".tar", ".gz", ".uue", ".bz2",
                          ".jar", ".iso", ".z"})
        stored += regstate::Value(HKEY_CURRENT_USER, std::string("Software\\Lumvex\\Setup\\") + e, "Set") + " ";
    for (const char* v : {"Desktop", "StartMenu", "Programs"})
        stored += regstate::Value(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup\\Links", v) + " ";
    for (const char* v : {"ShellExt", "CascadedMenu", "MenuIcons"})
        stored += regstate::Value(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup", v) + " ";
    EXPECT_EQ("dword:1 dword:0 dword:1 dword:0 dword:1 dword:1 dword:0 dword:0 dword:1 dword:1 dword:1 "
              "dword:0 dword:1 dword:0 dword:1 dword:0 dword:0 dword:1 dword:1 dword:0 ",
              stored);
    // The extensions other than the key extensions get no value of their own.
    EXPECT_EQ("<no key>", regstate::Dump(HKEY_CURRENT_USER, "Software\\Lumvex\\Setup\\.lha"));

    IntegrationSettings loaded = {};
    LoadIntegrationSettings(loaded);
    EXPECT_EQ(Flags(saved), Flags(loaded));
}

}  // namespace
