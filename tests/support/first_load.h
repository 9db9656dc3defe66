// What the plug-in shows only on its first load, such as the values a dialog
// opens with or a copy buffer that is still empty, cannot be seen in a process
// that ran other tests before: the plug-in keeps such state for as long as it
// is loaded. The check runs in a new process of this test binary instead,
// which runs the current test alone: everything before the check, then it.
#pragma once

#include <functional>

#include "support/simulated_xplane.h"

// The test fails when an expectation of `check` fails in that process. Call it
// before anything that would change what a first load shows.
void expectOnAFirstLoad(SimulatedXPlane& xplane, const std::function<void()>& check);
