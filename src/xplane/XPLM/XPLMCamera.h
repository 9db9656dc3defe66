// X-Plane's camera: reading it, and holding it through a callback that gives
// the pose of every drawn frame.
#pragma once

#include "XPLMDefs.h"

typedef struct {
    float x;
    float y;
    float z;
    float pitch;
    float heading;
    float roll;
    float zoom;
} XPLMCameraPosition_t;

typedef int XPLMCameraControlDuration;
enum {
    xplm_ControlCameraUntilViewChanges = 1,
    xplm_ControlCameraForever = 2
};

// Called every drawn frame while the plug-in holds the camera. Fill the whole
// pose and return 1 to keep control; return 0 to give it up. The pose's
// contents on entry are undefined. inIsLosingControl is 1 (with a null pose)
// when another controller or the user takes it away.
typedef int (*XPLMCameraControl_f)(XPLMCameraPosition_t* outCameraPosition, int inIsLosingControl,
                                   void* inRefcon);

XPLM_API void XPLMControlCamera(XPLMCameraControlDuration inHowLong,
                                XPLMCameraControl_f inControlFunc, void* inRefcon);
XPLM_API void XPLMDontControlCamera(void);
XPLM_API int XPLMIsCameraBeingControlled(XPLMCameraControlDuration* outCameraControlDuration);
XPLM_API void XPLMReadCameraPosition(XPLMCameraPosition_t* outCameraPosition);
