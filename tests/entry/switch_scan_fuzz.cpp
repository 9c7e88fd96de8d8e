// Fuzz target: any bytes as a command line, in a single-byte and a
// double-byte lead-byte table; the scan must stay inside the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "entry/switch_scan.h"
#include "foundation/path_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    LeadByteTable = {};
    if (data[0] & 1) {
        for (int c = 0x81; c <= 0xFE; ++c) LeadByteTable.lead[c] = 1;
        LeadByteTable.multiByte = 1;
    }
    std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);
    int actions = 0;
    SwitchScan scan = ScanSwitches(line.c_str(), [](SwitchAction, void* n) { ++*static_cast<int*>(n); },
                                   &actions);
    if (scan.operationCount < 0 || actions > scan.operationCount) __builtin_trap();
    return 0;
}
