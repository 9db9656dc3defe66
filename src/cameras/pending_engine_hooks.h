// What the camera set asks of the positioning engine and the panels. The
// engine's part is declared by the engine; the panels' part stands in for
// them until they are built.
#pragma once

#include "positioning/camera_control.h"
#include "positioning/fov.h"
#include "positioning/same_camera.h"
#include "positioning/script_offsets.h"
#include "positioning/view_reset.h"

bool isControlPanelVisable();
