// One pose: the unit in which cameras, transition frames and X-Plane's view are
// exchanged.
#pragma once

struct CameraPosition {
    float x = 0;
    float y = 0;
    float z = 0;
    float heading = 0;
    float pitch = 0;
    float roll = 0;
    float fov = 60.0f;
    float zoom = 1.0f;
    float cgY = 0;
    float cgZ = 0;
    float cgX = 0;
    double latitude = 0;
    double longitude = 0;
    double elevation = 0;
};
