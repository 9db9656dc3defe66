#include "scene/engine_datarefs.h"

namespace {
EngineDataRefs refs;
int pilotHeadRollDatarefAvailable = 0;
}  // namespace

void findEngineDataRefs() {
    refs.pilotsHeadX = XPLMFindDataRef("sim/graphics/view/pilots_head_x");
    refs.pilotsHeadY = XPLMFindDataRef("sim/graphics/view/pilots_head_y");
    refs.pilotsHeadZ = XPLMFindDataRef("sim/graphics/view/pilots_head_z");
    refs.pilotsHeadPsi = XPLMFindDataRef("sim/graphics/view/pilots_head_psi");
    refs.pilotsHeadThe = XPLMFindDataRef("sim/graphics/view/pilots_head_the");
    refs.headRoll = XPLMFindDataRef("sim/graphics/view/pilots_head_phi");
    pilotHeadRollDatarefAvailable = refs.headRoll != nullptr ? 1 : 0;
    if (refs.headRoll == nullptr) {
        refs.headRoll = XPLMFindDataRef("sim/graphics/view/field_of_view_roll_deg");
    }
    refs.fieldOfView = XPLMFindDataRef("sim/graphics/view/field_of_view_deg");
    refs.eqTrackIr = XPLMFindDataRef("sim/graphics/view/eq_trackir");
    refs.planeTheta = XPLMFindDataRef("sim/flightmodel/position/theta");
    refs.planePhi = XPLMFindDataRef("sim/flightmodel/position/phi");
    refs.planePsi = XPLMFindDataRef("sim/flightmodel/position/psi");
    refs.planeHpath = XPLMFindDataRef("sim/flightmodel/position/hpath");
    refs.planeBeta = XPLMFindDataRef("sim/flightmodel/position/beta");
    refs.planeLocalX = XPLMFindDataRef("sim/flightmodel/position/local_x");
    refs.planeLocalY = XPLMFindDataRef("sim/flightmodel/position/local_y");
    refs.planeLocalZ = XPLMFindDataRef("sim/flightmodel/position/local_z");
    refs.planeLatitude = XPLMFindDataRef("sim/flightmodel/position/latitude");
    refs.planeLongitude = XPLMFindDataRef("sim/flightmodel/position/longitude");
    refs.planeElevation = XPLMFindDataRef("sim/flightmodel/position/elevation");
    refs.frameRatePeriod = XPLMFindDataRef("sim/operation/misc/frame_rate_period");
    refs.killWheelZoom = XPLMFindDataRef("sim/private/controls/camera/kill_wheel_zoom");
    refs.viewType = XPLMFindDataRef("sim/graphics/view/view_type");
    refs.viewIsExternal = XPLMFindDataRef("sim/graphics/view/view_is_external");
    refs.cinemaVerite = XPLMFindDataRef("sim/graphics/view/cinema_verite");
    refs.hideYoke = XPLMFindDataRef("sim/graphics/view/hide_yoke");
    refs.joystickAxisAssignments = XPLMFindDataRef("sim/joystick/joystick_axis_assignments");
    refs.joystickAxisValues = XPLMFindDataRef("sim/joystick/joystick_axis_values");
    refs.joystickAxisMinimum = XPLMFindDataRef("sim/joystick/joystick_axis_minimum");
    refs.joystickAxisMaximum = XPLMFindDataRef("sim/joystick/joystick_axis_maximum");
    refs.joystickAxisReverse = XPLMFindDataRef("sim/joystick/joystick_axis_reverse");
    refs.joyMappedAxisAvail = XPLMFindDataRef("sim/joystick/joy_mapped_axis_avail");
    refs.joyMappedAxisValue = XPLMFindDataRef("sim/joystick/joy_mapped_axis_value");
    refs.boatX = XPLMFindDataRef("sim/world/boat/x_mtr");
    refs.boatY = XPLMFindDataRef("sim/world/boat/y_mtr");
    refs.boatZ = XPLMFindDataRef("sim/world/boat/z_mtr");
    refs.boatHeading = XPLMFindDataRef("sim/world/boat/heading_deg");
    refs.aircraftSizeZ = XPLMFindDataRef("sim/aircraft/view/acf_size_z");
}

const EngineDataRefs& engineDataRefs() { return refs; }

int isPilotHeadRollDatarefAvailable() { return pilotHeadRollDatarefAvailable; }
