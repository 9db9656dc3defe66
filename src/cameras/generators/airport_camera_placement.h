// Where generated airport cameras and targets stand: world points taken to
// local coordinates at the airport's elevation, then set on the terrain.
#pragma once

#include "cameras/generators/airport_camera_generator.h"
#include "xplane/sdk.h"

const double kFeetPerMetre = 3.28084;

struct LocalPoint {
    double x = 0;
    double y = 0;
    double z = 0;
};

LocalPoint airportPoint(double latitude, double longitude, double elevationMetres);
// The terrain's y under the point; the point's own y (the airport's
// elevation) when there is no probe or it finds no terrain, so a camera never
// falls to the height of some earlier probe.
double terrainY(XPLMProbeRef probe, const LocalPoint& point);

// One run of the generator: one probe for all its cameras.
struct AirportGeneration {
    const AirportCameraCreationOptions& options;
    const Airport& airport;
    double elevation;  // metres
    XPLMProbeRef probe;
};

struct CameraPlacement {
    double latitude;
    double longitude;
    float heading;
    float backOffset;  // metres behind the point, against the heading
    float eastOffset;  // metres
    float heightAboveGround;
    float pitch;
    bool tracking;
};

// A reset, world-anchored camera of the airport set at its place.
void placeAirportCamera(Camera* camera, const AirportGeneration& run, const char* name,
                        const CameraPlacement& at);
// The emptied category of that name; null, with a log line, when the set has
// no room for another.
Category* makeAirportCategory(const char* name);

// The categories of each kind, in the order the set shows them.
void addStartingLocations(const AirportGeneration& run);
void addViewPoints(const AirportGeneration& run);
void addRunways(const AirportGeneration& run);
void addHelipads(const AirportGeneration& run);
void addSigns(const AirportGeneration& run);
// The stored targets of the airport's viewpoints, runway ends and helipads.
void createAirportTargets(const Airport& airport);
