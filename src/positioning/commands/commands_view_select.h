// The numbered command families: select a view ID, select one while the key
// is held, select an airport camera's view ID, select a category. The
// reference constant is the view ID, or the category index from 0.
#pragma once

#include "xplane/sdk.h"

struct Camera;

// Each returns 1: X-Plane goes on processing the command.
int viewSelectHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* viewId);
int momentaryViewSelectHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* viewId);
// Camera control going off forgets the momentary keys held: their releases
// change nothing, and the next press starts afresh.
void forgetMomentaryKeys();
int airportViewSelectHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* viewId);
int categorySelectHandler(XPLMCommandRef commandRef, XPLMCommandPhase phase, void* categoryIndex);

// viewSelectHandler with the view ID as a number.
int selectViewIdCommand(XPLMCommandRef commandRef, XPLMCommandPhase phase, int viewId);

// A selection key switches camera control on when it is off and the aircraft
// has a camera file; false when control is (still) off or the phase is not
// the begin phase.
bool switchOnForSelection(XPLMCommandPhase phase);

// A selection of the current camera again puts a camera with temporary
// positioning back to its saved position (roll and zoom stay).
void restoreTemporaryCamera(Camera* before);
