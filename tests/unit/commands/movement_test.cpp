// Moving, turning and panning the current camera: directions, speeds by
// movement range and variant, walk mode and circle view.
#include "positioning/commands/movement.h"

#include <cmath>

#include "commands_fixture.h"
#include "positioning/transitions/transition_state.h"
#include "shell/settings.h"

namespace {

using Movement = CommandsFixture;

const double kPi = 3.14159265358979323846;
const double kMedium = 0.005;  // metres per step at the medium range

TEST_F(Movement, ForwardFollowsTheLineOfSight) {
    start({TestCameraRow("Cockpit", "Up and right").pose(0, 1, -2, 90, 30)});
    frames(1);
    hold("sim/general/forward", 1);
    EXPECT_NEAR(current().x, kMedium * std::cos(30 * kPi / 180), 1e-6);
    EXPECT_NEAR(current().y, 1 + kMedium * std::sin(30 * kPi / 180), 1e-6);
    EXPECT_NEAR(current().z, -2, 1e-6);
    hold("sim/general/left", 1);
    EXPECT_NEAR(current().z, -2 - kMedium, 1e-6);
}

TEST_F(Movement, SlowAndFastVariantsScaleByTheSpeedFactors) {
    startWithCameras();
    hold("sim/general/up_fast", 1);
    EXPECT_NEAR(current().y, 1.2 + 3 * kMedium, 1e-6);
    hold("sim/general/down_slow", 1);
    EXPECT_NEAR(current().y, 1.2 + 3 * kMedium - kMedium / 3, 1e-6);
    // X-Plane's pans add up between frames: the press and the first repeat
    // land in the same frame.
    hold("sim/general/rot_right_slow", 1);
    EXPECT_NEAR(current().heading, 2.0 / 3, 1e-5);
    hold("sim/view/pan_right_fast", 1);
    EXPECT_NEAR(current().heading, 2.0 / 3 + 6, 1e-5);
}

TEST_F(Movement, PanTurnsByTheRotationSpeedOfTheMovementRange) {
    startWithCameras();
    const float rates[4] = {0.5f, 1.0f, 1.0f, 2.0f};
    for (int range = 0; range < 4; ++range) {
        current().heading = 0;
        current().initialMovementRange = range;
        frames(1);
        hold(ours("Pan_Right"), 2);
        EXPECT_NEAR(current().heading, 2 * rates[range], 1e-5) << "range " << range;
    }
    // With the pan-speed toggle the fast step triples the rate.
    getSettings()->ENABLE_PANSPEED_TOGGLE = true;
    press("Toggle_Pan_Speed");
    current().heading = 0;
    hold(ours("Pan_Left_And_Up"), 1);
    EXPECT_NEAR(current().heading, 360 - 3 * 2.0, 1e-4);
    EXPECT_NEAR(current().pitch, 3 * 2.0, 1e-4);
}

TEST_F(Movement, ACircleViewCameraOrbitsInsteadOfTurning) {
    startWithCameras();
    select(1, 1);
    frames(1);
    current().initialMovementRange = 3;  // one metre a step: one degree round
    frames(1);
    hold(ours("Pan_Right_And_Up"), 1);
    EXPECT_EQ(current().heading, 0.0f);
    EXPECT_NEAR(current().y, 3 + 2.0, 1e-4);
    EXPECT_NEAR(std::hypot(current().x, current().z), 20, 1e-3);
    EXPECT_NEAR(std::atan2(current().x, current().z) * 180 / kPi, 1.0, 1e-3);
}

TEST_F(Movement, WalkModeKeepsMovingAfterTheKeyIsReleasedUntilASelection) {
    startWithCameras();
    press("Toggle_Walk_Mode");
    hold("sim/general/backward", 3);
    EXPECT_NEAR(current().z, -2 + 3 * kMedium, 1e-6);
    frames(2);
    EXPECT_NEAR(current().z, -2 + 5 * kMedium, 1e-6);
    press("Select_View_ID_2");
    EXPECT_EQ(getWalkMode(), 0);
    frames(2);
    EXPECT_FLOAT_EQ(current().z, -1.6f);
}

TEST_F(Movement, AMoveDuringATransitionStopsIt) {
    startMovingToThePanel(1);
    ASSERT_TRUE(isCurrentlyAnimating());
    xpsim::commandBegin("sim/general/up");
    EXPECT_FALSE(isCurrentlyAnimating());
    xpsim::commandEnd("sim/general/up");
    EXPECT_FLOAT_EQ(current().y, 1.0f);
}

TEST_F(Movement, AnAglCameraKeepsItsHeightAndACineflexCameraZeroesToTheAircraft) {
    start({TestCameraRow("Outside", "Ground").pose(5, 2, 5, 0, 0).on(kExternal).on(kAgl),
           TestCameraRow("Outside", "Cineflex").pose(5, 2, 5, 30, 0).on(kExternal).on(kCineflex)});
    frames(1);
    float y = current().y;
    hold("sim/general/up", 1);
    EXPECT_EQ(current().y, y);

    xpsim::setValue("sim/flightmodel/position/psi", 120);
    press("Next_Camera");
    press("Zero_Camera_Bearing");
    EXPECT_EQ(current().heading, 120.0f);
}

TEST_F(Movement, AbsurdSpeedsInTheSettingsFileNeverMakeThePoseInfinite) {
    SimulatedXPlane::writeFile(xplane.pluginFolder() + "Ovilux.ini",
                               "MEDIUM_ROTATION_SPEED 3e38\nMEDIUM_MOVEMENT_SPEED 3e38\n");
    startWithCameras();
    hold(ours("Pan_Left"), 2);
    frames(1);
    EXPECT_TRUE(std::isfinite(head("psi")));
    EXPECT_NEAR(current().heading, 358.0, 1e-4);  // the default speed, 1 degree a frame
    hold("sim/general/forward", 2);
    frames(1);
    EXPECT_TRUE(std::isfinite(head("x")) && std::isfinite(head("y")) && std::isfinite(head("z")));
    EXPECT_LT(std::fabs(current().z + 2.0f), 1.0f);
}

}  // namespace
