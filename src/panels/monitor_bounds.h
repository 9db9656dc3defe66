// The monitors' rectangles, which the panels use to place themselves.
#pragma once

const int kMaxMonitors = 15;

struct MonitorBounds {
    int left[kMaxMonitors];
    int right[kMaxMonitors];
    int top[kMaxMonitors];
    int bottom[kMaxMonitors];
    int count;  // monitors stored, at most kMaxMonitors
    // true: a monitor goes into slot `count` (order of arrival); false: into
    // the slot of X-Plane's monitor index.
    bool sequential;
};

// X-Plane's global desktop coordinates, in order of arrival; with no monitor
// reported the whole screen counts as monitor 0.
void getMonitorBounds(MonitorBounds* bounds);
// Operating-system coordinates, each monitor in the slot of its index.
void getMonitorBoundsOS(MonitorBounds* bounds);
// The monitor callback of both; `reference` is the record. A monitor whose
// slot would fall outside the record (a negative index, an index of 15 or
// more, a sixteenth arrival) is not stored.
void reciveBounds(int monitorIndex, int left, int top, int right, int bottom, void* reference);
