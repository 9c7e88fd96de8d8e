// Runs uninstall.exe /setup from a copy beside this program and saves a
// picture of each of its dialogs as a 24-bit BMP file:
//   dialog_snapshot OUTDIR zh           the Chinese dialogs
//   dialog_snapshot OUTDIR en LIBRARY   with the English language library
//   dialog_snapshot OUTDIR rtl          with a language file that mirrors the
//                                       layout and rescales the setup dialog
//   dialog_snapshot OUTDIR mirrored     the same, mirrored only
//   dialog_snapshot OUTDIR scaled       the same, rescaled only
// uninstall.exe (and the stand-in Lumvex.exe) must lie beside this program.
// Files: OUTDIR\setup-dialog-VARIANT.bmp, context-items-VARIANT.bmp,
// completion-dialog-VARIANT.bmp (only the first for the language files).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/dialog_driver.h"

namespace {

std::string OwnFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool SaveWindowPicture(HWND window, const std::string& file) {
    RECT r;
    if (!GetWindowRect(window, &r)) return false;
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<BYTE> bits(stride * static_cast<DWORD>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(bits.size());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(bits.data()), static_cast<std::streamsize>(bits.size()));
    return static_cast<bool>(out);
}

bool Shoot(HWND window, const std::string& outDir, const char* name, const std::string& variant) {
    SetForegroundWindow(window);
    PumpMessages(1500);   // let it paint
    std::string file = outDir + name + "-" + variant + ".bmp";
    bool ok = SaveWindowPicture(window, file);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", file.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: dialog_snapshot OUTDIR zh|en|rtl [LIBRARY]\n");
        return 2;
    }
    std::string outDir = argv[1];
    if (outDir.back() != '\\') outDir += '\\';
    std::string variant = argv[2];
    std::string folder = OwnFolder() + variant + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string program = folder + "uninstall.exe";
    if (!CopyFileA((OwnFolder() + "uninstall.exe").c_str(), program.c_str(), FALSE)) return 1;
    if (variant == "en") {
        if (argc < 4 || !CopyFileA(argv[3], (folder + "lvxlng.dll").c_str(), FALSE)) return 1;
    } else if (variant == "rtl" || variant == "mirrored" || variant == "scaled") {
        // The direction entry and the setup dialog's scale entry (120 % wide,
        // 110 % high).
        std::ofstream lng(folder + "uninstall.lng", std::ios::binary);
        lng << "A language file for the pictures.\r\n***messages***\r\n";
        if (variant != "scaled") lng << "50a17ae8=\"RTL\"\r\n";
        if (variant != "mirrored") lng << "9b889d24=\"120*110\"\r\n";
    } else if (variant != "zh") {
        return 2;
    }

    DrivenProgram run;
    if (!run.Start(program, "/setup", folder)) return 1;
    HWND setup = run.WaitForDialog(5122);
    if (!setup) return 1;
    bool ok = Shoot(setup, outDir, "setup-dialog", variant);
    if (variant == "zh" || variant == "en") {
        PostClick(setup, 5123);
        HWND items = run.WaitForDialog(111);
        ok = items && Shoot(items, outDir, "context-items", variant) && ok;
        if (items) {
            PostClick(items, IDCANCEL);
            run.WaitUntilGone(items);
        }
        if (IsChecked(setup, 5117)) Click(setup, 5117);   // no folder window afterwards
        PostClick(setup, IDOK);
        HWND done = run.WaitForDialog(5101, 5122);
        ok = done && Shoot(done, outDir, "completion-dialog", variant) && ok;
        if (done) PostClick(done, IDOK);
    } else {
        PressCloseBox(setup);
    }
    DWORD code = 0;
    run.WaitForExit(&code);
    return ok ? 0 : 1;
}
