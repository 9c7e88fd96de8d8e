// Reading and writing shell link files for tests.
#include "support/shell_link_reader.h"

#include <windows.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

namespace {
std::wstring Wide(const std::string& text) {
    wchar_t buffer[1024];
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, 1024);
    return n > 0 ? std::wstring(buffer) : std::wstring();
}

// Owns the link object and its file interface.
struct Link {
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    Link() {
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&link))) &&
            FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            file = nullptr;
        }
    }
    ~Link() {
        if (file) file->Release();
        if (link) link->Release();
    }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;
};
}  // namespace

LinkContent ReadShellLink(const std::string& path) {
    LinkContent content;
    Link l;
    if (!l.file || FAILED(l.file->Load(Wide(path).c_str(), STGM_READ))) return content;
    content.loaded = true;
    char text[1024] = "";
    if (SUCCEEDED(l.link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) content.target = text;
    text[0] = '\0';
    if (SUCCEEDED(l.link->GetDescription(text, sizeof text))) content.description = text;
    return content;
}

bool WriteShellLink(const std::string& path, const std::string& target, const std::string& description) {
    Link l;
    if (!l.file) return false;
    l.link->SetPath(target.c_str());
    l.link->SetDescription(description.c_str());
    return SUCCEEDED(l.file->Save(Wide(path).c_str(), TRUE));
}
