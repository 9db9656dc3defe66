// Actions of the command table and the menu whose panels are not built yet.
// Each stands in under the name its panel will give it, doing only what is
// plain without that panel; each goes from here when the real one arrives.
#pragma once

#include "xplane/sdk.h"

void toggleTrafficDisplay();
