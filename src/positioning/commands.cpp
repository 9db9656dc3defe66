#include "positioning/commands.h"

#include "positioning/engine_datarefs.h"

void initPositionEngine() { findEngineDataRefs(); }
