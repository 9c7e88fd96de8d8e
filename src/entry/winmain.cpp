// The program's entry point: start-up, the switches, the dispatch to setup or
// uninstallation, shut-down.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include "dialogs/completion_dialog.h"
#include "dialogs/setup_dialog.h"
#include "entry/manual_deletion.h"
#include "entry/process_state.h"
#include "entry/switch_scan.h"
#include "entry/system_library.h"
#include "foundation/scoped_handles.h"
#include "localisation/ext_resource.h"
#include "localisation/language_resources.h"
#include "uninstall/uninstall_driver.h"

namespace {

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};
struct FontTraits {
    using Handle = HFONT;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};

void RunSwitchAction(SwitchAction action, void*) {
    switch (action) {
    case SwitchAction::Wait:
        Sleep(2000);   // lets the self-removal script's caller end first
        break;
    case SwitchAction::Warning:
        ShowManualDeletionMessage();
        break;
    }
}

// A dialog from ResourceModule; true only when it ended with a nonzero result
// (a failure to create it, -1, is not a confirmation).
bool RunDialog(const char* templateName, DLGPROC procedure) {
    INT_PTR result = DialogBoxParamA(ResourceModule(), templateName, nullptr, procedure, 0);
    return result != 0 && result != -1;
}

void RunSetup() {
    if (!RunDialog("SETUPDLG", SetupDialogProc)) return;
    RunDialog("DONEDLG", CompletionDialogProc);
    const char* group = ProgramGroupPath();
    if (group[0] != '\0' && !SilentMode()) {
        ShellExecuteA(nullptr, "open", group, nullptr, "", SW_SHOWNORMAL);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    TheExtResource().Load(instance, nullptr);
    TheLanguageResources().Init("uninstall.lng");
    HRESULT ole = OleInitialize(nullptr);
    // The setup dialog's text panel is a rich edit control of this library;
    // taken from the system folder only, never from beside the program.
    ScopedHandle<ModuleTraits> richEdit(LoadSystemLibrary("riched32.dll"));
    ScopedHandle<IconTraits> icon(static_cast<HICON>(
        LoadImageA(ResourceModule(), "LVXICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    SetDialogIcon(icon.Get());
    ScopedHandle<FontTraits> font(CreateFontA(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                              GB2312_CHARSET, 0, 0, 0, 0, "MS Sans Serif"));
    SetBoldFont(font.Get());

    SwitchScan scan = ScanSwitches(commandLine, RunSwitchAction, nullptr);
    if (scan.silent) SetSilentMode(true);

    switch (JobAfterScan(scan)) {
    case Job::Setup:
        RunSetup();
        break;
    case Job::Uninstall:
        RunUninstall();
        break;
    case Job::None:
        break;
    }

    richEdit.Reset();
    if (SUCCEEDED(ole)) OleUninitialize();
    SetBoldFont(nullptr);
    font.Reset();
    SetDialogIcon(nullptr);
    icon.Reset();
    return 0;
}
