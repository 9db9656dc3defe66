#include "positioning/integration_datarefs.h"

void createIntegrationDataRefs() {}

void removeIntegrationDataRefs() {}
