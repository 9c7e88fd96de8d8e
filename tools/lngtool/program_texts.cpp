// Reads the string table and the dialog templates of a module.
#include "program_texts.h"

#include <cstring>

#include "localisation/language_store.h"

namespace {
constexpr size_t kMessageBytes = 511;   // a 512-byte message slot
constexpr size_t kWindowBytes = 1023;   // a 1024-byte window text buffer

// Walks a resource's bytes without reading past its end.
class Reader {
public:
    Reader(const void* data, size_t size) : Data(static_cast<const unsigned char*>(data)), Size(size) {}
    bool Ok() const { return Fine; }
    size_t Offset() const { return At; }
    WORD Word() {
        if (At + 2 > Size) return Fail();
        WORD w = static_cast<WORD>(Data[At] | Data[At + 1] << 8);
        At += 2;
        return w;
    }
    DWORD Dword() {
        DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    void Skip(size_t n) {
        if (At + n > Size) Fail();
        else At += n;
    }
    void AlignDword() { Skip((4 - At % 4) % 4); }
    std::wstring String() {
        std::wstring s;
        for (WORD c = Word(); Fine && c != 0; c = Word()) s += static_cast<wchar_t>(c);
        return s;
    }
    // A name or ordinal: ordinal is set (and the text empty) for 0xFFFF forms.
    std::wstring NameOrOrdinal(int* ordinal) {
        *ordinal = -1;
        if (At + 2 <= Size && Data[At] == 0xFF && Data[At + 1] == 0xFF) {
            Word();
            *ordinal = Word();
            return std::wstring();
        }
        return String();
    }

private:
    WORD Fail() {
        Fine = false;
        At = Size;
        return 0;
    }
    const unsigned char* Data;
    size_t Size;
    size_t At = 0;
    bool Fine = true;
};

std::string MakeKey(const std::string& bytes, const char* context, int kind) {
    char key[kKeyLength + 1];
    TranslationKey(key, bytes.c_str(), context, kind);
    return key;
}

bool ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type, const void** data, size_t* size) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return false;
    HGLOBAL loaded = LoadResource(module, found);
    *data = loaded ? LockResource(loaded) : nullptr;
    *size = SizeofResource(module, found);
    return *data != nullptr;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR param) {
    auto* names = reinterpret_cast<std::vector<std::string>*>(param);
    if (IS_INTRESOURCE(name)) {
        names->push_back("#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)));
    } else {
        names->push_back(name);
    }
    return TRUE;
}

std::vector<std::string> ResourceNames(HMODULE module, LPCSTR type) {
    std::vector<std::string> names;
    EnumResourceNamesA(module, type, CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

LPCSTR AsResourceName(const std::string& name) {
    if (!name.empty() && name[0] == '#') return MAKEINTRESOURCEA(atoi(name.c_str() + 1));
    return name.c_str();
}

void AddText(std::vector<ProgramText>& texts, TextKind kind, const std::string& dialog, int number, int index,
             const std::wstring& wide, UINT codePage) {
    ProgramText t;
    t.kind = kind;
    t.dialog = dialog;
    t.number = number;
    t.index = index;
    t.wide = wide;
    t.lossy = false;
    size_t limit = kind == TextKind::Message ? kMessageBytes : kWindowBytes;
    t.bytes = kind == TextKind::Direction ? "LTR" : ToCodePage(wide, codePage, limit, &t.lossy);
    if (kind == TextKind::Message) {
        t.key = MakeKey(t.bytes, nullptr, kMessageKind);
    } else if (kind == TextKind::Direction) {
        t.key = MakeKey("LTR", "LTR", kWindowKind);
    } else {
        t.key = MakeKey(t.bytes, dialog.c_str(), kWindowKind);
    }
    texts.push_back(t);
}

void ReadStrings(HMODULE module, UINT codePage, std::vector<ProgramText>& texts) {
    for (const std::string& name : ResourceNames(module, MAKEINTRESOURCEA(6))) {
        if (name[0] != '#') continue;
        int block = atoi(name.c_str() + 1);
        const void* data;
        size_t size;
        if (!ResourceBytes(module, AsResourceName(name), MAKEINTRESOURCEA(6), &data, &size)) continue;
        Reader r(data, size);
        for (int i = 0; i < 16 && r.Ok(); ++i) {
            WORD length = r.Word();
            std::wstring text;
            for (WORD k = 0; k < length && r.Ok(); ++k) text += static_cast<wchar_t>(r.Word());
            if (length > 0 && r.Ok()) {
                AddText(texts, TextKind::Message, "", (block - 1) * 16 + i, -1, text, codePage);
            }
        }
    }
}

// True for the class and style of a static that shows a picture, whose
// template text is a resource name rather than a text.
bool IsPictureStatic(int classOrdinal, const std::wstring& className, DWORD style) {
    bool isStatic = classOrdinal == 0x82 || _wcsicmp(className.c_str(), L"STATIC") == 0;
    DWORD type = style & SS_TYPEMASK;
    return isStatic && (type == SS_ICON || type == SS_BITMAP || type == SS_ENHMETAFILE);
}

void ReadDialog(HMODULE module, const std::string& name, UINT codePage, std::vector<ProgramText>& texts) {
    const void* data;
    size_t size;
    if (!ResourceBytes(module, AsResourceName(name), MAKEINTRESOURCEA(5), &data, &size)) return;
    Reader r(data, size);
    WORD version = r.Word();
    WORD signature = r.Word();
    bool extended = version == 1 && signature == 0xFFFF;
    DWORD style;
    WORD count;
    if (extended) {
        r.Dword();           // help id
        r.Dword();           // extended style
        style = r.Dword();
    } else {
        style = static_cast<DWORD>(version) | static_cast<DWORD>(signature) << 16;
        r.Dword();           // extended style
    }
    count = r.Word();
    r.Skip(8);               // x, y, cx, cy
    int ordinal;
    r.NameOrOrdinal(&ordinal);   // menu
    r.NameOrOrdinal(&ordinal);   // class
    std::wstring caption = r.String();
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        r.Word();            // point size
        if (extended) r.Skip(4);   // weight, italic, character set
        r.String();          // face name
    }
    AddText(texts, TextKind::Scale, name, 0, -1, L"", codePage);
    // The caption is translated even when empty (it then shares the scale
    // entry's key), so only a non-empty one is listed.
    if (!caption.empty()) AddText(texts, TextKind::Caption, name, 0, -1, caption, codePage);
    for (int i = 0; i < count && r.Ok(); ++i) {
        r.AlignDword();
        DWORD itemStyle;
        int id;
        if (extended) {
            r.Dword();       // help id
            r.Dword();       // extended style
            itemStyle = r.Dword();
            r.Skip(8);
            id = static_cast<int>(r.Dword());
        } else {
            itemStyle = r.Dword();
            r.Dword();
            r.Skip(8);
            id = static_cast<short>(r.Word());
        }
        int classOrdinal, titleOrdinal;
        std::wstring className = r.NameOrOrdinal(&classOrdinal);
        std::wstring title = r.NameOrOrdinal(&titleOrdinal);
        WORD extra = r.Word();
        r.Skip(extra);
        if (titleOrdinal >= 0 || title.empty()) continue;
        if (IsPictureStatic(classOrdinal, className, itemStyle)) continue;
        AddText(texts, TextKind::Control, name, id, i, title, codePage);
    }
}
}  // namespace

std::string ProgramText::Where() const {
    switch (kind) {
        case TextKind::Message: return "message " + std::to_string(number);
        case TextKind::Caption: return dialog + " caption";
        case TextKind::Control: return dialog + " control " + std::to_string(number);
        case TextKind::Scale: return dialog + " scale";
        case TextKind::Direction: return "direction";
    }
    return std::string();
}

std::string ToCodePage(const std::wstring& text, UINT codePage, size_t maxBytes, bool* lossy) {
    *lossy = false;
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n, nullptr,
                        &usedDefault);
    *lossy = usedDefault != FALSE;
    if (out.size() > maxBytes) {
        size_t used = 0;
        while (used < out.size()) {
            size_t step = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(out[used])) ? 2 : 1;
            if (used + step > maxBytes) break;
            used += step;
        }
        out.resize(used);
    }
    return out;
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

std::vector<ProgramText> ReadProgramTexts(HMODULE module, UINT codePage) {
    std::vector<ProgramText> texts;
    ReadStrings(module, codePage, texts);
    for (const std::string& name : ResourceNames(module, MAKEINTRESOURCEA(5))) {
        // A dialog known only by number, or the "RTL" marker of a language
        // library, is never localised by name.
        if (name[0] == '#' || name == "RTL") continue;
        ReadDialog(module, name, codePage, texts);
    }
    AddText(texts, TextKind::Direction, "", 0, -1, L"LTR", codePage);
    return texts;
}
