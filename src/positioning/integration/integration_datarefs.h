// The datarefs through which other plug-ins read the camera state, move and
// select cameras, assign joystick axes and add offsets to the view.
#pragma once

const int kIntegrationDataRefCount = 33;
// Elements of the arrays indexed by view ID (element 0 is never a camera).
const int kViewIdArraySize = 66;

// Registers the 33 datarefs once; a second call while they exist does nothing.
void createIntegrationDataRefs();
void removeIntegrationDataRefs();

// The accessors X-Plane calls, with the dataref's index as reference constant.
int getDatarefInt(void* refcon);
void setDatarefInt(void* refcon, int value);
float getDatarefFloat(void* refcon);
void setDatarefFloat(void* refcon, float value);
int getDatarefFloats(void* refcon, float* values, int offset, int count);
void setDatarefFloats(void* refcon, float* values, int offset, int count);
int getDatarefInts(void* refcon, int* values, int offset, int count);
void setDatarefInts(void* refcon, int* values, int offset, int count);
