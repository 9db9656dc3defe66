#include "panels/settings_repair.h"

#include "shell/settings.h"

namespace {

// The two factors live in memory only: no key, so the panel's own bounds.
const ValueRange kFactorRange = {1.0, 10000.0};
// Never met: every field the panel edits has a row. ImGui takes equal bounds
// for none.
const ValueRange kNoRange = {0.0, 0.0};

template <typename T>
struct Row {
    T Settings::*field;
    const char* key;  // null for the factors

    ValueRange range() const {
        const ValueRange* range = key != nullptr ? getSettingsValueRange(key) : nullptr;
        return range != nullptr ? *range : kFactorRange;
    }
};

// In the field's own type, as the file's reader compares.
bool holds(const ValueRange& range, float value) { return isFloatInRange(range, value); }
bool holds(const ValueRange& range, int value) {
    return value >= range.min && value <= range.max;
}

#define FIELD(name) &Settings::name, #name

const Row<float> kFloatRows[] = {
    {FIELD(SMALL_ROTATION_SPEED)},
    {FIELD(MEDIUM_ROTATION_SPEED)},
    {FIELD(LARGE_ROTATION_SPEED)},
    {FIELD(VERY_LARGE_ROTATION_SPEED)},
    {FIELD(SMALL_MOVEMENT_SPEED)},
    {FIELD(MEDIUM_MOVEMENT_SPEED)},
    {FIELD(LARGE_MOVEMENT_SPEED)},
    {FIELD(VERY_LARGE_MOVEMENT_SPEED)},
    {FIELD(SMALL_HEADTRACK_RANGE)},
    {FIELD(MEDIUM_HEADTRACK_RANGE)},
    {FIELD(LARGE_HEADTRACK_RANGE)},
    {FIELD(VERY_LARGE_HEADTRACK_RANGE)},
    {&Settings::panSpeedFactor, nullptr},
    {&Settings::movementSpeedFactor, nullptr},
    {FIELD(MOUSE_SPEED_FACTOR)},
};

const Row<int> kIntRows[] = {
    {FIELD(MOUSE_SMOOTHING_FACTOR)},
    {FIELD(MOVEMENT_SMOOTHING_FACTOR)},
    {FIELD(HEAD_TRACK_SMOOTHING_FACTOR)},
    {FIELD(VIEW_AXIS_SMOOTHING_FACTOR)},
    {FIELD(SMOOTH_WINDOW)},
};

#undef FIELD

template <typename T, size_t N>
ValueRange rangeOf(const Row<T> (&rows)[N], T Settings::*field) {
    for (const Row<T>& row : rows) {
        if (row.field == field) {
            return row.range();
        }
    }
    return kNoRange;
}

// A default is always within its bounds: the reader takes no value outside
// them, and what it starts from lies inside.
template <typename T, size_t N>
void repair(const Row<T> (&rows)[N], Settings* settings, const Settings& defaults) {
    for (const Row<T>& row : rows) {
        T& value = settings->*row.field;
        if (!holds(row.range(), value)) {
            value = defaults.*row.field;
        }
    }
}

}  // namespace

ValueRange repairedRange(float Settings::*field) { return rangeOf(kFloatRows, field); }

ValueRange repairedRange(int Settings::*field) { return rangeOf(kIntRows, field); }

void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount) {
    repair(kFloatRows, settings, defaults);
    repair(kIntRows, settings, defaults);
    if (settings->MINI_CONTROL_PANEL_MONITOR_INDEX < 0 ||
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX >= monitorCount) {
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    }
}
