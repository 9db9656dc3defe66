// What every open calibration panel shares: one copy of the null zone and the
// six axis centres, taken when the first panel opened and again when one
// finishes, and the count of open panels. Axis input stays suspended while
// any panel is open.
#pragma once

#include <string>

#include "shell/settings.h"

const int kCalibratedAxes = 6;
// The centre of axis 0-5 (view heading, pitch, zoom, camera left/right,
// up/down, forward/back) in a settings record.
float* axisCentre(Settings* settings, int axis);

// A panel opens: the first one saves the values and suspends axis input.
void beginAxisCalibration();
// A panel closes: the last one resumes axis input and drops the saved copy.
void endAxisCalibration();
int openAxisCalibrations();
// The values in force before the first open panel come back.
void restoreCalibrationValues();
// A panel finished and saved its values: they are the ones the panels still
// open put back, and the ones a save writes meanwhile.
void keepFinishedCalibration();
float savedCalibrationNullZone();
// saveSettings, with the saved null zone and centres written in place of a
// calibration's values in progress.
bool saveSettingsOutsideCalibration(std::string* whyNot);
