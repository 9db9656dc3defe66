// The settings panel's repair of values out of range: one that got past the
// drags (they hold what is dragged or typed at their ends) goes back to its
// default on the frame it appears. The bounds are the ones the settings file
// is read within, so neither a value read nor one entered is ever undone.
#pragma once

#include "shell/value_ranges.h"

struct Settings;

// The bounds the repair keeps a field within, both ends included; a float
// field's are meant as floats.
ValueRange repairedRange(float Settings::*field);
ValueRange repairedRange(int Settings::*field);

// monitorCount: the monitors the panel knows; an index at or beyond it is 0.
void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount);
