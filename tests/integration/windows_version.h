// What the running system is, as the tests know it from the versions of
// Windows themselves (not from the program's code).
#pragma once
#include <windows.h>

#include <string>

namespace winver {

enum class NewMenuForm { Data, File, Unknown };

struct Known {
    DWORD platform, major, minor;
    NewMenuForm form;
    const char* name;
};

// The Windows versions and the New-menu entry each of them understands:
// Windows 95, 98 and NT 4.0 take the template bytes as "Data"; Me, 2000 and
// later a template file.
inline const Known* Running(OSVERSIONINFOA* out = nullptr) {
    static const Known known[] = {
        {1, 4, 0, NewMenuForm::Data, "Windows 95"},    {1, 4, 10, NewMenuForm::Data, "Windows 98"},
        {1, 4, 90, NewMenuForm::File, "Windows Me"},   {2, 4, 0, NewMenuForm::Data, "Windows NT 4.0"},
        {2, 5, 0, NewMenuForm::File, "Windows 2000"},  {2, 5, 1, NewMenuForm::File, "Windows XP"},
        {2, 5, 2, NewMenuForm::File, "Windows 2003"},  {2, 6, 0, NewMenuForm::File, "Windows Vista"},
        {2, 6, 1, NewMenuForm::File, "Windows 7"},     {2, 6, 2, NewMenuForm::File, "Windows 8"},
        {2, 6, 3, NewMenuForm::File, "Windows 8.1"},   {2, 10, 0, NewMenuForm::File, "Windows 10"},
    };
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    if (out) *out = version;
    for (const Known& k : known)
        if (k.platform == version.dwPlatformId && k.major == version.dwMajorVersion &&
            k.minor == version.dwMinorVersion)
            return &k;
    return nullptr;
}

inline std::string Describe() {
    OSVERSIONINFOA v;
    const Known* k = Running(&v);
    return std::string(k ? k->name : "unknown") + " (platform " + std::to_string(v.dwPlatformId) +
           ", " + std::to_string(v.dwMajorVersion) + "." + std::to_string(v.dwMinorVersion) + ")";
}

inline bool IsNtFamily() {
    OSVERSIONINFOA v;
    Running(&v);
    return v.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

inline NewMenuForm Form() {
    const Known* k = Running();
    return k ? k->form : NewMenuForm::Unknown;
}

}  // namespace winver
