// The uninstallation: run by the entry point when no switch counted.
#pragma once

// Removes the installation as the installer's list names it, then hands over
// to the self-removal script.
void RunUninstall();
