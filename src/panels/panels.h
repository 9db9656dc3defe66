// The single-instance panels, each reached through its show function.
#pragma once

#include "community/updater_widget.h"
#include "panels/control_panel/control_panel.h"
#include "panels/mini_panel/mini_control_panel.h"
#include "xplane/sdk.h"

