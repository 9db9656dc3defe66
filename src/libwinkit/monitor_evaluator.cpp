#include "libwinkit/monitor_evaluator.h"

#include <sys/stat.h>

#include <algorithm>
#include <string>

#include "libwinkit/window_positions.h"
#include "xplane/sdk.h"

namespace {
bool firstTime = true;
Monitor bestMonitor;

// What the last parse saw, and what it chose.
struct FileStamp {
    std::string path;
    long long seconds = 0;
    long long nanoseconds = 0;
    long long size = -1;
    bool operator==(const FileStamp& other) const {
        return path == other.path && seconds == other.seconds &&
               nanoseconds == other.nanoseconds && size == other.size;
    }
};
FileStamp lastFileTime;
int chosenIndex = -1;
float chosenOffset = 0;

std::string windowPositionsPath() {
    char systemPath[2048] = {};
    XPLMGetSystemPath(systemPath);
    systemPath[sizeof(systemPath) - 1] = 0;
    std::string path = systemPath;
    if (!path.empty() && path.back() == '/') {
        path.pop_back();
    }
    return path + "/Output/preferences/X-Plane Window Positions.prf";
}

bool overlapsDesktop(const Monitor& monitor) {
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetScreenBoundsGlobal(&left, &top, &right, &bottom);
    if (monitor.right <= monitor.left || monitor.top <= monitor.bottom) {
        return false;
    }
    return std::max(left, monitor.left) < std::min(right, monitor.right) &&
           std::max(bottom, monitor.bottom) < std::min(top, monitor.top);
}
}  // namespace

void getMonitors(int index, int left, int top, int right, int bottom, void* refcon) {
    auto* monitors = static_cast<std::map<int, Monitor>*>(refcon);
    Monitor monitor;
    monitor.left = left;
    monitor.top = top;
    monitor.right = right;
    monitor.bottom = bottom;
    monitor.monitorIndex = index;
    monitor.valid = true;
    monitors->emplace(index, monitor);
}

std::map<int, Monitor> getXPlaneMonitors() {
    std::map<int, Monitor> monitors;
    XPLMGetAllMonitorBoundsGlobal(getMonitors, &monitors);
    return monitors;
}

Monitor* MonitorEvaluator::getBestMonitor() {
    evaluateMonitors();
    return &bestMonitor;
}

void MonitorEvaluator::evaluateMonitors() {
    if (firstTime) {
        bestMonitor.clear();
        firstTime = false;
    }
    FileStamp stamp;
    stamp.path = windowPositionsPath();
    struct stat info;
    if (stat(stamp.path.c_str(), &info) != 0) {
        lastFileTime = FileStamp();
        chosenIndex = -1;
        bestMonitor.clear();
        return;
    }
#if defined(__APPLE__)
    stamp.seconds = info.st_mtimespec.tv_sec;
    stamp.nanoseconds = info.st_mtimespec.tv_nsec;
#else
    stamp.seconds = info.st_mtim.tv_sec;
    stamp.nanoseconds = info.st_mtim.tv_nsec;
#endif
    stamp.size = info.st_size;
    if (!(stamp == lastFileTime)) {
        lastFileTime = stamp;
        NormalVisualsMonitors monitors;
        readWindowPositionsFile(stamp.path, &monitors);
        chosenIndex = chooseMainMonitor(monitors, &chosenOffset);
    }

    bestMonitor.clear();
    if (chosenIndex < 0) {
        return;
    }
    std::map<int, Monitor> reported = getXPlaneMonitors();
    auto found = reported.find(chosenIndex);
    if (found == reported.end() || !overlapsDesktop(found->second)) {
        return;
    }
    bestMonitor = found->second;
    bestMonitor.offLatDeg = chosenOffset;
}
