// The list of camera files: the aircraft's, and the airport camera files.
#pragma once

#include "cameras/camera_file_entry.h"

void initGlobalCameras();
// Frees the list from the entry on (null: the whole list).
void removeGlobalCameras(GlobalCameraFileNameEntry* entry);
// Reads the position of every airport camera file's airport.
void getAirportLocations();
