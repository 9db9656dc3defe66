// Cameras kept above the terrain through X-Plane's terrain probe.
#include "cameras/set/free_camera.h"
#include "positioning_fixture.h"

namespace {

using TerrainCameras = PositioningFixture;

TEST_F(TerrainCameras, AglCameraSitsAtItsHeightAboveTheGround) {
    start({TestCameraRow("Outside", "Low Pass").pose(0, 2.0, 30.0, 0, 0).on(kExternal).on(kAgl)
               .set(kHeightAboveAgl, 10.0)});
    xpsim::setTerrain(450.0);
    frames(2);
    EXPECT_NEAR(shown().y, 460.0, 1e-3);
    xpsim::setValue("sim/flightmodel/position/local_y", 800.0);
    frames(1);
    EXPECT_NEAR(shown().y, 460.0, 1e-3);

    // Without terrain under it the camera keeps its last offset.
    xpsim::setProbesMiss(true);
    float offset = cameraAt(0, 0).y;
    xpsim::setValue("sim/flightmodel/position/local_y", 900.0);
    frames(1);
    EXPECT_NEAR(shown().y, 900.0 + offset, 1e-3);
}

TEST_F(TerrainCameras, CircleViewNeverGoesBelowOneMetreAboveTheGround) {
    start({TestCameraRow("Outside", "Orbit").pose(0, -20.0, 30.0, 0, 0).on(kExternal).on(kCircle)
               .on(kAgl).set(kHeightAboveAgl, 50.0)});
    xpsim::setValue("sim/flightmodel/position/local_y", 455.0);
    xpsim::setTerrain(450.0);
    frames(1);
    EXPECT_NEAR(shown().y, 451.0, 1e-3);  // the circle rule wins over the AGL height
    // Above the ground it is left where it is.
    xpsim::setValue("sim/flightmodel/position/local_y", 600.0);
    cameraAt(0, 0).y = 5.0f;
    frames(1);
    EXPECT_NEAR(shown().y, 605.0, 1e-3);
}

TEST_F(TerrainCameras, FreeAglCameraStaysOnItsWorldPoint) {
    start({TestCameraRow("Outside", "Tower").pose(0, 0, 0, 90.0, 0).on(kExternal).on(kFree).on(kAgl)
               .set(kHeightAboveAgl, 30.0).set(kLatitude, "47.001").set(kLongitude, "8.002")
               .set(kElevation, "400")});
    xpsim::setTerrain(420.0);
    frames(1);
    XPLMCameraPosition_t pose = shown();
    double x = 0, y = 0, z = 0;
    XPLMWorldToLocal(47.001, 8.002, 400.0, &x, &y, &z);
    EXPECT_NEAR(pose.x, x, 1e-2);
    EXPECT_NEAR(pose.z, z, 1e-2);
    EXPECT_NEAR(pose.y, 450.0, 1e-3);
    EXPECT_NEAR(pose.heading, 90.0, 1e-4);
}

}  // namespace
