#include "positioning/capture_window.h"

void manageMasterCaptureWindow(bool) {}
