// The user's and the other aircraft.
#pragma once

#include "XPLMDefs.h"

// The user's aircraft is aircraft index 0.
#define XPLM_USER_AIRCRAFT 0

// outFileName and outPath must hold 256 and 512 bytes.
XPLM_API void XPLMGetNthAircraftModel(int inIndex, char* outFileName, char* outPath);
XPLM_API void XPLMCountAircraft(int* outTotalAircraft, int* outActiveAircraft,
                                XPLMPluginID* outController);
