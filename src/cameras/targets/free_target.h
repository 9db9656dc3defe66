// The free target: the point where a line of sight meets the ground.
#pragma once

#include "cameras/set/camera_position.h"

// Looking down from the pose's x, y, z along its heading and pitch (a pitch
// strictly between -90 and 0 once folded), places the free target 1 m above
// the terrain where the line of sight meets it; true then. Looking level or
// up, or finding no terrain, changes nothing and gives false.
bool positionFreeTarget(const CameraPosition* pose);
// Ten degrees down ahead of the user's aircraft, or from 100 m above the
// carrier or frigate that the current external camera is attached to; 1 m
// above that eye when no terrain is found.
void resetFreeTarget();
