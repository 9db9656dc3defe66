#include "panels/calibration_state.h"

#include "positioning/input/joystick_axes.h"
#include "shell/settings.h"

namespace {

struct CalibrationValues {
    float nullZone = 0;
    float centres[kCalibratedAxes] = {};
};

int openPanels = 0;
CalibrationValues saved;

CalibrationValues current() {
    Settings* s = getSettings();
    CalibrationValues values;
    values.nullZone = s->VIEW_AXIS_NULL_ZONE;
    for (int axis = 0; axis < kCalibratedAxes; ++axis) {
        values.centres[axis] = *axisCentre(s, axis);
    }
    return values;
}

void apply(const CalibrationValues& values) {
    Settings* s = getSettings();
    s->VIEW_AXIS_NULL_ZONE = values.nullZone;
    for (int axis = 0; axis < kCalibratedAxes; ++axis) {
        *axisCentre(s, axis) = values.centres[axis];
    }
}

}  // namespace

float* axisCentre(Settings* s, int axis) {
    float* centres[kCalibratedAxes] = {
        &s->VIEW_AXIS_HEADING_CENTER,   &s->VIEW_AXIS_PITCH_CENTER,
        &s->VIEW_AXIS_ZOOM_CENTER,      &s->VIEW_AXIS_CAMERA_LR_CENTER,
        &s->VIEW_AXIS_CAMERA_UD_CENTER, &s->VIEW_AXIS_CAMERA_FB_CENTER};
    return centres[axis];
}

void beginAxisCalibration() {
    if (openPanels++ == 0) {
        saved = current();
        setAxisCalibrationActive(true);
    }
}

void endAxisCalibration() {
    if (openPanels > 0 && --openPanels == 0) {
        setAxisCalibrationActive(false);
    }
}

int openAxisCalibrations() { return openPanels; }

void restoreCalibrationValues() {
    if (openPanels > 0) {
        apply(saved);
    }
}

void keepFinishedCalibration() {
    if (openPanels > 0) {
        saved = current();
    }
}

float savedCalibrationNullZone() { return saved.nullZone; }

bool saveSettingsOutsideCalibration(std::string* whyNot) {
    if (openPanels == 0) {
        return saveSettings(whyNot);
    }
    CalibrationValues inProgress = current();
    apply(saved);
    bool ok = saveSettings(whyNot);
    apply(inProgress);
    return ok;
}
