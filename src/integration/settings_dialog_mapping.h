// Moves the integration choices between a settings record and the check boxes
// of the setup dialog: archive types 5101 to 5114 (flags 0 to 13), shortcut
// and shell options 5115 to 5120 (flags 20 to 25).
#pragma once
#include <windows.h>

#include "integration/integration_settings.h"

// Check box ids of the setup dialog.
constexpr int kFirstTypeCheckBox = 5101;     // + archive type index, 0..13
constexpr int kFirstOptionCheckBox = 5115;   // + flag - 20, flags 20..25
constexpr int kShellIntegrationCheckBox = 5118;
constexpr int kCascadedMenuCheckBox = 5119;
constexpr int kMenuIconsCheckBox = 5120;

// Sets check boxes 5101..5114 and 5115..5120 from the record, then enables
// 5119 and 5120 when flag 23 is on and disables them when it is off. A
// disabled check box keeps its check mark.
void SettingsToDialog(HWND dialog, const IntegrationSettings& settings);

// Fills flags 0..13 and 20..25 from the check boxes (1 checked, else 0),
// disabled ones included; flags 14..19 are left as they are.
void SettingsFromDialog(HWND dialog, IntegrationSettings& settings);

// Checks the fourteen archive type check boxes; unchecks nothing and leaves
// the other check boxes alone.
void SelectAllArchiveTypes(HWND dialog);

// Enables or disables the dialog's control with that id (nothing when the
// dialog has no such control).
void EnableDialogControl(HWND dialog, int id, bool enable);
