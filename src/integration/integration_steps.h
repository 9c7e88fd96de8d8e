// The steps that apply (or, with every flag clear, remove) the integration.
#pragma once
#include "integration/integration_settings.h"
#include "integration/associations.h"

void RegisterAppPath();                                          // shell/app_path
void UpdateShellExtension(const IntegrationSettings& settings);  // shell/shell_extension
void AssociateArchiveTypes(const IntegrationSettings& settings); // integration/associations
void RegisterHandlerClasses();                                   // integration/handler_classes
// groupPath: 1024-byte buffer for the per-user group folder, or null.
void UpdateShortcuts(const IntegrationSettings& settings, char* groupPath);  // shell/shortcuts

// The apply sequence of setup, in its fixed order, then the uninstall entry.
void ApplyIntegration(const IntegrationSettings& settings, char* groupPath);
void RegisterUninstallEntry();
// Removes everything setup made (uninstall/undo_integration).
void UndoIntegration();
