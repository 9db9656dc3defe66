// The capture window: what it takes from X-Plane and what it passes on.
#include <chrono>
#include <cmath>
#include <thread>

#include "mouse_fixture.h"
#include "positioning/input/mouse_buttons.h"
#include "positioning/pipeline/camera_control_switch.h"
#include "shell/settings.h"

namespace {

class CaptureWindow : public MouseFixture {};

TEST_F(CaptureWindow, CoversTheScreenFromEnableToDisable) {
    start({TestCameraRow("Cockpit", "Pilot").pose(0, 0, 0, 0, 0)});
    std::vector<xpsim::WindowInfo> windows = xpsim::windowList();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].left, 0);
    EXPECT_EQ(windows[0].top, 1080);
    EXPECT_EQ(windows[0].right, 1920);
    EXPECT_EQ(windows[0].bottom, 0);
    EXPECT_EQ(windows[0].layer, xplm_WindowLayerFlightOverlay);
    EXPECT_EQ(windows[0].decoration, xplm_WindowDecorationNone);
    EXPECT_TRUE(windows[0].visible);
    xpsim::setScreenSize(2560, 1440);
    EXPECT_EQ(xpsim::windowList()[0].top, 1440);
    EXPECT_EQ(xpsim::windowList()[0].right, 2560);
    rightDown(100, 100);
    xpsim::disablePlugin();
    EXPECT_EQ(xpsim::windowCount(), 0);
    EXPECT_FALSE(getRightMouseButton());
}

TEST_F(CaptureWindow, EverythingReachesXPlaneWhileCameraControlIsOff) {
    start({TestCameraRow("Cockpit", "Pilot").pose(0, 0, 0, 0, 0)});
    EXPECT_FALSE(xpsim::mouseClick(10, 10, false, xplm_MouseDown));  // left clicks always
    disableOvilux(1);
    EXPECT_FALSE(rightDown(10, 10));
    EXPECT_FALSE(xpsim::mouseWheel(1));
    EXPECT_EQ(xpsim::inputReachedXPlane().rightClicks, 1);
    EXPECT_EQ(xpsim::inputReachedXPlane().wheels, 1);
    EXPECT_FALSE(getRightMouseButton());
}

TEST_F(CaptureWindow, CockpitCameraKeepsTheRightButtonFromXPlane) {
    start({TestCameraRow("Cockpit", "Pilot").pose(0, 0, 0, 0, 0)});
    frames(1);
    EXPECT_TRUE(rightDown(10, 10));
    EXPECT_TRUE(getRightMouseButton());
    EXPECT_TRUE(rightDrag(20, 10));
    EXPECT_TRUE(getRightMouseButton());
    EXPECT_TRUE(rightUp(20, 10));
    EXPECT_FALSE(getRightMouseButton());
    EXPECT_EQ(xpsim::inputReachedXPlane().rightClicks, 0);
    // The wheel is X-Plane's in the cockpit.
    EXPECT_FALSE(xpsim::mouseWheel(1));
}

TEST_F(CaptureWindow, WheelZoomsAnExternalCameraNotBelowOne) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal).set(kZoom, 1.0)});
    frames(2);
    EXPECT_TRUE(xpsim::mouseWheel(4));
    EXPECT_NEAR(cameraAt(0, 0).externalZoom, 1.2, 1e-5);
    frames(1);
    EXPECT_NEAR(shown().zoom, 1.2, 1e-5);
    EXPECT_TRUE(xpsim::mouseWheel(-10));
    EXPECT_FLOAT_EQ(cameraAt(0, 0).externalZoom, 1.0f);
    cameraAt(0, 0).disable3DCockpitZoom = true;
    EXPECT_FALSE(xpsim::mouseWheel(1));
}

TEST_F(CaptureWindow, LostCameraControlPassesRightButtonAndWheel) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal).set(kZoom, 1.0)});
    frames(2);
    xpsim::takeCameraByOtherPlugin();
    frames(1);  // taken back
    // More than half a second without the callback: control counts as lost.
    std::this_thread::sleep_for(std::chrono::milliseconds(520));
    EXPECT_FALSE(rightDown(10, 10));
    EXPECT_FALSE(xpsim::mouseWheel(1));
    EXPECT_FALSE(getRightMouseButton());
}

TEST_F(CaptureWindow, CircleViewOrbitsWhileTheMouseMovesAfterAStillClick) {
    start({TestCameraRow("Outside", "Orbit").pose(0, 0, 30, 0, 0).on(kExternal).on(kCircle)});
    getSettings()->MOUSE_SMOOTHING_FACTOR = 1;
    frames(2);
    // A press and release without motion starts the continuous orbit.
    EXPECT_TRUE(rightDown(960, 540));
    EXPECT_TRUE(rightUp(960, 540));
    EXPECT_FALSE(getRightMouseButton());  // orbiting, not looking
    xpsim::setMousePosition(1060, 540);
    frames(1);
    Camera& c = cameraAt(0, 0);
    EXPECT_NEAR(std::hypot(c.x, c.z), 30.0, 1e-3);  // round its origin
    EXPECT_GT(std::fabs(c.x), 1.0);
    float x = c.x;
    // The next click ends it: motion no longer turns the camera.
    rightDown(1060, 540);
    rightUp(1060, 540);
    xpsim::setMousePosition(1300, 540);
    frames(2);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).x, x);
}

TEST_F(CaptureWindow, CircleViewWheelMovesOrZooms) {
    start({TestCameraRow("Outside", "Orbit").pose(0, 0, 30, 0, 0).on(kExternal).on(kCircle)
               .set(kZoom, 1.0)});
    frames(2);
    EXPECT_TRUE(xpsim::mouseWheel(1));
    frames(1);
    EXPECT_LT(cameraAt(0, 0).z, 30.0f);  // forward: nearer its origin
    getSettings()->CIRCLE_VIEW_WHEEL_ZOOM = true;
    float z = cameraAt(0, 0).z;
    EXPECT_TRUE(xpsim::mouseWheel(2));
    EXPECT_NEAR(cameraAt(0, 0).externalZoom, 1.1, 1e-5);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).z, z);
}

}  // namespace
