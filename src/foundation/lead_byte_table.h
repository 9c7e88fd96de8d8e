// Fills LeadByteTable (path_text.h) from the system's ANSI code page.
//
// The table is filled during static initialisation, before any other static
// object of the program is constructed and before WinMain runs; calling this
// again refills it (tests use that after changing nothing).
#pragma once

void FillLeadByteTable();
