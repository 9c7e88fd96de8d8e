// The New-menu templates: an empty LVX archive and an empty ZIP archive.
#include "integration/new_menu_templates.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string Hex(const unsigned char* bytes, size_t length) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        if (i) text += ' ';
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

// The reflected CRC-32 of the ZIP and LVX formats (polynomial 0xEDB88320).
uint32_t Crc32(const unsigned char* bytes, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

TEST(NewMenuTemplates, FirstBytesAreSetOnlyWhenPrepared) {
    // The program image carries no archive signature until the templates are prepared.
    EXPECT_EQ(0, LvxNewTemplate[0]);
    EXPECT_EQ(0, ZipNewTemplate[0]);
    PrepareNewMenuTemplates();
    PrepareNewMenuTemplates();   // preparing twice changes nothing
    EXPECT_EQ(0x4C, LvxNewTemplate[0]);
    EXPECT_EQ(0x50, ZipNewTemplate[0]);
}

TEST(NewMenuTemplates, LvxTemplateIsAnEmptyArchiveWithAValidHeaderChecksum) {
    PrepareNewMenuTemplates();
    EXPECT_EQ("4C 76 78 21 1A 07 00 CF 90 73 00 00 0D 00 00 00 00 00 00 00",
              Hex(LvxNewTemplate, kLvxNewTemplateSize));
    // The stored checksum is the low half of the CRC-32 of bytes 9 to 19.
    uint32_t crc = Crc32(LvxNewTemplate + 9, 11);
    unsigned stored = LvxNewTemplate[7] | (LvxNewTemplate[8] << 8);
    EXPECT_EQ(0x90CFu, crc & 0xFFFFu) << std::hex << "crc " << crc;
    EXPECT_EQ(crc & 0xFFFFu, stored) << std::hex << "stored " << stored;
    // The header size field covers bytes 7 to 19.
    EXPECT_EQ(kLvxNewTemplateSize - 7, static_cast<size_t>(LvxNewTemplate[12] | (LvxNewTemplate[13] << 8)));
}

TEST(NewMenuTemplates, ZipTemplateIsAnEmptyEndOfCentralDirectoryRecord) {
    PrepareNewMenuTemplates();
    EXPECT_EQ("50 4B 05 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
              Hex(ZipNewTemplate, kZipNewTemplateSize));
}

}  // namespace
