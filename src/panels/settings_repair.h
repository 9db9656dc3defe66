// The settings panel's repair of values out of range: each goes back to its
// default on the frame it was typed. The panel's drags stop at the same upper
// bounds, so a drag never makes a value the repair would undo.
#pragma once

struct Settings;

// The largest value the repair keeps in a field: the range table's bound for
// the field's key, or the panel's own where that is lower.
double repairedMax(float Settings::*field);
double repairedMax(int Settings::*field);

// monitorCount: the monitors the panel knows; an index at or beyond it is 0.
// A default that is itself out of range (a key without a value of its own to
// start a read from keeps the value last read as its default) gives way to
// the value a first run writes for the key.
void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount);
