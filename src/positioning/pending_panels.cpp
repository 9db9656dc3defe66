#include "positioning/pending_panels.h"

void enableDrawing() {}

void diableDrawing() {}

bool allowAutoAdvance() { return true; }
