// Stand-ins for the apply sequence and the uninstall entry, so that the
// dialogs link until the shell integration's real ones are merged; this file
// is deleted in that merge. They do nothing.
#include "integration/integration_steps.h"

void ApplyIntegration(const IntegrationSettings&, char*) {}
void RegisterUninstallEntry() {}
