// The fatal memory error and the reallocation function of Array.
#include "localisation/array.h"

#include <cstdio>
#include <cstdlib>

ReallocateFunction ArrayReallocate = std::realloc;

void FatalMemoryError() {
    std::fputs("fatal memory error\n", stderr);
    std::fflush(stderr);
    std::_Exit(8);
}
