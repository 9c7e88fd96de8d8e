// The command-line switches: one table of command lines and what they give.
#include "entry/switch_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Records the wait (W) and warning (M) switches in the order they are handled.
void Record(SwitchAction action, void* context) {
    *static_cast<std::string*>(context) += action == SwitchAction::Wait ? 'W' : 'M';
}

const char* JobName(Job job) {
    switch (job) {
    case Job::None: return "nothing";
    case Job::Setup: return "setup";
    case Job::Uninstall: return "uninstall";
    }
    return "?";
}

struct SwitchCase {
    const char* line;
    int count;
    bool setup;
    bool silent;
    const char* actions;   // W = wait, M = manual-deletion message, in order
    Job job;
};

const SwitchCase kSwitchCases[] = {
    // No switch at all, or only S: the uninstallation.
    {"", 0, false, false, "", Job::Uninstall},
    {"   ", 0, false, false, "", Job::Uninstall},
    {"just words", 0, false, false, "", Job::Uninstall},
    {"/S", 0, false, true, "", Job::Uninstall},
    {"-s", 0, false, true, "", Job::Uninstall},
    {"/S2", 0, false, true, "", Job::Uninstall},
    {"/S,", 0, false, true, "", Job::Uninstall},
    {"words then /S", 0, false, true, "", Job::Uninstall},
    {"/S /s -S", 0, false, true, "", Job::Uninstall},
    {"/S\xD0\xB6", 0, false, true, "", Job::Uninstall},   // a double-byte character is no ASCII letter
    // Setup: a prefix, case ignored; it counts, so no uninstallation.
    {"/setup", 1, true, false, "", Job::Setup},
    {"/setup /S", 1, true, true, "", Job::Setup},
    {"/Setup", 1, true, false, "", Job::Setup},
    {"/SETUPFOO", 1, true, false, "", Job::Setup},
    {"-setup", 1, true, false, "", Job::Setup},
    {"/setu", 1, false, false, "", Job::None},
    // A letter after the S: not silent, and it counts.
    {"/silent", 1, false, false, "", Job::None},
    {"/Sx", 1, false, false, "", Job::None},
    // Anything else counts and does nothing.
    {"-x", 1, false, false, "", Job::None},
    {"-", 1, false, false, "", Job::None},
    {"/", 1, false, false, "", Job::None},
    {"/s- ", 1, false, true, "", Job::None},    // silent, then "-" starts an empty switch
    {"/S-", 1, false, true, "", Job::None},
    {"a-b", 1, false, false, "", Job::None},    // inside a word too
    {"C:/S", 0, false, true, "", Job::Uninstall},
    // A switch text holding "/" or "-" yields a further switch there.
    {"/x/S", 1, false, true, "", Job::None},
    {"/setup-s", 1, true, true, "", Job::Setup},
    // wait and warning happen at once, in command-line order.
    {"/wait", 1, false, false, "W", Job::None},
    {"/WAIT", 1, false, false, "W", Job::None},
    {"/waiting", 1, false, false, "W", Job::None},
    {"/wai", 1, false, false, "", Job::None},
    {"/warning", 1, false, false, "M", Job::None},
    {"-WARNINGS", 1, false, false, "M", Job::None},
    {"/warn", 1, false, false, "", Job::None},
    {"/wait /warning", 2, false, false, "WM", Job::None},
    {"/warning /wait", 2, false, false, "MW", Job::None},
    {"/warning/wait/S", 2, false, true, "MW", Job::None},
    {"/wait /S", 1, false, true, "W", Job::None},
};

TEST(SwitchScan, Table) {
    for (const SwitchCase& c : kSwitchCases) {
        std::string actions;
        SwitchScan scan = ScanSwitches(c.line, Record, &actions);
        SCOPED_TRACE(std::string("command line '") + c.line + "'");
        EXPECT_EQ(c.count, scan.operationCount);
        EXPECT_EQ(c.setup, scan.setup);
        EXPECT_EQ(c.silent, scan.silent);
        EXPECT_EQ(c.actions, actions);
        EXPECT_STREQ(JobName(c.job), JobName(JobAfterScan(scan)));
    }
}

TEST(SwitchScan, NoHandlerStillCounts) {
    SwitchScan scan = ScanSwitches("/wait /warning /S", nullptr, nullptr);
    EXPECT_EQ(2, scan.operationCount);
    EXPECT_TRUE(scan.silent);
}

}  // namespace
