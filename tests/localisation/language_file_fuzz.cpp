// Feeds arbitrary bytes as a language file and looks texts up in it.
//
// Input: byte 0 chooses the code page model (odd: double-byte lead bytes 0x81
// to 0xFE), the rest up to the last 0xFF byte is the file, and what follows
// it is split at zero bytes into texts to look up. Every line of the store is
// also looked up by its own first 8 bytes, so entries are reached without
// guessing keys. Destinations are heap blocks of exactly their size, so a
// write past one is caught by AddressSanitizer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/path_text.h"
#include "localisation/dialog_scale.h"
#include "localisation/language_store.h"

namespace {
const size_t kSizes[] = {1, 2, 9, 256, 512, 1024};

void Check(const LanguageStore& store, const char* source, const char* context, int kind,
           const char* key) {
    for (size_t size : kSizes) {
        char* dest = static_cast<char*>(malloc(size));
        if (key != nullptr) {
            store.TranslateKey(dest, size, key, source);
        } else {
            store.Translate(dest, size, source, context, kind);
        }
        size_t length = strnlen(dest, size);
        if (length >= size) abort();   // not terminated within the buffer
        if (size >= 256) {
            DialogScale scale = ParseDialogScale(dest);
            volatile int a = ScaleLength(1000000, scale.width);
            volatile int b = ScaleLength(-2147483647LL - 1, scale.height);
            (void)a;
            (void)b;
        }
        free(dest);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    bool doubleByte = data[0] & 1;
    for (int c = 0; c < 256; ++c) LeadByteTable.lead[c] = doubleByte && c >= 0x81 && c <= 0xFE;
    LeadByteTable.multiByte = doubleByte;
    ++data;
    --size;

    size_t fileSize = size;
    while (fileSize > 0 && data[fileSize - 1] != 0xFF) --fileSize;
    if (fileSize == 0) fileSize = size;
    std::vector<std::string> texts;
    std::string current;
    for (size_t i = fileSize; i < size; ++i) {
        if (data[i] == 0) {
            texts.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    texts.push_back(current);

    // The file in a block of its own size, so reading past it is caught too.
    uint8_t* file = static_cast<uint8_t*>(malloc(fileSize ? fileSize : 1));
    if (fileSize) memcpy(file, data, fileSize);
    MemoryByteSource source(file, fileSize);
    LanguageStore store;
    store.Load(source);

    for (const std::string& text : texts) {
        Check(store, text.c_str(), nullptr, 0, nullptr);
        Check(store, text.c_str(), "SETUPDLG", 1, nullptr);
        Check(store, "", text.c_str(), 1, nullptr);
    }
    if (store.IsLoaded()) {
        const char* p = store.Text();
        const char* end = p + store.Size();
        if (p[store.Size()] != '\0') abort();
        int lines = 0;
        while (p < end && lines < 2000) {
            char key[9] = {};
            size_t n = strnlen(p, 8);
            memcpy(key, p, n);
            if (n == 8) {
                Check(store, "fallback", nullptr, 0, key);
                const char* found = store.FindIndexed(key);
                if (found != nullptr && strncmp(found, key, 8) != 0) abort();
                found = store.FindByScan(key);
                if (found != nullptr && (strncmp(found, key, 8) != 0 || found[8] != '=')) abort();
            }
            const char* next = static_cast<const char*>(memchr(p, '\f', end - p));
            if (next == nullptr) break;
            while (next < end && *next == '\f') ++next;
            p = next;
            ++lines;
        }
    }
    free(file);
    return 0;
}
