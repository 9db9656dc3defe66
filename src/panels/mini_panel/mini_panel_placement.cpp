#include "panels/mini_panel/mini_panel_placement.h"

#include "panels/mini_panel/mini_control_panel.h"

namespace {
const int kDockedHeight = 150;
const int kDockedHeightWithoutFavorites = 125;
const int kDockedMode = 3;
}  // namespace

int chooseMiniPanelMonitor(const MonitorBounds& monitors, int monitorIndexSetting) {
    if (monitors.count >= 2 && monitorIndexSetting >= 0 && monitorIndexSetting < monitors.count) {
        return monitorIndexSetting;
    }
    return 0;
}

MiniPanelRect dockedMiniPanelRect(const MonitorBounds& monitors, int monitor, bool hideFavorites,
                                  const WindowPosition& saved) {
    MiniPanelRect r;
    r.left = monitors.left[monitor];
    r.right = monitors.right[monitor];
    r.bottom = monitors.bottom[monitor];
    int height = hideFavorites ? kDockedHeightWithoutFavorites : kDockedHeight;
    if (saved.mode == kDockedMode) {
        // A height from an edited or foreign settings file could hide the bar
        // or cover more than the monitor.
        long savedHeight = static_cast<long>(saved.top) - saved.bottom;
        long monitorHeight = static_cast<long>(monitors.top[monitor]) - monitors.bottom[monitor];
        if (savedHeight >= kMiniPanelMinHeight && savedHeight <= monitorHeight) {
            height = static_cast<int>(savedHeight);
        }
    }
    r.top = r.bottom + height;
    return r;
}

MiniPanelRect floatingMiniPanelRect(const MonitorBounds& monitors, int monitor) {
    int w3 = (monitors.right[monitor] - monitors.left[monitor]) / 3;
    int h3 = (monitors.top[monitor] - monitors.bottom[monitor]) / 3;
    MiniPanelRect r;
    r.left = monitors.left[monitor] + w3;
    r.right = monitors.left[monitor] + 2 * w3;
    r.bottom = monitors.bottom[monitor] + h3;
    r.top = monitors.bottom[monitor] + 2 * h3;
    return r;
}
