// The request that the next pipeline pass re-asserts X-Plane's view mode even
// when X-Plane shows another view; every command and selection sets it.
#pragma once

void setResetViewModes();
int getResetViewModes();
void clearResetViewModes();
