// lngtool: the translators' tool for the program's language file.
//
//   lngtool list PROGRAM CODEPAGE
//       every text the program shows, with its key in that code page
//   lngtool template PROGRAM CODEPAGE OUTPUT [LIBRARY]
//       writes a complete template language file; with a language library
//       the entries hold the library's texts instead of the originals
//   lngtool check PROGRAM CODEPAGE FILE
//       checks a language file; exit code 1 when it found problems
//
// PROGRAM (and LIBRARY) are read as data files, never run.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "check_file.h"
#include "program_texts.h"
#include "template_file.h"

namespace {
int Usage() {
    fprintf(stderr,
            "usage: lngtool list PROGRAM CODEPAGE\n"
            "       lngtool template PROGRAM CODEPAGE OUTPUT [LIBRARY]\n"
            "       lngtool check PROGRAM CODEPAGE FILE\n");
    return 2;
}

HMODULE OpenModule(const char* path) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) fprintf(stderr, "lngtool: cannot read %s (error %lu)\n", path, GetLastError());
    return module;
}

bool ReadWholeFile(const char* path, std::string* bytes) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) bytes->append(buffer, got);
    CloseHandle(file);
    return ok;
}

bool WriteWholeFile(const char* path, const std::string& bytes) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size();
    return CloseHandle(file) && ok;
}

// The tool's own messages are UTF-8; a text in the code page is shown by its
// original characters.
void PrintWarnings(const std::vector<ProgramText>& texts, UINT codePage) {
    for (const ProgramText& t : texts) {
        if (t.lossy) {
            printf("warning: %s \"%s\" cannot be written in code page %u; the program sees \"%s\" (key %s)\n",
                   t.Where().c_str(), ToUtf8(t.wide).c_str(), codePage, t.bytes.c_str(), t.key.c_str());
        }
    }
    for (const KeyGroup& g : GroupByKey(texts)) {
        if (!g.Shared()) continue;
        printf("warning: key %s stands for %u different texts, one entry translates all of them:", g.key.c_str(),
               static_cast<unsigned>(g.texts.size()));
        for (const ProgramText* t : g.texts) printf(" %s \"%s\";", t->Where().c_str(), ToUtf8(t->wide).c_str());
        printf("\n");
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    std::string mode = argv[1];
    UINT codePage = static_cast<UINT>(strtoul(argv[3], nullptr, 10));
    if (!IsValidCodePage(codePage)) {
        fprintf(stderr, "lngtool: %s is not a code page this system knows\n", argv[3]);
        return 2;
    }
    HMODULE program = OpenModule(argv[2]);
    if (program == nullptr) return 2;
    std::vector<ProgramText> texts = ReadProgramTexts(program, codePage);
    int messages = 0, dialogTexts = 0;
    for (const ProgramText& t : texts) {
        messages += t.kind == TextKind::Message;
        dialogTexts += t.kind == TextKind::Caption || t.kind == TextKind::Control;
    }

    if (mode == "list" && argc == 4) {
        for (const ProgramText& t : texts) {
            printf("%s  %-28s %s\n", t.key.c_str(), t.Where().c_str(), ToUtf8(t.wide).c_str());
        }
        PrintWarnings(texts, codePage);
        return 0;
    }
    if (mode == "template" && (argc == 5 || argc == 6)) {
        std::vector<ProgramText> fillTexts;
        if (argc == 6) {
            HMODULE library = OpenModule(argv[5]);
            if (library == nullptr) return 2;
            fillTexts = ReadProgramTexts(library, codePage);
            FreeLibrary(library);
        }
        const char* slash = strrchr(argv[2], '\\');
        const char* slash2 = strrchr(argv[2], '/');
        if (slash2 > slash) slash = slash2;
        std::string name = slash ? slash + 1 : argv[2];
        std::string file = MakeTemplate(texts, argc == 6 ? &fillTexts : nullptr, codePage, name);
        if (!WriteWholeFile(argv[4], file)) {
            fprintf(stderr, "lngtool: cannot write %s\n", argv[4]);
            return 2;
        }
        size_t keys = GroupByKey(texts).size();
        printf("%s: %d messages and %d dialog texts, %u keys, code page %u\n", argv[4], messages, dialogTexts,
               static_cast<unsigned>(keys), codePage);
        PrintWarnings(texts, codePage);
        return 0;
    }
    if (mode == "check" && argc == 5) {
        std::string file;
        if (!ReadWholeFile(argv[4], &file)) {
            fprintf(stderr, "lngtool: cannot read %s\n", argv[4]);
            return 2;
        }
        CheckResult result = CheckLanguageFile(file, texts);
        for (const std::string& p : result.problems) printf("%s: %s\n", argv[4], p.c_str());
        for (const std::string& n : result.notes) printf("%s: note: %s\n", argv[4], n.c_str());
        printf("%s: %d entries, %d of %u program texts translated, %u problems\n", argv[4], result.entries,
               result.translatedTexts, static_cast<unsigned>(texts.size()),
               static_cast<unsigned>(result.problems.size()));
        PrintWarnings(texts, codePage);
        return result.problems.empty() ? 0 : 1;
    }
    return Usage();
}
