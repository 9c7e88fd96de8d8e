// The stand-in Lumvex.exe records each start, command line and all.
#include <gtest/gtest.h>

#include <string>

#include "entry/expected_texts.h"
#include "entry/program_run.h"

namespace {

TEST(LumvexStandIn, RecordsEveryStart) {
    ScratchFolder folder("lvx standin");
    ASSERT_TRUE(folder.Ok());
    const std::string program = folder.Path() + "Lumvex.exe";
    ASSERT_TRUE(CopyFileA((BinFolder() + "Lumvex.exe").c_str(), program.c_str(), FALSE));
    const char* arguments[] = {"", "\"C:\\archives\\a b.lvx\""};
    std::string want;
    for (const char* a : arguments) {
        ProgramRun run = RunProgram(program, a, folder.Path());
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_TRUE(run.boxes.empty() && run.otherWindows.empty()) << "the stand-in showed a window";
        want += "\"" + program + "\"" + (*a ? std::string(" ") + a : "") + "\r\n";
    }
    std::string got = ReadWholeFile(folder.Path() + "Lumvex.started.txt");
    EXPECT_EQ(want, got) << Bytes(got);
}

}  // namespace
