// Who owns X-Plane's view: the view gate, the reset request, taking and
// giving back X-Plane's camera.
#include <chrono>
#include <cmath>
#include <string>
#include <thread>

#include "positioning/pipeline/camera_control.h"
#include "positioning_fixture.h"
#include "positioning/pipeline/camera_control_switch.h"

namespace {

class Ownership : public PositioningFixture {
protected:
    void SetUp() override {
        PositioningFixture::SetUp();
        start({TestCameraRow("Cockpit", "Pilot").pose(-0.3, 1.2, -2.0, 0, 315),
               TestCameraRow("Outside", "Wing").pose(-6.0, 1.0, 1.0, 60.0, 0).on(kExternal),
               TestCameraRow("Cockpit", "Zoomed").pose(0.2, 1.1, -1.5, 0, 0).set(kZoom, 2.0)
                   .on(kTrackIR)});
    }
    int viewType() const { return static_cast<int>(sim("sim/graphics/view/view_type")); }
    // X-Plane's own 3-D cockpit view of this frame: the pilot's head in the
    // aircraft's frame, the aircraft's turn followed by the head's.
    void expectXPlanesCockpitView(const XPLMCameraPosition_t& pose) const {
        Vec aircraft{sim("sim/flightmodel/position/local_x"),
                     sim("sim/flightmodel/position/local_y"),
                     sim("sim/flightmodel/position/local_z")};
        double psi = sim("sim/flightmodel/position/psi");
        double theta = sim("sim/flightmodel/position/theta");
        double phi = sim("sim/flightmodel/position/phi");
        Vec headInAircraft{head("x"), head("y"), head("z")};
        Vec eye = aircraftToWorld(headInAircraft, psi, theta, phi, aircraft);
        Vec ahead = aircraftToWorld(
            aircraftToWorld({0, 0, -100}, head("psi"), head("the"), 0, headInAircraft), psi, theta,
            phi, aircraft);
        EXPECT_NEAR(pose.x, eye.x, 2e-3);
        EXPECT_NEAR(pose.y, eye.y, 2e-3);
        EXPECT_NEAR(pose.z, eye.z, 2e-3);
        EXPECT_NEAR(pose.heading, bearing(eye, ahead), 1e-2);
        EXPECT_NEAR(pose.pitch, elevation(eye, ahead), 1e-2);
        Vec origin{0, 0, 0};
        Vec right = aircraftToWorld(
            aircraftToWorld({1, 0, 0}, head("psi"), head("the"), head("phi"), origin), psi, theta,
            phi, origin);
        EXPECT_NEAR(pose.roll, rollOf(right, bearing(eye, ahead), elevation(eye, ahead)), 1e-2);
    }
    // X-Plane's camera turns by heading, then pitch, then roll: the roll that
    // brings the right-hand axis of a view at heading h and pitch p to right.
    static double rollOf(Vec right, double h, double p) {
        const double toRadians = std::acos(-1.0) / 180.0;
        double sh = std::sin(h * toRadians), ch = std::cos(h * toRadians);
        double sp = std::sin(p * toRadians), cp = std::cos(p * toRadians);
        Vec levelRight{ch, 0, sh};
        Vec levelUp{-sh * sp, cp, ch * sp};
        double alongRight = right.x * levelRight.x + right.y * levelRight.y + right.z * levelRight.z;
        double alongUp = right.x * levelUp.x + right.y * levelUp.y + right.z * levelUp.z;
        return std::atan2(-alongUp, alongRight) / toRadians;
    }
};

void setHeadTracker(const char* offset, float value) {
    std::string name = std::string("QFN/Ovilux/integration/headtracking_") + offset;
    XPLMSetDataf(XPLMFindDataRef(name.c_str()), value);
}

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

TEST_F(Ownership, ACockpitCamerasZoomHoldsOverXPlanesOwnCockpitView) {
    XPLMSetDatai(XPLMFindDataRef("QFN/Ovilux/integration/headtracking_present"), 1);
    select(0, 1);
    frames(1);
    ASSERT_EQ(viewType(), 1026);

    // A head tracker moves the head while the aircraft flies on and turns:
    // every frame X-Plane shows its own cockpit view at the camera's zoom.
    double firstHeadX = head("x");
    for (int i = 0; i < 30; ++i) {
        xpsim::setValue("sim/flightmodel/position/local_x", 100.0 + 2.0 * i);
        xpsim::setValue("sim/flightmodel/position/local_y", 500.0 + 0.5 * i);
        xpsim::setValue("sim/flightmodel/position/local_z", -50.0 - 3.0 * i);
        xpsim::setValue("sim/flightmodel/position/psi", 30.0 + 4.0 * i);
        setHeadTracker("x_offset", 0.01f * static_cast<float>(i));
        setHeadTracker("z_offset", -0.005f * static_cast<float>(i));
        setHeadTracker("heading_offset", 2.0f * static_cast<float>(i) - 20.0f);
        setHeadTracker("pitch_offset", -0.5f * static_cast<float>(i));
        setHeadTracker("roll_offset", 0.3f * static_cast<float>(i));
        int callbacks = xpsim::cameraCallbackCount();
        frames(1);
        ASSERT_TRUE(xpsim::cameraControlledByPlugin()) << i;
        EXPECT_EQ(xpsim::cameraCallbackCount(), callbacks + 1) << i;
        XPLMCameraPosition_t pose = shown();
        EXPECT_FLOAT_EQ(pose.zoom, 2.0f) << i;
        expectXPlanesCockpitView(pose);
    }
    EXPECT_GT(std::fabs(head("x") - firstHeadX), 0.1);

    // The aircraft pitches and rolls, the head looking straight ahead: the
    // head's place in the cockpit turns with the aircraft.
    for (const char* offset :
         {"x_offset", "z_offset", "heading_offset", "pitch_offset", "roll_offset"}) {
        setHeadTracker(offset, 0.0f);
    }
    xpsim::setValue("sim/flightmodel/position/theta", 8.0);
    xpsim::setValue("sim/flightmodel/position/phi", -12.0);
    frames(1);
    EXPECT_FLOAT_EQ(shown().zoom, 2.0f);
    expectXPlanesCockpitView(shown());

    // Banked 30 degrees right, the head looking 45 degrees down at the gauges:
    // the roll is X-Plane's, not the bank's plus the head's.
    xpsim::setValue("sim/flightmodel/position/psi", 0.0);
    xpsim::setValue("sim/flightmodel/position/theta", 0.0);
    xpsim::setValue("sim/flightmodel/position/phi", 30.0);
    setHeadTracker("pitch_offset", -45.0f);
    frames(1);
    EXPECT_NEAR(shown().roll, 39.23, 1e-2);
    expectXPlanesCockpitView(shown());

    // Another plug-in that takes the camera keeps it while it holds it.
    xpsim::takeCameraByOtherPlugin();
    frames(2);
    EXPECT_FALSE(xpsim::cameraControlledByPlugin());
    EXPECT_TRUE(xpsim::cameraControlled());
    xpsim::releaseCameraByOtherPlugin();
    frames(1);
    EXPECT_TRUE(xpsim::cameraControlledByPlugin());
    EXPECT_FLOAT_EQ(shown().zoom, 2.0f);

    // A camera of zoom 1: X-Plane's camera is its own again, and its view of
    // the head looking down in the bank has the roll the zoomed one had.
    select(0, 0);
    frames(1);
    EXPECT_FALSE(xpsim::cameraControlled());
    XPLMCameraPosition_t own{};
    XPLMReadCameraPosition(&own);
    EXPECT_FLOAT_EQ(own.zoom, 1.0f);
    EXPECT_NEAR(own.roll, 39.23, 1e-2);
    expectXPlanesCockpitView(own);

    // Out of the 3-D cockpit the zoom is X-Plane's; back in, it holds again.
    select(0, 1);
    frames(1);
    EXPECT_TRUE(xpsim::cameraControlledByPlugin());
    xpsim::commandOnce("sim/view/free_camera");
    frames(1);
    EXPECT_EQ(viewType(), 1028);
    EXPECT_FALSE(xpsim::cameraControlled());
    xpsim::commandOnce("sim/view/3d_cockpit_cmnd_look");
    frames(1);
    EXPECT_TRUE(xpsim::cameraControlledByPlugin());
    EXPECT_FLOAT_EQ(shown().zoom, 2.0f);

    // Camera control off: the camera is given back.
    disableOvilux(0);
    frames(1);
    EXPECT_FALSE(xpsim::cameraControlled());
}

}  // namespace
