// A camera remembered across key presses. Camera records move whenever the
// set is read, swapped or reshaped, so a pointer kept from one press to the
// next may name another camera or none; the place is checked before use.
#pragma once

#include <string>

struct Camera;

struct CameraPlace {
    bool valid = false;
    std::string filePath;  // of the active camera file
    int fileType = 0;
    int categoryIndex = 0;
    int cameraIndex = 0;
    int uniqueId = 0;
    // Unique IDs are numbered by place, so a file read that puts another
    // camera in the same place gives it the same ID; the name tells them apart.
    std::string name;
};

// The place of a camera of the set; not valid for null.
CameraPlace rememberCameraPlace(const Camera* camera);
// The camera still at the place, from the same file with the same unique ID
// and name; null when it is gone.
Camera* findCameraAtPlace(const CameraPlace& place);
