#include <string>

#include "cameras/generators/airport_camera_generator.h"
#include "cameras/generators/airport_camera_placement.h"
#include "cameras/targets/target_grid.h"

namespace {
// Targets stand a metre above the ground, so a camera aimed at one does not
// look into the terrain.
const double kTargetHeight = 1.0;

void addTarget(const Airport& airport, const char* kind, const char* itemName, double latitude,
               double longitude, double heightAboveTerrain) {
    LocalPoint point = airportPoint(latitude, longitude, airport.elevation / kFeetPerMetre);
    double elevation =
        getElevationInMeters(point.x, point.y, point.z) + heightAboveTerrain + kTargetHeight;
    std::string name = std::string(airport.icao) + " - " + kind + " - " + itemName;
    insertTarget(name.c_str(), nullptr, latitude, longitude, elevation, TargetFixedPoint);
}
}  // namespace

void createAirportTargets(const Airport& airport) {
    for (int i = 0; i < airport.nViewPoints; ++i) {
        const ViewPoint& view = airport.viewPoints[i];
        addTarget(airport, "Viewpoint", view.name, view.lat, view.lon, view.height / kFeetPerMetre);
    }
    for (int i = 0; i < airport.nRunways; ++i) {
        const Runway& runway = airport.runways[i];
        addTarget(airport, "Runway", runway.number1, runway.lat1, runway.lon1, 0.0);
        addTarget(airport, "Runway", runway.number2, runway.lat2, runway.lon2, 0.0);
    }
    for (int i = 0; i < airport.nHelipads; ++i) {
        const Helipad& pad = airport.helipads[i];
        addTarget(airport, "Helipad", pad.designator, pad.lat, pad.lon, 0.0);
    }
}
