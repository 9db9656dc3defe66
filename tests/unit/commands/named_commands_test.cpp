// The table of named commands: which work with camera control off, which
// phases act, and what the commands do to the camera set.
#include "cameras/set/camera_selection.h"
#include "commands_fixture.h"
#include "scene/ai_view.h"
#include "positioning/commands/movement.h"
#include "positioning/input/mouse_buttons.h"
#include "positioning/input/mouse_move.h"
#include "positioning/transitions/transition_state.h"
#include "shell/plugin_state.h"

namespace {

using NamedCommands = CommandsFixture;

TEST_F(NamedCommands, WithCameraControlOffOnlyTheSwitchesAct) {
    xpsim::setValue("sim/graphics/view/pilots_head_x", 0.5);
    startWithCameras();
    ASSERT_NEAR(head("x"), -0.3, 1e-6);

    // Off: the pilot's head goes back to where it was when control began.
    press("Toggle_Ovilux_on_or_off");
    ASSERT_EQ(isEnabled(), 0);
    EXPECT_NEAR(head("x"), 0.5, 1e-6);

    press("Next_Camera");
    press("Add_A_Camera_to_a_New_Category");
    press("Disable_Ovilux");
    EXPECT_EQ(currentName(), "Pilot View");
    EXPECT_EQ(getNumberOfCategories(), 2);
    EXPECT_EQ(isEnabled(), 0);

    press("Enable_Ovilux");
    press("Enable_Ovilux");
    EXPECT_EQ(isEnabled(), 1);
    press("Toggle_Ovilux_on_or_off");
    EXPECT_EQ(isEnabled(), 0);
}

TEST_F(NamedCommands, AHeldKeyActsOnceOnItsBeginPhase) {
    startWithCameras();
    hold(ours("Next_Camera"), 5);
    EXPECT_EQ(currentName(), "Panel");
    hold(ours("Add_A_Camera_to_The_Current_Category"), 3);
    EXPECT_EQ(currentName(), "Camera 4");
    EXPECT_EQ(getCurrentCategory()->numberOfCameras, 4);
    frames(1);
    EXPECT_EQ(spoken("Added Camera 4 to category Cockpit"), 1);
}

TEST_F(NamedCommands, SaveAllCamerasWritesTheSetAndSaysSo) {
    startWithCameras();
    hold("sim/general/forward", 1);
    press("Save_All_Cameras");
    frames(1);
    EXPECT_NE(readCameraFile().find("Pilot View,1,-0.300000,1.200000,-2.005000"),
              std::string::npos);
    EXPECT_EQ(spoken("Cameras Saved"), 1);

    // Restoring reads the file again: later moves are lost, saved ones stay.
    hold("sim/general/forward", 1);
    press("Restore_All_Cameras");
    EXPECT_FLOAT_EQ(current().z, -2.005f);
}

TEST_F(NamedCommands, CenterHomeAndMovementRangeWorkOnTheCurrentCamera) {
    xpsim::setValue("sim/graphics/view/pilots_head_z", -1.5);
    startWithCameras();
    press("Select_View_ID_2");
    press("Center_Camera");
    EXPECT_EQ(current().heading, 0.0f);
    EXPECT_EQ(current().pitch, 0.0f);

    // Home is where the pilot's head was when camera control began.
    press("Home_Camera");
    EXPECT_FLOAT_EQ(current().z, -1.5f);

    press("Increase_Movement_Speed");
    press("Increase_Movement_Speed");
    press("Increase_Movement_Speed");
    EXPECT_EQ(current().initialMovementRange, 3);
    for (int i = 0; i < 5; ++i) {
        press("Decrease_Movement_Speed");
    }
    EXPECT_EQ(current().initialMovementRange, 0);
    EXPECT_EQ(cameraAt(0, 0).initialMovementRange, 1);
}

TEST_F(NamedCommands, AiScaleMovesInStepsOfTwoTenthsWithinItsLimits) {
    startWithCameras();
    setAiScale(5.9f);
    press("AI_Scale_Up");
    EXPECT_FLOAT_EQ(getAiScale(), 6.0f);
    press("AI_Scale_Up");
    EXPECT_FLOAT_EQ(getAiScale(), 6.0f);
    setAiScale(0.3f);
    press("AI_Scale_Down");
    EXPECT_FLOAT_EQ(getAiScale(), 0.2f);
    setAiScale(1.0f);
    press("AI_Scale_Down");
    EXPECT_NEAR(getAiScale(), 0.8f, 1e-6);
}

TEST_F(NamedCommands, PanWaitsForATransitionAndForWalkModeToEnd) {
    startMovingToThePanel(2);
    ASSERT_TRUE(isCurrentlyAnimating());
    hold(ours("Pan_Left"), 1);
    EXPECT_TRUE(isCurrentlyAnimating());

    press("Previous_Camera");
    frames(1);
    press("Toggle_Walk_Mode");
    hold(ours("Pan_Left"), 3);
    EXPECT_EQ(cameraAt(0, 0).heading, 0.0f);
    EXPECT_EQ(getWalkMode(), 1);
}

TEST_F(NamedCommands, ReleasingAMouseModeEndsItWhateverHappenedMeanwhile) {
    startWithCameras();
    xpsim::commandBegin(ours("MouseMove_X_Y"));
    EXPECT_EQ(getMouseMoveType(), 2);
    xpsim::commandBegin(ours("Simulate_Middle_Mouse_Button"));
    EXPECT_EQ(getMiddleMouseButton(), 1);
    press("Disable_Ovilux");
    xpsim::commandEnd(ours("MouseMove_X_Y"));
    xpsim::commandEnd(ours("Simulate_Middle_Mouse_Button"));
    EXPECT_EQ(getMouseMoveType(), 0);
    EXPECT_EQ(getMiddleMouseButton(), 0);
}

TEST_F(NamedCommands, MouseMovesDoNotStartWhileATransitionPlays) {
    startMovingToThePanel(1);
    ASSERT_TRUE(isCurrentlyAnimating());
    xpsim::commandBegin(ours("MouseMove_Heading_Pitch"));
    EXPECT_EQ(getMouseMoveType(), 0);
    xpsim::commandEnd(ours("MouseMove_Heading_Pitch"));
    EXPECT_EQ(getMouseMoveType(), 0);
}

TEST_F(NamedCommands, OptionTogglesFlipTheCurrentCameraOnly) {
    startWithCameras();
    press("Select_View_ID_4");
    press("Toggle_TrackIR_on_or_off_for_this_camera");
    press("Toggle_Zoom_Disable");
    press("Toggle_Target_Following_Camera");
    EXPECT_TRUE(current().trackIR);
    EXPECT_TRUE(current().disable3DCockpitZoom);
    EXPECT_TRUE(current().targetFollowing);
    EXPECT_FALSE(cameraAt(0, 0).trackIR);
    press("Toggle_Target_Reciprocal");
    EXPECT_TRUE(current().targetReciprocal);
}

}  // namespace
