// Where a new window is made, and keeping windows on a monitor X-Plane
// reports.
#pragma once

#include "libwinkit/monitor_evaluator.h"

struct PanelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Where a panel is made before it centres itself on the main monitor: 175
// boxels in from the screen's left edge and 75 below its top.
PanelRect newPanelRect(int width, int height);

// The monitor holding the point, else the first X-Plane reports, else the
// screen's bounds.
Monitor monitorHolding(int x, int y);
// Moves the rectangle into the monitor, its top at least topMargin below the
// monitor's top: the left edge and the top win when it is larger.
void keepOnMonitor(const Monitor& monitor, int topMargin, int* left, int* top, int* right,
                   int* bottom);
// As keepOnMonitor, after cutting the rectangle's height to the room between
// the monitor's bottom and topMargin below its top: a panel higher than its
// monitor shows the rest by scrolling.
void fitOnMonitor(const Monitor& monitor, int topMargin, int* left, int* top, int* right,
                  int* bottom);
