// Taking archive extensions over and giving them back, in a sandboxed
// registry: the backups written, the state after the take-over and the state
// after the give-back, for the previous states an extension can be in; the
// LVX volume extensions; the New-menu entries by Windows version.
#include "integration/associations.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "foundation/registry_sandbox.h"
#include "integration/registry_state.h"
#include "integration/windows_version.h"

namespace {

using regstate::Dump;
using regstate::Lines;
using winver::NewMenuForm;

const char kLvxBytes[] = "4C 76 78 21 1A 07 00 CF 90 73 00 00 0D 00 00 00 00 00 00 00";
const char kZipBytes[] = "50 4B 05 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00";

std::string BackupKey(const std::string& extension) { return "Software\\Lumvex\\Setup\\" + extension; }

// One registry write of a fixture: "dword:N" texts are written as REG_DWORD,
// a null name makes the key only.
struct Write {
    HKEY root;
    const char* path;
    const char* name;
    const char* text;
};

void Apply(const std::vector<Write>& writes) {
    for (const Write& w : writes) {
        std::string text = w.text ? w.text : "";
        bool ok = w.name == nullptr ? regstate::MakeKey(w.root, w.path)
                  : text.compare(0, 6, "dword:") == 0
                      ? regstate::SetDword(w.root, w.path, w.name, std::stoul(text.substr(6)))
                      : regstate::SetString(w.root, w.path, w.name, text);
        ASSERT_TRUE(ok) << "fixture write " << w.path << " " << (w.name ? w.name : "");
    }
}

std::string ReadFileBytes(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return "<no file>";
    unsigned char data[256];
    size_t n = fread(data, 1, sizeof data, f);
    fclose(f);
    return regstate::Hex(data, static_cast<DWORD>(n));
}

class Associations : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(NewMenuForm::Unknown, winver::Form()) << "unknown system " << winver::Describe();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "lumvex-assoc-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetTemplateFolder(folder_.c_str());
    }
    void TearDown() override {
        SetTemplateFolder(nullptr);
        DeleteFileA((folder_ + "\\lvxnew.dat").c_str());
        DeleteFileA((folder_ + "\\zipnew.dat").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // The New-menu entry the running system gets, as Dump lines below E.
    std::string NewEntry(bool lvx, const std::string& prefix = "ShellNew\\") const {
        if (winver::Form() == NewMenuForm::Data) return prefix + "Data=hex:" + (lvx ? kLvxBytes : kZipBytes);
        return prefix + "FileName=" + folder_ + (lvx ? "\\lvxnew.dat" : "\\zipnew.dat");
    }
    // What a give-back leaves of that entry: "Data" stays, "FileName" goes.
    std::string KeptEntry(bool lvx) const {
        return winver::Form() == NewMenuForm::Data ? NewEntry(lvx) : "";
    }
    std::string Expand(std::string text) const {
        for (auto [mark, value] : {std::pair<std::string, std::string>{"{NEWLVX}", NewEntry(true)},
                                   {"{NEWZIP}", NewEntry(false)},
                                   {"{KEPTLVX}", KeptEntry(true)},
                                   {"{KEPTZIP}", KeptEntry(false)}}) {
            for (size_t at; (at = text.find(mark)) != std::string::npos;) text.replace(at, mark.size(), value);
        }
        return Lines(text);
    }

    std::string folder_;
};

TEST_F(Associations, TakeOverAndGiveBackOverThePreviousStatesOfAnExtension) {
    const HKEY CR = HKEY_CLASSES_ROOT, CU = HKEY_CURRENT_USER;
    struct Case {
        const char* name;
        const char* extension;
        bool lvx, zip, shell;
        std::vector<Write> before;   // the extension's previous state
        int takeOvers;               // setup runs with the type chosen
        std::vector<Write> between;  // what another program does after setup
        const char* backup;          // Setup\E after the take-overs
        const char* taken;           // E after the take-overs
        const char* givenBack;       // E after the give-back
    };
    const std::vector<Case> cases = {
        {"no key at all", ".cab", false, false, true, {}, 1, {},
         "Exist=dword:0|Type=|Content=|ShellNew=", "@=Lumvex", "<no key>"},
        {"owned by another class with a content type and a New-menu file", ".zip", false, true, true,
         {{CR, ".zip", "", "OtherZip"},
          {CR, ".zip", "Content Type", "application/x-zip-compressed"},
          {CR, ".zip\\ShellNew", "FileName", "C:\\Templates\\other.zip"}},
         1, {},
         "Exist=dword:1|Type=OtherZip|Content=application/x-zip-compressed|ShellNew=C:\\Templates\\other.zip",
         "@=Lumvex.ZIP|{NEWZIP}",
         "@=OtherZip|Content Type=application/x-zip-compressed|ShellNew\\FileName=C:\\Templates\\other.zip|{KEPTZIP}"},
        {"New-menu entry with only NullFile", ".lvx", true, false, true,
         {{CR, ".lvx", "", "OldLvx"}, {CR, ".lvx\\ShellNew", "NullFile", ""}},
         1, {},
         "Exist=dword:1|Type=OldLvx|Content=|ShellNew=*", "@=Lumvex|{NEWLVX}",
         "@=OldLvx|ShellNew\\NullFile=|{KEPTLVX}"},
        {"second setup with the type still chosen", ".gz", false, false, true,
         {{CR, ".gz", "", "GzOwner"}, {CR, ".gz", "Content Type", "application/gzip"}},
         2, {},
         "Exist=dword:1|Type=GzOwner|Content=application/gzip|ShellNew=", "@=Lumvex",
         "@=GzOwner|Content Type=application/gzip"},
        {"second setup of the ZIP type keeps the first owner", ".zip", false, true, true,
         {{CR, ".zip", "", "OtherZip"}, {CR, ".zip\\ShellNew", "NullFile", ""}},
         2, {},
         "Exist=dword:1|Type=OtherZip|Content=|ShellNew=*", "@=Lumvex.ZIP|{NEWZIP}",
         "@=OtherZip|ShellNew\\NullFile=|{KEPTZIP}"},
        {"given back with no backup at all", ".tar", false, false, true,
         {{CR, ".tar", "", "Lumvex"},
          {CR, ".tar", "Content Type", "application/x-tar"},
          {CR, ".tar\\ShellNew", "FileName", "C:\\t.tar"},
          {CR, ".tar\\ShellNew", "NullFile", ""}},
         0, {},
         "<no key>", "@=Lumvex|Content Type=application/x-tar|ShellNew\\FileName=C:\\t.tar|ShellNew\\NullFile=",
         "@=|ShellNew\\NullFile="},
        {"backup naming the archiver's own class", ".iso", false, false, true,
         {{CR, ".iso", "", "Lumvex.ZIP"},
          {CU, "Software\\Lumvex\\Setup\\.iso", "Exist", "dword:1"},
          {CU, "Software\\Lumvex\\Setup\\.iso", "Type", "LUMVEX"},
          {CU, "Software\\Lumvex\\Setup\\.iso", "Content", "application/x-iso9660-image"}},
         0, {},
         "Exist=dword:1|Type=LUMVEX|Content=application/x-iso9660-image", "@=Lumvex.ZIP",
         "@=|Content Type=application/x-iso9660-image"},
        {"taken by another program in between", ".ace", false, false, true,
         {{CR, ".ace", "", "AceOwner"}},
         1, {{CR, ".ace", "", "Thief"}, {CR, ".ace", "Content Type", "application/thief"}},
         "Exist=dword:1|Type=AceOwner|Content=|ShellNew=", "@=Lumvex",
         "@=Thief|Content Type=application/thief"},
        {"key existed without a class", ".arj", false, false, true,
         {{CR, ".arj", "Content Type", "application/arj"}},
         1, {},
         "Exist=dword:1|Type=|Content=application/arj|ShellNew=", "@=Lumvex",
         "@=|Content Type=application/arj"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " (" + c.extension + ", " + winver::Describe() + ")");
        RegistrySandbox sandbox;
        ASSERT_TRUE(sandbox.ok());
        Apply(c.before);
        for (int i = 0; i < c.takeOvers; ++i) SetExtensionAssociation(c.extension, true, c.shell, c.zip, c.lvx);
        EXPECT_EQ(Lines(c.backup), Dump(HKEY_CURRENT_USER, BackupKey(c.extension))) << "backup";
        EXPECT_EQ(Expand(c.taken), Dump(HKEY_CLASSES_ROOT, c.extension)) << "after the take-over";
        Apply(c.between);
        SetExtensionAssociation(c.extension, false, c.shell, c.zip, c.lvx);
        EXPECT_EQ(Expand(c.givenBack), Dump(HKEY_CLASSES_ROOT, c.extension)) << "after the give-back";
        EXPECT_EQ(Lines(c.backup), Dump(HKEY_CURRENT_USER, BackupKey(c.extension)))
            << "the give-back leaves the backup in place";
    }
}

TEST_F(Associations, AssociateArchiveTypesTreatsEveryExtensionOfEachType) {
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.ok());
    Apply({{HKEY_CLASSES_ROOT, ".tbz", "", "OtherBz"}, {HKEY_CLASSES_ROOT, ".lha", "", "OtherLha"}});
    IntegrationSettings settings = {};
    settings.flags[10] = 1;   // BZ2
    settings.flags[1] = 1;    // ZIP
    AssociateArchiveTypes(settings);
    std::string got;
    for (const char* e : {".bz2", ".tbz2", ".bz", ".tbz", ".zip", ".lzh", ".lha", ".lvx", ".r00"})
        got += std::string(e) + "=" + regstate::Value(HKEY_CLASSES_ROOT, e, "") + " ";
    EXPECT_EQ(".bz2=Lumvex .tbz2=Lumvex .bz=Lumvex .tbz=Lumvex .zip=Lumvex.ZIP .lzh=<none> "
              ".lha=OtherLha .lvx=<none> .r00=<none> ",
              got);
    EXPECT_EQ("OtherBz", regstate::Value(HKEY_CURRENT_USER, BackupKey(".tbz"), "Type"));

    // Every flag clear gives every extension back.
    IntegrationSettings none = {};
    AssociateArchiveTypes(none);
    got.clear();
    for (const char* e : {".bz2", ".tbz2", ".bz", ".tbz", ".zip", ".lha"})
        got += std::string(e) + "=" + regstate::Value(HKEY_CLASSES_ROOT, e, "") + " ";
    EXPECT_EQ(".bz2=<none> .tbz2=<none> .bz=<none> .tbz=OtherBz .zip=<none> .lha=OtherLha ", got);
}

// Runs of equal values over .r00 to .r99: ".r00-.r29=Lumvex; .r30-.r99=<none>".
std::string VolumeSummary(const char* valueName) {
    std::string text, last;
    int start = 0;
    for (int k = 0; k <= 100; ++k) {
        char volume[8];
        snprintf(volume, sizeof volume, ".r%02d", k);
        std::string value = k < 100 ? (regstate::Exists(HKEY_CLASSES_ROOT, volume)
                                           ? regstate::Value(HKEY_CLASSES_ROOT, volume, valueName)
                                           : "<no key>")
                                    : "";
        if (k > 0 && (k == 100 || value != last)) {
            char range[32];
            if (start == k - 1)
                snprintf(range, sizeof range, ".r%02d", start);
            else
                snprintf(range, sizeof range, ".r%02d-.r%02d", start, k - 1);
            text += std::string(text.empty() ? "" : "; ") + range + "=" + last;
            start = k;
        }
        last = value;
    }
    return text;
}

TEST_F(Associations, LvxVolumeExtensionsFollowTheLvxType) {
    const bool nt = winver::IsNtFamily();
    const std::string taken = nt ? ".r00-.r29=Lumvex; .r30-.r99=<no key>" : ".r00-.r99=Lumvex";
    struct Case {
        const char* name;
        std::vector<Write> before;
        const char* classes;    // default values after the give-back
        const char* contents;   // "Content Type" after the give-back
    } cases[] = {
        {"previous class with a content type",
         {{HKEY_CLASSES_ROOT, ".lvx", "", "OldArc"}, {HKEY_CLASSES_ROOT, ".lvx", "Content Type", "application/x-old"}},
         ".r00-.r39=OldArc; .r40=Thief; .r41-.r99=OldArc",
         ".r00-.r39=application/x-old; .r40=<none>; .r41-.r99=application/x-old"},
        {"previous key without a class",
         {{HKEY_CLASSES_ROOT, ".lvx", "Content Type", "application/x-old"}},
         ".r00-.r39=<no key>; .r40=Thief; .r41-.r99=<no key>",
         ".r00-.r39=<no key>; .r40=<none>; .r41-.r99=<no key>"},
        {"no previous key", {},
         ".r00-.r39=<no key>; .r40=Thief; .r41-.r99=<no key>",
         ".r00-.r39=<no key>; .r40=<none>; .r41-.r99=<no key>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ", " + winver::Describe());
        RegistrySandbox sandbox;
        ASSERT_TRUE(sandbox.ok());
        Apply(c.before);
        // A volume that had a content type of its own loses it at the take-over.
        Apply({{HKEY_CLASSES_ROOT, ".r05", "Content Type", "application/x-r05"}});
        SetExtensionAssociation(".lvx", true, false, false, true);
        EXPECT_EQ(taken, VolumeSummary("")) << "after the take-over";
        EXPECT_EQ(nt ? ".r00-.r29=<none>; .r30-.r99=<no key>" : ".r00-.r99=<none>", VolumeSummary("Content Type"));
        // Another program takes one volume extension in the meantime: it keeps it.
        Apply({{HKEY_CLASSES_ROOT, ".r40", "", "Thief"}});
        SetExtensionAssociation(".lvx", false, false, false, true);
        EXPECT_EQ(c.classes, VolumeSummary("")) << "after the give-back";
        EXPECT_EQ(c.contents, VolumeSummary("Content Type")) << "after the give-back";
    }
}

TEST_F(Associations, NewMenuEntryReplacesThePreviousOneByWindowsVersion) {
    const bool file = winver::Form() == NewMenuForm::File;
    for (bool lvx : {true, false}) {
        const std::string e = lvx ? ".lvx" : ".zip";
        SCOPED_TRACE(e + ", " + winver::Describe());
        RegistrySandbox sandbox;
        ASSERT_TRUE(sandbox.ok());
        Apply({{HKEY_CLASSES_ROOT, (e + "\\ShellNew").c_str(), "FileName", "C:\\old.dat"},
               {HKEY_CLASSES_ROOT, (e + "\\ShellNew").c_str(), "Command", "old.exe"},
               {HKEY_CLASSES_ROOT, (e + "\\ShellNew").c_str(), "NullFile", ""}});
        std::string templateFile = folder_ + (lvx ? "\\lvxnew.dat" : "\\zipnew.dat");
        DeleteFileA(templateFile.c_str());
        SetExtensionAssociation(e.c_str(), true, true, !lvx, lvx);
        EXPECT_EQ(Lines(NewEntry(lvx, "")), Dump(HKEY_CLASSES_ROOT, e + "\\ShellNew"));
        if (file)
            EXPECT_EQ(lvx ? kLvxBytes : kZipBytes, ReadFileBytes(templateFile));
        else
            EXPECT_EQ("<no file>", ReadFileBytes(templateFile)) << "no template file where Data is used";
    }
}

TEST_F(Associations, ExistingTemplateFileIsNotRewritten) {
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.ok());
    std::string templateFile = folder_ + "\\zipnew.dat";
    FILE* f = fopen(templateFile.c_str(), "wb");
    ASSERT_NE(nullptr, f);
    fputs("mine", f);
    fclose(f);
    SetExtensionAssociation(".zip", true, true, true, false);
    EXPECT_EQ("6D 69 6E 65", ReadFileBytes(templateFile));
    EXPECT_EQ(Lines(NewEntry(false, "")), Dump(HKEY_CLASSES_ROOT, ".zip\\ShellNew"));
}

TEST_F(Associations, TemplateFileThatCannotBeCreatedIsStillNamed) {
    if (winver::Form() != NewMenuForm::File) {
        // Where Data is used no file is involved: the missing folder changes nothing.
        RegistrySandbox sandbox;
        ASSERT_TRUE(sandbox.ok());
        SetTemplateFolder((folder_ + "\\missing").c_str());
        SetExtensionAssociation(".lvx", true, true, false, true);
        EXPECT_EQ(Lines(std::string("Data=hex:") + kLvxBytes), Dump(HKEY_CLASSES_ROOT, ".lvx\\ShellNew"));
        return;
    }
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.ok());
    std::string missing = folder_ + "\\missing";
    SetTemplateFolder(missing.c_str());
    SetExtensionAssociation(".lvx", true, true, false, true);
    EXPECT_EQ(missing + "\\lvxnew.dat", regstate::Value(HKEY_CLASSES_ROOT, ".lvx\\ShellNew", "FileName"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((missing + "\\lvxnew.dat").c_str()));
}

TEST_F(Associations, TemplateFileLiesBesideTheProgramByDefault) {
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.ok());
    SetTemplateFolder(nullptr);
    SetExtensionAssociation(".zip", true, true, true, false);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string expected = self;
    expected = expected.substr(0, expected.find_last_of('\\')) + "\\zipnew.dat";
    if (winver::Form() == NewMenuForm::File) {
        EXPECT_EQ(expected, regstate::Value(HKEY_CLASSES_ROOT, ".zip\\ShellNew", "FileName"));
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(expected.c_str())) << expected;
    } else {
        EXPECT_EQ("<none>", regstate::Value(HKEY_CLASSES_ROOT, ".zip\\ShellNew", "FileName"));
        EXPECT_EQ(std::string("hex:") + kZipBytes, regstate::Value(HKEY_CLASSES_ROOT, ".zip\\ShellNew", "Data"));
    }
}

TEST_F(Associations, ShellIntegrationOffLeavesTheNewMenuAloneAtTakeOver) {
    RegistrySandbox sandbox;
    ASSERT_TRUE(sandbox.ok());
    Apply({{HKEY_CLASSES_ROOT, ".zip", "", "OtherZip"},
           {HKEY_CLASSES_ROOT, ".zip\\ShellNew", "FileName", "C:\\old.zip"},
           {HKEY_CLASSES_ROOT, ".zip\\ShellNew", "Command", "old.exe"}});
    SetExtensionAssociation(".zip", true, false, true, false);
    EXPECT_EQ(Lines("@=Lumvex.ZIP|ShellNew\\FileName=C:\\old.zip|ShellNew\\Command=old.exe"),
              Dump(HKEY_CLASSES_ROOT, ".zip"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder_ + "\\zipnew.dat").c_str()));
    // The give-back still deletes "FileName" and writes the backed-up entry.
    SetExtensionAssociation(".zip", false, false, true, false);
    EXPECT_EQ(Lines("@=OtherZip|ShellNew\\FileName=C:\\old.zip|ShellNew\\Command=old.exe"),
              Dump(HKEY_CLASSES_ROOT, ".zip"));
}

}  // namespace
