// The uninstallation job: run when the command line holds no operation switch.
#pragma once

// Works in the program's own folder (made the current directory): asks for
// confirmation unless silent, opens Uninstall.lst (an error box and nothing
// changed when it cannot be opened), undoes the integration, releases the
// language library, deletes the help index files, deletes every file and
// removes every folder the list names in passes until a pass removes nothing
// (files in use are renamed to a free "name.N.tmp" and scheduled for deletion
// at the next restart; when even that fails their own path is scheduled and
// the restart message is shown, also when silent), deletes the list and
// starts the self-removal script. Entries that would leave the folder are
// skipped. Leaves the current directory set to the program's folder when it
// starts the script, and changes nothing when it ends before opening the list.
void RunUninstall();
