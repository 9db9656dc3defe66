// What the camera set asks of the positioning engine and the panels. The
// engine's part is declared by the engine; the panels' part stands in for
// them until they are built.
#pragma once

#include "positioning/pipeline/camera_control.h"
#include "positioning/pipeline/fov.h"
#include "positioning/pipeline/same_camera.h"
#include "positioning/integration/script_offsets.h"
#include "positioning/pipeline/view_reset.h"

bool isControlPanelVisable();
