// The two templates the Explorer New menu uses to create an empty archive.
// Free of <windows.h>.
#pragma once
#include <cstddef>

constexpr size_t kLvxNewTemplateSize = 20;
constexpr size_t kZipNewTemplateSize = 22;

// An empty LVX archive: the 7-byte signature block "Lvx!" 1A 07 00, then a
// 13-byte archive header whose checksum (bytes 7 and 8, little-endian) is the
// low 16 bits of the CRC-32 of bytes 9 to 19.
extern unsigned char LvxNewTemplate[kLvxNewTemplateSize];
// An empty ZIP archive: the end-of-central-directory record 50 4B 05 06 and
// 18 zero bytes.
extern unsigned char ZipNewTemplate[kZipNewTemplateSize];

// The first byte of each template is kept as 0 in the program image, so the
// image itself never carries an archive signature; this puts 'L' and 'P' in
// place. Call it before using either template.
void PrepareNewMenuTemplates();
