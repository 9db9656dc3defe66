// The single-instance panels, each reached through its show function.
// Stand-ins until the panels are built.
#pragma once

#include "panels/control_panel/control_panel.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "xplane/sdk.h"


// The window that looks for a newer version of the plug-in.
class UpdaterWidget {
public:
    static void create();
};
