#include "positioning/integration/integration_values.h"

namespace {
IntegrationValues values;
}  // namespace

IntegrationValues* getIntegrationValues() { return &values; }
