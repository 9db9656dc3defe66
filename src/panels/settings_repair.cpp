#include "panels/settings_repair.h"

#include <algorithm>
#include <cmath>

#include "shell/settings.h"

namespace {

// Above the range table's upper bound for the key (when it has one), above
// the panel's own upper bound, below the lower bound, or not a number at all.
double upperBound(const char* key, double panelMax) {
    const ValueRange* range = key != nullptr ? getSettingsValueRange(key) : nullptr;
    return range != nullptr ? std::min(range->max, panelMax) : panelMax;
}

void repair(float* value, float fallback, double min, double panelMax, const char* key) {
    double v = *value;
    if (!std::isfinite(v) || v < min || v > upperBound(key, panelMax)) {
        *value = fallback;
    }
}

void repair(int* value, int fallback, int min, double panelMax, const char* key) {
    if (*value < min || *value > upperBound(key, panelMax)) {
        *value = fallback;
    }
}

#define REPAIR(field, min, panelMax) \
    repair(&settings->field, defaults.field, min, panelMax, #field)

}  // namespace

void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount) {
    const double kSpeedMin = 0.000005;
    // Where the panel sets no upper bound, the range table's alone counts.
    const double kNoPanelMax = HUGE_VAL;
    const double kDragMax = 10000.0;
    REPAIR(SMALL_ROTATION_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(MEDIUM_ROTATION_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(LARGE_ROTATION_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(VERY_LARGE_ROTATION_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(SMALL_MOVEMENT_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(MEDIUM_MOVEMENT_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(LARGE_MOVEMENT_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(VERY_LARGE_MOVEMENT_SPEED, kSpeedMin, kNoPanelMax);
    REPAIR(SMALL_HEADTRACK_RANGE, kSpeedMin, kNoPanelMax);
    REPAIR(MEDIUM_HEADTRACK_RANGE, kSpeedMin, kNoPanelMax);
    REPAIR(LARGE_HEADTRACK_RANGE, kSpeedMin, kNoPanelMax);
    REPAIR(VERY_LARGE_HEADTRACK_RANGE, kSpeedMin, kNoPanelMax);
    // The two factors live in memory only: no key, the drag's own bound.
    repair(&settings->panSpeedFactor, defaults.panSpeedFactor, 1.0, kDragMax, nullptr);
    repair(&settings->movementSpeedFactor, defaults.movementSpeedFactor, 1.0, kDragMax,
           nullptr);
    REPAIR(MOUSE_SPEED_FACTOR, 0.0, kNoPanelMax);
    REPAIR(MOUSE_SMOOTHING_FACTOR, 1, 50);
    REPAIR(MOVEMENT_SMOOTHING_FACTOR, 0, 50);
    REPAIR(HEAD_TRACK_SMOOTHING_FACTOR, 0, 50);
    REPAIR(VIEW_AXIS_SMOOTHING_FACTOR, 1, 100);
    REPAIR(SMOOTH_WINDOW, 60, kNoPanelMax);
    if (settings->MINI_CONTROL_PANEL_MONITOR_INDEX < 0 ||
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX >= monitorCount) {
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    }
}
