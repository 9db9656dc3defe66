// The plug-in with camera control on for the Cessna, whose camera file the
// test writes, driven frame by frame through the simulated X-Plane.
#pragma once

#include <string>
#include <vector>

#include "unit/cameras/camera_fixture.h"
#include "xpsim.h"

// Camera-file columns of the options the tests set.
enum Column {
    kX = 3, kY = 4, kZ = 5, kHeading = 6, kPitch = 7, kTrackIR = 8, kSmooth = 9,
    kTemporary = 12, kLinear = 13, kFrames = 14, kAutoAdvance = 15, kZoom = 23, kFov = 24,
    kEnableFov = 25, kSmoothJoins = 26, kTrackHeading = 27, kTrackPitch = 28, kCgY = 29,
    kCgZ = 30, kLevel = 31, kExternal = 33, kCineflex = 34, kFree = 35, kBezier = 37,
    kSeconds = 39, kLatitude = 48, kLongitude = 49, kElevation = 50, kChase = 51, kRoll = 52,
    kTargetFollowing = 53, kCgX = 57, kAgl = 63, kHeightAboveAgl = 64, kCircle = 65,
    kDelay = 66, kScriptId = 67, kOrigin = 68,
};

struct TestCameraRow {
    std::vector<std::string> fields;
    TestCameraRow(const char* category, const char* name);
    TestCameraRow& set(Column column, const std::string& value);
    TestCameraRow& set(Column column, double value);
    TestCameraRow& on(Column column);
    TestCameraRow& pose(double x, double y, double z, double heading, double pitch, double roll = 0);
};

class PositioningFixture : public CameraFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The aircraft at 47 N 8 E, 500 m, heading 0; the camera file of these
    // rows; the plug-in enabled and the aircraft loaded, so camera control is on.
    void start(const std::vector<TestCameraRow>& rows);
    // Makes a camera current as a command or panel would.
    void select(int category, int index);
    void frames(int n) { xpsim::runFrames(n); }
    double head(const char* axis) const;
    // The pose the plug-in last handed X-Plane through camera control.
    XPLMCameraPosition_t shown() const;
    double sim(const char* name) const { return xpsim::getDouble(name); }
};

// The world pose of a point given in the aircraft's frame, by plain
// trigonometry: roll, then pitch, then heading, as X-Plane's attitude works.
struct Vec {
    double x, y, z;
};
Vec aircraftToWorld(Vec offset, double psi, double theta, double phi, Vec aircraft);
// Compass bearing and elevation angle of the direction from a to b.
double bearing(Vec a, Vec b);
double elevation(Vec a, Vec b);
