// The setup dialog's check boxes and the settings record.
#include "integration/settings_dialog_mapping.h"

namespace {

constexpr int kFirstOptionFlag = FLAG_DESKTOP_LINK;
constexpr int kOptionCount = FLAG_MENU_ICONS - FLAG_DESKTOP_LINK + 1;

void SetCheck(HWND dialog, int id, unsigned char flag) {
    CheckDlgButton(dialog, id, flag ? BST_CHECKED : BST_UNCHECKED);
}

unsigned char GetCheck(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED ? 1 : 0;
}

}  // namespace

void SettingsToDialog(HWND dialog, const IntegrationSettings& settings) {
    for (int i = 0; i < kArchiveTypeCount; ++i)
        SetCheck(dialog, kFirstTypeCheckBox + i, settings.flags[i]);
    for (int j = 0; j < kOptionCount; ++j)
        SetCheck(dialog, kFirstOptionCheckBox + j, settings.flags[kFirstOptionFlag + j]);
    bool shell = settings.flags[FLAG_SHELL_INTEGRATION] != 0;
    EnableDialogControl(dialog, kCascadedMenuCheckBox, shell);
    EnableDialogControl(dialog, kMenuIconsCheckBox, shell);
}

void SettingsFromDialog(HWND dialog, IntegrationSettings& settings) {
    for (int i = 0; i < kArchiveTypeCount; ++i)
        settings.flags[i] = GetCheck(dialog, kFirstTypeCheckBox + i);
    for (int j = 0; j < kOptionCount; ++j)
        settings.flags[kFirstOptionFlag + j] = GetCheck(dialog, kFirstOptionCheckBox + j);
}

void SelectAllArchiveTypes(HWND dialog) {
    for (int i = 0; i < kArchiveTypeCount; ++i)
        CheckDlgButton(dialog, kFirstTypeCheckBox + i, BST_CHECKED);
}

void EnableDialogControl(HWND dialog, int id, bool enable) {
    HWND control = GetDlgItem(dialog, id);
    if (control) EnableWindow(control, enable ? TRUE : FALSE);
}
