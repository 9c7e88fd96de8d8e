// uninstall.exe end to end under Wine: each scenario is a scratch
// installation of its own, the real program runs as a user or the installer
// would run it, a watcher reads and answers its message boxes, and the test
// then looks at the files, the pending deletions, wininit.ini and the script.
// Run in a prefix of its own (pending deletions and the drive X: change it).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "entry/expected_texts.h"
#include "entry/messages.h"
#include "uninstall/e2e_support.h"
#include "uninstall/removal_script.h"

using namespace e2e;

namespace {

std::string Join(const std::vector<std::string>& list) {
    std::string out;
    for (const std::string& s : list) out += "  " + s + "\n";
    return out;
}

std::string Describe(const RunResult& run) {
    std::string out = "started " + std::to_string(run.started) + ", ended " + std::to_string(run.ended) +
                      ", exit code " + std::to_string(run.exitCode) + ", boxes:";
    for (const Box& box : run.boxes) out += " [" + Bytes(box.caption) + ": " + Bytes(box.text) + "]";
    return out;
}

std::string Formatted(int number, const char* argument) {
    char text[512];
    wsprintfA(text, Expected(number).c_str(), argument);
    return text;
}

std::string ExpectedScript(bool nt, const std::string& program, const std::string& folder,
                           const std::string& script) {
    static char text[kRemovalScriptSize];
    size_t n = BuildRemovalScript(text, sizeof(text), nt, program.c_str(), folder.c_str(), script.c_str());
    return std::string(text, n);
}

void ExpectOnlyBox(const RunResult& run, int number) {
    ASSERT_EQ(1u, run.boxes.size()) << Describe(run);
    EXPECT_EQ(Bytes(Expected(MSG_UNINSTALL_CAPTION)), Bytes(run.boxes[0].caption));
    EXPECT_EQ(Bytes(Expected(number)), Bytes(run.boxes[0].text));
}

}  // namespace

// A tree of three levels listed parent-first, with every kind of line the
// installer may write, answered Yes at the confirmation question.
TEST(UninstallEndToEnd, ListedTreeGoesAndTheUserFileStays) {
    Scenario s("tree");
    const char* dirs[] = {"Docs", "Docs\\Guide", "Docs\\Guide\\Deep"};
    for (const char* d : dirs) ASSERT_TRUE(MakeDirs(s.Path(d)));
    const char* files[] = {"Lumvex.exe", "Docs\\a.txt", "Docs\\hidden.txt", "Docs\\Guide\\b.txt",
                           "Docs\\Guide\\Deep\\c.txt", "Docs\\Guide\\Deep\\readonly.txt",
                           "Docs\\Guide\\mine.txt", "lumvex.gid", "lumvex.fts"};
    for (const char* f : files) ASSERT_TRUE(WriteBytes(s.Path(f), f));
    ASSERT_TRUE(SetFileAttributesA(s.Path("Docs\\Guide\\Deep\\readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesA(s.Path("Docs\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(s.Path("lumvex.gid").c_str(), FILE_ATTRIBUTE_READONLY));
    DWORD readOnly = GetFileAttributesA(s.Path("Docs\\Guide\\Deep\\readonly.txt").c_str());
    ASSERT_TRUE(readOnly != INVALID_FILE_ATTRIBUTES && (readOnly & FILE_ATTRIBUTE_READONLY))
        << "the fixture must really be read-only, attributes " << readOnly;
    DWORD hidden = GetFileAttributesA(s.Path("Docs\\hidden.txt").c_str());
    ASSERT_TRUE(hidden != INVALID_FILE_ATTRIBUTES && (hidden & FILE_ATTRIBUTE_HIDDEN))
        << "the fixture must really be hidden, attributes " << hidden;
    // The deleting process must not be able to delete a read-only file
    // without clearing it first.
    ASSERT_FALSE(DeleteFileA(s.Path("Docs\\Guide\\Deep\\readonly.txt").c_str()));

    s.WriteList("Docs\r\n"
                "Docs\\Guide\n"
                "Docs\\Guide\\Deep  \t\r\n"
                "Docs\\a.txt\t\n"
                "Docs\\hidden.txt\r\n"
                "Docs\\Guide\\b.txt \r\n"
                "Docs\\Guide\\Deep\\c.txt\n"
                "Docs\\Guide\\Deep\\readonly.txt\r\n"
                "\r\n"
                " \t\n"
                "missing.txt\r\n"
                "Missing\\Folder\\x.txt\n"
                "Lumvex.exe\r\n"
                "uninstall.exe\r\n"
                "Uninstall.lst");

    RunResult run = s.Run("", IDYES);
    ASSERT_TRUE(run.ended) << Describe(run);
    EXPECT_EQ(0u, run.exitCode);
    ExpectOnlyBox(run, MSG_CONFIRM_UNINSTALL);

    const char* gone[] = {"Lumvex.exe", "Docs\\a.txt", "Docs\\hidden.txt", "Docs\\Guide\\b.txt",
                          "Docs\\Guide\\Deep\\c.txt", "Docs\\Guide\\Deep\\readonly.txt",
                          "Docs\\Guide\\Deep", "lumvex.gid", "lumvex.fts", "Uninstall.lst"};
    for (const char* g : gone) EXPECT_FALSE(Exists(s.Path(g))) << g << " must be gone";
    const char* stay[] = {"Docs", "Docs\\Guide", "Docs\\Guide\\mine.txt", "uninstall.exe"};
    for (const char* k : stay) EXPECT_TRUE(Exists(s.Path(k))) << k << " must stay";
    EXPECT_EQ("Docs\\Guide\\mine.txt", ReadBytes(s.Path("Docs\\Guide\\mine.txt")));

    // The program and the list are left to the script: never scheduled.
    std::vector<std::string> pending = PendingDeletions();
    for (const std::string& p : pending) {
        EXPECT_EQ(std::string::npos, p.find(s.Base())) << "scheduled: " << p;
    }
    // The script handed over is exactly the script for these paths, and the
    // interpreter runs in the parent of the installation folder.
    EXPECT_EQ(Bytes(ExpectedScript(true, s.Program(), s.Install(), s.ScriptPath())), Bytes(s.RecordedScript()));
    std::string record = s.Record();
    EXPECT_EQ(s.Base(), record.substr(record.find('\n') + 1)) << record;
    EXPECT_NE(std::string::npos, record.find("/c \"" + s.ScriptPath() + "\"")) << record;
}

TEST(UninstallEndToEnd, FileHeldOpenIsScheduledUnderItsOwnNameWithTheRestartMessage) {
    Scenario s("held open");
    ASSERT_TRUE(WriteBytes(s.Path("locked.dat"), "locked"));
    ASSERT_TRUE(WriteBytes(s.Path("other.txt"), "other"));
    s.WriteList("locked.dat\r\nother.txt\r\n");
    Holder holder("open", s.Path("locked.dat"), s.Base());
    ASSERT_TRUE(holder.Holding());
    ASSERT_FALSE(DeleteFileA(s.Path("locked.dat").c_str())) << "the helper must hold the file";

    RunResult run = s.Run("/S");
    holder.Stop();
    ASSERT_TRUE(run.ended) << Describe(run);
    ExpectOnlyBox(run, MSG_RESTART_NEEDED);   // shown even when silent
    EXPECT_TRUE(Exists(s.Path("locked.dat")));
    EXPECT_FALSE(Exists(s.Path("locked.dat.0.tmp")));
    EXPECT_FALSE(Exists(s.Path("other.txt")));
    std::vector<std::string> pending = PendingDeletions();
    EXPECT_TRUE(Contains(pending, s.Path("locked.dat"))) << "pending:\n" << Join(pending);
}

TEST(UninstallEndToEnd, LoadedLibraryIsRenamedAndScheduledWithoutAMessage) {
    Scenario s("loaded library");
    ASSERT_TRUE(CopyFileA((BinDir() + "\\held_library.dll").c_str(), s.Path("held.dll").c_str(), FALSE));
    s.WriteList("held.dll\r\n");
    Holder holder("load", s.Path("held.dll"), s.Base());
    ASSERT_TRUE(holder.Holding());

    RunResult run = s.Run("/S");
    ASSERT_TRUE(run.ended) << Describe(run);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run);
    EXPECT_FALSE(Exists(s.Path("held.dll")));
    EXPECT_TRUE(Exists(s.Path("held.dll.0.tmp")));
    std::vector<std::string> pending = PendingDeletions();
    EXPECT_TRUE(Contains(pending, s.Path("held.dll.0.tmp"))) << "pending:\n" << Join(pending);
    EXPECT_FALSE(Contains(pending, s.Path("held.dll"))) << "pending:\n" << Join(pending);
    holder.Stop();
}

TEST(UninstallEndToEnd, AllThousandTemporaryNamesTaken) {
    Scenario s("names taken");
    ASSERT_TRUE(CopyFileA((BinDir() + "\\held_library.dll").c_str(), s.Path("held.dll").c_str(), FALSE));
    for (int i = 0; i < 1000; ++i) {
        std::string n = std::to_string(i);
        ASSERT_TRUE(WriteBytes(s.Path("held.dll." + n + ".tmp"), n));
    }
    s.WriteList("held.dll\r\n");
    Holder holder("load", s.Path("held.dll"), s.Base());
    ASSERT_TRUE(holder.Holding());

    RunResult run = s.Run("/S");
    holder.Stop();
    ASSERT_TRUE(run.ended) << Describe(run);
    ExpectOnlyBox(run, MSG_RESTART_NEEDED);
    EXPECT_TRUE(Exists(s.Path("held.dll")));
    for (int i : {0, 1, 500, 998, 999}) {
        std::string n = std::to_string(i);
        EXPECT_EQ(n, ReadBytes(s.Path("held.dll." + n + ".tmp"))) << "temporary name " << n << " was touched";
    }
    std::vector<std::string> pending = PendingDeletions();
    EXPECT_TRUE(Contains(pending, s.Path("held.dll"))) << "pending:\n" << Join(pending);
    EXPECT_FALSE(Contains(pending, s.Path("held.dll.999.tmp"))) << "pending:\n" << Join(pending);
}

TEST(UninstallEndToEnd, NoListShowsTheErrorAndChangesNothing) {
    Scenario s("no list");
    ASSERT_TRUE(WriteBytes(s.Path("Lumvex.exe"), "x"));
    ASSERT_TRUE(WriteBytes(s.Path("lumvex.gid"), "x"));
    RunResult run = s.Run("/S");
    ASSERT_TRUE(run.ended) << Describe(run);
    ASSERT_EQ(1u, run.boxes.size()) << Describe(run);
    EXPECT_EQ(Bytes(Expected(MSG_UNINSTALL_CAPTION)), Bytes(run.boxes[0].caption));
    EXPECT_EQ(Bytes(Formatted(MSG_CANNOT_OPEN_LIST, "Uninstall.lst")), Bytes(run.boxes[0].text));
    EXPECT_NE(std::string::npos, run.boxes[0].text.find("Uninstall.lst")) << Bytes(run.boxes[0].text);
    for (const char* k : {"Lumvex.exe", "lumvex.gid", "uninstall.exe"}) EXPECT_TRUE(Exists(s.Path(k))) << k;
    EXPECT_FALSE(Exists(s.ScriptPath())) << "no script may be written";
}

TEST(UninstallEndToEnd, ConfirmationAnsweredNoChangesNothing) {
    Scenario s("answered no");
    ASSERT_TRUE(WriteBytes(s.Path("Lumvex.exe"), "x"));
    ASSERT_TRUE(WriteBytes(s.Path("lumvex.fts"), "x"));
    s.WriteList("Lumvex.exe\r\n");
    RunResult run = s.Run("", IDNO);
    ASSERT_TRUE(run.ended) << Describe(run);
    ExpectOnlyBox(run, MSG_CONFIRM_UNINSTALL);
    for (const char* k : {"Lumvex.exe", "lumvex.fts", "uninstall.exe", "Uninstall.lst"}) {
        EXPECT_TRUE(Exists(s.Path(k))) << k;
    }
    EXPECT_FALSE(Exists(s.ScriptPath())) << "no script may be written";
}

// The real script, run by the system's interpreter, in a folder whose name
// holds blanks and '%': without the doubling, "%LUMVEX_DECOY%" would name
// the decoy folder beside it.
TEST(UninstallEndToEnd, RealScriptRemovesProgramFolderAndItself) {
    Scenario s("real run", "Lumvex %LUMVEX_DECOY% 100%");
    SetEnvironmentVariableA("LUMVEX_DECOY", "decoy");
    std::string decoy = s.Base() + "\\Lumvex decoy 100";
    ASSERT_TRUE(MakeDirs(decoy));
    ASSERT_TRUE(CopyFileA(s.Program().c_str(), (decoy + "\\uninstall.exe").c_str(), FALSE));
    ASSERT_TRUE(MakeDirs(s.Path("Sub")));
    ASSERT_TRUE(WriteBytes(s.Path("Sub\\a.txt"), "a"));
    ASSERT_TRUE(WriteBytes(s.Path("Lumvex.exe"), "x"));
    s.WriteList("Sub\r\nSub\\a.txt\r\nLumvex.exe\r\nuninstall.exe\r\nUninstall.lst\r\n");

    RunResult run = s.Run("/S", IDYES, SystemInterpreter());
    ASSERT_TRUE(run.ended) << Describe(run);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run);
    EXPECT_TRUE(WaitUntilGone(s.Install(), 30000)) << "the installation folder must go";
    EXPECT_TRUE(WaitUntilGone(s.ScriptPath(), 10000)) << "the script must delete itself";
    EXPECT_TRUE(Exists(decoy + "\\uninstall.exe")) << "the decoy folder was touched";
    SetEnvironmentVariableA("LUMVEX_DECOY", nullptr);
}

// The 9x family: every scheduled deletion becomes a NUL= line of its own in
// wininit.ini, the other lines stay, and the script starts with start /wait.
TEST(UninstallEndToEnd, NinetyEightModeKeepsEveryDeletionInWininit) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\uninstall.exe", 0,
                                             nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win98"), 6);
    RegCloseKey(key);
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof(windows));
    std::string ini = std::string(windows) + "\\wininit.ini";
    std::string saved = ReadBytes(ini);
    bool hadIni = Exists(ini);
    const std::string before = "[Other]\r\nkeep=1\r\n[Rename]\r\nNUL=C:\\OLD.TMP\r\n\r\n[Last]\r\nx=y\r\n";
    ASSERT_TRUE(WriteBytes(ini, before));

    {
        Scenario s("ninety eight");
        ASSERT_TRUE(CopyFileA((BinDir() + "\\held_library.dll").c_str(), s.Path("held.dll").c_str(), FALSE));
        ASSERT_TRUE(WriteBytes(s.Path("locked.dat"), "locked"));
        ASSERT_TRUE(WriteBytes(s.Path("gone.txt"), "x"));
        s.WriteList("held.dll\r\nlocked.dat\r\ngone.txt\r\n");
        std::string scratch1 = s.Base() + "\\h1", scratch2 = s.Base() + "\\h2";
        MakeDirs(scratch1);
        MakeDirs(scratch2);
        Holder library("load", s.Path("held.dll"), scratch1);
        Holder open("open", s.Path("locked.dat"), scratch2);
        ASSERT_TRUE(library.Holding() && open.Holding());

        RunResult run = s.Run("/S");
        ASSERT_TRUE(run.ended) << Describe(run);
        ExpectOnlyBox(run, MSG_RESTART_NEEDED);
        EXPECT_FALSE(Exists(s.Path("gone.txt")));
        EXPECT_TRUE(Exists(s.Path("held.dll.0.tmp")));

        char shortRenamed[MAX_PATH] = "", shortLocked[MAX_PATH] = "";
        GetShortPathNameA(s.Path("held.dll.0.tmp").c_str(), shortRenamed, sizeof(shortRenamed));
        GetShortPathNameA(s.Path("locked.dat").c_str(), shortLocked, sizeof(shortLocked));
        std::string want = "[Other]\r\nkeep=1\r\n[Rename]\r\nNUL=C:\\OLD.TMP\r\nNUL=" + std::string(shortRenamed) +
                           "\r\nNUL=" + std::string(shortLocked) + "\r\n\r\n[Last]\r\nx=y\r\n";
        EXPECT_EQ(want, ReadBytes(ini));
        std::vector<std::string> pending = PendingDeletions();
        EXPECT_FALSE(Contains(pending, s.Path("held.dll.0.tmp"))) << "the 9x family has no pending list";

        std::string script = s.RecordedScript();
        EXPECT_EQ(0u, script.find("start /wait \"" + s.Program() + "\" /wait\r\n")) << Bytes(script);
        library.Stop();
        open.Stop();
    }
    if (hadIni) WriteBytes(ini, saved); else DeleteFileA(ini.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\uninstall.exe");
}

// The program in the root of drive X: (mapped to a folder by the runner):
// entries are joined to the root directly, the script's folder removal fails
// harmlessly and the program still goes.
TEST(UninstallEndToEnd, ProgramInADriveRoot) {
    if (!Exists("X:\\")) GTEST_SKIP() << "drive X: is not mapped in this prefix";
    Scenario s("drive root");
    s.SetInstall("X:\\");
    ASSERT_TRUE(MakeDirs("X:\\sub"));
    ASSERT_TRUE(WriteBytes("X:\\sub\\b.txt", "b"));
    ASSERT_TRUE(WriteBytes("X:\\a.txt", "a"));
    ASSERT_TRUE(WriteBytes("X:\\keep.txt", "keep"));
    s.WriteList("a.txt\r\nsub\r\nsub\\b.txt\r\n");

    RunResult run = s.Run("/S");
    ASSERT_TRUE(run.ended) << Describe(run);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run);
    EXPECT_FALSE(Exists("X:\\a.txt"));
    EXPECT_FALSE(Exists("X:\\sub"));
    EXPECT_TRUE(Exists("X:\\keep.txt"));
    std::string script = s.RecordedScript();
    EXPECT_EQ(Bytes(ExpectedScript(true, "X:\\uninstall.exe", "X:\\", s.ScriptPath())), Bytes(script));

    // Now the script itself, by the system's interpreter, from the root.
    std::string command = "\"" + SystemInterpreter() + "\" /c \"" + s.ScriptPath() + "\"";
    RunResult scriptRun = RunWatched(command, IDYES);
    ASSERT_TRUE(scriptRun.ended) << Describe(scriptRun);
    EXPECT_TRUE(scriptRun.boxes.empty()) << "no manual-deletion message expected: " << Describe(scriptRun);
    EXPECT_FALSE(Exists("X:\\uninstall.exe"));
    EXPECT_FALSE(Exists(s.ScriptPath()));
    EXPECT_TRUE(Exists("X:\\keep.txt"));
    EXPECT_TRUE(Exists("X:\\"));
    DeleteFileA("X:\\keep.txt");
}

// Damaged and hostile lists: nothing outside the folder is deleted, renamed
// or scheduled, and the program runs to its end.
TEST(UninstallEndToEnd, HostileListTouchesNothingOutside) {
    Scenario s("hostile");
    std::vector<std::string> outside = {s.Base() + "\\outside.txt", s.Base() + "\\sibling\\v.txt",
                                        "C:\\lumvex-victim.txt"};
    ASSERT_TRUE(MakeDirs(s.Base() + "\\sibling"));
    for (const std::string& o : outside) ASSERT_TRUE(WriteBytes(o, "victim"));
    ASSERT_TRUE(WriteBytes(s.Path("ok.txt"), "ok"));
    ASSERT_TRUE(WriteBytes(s.Path("tail.txt"), "tail"));
    // A held victim outside: if anything tried it, it would be renamed or scheduled.
    Holder holder("open", s.Base() + "\\outside.txt", s.Base());
    ASSERT_TRUE(holder.Holding());

    std::string list =
        "..\\outside.txt\r\n"
        "../outside.txt\n"
        "...\\outside.txt\r\n"
        ".. \\outside.txt\r\n"
        "sub\\..\\..\\outside.txt\r\n"
        "..\\sibling\\v.txt\r\n"
        "..\\sibling\r\n"
        "\\lumvex-victim.txt\r\n"
        "/lumvex-victim.txt\r\n"
        "C:\\lumvex-victim.txt\r\n"
        "C:lumvex-victim.txt\r\n"
        "C:/lumvex-victim.txt\r\n"
        "\\\\?\\C:\\lumvex-victim.txt\r\n"
        "\\\\.\\C:\\lumvex-victim.txt\r\n"
        "\\\\localhost\\C$\\lumvex-victim.txt\r\n"
        "ok.txt\r\n";
    list += std::string(3000, 'a') + "\r\n";                          // a long line: pieces of 2047 bytes
    list += std::string(2047, 'b') + "..\\outside.txt\r\n";          // its second piece leaves the folder
    list += std::string(2047, 'c') + "tail.txt\r\n";                  // its second piece is an entry
    list += std::string(900, 'd') + "\\" + std::string(900, 'e') + "\r\n";   // too long to join
    std::string junk;
    unsigned seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk += static_cast<char>((seed >> 16) & 0xFF);
    }
    list += junk + "\r\n..\\outside.txt";
    s.WriteList(list);

    RunResult run = s.Run("/S");
    ASSERT_TRUE(run.ended) << Describe(run);
    EXPECT_EQ(0u, run.exitCode) << Describe(run);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run);
    for (const std::string& o : outside) EXPECT_EQ("victim", ReadBytes(o)) << o << " was touched";
    EXPECT_FALSE(Exists(s.Base() + "\\outside.txt.0.tmp"));
    EXPECT_FALSE(Exists(s.Path("ok.txt")));
    EXPECT_FALSE(Exists(s.Path("tail.txt"))) << "the piece after 2047 bytes is an entry of its own";
    EXPECT_FALSE(Exists(s.Path("Uninstall.lst")));
    std::vector<std::string> pending = PendingDeletions();
    for (const std::string& o : outside) EXPECT_FALSE(Contains(pending, o)) << o << " was scheduled";
    EXPECT_NE("<no script was started>", s.RecordedScript());
    holder.Stop();
    DeleteFileA("C:\\lumvex-victim.txt");
}

// Code page 936: the installation folder and a listed folder end in a
// character whose trail byte is 0x5C, the code of the backslash. The folder
// of the program must be found by characters, not bytes.
TEST(UninstallEndToEnd, DoubleByteFolderEndingInTrailByte0x5C) {
    if (GetACP() != 936) GTEST_SKIP() << "needs code page 936, got " << GetACP();
    const std::string trail = "\x81\x5C";   // one character, trail byte '\\'
    Scenario s("double byte", "Lumvex" + trail);
    ASSERT_TRUE(MakeDirs(s.Path(trail)));
    ASSERT_TRUE(WriteBytes(s.Path(trail + "\\a.txt"), "a"));
    ASSERT_TRUE(WriteBytes(s.Path("b.txt"), "b"));
    ASSERT_TRUE(WriteBytes(s.Path("mine.txt"), "mine"));
    s.WriteList(trail + "\r\n" + trail + "\\a.txt\r\nb.txt\r\n");

    RunResult run = s.Run("/S");
    ASSERT_TRUE(run.ended) << Describe(run);
    EXPECT_TRUE(run.boxes.empty()) << Describe(run);
    EXPECT_FALSE(Exists(s.Path(trail)));
    EXPECT_FALSE(Exists(s.Path("b.txt")));
    EXPECT_FALSE(Exists(s.Path("Uninstall.lst")));
    EXPECT_TRUE(Exists(s.Path("mine.txt")));
    EXPECT_EQ(Bytes(ExpectedScript(true, s.Program(), s.Install(), s.ScriptPath())), Bytes(s.RecordedScript()));
}
