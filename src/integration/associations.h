// Taking archive extensions over for the archiver and giving them back.
//
// An extension E belongs to the archiver when its default value under
// HKEY_CLASSES_ROOT names "Lumvex" or "Lumvex.ZIP" (IsOwnExtension). Before
// E is taken over, its previous owner is saved below the settings key in
// Setup\E ("Exist", "Type", "Content", "ShellNew"); the give-back restores
// it from there and leaves the backup in place. Nothing is reported: every
// registry and file operation is attempted whatever the previous one gave.
#pragma once
#include "integration/integration_settings.h"

// For each archive type i (0..13) and each extension of its extension string,
// in order: SetExtensionAssociation(extension, flag i, flag 23, i == 1, i == 0).
void AssociateArchiveTypes(const IntegrationSettings& settings);

// associate set (take-over):
//  - unless E already belongs to the archiver, writes the backup of its
//    present state (no second backup over an earlier one of ours);
//  - E names "Lumvex.ZIP" (zipType) or "Lumvex", without "Content Type";
//  - lvxType: the volume extensions .r00 to .r29 (NT family) or .r00 to .r99
//    (9x family) name "Lumvex", without "Content Type";
//  - shellIntegration with lvxType or zipType: E\ShellNew is replaced by the
//    New-menu entry: "Data" (the template bytes) on Windows 95, 98 and NT 4.0,
//    else "FileName" naming lvxnew.dat / zipnew.dat in the template folder,
//    which is created with the template bytes when nothing of that name exists.
// associate clear (give-back), only while E belongs to the archiver:
//  - a backed-up key that existed (or no backup at all) gets its class (never
//    one of ours), its content type and its New-menu entry back; one that did
//    not exist is deleted (it keeps an empty default value where subkeys stop
//    the deletion);
//  - lvxType: all hundred volume extensions .r00 to .r99 get the previous
//    class (and content type) when there was one, else their keys are
//    deleted; a volume extension that names another program's class is left
//    alone.
void SetExtensionAssociation(const char* extension, bool associate, bool shellIntegration,
                             bool zipType, bool lvxType);

// The folder where the New-menu template files are written: by default (null
// or empty) the folder of this program's own file, the installation folder.
// Tests point it at a scratch folder. The text is copied (at most 1023 bytes).
void SetTemplateFolder(const char* folder);
