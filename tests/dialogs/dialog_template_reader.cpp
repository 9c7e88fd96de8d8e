// Parser of classic dialog templates for the tests.
#include "dialogs/dialog_template_reader.h"

#include <cwctype>

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n,
                        nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n);
    return out;
}

namespace {

class Cursor {
public:
    Cursor(const BYTE* data, size_t size) : data_(data), size_(size) {}
    bool Word(WORD* w) {
        if (pos_ + 2 > size_) return false;
        *w = static_cast<WORD>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool Dword(DWORD* d) {
        WORD lo, hi;
        if (!Word(&lo) || !Word(&hi)) return false;
        *d = lo | (static_cast<DWORD>(hi) << 16);
        return true;
    }
    bool Short(short* s) {
        WORD w;
        if (!Word(&w)) return false;
        *s = static_cast<short>(w);
        return true;
    }
    bool String(std::wstring* s) {
        s->clear();
        for (;;) {
            WORD w;
            if (!Word(&w)) return false;
            if (w == 0) return true;
            s->push_back(static_cast<wchar_t>(w));
        }
    }
    // A name or an ordinal (0xFFFF then the number); *ordinal -1 for a name.
    bool NameOrOrdinal(std::wstring* name, int* ordinal) {
        WORD w;
        *ordinal = -1;
        name->clear();
        if (!Word(&w)) return false;
        if (w == 0) return true;
        if (w == 0xFFFF) {
            WORD n;
            if (!Word(&n)) return false;
            *ordinal = n;
            return true;
        }
        pos_ -= 2;
        return String(name);
    }
    void AlignDword() { pos_ = (pos_ + 3) & ~static_cast<size_t>(3); }
    bool Skip(size_t n) {
        if (pos_ + n > size_) return false;
        pos_ += n;
        return true;
    }

private:
    const BYTE* data_;
    size_t size_;
    size_t pos_ = 0;
};

std::string ClassName(const std::wstring& name, int ordinal) {
    switch (ordinal) {
        case 0x80: return "BUTTON";
        case 0x81: return "EDIT";
        case 0x82: return "STATIC";
        case 0x83: return "LISTBOX";
        case 0x84: return "SCROLLBAR";
        case 0x85: return "COMBOBOX";
        default: break;
    }
    if (ordinal >= 0) return "#" + std::to_string(ordinal);
    std::wstring upper;
    for (wchar_t c : name) upper.push_back(static_cast<wchar_t>(std::towupper(c)));
    return ToUtf8(upper);
}

}  // namespace

bool ReadDialogTemplate(HMODULE module, const char* name, WORD language, DialogTemplate* out,
                        std::string* error) {
    HRSRC found = FindResourceExA(module, RT_DIALOG, name, language);
    if (!found) {
        *error = std::string("no dialog resource ") + name;
        return false;
    }
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* data = static_cast<const BYTE*>(LockResource(loaded));
    DWORD size = SizeofResource(module, found);
    if (!data || size < 18) {
        *error = "resource could not be loaded";
        return false;
    }
    Cursor c(data, size);
    WORD count = 0;
    std::wstring text;
    int ordinal = -1;
    *out = DialogTemplate();
    bool ok = c.Dword(&out->style) && c.Dword(&out->exStyle) && c.Word(&count) &&
              c.Short(&out->x) && c.Short(&out->y) && c.Short(&out->cx) && c.Short(&out->cy);
    if (ok && (out->style >> 16) == 0xFFFF) {
        *error = "extended template, expected the classic form";
        return false;
    }
    ok = ok && c.NameOrOrdinal(&text, &ordinal);  // menu
    ok = ok && c.NameOrOrdinal(&text, &ordinal);  // window class
    ok = ok && c.String(&text);
    out->caption = ToUtf8(text);
    if (ok && (out->style & DS_SETFONT)) {
        ok = c.Word(&out->fontSize) && c.String(&text);
        out->fontName = ToUtf8(text);
    }
    for (WORD i = 0; ok && i < count; ++i) {
        TemplateItem item;
        c.AlignDword();
        ok = c.Dword(&item.style) && c.Dword(&item.exStyle) && c.Short(&item.x) &&
             c.Short(&item.y) && c.Short(&item.cx) && c.Short(&item.cy) && c.Word(&item.id);
        std::wstring cls;
        int classOrdinal = -1;
        ok = ok && c.NameOrOrdinal(&cls, &classOrdinal) && c.NameOrOrdinal(&text, &ordinal);
        item.className = ClassName(cls, classOrdinal);
        item.text = ordinal >= 0 ? "#" + std::to_string(ordinal) : ToUtf8(text);
        WORD extra = 0;
        ok = ok && c.Word(&extra) && c.Skip(extra);
        if (ok) out->items.push_back(item);
    }
    if (!ok) *error = "template truncated";
    return ok;
}
