// The single in-memory camera set.
#pragma once

#include "cameras/camera_file_entry.h"

// Empties the set.
void initCategories();
// The entry of the camera file the set was read from; null when none.
GlobalCameraFileNameEntry* getCurrentActiveCameraFile();
