// External cameras placed relative to an AI aircraft instead of the user's.
#pragma once

#include "scene/origin.h"

bool isAiPerspective();
void setAiPerspective(bool on);
// Off, following no AI aircraft: the traffic of an earlier session or flight
// is not this one's.
void resetAiPerspective();
void toggleAIPerspective();
int getCurrentAIPlane();
// Ignored unless 0 <= index < the number of active AI aircraft.
void setCurrentAIPlane(int index);
int getCurrentAIPlaneUniqueID();
// Scale of external-camera offsets in AI perspective.
float getAiScale();
void setAiScale(float scale);
// AI perspective on an AI aircraft that still exists: follows it to its
// current slot; off when no AI aircraft is active any more.
bool followCurrentAIPlane();
// The current AI aircraft's position and attitude.
OriginPose getCurrentAIPlaneOrigin();
