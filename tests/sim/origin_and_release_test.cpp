// What the camera engine relies on beyond the basic contracts: X-Plane moving
// its local origin, and a record of the plug-in giving the camera back.
#include "sim_fixture.h"

namespace {

using SimOriginShift = SimTest;

TEST_F(SimOriginShift, LocalCoordinatesMoveWorldPointsStay) {
    xpsim::placeAircraft(47.0, 8.0, 500.0, 90.0f);
    xpsim::shiftLocalOrigin(47.01, 8.01);

    double nx = 0, ny = 0, nz = 0;
    XPLMWorldToLocal(47.01, 8.01, 600.0, &nx, &ny, &nz);
    EXPECT_NEAR(nx, 0.0, 1e-6);
    EXPECT_NEAR(nz, 0.0, 1e-6);
    EXPECT_NEAR(ny, 600.0, 1e-6);
    // The aircraft is where it was in the world, elsewhere in local terms.
    EXPECT_NEAR(xpsim::getDouble("sim/flightmodel/position/latitude"), 47.0, 1e-9);
    double ax = 0, ay = 0, az = 0;
    XPLMWorldToLocal(47.0, 8.0, 500.0, &ax, &ay, &az);
    EXPECT_NEAR(xpsim::getDouble("sim/flightmodel/position/local_x"), ax, 1e-3);
    EXPECT_NEAR(xpsim::getDouble("sim/flightmodel/position/local_z"), az, 1e-3);
    EXPECT_LT(ax, -700.0);  // 0.01 degrees west
    EXPECT_GT(az, 1100.0);  // 0.01 degrees south
    double latitude = 0, longitude = 0, elevation = 0;
    XPLMLocalToWorld(xpsim::getDouble("sim/flightmodel/position/local_x"), 500.0,
                     xpsim::getDouble("sim/flightmodel/position/local_z"), &latitude, &longitude,
                     &elevation);
    EXPECT_NEAR(latitude, 47.0, 1e-9);
    EXPECT_NEAR(longitude, 8.0, 1e-9);
}

int keep(XPLMCameraPosition_t*, int, void*) { return 1; }

using SimCameraRelease = SimTest;

TEST_F(SimCameraRelease, EveryGiveBackIsCountedWhetherOrNotItReleased) {
    XPLMControlCamera(xplm_ControlCameraForever, keep, nullptr);
    XPLMDontControlCamera();
    XPLMDontControlCamera();
    EXPECT_EQ(xpsim::dontControlCameraCount(), 2);
    EXPECT_FALSE(xpsim::cameraControlled());
}

}  // namespace
