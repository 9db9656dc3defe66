// The numbered families: view IDs, momentary view IDs, airport view IDs and
// categories.
#include <filesystem>

#include "commands_fixture.h"
#include "shell/plugin_state.h"

namespace {

using ViewSelect = CommandsFixture;

TEST_F(ViewSelect, AViewIdSelectsItsCameraOrSaysItIsMissing) {
    startWithCameras();
    press("Select_View_ID_4");
    EXPECT_EQ(currentName(), "Left Wing");
    press("Select_View_ID_7");
    frames(1);
    EXPECT_EQ(currentName(), "Left Wing");
    EXPECT_EQ(spoken("Unable to find view ID 7"), 1);
}

TEST_F(ViewSelect, AViewIdSwitchesCameraControlOnOnlyForAnAircraftWithACameraFile) {
    startWithCameras();
    press("Disable_Ovilux");
    press("Select_View_ID_3");
    EXPECT_EQ(isEnabled(), 1);
    EXPECT_EQ(currentName(), "Copilot");

    // The glider has no camera file: nothing happens, nothing is written.
    loadAircraft(kGlider);
    ASSERT_EQ(isEnabled(), 0);
    press("Select_View_ID_1");
    press("Momentary_Select_View_ID_1");
    press("Select_Category_1");
    EXPECT_EQ(isEnabled(), 0);
    EXPECT_FALSE(
        std::filesystem::exists(xplane.path("Aircraft/Extra Aircraft/Glider/Ovilux_ASK21.csv")));
}

TEST_F(ViewSelect, CameraControlOffAndOnKeepsTheCameraLeft) {
    const Column kViewId = static_cast<Column>(2);
    start({TestCameraRow("Cockpit", "Pilot").set(kViewId, "1").pose(-0.3, 1.2, -2.0, 0, 0)
               .set(kTemporary, "0"),
           TestCameraRow("Cockpit", "Copilot").set(kViewId, "2").pose(0.3, 1.2, -2.0, 0, 0)
               .on(kLinear).set(kFrames, 10.0)});
    frames(1);
    hold("sim/general/right", 1);
    float moved = current().x;
    ASSERT_GT(moved, -0.3f);
    press("Disable_Ovilux");
    ASSERT_EQ(isEnabled(), 0);

    // The view ID switches control back on and moves from the pilot's camera...
    press("Select_View_ID_2");
    ASSERT_EQ(isEnabled(), 1);
    EXPECT_EQ(currentName(), "Copilot");
    frames(2);
    EXPECT_LT(head("x"), 0.2);
    frames(12);
    EXPECT_NEAR(head("x"), 0.3, 1e-4);
    // ...which keeps the pose it was left at.
    EXPECT_FLOAT_EQ(cameraAt(0, 0).savedPosition.x, moved);
}

TEST_F(ViewSelect, SelectingTheCurrentCameraAgainPutsItBackWhereItWasSaved) {
    startWithCameras();
    press("Select_View_ID_3");
    hold("sim/general/right", 1);
    ASSERT_FLOAT_EQ(current().x, 0.305f);
    press("Select_View_ID_3");
    EXPECT_FLOAT_EQ(current().x, 0.3f);
}

TEST_F(ViewSelect, AMomentaryViewLastsWhileItsKeyIsHeld) {
    startWithCameras();
    press("Select_View_ID_3");
    xpsim::commandBegin(ours("Momentary_Select_View_ID_4"));
    frames(3);
    EXPECT_EQ(currentName(), "Left Wing");
    xpsim::commandEnd(ours("Momentary_Select_View_ID_4"));
    EXPECT_EQ(currentName(), "Copilot");

    // Even from the view ID's own camera the release returns to it.
    hold(ours("Momentary_Select_View_ID_3"), 2);
    EXPECT_EQ(currentName(), "Copilot");

    // Overlapping keys: the view is the key held last's; releasing it shows
    // the latest key still held, and the last release returns to the camera
    // before the first press.
    const std::string id2 = ours("Momentary_Select_View_ID_2");
    const std::string id3 = ours("Momentary_Select_View_ID_3");
    const std::string id4 = ours("Momentary_Select_View_ID_4");
    press("Select_View_ID_1");
    xpsim::commandBegin(id2);
    frames(1);
    xpsim::commandBegin(id3);
    frames(1);
    EXPECT_EQ(currentName(), "Copilot");
    xpsim::commandEnd(id3);
    frames(1);
    EXPECT_EQ(currentName(), "Panel");
    xpsim::commandEnd(id2);
    frames(1);
    EXPECT_EQ(currentName(), "Pilot View");

    // A key released under a later one changes nothing shown.
    xpsim::commandBegin(id2);
    frames(1);
    xpsim::commandBegin(id3);
    frames(1);
    xpsim::commandEnd(id2);
    frames(1);
    EXPECT_EQ(currentName(), "Copilot");
    xpsim::commandEnd(id3);
    frames(1);
    EXPECT_EQ(currentName(), "Pilot View");

    xpsim::commandBegin(id2);
    xpsim::commandBegin(id3);
    xpsim::commandBegin(id4);
    frames(1);
    EXPECT_EQ(currentName(), "Left Wing");
    xpsim::commandEnd(id3);
    EXPECT_EQ(currentName(), "Left Wing");
    xpsim::commandEnd(id4);
    EXPECT_EQ(currentName(), "Panel");
    xpsim::commandEnd(id2);
    EXPECT_EQ(currentName(), "Pilot View");

    // A press and release of the key held, as another plug-in may send
    // them, comes back to the camera from before the first press.
    xpsim::commandBegin(id2);
    frames(1);
    xpsim::commandOnce(id2);
    EXPECT_EQ(currentName(), "Pilot View");
    xpsim::commandEnd(id2);
    EXPECT_EQ(currentName(), "Pilot View");

    // Keys held when camera control goes off are forgotten with it: their
    // releases change nothing, and the next press starts afresh.
    xpsim::commandBegin(id2);
    frames(1);
    press("Disable_Ovilux");
    xpsim::commandEnd(id2);
    press("Enable_Ovilux");
    frames(1);
    EXPECT_EQ(currentName(), "Panel");
    hold(id3, 1);
    EXPECT_EQ(currentName(), "Panel");
}

TEST_F(ViewSelect, AMomentaryReleaseDoesNotSelectACameraThatIsGone) {
    startWithCameras();
    press("Select_View_ID_3");
    xpsim::commandBegin(ours("Momentary_Select_View_ID_4"));
    // Meanwhile the file loses the copilot: its place holds another camera now.
    writeCameraFile(
        headerLine() +
        joinRow(TestCameraRow("Cockpit", "Pilot View").pose(-0.3, 1.2, -2.0, 0, 0).fields) +
        joinRow(TestCameraRow("Cockpit", "Panel").pose(0.1, 1.0, -1.6, 20, 330).fields) +
        joinRow(TestCameraRow("Cockpit", "Glareshield").pose(0, 1.1, -1.8, 0, 0).fields) +
        joinRow(TestCameraRow("Outside", "Wing").pose(-6, 1, 1, 60, 350).on(kExternal).fields) +
        joinRow(TestCameraRow("Outside", "Tail").pose(0, 3, 20, 0, 350).on(kExternal).fields));
    press("Restore_All_Cameras");
    select(1, 1);
    xpsim::commandEnd(ours("Momentary_Select_View_ID_4"));
    EXPECT_EQ(currentName(), "Tail");
}

TEST_F(ViewSelect, CategoriesAreNumberedFromOne) {
    startWithCameras();
    press("Select_View_ID_2");
    press("Select_Category_2");
    EXPECT_EQ(currentName(), "Left Wing");
    // A category comes back with the camera it was left on.
    press("Select_Category_1");
    EXPECT_EQ(currentName(), "Panel");
    press("Select_Category_5");
    frames(1);
    EXPECT_EQ(currentName(), "Panel");
    EXPECT_EQ(spoken("Category 5 does not exist"), 1);
}

TEST_F(ViewSelect, AnAirportViewIdWithoutAnyAirportFileDoesNothing) {
    startWithCameras();
    press("Select_Airport_View_ID_55");
    EXPECT_EQ(currentName(), "Pilot View");
    EXPECT_EQ(getCurrentActiveCameraFile()->fileType, 0);
}

}  // namespace
