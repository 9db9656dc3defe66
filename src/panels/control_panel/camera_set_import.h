// Replacing the camera set by another camera file, as the import and browse
// dialogs do: the file is read from its own path while the aircraft's file
// stays the one saved to, and the import becomes the user's (no author, a
// version of today). The import is not saved.
#pragma once

struct GlobalCameraFileNameEntry;

// False when the file could not be read: the set, the current camera and the
// files' properties are then as they were before.
bool importCameraSet(const GlobalCameraFileNameEntry& source, bool autoCorrect);
