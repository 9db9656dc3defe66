// XPLMGraphics' coordinate conversion and where the user's aircraft is. Local
// coordinates are metres on a flat projection around a reference point: x
// east, y up (elevation), z south.
#include <cmath>

#include "dataref.h"
#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

constexpr double kMetresPerDegree = 111319.49;
constexpr double kPi = 3.14159265358979323846;

struct Reference {
    bool fixed = false;
    double latitude = 0;
    double longitude = 0;
};

Reference reference;

double metresPerDegreeLongitude() {
    return kMetresPerDegree * std::cos(reference.latitude * kPi / 180.0);
}

void toLocal(double latitude, double longitude, double altitude, double* x, double* y,
             double* z) {
    if (x) *x = (longitude - reference.longitude) * metresPerDegreeLongitude();
    if (y) *y = altitude;
    if (z) *z = -(latitude - reference.latitude) * kMetresPerDegree;
}

void toWorld(double x, double y, double z, double* latitude, double* longitude, double* altitude) {
    if (latitude) *latitude = reference.latitude - z / kMetresPerDegree;
    if (longitude) *longitude = reference.longitude + x / metresPerDegreeLongitude();
    if (altitude) *altitude = y;
}

}  // namespace

void placeAircraft(double latitude, double longitude, double elevationM, float headingDeg) {
    if (!reference.fixed) reference = {true, latitude, longitude};
    double x = 0, y = 0, z = 0;
    toLocal(latitude, longitude, elevationM, &x, &y, &z);
    detail::setSimValue("sim/flightmodel/position/latitude", latitude);
    detail::setSimValue("sim/flightmodel/position/longitude", longitude);
    detail::setSimValue("sim/flightmodel/position/elevation", elevationM);
    detail::setSimValue("sim/flightmodel/position/local_x", x);
    detail::setSimValue("sim/flightmodel/position/local_y", y);
    detail::setSimValue("sim/flightmodel/position/local_z", z);
    detail::setSimValue("sim/flightmodel/position/psi", headingDeg);
    detail::setSimValue("sim/flightmodel/position/hpath", headingDeg);
    detail::updateHeightAboveGround();
}

void shiftLocalOrigin(double latitude, double longitude) {
    double aircraftLatitude = detail::simValue("sim/flightmodel/position/latitude");
    double aircraftLongitude = detail::simValue("sim/flightmodel/position/longitude");
    double aircraftElevation = detail::simValue("sim/flightmodel/position/elevation");
    reference = {true, latitude, longitude};
    double x = 0, y = 0, z = 0;
    toLocal(aircraftLatitude, aircraftLongitude, aircraftElevation, &x, &y, &z);
    detail::setSimValue("sim/flightmodel/position/local_x", x);
    detail::setSimValue("sim/flightmodel/position/local_y", y);
    detail::setSimValue("sim/flightmodel/position/local_z", z);
    detail::localOriginMoved();
}

namespace detail {

// Moving the aircraft in local coordinates moves it in the world too.
void localPositionWritten(Dataref&) {
    double latitude = 0, longitude = 0, elevation = 0;
    toWorld(simValue("sim/flightmodel/position/local_x"),
            simValue("sim/flightmodel/position/local_y"),
            simValue("sim/flightmodel/position/local_z"), &latitude, &longitude, &elevation);
    setSimValue("sim/flightmodel/position/latitude", latitude);
    setSimValue("sim/flightmodel/position/longitude", longitude);
    setSimValue("sim/flightmodel/position/elevation", elevation);
    updateHeightAboveGround();
}

void updateHeightAboveGround() {
    setSimValue("sim/flightmodel/position/y_agl",
                simValue("sim/flightmodel/position/local_y") -
                    terrainElevationAt(simValue("sim/flightmodel/position/local_x"),
                                       simValue("sim/flightmodel/position/local_z")));
}

void resetWorld() { reference = Reference{}; }

}  // namespace detail
}  // namespace xpsim

XPLM_API void XPLMWorldToLocal(double inLatitude, double inLongitude, double inAltitude,
                               double* outX, double* outY, double* outZ) {
    xpsim::toLocal(inLatitude, inLongitude, inAltitude, outX, outY, outZ);
}

XPLM_API void XPLMLocalToWorld(double inX, double inY, double inZ, double* outLatitude,
                               double* outLongitude, double* outAltitude) {
    xpsim::toWorld(inX, inY, inZ, outLatitude, outLongitude, outAltitude);
}
