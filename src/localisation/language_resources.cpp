// The language file: reading it through File, the direction, and the
// localisation of dialogs.
#include "localisation/language_resources.h"

#include <cstring>

#include "foundation/bounded_text.h"
#include "foundation/file.h"
#include "foundation/path_text.h"
#include "foundation/platform.h"
#include "localisation/dialog_scale.h"
#include "localisation/ext_resource.h"

namespace {
constexpr int kPathBufferSize = 1024;
constexpr int kWindowTextSize = 1024;
constexpr int kScaleEntrySize = 512;
constexpr int kMaxChildren = 512;

// Reads the language file through File for the store.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(File& file) : TheFile(file) {}
    int Read(void* buffer, int count) override { return TheFile.Read(buffer, count); }
    long long Tell() override { return TheFile.Tell(); }
    void Seek(long long position) override { TheFile.Seek(position, FILE_BEGIN); }

private:
    File& TheFile;
};

bool HasBackslash(const char* text) {
    for (const char* p = text; *p != '\0'; p = NextCharPos(p)) {
        if (*p == '\\') return true;
    }
    return false;
}

// The full path of the language file: a bare name lives beside the program.
bool LanguageFilePath(const char* fileName, char* path) {
    if (HasBackslash(fileName)) return CopyText(path, kPathBufferSize, fileName);
    DWORD n = GetModuleFileNameA(nullptr, path, kPathBufferSize);
    if (n == 0 || n >= static_cast<DWORD>(kPathBufferSize)) return false;
    char* lastBackslash = nullptr;
    for (char* p = path; *p != '\0'; p = NextCharPos(p)) {
        if (*p == '\\') lastBackslash = p;
    }
    if (lastBackslash == nullptr) return false;
    lastBackslash[1] = '\0';
    return AppendText(path, kPathBufferSize, fileName);
}
}  // namespace

void LanguageResources::Init(const char* fileName) {
    Load(fileName);
    DetectDirection();
}

bool LanguageResources::Load(const char* fileName) {
    Store.Clear();
    char path[kPathBufferSize];
    if (!LanguageFilePath(fileName, path)) return false;
    File file;   // closed when it goes out of scope
    if (!file.Open(path, nullptr, false, true)) return false;
    FileByteSource source(file);
    return Store.Load(source);
}

void LanguageResources::DetectDirection() {
    if (FindResourceA(ResourceModule(), "RTL", MAKEINTRESOURCEA(5)) != nullptr) {
        RightToLeftLayout = true;
        return;
    }
    char direction[kWindowTextSize];
    Translate(direction, "LTR", "LTR", kWindowKind, sizeof direction);
    RightToLeftLayout = strcmp(direction, "RTL") == 0;
}

void LanguageResources::Translate(char* dest, const char* source, const char* context, int kind,
                                  size_t destSize) {
    Store.Translate(dest, destSize, source, context, kind);
}

bool LanguageResources::GetDialogScale(const char* name, int& width, int& height) {
    char entry[kScaleEntrySize];
    Translate(entry, "", name, kWindowKind, sizeof entry);
    DialogScale scale = ParseDialogScale(entry);
    width = scale.width;
    height = scale.height;
    return scale.scaled;
}

void LanguageResources::MirrorWindow(HWND window) {
    if (!RightToLeftLayout) return;
    LONG style = GetWindowLongA(window, GWL_EXSTYLE);
    SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYOUTRTL);
}

void LanguageResources::LocaliseDialog(const char* name, HWND dialog) {
    int sx = 100, sy = 100;
    bool scaled = GetDialogScale(name, sx, sy);

    RECT w = {}, c = {};
    GetWindowRect(dialog, &w);
    GetClientRect(dialog, &c);
    // The +1 terms belong to the measure the stored scale entries were made for.
    long long fw = (static_cast<long long>(w.right) - w.left + 1) - c.right;
    long long fh = (static_cast<long long>(w.bottom) - w.top + 1) - c.bottom;
    if (scaled) {
        SetWindowPos(dialog, nullptr, 0, 0, ClampToInt(ScaleLength(c.right, sx) + fw),
                     ClampToInt(ScaleLength(c.bottom, sy) + fh),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    }

    char text[kWindowTextSize];
    text[0] = '\0';
    GetWindowTextA(dialog, text, sizeof text);
    Translate(text, text, name, kWindowKind, sizeof text);
    SetWindowTextA(dialog, text);

    fh -= GetSystemMetrics(SM_CYDLGFRAME);
    // In a mirrored dialog a child's horizontal place counts from the right
    // edge, and the children moved with that edge when the dialog was resized
    // above: measure them from the dialog's right edge as it is now.
    bool mirrored = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    RECT now = w;
    if (mirrored) GetWindowRect(dialog, &now);
    HWND first = GetWindow(dialog, GW_CHILD);
    HWND child = first;
    for (int handled = 0; child != nullptr && handled < kMaxChildren; ++handled) {
        text[0] = '\0';
        GetWindowTextA(child, text, sizeof text);
        if (text[0] != '\0') {
            Translate(text, text, name, kWindowKind, sizeof text);
            SetWindowTextA(child, text);
        }
        if (scaled) {
            RECT r = {};
            GetWindowRect(child, &r);
            long long fromEdge = mirrored ? static_cast<long long>(now.right) - r.right
                                          : static_cast<long long>(r.left) - w.left;
            int left = ScaleLength(fromEdge - fw / 2, sx);
            int top = ScaleLength(static_cast<long long>(r.top) - w.top - fh, sy);
            int width = ScaleLength(static_cast<long long>(r.right) - r.left + 1, sx);
            int height = ScaleLength(static_cast<long long>(r.bottom) - r.top + 1, sy);
            char className[kWindowTextSize];
            className[0] = '\0';
            GetClassNameA(child, className, sizeof className);
            LONG style = GetWindowLongA(child, GWL_STYLE);
            if (CompareNoCase(className, "COMBOBOX") == 0 && (style & 3) != CBS_SIMPLE) {
                RECT d = {};
                SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&d));
                height = ClampToInt(static_cast<long long>(height) +
                                    ScaleLength(static_cast<long long>(d.bottom) - d.top + 1, sy));
            }
            SetWindowPos(child, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
        child = GetWindow(child, GW_HWNDNEXT);
        if (child == first) break;
    }
}

LanguageResources& TheLanguageResources() {
    // Constructed on first use, after the language library object.
    static LanguageResources object;
    return object;
}
