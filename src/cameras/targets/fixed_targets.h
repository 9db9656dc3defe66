// The four targets that always exist beside the stored ones: the free target
// placed by the line of sight, the user's aircraft, the carrier and the
// frigate. Never stored in the grid or written to the file.
#pragma once

#include "cameras/targets/target.h"

Target* getFreeTarget();
Target* getMyAircraftTarget();
Target* getAircraftCarrierTarget();
Target* getFrigateTarget();
// The four as they are at load: the free target not placed yet.
void resetFixedTargets();
