// Graphics: the OpenGL state X-Plane tracks, its textures, and the conversion
// between world and local coordinates.
#pragma once

#include "XPLMDefs.h"

XPLM_API void XPLMSetGraphicsState(int inEnableFog, int inNumberTexUnits, int inEnableLighting,
                                   int inEnableAlphaTesting, int inEnableAlphaBlending,
                                   int inEnableDepthTesting, int inEnableDepthWriting);
XPLM_API void XPLMGenerateTextureNumbers(int* outTextureIDs, int inCount);
XPLM_API void XPLMBindTexture2d(int inTextureNum, int inTextureUnit);

XPLM_API void XPLMWorldToLocal(double inLatitude, double inLongitude, double inAltitude,
                               double* outX, double* outY, double* outZ);
XPLM_API void XPLMLocalToWorld(double inX, double inY, double inZ, double* outLatitude,
                               double* outLongitude, double* outAltitude);
