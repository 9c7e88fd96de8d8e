// The setup dialog.
#include "dialogs/setup_dialog.h"

#include <richedit.h>

#include "dialogs/silent_dialog.h"
#include "entry/process_state.h"
#include "integration/context_items_dialog.h"
#include "integration/integration_settings.h"
#include "integration/integration_steps.h"
#include "integration/settings_dialog_mapping.h"
#include "localisation/dialog_pre_handler.h"

namespace {

const char kTemplateName[] = "SETUPDLG";
constexpr int kExplanationPanel = 5122;
constexpr int kSelectAllButton = 5121;
constexpr int kContextItemsButton = 5123;

void Initialise(HWND dialog) {
    IntegrationSettings settings = {};
    LoadIntegrationSettings(settings);
    SettingsToDialog(dialog, settings);
    SetForegroundWindow(dialog);
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(DialogIcon()));
    SendDlgItemMessageA(dialog, kExplanationPanel, EM_SETBKGNDCOLOR, 0,
                        static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
    if (SilentMode()) SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
}

void Confirm(HWND dialog) {
    IntegrationSettings settings = {};
    SettingsFromDialog(dialog, settings);
    SaveIntegrationSettings(settings);
    ApplyIntegration(settings, ProgramGroupPath());
    RegisterUninstallEntry();
    EndDialog(dialog, 1);
}

// Keeps the two shell sub-options enabled exactly while 5118 is checked.
void FollowShellIntegration(HWND dialog) {
    IntegrationSettings scratch = {};
    SettingsFromDialog(dialog, scratch);
    SettingsToDialog(dialog, scratch);
}

}  // namespace

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogPreHandler(dialog, message, wParam, kSetupDialogHelpContext, kTemplateName);
    KeepHiddenWhenSilent(message, lParam);
    switch (message) {
    case WM_INITDIALOG:
        Initialise(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            Confirm(dialog);
            break;
        case IDCANCEL:
            EndDialog(dialog, 0);
            break;
        case kShellIntegrationCheckBox:
            FollowShellIntegration(dialog);
            break;
        case kSelectAllButton:
            SelectAllArchiveTypes(dialog);
            break;
        case kContextItemsButton:
            ShowContextItemsDialog(dialog);
            break;
        default:
            break;
        }
        return TRUE;
    default:
        return FALSE;
    }
}
