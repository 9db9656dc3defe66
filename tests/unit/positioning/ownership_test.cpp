// Who owns X-Plane's view: the view gate, the reset request, taking and
// giving back X-Plane's camera.
#include <chrono>
#include <thread>

#include "positioning/pipeline/camera_control.h"
#include "positioning_fixture.h"
#include "plugin/lifecycle.h"

namespace {

class Ownership : public PositioningFixture {
protected:
    void SetUp() override {
        PositioningFixture::SetUp();
        start({TestCameraRow("Cockpit", "Pilot").pose(-0.3, 1.2, -2.0, 0, 0),
               TestCameraRow("Outside", "Wing").pose(-6.0, 1.0, 1.0, 60.0, 0).on(kExternal)});
    }
    int viewType() const { return static_cast<int>(sim("sim/graphics/view/view_type")); }
};

TEST_F(Ownership, AnotherViewIsLeftAloneUntilACameraIsSelected) {
    select(1, 0);
    frames(1);
    ASSERT_TRUE(xpsim::cameraControlledByPlugin());

    // The user picks X-Plane's chase view: the camera goes back to X-Plane.
    xpsim::commandOnce("sim/view/chase");
    frames(3);
    EXPECT_EQ(viewType(), 1017);
    EXPECT_FALSE(xpsim::cameraControlled());

    // Selecting a cockpit camera brings the 3-D cockpit back.
    select(0, 0);
    frames(1);
    EXPECT_EQ(viewType(), 1026);
    EXPECT_NEAR(head("x"), -0.3, 1e-6);

    // A cockpit camera never forces X-Plane out of the free camera it chose:
    // only X-Plane's own roll and field of view are put back.
    xpsim::commandOnce("sim/view/free_camera");
    xpsim::setValue("sim/graphics/view/pilots_head_x", 4.0);
    frames(2);
    EXPECT_EQ(viewType(), 1028);
    EXPECT_NEAR(head("x"), 4.0, 1e-6);

    // An external camera switches X-Plane to the free camera and takes it.
    select(1, 0);
    xpsim::commandOnce("sim/view/3d_cockpit");
    frames(1);
    EXPECT_EQ(viewType(), 1028);
    EXPECT_TRUE(xpsim::cameraControlledByPlugin());

    // Back to a cockpit camera: the camera is released, the 3-D cockpit shown.
    select(0, 0);
    frames(1);
    EXPECT_FALSE(xpsim::cameraControlled());
    EXPECT_EQ(viewType(), 1026);
}

TEST_F(Ownership, ControlTakenAwayIsTakenBack) {
    select(1, 0);
    frames(1);
    XPLMCameraPosition_t ours = shown();

    // Another plug-in takes the camera; X-Plane tells the plug-in so.
    xpsim::takeCameraByOtherPlugin();
    EXPECT_FALSE(isCameraHeld());
    frames(1);
    EXPECT_TRUE(xpsim::cameraControlledByPlugin());
    EXPECT_FLOAT_EQ(shown().x, ours.x);

    // No callback for more than half a second: control counts as lost. In the
    // free camera the plug-in waits for a reset; in the 3-D cockpit it takes
    // the free camera and the camera again.
    std::this_thread::sleep_for(std::chrono::milliseconds(520));
    EXPECT_TRUE(isCameraControlLost());
    xpsim::setValue("sim/graphics/view/view_type", 1026);
    int callbacks = xpsim::cameraCallbackCount();
    frames(1);
    EXPECT_EQ(viewType(), 1028);
    EXPECT_FALSE(isCameraControlLost());
    EXPECT_EQ(xpsim::cameraCallbackCount(), callbacks + 1);
}

TEST_F(Ownership, CameraIsGivenBackOnceWhenCameraControlGoesOff) {
    select(1, 0);
    frames(2);
    int released = xpsim::dontControlCameraCount();
    disableOvilux(0);
    EXPECT_EQ(xpsim::dontControlCameraCount(), released + 1);
    EXPECT_FALSE(xpsim::cameraControlled());
    frames(2);
    EXPECT_EQ(xpsim::dontControlCameraCount(), released + 1);

    // On again: the free camera is switched on and the camera taken afresh.
    xpsim::commandOnce("sim/view/3d_cockpit");
    enableOvilux();
    frames(2);
    EXPECT_EQ(viewType(), 1028);
    EXPECT_TRUE(xpsim::cameraControlledByPlugin());

    // With a cockpit camera nothing is held, so nothing is given back.
    select(0, 0);
    frames(2);
    released = xpsim::dontControlCameraCount();
    disableOvilux(0);
    EXPECT_EQ(xpsim::dontControlCameraCount(), released);
}

}  // namespace
