// The point AI distances are measured from. While camera control is on it is
// the current camera's (its own position for a free camera, else its origin's),
// which the positioning engine knows; it registers a source for it. Otherwise,
// and while no source is registered, it is the user's aircraft.
#pragma once

// False when the source has no point to give.
using AiReferenceSource = bool (*)(double* x, double* y, double* z);

void setAiReferenceSource(AiReferenceSource source);
// Local metres.
void getAiReferencePoint(double* x, double* y, double* z);
