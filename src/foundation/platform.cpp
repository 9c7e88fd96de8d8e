// The platform switch and small Windows text helpers.
#include "foundation/platform.h"

namespace {
// The platform cache: -1 until the system has been asked.
int g_platformId = -1;
DWORD g_majorVersion = 0;
}  // namespace

DWORD NtMajorVersion() {
    if (g_platformId == -1) {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof info;   // 148
        if (GetVersionExA(&info)) {
            g_platformId = static_cast<int>(info.dwPlatformId);
            g_majorVersion = info.dwMajorVersion;
        } else {
            // Not expected; taken as "not NT" and not asked again.
            g_platformId = 0;
            g_majorVersion = 0;
        }
    }
    return g_platformId == VER_PLATFORM_WIN32_NT ? g_majorVersion : 0;
}

int CompareNoCase(const char* a, const char* b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, a, -1, b, -1) -
           2;
}

void CopyWide(wchar_t* dst, const wchar_t* src) {
    while ((*dst++ = *src++) != L'\0') {
    }
}

bool CopyWideBounded(wchar_t* dst, size_t size, const wchar_t* src) {
    if (size == 0) return false;
    size_t i = 0;
    for (; i + 1 < size && src[i] != L'\0'; ++i) dst[i] = src[i];
    dst[i] = L'\0';
    return src[i] == L'\0';
}

bool WideToAnsi(const wchar_t* wide, char* out, int size) {
    return WideCharToMultiByte(CP_ACP, 0, wide, -1, out, size, nullptr, nullptr) != 0;
}

bool FileExistsDual(const char* ansiName, const wchar_t* wideName) {
    DWORD attributes;
    if (NtMajorVersion() != 0 && wideName != nullptr && wideName[0] != L'\0') {
        attributes = GetFileAttributesW(wideName);
    } else {
        if (ansiName == nullptr) return false;
        attributes = GetFileAttributesA(ansiName);
    }
    return attributes != INVALID_FILE_ATTRIBUTES;
}
