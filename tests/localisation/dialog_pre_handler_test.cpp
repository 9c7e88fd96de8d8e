// The dialog pre-handler on a test dialog of our own: translation, the scale
// entry applied to the dialog and its direct children, the right-to-left
// layout before the controls exist, and help on F1 and the Help button.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "localisation/dialog_pre_handler.h"
#include "localisation/language_resources.h"
#include "test_files.h"

namespace {

const int kChildIds[] = {100, 101, 102, 103, 104, IDOK, 9};

struct Observed {
    bool setFont = false;
    bool rightToLeftAtSetFont = false;
    bool childrenAtSetFont = false;
};
Observed observed;
int helpContext = 0;
const char* dialogName = "TESTDLG";

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    DialogPreHandler(dialog, message, wParam, helpContext, dialogName);
    if (message == WM_SETFONT) {
        observed.setFont = true;
        observed.rightToLeftAtSetFont = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
        observed.childrenAtSetFont = GetWindow(dialog, GW_CHILD) != nullptr;
    }
    return message == WM_INITDIALOG;
}

struct HelpCall {
    HWND window;
    std::string file;
    UINT command;
    ULONG_PTR data;
};
std::vector<HelpCall> helpCalls;
BOOL WINAPI RecordHelp(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
    helpCalls.push_back({window, file, command, data});
    return TRUE;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Creates the test dialog with the language file text loaded (or no file).
class TestDialog {
public:
    TestDialog(const std::string& languageFile, const char* templateName = "TESTDLG", int context = 0) {
        ScratchFolder& folder = Folder();
        TheLanguageResources().Init(
            (languageFile.empty() ? folder.Path() + "\\none.lng" : folder.Write("uninstall.lng", languageFile))
                .c_str());
        observed = Observed();
        helpContext = context;
        dialogName = templateName;
        Window = CreateDialogParamA(GetModuleHandleA(nullptr), templateName, nullptr, TestDialogProc, 0);
        Pump();
    }
    ~TestDialog() {
        DestroyWindow(Window);
        Pump();
        TheLanguageResources().Init((Folder().Path() + "\\none.lng").c_str());
    }
    HWND Get() const { return Window; }

    static ScratchFolder& Folder() {
        static ScratchFolder folder;
        return folder;
    }

private:
    HWND Window;
};

std::string Text(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string Entry(const char* text, const char* translation) {
    char key[9];
    TranslationKey(key, text, "TESTDLG", 1);
    return std::string(key) + "=\"" + translation + "\"\r\n";
}

struct Geometry {
    RECT window;
    RECT client;
    RECT children[7];   // screen rectangles, in the order of kChildIds
    RECT dropped[7];    // CB_GETDROPPEDCONTROLRECT of the combo boxes
};

Geometry Measure(HWND dialog) {
    Geometry g = {};
    GetWindowRect(dialog, &g.window);
    GetClientRect(dialog, &g.client);
    for (int i = 0; i < 7; ++i) {
        HWND child = GetDlgItem(dialog, kChildIds[i]);
        GetWindowRect(child, &g.children[i]);
        SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&g.dropped[i]));
    }
    return g;
}

std::string Show(const RECT& r) {
    char text[80];
    snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

TEST(DialogPreHandler, TranslatesCaptionAndControlTexts) {
    TestDialog dialog("***messages***\r\n" + Entry("Test dialog", "Dialogue d'essai") + Entry("Name", "Nom") +
                      Entry("Help", "Aide"));
    ASSERT_NE(dialog.Get(), nullptr);
    EXPECT_EQ(Text(dialog.Get()), "Dialogue d'essai");
    EXPECT_EQ(Text(GetDlgItem(dialog.Get(), 100)), "Nom");
    EXPECT_EQ(Text(GetDlgItem(dialog.Get(), 9)), "Aide");
    EXPECT_EQ(Text(GetDlgItem(dialog.Get(), IDOK)), "OK");   // no entry
}

TEST(DialogPreHandler, ScaleOfTheClientAreaAndEveryDirectChild) {
    Geometry before;
    {
        TestDialog plain("");
        ASSERT_NE(plain.Get(), nullptr);
        before = Measure(plain.Get());
    }
    char key[9];
    TranslationKey(key, "", "TESTDLG", 1);
    const int sx = 120, sy = 110;
    TestDialog scaled(std::string("***messages***\r\n") + key + "=\"120*110\"\r\n");
    Geometry after = Measure(scaled.Get());

    // The dialog keeps its place; its width is the client width scaled plus
    // the frame measured with its +1.
    const RECT& w = before.window;
    const RECT& c = before.client;
    int fw = (w.right - w.left + 1) - c.right;
    int fh = (w.bottom - w.top + 1) - c.bottom;
    EXPECT_EQ(after.window.left, w.left);
    EXPECT_EQ(after.window.top, w.top);
    EXPECT_EQ(after.window.right - after.window.left, c.right * sx / 100 + fw) << Show(after.window);
    EXPECT_EQ(after.window.bottom - after.window.top, c.bottom * sy / 100 + fh) << Show(after.window);
    EXPECT_EQ(after.client.right, c.right * sx / 100 + 1);
    EXPECT_EQ(after.client.bottom, c.bottom * sy / 100 + 1);

    fh -= GetSystemMetrics(SM_CYDLGFRAME);
    POINT origin = {0, 0};
    ClientToScreen(scaled.Get(), &origin);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE("control " + std::to_string(kChildIds[i]));
        const RECT& r = before.children[i];
        const RECT& a = after.children[i];
        int left = (r.left - w.left - fw / 2) * sx / 100;
        int top = (r.top - w.top - fh) * sy / 100;
        int width = (r.right - r.left + 1) * sx / 100;
        int height = (r.bottom - r.top + 1) * sy / 100;
        EXPECT_EQ(a.left - origin.x, left) << Show(r) << " became " << Show(a);
        EXPECT_EQ(a.top - origin.y, top) << Show(r) << " became " << Show(a);
        // Scaled about the client origin: no more than a pixel or two from
        // the old client position times the factor.
        EXPECT_NEAR(a.left - origin.x, (r.left - (w.left + (before.window.right - w.left - c.right) / 2)) * 1.2, 2);
        EXPECT_EQ(a.right - a.left, width) << Show(a);
        if (kChildIds[i] == 102) {
            // The drop-down combo box was given its list's scaled height as well.
            const RECT& d = before.dropped[i];
            int list = (d.bottom - d.top + 1) * sy / 100;
            // Its window keeps the height of its field; the rest of the height
            // it was given is its list.
            EXPECT_EQ(after.dropped[i].bottom - after.dropped[i].top + (a.bottom - a.top), height + list)
                << "dropped " << Show(after.dropped[i]) << " was " << Show(d) << ", field " << Show(a);
        } else {
            EXPECT_EQ(a.bottom - a.top, height) << Show(a);
        }
    }
}

// Mirrored and rescaled, the dialog is the mirror image of the rescaled one:
// each control lies as far from the right edge as it lay from the left.
TEST(DialogPreHandler, ScaleOfAMirroredDialog) {
    char key[9];
    TranslationKey(key, "", "TESTDLG", 1);
    Geometry ltr;
    {
        TestDialog scaled(std::string("***messages***\r\n") + key + "=\"120*110\"\r\n");
        ASSERT_NE(scaled.Get(), nullptr);
        ltr = Measure(scaled.Get());
    }
    TestDialog mirrored(std::string("***messages***\r\n") + key + "=\"120*110\"\r\n50a17ae8=\"RTL\"\r\n");
    ASSERT_NE(mirrored.Get(), nullptr);
    ASSERT_NE(GetWindowLongA(mirrored.Get(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
    Geometry rtl = Measure(mirrored.Get());
    EXPECT_EQ(rtl.window.right - rtl.window.left, ltr.window.right - ltr.window.left) << Show(rtl.window);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE("control " + std::to_string(kChildIds[i]));
        const RECT& l = ltr.children[i];
        const RECT& r = rtl.children[i];
        EXPECT_NEAR(rtl.window.right - r.right, l.left - ltr.window.left, 2)
            << "mirrored " << Show(r) << " in " << Show(rtl.window) << ", unmirrored " << Show(l) << " in "
            << Show(ltr.window);
        EXPECT_EQ(r.top - rtl.window.top, l.top - ltr.window.top) << Show(r);
        EXPECT_EQ(r.right - r.left, l.right - l.left) << Show(r);
    }
}

TEST(DialogPreHandler, ScaleOf100Times100ChangesNothing) {
    Geometry before;
    {
        TestDialog plain("");
        before = Measure(plain.Get());
    }
    char key[9];
    TranslationKey(key, "", "TESTDLG", 1);
    for (const char* entry : {"100*100", "120", ""}) {
        TestDialog same(std::string("***messages***\r\n") + key + "=\"" + entry + "\"\r\n");
        Geometry after = Measure(same.Get());
        EXPECT_TRUE(EqualRect(&after.window, &before.window)) << entry << ": " << Show(after.window);
        for (int i = 0; i < 7; ++i) {
            EXPECT_TRUE(EqualRect(&after.children[i], &before.children[i]))
                << entry << ", control " << kChildIds[i] << ": " << Show(after.children[i]);
        }
    }
}

TEST(DialogPreHandler, RightToLeftBeforeTheControlsExist) {
    {
        TestDialog rtl("***messages***\r\n50a17ae8=\"RTL\"\r\n");
        ASSERT_TRUE(TheLanguageResources().RightToLeft());
        ASSERT_TRUE(observed.setFont);
        EXPECT_TRUE(observed.rightToLeftAtSetFont);
        EXPECT_FALSE(observed.childrenAtSetFont);
        // The controls were created into a mirrored dialog and took its layout.
        EXPECT_NE(GetWindowLongA(GetDlgItem(rtl.Get(), 100), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
    }
    {
        TestDialog ltr("***messages***\r\n50a17ae8=\"rtl\"\r\n");
        EXPECT_TRUE(observed.setFont);
        EXPECT_FALSE(observed.rightToLeftAtSetFont);
        EXPECT_EQ(GetWindowLongA(ltr.Get(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
    }
    {
        // A template without a font gets no WM_SETFONT and stays left to right.
        TestDialog noFont("***messages***\r\n50a17ae8=\"RTL\"\r\n", "TESTNOFONT");
        ASSERT_NE(noFont.Get(), nullptr);
        EXPECT_FALSE(observed.setFont);
        EXPECT_EQ(GetWindowLongA(noFont.Get(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
    }
}

TEST(DialogPreHandler, HelpOnF1AndTheHelpButton) {
    HelpOpener previous = SetHelpOpener(RecordHelp);
    struct Case {
        int context;
        bool button;   // the Help button, else F1
        bool opens;
    } cases[] = {
        {kSetupDialogHelpContext, false, true},
        {kSetupDialogHelpContext, true, true},
        {kContextItemsDialogHelpContext, false, true},
        {kNoHelpContext, false, false},
        {kNoHelpContext, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("context " + std::to_string(c.context) + (c.button ? " button" : " F1"));
        TestDialog dialog("", "TESTDLG", c.context);
        helpCalls.clear();
        if (c.button) {
            SendMessageA(GetDlgItem(dialog.Get(), 9), BM_CLICK, 0, 0);
        } else {
            // F1 on a control of the dialog: the system turns it into WM_HELP.
            // F1 typed into the edit field: the system turns the key into
            // WM_HELP, which reaches the dialog.
            ShowWindow(dialog.Get(), SW_SHOW);
            SetForegroundWindow(dialog.Get());
            HWND edit = GetDlgItem(dialog.Get(), 101);
            SetFocus(edit);
            Pump();
            INPUT keys[2] = {};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof(INPUT));
            for (int i = 0; i < 20 && helpCalls.empty(); ++i) {
                Sleep(20);
                Pump();
            }
            EXPECT_EQ(GetFocus(), edit);
        }
        Pump();
        if (!c.opens) {
            EXPECT_TRUE(helpCalls.empty()) << helpCalls.size() << " calls";
            continue;
        }
        ASSERT_EQ(helpCalls.size(), 1u);
        EXPECT_EQ(helpCalls[0].window, dialog.Get());
        EXPECT_EQ(helpCalls[0].file, "lumvex.hlp");
        EXPECT_EQ(helpCalls[0].command, static_cast<UINT>(HELP_CONTEXT));
        EXPECT_EQ(helpCalls[0].data, static_cast<ULONG_PTR>(c.context));
    }
    SetHelpOpener(previous);
}

TEST(DialogPreHandler, AtMost512DirectChildren) {
    TestDialog dialog("***messages***\r\n" + Entry("x", "y"));
    HWND window = dialog.Get();
    for (int id : kChildIds) DestroyWindow(GetDlgItem(window, id));
    for (int i = 0; i < 600; ++i) {
        CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 10, 10, window, nullptr, nullptr, nullptr);
    }
    TheLanguageResources().LocaliseDialog("TESTDLG", window);
    // The first 512 children in the order of the window list are translated.
    int translated = 0, children = 0, firstUntranslated = -1;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (Text(child) == "y") {
            ++translated;
        } else if (firstUntranslated < 0) {
            firstUntranslated = children;
        }
        ++children;
    }
    EXPECT_EQ(children, 600);
    EXPECT_EQ(translated, 512);
    EXPECT_EQ(firstUntranslated, 512);
}

}  // namespace
