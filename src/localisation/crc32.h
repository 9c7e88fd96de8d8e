// CRC-32 of the IEEE 802.3 / ZIP checksum (reflected polynomial 0xEDB88320).
// Free of <windows.h>.
#pragma once
#include <cstddef>
#include <cstdint>

// Runs the CRC register over length bytes at data and returns the new
// register. Start with 0xFFFFFFFF and complement the final register to get
// the checksum. The 256-entry table is built on the first call (recognised by
// its entry 1 still being 0); bytes are taken singly until the pointer is
// 8-byte aligned, then 8 at a time as two little-endian words, then singly.
// The result equals the byte-at-a-time CRC for every input.
uint32_t Crc32Update(uint32_t crc, const void* data, size_t length);

// The complete checksum of one block: ~Crc32Update(0xFFFFFFFF, data, length).
uint32_t Crc32(const void* data, size_t length);
