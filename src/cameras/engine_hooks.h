// What the camera set asks of the positioning engine and the panels, as the
// engine and the window manager declare it.
#pragma once

#include "positioning/pipeline/camera_control.h"
#include "positioning/pipeline/fov.h"
#include "positioning/pipeline/same_camera.h"
#include "positioning/integration/script_offsets.h"
#include "positioning/pipeline/view_reset.h"
#include "panels/window_manager.h"
