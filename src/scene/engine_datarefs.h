// X-Plane datarefs of the aircraft, the view and the joysticks that the camera
// engine and the camera set read and write, looked up once at enable.
#pragma once

#include "xplane/sdk.h"

struct EngineDataRefs {
    XPLMDataRef pilotsHeadX = nullptr;
    XPLMDataRef pilotsHeadY = nullptr;
    XPLMDataRef pilotsHeadZ = nullptr;
    XPLMDataRef pilotsHeadPsi = nullptr;
    XPLMDataRef pilotsHeadThe = nullptr;
    // The pilot's-head roll where X-Plane has it, else the roll of the whole view.
    XPLMDataRef headRoll = nullptr;
    XPLMDataRef fieldOfView = nullptr;
    XPLMDataRef eqTrackIr = nullptr;
    XPLMDataRef planeTheta = nullptr;
    XPLMDataRef planePhi = nullptr;
    XPLMDataRef planePsi = nullptr;
    XPLMDataRef planeHpath = nullptr;
    XPLMDataRef planeBeta = nullptr;
    XPLMDataRef planeLocalX = nullptr;
    XPLMDataRef planeLocalY = nullptr;
    XPLMDataRef planeLocalZ = nullptr;
    XPLMDataRef planeLatitude = nullptr;
    XPLMDataRef planeLongitude = nullptr;
    XPLMDataRef planeElevation = nullptr;
    XPLMDataRef frameRatePeriod = nullptr;
    XPLMDataRef killWheelZoom = nullptr;
    XPLMDataRef viewType = nullptr;
    XPLMDataRef viewIsExternal = nullptr;
    XPLMDataRef cinemaVerite = nullptr;
    XPLMDataRef hideYoke = nullptr;
    XPLMDataRef joystickAxisAssignments = nullptr;
    XPLMDataRef joystickAxisValues = nullptr;
    XPLMDataRef joystickAxisMinimum = nullptr;
    XPLMDataRef joystickAxisMaximum = nullptr;
    XPLMDataRef joystickAxisReverse = nullptr;
    XPLMDataRef joyMappedAxisAvail = nullptr;
    XPLMDataRef joyMappedAxisValue = nullptr;
    XPLMDataRef boatX = nullptr;
    XPLMDataRef boatY = nullptr;
    XPLMDataRef boatZ = nullptr;
    XPLMDataRef boatHeading = nullptr;
    XPLMDataRef aircraftSizeZ = nullptr;
};

// Looks every handle up; a dataref X-Plane lacks stays null.
void findEngineDataRefs();
const EngineDataRefs& engineDataRefs();
// 1 when X-Plane has a pilot's-head roll dataref of its own.
int isPilotHeadRollDatarefAvailable();
