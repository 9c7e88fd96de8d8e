// Scratch folders and files for the localisation tests, and where the built
// language library lives.
#pragma once
#include <windows.h>

#include <string>

// A fresh folder under the temporary folder, removed with its files at the
// end of the scope. Path() ends without a backslash.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return Folder; }
    // Writes bytes into a file of the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string Folder;
};

// The folder of this test program (build/bin), without a backslash.
std::string ProgramFolder();
// The built English language library, build/lang/lvxlng.dll.
std::string EnglishLibraryPath();
// The built English language file for code page 936, build/lang/uninstall.lng.
std::string EnglishLanguageFilePath();
