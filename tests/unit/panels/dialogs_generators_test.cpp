// The fly-by, orbit and airport-camera dialogs as a pilot uses them: their
// defaults, the values they refuse or clamp, and the cameras "Create" makes.
#include <cmath>
#include <string>

#include "cameras/files/camera_file.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "positioning/transitions/transition_state.h"
#include "support/message_boxes.h"
#include "unit/panels/dialogs_fixture.h"
#include "xpsim.h"

namespace {

double sinDeg(double degrees) { return std::sin(degrees * M_PI / 180.0); }
double cosDeg(double degrees) { return std::cos(degrees * M_PI / 180.0); }

class GeneratorDialogs : public DialogsFixture {
protected:
    void startCockpit() {
        start({TestCameraRow("Cockpit", "Pilot"),
               TestCameraRow("Cockpit", "Door").on(kSmooth).pose(1, 0, 0, 90, 0)});
        openPanel();
    }
    // A smooth move to the door plays; generated chains would not advance
    // while the panel is open.
    void playMove() {
        select(0, 0);
        frames(120);
        select(0, 1);
        frames(5);
        ASSERT_TRUE(isCurrentlyAnimating());
    }
    // In the text field that holds the keys: backspaces, then the new end.
    void replaceLastCharacters(int count, const std::string& typed) {
        for (int key = 0; key < count; ++key) {
            ASSERT_TRUE(xpsim::pressKey("BACK"));
            frames(2);
        }
        for (char c : typed) {
            ASSERT_TRUE(xpsim::typeText(std::string(1, c)));
            frames(2);
        }
    }
    bool showsInRed(const std::string& what) const {
        std::vector<TextRun> shown = text();
        const TextRun* run = findText(shown, what);
        return run != nullptr && run->red == 255 && run->green == 0;
    }
    // X-Plane quits and starts again with the Cockpit set and the panel open.
    void restart() {
        xplane.disableAndStop();
        startCockpit();
    }
    void expectFlyByDefaults() {
        EXPECT_EQ(fieldValue("Name"), "(empty)");
        EXPECT_EQ(fieldValue("Camera Attack Heading"), "270.0");
        EXPECT_EQ(fieldValue("Initial Height in Meters"), "25.00");
        EXPECT_EQ(fieldValue("Distance in Meters"), "500.00");
        EXPECT_EQ(fieldValue("CPA X in Meters"), "50.00");
        EXPECT_EQ(fieldValue("CPA Z in Meters"), "-10.00");
        EXPECT_EQ(fieldValue("CPA Y in Meters"), "10.00");
        EXPECT_EQ(fieldValue("Duration in Seconds"), "30.00");
    }
    void expectOrbitDefaults() {
        EXPECT_EQ(fieldValue("Name"), "(empty)");
        EXPECT_EQ(fieldValue("Initial Camera Heading"), "270.0");
        EXPECT_EQ(fieldValue("Radius in Meters"), "10.00");
        EXPECT_EQ(fieldValue("Min Height in Meters"), "-3.00");
        EXPECT_EQ(fieldValue("Max Height in Meters"), "3.00");
        EXPECT_EQ(fieldValue("Duration in Seconds"), "30.00");
    }
};

TEST_F(GeneratorDialogs, FlyByDefaultsRefusalsAndItsTwoCameras) {
    startCockpit();
    openDialog(kDialogCreateFlyBy);
    ASSERT_TRUE(shows("Create FlyBy")) << allText(text());
    expectFlyByDefaults();
    expectDrawnAboveItsDimming();

    // No name: nothing is made and the dialog says why.
    click("Create");
    EXPECT_TRUE(shows("The fly-by needs a name.")) << allText(text());
    EXPECT_EQ(getNumberOfCategories(), 1);
    typeInto("Name", "   ");
    click("Create");
    EXPECT_TRUE(shows("The fly-by needs a name."));
    EXPECT_EQ(getNumberOfCategories(), 1);
    typeInto("Name", "");  // the cursor after the blanks
    for (int blank = 0; blank < 3; ++blank) {
        ASSERT_TRUE(xpsim::pressKey("BACK"));
        frames(2);
    }

    // Every field is held to its range.
    typeNumber("Duration in Seconds", "0");
    EXPECT_EQ(fieldValue("Duration in Seconds"), "1.00");
    typeNumber("Duration in Seconds", "30");
    // A typed heading is the same direction within 0..360.
    typeNumber("Camera Attack Heading", "450");
    EXPECT_EQ(fieldValue("Camera Attack Heading"), "90.0");
    typeNumber("Camera Attack Heading", "-90");
    EXPECT_EQ(fieldValue("Camera Attack Heading"), "270.0");

    click("Cancel");
    openDialog(kDialogCreateFlyBy);  // opened again: the refusal is gone, the numbers stay
    EXPECT_FALSE(shows("The fly-by needs a name."));
    typeInto("Name", "Low Pass");
    click("Create");
    EXPECT_FALSE(shows("Create FlyBy")) << allText(text());
    ASSERT_EQ(getNumberOfCategories(), 2);
    Category& pass = *getCategory(1);
    EXPECT_STREQ(pass.name, "Low Pass");
    ASSERT_EQ(pass.numberOfCameras, 2);
    const Camera& first = pass.cameras[0];
    EXPECT_NEAR(first.x, 550.0, 1e-3);
    EXPECT_NEAR(first.z, -10.0, 1e-3);
    EXPECT_NEAR(first.y, 35.0, 1e-4);
    EXPECT_FLOAT_EQ(first.heading, 270.0f);
    EXPECT_TRUE(first.autoAdvance && !first.hidden && !first.linearTransition);
    const Camera& last = pass.cameras[1];
    EXPECT_NEAR(last.x, -450.0, 1e-3);
    EXPECT_NEAR(last.z, -10.0, 1e-3);
    EXPECT_NEAR(last.y, -15.0, 1e-4);
    EXPECT_FLOAT_EQ(last.heading, 90.0f);
    EXPECT_TRUE(last.hidden && last.linearTransition && !last.autoAdvance);
    EXPECT_FLOAT_EQ(last.transitionSeconds, 30.0f);

    // The values stay for the next opening.
    openDialog(kDialogCreateFlyBy);
    EXPECT_EQ(fieldValue("Name"), "Low Pass");
    EXPECT_EQ(fieldValue("CPA X in Meters"), "50.00");

    // The file writes commas as blanks: "Low,Pass" would read back into
    // "Low Pass", so it is refused while that category is another one.
    typeInto("Name", "");
    replaceLastCharacters(5, ",Pass");
    click("Create");
    EXPECT_TRUE(showsInRed("Another category has this name")) << allText(text());
    EXPECT_EQ(getNumberOfCategories(), 2);
    typeInto("Name", "");
    replaceLastCharacters(5, " Pass");

    // Positions are held to the file's million metres; a camera the values
    // would put farther from the origin than that is refused.
    typeNumber("CPA X in Meters", "1e39");
    EXPECT_EQ(fieldValue("CPA X in Meters"), "1000000.00");
    typeNumber("Distance in Meters", "-1e39");
    EXPECT_EQ(fieldValue("Distance in Meters"), "-1000000.00");
    click("Create");
    frames(1);  // the dialog grows to the line's width
    EXPECT_TRUE(showsInRed("These values put a camera more than 1000000 m from the aircraft"))
        << allText(text());
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_NEAR(getCategory(1)->cameras[0].x, 550.0, 1e-3);
    typeNumber("CPA X in Meters", "50");
    typeNumber("Distance in Meters", "500");
    typeNumber("Duration in Seconds", "45");
    click("Cancel");
    EXPECT_FALSE(shows("Create FlyBy"));

    // What was typed lasts while the plug-in is loaded, not beyond its stop.
    restart();
    openDialog(kDialogCreateFlyBy);
    ASSERT_TRUE(shows("Create FlyBy")) << allText(text());
    expectFlyByDefaults();
}

TEST_F(GeneratorDialogs, OrbitDefaultsWrappedHeadingAndItsRing) {
    startCockpit();
    openDialog(kDialogCreateOrbit);
    ASSERT_TRUE(shows("Create Orbit")) << allText(text());
    expectOrbitDefaults();
    expectDrawnAboveItsDimming();

    typeNumber("Initial Camera Heading", "-1");
    EXPECT_EQ(fieldValue("Initial Camera Heading"), "359.0");
    typeNumber("Initial Camera Heading", "400");
    EXPECT_EQ(fieldValue("Initial Camera Heading"), "40.0");
    typeNumber("Initial Camera Heading", "-90");
    EXPECT_EQ(fieldValue("Initial Camera Heading"), "270.0");
    typeNumber("Initial Camera Heading", "-1");
    typeNumber("Radius in Meters", "-1e39");
    EXPECT_EQ(fieldValue("Radius in Meters"), "-1000000.00");
    typeNumber("Radius in Meters", "10");
    typeNumber("Duration in Seconds", "5000");
    EXPECT_EQ(fieldValue("Duration in Seconds"), "1000.00");
    typeNumber("Duration in Seconds", "37");

    click("Create");
    EXPECT_TRUE(shows("The orbit needs a name."));
    EXPECT_EQ(getNumberOfCategories(), 1);
    typeInto("Name", "Circle");
    click("Create");
    EXPECT_FALSE(shows("Create Orbit"));
    ASSERT_EQ(getNumberOfCategories(), 2);
    Category& ring = *getCategory(1);
    EXPECT_STREQ(ring.name, "Circle");
    ASSERT_EQ(ring.numberOfCameras, 37);
    for (int i = 0; i < 37; ++i) {
        const Camera& c = ring.cameras[i];
        double heading = std::fmod(359.0 + 10.0 * i, 360.0);
        double step = std::fmod(360.0 - 10.0 * i, 360.0);
        EXPECT_NEAR(c.heading, heading, 1e-3) << i;
        EXPECT_NEAR(c.x, -sinDeg(heading) * 10.0, 1e-3) << i;
        EXPECT_NEAR(c.z, cosDeg(heading) * 10.0, 1e-3) << i;
        EXPECT_NEAR(c.y, 3.0 * sinDeg(step), 1e-4) << i;
        EXPECT_EQ(c.hidden, i > 0) << i;
        EXPECT_EQ(c.linearTransition, i > 0) << i;
        EXPECT_EQ(c.autoAdvance, i < 36) << i;
        if (i > 0) {
            EXPECT_FLOAT_EQ(c.transitionSeconds, 1.0f) << i;
        }
    }

    // Heights far apart are held to the file's range, so the ring between
    // them stays there too.
    openDialog(kDialogCreateOrbit);
    typeNumber("Min Height in Meters", "-3e38");
    EXPECT_EQ(fieldValue("Min Height in Meters"), "-1000000.00");
    typeNumber("Max Height in Meters", "3e38");
    EXPECT_EQ(fieldValue("Max Height in Meters"), "1000000.00");
    click("Create");
    ASSERT_EQ(getNumberOfCategories(), 2);
    for (int i = 0; i < ring.numberOfCameras; ++i) {
        EXPECT_LE(std::fabs(ring.cameras[i].y), 1e6) << i;
    }

    // What was typed lasts while the plug-in is loaded, not beyond its stop.
    restart();
    openDialog(kDialogCreateOrbit);
    ASSERT_TRUE(shows("Create Orbit")) << allText(text());
    expectOrbitDefaults();
}

TEST_F(GeneratorDialogs, CreatingStopsAPlayingTransitionFirst) {
    startCockpit();
    openDialog(kDialogCreateOrbit);
    clearField("Name");
    typeInto("Name", "Around");
    playMove();
    click("Create");
    EXPECT_FALSE(isCurrentlyAnimating());
    EXPECT_EQ(getNumberOfCategories(), 2);

    openDialog(kDialogCreateFlyBy);
    clearField("Name");
    typeInto("Name", "Pass");
    playMove();
    click("Create");
    EXPECT_FALSE(isCurrentlyAnimating());
    EXPECT_EQ(getNumberOfCategories(), 3);

    openDialog(kDialogNewCameraSet);
    playMove();
    click("Create New Aircraft Camera Set");
    EXPECT_FALSE(isCurrentlyAnimating());
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
}

class AirportDialog : public DialogsFixture {
protected:
    void SetUp() override {
        DialogsFixture::SetUp();
        startWithPanel();
    }
    void startWithPanel() {
        startAt("100 45.00 1 0 0.25 1 3 0 09 47.0 8.0 0 0 3 1 1 0 27 47.0 8.015625000 0 0 3 0 0 "
                "0\n102 H1 47.001953125 8.0 0 15 15 1 0 0 0.25 0\n");
        openPanel();
    }
    void expectDefaults() {
        EXPECT_EQ(fieldValue("Runways Horizontal Offset"), "40.00");
        EXPECT_EQ(fieldValue("Runways Vertical Offset"), "20.00");
        EXPECT_EQ(fieldValue("Starting Position Horizontal Offset"), "40.00");
        EXPECT_EQ(fieldValue("Starting Position Vertical Offset"), "20.00");
        EXPECT_EQ(fieldValue("Signs Vertical Offset"), "2.00");
        EXPECT_EQ(fieldValue("Signs Camera Culling Radius"), "5.00");
    }
    static bool hasTarget(const char* name, double lat, double lon) {
        for (const Target* t = getTargetBucket(getTargetRow(lat), getTargetColumn(lon));
             t != nullptr; t = t->next) {
            if (std::string(t->name) == name) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(AirportDialog, DefaultsComeBackAndTheSetIsMadeOnTheTenthFrameAfterCreate) {
    openDialog(kDialogCreateAirportCameras);
    ASSERT_TRUE(shows("Camera Offsets in Meters")) << allText(text());
    expectDefaults();
    expectDrawnAboveItsDimming();

    typeNumber("Runways Horizontal Offset", "60");
    EXPECT_EQ(fieldValue("Runways Horizontal Offset"), "60.00");
    typeNumber("Signs Camera Culling Radius", "-5");
    EXPECT_EQ(fieldValue("Signs Camera Culling Radius"), "0.00");
    // An offset is held to the camera file's million metres, also for
    // "1e39", infinite as a float.
    typeNumber("Signs Vertical Offset", "1e39");
    EXPECT_EQ(fieldValue("Signs Vertical Offset"), "1000000.00");
    typeNumber("Runways Vertical Offset", "2000000");
    EXPECT_EQ(fieldValue("Runways Vertical Offset"), "1000000.00");
    // A million metres above the runways is higher than the file keeps a
    // camera: nothing is made, and a box says why.
    click("Create");
    frames(12);
    EXPECT_FALSE(shows("Create Airport Cameras"));
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Airport");
    showMessageBoxes();
    MsgBoxView box;
    ASSERT_TRUE(findMessageBox("Create Airport Cameras", &box));
    EXPECT_NE(box.message.find("where the camera file cannot keep it"), std::string::npos)
        << box.message;
    clickMessageBoxButton(box, true);

    openDialog(kDialogCreateAirportCameras);
    EXPECT_EQ(fieldValue("Runways Vertical Offset"), "1000000.00");
    click("Defaults");
    EXPECT_EQ(fieldValue("Runways Horizontal Offset"), "40.00");
    EXPECT_EQ(fieldValue("Signs Camera Culling Radius"), "5.00");

    ASSERT_EQ(getNumberOfCategories(), 1);
    std::vector<TextRun> create = runsOf("Create");
    ASSERT_FALSE(create.empty());
    press(create.back());
    frames(2);  // the second frame after the release takes the press
    for (int frame = 1; frame <= 9; ++frame) {
        frames(1);
        EXPECT_TRUE(shows("Please wait, this can take a while...")) << frame;
        EXPECT_EQ(getNumberOfCategories(), 1) << frame;
        EXPECT_STREQ(getCategory(0)->name, "Airport") << frame;
    }
    frames(1);
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_STREQ(getCategory(0)->name, "Runways");
    EXPECT_STREQ(getCategory(1)->name, "Helipads");
    const Category& runways = *getCategory(0);
    ASSERT_EQ(runways.numberOfCameras, 2);
    Vec west = ground(47.0, 8.0);
    EXPECT_NEAR(runways.cameras[0].x, west.x - 40, 0.05);  // 40 m back, 20 m up
    EXPECT_NEAR(runways.cameras[0].y, west.y + 20, 0.05);
    EXPECT_TRUE(hasTarget("LSZX - Runway - 09", 47.0, 8.0));
    EXPECT_TRUE(hasTarget("LSZX - Helipad - H1", 47.001953125, 8.0));
    frames(2);
    EXPECT_FALSE(shows("Create Airport Cameras"));

    // What was typed lasts while the plug-in is loaded, not beyond its stop.
    openDialog(kDialogCreateAirportCameras);
    typeNumber("Runways Horizontal Offset", "60");
    click("Cancel");
    xplane.disableAndStop();
    startWithPanel();
    openDialog(kDialogCreateAirportCameras);
    ASSERT_TRUE(shows("Camera Offsets in Meters")) << allText(text());
    expectDefaults();
}

TEST_F(AirportDialog, AWaitCutShortByHidingThePanelNeverGeneratesLater) {
    openDialog(kDialogCreateAirportCameras);
    click("Create");
    EXPECT_TRUE(shows("Please wait, this can take a while..."));
    xpsim::commandOnce("QFN/Ovilux/Toggle_Control_Panel_on_or_off");  // hidden
    frames(20);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Control_Panel_on_or_off");
    panel->requestDialog(kDialogCreateAirportCameras);
    frames(20);
    EXPECT_TRUE(shows("Camera Offsets in Meters")) << allText(text());
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Airport");
}

TEST_F(AirportDialog, NothingIsMadeWhenTheAircraftsFileIsActiveAgain) {
    openDialog(kDialogCreateAirportCameras);
    click("Create");
    readCameras(nullptr);  // back to the aircraft's set during the wait
    frames(12);
    EXPECT_FALSE(shows("Create Airport Cameras"));
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
}

}  // namespace
