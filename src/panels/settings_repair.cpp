#include "panels/settings_repair.h"

#include "shell/settings.h"

namespace {

// Never met: every field the panel drags has a range. ImGui takes equal
// bounds for none.
const ValueRange kNoRange = {0.0, 0.0};

}  // namespace

ValueRange repairedRange(float Settings::*field) {
    for (const SettingsField& row : settingsTable()) {
        if (row.draggedInPanel && row.floatField == field) {
            return valueRange(row.range);
        }
    }
    return kNoRange;
}

ValueRange repairedRange(int Settings::*field) {
    for (const SettingsField& row : settingsTable()) {
        if (row.draggedInPanel && row.intField == field) {
            return valueRange(row.range);
        }
    }
    return kNoRange;
}

// A default is always within its bounds: the reader takes no value outside
// them, and what it starts from lies inside. Each value is compared in its
// field's own type, as the file's reader compares.
void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount) {
    for (const SettingsField& row : settingsTable()) {
        if (!row.draggedInPanel) {
            continue;
        }
        const ValueRange& range = valueRange(row.range);
        if (row.kind == SettingKind::Float) {
            float& value = settings->*row.floatField;
            if (!isFloatInRange(range, value)) {
                value = defaults.*row.floatField;
            }
        } else if (row.kind == SettingKind::Int) {
            int& value = settings->*row.intField;
            if (value < range.min || value > range.max) {
                value = defaults.*row.intField;
            }
        }
    }
    if (settings->MINI_CONTROL_PANEL_MONITOR_INDEX < 0 ||
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX >= monitorCount) {
        settings->MINI_CONTROL_PANEL_MONITOR_INDEX = 0;
    }
}
