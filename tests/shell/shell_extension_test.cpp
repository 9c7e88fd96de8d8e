// Shell extension registration, seen in the registry of a prefix of its own:
// every view the system has is snapshot before and after, and the difference
// must be exactly the entries written out below.
#include "shell/shell_extension.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "integration/integration_steps.h"
#include "shell/wow64.h"
#include "support/snapshot.h"
#include "support/windows_layout.h"

namespace {

const char kId32[] = "{6F1C0A52-3D7E-4B19-A2C4-58E0B7D913F6}";
const char kId64[] = "{6F1C0A52-3D64-4B19-A2C4-58E0B7D913F6}";
const char kApproved[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

// Where each kind of entry lands. On a 64-bit system the archiver's classes
// and the shell's classes are shared by both views, a class id key is in the
// view it was written to, and HKEY_LOCAL_MACHINE\Software is redirected.
struct Views {
    std::vector<std::string> shared;   // labels a shared key shows under
    std::string classes32;             // the 32-bit build's class keys
    std::string classes64;             // the 64-bit build's class keys
    std::string machine;               // the approvals
};

Views SystemViews() {
    if (PrefixIs64Bit()) return {{"HKCR32", "HKCR64"}, "HKCR32", "HKCR64", "HKLM32"};
    return {{"HKCR"}, "HKCR", "", "HKLM"};
}

Snapshot TakeSnapshot() {
    Snapshot s;
    const char* const classTrees[] = {"CLSID\\" /* + id */, "Lumvex", "Lumvex.ZIP", "exefile",
                                      "*",      "Folder",           "Drive",  "Directory"};
    struct View {
        REGSAM bits;
        const char* classes;
        const char* machine;
    };
    const View views64[] = {{KEY_WOW64_32KEY, "HKCR32", "HKLM32"}, {KEY_WOW64_64KEY, "HKCR64", "HKLM64"}};
    const View views32[] = {{0, "HKCR", "HKLM"}};
    bool is64 = PrefixIs64Bit();
    const View* first = is64 ? views64 : views32;
    const View* last = is64 ? views64 + 2 : views32 + 1;
    for (const View* v = first; v != last; ++v) {
        for (const char* tree : classTrees) {
            if (strcmp(tree, "CLSID\\") == 0) {
                AddRegistryTree(s, HKEY_CLASSES_ROOT, (std::string(tree) + kId32).c_str(), v->bits, v->classes);
                AddRegistryTree(s, HKEY_CLASSES_ROOT, (std::string(tree) + kId64).c_str(), v->bits, v->classes);
            } else {
                AddRegistryTree(s, HKEY_CLASSES_ROOT, tree, v->bits, v->classes);
            }
        }
        AddRegistryTree(s, HKEY_LOCAL_MACHINE, kApproved, v->bits, v->machine);
    }
    return s;
}

// Builds the expected difference lines: "+ LABEL\key" or
// "+ LABEL\key [value] = SZ "data"" for each label.
class Expected {
public:
    void Key(const std::vector<std::string>& labels, const std::string& key) {
        for (const std::string& l : labels) Add("+ " + l + "\\" + key);
    }
    void Value(const std::vector<std::string>& labels, const std::string& key, const std::string& name,
               const std::string& data) {
        for (const std::string& l : labels) Add("+ " + l + "\\" + key + " [" + name + "] = SZ \"" + data + "\"");
    }
    std::vector<std::string> Lines() {
        std::sort(lines_.begin(), lines_.end());
        lines_.erase(std::unique(lines_.begin(), lines_.end()), lines_.end());
        return lines_;
    }

private:
    void Add(const std::string& line) { lines_.push_back(line); }
    std::vector<std::string> lines_;
};

std::string Fill(std::string format, const char* value) {
    size_t at = format.find("%s");
    if (at != std::string::npos) format.replace(at, 2, value);
    return format;
}

// The handler keys named by the class id and their parents below the
// archiver's classes (which do not exist before the first registration).
const char* const kIdHandlerKeys[] = {
    "Lumvex\\shellex\\ContextMenuHandlers\\%s",     "Lumvex\\shellex\\PropertySheetHandlers\\%s",
    "Lumvex.ZIP\\shellex\\ContextMenuHandlers\\%s", "Lumvex.ZIP\\shellex\\PropertySheetHandlers\\%s",
    "exefile\\shellex\\PropertySheetHandlers\\%s",
};
const char* const kArchiverClassKeys[] = {
    "Lumvex", "Lumvex\\shellex", "Lumvex\\shellex\\ContextMenuHandlers", "Lumvex\\shellex\\PropertySheetHandlers",
    "Lumvex.ZIP", "Lumvex.ZIP\\shellex", "Lumvex.ZIP\\shellex\\ContextMenuHandlers",
    "Lumvex.ZIP\\shellex\\PropertySheetHandlers",
};
const char* const kNamedHandlerKeys[] = {
    "*\\shellex\\ContextMenuHandlers\\%s",     "Folder\\shellex\\ContextMenuHandlers\\%s",
    "Folder\\shellex\\DragDropHandlers\\%s",   "Drive\\shellex\\DragDropHandlers\\%s",
    "Directory\\shellex\\ContextMenuHandlers\\%s", "Directory\\shellex\\DragDropHandlers\\%s",
};

struct Build {
    const char* library;
    const char* id;
    const char* handlerName;
    std::string classView;
};

// The builds a system handles, in order.
std::vector<Build> SystemBuilds() {
    Views v = SystemViews();
    if (PrefixIs64Bit()) {
        return {{"lvxext.dll", kId32, "Lumvex32", v.classes32}, {"lvxext64.dll", kId64, "Lumvex", v.classes64}};
    }
    return {{"lvxext.dll", kId32, "Lumvex", v.classes32}};
}

// Everything registration adds to a registry without any of it.
std::vector<std::string> ExpectedRegistration(bool librariesPresent) {
    Views v = SystemViews();
    Expected e;
    for (const char* key : kArchiverClassKeys) e.Key(v.shared, key);
    for (const Build& b : SystemBuilds()) {
        if (librariesPresent) {
            std::string classKey = std::string("CLSID\\") + b.id;
            e.Key({b.classView}, classKey);
            e.Value({b.classView}, classKey, "", "Lumvex");
            e.Key({b.classView}, classKey + "\\InProcServer32");
            e.Value({b.classView}, classKey + "\\InProcServer32", "", ProgramFolderFile(b.library));
            e.Value({b.classView}, classKey + "\\InProcServer32", "ThreadingModel", "Apartment");
        }
        for (const char* format : kIdHandlerKeys) {
            e.Key(v.shared, Fill(format, b.id));
            e.Value(v.shared, Fill(format, b.id), "", "");
        }
        for (const char* format : kNamedHandlerKeys) {
            e.Key(v.shared, Fill(format, b.handlerName));
            e.Value(v.shared, Fill(format, b.handlerName), "", b.id);
        }
        e.Value({v.machine}, kApproved, b.id, "Lumvex shell extension");
    }
    // Both builds write the drop handlers; the one handled last stays.
    const char* lastId = SystemBuilds().back().id;
    for (const char* key : {"Lumvex\\shellex\\DropHandler", "Lumvex.ZIP\\shellex\\DropHandler"}) {
        e.Key(v.shared, key);
        e.Value(v.shared, key, "", lastId);
    }
    return e.Lines();
}

// What unregistration leaves of a registration: the archiver's class keys
// (deleted with the classes later at uninstallation) and the handler keys
// under the shell's classes, without values.
std::vector<std::string> ExpectedLeftovers() {
    Views v = SystemViews();
    Expected e;
    for (const char* key : kArchiverClassKeys) e.Key(v.shared, key);
    for (const Build& b : SystemBuilds()) {
        for (const char* format : kNamedHandlerKeys) e.Key(v.shared, Fill(format, b.handlerName));
    }
    return e.Lines();
}

void SetShellIntegration(IntegrationSettings& settings, bool on) {
    memset(&settings, 0, sizeof settings);
    settings.flags[FLAG_SHELL_INTEGRATION] = on ? 1 : 0;
}

void DeleteTree(HKEY root, const char* path, REGSAM view) {
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS) return;
    char child[512];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        DeleteTree(key, child, view);
        length = sizeof child;
    }
    RegCloseKey(key);
    RegDeleteKeyExA(root, path, view, 0);
}

class ShellExtensionTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateWindowsShellKeys();
        baseline_ = TakeSnapshot();
    }
    void TearDown() override {
        // Back to the baseline by the test's own means, so that the next
        // test starts from it whatever the code under test left.
        for (const char* id : {kId32, kId64}) {
            for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
                HKEY key;
                if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApproved, 0, KEY_SET_VALUE | view, &key) == ERROR_SUCCESS) {
                    RegDeleteValueA(key, id);
                    RegCloseKey(key);
                }
            }
        }
        for (REGSAM view : {0, KEY_WOW64_64KEY}) {
            DeleteTree(HKEY_CLASSES_ROOT, "Lumvex", view);
            DeleteTree(HKEY_CLASSES_ROOT, "Lumvex.ZIP", view);
            for (const char* id : {kId32, kId64}) {
                DeleteTree(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + id).c_str(), view);
                DeleteTree(HKEY_CLASSES_ROOT, Fill("exefile\\shellex\\PropertySheetHandlers\\%s", id).c_str(), view);
            }
        }
        for (const char* name : {"Lumvex", "Lumvex32"}) {
            for (const char* format : kNamedHandlerKeys) RegDeleteKeyA(HKEY_CLASSES_ROOT, Fill(format, name).c_str());
        }
        for (const char* library : {"lvxext.dll", "lvxext64.dll"}) DeleteFileA(ProgramFolderFile(library).c_str());
        std::vector<std::string> rest = SnapshotDifference(baseline_, TakeSnapshot());
        ASSERT_TRUE(rest.empty()) << "the fixture could not restore the baseline:\n" << JoinLines(rest);
    }
    void CreateLibraries() {
        for (const char* library : {"lvxext.dll", "lvxext64.dll"}) {
            HANDLE file = CreateFileA(ProgramFolderFile(library).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, file) << library;
            CloseHandle(file);
        }
    }
    std::vector<std::string> Changes() { return SnapshotDifference(baseline_, TakeSnapshot()); }

    Snapshot baseline_;
};

TEST_F(ShellExtensionTest, RunsUnderWow64OnlyOnA64BitSystem) {
    EXPECT_EQ(PrefixIs64Bit(), RunsUnderWow64());
    EXPECT_EQ(PrefixIs64Bit(), RunsUnderWow64()) << "asked a second time";
}

// Both builds' libraries lie beside the program; on a 32-bit system the
// 64-bit one must not be looked at all the same.
TEST_F(ShellExtensionTest, RegistersEveryEntryOfEachBuildAndNothingElse) {
    CreateLibraries();
    IntegrationSettings on;
    SetShellIntegration(on, true);
    UpdateShellExtension(on);
    std::vector<std::string> expected = ExpectedRegistration(true);
    std::vector<std::string> got = Changes();
    EXPECT_EQ(expected, got) << "expected:\n" << JoinLines(expected) << "got:\n" << JoinLines(got);

    // A second setup run changes nothing.
    UpdateShellExtension(on);
    got = Changes();
    EXPECT_EQ(expected, got) << "after a second run:\n" << JoinLines(got);
}

TEST_F(ShellExtensionTest, MissingLibrariesDropOnlyTheirClassKeys) {
    IntegrationSettings on;
    SetShellIntegration(on, true);
    UpdateShellExtension(on);
    std::vector<std::string> expected = ExpectedRegistration(false);
    std::vector<std::string> got = Changes();
    EXPECT_EQ(expected, got) << "expected:\n" << JoinLines(expected) << "got:\n" << JoinLines(got);
}

// Unregistration leaves only the valueless handler keys under the shell's
// classes and the archiver's class keys; in particular no class id key of
// ours stays in either view.
TEST_F(ShellExtensionTest, UnregisteringLeavesOnlyTheIntendedKeys) {
    CreateLibraries();
    IntegrationSettings settings;
    SetShellIntegration(settings, true);
    UpdateShellExtension(settings);
    SetShellIntegration(settings, false);
    UpdateShellExtension(settings);
    std::vector<std::string> expected = ExpectedLeftovers();
    std::vector<std::string> got = Changes();
    EXPECT_EQ(expected, got) << "expected:\n" << JoinLines(expected) << "got:\n" << JoinLines(got);
}

TEST_F(ShellExtensionTest, UnregisteringWhatWasNeverRegisteredChangesNothing) {
    CreateLibraries();
    IntegrationSettings off;
    SetShellIntegration(off, false);
    UpdateShellExtension(off);
    std::vector<std::string> got = Changes();
    EXPECT_TRUE(got.empty()) << "got:\n" << JoinLines(got);
}

// The other flags are not looked at: everything on but the shell integration
// registers nothing.
TEST_F(ShellExtensionTest, OnlyTheShellIntegrationFlagCounts) {
    CreateLibraries();
    IntegrationSettings settings;
    memset(&settings, 1, sizeof settings);
    settings.flags[FLAG_SHELL_INTEGRATION] = 0;
    UpdateShellExtension(settings);
    std::vector<std::string> got = Changes();
    EXPECT_TRUE(got.empty()) << "got:\n" << JoinLines(got);
}

}  // namespace
