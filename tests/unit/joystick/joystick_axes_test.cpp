// Joystick axes as X-Plane publishes them, steering the plug-in's cameras.
#include <cmath>

#include "cameras/set/camera_set.h"
#include "positioning/input/joystick_axes.h"
#include "shell/plugin_state.h"
#include "unit/positioning/positioning_fixture.h"
#include "xplane/sdk.h"

namespace {

const Column kViewAxis = static_cast<Column>(32);
const Column kCameraAxis = static_cast<Column>(59);
const char* const kAvail = "sim/joystick/joy_mapped_axis_avail";
const char* const kValue = "sim/joystick/joy_mapped_axis_value";

class JoystickAxes : public PositioningFixture {
protected:
    static void mappedAxis(int index, double value) {
        xpsim::setValue(kAvail, 1, index);
        xpsim::setValue(kValue, value, index);
    }
    static TestCameraRow cockpit(const char* name) {
        return TestCameraRow("Cockpit", name).pose(0.0, 1.0, -1.0, 0, 0);
    }
};

TEST_F(JoystickAxes, TheHeadingAxisTurnsTheViewOutsideTheNullZone) {
    mappedAxis(41, 0.5);
    start({cockpit("Looking").on(kViewAxis), cockpit("Fixed")});
    frames(20);
    EXPECT_NEAR(head("psi"), 90.0, 1e-3);
    EXPECT_NEAR(head("the"), 0.0, 1e-3);
    xpsim::setValue(kValue, 0.02, 41);  // inside the 0.025 null zone
    frames(20);
    EXPECT_NEAR(head("psi"), 0.0, 1e-3);
    xpsim::setValue(kValue, -0.25, 41);
    select(0, 1);
    frames(20);
    EXPECT_NEAR(head("psi"), 0.0, 1e-3);  // a camera without the option ignores it
    select(0, 0);
    frames(20);
    EXPECT_NEAR(head("psi"), -45.0, 1e-3);
}

TEST_F(JoystickAxes, TheZoomAxisZoomsAnExternalCameraNeverBelowOne) {
    mappedAxis(43, 0.5);
    start({TestCameraRow("Outside", "Wing").pose(-6, 1, 1, 60, 350).on(kExternal)});
    frames(10);
    EXPECT_NEAR(shown().zoom, 1.0 + std::tan(0.5 * 89.5 * M_PI / 180.0), 1e-3);
    xpsim::setValue(kValue, 1.2, 43);  // past the end of the axis: the value turns negative
    frames(10);
    EXPECT_FLOAT_EQ(shown().zoom, 1.0f);

    // Unmapped in X-Plane, which then reports 0 for it: the axis stops at
    // once and the wheel zooms again.
    xpsim::setValue(kValue, 0.25, 43);
    frames(10);
    xpsim::setValue(kAvail, 0, 43);
    xpsim::setValue(kValue, 0.0, 43);
    frames(1);
    EXPECT_FLOAT_EQ(shown().zoom, 1.0f);
    xpsim::setMousePosition(960, 540);
    EXPECT_TRUE(xpsim::mouseWheel(4));
    frames(1);
    EXPECT_NEAR(shown().zoom, 1.2, 1e-5);
    // Mapped again, it starts afresh from where the stick is.
    mappedAxis(43, 0.5);
    frames(10);
    EXPECT_NEAR(shown().zoom, 1.0 + std::tan(0.5 * 89.5 * M_PI / 180.0), 1e-3);
}

TEST_F(JoystickAxes, ANegativeAssignmentDrivesTheMotionReversed) {
    mappedAxis(44, 0.75);  // left-right, half to the right
    start({cockpit("Flown").on(kCameraAxis)});
    frames(10);
    float before = getCurrentCamera()->x;
    frames(10);
    float right = getCurrentCamera()->x - before;
    EXPECT_GT(right, 0.0f);
    int reversed = -3;
    XPLMSetDatavi(XPLMFindDataRef("QFN/Ovilux/integration/camera_motion_axis_assignment"),
                  &reversed, 3, 1);
    frames(10);
    before = getCurrentCamera()->x;
    frames(10);
    EXPECT_NEAR(getCurrentCamera()->x - before, -right, 1e-4);
}

TEST_F(JoystickAxes, CalibrationStopsViewAndCameraAxes) {
    mappedAxis(41, 0.5);
    mappedAxis(44, 0.75);
    start({cockpit("Both").on(kViewAxis).on(kCameraAxis)});
    setAxisCalibrationActive(true);
    frames(10);
    setAxisCalibrationActive(false);
    EXPECT_NEAR(head("psi"), 0.0, 1e-3);
    EXPECT_FLOAT_EQ(getCurrentCamera()->x, 0.0f);
}

TEST_F(JoystickAxes, OlderXPlaneUsesRawAxesOnceTheyMoveWithEnoughRange) {
    xpsim::setVersions(10510, 300);
    xpsim::setValue("sim/joystick/joystick_axis_assignments", 44, 7);
    xpsim::setValue("sim/joystick/joystick_axis_values", 0.7, 7);
    xpsim::setValue("sim/joystick/joystick_axis_assignments", 46, 9);  // forward-back, range 0.5
    xpsim::setValue("sim/joystick/joystick_axis_maximum", 0.5, 9);
    xpsim::setValue("sim/joystick/joystick_axis_values", 0.1, 9);
    start({cockpit("Flown").on(kCameraAxis)});
    frames(10);
    EXPECT_FLOAT_EQ(getCurrentCamera()->x, 0.0f);  // resting where it was found
    xpsim::setValue("sim/joystick/joystick_axis_values", 0.715, 7);
    frames(10);
    EXPECT_FLOAT_EQ(getCurrentCamera()->x, 0.0f);  // within 0.02 of rest
    xpsim::setValue("sim/joystick/joystick_axis_values", 0.75, 7);
    frames(10);
    EXPECT_GT(getCurrentCamera()->x, 0.0f);
    xpsim::setValue("sim/joystick/joystick_axis_values", 0.0, 9);
    frames(10);
    EXPECT_NEAR(getCurrentCamera()->z, -1.0, 1e-5);  // too short a range to be used

    // An axis assigned while camera control is off counts once it is on again,
    // on the same camera.
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    xpsim::setValue("sim/joystick/joystick_axis_assignments", 46, 8);
    xpsim::setValue("sim/joystick/joystick_axis_maximum", 1.0, 8);
    xpsim::setValue("sim/joystick/joystick_axis_values", 0.5, 8);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    ASSERT_EQ(isEnabled(), 1);
    frames(10);
    float z = getCurrentCamera()->z;
    xpsim::setValue("sim/joystick/joystick_axis_values", 0.9, 8);
    frames(10);
    EXPECT_GT(getCurrentCamera()->z, z + 0.01f);
}

}  // namespace
