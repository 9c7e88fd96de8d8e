// Registration of the shell extension library (both builds on 64-bit Windows).
//
// UpdateShellExtension (declared with the other integration steps) registers
// or unregisters the library by flag 23 of the settings.
#pragma once

// Class ids of the two builds, braces and upper-case digits as registered.
extern const char kShellExtensionClassId32[];   // lvxext.dll
extern const char kShellExtensionClassId64[];   // lvxext64.dll

// Registers (doRegister true) or unregisters one build of the library.
//
// Registering: when the library file (libraryName, beside this program)
// exists, its class key with the library path and threading model is
// written, in the 64-bit view when classKeys64 is set; then, whether or not
// the file exists, its handler keys under the archiver's classes, "exefile",
// "*", "Folder", "Drive" and "Directory" (named by classId or handlerName),
// the two drop handlers and its approval under HKEY_LOCAL_MACHINE.
//
// Unregistering: the class key is deleted (also from the 64-bit view when
// classKeys64 is set), the class-id-named handler keys and the drop handlers
// are deleted, the keys named by handlerName under "*", "Folder", "Drive" and
// "Directory" lose their default value but stay, and the approval value is
// deleted. The library file is not looked at.
//
// Nothing is reported: every write or deletion is attempted whatever the
// previous ones gave.
void RegisterShellExtensionModule(bool doRegister, const char* libraryName, const char* classId,
                                  bool classKeys64, const char* handlerName);
