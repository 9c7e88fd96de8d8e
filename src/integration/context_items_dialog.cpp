// The context menu items dialog.
#include "integration/context_items_dialog.h"

#include "foundation/registry.h"
#include "localisation/dialog_pre_handler.h"
#include "localisation/ext_resource.h"

const char kMenuItemsKey[] = "Setup\\MenuItems";

const ContextMenuItem ContextMenuItems[kContextMenuItemCount] = {
    {"ExtrTo", 101, 1},   {"ExtrHere", 102, 1}, {"Extr", 103, 1},
    {"ExtrSep", 104, 1},  {"OpenSFX", 105, 1},  {"AddTo", 106, 1},
    {"AddArc", 107, 1},   {"EmailArc", 108, 1}, {"EmailOpt", 109, 1},
    {"Test", 110, 0},     {"Convert", 111, 0},
};

namespace {
const char kTemplateName[] = "CONTEXTITEMS";
}  // namespace

INT_PTR ShowContextItemsDialog(HWND parent) {
    return DialogBoxParamA(ResourceModule(), kTemplateName, parent, ContextItemsDialogProc, 0);
}

INT_PTR CALLBACK ContextItemsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    DialogPreHandler(dialog, message, wParam, kContextItemsDialogHelpContext, kTemplateName);
    switch (message) {
    case WM_INITDIALOG:
        for (const ContextMenuItem& item : ContextMenuItems) {
            DWORD on = GetSettingDword(kMenuItemsKey, item.valueName, item.defaultOn);
            // The stored number is the check state itself.
            CheckDlgButton(dialog, item.checkBox, on);
        }
        return TRUE;
    case WM_HELP:
        return TRUE;   // the pre-handler has opened the help
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            for (const ContextMenuItem& item : ContextMenuItems) {
                DWORD on = IsDlgButtonChecked(dialog, item.checkBox) == BST_CHECKED ? 1 : 0;
                WriteSettingDword(kMenuItemsKey, item.valueName, on);
            }
            EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}
