// X-Plane's own view commands while camera control is on: which are consumed,
// which reach X-Plane, and what they do to the current camera.
#include <string>
#include <vector>

#include "commands_fixture.h"
#include "panels/control_panel/control_panel.h"
#include "positioning/commands/interception_table.h"
#include "shell/settings.h"
#include "support/window_text.h"

namespace {

using Interception = CommandsFixture;

const std::array<int, 3> kNone = {0, 0, 0};

std::vector<TextRun> panelText(ControlPanelWidget* panel) {
    return readWindowText(panel->getImguiContext(), panel->getWindowID());
}

// The right button on the text, as a pilot opens a list's context menu.
void rightClickText(ControlPanelWidget* panel, const std::string& label) {
    std::vector<TextRun> shown = panelText(panel);
    const TextRun* run = findText(shown, label);
    ASSERT_NE(run, nullptr) << label << " is not shown in\n" << allText(shown);
    int x = run->boxelCentreX(), y = run->boxelCentreY();
    xpsim::mouseClick(x, y, true, xplm_MouseDown);
    xpsim::runFrames(1);
    xpsim::mouseClick(x, y, true, xplm_MouseUp);
    xpsim::runFrames(3);
}

// Types into the option editor's Yaw field, left of its label.
void typeYaw(ControlPanelWidget* panel, const std::string& typed) {
    std::vector<TextRun> shown = panelText(panel);
    const TextRun* yaw = findText(shown, "Yaw");
    ASSERT_NE(yaw, nullptr) << allText(shown);
    ASSERT_TRUE(typeIntoDragAt(yaw->boxelLeft - 12, yaw->boxelCentreY(), typed, 20)) << typed;
}

TEST_F(Interception, ConsumedWhileCameraControlIsOnAndPassedOnWhileItIsOff) {
    startWithCameras();
    for (const char* name : X_PlaneCommands) {
        ASSERT_TRUE(xpsim::hasCommand(name)) << name;
        EXPECT_EQ(xpsim::handlerCount(name), 1) << name;
    }
    const char* taken[] = {"sim/general/forward", "sim/general/rot_up_slow", "sim/view/pan_left",
                           "sim/view/left_90", "sim/general/hat_switch_down_left",
                           "sim/view/quick_look_1"};
    for (const char* name : taken) {
        xpsim::commandOnce(name);
        EXPECT_EQ(reached(name), 0) << name;
    }
    // Looking forward is always X-Plane's, and so is a cockpit camera's zoom.
    xpsim::commandOnce("sim/view/forward");
    xpsim::commandOnce("sim/general/zoom_in");
    EXPECT_EQ(reached("sim/view/forward"), 1);
    EXPECT_EQ(reached("sim/general/zoom_in"), 1);

    press("Disable_Ovilux");
    for (const char* name : taken) {
        xpsim::commandOnce(name);
        EXPECT_EQ(reached(name), 1) << name;
        EXPECT_EQ(xpsim::handlerCount(name), 0) << name;
    }
}

TEST_F(Interception, OutsideTheCockpitAndFreeCameraOnlyQuickLooksAreTaken) {
    startWithCameras();
    xpsim::setValue("sim/graphics/view/view_type", 1017);
    xpsim::commandOnce("sim/general/forward");
    xpsim::commandOnce("sim/view/quick_look_3");
    EXPECT_EQ(reached("sim/general/forward"), 1);
    EXPECT_EQ(reached("sim/view/quick_look_3"), 0);
    EXPECT_EQ(currentName(), "Left Wing");

    // The free camera takes commands for an external camera only.
    xpsim::setValue("sim/graphics/view/view_type", 1028);
    xpsim::commandOnce("sim/view/pan_up");
    EXPECT_EQ(reached("sim/view/pan_up"), 0);
    press("Select_View_ID_1");
    xpsim::commandOnce("sim/view/pan_up");
    EXPECT_EQ(reached("sim/view/pan_up"), 1);
}

TEST_F(Interception, AHeldMoveKeyStepsOncePausesTenFramesThenStepsEveryFrame) {
    startWithCameras();
    xpsim::commandBegin("sim/general/forward");
    frames(1);
    EXPECT_NEAR(head("z"), -2.005, 1e-6);
    frames(9);
    EXPECT_NEAR(head("z"), -2.005, 1e-6);
    frames(1);
    EXPECT_NEAR(head("z"), -2.010, 1e-6);
    frames(1);
    EXPECT_NEAR(head("z"), -2.015, 1e-6);
    xpsim::commandEnd("sim/general/forward");
    frames(2);
    EXPECT_NEAR(head("z"), -2.015, 1e-6);
    EXPECT_EQ(xpsim::reachedXPlanePhases("sim/general/forward"), kNone);
}

TEST_F(Interception, ALockedKeyboardLetsMovesThroughButStillTakesPans) {
    startWithCameras();
    press("Toggle_Lock_Keyboard");
    ASSERT_TRUE(getSettings()->LOCK_KEYBOARD_CONTROL);
    hold("sim/general/left", 2);
    hold("sim/view/pan_left", 2);
    EXPECT_EQ(reached("sim/general/left"), 1);
    EXPECT_FLOAT_EQ(current().x, -0.3f);
    EXPECT_EQ(reached("sim/view/pan_left"), 0);
    EXPECT_NE(current().heading, 0.0f);
}

TEST_F(Interception, LookDirectionsTurnTheCameraOncePerPress) {
    startWithCameras();
    hold("sim/view/right_90", 5);
    EXPECT_EQ(current().heading, 90.0f);
    hold("sim/view/right_45", 5);
    EXPECT_EQ(current().heading, 180.0f);
    hold("sim/view/left_135", 3);
    EXPECT_EQ(current().heading, 45.0f);
    hold("sim/view/left_90", 1);
    EXPECT_EQ(current().heading, 315.0f);
    hold("sim/view/back", 2);
    EXPECT_EQ(current().heading, 180.0f);

    // A glance turns the view while its key is held; the camera keeps its
    // own heading.
    xpsim::commandBegin("sim/view/glance_right");
    frames(3);
    EXPECT_NEAR(head("psi"), 270.0, 1e-4);
    EXPECT_EQ(current().heading, 180.0f);
    xpsim::commandEnd("sim/view/glance_right");
    frames(1);
    EXPECT_NEAR(head("psi"), 180.0, 1e-4);
    EXPECT_EQ(current().heading, 180.0f);

    hold("sim/view/up_right", 2);
    EXPECT_EQ(current().heading, 45.0f);
    EXPECT_EQ(current().pitch, 45.0f);
    hold("sim/view/straight_down", 2);
    EXPECT_EQ(current().pitch, 270.0f);
    for (const char* name : {"sim/view/right_90", "sim/view/glance_right", "sim/view/back"}) {
        EXPECT_EQ(xpsim::reachedXPlanePhases(name), kNone) << name;
    }

    // A glance looks aside from the camera it began on: a camera chosen while
    // the key is held is shown looking its own way, and a save writes each
    // camera as the pilot left it.
    xpsim::commandBegin("sim/view/glance_left");
    frames(1);
    EXPECT_NEAR(head("psi"), 315.0, 1e-4);
    press("Select_View_ID_2");
    frames(1);
    ASSERT_EQ(currentName(), "Panel");
    EXPECT_NEAR(head("psi"), 20.0, 1e-4);
    xpsim::commandEnd("sim/view/glance_left");
    frames(1);
    EXPECT_NEAR(head("psi"), 20.0, 1e-4);
    press("Save_All_Cameras");
    press("Restore_All_Cameras");
    EXPECT_EQ(cameraAt(0, 0).heading, 0.0f);
    EXPECT_EQ(cameraAt(0, 1).heading, 20.0f);

    // What edits the set while the key is held sees the camera's own heading:
    // a camera inserted from the control panel copies it, a Yaw typed into
    // the option editor is the camera's and stays after the release.
    press("Select_View_ID_1");
    press("Toggle_Control_Panel_on_or_off");
    frames(3);
    ControlPanelWidget* panel = controlPanel();
    ASSERT_NE(panel, nullptr);
    xpsim::commandBegin("sim/view/glance_left");
    frames(2);
    EXPECT_NEAR(head("psi"), 270.0, 1e-4);
    rightClickText(panel, "Pilot View");
    ASSERT_TRUE(clickText(panel->getWindowID(), panel->getImguiContext(), "Insert New Above"))
        << allText(panelText(panel));
    frames(3);
    xpsim::commandEnd("sim/view/glance_left");
    frames(1);
    press("Save_All_Cameras");
    press("Restore_All_Cameras");
    ASSERT_EQ(cameraAt(0, 1).name, std::string("Pilot View"));
    EXPECT_EQ(cameraAt(0, 0).heading, 0.0f);
    EXPECT_EQ(cameraAt(0, 1).heading, 0.0f);

    xpsim::commandBegin("sim/view/glance_right");
    frames(2);
    EXPECT_NEAR(head("psi"), 90.0, 1e-4);
    typeYaw(panel, "45");
    EXPECT_EQ(current().heading, 45.0f);
    EXPECT_NEAR(head("psi"), 135.0, 1e-4);
    xpsim::commandEnd("sim/view/glance_right");
    frames(1);
    EXPECT_EQ(current().heading, 45.0f);
    EXPECT_NEAR(head("psi"), 45.0, 1e-4);
    press("Toggle_Control_Panel_on_or_off");
    frames(1);

    // Camera control going off ends a held glance, whose release then never
    // reaches the plug-in: the camera was never turned, and the view comes
    // back without the glance when control comes on again.
    press("Select_View_ID_2");
    frames(1);
    xpsim::commandBegin("sim/view/glance_right");
    frames(1);
    EXPECT_NEAR(head("psi"), 110.0, 1e-4);
    EXPECT_EQ(current().heading, 20.0f);
    press("Disable_Ovilux");
    xpsim::commandEnd("sim/view/glance_right");
    EXPECT_EQ(current().heading, 20.0f);
    press("Enable_Ovilux");
    frames(2);
    EXPECT_NEAR(head("psi"), 20.0, 1e-4);
}

TEST_F(Interception, ZoomActsOnExternalCamerasAtEveryCallButNeverBelowOne) {
    startWithCameras();
    press("Select_View_ID_4");
    frames(1);
    current().externalZoom = 1.05f;
    xpsim::commandOnce("sim/general/zoom_out_fast");
    EXPECT_FLOAT_EQ(current().externalZoom, 1.0f);
    hold("sim/general/zoom_in", 3);
    EXPECT_NEAR(current().externalZoom, 1.25f, 1e-5);
    EXPECT_EQ(reached("sim/general/zoom_in"), 0);
}

TEST_F(Interception, AQuickLookGoesToItsCameraAndASecondPressGoesBack) {
    startWithCameras();
    press("Select_View_ID_2");
    xpsim::commandOnce("sim/view/quick_look_2");
    EXPECT_EQ(currentName(), "Copilot");
    xpsim::commandOnce("sim/view/quick_look_2");
    EXPECT_EQ(currentName(), "Panel");
    EXPECT_EQ(reached("sim/view/quick_look_2"), 0);

    // No camera has view ID 10: X-Plane's own quick look runs.
    xpsim::commandOnce("sim/view/quick_look_9");
    EXPECT_EQ(reached("sim/view/quick_look_9"), 1);
    EXPECT_EQ(currentName(), "Panel");

    getSettings()->DISABLE_QUICK_LOOK_EMULATION = true;
    xpsim::commandOnce("sim/view/quick_look_2");
    EXPECT_EQ(reached("sim/view/quick_look_2"), 1);
    EXPECT_EQ(currentName(), "Panel");
}

TEST_F(Interception, AQuickLookDoesNotGoBackToACameraThatIsGone) {
    startWithCameras();
    press("Select_View_ID_3");
    xpsim::commandOnce("sim/view/quick_look_0");
    ASSERT_EQ(currentName(), "Pilot View");
    writeCameraFile(headerLine() +
                    joinRow(rowFields("Cockpit", "Pilot View", 1)) +
                    joinRow(rowFields("Cockpit", "Panel", 2)) +
                    joinRow(rowFields("Cockpit", "Glareshield")));
    press("Restore_All_Cameras");
    xpsim::commandOnce("sim/view/quick_look_0");
    EXPECT_EQ(currentName(), "Pilot View");
}

TEST_F(Interception, QuickLookMemoryGivesTheViewIdAndSavesWithoutAWord) {
    startWithCameras();
    press("Select_View_ID_2");
    xpsim::commandOnce("sim/view/quick_look_3_mem");
    frames(1);
    EXPECT_EQ(current().viewId, 4);
    EXPECT_EQ(cameraAt(1, 0).viewId, 0);
    std::string file = readCameraFile();
    EXPECT_NE(file.find("Cockpit,Panel,4,"), std::string::npos);
    EXPECT_NE(file.find("Outside,Left Wing,0,"), std::string::npos);
    EXPECT_TRUE(xpsim::spokenTexts().empty());
    EXPECT_EQ(reached("sim/view/quick_look_3_mem"), 0);
}

}  // namespace
