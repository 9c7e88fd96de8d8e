// Removes everything setup made. The integration steps are not built yet, so
// there is nothing to undo.
#include "integration/integration_steps.h"

void UndoIntegration() {}
