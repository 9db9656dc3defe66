// The single-instance panels, each reached through its show function.
// Stand-ins until the panels are built.
#pragma once

#include "panels/control_panel/control_panel.h"
#include "xplane/sdk.h"

// Mini control panel: 0 creates it at start, 1 toggles it, 4 destroys it,
// 6 refreshes it.
void showNewMiniControlPanel(int state);

// The window that looks for a newer version of the plug-in.
class UpdaterWidget {
public:
    static void create();
};
