// The one handler of the named commands. X-Plane calls it with the command's
// index as reference constant; panels call it as (null, begin, index).
#pragma once

#include "xplane/sdk.h"

// Always 1: X-Plane goes on processing the command.
int oviluxCommandHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* index);
