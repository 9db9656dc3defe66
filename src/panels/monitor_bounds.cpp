#include "panels/monitor_bounds.h"

#include <cstring>

#include "xplane/sdk.h"

void reciveBounds(int monitorIndex, int left, int top, int right, int bottom, void* reference) {
    MonitorBounds* bounds = static_cast<MonitorBounds*>(reference);
    int slot = bounds->sequential ? bounds->count : monitorIndex;
    if (slot < 0 || slot >= kMaxMonitors) {
        return;
    }
    bounds->left[slot] = left;
    bounds->top[slot] = top;
    bounds->right[slot] = right;
    bounds->bottom[slot] = bottom;
    if (bounds->count < kMaxMonitors) {
        ++bounds->count;
    }
}

void getMonitorBounds(MonitorBounds* bounds) {
    std::memset(bounds, 0, sizeof(*bounds));
    bounds->sequential = true;
    XPLMGetAllMonitorBoundsGlobal(reciveBounds, bounds);
    if (bounds->count == 0) {
        XPLMGetScreenBoundsGlobal(&bounds->left[0], &bounds->top[0], &bounds->right[0],
                                  &bounds->bottom[0]);
        bounds->count = 1;
    }
}

void getMonitorBoundsOS(MonitorBounds* bounds) {
    std::memset(bounds, 0, sizeof(*bounds));
    bounds->sequential = false;
    XPLMGetAllMonitorBoundsOS(reciveBounds, bounds);
}
