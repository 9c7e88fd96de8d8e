// Fills LeadByteTable from the ANSI code page before any other static object
// of the program is constructed.
#include "foundation/lead_byte_table.h"

#include <windows.h>

#include "foundation/path_text.h"

void FillLeadByteTable() {
    CPINFO info = {};
    LeadByteTable.multiByte = (GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1) ? 1 : 0;
    for (int c = 0; c < 256; ++c) {
        LeadByteTable.lead[c] = IsDBCSLeadByte(static_cast<BYTE>(c)) ? 1 : 0;
    }
}

namespace {
struct LeadByteTableFiller {
    LeadByteTableFiller() { FillLeadByteTable(); }
};
// First of the program's static objects: the language library and language
// file objects are constructed after it.
LeadByteTableFiller filler __attribute__((init_priority(101)));
}  // namespace
