// A registry sandbox for tests: HKEY_CLASSES_ROOT, HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE are redirected (RegOverridePredefKey) to scratch keys
// under the real HKEY_CURRENT_USER\Software\LumvexTests\<process id>, for the
// lifetime of the object. The override does not cover the 64-bit view
// (KEY_WOW64_64KEY): such tests need a prefix of their own.
#pragma once
#include <windows.h>

#include <cstdio>

class RegistrySandbox {
public:
    RegistrySandbox() {
        snprintf(base_, sizeof base_, "Software\\LumvexTests\\%lu",
                 static_cast<unsigned long>(GetCurrentProcessId()));
        RegDeleteTreeA(HKEY_CURRENT_USER, base_);
        ok_ = Redirect(HKEY_CLASSES_ROOT, "hkcr", &hkcr_) &&
              Redirect(HKEY_CURRENT_USER, "hkcu", &hkcu_) &&
              Redirect(HKEY_LOCAL_MACHINE, "hklm", &hklm_);
    }
    ~RegistrySandbox() {
        RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        for (HKEY k : {hkcr_, hkcu_, hklm_}) {
            if (k != nullptr) RegCloseKey(k);
        }
        RegDeleteTreeA(HKEY_CURRENT_USER, base_);
        // Only when empty; on the 9x family RegDeleteKeyA deletes subkeys too,
        // which would take the sandboxes of parallel test processes with it.
        if (GetVersion() < 0x80000000u) RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LumvexTests");
    }
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    bool ok() const { return ok_; }

    // The scratch key that stands for a root (handles stay valid while the
    // override is in place; they bypass it).
    HKEY Scratch(HKEY root) const {
        if (root == HKEY_CLASSES_ROOT) return hkcr_;
        if (root == HKEY_CURRENT_USER) return hkcu_;
        if (root == HKEY_LOCAL_MACHINE) return hklm_;
        return nullptr;
    }

private:
    bool Redirect(HKEY root, const char* name, HKEY* scratch) {
        char path[128];
        snprintf(path, sizeof path, "%s\\%s", base_, name);
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, scratch, nullptr) != ERROR_SUCCESS) {
            *scratch = nullptr;
            return false;
        }
        return RegOverridePredefKey(root, *scratch) == ERROR_SUCCESS;
    }

    char base_[96] = {};
    HKEY hkcr_ = nullptr;
    HKEY hkcu_ = nullptr;
    HKEY hklm_ = nullptr;
    bool ok_ = false;
};
