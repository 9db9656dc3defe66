// The user's preferences: one global record and the file "Ovilux.ini". Every
// field, its key, default and range is one row of settings_table.def.
#pragma once

#include <string>

#include "shell/value_ranges.h"

struct WindowPosition {
    int mode = 0;  // 0 none, 1 floating, 2 popped out, 3 docked
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Settings {
#define SETTING(name, type, value, range, onRead, panel) type name = value;
#define UNSTORED_SETTING(name, type, value, range, onRead, panel) type name = value;
#include "shell/settings_table.def"
#undef SETTING
#undef UNSTORED_SETTING
};

Settings* getSettings();
// The values the last read started from (the "Default Settings" button).
Settings* getDefaultSettings();
// Resets the fields the table resets, keeps a copy of the record, then reads
// the file; a missing file is created.
void readSettings();
// The range a numeric key's value is read within, which the settings panel's
// drags and repair keep as well; null for the bools, the version and the panel
// positions.
const ValueRange* getSettingsValueRange(const char* key);
// Writes "Ovilux.ini"; false, with a log line and the reason in *whyNot when
// given, when the file was left as it was.
bool saveSettings(std::string* whyNot = nullptr);

// The settings table's range column for the fields read without one.
constexpr ValueKind kUnbounded = ValueKind::Count;

enum class SettingKind { Float, Int, Bool, Position };

// One row of the settings table.
struct SettingsField {
    const char* key;  // null for the fields the file never holds
    SettingKind kind;
    // The field, in the member of its kind; the others are null.
    float Settings::*floatField;
    int Settings::*intField;
    bool Settings::*boolField;
    WindowPosition Settings::*positionField;
    ValueKind range;  // kUnbounded for none
    bool resetOnRead;
    bool draggedInPanel;

    bool bounded() const { return range != kUnbounded; }
};

// Every row, in the file's order: `for (const SettingsField& field : settingsTable())`.
struct SettingsTable {
    const SettingsField* begin() const;
    const SettingsField* end() const;
};
SettingsTable settingsTable();
