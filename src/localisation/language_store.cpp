// The message part of a language file: decoding, index and lookup.
#include "localisation/language_store.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/path_text.h"
#include "localisation/crc32.h"

namespace {
const char kMarkerTail[] = "*messages**";   // follows two asterisks
constexpr char kLineBreak = '\f';

// Copies length bytes of text into dest, cut to fit destSize bytes with the
// terminator without splitting a double-byte character.
void CopyBounded(char* dest, size_t destSize, const char* text, size_t length) {
    if (destSize == 0) return;
    size_t limit = destSize - 1;
    if (length > limit) {
        size_t used = 0;
        while (used < length) {
            size_t step = (LeadByteTable.lead[static_cast<unsigned char>(text[used])] && used + 1 < length) ? 2 : 1;
            if (used + step > limit) break;
            used += step;
        }
        length = used;
    }
    memmove(dest, text, length);
    dest[length] = '\0';
}
}  // namespace

int MemoryByteSource::Read(void* buffer, int count) {
    if (count <= 0 || Position >= DataSize) return 0;
    size_t n = std::min(static_cast<size_t>(count), DataSize - Position);
    memcpy(buffer, Data + Position, n);
    Position += n;
    return static_cast<int>(n);
}

void MemoryByteSource::Seek(long long position) {
    Position = position < 0 ? 0 : static_cast<size_t>(position);
}

void TranslationKey(char* key, const char* source, const char* context, int kind) {
    const char kindChar = kind == kMessageKind ? 's' : '$';
    uint32_t crc = Crc32Update(0xFFFFFFFFu, &kindChar, 1);
    if (context != nullptr) crc = Crc32Update(crc, context, strlen(context));
    crc = Crc32Update(crc, source, strlen(source));
    snprintf(key, kKeyLength + 1, "%08x", static_cast<unsigned>(~crc));
}

long long LanguageStore::FindMarker(ByteSource& source) {
    char block[kMarkerBlockSize];
    for (int b = 0; b < kMarkerBlocks; ++b) {
        long long start = source.Tell();
        if (start < 0) return -1;
        int n = source.Read(block, kMarkerBlockSize);
        if (n < kMarkerBlockOverlap) return -1;
        for (int i = 0; i <= n - kMarkerBlockOverlap; ++i) {
            if (block[i] == '*' && block[i + 1] == '*' &&
                memcmp(block + i + 2, kMarkerTail, sizeof kMarkerTail - 1) == 0) {
                return start + i;
            }
        }
        source.Seek(start + n - kMarkerBlockOverlap);
    }
    return -1;
}

int LanguageStore::Decode(char* text, int size) {
    int r = 0, w = 0;
    while (r < size && text[r] != '\0') {
        char c = text[r];
        if (c == '\\' && r + 1 < size) {
            char decoded = '\0';
            switch (text[r + 1]) {
                case '"': decoded = '"'; break;
                case '\\': decoded = '\\'; break;
                case 'n': decoded = '\n'; break;
                case 'r': decoded = '\r'; break;
                case 't': decoded = '\t'; break;
                default: break;
            }
            if (decoded != '\0') {
                text[w++] = decoded;
                r += 2;
                continue;
            }
        }
        text[w++] = (c == '\r' || c == '\n') ? kLineBreak : c;
        ++r;
    }
    text[w] = '\0';
    return w;
}

bool LanguageStore::Load(ByteSource& source) {
    Clear();
    long long marker = FindMarker(source);
    if (marker < 0) return false;
    source.Seek(marker);
    Store = static_cast<char*>(std::malloc(kStoreBufferSize));
    if (Store == nullptr) return false;
    Store[kMessagePartSize] = '\0';
    int n = source.Read(Store, kMessagePartSize);
    if (n < 0 || n > kMessagePartSize) n = 0;
    Store[n] = '\0';
    StoreSize = Decode(Store, n);
    BuildIndex();
    return true;
}

void LanguageStore::Clear() {
    std::free(Store);
    Store = nullptr;
    StoreSize = 0;
    LineIndex.Free();
}

void LanguageStore::BuildIndex() {
    for (int k = 1; k < StoreSize - kKeyLength; ++k) {
        if (Store[k - 1] == kLineBreak && Store[k] != kLineBreak) LineIndex.Append(k);
    }
    const char* store = Store;
    std::sort(LineIndex.begin(), LineIndex.end(), [store](int a, int b) {
        return strncmp(store + a, store + b, kKeyLength) < 0;
    });
}

const char* LanguageStore::FindIndexed(const char* key) const {
    if (Store == nullptr) return nullptr;
    int first = 0;
    int count = LineIndex.Size();
    while (count > 0) {
        int half = count / 2;
        const char* line = Store + LineIndex[first + half];
        int order = strncmp(key, line, kKeyLength);
        if (order == 0) return line;
        if (order < 0) {
            count = half;
        } else {
            first += half + 1;
            count -= half + 1;
        }
    }
    return nullptr;
}

const char* LanguageStore::FindByScan(const char* key) const {
    if (Store == nullptr) return nullptr;
    const char* p = Store;
    while (*p != '\0') {
        if (strncmp(p, key, kKeyLength) == 0 && p[kKeyLength] == '=' && p[kKeyLength + 1] == '"') return p;
        while (*p != '\0' && *p != kLineBreak) ++p;
        while (*p == kLineBreak) ++p;
    }
    return nullptr;
}

void LanguageStore::Translate(char* dest, size_t destSize, const char* source, const char* context,
                              int kind) const {
    if (destSize == 0) return;
    if (Store == nullptr) {
        if (dest != source) CopyBounded(dest, destSize, source, strlen(source));
        return;
    }
    // The key is made from the whole source before dest is written.
    char key[kKeyLength + 1];
    TranslationKey(key, source, context, kind);
    TranslateKey(dest, destSize, key, source);
}

void LanguageStore::TranslateKey(char* dest, size_t destSize, const char* key, const char* source) const {
    if (destSize == 0) return;
    const char* line = FindIndexed(key);
    if (line == nullptr) line = FindByScan(key);
    if (line == nullptr) {
        if (dest != source) CopyBounded(dest, destSize, source, strlen(source));
        return;
    }
    // The text begins after the key, = and the opening quote; a line that ends
    // the store right after its key has an empty text.
    const char* text = line + kKeyLength;
    if (*text != '\0') ++text;
    if (*text != '\0') ++text;
    const char* end = Store + StoreSize;
    const char* lineBreak = static_cast<const char*>(memchr(text, kLineBreak, end - text));
    size_t length;
    if (lineBreak != nullptr) {
        length = lineBreak - text + 1;
    } else {
        // The last line: at most 255 bytes, whole characters only.
        length = strnlen(text, kLastLineTextLimit);
        if (length == kLastLineTextLimit) {
            char probe[kLastLineTextLimit + 1];
            CopyBounded(probe, sizeof probe, text, strnlen(text, kLastLineTextLimit + 1));
            length = strlen(probe);
        }
    }
    for (size_t i = length; i > 0; --i) {
        if (text[i - 1] == '"') {
            length = i - 1;
            break;
        }
    }
    CopyBounded(dest, destSize, text, length);
}
