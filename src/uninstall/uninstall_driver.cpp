// Temporary: the uninstallation arrives with the uninstall driver; until then
// the entry point links against this empty one.
#include "uninstall/uninstall_driver.h"

void RunUninstall() {}
