// The portable core of the language file: CRC-32 and keys, Array, the store
// read from memory, and scale entries.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "foundation/path_text.h"
#include "language_fixtures.h"
#include "localisation/array.h"
#include "localisation/crc32.h"
#include "localisation/dialog_scale.h"
#include "localisation/language_store.h"

namespace {

uint32_t BitwiseCrc(const unsigned char* p, size_t n) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

std::string Key(const char* source, const char* context, int kind) {
    char key[9];
    TranslationKey(key, source, context, kind);
    return key;
}

TEST(TranslationKey, WorkedKeys) {
    EXPECT_EQ(Key("LTR", "LTR", 1), "50a17ae8");
    EXPECT_EQ(Key("", "SETUPDLG", 1), "9b889d24");
    EXPECT_EQ(Key("CAB", "SETUPDLG", 1), "e4e5a591");
    // A message has no context and the kind character "s".
    EXPECT_EQ(Key("\xD0\xB6\xD4\xD8 Lumvex", nullptr, 0), "61d43ad6");
    // Leading zeros are written.
    char key[9];
    for (int i = 0; i < 4000; ++i) {
        std::string text = "t" + std::to_string(i);
        TranslationKey(key, text.c_str(), nullptr, 0);
        ASSERT_EQ(strlen(key), 8u) << text;
    }
}

TEST(Crc32, CheckValue) {
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(Crc32("", 0), 0u);
}

TEST(Crc32, EightBytesAtATimeEqualsByteAtATime) {
    std::mt19937 random(7);
    std::vector<unsigned char> data(300);
    for (auto& b : data) b = static_cast<unsigned char>(random());
    for (size_t offset = 0; offset < 16; ++offset) {
        for (size_t length = 0; length + offset <= data.size(); length += 1 + length / 8) {
            ASSERT_EQ(Crc32(data.data() + offset, length), BitwiseCrc(data.data() + offset, length))
                << "offset " << offset << " length " << length;
        }
    }
    // Split updates give the same as one.
    uint32_t crc = Crc32Update(0xFFFFFFFFu, data.data(), 13);
    crc = Crc32Update(crc, data.data() + 13, 200);
    EXPECT_EQ(~crc, BitwiseCrc(data.data(), 213));
}

TEST(Array, GrowthRule) {
    Array<int> a;
    EXPECT_EQ(a.CurrentCapacity(), 0);
    std::vector<int> capacities;
    for (int i = 0; i < 1000; ++i) {
        int before = a.CurrentCapacity();
        a.Append(i * 3);
        if (a.CurrentCapacity() != before) capacities.push_back(a.CurrentCapacity());
    }
    // 0 -> 32 -> 32+8+32=72 -> 72+18+32=122 -> 122+30+32=184 -> 184+46+32=262 ...
    std::vector<int> expected = {32, 72, 122, 184, 262, 359, 480, 632, 822, 1059};
    EXPECT_EQ(capacities, expected);
    ASSERT_EQ(a.Size(), 1000);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(a[i], i * 3) << i;
    a.Free();
    EXPECT_EQ(a.Size(), 0);
    EXPECT_EQ(a.CurrentCapacity(), 0);
}

void* FailingReallocate(void*, size_t) { return nullptr; }

TEST(ArrayDeathTest, NoMemoryEndsTheProcessWithCode8) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ArrayReallocate = FailingReallocate;
            Array<int> a;
            a.Append(1);
        },
        ::testing::ExitedWithCode(8), "fatal memory error");
}

// Runs every fixture through a store read from memory.
TEST(LanguageStore, Fixtures) {
    for (const LanguageFixture& fixture : LanguageFixtures()) {
        SCOPED_TRACE(fixture.name);
        MemoryByteSource source(fixture.content.data(), fixture.content.size());
        LanguageStore store;
        EXPECT_EQ(store.Load(source), fixture.loaded);
        EXPECT_EQ(store.IsLoaded(), fixture.loaded);
        for (const Lookup& lookup : fixture.lookups) {
            char dest[512];
            store.Translate(dest, sizeof dest, lookup.source, lookup.context, lookup.kind);
            EXPECT_EQ(std::string(dest), lookup.expected) << "source \"" << lookup.source << "\"";
        }
    }
}

TEST(LanguageStore, LaterEntriesAndBothFinders) {
    // Many entries in no particular order: the binary search finds each one;
    // the scan finds only well-formed entries.
    std::string file = "***messages***\r\n";
    std::vector<std::string> texts;
    for (int i = 0; i < 300; ++i) {
        std::string text = "text " + std::to_string(i);
        texts.push_back(text);
        file += Key(text.c_str(), nullptr, 0) + "=\"translated " + std::to_string(i) + "\"\n";
    }
    file += "0badc0de = \"blank\"\n";
    MemoryByteSource source(file.data(), file.size());
    LanguageStore store;
    ASSERT_TRUE(store.Load(source));
    EXPECT_EQ(store.IndexedLines(), 301);
    for (int i = 0; i < 300; ++i) {
        std::string key = Key(texts[i].c_str(), nullptr, 0);
        const char* indexed = store.FindIndexed(key.c_str());
        ASSERT_NE(indexed, nullptr) << texts[i];
        EXPECT_EQ(indexed, store.FindByScan(key.c_str()));
        char dest[256];
        store.Translate(dest, sizeof dest, texts[i].c_str(), nullptr, 0);
        EXPECT_EQ(std::string(dest), "translated " + std::to_string(i));
    }
    EXPECT_NE(store.FindIndexed("0badc0de"), nullptr);
    EXPECT_EQ(store.FindByScan("0badc0de"), nullptr);
    EXPECT_EQ(store.FindIndexed("ffffffff"), nullptr);
}

TEST(LanguageStore, FindByScanCoversTheFirstLine) {
    // The marker line is never indexed; an entry written on it after the
    // marker is not a line start, and the scan does not see it either.
    std::string file = "***messages***e4e5a591=\"x\"\n";
    MemoryByteSource source(file.data(), file.size());
    LanguageStore store;
    ASSERT_TRUE(store.Load(source));
    EXPECT_EQ(store.IndexedLines(), 0);
    EXPECT_EQ(store.FindByScan("e4e5a591"), nullptr);
}

TEST(LanguageStore, DecodeRules) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"a\\\"b", "a\"b"},   {"a\\\\n", "a\\n"},  {"\\n\\r\\t", "\n\r\t"}, {"a\\x", "a\\x"},
        {"end\\", "end\\"},   {"l1\r\nl2\rl3\n", "l1\f\fl2\fl3\f"},     {"a\0b", "a"},
        {"\\\\\\\"", "\\\""},
    };
    for (const Case& c : cases) {
        std::vector<char> buffer(c.in.begin(), c.in.end());
        buffer.push_back('\0');
        int n = LanguageStore::Decode(buffer.data(), static_cast<int>(c.in.size()));
        EXPECT_EQ(std::string(buffer.data(), n), c.out) << "from \"" << c.in << "\"";
    }
}

TEST(LanguageStore, TranslationIsCutToTheDestination) {
    std::string file = "***messages***\r\ne4e5a591=\"" + std::string(3000, 'x') + "\"\r\n61d43ad6=\"" +
                       std::string(3000, 'y') + "\"";
    MemoryByteSource source(file.data(), file.size());
    LanguageStore store;
    ASSERT_TRUE(store.Load(source));
    for (size_t size : {1u, 2u, 256u, 512u, 1024u}) {
        std::vector<char> dest(size + 16, '#');
        store.Translate(dest.data(), size, "CAB", "SETUPDLG", 1);
        EXPECT_EQ(strlen(dest.data()), size - 1) << "size " << size;
        for (size_t i = size; i < dest.size(); ++i) ASSERT_EQ(dest[i], '#') << "size " << size << " byte " << i;
    }
    // The last line gives at most 255 bytes whatever the destination.
    char dest[1024];
    store.Translate(dest, sizeof dest, "\xD0\xB6\xD4\xD8 Lumvex", nullptr, 0);
    EXPECT_EQ(strlen(dest), 255u);
}

TEST(LanguageStore, CutNeverSplitsADoubleByteCharacter) {
    LeadByteInfo saved = LeadByteTable;
    for (int c = 0x81; c <= 0xFE; ++c) LeadByteTable.lead[c] = 1;
    LeadByteTable.multiByte = 1;
    // "a" then GBK characters: a cut at 9 bytes keeps "a" and four characters.
    std::string text = "a";
    for (int i = 0; i < 20; ++i) text += "\xD0\xB6";
    std::string file = "***messages***\r\ne4e5a591=\"" + text + "\"\r\n";
    MemoryByteSource source(file.data(), file.size());
    LanguageStore store;
    ASSERT_TRUE(store.Load(source));
    char dest[10];
    store.Translate(dest, sizeof dest, "CAB", "SETUPDLG", 1);
    EXPECT_EQ(std::string(dest), text.substr(0, 9));
    char odd[11];
    store.Translate(odd, sizeof odd, "CAB", "SETUPDLG", 1);
    EXPECT_EQ(std::string(odd), text.substr(0, 9)) << "a lead byte was left at the end";
    LeadByteTable = saved;
}

TEST(LanguageStore, KeyAtTheVeryEnd) {
    // A line that starts within the last 8 bytes is not indexed; one whose key
    // is followed only by the end of the store has an empty text (nothing is
    // read past the store's end).
    struct Case {
        const char* tail;
        const char* expected;
    } cases[] = {{"e4e5a591=", ""}, {"e4e5a591=\"", ""}, {"e4e5a591", "CAB"}};
    for (const Case& c : cases) {
        std::string file = std::string("***messages***\r\n12345678=\"x\"\r\n") + c.tail;
        MemoryByteSource source(file.data(), file.size());
        LanguageStore store;
        ASSERT_TRUE(store.Load(source));
        char dest[256];
        store.Translate(dest, sizeof dest, "CAB", "SETUPDLG", 1);
        EXPECT_STREQ(dest, c.expected) << c.tail;
    }
}

TEST(LanguageStore, InPlaceTranslation) {
    std::string file = "***messages***\r\ne4e5a591=\"CAB archives\"\r\n";
    MemoryByteSource source(file.data(), file.size());
    LanguageStore store;
    ASSERT_TRUE(store.Load(source));
    char text[256] = "CAB";
    store.Translate(text, sizeof text, text, "SETUPDLG", 1);
    EXPECT_STREQ(text, "CAB archives");
    strcpy(text, "ZIP");
    store.Translate(text, sizeof text, text, "SETUPDLG", 1);
    EXPECT_STREQ(text, "ZIP");
}

TEST(DialogScale, Entries) {
    struct Case {
        const char* entry;
        int width, height;
        bool scaled;
    } cases[] = {
        {"120*110", 120, 110, true},
        {"100*100", 100, 100, false},
        {"120", 100, 100, false},
        {"*110", 0, 110, true},
        {"  90 *\t80", 90, 80, true},
        {"-5*+7", -5, 7, true},
        {"abc*def", 0, 0, true},
        {"", 100, 100, false},
        {"100*100*50", 100, 100, false},
        {"99999999999*1", INT_MAX, 1, true},
        {"-99999999999999999999999*2147483648", INT_MIN, INT_MAX, true},
        {"120*110\f", 120, 110, true},
    };
    for (const auto& c : cases) {
        DialogScale s = ParseDialogScale(c.entry);
        EXPECT_EQ(s.width, c.width) << "\"" << c.entry << "\"";
        EXPECT_EQ(s.height, c.height) << "\"" << c.entry << "\"";
        EXPECT_EQ(s.scaled, c.scaled) << "\"" << c.entry << "\"";
    }
}

TEST(DialogScale, ArithmeticKeepsSmallResultsAndNeverOverflows) {
    struct Case {
        long long length;
        int percent;
        int expected;
    } cases[] = {
        {300, 120, 360},       {301, 110, 331},        {-7, 50, -3},     {7, -50, -3},
        {500, 0, 0},           {INT_MAX, 100, INT_MAX}, {INT_MAX, INT_MAX, INT_MAX},
        {INT_MIN, INT_MAX, INT_MIN}, {1LL << 40, 1, INT_MAX / 100}, {21474836, 100, 21474836},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleLength(c.length, c.percent), c.expected) << c.length << " * " << c.percent;
    }
}

}  // namespace
