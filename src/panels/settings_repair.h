// The settings panel's repair of values out of range: each goes back to its
// default on the frame it was typed. The bounds are the ones the settings
// file is read within, and the panel's drags stop at them, so neither a value
// read nor one dragged is ever undone.
#pragma once

#include "shell/value_ranges.h"

struct Settings;

// The bounds the repair keeps a field within, both ends included; a float
// field's are meant as floats.
ValueRange repairedRange(float Settings::*field);
ValueRange repairedRange(int Settings::*field);

// monitorCount: the monitors the panel knows; an index at or beyond it is 0.
void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount);
