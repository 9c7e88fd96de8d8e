// Whether this 32-bit program runs on 64-bit Windows.
#pragma once

// True when the system's IsWow64Process answers yes for this process. A
// definite answer (yes or no) is kept for the rest of the process; while the
// function is missing (older Windows) or its call fails, the answer is false
// and the next call asks again.
bool RunsUnderWow64();
