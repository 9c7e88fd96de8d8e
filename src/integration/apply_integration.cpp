// The apply sequence of setup, in its fixed order.
#include "integration/integration_steps.h"

void ApplyIntegration(const IntegrationSettings& settings, char* groupPath) {
    // The application path and the handler classes are written whatever the
    // user chose; each step runs whatever the previous one gave.
    RegisterAppPath();
    UpdateShellExtension(settings);
    AssociateArchiveTypes(settings);
    RegisterHandlerClasses();
    UpdateShortcuts(settings, groupPath);
}
