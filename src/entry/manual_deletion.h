// The manual-deletion message of the switch "warning": the uninstallation is
// finished, and the program file must be deleted by hand.
#pragma once
#include <cstddef>

constexpr size_t kManualDeletionMessageSize = 512;

// Writes MessageText(MSG_UNINSTALL_DONE), a line feed, then the checked
// format of MSG_DELETE_MANUALLY with programPath as its one argument into out
// (size bytes). Never overflows: a long path is cut, never inside a
// double-byte character. True when nothing was cut.
bool ComposeManualDeletionMessage(char* out, size_t size, const char* programPath);

// Shows the message for the program's own path (module file name) in a box
// with no owner, caption MessageText(MSG_UNINSTALL_CAPTION), an information
// icon, brought to the foreground. Returns when the box is closed; shown
// whether or not the program is silent.
void ShowManualDeletionMessage();
