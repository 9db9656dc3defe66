// Free cameras: world points shown through X-Plane's local coordinates.
#include "cameras/set/camera_selection.h"
#include "positioning/commands/movement.h"
#include "positioning_fixture.h"

namespace {

class FreeCameras : public PositioningFixture {
protected:
    void SetUp() override {
        PositioningFixture::SetUp();
        start({TestCameraRow("Airport", "Tower").pose(0, 0, 0, 90.0, 0).on(kExternal).on(kFree)
                   .set(kLatitude, "47.002").set(kLongitude, "8.001").set(kElevation, "530"),
               TestCameraRow("Airport", "Apron").pose(0, 0, 0, 0, 0).on(kExternal).on(kFree)
                   .on(kLinear).set(kFrames, "3").set(kLatitude, "47.001")
                   .set(kLongitude, "8.0").set(kElevation, "510")});
        frames(1);
    }
    Vec local(double latitude, double longitude, double elevation) {
        Vec v{};
        XPLMWorldToLocal(latitude, longitude, elevation, &v.x, &v.y, &v.z);
        return v;
    }
};

TEST_F(FreeCameras, TemporaryMovesAreForgottenAfterATransitionLeavesThem) {
    Camera& tower = cameraAt(0, 0);
    Vec home = local(47.002, 8.001, 530);
    EXPECT_NEAR(shown().x, home.x, 1e-2);
    // Moved by a frame's movement; its world point moves with it.
    cameraMoveX = 25.0f;
    frames(1);
    EXPECT_NEAR(shown().x, home.x + 25.0, 1e-2);
    EXPECT_GT(tower.longitude, 8.001);

    // The move into the apron camera starts where the tower camera is now...
    select(0, 1);
    frames(1);
    EXPECT_NEAR(shown().x, home.x + 25.0, 1e-2);
    frames(3);
    Vec apron = local(47.001, 8.0, 510);
    EXPECT_NEAR(shown().x, apron.x, 1e-2);
    // ...and the tower camera is back where it was saved.
    EXPECT_NEAR(tower.longitude, 8.001, 1e-9);
    select(0, 0);
    frames(1);
    EXPECT_NEAR(shown().x, home.x, 1e-2);
}

TEST_F(FreeCameras, AShiftOfXPlanesLocalOriginKeepsTheWorldPoint) {
    Camera& tower = cameraAt(0, 0);
    double latitude = tower.latitude;
    double longitude = tower.longitude;
    xpsim::shiftLocalOrigin(47.05, 8.05);
    frames(3);
    Vec shifted = local(47.002, 8.001, 530);
    EXPECT_NEAR(shown().x, shifted.x, 1e-2);
    EXPECT_NEAR(shown().z, shifted.z, 1e-2);
    EXPECT_DOUBLE_EQ(tower.latitude, latitude);
    EXPECT_DOUBLE_EQ(tower.longitude, longitude);
    // A move after the shift starts from the world point.
    cameraMoveZ = -10.0f;
    frames(1);
    EXPECT_NEAR(shown().z, shifted.z - 10.0, 1e-2);
    EXPECT_GT(tower.latitude, latitude);
}

}  // namespace
