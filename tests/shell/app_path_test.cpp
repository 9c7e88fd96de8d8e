// The application path entry, in a sandboxed registry; also run from a copy
// of the test program in the root of a drive (LUMVEX_EXPECT_DRIVE_ROOT set).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "foundation/registry_sandbox.h"
#include "integration/integration_steps.h"
#include "integration/registry_state.h"

namespace {

const char kKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Lumvex.exe";

std::string OwnFolder() {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\'));
}

class AppPath : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sandbox_.ok()) << "could not redirect the root keys"; }
    RegistrySandbox sandbox_;
};

TEST_F(AppPath, NamesTheArchiverBesideThisProgramAndItsFolder) {
    RegisterAppPath();
    std::string folder = OwnFolder();
    // In the root of a drive the folder keeps its backslash ("X:\").
    std::string expectedFolder = folder.size() == 2 ? folder + "\\" : folder;
    if (getenv("LUMVEX_EXPECT_DRIVE_ROOT") != nullptr) {
        ASSERT_EQ(2u, folder.size()) << "this run should lie in the root of a drive: " << folder;
    }
    EXPECT_EQ(regstate::Lines("@=" + folder + "\\Lumvex.exe|Path=" + expectedFolder),
              regstate::Dump(HKEY_LOCAL_MACHINE, kKey));
}

TEST_F(AppPath, OverwritesTheValuesOfAMovedInstallation) {
    ASSERT_TRUE(regstate::SetString(HKEY_LOCAL_MACHINE, kKey, "", "C:\\Old\\Lumvex.exe"));
    ASSERT_TRUE(regstate::SetString(HKEY_LOCAL_MACHINE, kKey, "Path", "C:\\Old"));
    RegisterAppPath();
    std::string folder = OwnFolder();
    EXPECT_EQ(folder + "\\Lumvex.exe", regstate::Value(HKEY_LOCAL_MACHINE, kKey, ""));
    EXPECT_EQ(folder.size() == 2 ? folder + "\\" : folder, regstate::Value(HKEY_LOCAL_MACHINE, kKey, "Path"));
}

}  // namespace
