// The control panel's option editor as a pilot uses it: the panel opened by
// its command on the Cessna's camera set, boxes ticked, fields typed into,
// combos chosen and the movement pad pressed through what the window shows.
#include <cmath>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "panels/control_panel/control_panel.h"
#include "positioning/commands/movement.h"
#include "positioning/transitions/auto_advance.h"
#include "scene/fov.h"
#include "shell/plugin_state.h"
#include "shell/settings.h"
#include "support/window_text.h"
#include "unit/positioning/positioning_fixture.h"

namespace {

const Column kHeadShake = static_cast<Column>(10);
const Column kXPRealistic = static_cast<Column>(60);
const double kMediumStep = 0.005;  // metres per pad press at the medium range
const double kMediumTurn = 1.0;    // degrees per pad press at the medium range
const char* const kWarning = "Warning! This camera has advanced option(s)";

class OptionEditor : public PositioningFixture {
protected:
    // The Cessna with one cockpit camera, its panel open.
    void openOn(const TestCameraRow& row) {
        start({row, TestCameraRow("Cockpit", "Second")});
        frames(1);
        xpsim::commandOnce("QFN/Ovilux/Toggle_Control_Panel_on_or_off");
        frames(3);
        panel = controlPanel();
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(panel->GetVisible());
    }
    void openWithAdvancedOptions(const TestCameraRow& row) {
        openOn(row);
        click("Show Advanced Camera Options");
    }

    std::vector<TextRun> runs() const {
        return readWindowText(panel->getImguiContext(), panel->getWindowID());
    }
    // A control's own label: the whole text run, not a part of another.
    bool shows(const std::string& label) const {
        for (const TextRun& run : runs())
            if (run.text == label) return true;
        return false;
    }
    TextRun labelled(const std::string& label) const {
        std::vector<TextRun> shown = runs();
        const TextRun* run = findText(shown, label);
        EXPECT_NE(run, nullptr) << label << " is not shown in\n" << allText(shown);
        return run != nullptr ? *run : TextRun{};
    }
    // The text run just left of a label on its line: a field's value.
    std::string valueBeside(const std::string& label) const {
        std::vector<TextRun> shown = runs();
        const TextRun* run = findText(shown, label);
        if (run == nullptr) return "";
        const TextRun* best = nullptr;
        for (const TextRun& other : shown)
            if (other.boxelCentreY() == run->boxelCentreY() && other.boxelRight < run->boxelLeft &&
                (best == nullptr || other.boxelRight > best->boxelRight))
                best = &other;
        return best != nullptr ? best->text : "";
    }
    void click(const std::string& label) {
        ASSERT_TRUE(clickText(panel->getWindowID(), panel->getImguiContext(), label))
            << label << " is not shown in\n" << allText(runs());
        frames(3);
    }
    void pressAt(int x, int y, int framesHeld = 1) {
        xpsim::setMousePosition(x, y);
        frames(1);
        xpsim::mouseClick(x, y, false, xplm_MouseDown);
        frames(framesHeld);
        xpsim::mouseClick(x, y, false, xplm_MouseUp);
        frames(3);
    }
    // ImGui's labelled widgets have their field left of the label.
    int fieldX(const TextRun& label) const { return label.boxelLeft - 12; }
    // Double-clicks the field (ImGui then edits it as text), types and presses return.
    void typeInto(const std::string& label, const std::string& typed) {
        TextRun run = labelled(label);
        ASSERT_FALSE(run.text.empty());
        int x = fieldX(run), y = run.boxelCentreY();
        // Longer than ImGui's double-click time: the last clicks on the same
        // field must not pair with these two.
        ASSERT_TRUE(typeIntoDragAt(x, y, typed, label == lastTyped ? 20 : 1)) << typed;
        lastTyped = label;
    }
    // Opens the combo beside the label and picks the item.
    void choose(const std::string& comboLabel, const std::string& item) {
        TextRun run = labelled(comboLabel);
        ASSERT_FALSE(run.text.empty());
        pressAt(fieldX(run), run.boxelCentreY());
        // The open list draws last; the lists above may show the same text
        // (the view-ID combo's "None").
        std::vector<TextRun> shown = runs();
        const TextRun* last = nullptr;
        for (const TextRun& other : shown)
            if (other.text == item) last = &other;
        ASSERT_NE(last, nullptr) << item << " is not shown in\n" << allText(shown);
        pressAt(last->boxelCentreX(), last->boxelCentreY());
    }
    // The arrow buttons of the movement box sit at fixed places in it, on
    // the line of an angle field.
    void pressArrow(const std::string& rowLabel, int xInMovementBox) {
        TextRun row = labelled(rowLabel);
        int left = 0, top = 0, right = 0, bottom = 0;
        XPLMGetWindowGeometry(panel->getWindowID(), &left, &top, &right, &bottom);
        // The box starts after the window's padding, the 435-wide TrackIR box and a gap.
        pressAt(left + 8 + 435 + 8 + xInMovementBox + 10, row.boxelCentreY());
    }
    static Camera& camera() { return *getCurrentCamera(); }
    static float aircraftLength() { return static_cast<float>(xpsim::getDouble("sim/aircraft/view/acf_size_z")); }

    ControlPanelWidget* panel = nullptr;
    std::string lastTyped;
};

TEST_F(OptionEditor, ThePadMovesAndTurnsTheCameraByOneStepOfItsRangePerPress) {
    openOn(TestCameraRow("Cockpit", "Pilot").pose(0.5, 1.0, -2.0, 0, 0));
    ASSERT_EQ(camera().initialMovementRange, 1);
    click("Forward");
    EXPECT_NEAR(camera().z, -2.0 - kMediumStep, 1e-6);
    click("Up");
    EXPECT_NEAR(camera().y, 1.0 + kMediumStep, 1e-6);
    click("Right");
    EXPECT_NEAR(camera().x, 0.5 + kMediumStep, 1e-6);
    click("Back");
    click("Down");
    click("Left");
    EXPECT_NEAR(camera().x, 0.5, 1e-6);
    EXPECT_NEAR(camera().y, 1.0, 1e-6);
    EXPECT_NEAR(camera().z, -2.0, 1e-6);

    pressArrow("Yaw", 390);
    EXPECT_NEAR(camera().heading, kMediumTurn, 1e-5);
    pressArrow("Pitch", 370);
    EXPECT_NEAR(camera().pitch, kMediumTurn, 1e-5);
    // The pilot's head X-Plane is handed follows the turned cockpit camera.
    EXPECT_NEAR(head("psi"), kMediumTurn, 1e-4);
    EXPECT_NEAR(head("the"), kMediumTurn, 1e-4);
    click("Center");
    EXPECT_EQ(camera().heading, 0.0f);
    EXPECT_EQ(camera().pitch, 0.0f);

    // A larger increment, a larger step.
    choose("Movement Increment", "Very Large");
    EXPECT_EQ(camera().initialMovementRange, 3);
    click("Forward");
    EXPECT_NEAR(camera().z, -2.0 - getSettings()->VERY_LARGE_MOVEMENT_SPEED, 1e-5);

    click("Home");
    const CameraPosition* start = getLastPosition();
    EXPECT_FLOAT_EQ(camera().x, start->x);
    EXPECT_FLOAT_EQ(camera().z, start->z);
}

TEST_F(OptionEditor, AHeldPadButtonRepeats) {
    openOn(TestCameraRow("Cockpit", "Pilot").pose(0, 1.0, 0, 0, 0));
    TextRun up = labelled("Up");
    pressAt(up.boxelCentreX(), up.boxelCentreY(), 60);  // a second held down
    EXPECT_GT(camera().y, 1.0 + 5 * kMediumStep);
}

TEST_F(OptionEditor, YawWrapsAroundNorthAndPitchShowsFoldedAngles) {
    openOn(TestCameraRow("Cockpit", "Pilot").pose(0, 1, 0, 10, 350));
    EXPECT_EQ(valueBeside("Pitch"), "-10.0");
    typeInto("Yaw", "-0.5");
    EXPECT_FLOAT_EQ(camera().heading, 359.5f);
    // A typed heading is the same direction within 0..360, however far out.
    typeInto("Yaw", "-90");
    EXPECT_FLOAT_EQ(camera().heading, 270.0f);
    typeInto("Yaw", "450");
    EXPECT_FLOAT_EQ(camera().heading, 90.0f);
    typeInto("Yaw", "-1000");
    EXPECT_FLOAT_EQ(camera().heading, 80.0f);
    typeInto("Yaw", "360");
    EXPECT_FLOAT_EQ(camera().heading, 0.0f);
    // Headings a hair short of north are kept, and shown as north, never 360.
    typeInto("Yaw", "359.96");
    EXPECT_FLOAT_EQ(camera().heading, 359.96f);
    EXPECT_EQ(valueBeside("Yaw"), "0.0");
    typeInto("Yaw", "-0.0001");
    EXPECT_FLOAT_EQ(camera().heading, 359.9999f);
    EXPECT_EQ(valueBeside("Yaw"), "0.0");
    // Dragged left across north it goes on from just under 360.
    typeInto("Yaw", "1");
    TextRun yaw = labelled("Yaw");
    int x = fieldX(yaw), y = yaw.boxelCentreY();
    frames(30);  // past ImGui's double-click time
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    frames(2);
    for (int moved = 2; moved <= 8; moved += 2) {
        xpsim::mouseClick(x - moved, y, false, xplm_MouseDrag);
        frames(1);
    }
    xpsim::mouseClick(x - 8, y, false, xplm_MouseUp);
    frames(2);
    EXPECT_FLOAT_EQ(camera().heading, 358.0f);
    typeInto("Pitch", "-30");
    EXPECT_FLOAT_EQ(camera().pitch, 330.0f);
    EXPECT_EQ(valueBeside("Pitch"), "-30.0");
    // A hair below level shows as level, without a sign.
    typeInto("Pitch", "-0.04");
    EXPECT_FLOAT_EQ(camera().pitch, 359.96f);
    EXPECT_EQ(valueBeside("Pitch"), "0.0");
    typeInto("Roll", "500");
    EXPECT_FLOAT_EQ(camera().roll, 180.0f);
}

TEST_F(OptionEditor, PositionFieldsKeepToTheCameraFileSoASaveAndRestoreGiveThemBack) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot").pose(0.3, 1.1, -0.5, 0, 0));
    typeInto("Y", "2.5");
    EXPECT_FLOAT_EQ(camera().y, 2.5f);
    typeInto("Max Back", "0.75");
    EXPECT_FLOAT_EQ(camera().maxTrackIR.z, 0.75f);
    // A typed value takes effect key by key. The camera file keeps
    // positions and offsets within a million metres: a field stops there,
    // and holds that for 1e39, which is infinite as a float.
    typeInto("X", "2000000");
    EXPECT_FLOAT_EQ(camera().x, 1e6f);
    typeInto("Z", "-1e39");
    EXPECT_FLOAT_EQ(camera().z, -1e6f);
    typeInto("Max Left", "2000000");
    EXPECT_FLOAT_EQ(camera().minTrackIR.x, 1e6f);
    typeInto("CG X Offset", "-2000000");
    EXPECT_FLOAT_EQ(camera().cgX, -1e6f);

    // What was typed is what the file gives back.
    click("Save All Cameras");
    click("File");
    click("Restore");
    EXPECT_FLOAT_EQ(camera().x, 1e6f);
    EXPECT_FLOAT_EQ(camera().y, 2.5f);
    EXPECT_FLOAT_EQ(camera().z, -1e6f);
    EXPECT_FLOAT_EQ(camera().minTrackIR.x, 1e6f);
    EXPECT_FLOAT_EQ(camera().maxTrackIR.z, 0.75f);
    EXPECT_FLOAT_EQ(camera().cgX, -1e6f);
    EXPECT_EQ(xpsim::logText().find("refused"), std::string::npos) << xpsim::logText();

    // Nor does the pad move a camera past what the file keeps.
    choose("Movement Increment", "Very Large");
    click("Right");
    click("Back");
    EXPECT_FLOAT_EQ(camera().x, 1e6f);
    EXPECT_FLOAT_EQ(camera().z, -1e6f + getSettings()->VERY_LARGE_MOVEMENT_SPEED);
    click("Forward");
    click("Forward");
    EXPECT_FLOAT_EQ(camera().z, -1e6f);
    frames(60);
    click("Save All Cameras");
    click("File");
    click("Restore");
    EXPECT_FLOAT_EQ(camera().x, 1e6f);
    EXPECT_FLOAT_EQ(camera().z, -1e6f);
    EXPECT_EQ(xpsim::logText().find("refused"), std::string::npos) << xpsim::logText();

    // A free camera is its world point: a typed position moves it, within
    // the latitudes, longitudes and elevations the file keeps.
    click("Free Camera");
    ASSERT_TRUE(camera().freeCamera);
    typeInto("X", "250");
    EXPECT_FLOAT_EQ(camera().x, 250.0f);
    typeInto("Y", "2000000");
    float y = camera().y;
    EXPECT_LE(camera().elevation, 1e6);
    frames(60);  // the confirmation of the last save gives way to the button
    click("Save All Cameras");
    click("File");
    click("Restore");
    ASSERT_TRUE(camera().freeCamera);
    EXPECT_NEAR(camera().x, 250.0, 0.01);
    EXPECT_NEAR(camera().y, y, 0.5);
    EXPECT_EQ(xpsim::logText().find("refused"), std::string::npos) << xpsim::logText();
}

TEST_F(OptionEditor, TypedValuesStayInTheFieldsRange) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot"));
    getSettings()->ENABLE_FORCE_FOV = true;
    typeInto("Transition Frames", "50000");
    EXPECT_EQ(camera().linearTransitionFrames, 30000);
    typeInto("Transitions Seconds", "1e39");
    EXPECT_FLOAT_EQ(camera().transitionSeconds, 30000.0f);
    typeInto("Transition Delay", "-4");
    EXPECT_FLOAT_EQ(camera().transitionDelay, 0.0f);
    click("AGL Camera");
    typeInto("AGL Height (Meters)", "-5");
    EXPECT_FLOAT_EQ(camera().heightAboveAgl, 0.0f);
    click("Force FOV");
    typeInto("FOV Degrees", "500");
    EXPECT_FLOAT_EQ(camera().fov, 170.0f);
    typeInto("FOV Degrees", "1");
    EXPECT_FLOAT_EQ(camera().fov, 15.0f);
}

TEST_F(OptionEditor, TransitionFramesAndSecondsClearEachOther) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot").set(kSeconds, 3.0));
    ASSERT_FLOAT_EQ(camera().transitionSeconds, 3.0f);
    typeInto("Transition Frames", "12");
    EXPECT_EQ(camera().linearTransitionFrames, 12);
    EXPECT_FLOAT_EQ(camera().transitionSeconds, 0.0f);
    typeInto("Transitions Seconds", "2.5");
    EXPECT_FLOAT_EQ(camera().transitionSeconds, 2.5f);
    EXPECT_EQ(camera().linearTransitionFrames, 0);
}

TEST_F(OptionEditor, TheEffectComboKeepsOneEffectWithTheCameraReadersPrecedence) {
    // The reader keeps XPRealistic of a row that also asks for HeadShake.
    openOn(TestCameraRow("Cockpit", "Pilot").on(kHeadShake).on(kXPRealistic));
    EXPECT_TRUE(camera().xpRealistic);
    EXPECT_FALSE(camera().headShake);
    EXPECT_EQ(valueBeside("Effect Plugins"), "XP-Realistic");
    // A camera holding both in memory is shown and left the same way.
    camera().headShake = true;
    frames(2);
    EXPECT_EQ(valueBeside("Effect Plugins"), "XP-Realistic");
    EXPECT_FALSE(camera().headShake);
    EXPECT_TRUE(camera().xpRealistic);

    EXPECT_FALSE(shows("Lua Script ID"));
    choose("Effect Plugins", "Lua Script");
    EXPECT_EQ(camera().scriptId, 1);
    EXPECT_FALSE(camera().xpRealistic);
    EXPECT_TRUE(shows("Lua Script ID"));
    typeInto("Lua Script ID", "99999");
    EXPECT_EQ(camera().scriptId, 30000);

    choose("Effect Plugins", "HeadShake");
    EXPECT_TRUE(camera().headShake);
    EXPECT_EQ(camera().scriptId, 0);
    EXPECT_FALSE(shows("Lua Script ID"));
    choose("Effect Plugins", "RealView");
    EXPECT_TRUE(camera().realView);
    EXPECT_FALSE(camera().headShake);
    choose("Effect Plugins", "None");
    EXPECT_FALSE(camera().realView || camera().headShake || camera().xpRealistic);
    EXPECT_EQ(camera().scriptId, 0);
}

TEST_F(OptionEditor, CircleViewMakesALevelTrackingCameraBehindTheAircraft) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot")
                                .pose(0.2, 1.1, -0.4, 20, 5)
                                .on(kTemporary)
                                .on(kTrackIR)
                                .on(kCineflex));
    camera().limitTrackIR = true;
    click("Circle View");
    const Camera& c = camera();
    EXPECT_TRUE(c.circleView && c.external && c.levelCamera && c.trackHeading && c.trackPitch);
    EXPECT_FALSE(c.xp9ChaseView || c.freeCamera || c.aglCamera || c.trackIR || c.limitTrackIR ||
                 c.cineflex || c.targetFollowing || c.temporaryPositioning);
    EXPECT_FLOAT_EQ(c.x, 0.0f);
    EXPECT_FLOAT_EQ(c.y, 0.0f);
    EXPECT_FLOAT_EQ(c.z, aircraftLength() + 30.0f);
    EXPECT_FLOAT_EQ(std::fmod(c.heading, 360.0f), 0.0f);  // north
    EXPECT_FLOAT_EQ(std::fmod(c.pitch, 360.0f), 0.0f);
    EXPECT_EQ(c.initialMovementRange, 3);
    // Remembered: the pose is the camera's saved position.
    EXPECT_FLOAT_EQ(c.savedPosition.z, c.z);
    EXPECT_EQ(valueBeside("Movement Increment"), "Very Large");
}

TEST_F(OptionEditor, UntickingExternalOnAFreeCameraBringsItBackToTheAircraft) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot").on(kExternal).on(kTargetFollowing));
    click("Free Camera");
    ASSERT_TRUE(camera().freeCamera);
    ASSERT_NE(camera().y, 0.0f);  // fifteen metres above the aircraft
    camera().aglCamera = camera().circleView = camera().cineflex = camera().xp9ChaseView = true;
    camera().targetFollowing = true;
    click("Enable External Camera");
    const Camera& c = camera();
    EXPECT_FALSE(c.external || c.freeCamera || c.circleView || c.aglCamera || c.cineflex ||
                 c.targetFollowing || c.xp9ChaseView);
    EXPECT_EQ(c.x, 0.0f);
    EXPECT_EQ(c.y, 0.0f);
    EXPECT_EQ(c.z, 0.0f);
    EXPECT_EQ(c.heading, 0.0f);
    EXPECT_EQ(c.pitch, 0.0f);
    EXPECT_EQ(c.initialMovementRange, 1);
    EXPECT_EQ(c.savedPosition.z, 0.0f);
    EXPECT_EQ(valueBeside("Movement Increment"), "Medium");
}

TEST_F(OptionEditor, ResetTrackIRLimitsPutsThemAMetreAroundTheCamera) {
    openOn(TestCameraRow("Cockpit", "Pilot").pose(0.3, 1.1, -0.5, 0, 0));
    click("TrackIr");
    click("Reset TrackIR Limits");
    const Camera& c = camera();
    EXPECT_NEAR(c.minTrackIR.x, -0.7, 1e-6);
    EXPECT_NEAR(c.maxTrackIR.x, 1.3, 1e-6);
    EXPECT_NEAR(c.minTrackIR.y, 0.1, 1e-6);
    EXPECT_NEAR(c.maxTrackIR.y, 2.1, 1e-6);
    EXPECT_NEAR(c.minTrackIR.z, -1.5, 1e-6);
    EXPECT_NEAR(c.maxTrackIR.z, 0.5, 1e-6);
    EXPECT_EQ(valueBeside("Max Left"), "-0.700");
}

TEST_F(OptionEditor, AnAirportFileShowsOnlyTheOptionsAnAirportCameraHas) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot"));
    for (const char* label : {"Effect Plugins", "Manually Enable Ovilux", "Disable Cockpit Zoom",
                              "Yoke Visibility", "Enable External Camera", "Circle View"})
        EXPECT_TRUE(shows(label)) << label;
    ASSERT_EQ(readCameras(addGlobalCameraFile("LSZX")), 1);
    ASSERT_TRUE(isAirportFileActive());
    frames(3);
    for (const char* label :
         {"Effect Plugins", "Lua Script ID", "Manually Enable Ovilux", "Disable Cockpit Zoom",
          "Yoke Visibility", "Enable Cinema Verite", "Enable External Camera",
          "Enable Level Camera", "Enable Cineflex Camera", "X-Plane 9 Chase View", "Circle View",
          "Target Following Camera", "Free Camera"})
        EXPECT_FALSE(shows(label)) << label << " in\n" << allText(runs());
    for (const char* label : {"Enable Smooth Transition", "Enable Temporary Positioning",
                              "Retain Mouse Look Position", "Hidden Camera",
                              "Advanced Transitions", "Enable Track Camera Heading",
                              "Enable Track Camera Pitch", "Scenic Flyer", "AGL Camera",
                              "CG Z Offset"})
        EXPECT_TRUE(shows(label)) << label << " in\n" << allText(runs());
}

TEST_F(OptionEditor, AZoomedCameraWarnsWhileAdvancedOptionsAreHidden) {
    openOn(TestCameraRow("Cockpit", "Pilot"));
    EXPECT_FALSE(shows(kWarning));
    EXPECT_FALSE(shows("Allow Camera Auto Advance"));
    camera().zoom = 1.5f;
    frames(2);
    TextRun warning = labelled(kWarning);
    EXPECT_EQ(warning.red, 255);
    EXPECT_EQ(warning.green, 255);
    EXPECT_EQ(warning.blue, 0);

    click("Show Advanced Camera Options");
    EXPECT_FALSE(shows(kWarning));
    EXPECT_TRUE(shows("Initial Zoom set to: 1.50"));
    EXPECT_FALSE(panel->allowAutoAdvance());
    EXPECT_FALSE(allowAutoAdvance());
    click("Allow Camera Auto Advance");
    EXPECT_TRUE(panel->allowAutoAdvance());
    // The engine's chains go on.
    EXPECT_TRUE(allowAutoAdvance());
    click("Initial Zoom set to: 1.50");  // unticked: the default zoom
    EXPECT_FLOAT_EQ(camera().zoom, 1.0f);

    // An outside camera zoomed with the wheel beyond what the camera file
    // keeps stores the file's largest zoom.
    click("Enable External Camera");
    xpsim::setMousePosition(50, 50);
    frames(1);
    ASSERT_TRUE(xpsim::mouseWheel(3000));
    frames(2);
    click("Set initial Zoom to: 151.00");
    EXPECT_FLOAT_EQ(camera().zoom, 100.0f);
}

TEST_F(OptionEditor, ForceFovIsOfferedOnlyWithItsSettingAndStartsAtTheDefault) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot"));
    EXPECT_FALSE(shows("Force FOV"));
    getSettings()->ENABLE_FORCE_FOV = true;
    frames(2);
    EXPECT_FALSE(shows("FOV Degrees"));
    click("Force FOV");
    EXPECT_TRUE(camera().enableFov);
    EXPECT_FLOAT_EQ(camera().fov, getDefaultFOV());
    ASSERT_TRUE(shows("FOV Degrees"));
    typeInto("FOV Degrees", "75");
    EXPECT_FLOAT_EQ(camera().fov, 75.0f);
    getSettings()->ENABLE_FORCE_FOV = false;
    frames(2);
    EXPECT_FALSE(shows("FOV Degrees"));
}

TEST_F(OptionEditor, WithoutACurrentCameraOrActiveFileTheBoxesStayEmpty) {
    openWithAdvancedOptions(TestCameraRow("Cockpit", "Pilot"));
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    setCurrentActiveCameraFile(nullptr);
    frames(2);
    EXPECT_FALSE(shows("Manually Enable Ovilux"));
    EXPECT_TRUE(shows("Disable Cockpit Zoom"));
    setCurrentActiveCameraFile(active);

    Category* category = getCurrentCategory();
    int index = category->currentCameraIndex;
    category->currentCameraIndex = category->numberOfCameras;
    ASSERT_EQ(getCurrentCamera(), nullptr);
    frames(2);
    EXPECT_TRUE(shows("Show Advanced Camera Options"));
    EXPECT_TRUE(shows("TrackIr"));
    for (const char* label : {"Enable TrackIR", "Forward", "Yaw", "Movement Increment",
                              "Enable Smooth Transition", "Hidden Camera", kWarning})
        EXPECT_FALSE(shows(label)) << label;
    category->currentCameraIndex = index;
    frames(2);
    EXPECT_TRUE(shows("Enable TrackIR"));
}

}  // namespace
