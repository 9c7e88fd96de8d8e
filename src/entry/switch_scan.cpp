// The command-line switches.
#include "entry/switch_scan.h"

#include "foundation/path_text.h"

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// True when text starts with word (ASCII, upper case), case ignored.
bool StartsWithWord(const char* text, const char* word) {
    for (; *word != '\0'; ++text, ++word) {
        if (UpperAscii(*text) != *word) return false;   // also stops at the terminator
    }
    return true;
}

const char* NextSwitch(const char* p) {
    while (*p != '\0' && *p != '/' && *p != '-') p = NextCharPos(p);
    return *p == '\0' ? nullptr : p + 1;
}

}  // namespace

SwitchScan ScanSwitches(const char* commandLine, SwitchActionHandler handler, void* context) {
    SwitchScan scan;
    if (commandLine == nullptr) return scan;
    for (const char* text = NextSwitch(commandLine); text != nullptr; text = NextSwitch(text)) {
        if (StartsWithWord(text, "SETUP")) {
            scan.setup = true;
        } else if (UpperAscii(text[0]) == 'S' && !IsAsciiLetter(text[1])) {
            scan.silent = true;
            --scan.operationCount;   // nets zero with the count below
        } else if (StartsWithWord(text, "WAIT")) {
            if (handler) handler(SwitchAction::Wait, context);
        } else if (StartsWithWord(text, "WARNING")) {
            if (handler) handler(SwitchAction::Warning, context);
        }
        ++scan.operationCount;
    }
    return scan;
}

Job JobAfterScan(const SwitchScan& scan) {
    if (scan.setup) return Job::Setup;
    if (scan.operationCount == 0) return Job::Uninstall;
    return Job::None;
}
