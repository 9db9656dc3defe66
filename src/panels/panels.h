// The single-instance panels, each reached through its show function.
#pragma once

// Control panel states used by the shell: 4 destroys the panel, 7 rebuilds it
// when the settings changed. Returns whether the panel is visible afterwards.
bool showNewControlPanel(int state);
// Mini control panel: 0 creates it at start, 4 destroys it, 6 refreshes it.
void showNewMiniControlPanel(int state);
// true destroys the target-information panel.
void showTargetInfoPanel(bool destroy);
