// Fuzz target (native build): the list entry check, the wininit.ini editing
// and the script text on arbitrary bytes, in a double-byte code page.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "foundation/path_text.h"
#include "uninstall/list_entry.h"
#include "uninstall/removal_script.h"
#include "uninstall/wininit_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LeadByteTable = {};
    LeadByteTable.multiByte = 1;
    for (int b = 0x81; b <= 0xFE; ++b) LeadByteTable.lead[b] = 1;

    std::vector<char> text(data, data + size);
    text.push_back('\0');
    const char* entry = text.data();
    bool inside = IsEntryInsideFolder(entry);
    if (inside && (entry[0] == '\\' || entry[0] == '/' || std::strchr(entry, ':') != nullptr)) {
        __builtin_trap();   // a rooted, drive or stream entry was let through
    }

    std::vector<char> out(size + std::strlen(entry) + kRenameLineExtra);
    AddRenameLine(reinterpret_cast<const char*>(data), size, entry, out.data(), out.size());

    static char script[kRemovalScriptSize];
    BuildRemovalScript(script, sizeof(script), size % 2 == 0, entry, entry, entry);
    char command[kInterpreterCommandSize];
    BuildInterpreterCommand(command, sizeof(command), entry, entry);
    return 0;
}
