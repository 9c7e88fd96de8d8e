// lngbench: how fast the language file is read and looked up.
//
//   lngbench PROGRAM [ROUNDS]
//
// Makes a language file of 64 KiB after the marker: an entry for every text
// of PROGRAM (its string table and dialog texts, keys in the system's code
// page) and filler entries up to the size. Prints the time of one load, and
// lookups per second over every program text, found and not found, beside
// a plain copy of the same texts as the floor.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../lngtool/program_texts.h"
#include "foundation/bounded_text.h"
#include "localisation/language_resources.h"

namespace {
double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Lookup {
    std::string text;
    std::string context;   // empty: none (a message)
    int kind;
};

volatile unsigned sink;
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: lngbench PROGRAM [ROUNDS]\n");
        return 2;
    }
    int rounds = argc > 2 ? atoi(argv[2]) : 2000;
    HMODULE program = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (program == nullptr) {
        fprintf(stderr, "lngbench: cannot read %s\n", argv[1]);
        return 2;
    }
    std::vector<ProgramText> texts = ReadProgramTexts(program, GetACP());
    std::vector<Lookup> lookups;
    std::string body = "***messages***\r\n";
    for (const ProgramText& t : texts) {
        if (t.kind == TextKind::Direction) continue;
        lookups.push_back({t.bytes, t.kind == TextKind::Message ? "" : t.dialog, t.kind == TextKind::Message ? 0 : 1});
        body += t.key + "=\"translated " + std::to_string(lookups.size()) + "\"\r\n";
    }
    for (int n = 0; body.size() < 65536; ++n) {
        char key[9];
        std::string filler = "filler " + std::to_string(n);
        TranslationKey(key, filler.c_str(), nullptr, 0);
        body += std::string(key) + "=\"a translated filler text of about this length " + std::to_string(n) + "\"\r\n";
    }
    body.resize(65536);
    std::string file = "Benchmark language file\r\n" + body;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "lngbench.lng";
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(out, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    CloseHandle(out);

    LanguageResources language;
    int loads = rounds / 10 > 10 ? rounds / 10 : 10;
    double best = 1e9, total = 0;
    for (int i = 0; i < loads; ++i) {
        double start = Now();
        language.Load(path.c_str());
        double took = Now() - start;
        total += took;
        if (took < best) best = took;
    }
    printf("language file: %u bytes, %d indexed lines, %u program texts\n", static_cast<unsigned>(file.size()),
           language.Messages().IndexedLines(), static_cast<unsigned>(lookups.size()));
    printf("load: %.3f ms on average, %.3f ms at best (%d loads)\n", total / loads * 1000, best * 1000, loads);

    char dest[1024];
    auto measure = [&](const char* what, const char* suffix, int mode) {
        std::vector<std::string> sources;
        for (const Lookup& l : lookups) sources.push_back(l.text + suffix);
        int found = 0;
        long long count = 0;
        double start = Now();
        for (int r = 0; r < rounds; ++r) {
            for (size_t i = 0; i < lookups.size(); ++i) {
                const char* context = lookups[i].context.empty() ? nullptr : lookups[i].context.c_str();
                if (mode == 0) {
                    CopyText(dest, sizeof dest, sources[i].c_str());
                } else {
                    language.Translate(dest, sources[i].c_str(), context, lookups[i].kind, sizeof dest);
                    if (r == 0 && strncmp(dest, "translated ", 11) == 0) ++found;
                }
                sink += static_cast<unsigned char>(dest[0]);
                ++count;
            }
        }
        double took = Now() - start;
        printf("%-34s %12.0f per second", what, count / took);
        if (mode != 0) printf("  (%d of %u found)", found, static_cast<unsigned>(lookups.size()));
        printf("\n");
    };
    measure("plain copy (floor):", "", 0);
    measure("lookup, every text found:", "", 1);
    int missRounds = rounds;
    rounds = rounds / 20 > 1 ? rounds / 20 : 1;   // each miss walks the whole store
    measure("lookup, no text found:", "\x01", 1);
    rounds = missRounds;
    DeleteFileA(path.c_str());
    FreeLibrary(program);
    return 0;
}
