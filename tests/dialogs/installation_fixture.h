// The installation the dialog tests run the real program in: uninstall.exe
// and the stand-in Lumvex.exe in the test's own folder, an installation
// folder that is the program's current folder (with its own stand-in
// archiver, licence text and order page), and a stand-in handler that records
// every document, address and folder the shell is asked to open.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

extern const char kUninstallEntryKey[];   // under HKEY_LOCAL_MACHINE
extern const char kAppPathEntryKey[];     // under HKEY_LOCAL_MACHINE

// The test's folder (where the runner put uninstall.exe), with a backslash.
std::string TestFolder();
// The folder the program is started in, with a backslash.
std::string InstalledFolder();
// Creates the folders, copies the stand-ins and registers the recording
// handler for .txt, .htm, https addresses and folders. True on success.
bool PrepareInstallation();
// Removes the records of started programs and opened documents.
void ClearRecords();
// Command lines with which the installed stand-in archiver was started.
std::vector<std::string> ArchiverStarts();
// Command lines of the recording handler: what the shell opened.
std::vector<std::string> ShellOpens();
// Waits (pumping messages) until the list has at least count lines.
std::vector<std::string> WaitForLines(std::vector<std::string> (*read)(), size_t count,
                                      DWORD limitMs = 15000);

// The check box ids 5101..5120 in order, and their states in a dialog.
std::vector<int> SetupCheckBoxes();
// Stored choices, read back from the settings key: "Set" of each archive
// type, then Desktop, StartMenu, Programs, ShellExt, CascadedMenu, MenuIcons.
// -1 for a value that is missing.
std::vector<int> StoredChoices();
// Removes the stored choices, the uninstall and application path entries and
// the association of .lvx, so that a test sees only what its run did.
void ResetProgramState();
