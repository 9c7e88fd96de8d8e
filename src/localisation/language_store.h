// The message part of a language file in memory: reading it from a byte
// source, decoding, indexing and looking texts up by key. Free of <windows.h>.
//
// A language file is a byte file in the ANSI code page. Everything before the
// marker "***messages**" is ignored. From the marker on, at most 65,536 bytes
// are the message part (a zero byte ends it earlier). Escapes (\" \\ \n \r \t)
// are decoded; CR and LF bytes end lines (runs of them count as one break).
// An entry line starts with the 8 lower-case hex digits of its key, then ="
// and the text up to the last double quote of the line.
#pragma once
#include <cstddef>

#include "localisation/array.h"

// What the store reads from: a file on Windows, memory in tests and tools.
class ByteSource {
public:
    // Bytes read (0 at the end), or -1 on failure.
    virtual int Read(void* buffer, int count) = 0;
    // Current position from the start, or -1.
    virtual long long Tell() = 0;
    // Moves to a position counted from the start.
    virtual void Seek(long long position) = 0;

protected:
    ~ByteSource() = default;
};

// A byte source over a caller's buffer, which must outlive it.
class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const void* data, size_t size)
        : Data(static_cast<const unsigned char*>(data)), DataSize(size) {}
    int Read(void* buffer, int count) override;
    long long Tell() override { return static_cast<long long>(Position); }
    void Seek(long long position) override;

private:
    const unsigned char* Data;
    size_t DataSize;
    size_t Position = 0;
};

constexpr int kMarkerBlockSize = 8192;      // bytes per marker search read
constexpr int kMarkerBlockOverlap = 16;     // consecutive blocks overlap by this much
constexpr int kMarkerBlocks = 64;           // reads before the search gives up
constexpr int kMessagePartSize = 65536;     // bytes read from the marker on
constexpr int kStoreBufferSize = kMessagePartSize + 1024;
constexpr int kKeyLength = 8;               // hex digits of a key
constexpr int kLastLineTextLimit = 255;     // text bytes of an entry on the store's last line

// Kinds of text, which give the first byte hashed into a key.
constexpr int kMessageKind = 0;   // "s": a message of the string table, no context
constexpr int kWindowKind = 1;    // "$": a dialog text, context the dialog's name

// Writes the key of a text into key (9 bytes: 8 lower-case hex digits and the
// terminator): the CRC-32 of the kind character ("s" for kind 0, "$"
// otherwise), the context when not null, and the source, without terminators.
void TranslationKey(char* key, const char* source, const char* context, int kind);

class LanguageStore {
public:
    LanguageStore() = default;
    ~LanguageStore() { Clear(); }
    LanguageStore(const LanguageStore&) = delete;
    LanguageStore& operator=(const LanguageStore&) = delete;

    // Releases a store read before, then looks for the marker (at most 64
    // reads of 8192 bytes that overlap by 16 bytes, so the marker must begin
    // at most 523,264 bytes in and at least 16 bytes before the end), reads
    // the message part from it, decodes it in place and indexes its lines.
    // True when the store is present afterwards (a failed read of the message
    // part leaves it present but empty); false without a marker or memory.
    bool Load(ByteSource& source);
    // Releases the store and its index.
    void Clear();

    bool IsLoaded() const { return Store != nullptr; }
    // The decoded message part (zero-terminated) and its length; line breaks
    // are form feeds. Null and 0 when not loaded.
    const char* Text() const { return Store; }
    int Size() const { return StoreSize; }
    // Lines that the binary search can find.
    int IndexedLines() const { return LineIndex.Size(); }

    // Writes the translation of source into dest (destSize bytes, dest may be
    // source), or source itself when there is no store or no entry. The text
    // is taken from the 10th byte of the entry's line up to the line's last
    // double quote; a line without one gives the rest of the line including
    // its break byte. On the store's last line at most 255 bytes are taken.
    // Never writes more than destSize bytes; a text that does not fit is cut
    // without splitting a double-byte character (LeadByteTable).
    void Translate(char* dest, size_t destSize, const char* source, const char* context,
                   int kind) const;

    // The same for a key already made (8 characters): the text of its entry,
    // or source when there is none.
    void TranslateKey(char* dest, size_t destSize, const char* key, const char* source) const;

    // The start of a line whose first 8 bytes equal key (8 characters), by
    // binary search of the index; null when none.
    const char* FindIndexed(const char* key) const;
    // The first line that starts with key followed by =", by walking the whole
    // store; null when none.
    const char* FindByScan(const char* key) const;

    // The file position of the marker, or -1 when the search does not find it.
    static long long FindMarker(ByteSource& source);
    // Decodes size bytes of text in place (stopping at a zero byte), turns CR
    // and LF into form feeds, terminates the result and returns its length.
    static int Decode(char* text, int size);

private:
    void BuildIndex();

    char* Store = nullptr;
    int StoreSize = 0;
    Array<int> LineIndex;
};
