// The context menu items dialog (template CONTEXTITEMS): which of eleven
// commands the archiver's shell extension shows in the Explorer context menu.
// The choices are stored in the settings key, Setup\MenuItems, one REG_DWORD
// per item (1 shown, 0 hidden); nothing in this program acts on them.
#pragma once
#include <windows.h>

constexpr int kContextMenuItemCount = 11;
extern const char kMenuItemsKey[];   // "Setup\\MenuItems" below the settings key

struct ContextMenuItem {
    const char* valueName;
    int checkBox;      // 101..111
    DWORD defaultOn;   // used when the value is missing or unreadable
};

// The eleven items in their fixed order.
extern const ContextMenuItem ContextMenuItems[kContextMenuItemCount];

// Runs the dialog modally from the template of ResourceModule() with the given
// parent. Returns 1 after OK (all eleven values were written), 0 after Cancel
// (nothing was written); -1 when the dialog could not be created.
INT_PTR ShowContextItemsDialog(HWND parent);

// The dialog procedure: TRUE for handled messages, FALSE otherwise.
INT_PTR CALLBACK ContextItemsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
