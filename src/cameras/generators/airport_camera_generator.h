// Camera sets generated from an airport's scenery data: one world-anchored
// camera per starting location, viewpoint, runway end, helipad and sign, and
// the choice of the airport camera nearest the aircraft.
#pragma once

#include "cameras/set/camera.h"
#include "world/airport.h"

struct AirportCameraCreationOptions {
    float runwayHorizontalOffset = 40.0f;  // metres
    float runwayVerticalOffset = 20.0f;
    float startHorizontalOffset = 40.0f;
    float startVerticalOffset = 20.0f;
    float signVerticalOffset = 2.0f;
    float signCullingRadius = 5.0f;
    bool forwardFacingStart = false;
    bool enableTracking = true;
    bool createTargets = true;
};

// Replaces the active airport set with one generated from the scenery; does
// nothing unless an airport camera file is active. When the airport is not in
// the scenery, or the offsets would put a camera where the camera file
// cannot keep it, the set stays as it was.
void createAirportCameras(const AirportCameraCreationOptions& options);

// heading1 and heading2 of every runway: each end looks down the runway in its
// landing direction.
void calculateRunwayHeadings(Airport* airport);
// Compass bearing in [0, 360) from local (x1, z1) to (x2, z2).
float calculateBearing(float x1, float x2, float z1, float z2);
// Metres above sea level of the terrain under a local point; the point's own
// elevation when the probe finds no terrain.
double getElevationInMeters(double x, double y, double z);
// True when radius > 0 and one of the first count kept cameras lies closer
// than radius in the horizontal plane.
bool cullCamera(const Camera* const* kept, const Camera* camera, int count, float radius);
