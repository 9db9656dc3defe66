// The settings panel's repair of values typed out of range: each goes back to
// its default on the frame it was typed.
#pragma once

struct Settings;

// monitorCount: the monitors the panel knows; an index at or beyond it is 0.
void repairSettingsRanges(Settings* settings, const Settings& defaults, int monitorCount);
