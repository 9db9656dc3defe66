// Where the mini control panel goes: the monitor chosen by the setting and
// the panel's rectangle on it, docked or floating.
#pragma once

#include "panels/monitor_bounds.h"
#include "shell/settings.h"

struct MiniPanelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The monitor index setting when it names one of two or more monitors, else 0.
int chooseMiniPanelMonitor(const MonitorBounds& monitors, int monitorIndexSetting);
// A bar along the monitor's whole width on its bottom edge: 150 high, 125
// with the favourites hidden, or the height of a saved docked position when
// that lies between 50 and the monitor's height.
MiniPanelRect dockedMiniPanelRect(const MonitorBounds& monitors, int monitor, bool hideFavorites,
                                  const WindowPosition& saved);
// The centre ninth of the monitor.
MiniPanelRect floatingMiniPanelRect(const MonitorBounds& monitors, int monitor);
