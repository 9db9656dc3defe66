// X-Plane's "Output/preferences/X-Plane Window Positions.prf": which monitors
// show the normal visuals, and their lateral projection offsets. The main
// monitor is the one looking nearest to straight ahead.
#pragma once

#include <map>
#include <string>

struct NormalVisualsMonitor {
    int monitorIndex = -1;
    float offLatDeg = 0;  // a monitor without an offset line looks straight ahead
    // Its last offset line held no number within a whole turn: it may look
    // anywhere, so it is never the main monitor.
    bool offsetUnreadable = false;
};

// Keyed by the text before "/m_usage" (the monitor's entry in the file),
// compared byte by byte. Lines longer than 999 characters are cut there;
// numbers out of range are ignored.
using NormalVisualsMonitors = std::map<std::string, NormalVisualsMonitor>;

NormalVisualsMonitors parseWindowPositions(const std::string& text);
// False when the file cannot be read (out is then empty).
bool readWindowPositionsFile(const std::string& path, NormalVisualsMonitors* out);
// The monitor with the smallest |offset| below 180 degrees, the first in key
// order at a tie, among those whose offset could be read; -1 when none.
// *absOffset receives its |offset|.
int chooseMainMonitor(const NormalVisualsMonitors& monitors, float* absOffset);
