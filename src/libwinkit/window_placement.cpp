#include "libwinkit/window_placement.h"

#include "xplane/sdk.h"

PanelRect newPanelRect(int width, int height) {
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetScreenBoundsGlobal(&left, &top, &right, &bottom);
    PanelRect rect;
    rect.left = left + 175;
    rect.top = top - 75;
    rect.right = rect.left + width;
    rect.bottom = rect.top - height;
    return rect;
}

Monitor monitorHolding(int x, int y) {
    std::map<int, Monitor> monitors = getXPlaneMonitors();
    for (const auto& entry : monitors) {
        const Monitor& m = entry.second;
        if (x >= m.left && x < m.right && y > m.bottom && y <= m.top) {
            return m;
        }
    }
    if (!monitors.empty()) {
        return monitors.begin()->second;
    }
    Monitor screen;
    XPLMGetScreenBoundsGlobal(&screen.left, &screen.top, &screen.right, &screen.bottom);
    screen.valid = true;
    return screen;
}

void keepOnMonitor(const Monitor& monitor, int topMargin, int* left, int* top, int* right,
                   int* bottom) {
    if (*right > monitor.right) {
        int shift = *right - monitor.right;
        *left -= shift;
        *right -= shift;
    }
    if (*left < monitor.left) {
        int shift = monitor.left - *left;
        *left += shift;
        *right += shift;
    }
    if (*bottom < monitor.bottom) {
        int shift = monitor.bottom - *bottom;
        *bottom += shift;
        *top += shift;
    }
    int highest = monitor.top - topMargin;
    if (*top > highest) {
        int shift = *top - highest;
        *top -= shift;
        *bottom -= shift;
    }
}

void fitOnMonitor(const Monitor& monitor, int topMargin, int* left, int* top, int* right,
                  int* bottom) {
    int room = monitor.top - topMargin - monitor.bottom;
    if (room > 0 && *top - *bottom > room) {
        *bottom = *top - room;
    }
    keepOnMonitor(monitor, topMargin, left, top, right, bottom);
}
