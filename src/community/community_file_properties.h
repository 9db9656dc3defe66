// The file-level properties of a community camera file (aircraft, author,
// versions, default field of view, counts), read without building its set.
// Runs on the cache's worker: no SDK call but the log line of a failed open.
#pragma once

#include "cameras/files/camera_file_entry.h"

// Fills the entry's properties from the file at its path. A file that cannot
// be opened is logged and keeps the properties it had.
void readAircraftFileProperties(GlobalCameraFileNameEntry* entry);
// One camera row (fields split at ','): counts a camera and takes the
// file-level columns; the last row read decides the texts.
void parseCameraFileProperties(GlobalCameraFileNameEntry* entry, char** fields, int count);
