// The user's main monitor: the one X-Plane's window-positions file names for
// the normal visuals with the projection offset nearest to straight ahead.
#pragma once

#include <map>

struct Monitor {
    float offLatDeg = 0;  // lateral projection offset, degrees
    int top = 0, bottom = 0, left = 0, right = 0;  // global boxels
    int monitorIndex = 0;
    bool valid = false;

    void clear() { *this = Monitor(); }
};

// The monitors X-Plane reports now, by index (an index met twice keeps its
// first bounds).
std::map<int, Monitor> getXPlaneMonitors();
void getMonitors(int index, int left, int top, int right, int bottom, void* refcon);

class MonitorEvaluator {
public:
    // Only the choice of index is cached (until the file's write time or size
    // changes); the bounds are X-Plane's of this moment. Not valid when the
    // file names no monitor, or one X-Plane does not report or that lies off
    // the desktop.
    Monitor* getBestMonitor();

private:
    void evaluateMonitors();
};
