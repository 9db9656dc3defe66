// The camera file beside the aircraft.
#pragma once

#include <string>

#include "cameras/camera_file_entry.h"

// "Ovilux_" + the aircraft file's name cut at its first '.' + ".csv", in the
// aircraft's folder.
std::string getAircraftCameraFilePath();
// True when the aircraft's camera file opens for reading.
bool testForCameraFile();
// Replaces the set by the file chosen from the entry (null: the aircraft's).
int readCameras(GlobalCameraFileNameEntry* entry);
