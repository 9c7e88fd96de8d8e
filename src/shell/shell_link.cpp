// Shell link files written through the shell's link object.
#include "shell/shell_link.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include "shell/com_ptr.h"

namespace {
// The link object and its interfaces, as the system publishes them.
const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000,
                               {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkAInterface = {0x000214EE, 0x0000, 0x0000,
                                  {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFileInterface = {0x0000010B, 0x0000, 0x0000,
                                   {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

constexpr int kWidePathUnits = 260;
}  // namespace

bool CreateShortcut(const char* target, const char* linkPath, const char* description) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER,
                                kShellLinkAInterface, link.PutVoid())) ||
        !link) {
        return false;
    }
    link->SetPath(target);
    if (description) link->SetDescription(description);

    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(kPersistFileInterface, file.PutVoid())) || !file) return false;

    // A name that does not fit is refused rather than saved cut.
    wchar_t widePath[kWidePathUnits];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, kWidePathUnits) == 0) return false;
    return SUCCEEDED(file->Save(widePath, TRUE));
}
