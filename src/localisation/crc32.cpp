// CRC-32 with one table, eight bytes per step.
#include "localisation/crc32.h"

namespace {
uint32_t table[256];

void BuildTable() {
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? (0xEDB88320u ^ (c >> 1)) : (c >> 1);
        table[n] = c;
    }
}

inline uint32_t Step(uint32_t crc) { return table[crc & 0xFF] ^ (crc >> 8); }

inline uint32_t Word(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
}  // namespace

uint32_t Crc32Update(uint32_t crc, const void* data, size_t length) {
    if (table[1] == 0) BuildTable();
    const unsigned char* p = static_cast<const unsigned char*>(data);
    while (length > 0 && (reinterpret_cast<uintptr_t>(p) & 7) != 0) {
        crc = Step(crc ^ *p++);
        --length;
    }
    while (length >= 8) {
        crc ^= Word(p);
        crc = Step(Step(Step(Step(crc))));
        crc ^= Word(p + 4);
        crc = Step(Step(Step(Step(crc))));
        p += 8;
        length -= 8;
    }
    while (length > 0) {
        crc = Step(crc ^ *p++);
        --length;
    }
    return crc;
}

uint32_t Crc32(const void* data, size_t length) {
    return ~Crc32Update(0xFFFFFFFFu, data, length);
}
