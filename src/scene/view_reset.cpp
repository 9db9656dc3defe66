#include "scene/view_reset.h"

namespace {
int resetViewModes = 0;
}  // namespace

void setResetViewModes() { resetViewModes = 1; }

int getResetViewModes() { return resetViewModes; }

void clearResetViewModes() { resetViewModes = 0; }
