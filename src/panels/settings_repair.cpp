#include "panels/settings_repair.h"

#include <algorithm>
#include <cmath>

#include "shell/settings.h"

namespace {

const double kSpeedMin = 0.000005;
// Where the panel sets no upper bound, the range table's alone counts.
const double kNoPanelMax = HUGE_VAL;
const double kDragMax = 10000.0;

// In the field's own type: a float drag stops at the float nearest its bound,
// which may lie just below the bound as a double.
bool within(const ValueRange& range, float value) { return isFloatInRange(range, value); }
bool within(const ValueRange& range, int value) { return value >= range.min && value <= range.max; }

template <typename T>
struct Bounds {
    T Settings::*field;
    const char* key;  // null for the fields kept in memory only
    double min;
    double panelMax;

    double max() const {
        const ValueRange* range = key != nullptr ? getSettingsValueRange(key) : nullptr;
        return range != nullptr ? std::min(range->max, panelMax) : panelMax;
    }
    bool holds(T value) const { return within(ValueRange{min, max()}, value); }
};

#define FIELD(name) &Settings::name, #name

const Bounds<float> kFloatBounds[] = {
    {FIELD(SMALL_ROTATION_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(MEDIUM_ROTATION_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(LARGE_ROTATION_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(VERY_LARGE_ROTATION_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(SMALL_MOVEMENT_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(MEDIUM_MOVEMENT_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(LARGE_MOVEMENT_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(VERY_LARGE_MOVEMENT_SPEED), kSpeedMin, kNoPanelMax},
    {FIELD(SMALL_HEADTRACK_RANGE), kSpeedMin, kNoPanelMax},
    {FIELD(MEDIUM_HEADTRACK_RANGE), kSpeedMin, kNoPanelMax},
    {FIELD(LARGE_HEADTRACK_RANGE), kSpeedMin, kNoPanelMax},
    {FIELD(VERY_LARGE_HEADTRACK_RANGE), kSpeedMin, kNoPanelMax},
    // The two factors live in memory only: no key, the drag's own bound.
    {&Settings::panSpeedFactor, nullptr, 1.0, kDragMax},
    {&Settings::movementSpeedFactor, nullptr, 1.0, kDragMax},
    {FIELD(MOUSE_SPEED_FACTOR), 0.0, kNoPanelMax},
};

const Bounds<int> kIntBounds[] = {
    {FIELD(MOUSE_SMOOTHING_FACTOR), 1, 50},
    {FIELD(MOVEMENT_SMOOTHING_FACTOR), 0, 50},
    {FIELD(HEAD_TRACK_SMOOTHING_FACTOR), 0, 50},
    {FIELD(VIEW_AXIS_SMOOTHING_FACTOR), 1, 100},
    {FIELD(SMOOTH_WINDOW), 60, kNoPanelMax},
};

#undef FIELD

template <typename T, size_t N>
double maxOf(const Bounds<T> (&rows)[N], T Settings::*field) {
    for (const Bounds<T>& row : rows) {
        if (row.field == field) {
            return row.max();
        }
    }
    return kNoPanelMax;
}

template <typename T, size_t N>
void repair(const Bounds<T> (&rows)[N], Settings* settings, const Settings& defaults,
            const Settings& firstRun) {
    for (const Bounds<T>& row : rows) {
        T& value = settings->*row.field;
        if (!row.holds(value)) {
            T fallback = defaults.*row.field;
            value = row.holds(fallback) ? fallback : firstRun.*row.field;
        }
    }
}

}  // namespace

double repairedMax(float Settings::*field) { return maxOf(kFloatBounds, field); }

double repairedMax(int Settings::*field) { return maxOf(kIntBounds, field); }

void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount) {
    static const Settings firstRun = firstRunSettings();
    repair(kFloatBounds, settings, defaults, firstRun);
    repair(kIntBounds, settings, defaults, firstRun);
    if (settings->MINI_CONTROL_PANEL_MONITOR_INDEX < 0 ||
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX >= monitorCount) {
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    }
}
