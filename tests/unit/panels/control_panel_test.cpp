// The control panel as a pilot uses it: opened from the Plugins menu, its
// lists clicked, right-clicked and dragged, names typed, and the set saved.
#include <sys/stat.h>

#include <string>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/control_panel_shown.h"
#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "panels/control_panel/control_panel.h"
#include "panels/panel_placement.h"
#include "panels/settings_panel.h"
#include "panels/window_manager.h"
#include "positioning/transitions/auto_advance.h"
#include "positioning/transitions/transition_state.h"
#include "shell/settings.h"
#include "support/message_boxes.h"
#include "unit/panels/panels_fixture.h"

namespace {

const char* const kCessna = "Aircraft/Laminar Research/Cessna 172 SP/Cessna_172SP.acf";
const char* const kCessnaCameraFile =
    "Aircraft/Laminar Research/Cessna 172 SP/Ovilux_Cessna_172SP.csv";

class ControlPanel : public PanelsFixture {
protected:
    void SetUp() override {
        SimulatedXPlane::writeFile(
            xplane.path(kCessnaCameraFile),
            SimulatedXPlane::readFile(std::string(OVILUX_FIXTURES_DIR) +
                                      "/../scenarios/files/cessna_cameras.csv"));
        PanelsFixture::SetUp();
        xpsim::setUserAircraft(kCessna);
        xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 0);
        xpsim::runFrames(3);
    }
    ControlPanelWidget* open() {
        std::string error;
        EXPECT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Toggle Control Panel", &error))
            << error;
        xpsim::runFrames(3);
        ControlPanelWidget* panel = controlPanel();
        EXPECT_NE(panel, nullptr);
        return panel;
    }
    std::string cameraFile() const {
        return SimulatedXPlane::readFile(xplane.path(kCessnaCameraFile));
    }
    static const TextRun* find(ImgWindow* window, const std::string& what) {
        static std::vector<TextRun> shown;
        shown = text(window);
        return findText(shown, what);
    }
    // The last run of exactly this text: an open popup draws after the boxes
    // of the window, which may show the same text.
    static const TextRun* findLast(ImgWindow* window, const std::string& what) {
        static std::vector<TextRun> shown;
        shown = text(window);
        const TextRun* last = nullptr;
        for (const TextRun& run : shown)
            if (run.text == what) last = &run;
        return last;
    }
    // The right button on the text, as a person opens a context menu.
    static void rightClick(ImgWindow* window, const std::string& label) {
        const TextRun* run = find(window, label);
        ASSERT_NE(run, nullptr) << label << " is not shown in\n" << allText(text(window));
        int x = run->boxelCentreX(), y = run->boxelCentreY();
        xpsim::mouseClick(x, y, true, xplm_MouseDown);
        xpsim::runFrames(1);
        xpsim::mouseClick(x, y, true, xplm_MouseUp);
        xpsim::runFrames(3);
    }
    // Types over the name field's text, which is selected when it takes the
    // keys, and presses return.
    static void typeOver(ImgWindow* window, const std::string& typed) {
        ASSERT_TRUE(shows(window, "Edit:")) << allText(text(window));
        ASSERT_TRUE(xpsim::pressKey("BACK"));
        xpsim::runFrames(2);
        for (char c : typed) {
            ASSERT_TRUE(xpsim::typeText(std::string(1, c)));
            xpsim::runFrames(2);
        }
        ASSERT_TRUE(xpsim::pressKey("RETURN"));
        xpsim::runFrames(3);
    }
    void rename(ImgWindow* window, const std::string& item, const std::string& name) {
        rightClick(window, item);
        ASSERT_TRUE(shows(window, "Edit:")) << allText(text(window));
        typeOver(window, name);
    }
    // A click on an empty part of the panel closes its open menus.
    static void closeMenus(ImgWindow* window) {
        int l = 0, t = 0, r = 0, b = 0;
        XPLMGetWindowGeometry(window->getWindowID(), &l, &t, &r, &b);
        xpsim::mouseClick(l + 20, b + 60, false, xplm_MouseDown);
        xpsim::runFrames(1);
        xpsim::mouseClick(l + 20, b + 60, false, xplm_MouseUp);
        xpsim::runFrames(3);
    }
    static void cameraControlOffAndOn() {
        xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
        xpsim::runFrames(2);
        xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
        xpsim::runFrames(2);
    }
    // X-Plane quits and starts again with the Cessna.
    void restart() {
        xplane.disableAndStop();
        xplane.startAndEnable();
        xpsim::setUserAircraft(kCessna);
        xpsim::sendMessage(XPLM_MSG_PLANE_LOADED, 0);
        xpsim::runFrames(3);
    }
    static std::vector<int> geometry(ControlPanelWidget* panel) {
        int l = 0, t = 0, r = 0, b = 0;
        XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
        return {l, t, r, b};
    }
    static std::vector<int> geometryOS(ControlPanelWidget* panel) {
        int l = 0, t = 0, r = 0, b = 0;
        XPLMGetWindowGeometryOS(panel->getWindowID(), &l, &t, &r, &b);
        return {l, t, r, b};
    }
    static int overallStatus() {
        return static_cast<int>(xpsim::getDouble("QFN/Ovilux/integration/overall_status"));
    }
    static int cameraStatus() {
        // View ID 1's entry: "Pilot View".
        return static_cast<int>(xpsim::getDouble("QFN/Ovilux/integration/camera_status", 1));
    }
};

TEST_F(ControlPanel, TogglingShowsThePanelAndAddsEightToTheStatusDatarefs) {
    int overall = overallStatus();
    int camera = cameraStatus();
    ControlPanelWidget* panel = open();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(isControlPanelVisable());
    EXPECT_EQ(overallStatus(), overall + 8);
    EXPECT_EQ(cameraStatus(), camera + 8);
    for (const char* shown : {"File", "Edit", "Airport File", "Category", "Camera", "Cockpit",
                              "Outside", "Pilot View", "Radio Stack", "Solid Background",
                              "Save All Cameras", "Create Backup"})
        EXPECT_TRUE(shows(panel, shown)) << shown << " in\n" << allText(text(panel));
    // Chains wait while the panel is open, until the box allows them.
    EXPECT_FALSE(allowAutoAdvance());

    open();
    EXPECT_EQ(controlPanel(), panel);
    EXPECT_FALSE(isControlPanelVisable());
    EXPECT_TRUE(allowAutoAdvance());
    EXPECT_EQ(overallStatus(), overall);
    EXPECT_EQ(cameraStatus(), camera);
}

TEST_F(ControlPanel, SelectingACategoryAndACameraMakesItCurrentAndMovesTheView) {
    ControlPanelWidget* panel = open();
    click(panel, "Radio Stack");
    xpsim::runFrames(3);
    ASSERT_NE(getCurrentCamera(), nullptr);
    EXPECT_STREQ(getCurrentCamera()->name, "Radio Stack");
    // A cockpit camera moves the pilot's head.
    EXPECT_NEAR(xpsim::getDouble("sim/graphics/view/pilots_head_x"), 0.1, 0.001);
    EXPECT_NEAR(xpsim::getDouble("sim/graphics/view/pilots_head_psi"), 20.0, 0.001);

    click(panel, "Outside");
    xpsim::runFrames(3);
    EXPECT_EQ(getCurrentCategoryIndex(), 1);
    EXPECT_STREQ(getCurrentCamera()->name, "Left Wing");
    EXPECT_TRUE(shows(panel, "Left Wing"));
    EXPECT_FALSE(shows(panel, "Radio Stack"));
    // An outside camera holds X-Plane's camera, 6 m left of the aircraft.
    XPLMCameraPosition_t wing{};
    ASSERT_TRUE(xpsim::lastCameraPose(&wing));
    EXPECT_NEAR(wing.x, -6.0, 0.01);
    EXPECT_NEAR(wing.heading, 60.0, 0.01);
}

TEST_F(ControlPanel, ARenameReachesTheSavedFileWhichIsSpokenAndConfirmed) {
    ControlPanelWidget* panel = open();
    click(panel, "Radio Stack");
    rename(panel, "Radio Stack", "Panel Closeup");
    EXPECT_STREQ(getCurrentCamera()->name, "Panel Closeup");
    EXPECT_TRUE(shows(panel, "Panel Closeup"));

    xpsim::runFrames(3);
    click(panel, "Save All Cameras");
    EXPECT_TRUE(shows(panel, "[SAVE COMPLETED]"));
    EXPECT_NE(cameraFile().find("\nCockpit,Panel Closeup,2,"), std::string::npos) << cameraFile();
    xpsim::runFrames(5);
    bool spoken = false;
    for (const std::string& said : xpsim::spokenTexts()) spoken |= said == "Cameras Saved";
    EXPECT_TRUE(spoken);
    // The confirmation gives way to the button after a second.
    xpsim::runFrames(65);
    EXPECT_FALSE(shows(panel, "[SAVE COMPLETED]"));
    EXPECT_TRUE(shows(panel, "Save All Cameras"));
}

TEST_F(ControlPanel, BlankNamesAndNamesOfAnotherCategoryAreRefusedInRed) {
    ControlPanelWidget* panel = open();
    click(panel, "Outside");
    rename(panel, "Outside", "cockpit");
    const TextRun* refusal = find(panel, "Another category has this name");
    ASSERT_NE(refusal, nullptr) << allText(text(panel));
    EXPECT_EQ(refusal->red, 255);
    EXPECT_EQ(refusal->green, 0);
    EXPECT_STREQ(getCategory(1)->name, "Outside");

    typeOver(panel, "   ");
    EXPECT_TRUE(shows(panel, "A name cannot be blank")) << allText(text(panel));
    EXPECT_STREQ(getCategory(1)->name, "Outside");

    // Thirty characters fit; the thirty-first is not taken.
    typeOver(panel, "Outside Cameras Of The Cessna!!");
    EXPECT_STREQ(getCategory(1)->name, "Outside Cameras Of The Cessna!");
    click(panel, "Save All Cameras");
    EXPECT_NE(cameraFile().find("\nOutside Cameras Of The Cessna!,Left Wing,3,"),
              std::string::npos);

    // The reader skips a row that reads as the file's header: the pair of
    // names that would write one is refused, whichever is typed last.
    const char* const kHeaderPair = "\"Category Name\" cannot hold \"Camera Name\"";
    rename(panel, "Left Wing", "Camera,Name");
    EXPECT_STREQ(getCurrentCamera()->name, "Camera,Name");
    rename(panel, "Outside Cameras Of The Cessna!", "CATEGORY NAME");
    refusal = find(panel, kHeaderPair);
    ASSERT_NE(refusal, nullptr) << allText(text(panel));
    EXPECT_EQ(refusal->red, 255);
    EXPECT_STREQ(getCategory(1)->name, "Outside Cameras Of The Cessna!");
    closeMenus(panel);
    click(panel, "Cockpit");
    rename(panel, "Cockpit", "Category Name");
    rename(panel, "Pilot View", "camera name");
    EXPECT_TRUE(shows(panel, kHeaderPair)) << allText(text(panel));
    EXPECT_STREQ(getCurrentCamera()->name, "Pilot View");
}

TEST_F(ControlPanel, ASaveThatFailsShowsNoConfirmationButARedText) {
    ControlPanelWidget* panel = open();
    // Only the mode says so: the process may run as root.
    chmod(xplane.path(kCessnaCameraFile).c_str(), 0444);
    click(panel, "Save All Cameras");
    EXPECT_FALSE(shows(panel, "[SAVE COMPLETED]"));
    const TextRun* failure = find(panel, "The camera file could not be saved");
    ASSERT_NE(failure, nullptr) << allText(text(panel));
    EXPECT_EQ(failure->red, 255);
    for (const std::string& said : xpsim::spokenTexts()) EXPECT_NE(said, "Cameras Saved");
}

TEST_F(ControlPanel, CopiedCategoriesArePastedUnderNamesOfTheirOwn) {
    ControlPanelWidget* panel = open();
    click(panel, "Category");
    click(panel, "Copy Category");
    rightClick(panel, "Cockpit");
    click(panel, "Insert Copy Below");
    xpsim::runFrames(2);
    ASSERT_EQ(getNumberOfCategories(), 3);
    EXPECT_STREQ(getCategory(1)->name, "(Copy of) Cockpit");
    rightClick(panel, "Cockpit");
    click(panel, "Insert Copy Below");
    xpsim::runFrames(2);
    ASSERT_EQ(getNumberOfCategories(), 4);
    EXPECT_STREQ(getCategory(1)->name, "(Copy of) Cockpit 2");

    click(panel, "Save All Cameras");
    ASSERT_EQ(readCameras(getCurrentActiveCameraFile()), 1);
    EXPECT_EQ(getNumberOfCategories(), 4);
    EXPECT_EQ(getCategory(1)->numberOfCameras, 2);
}

TEST_F(ControlPanel, TheMenusOfferNoAddOrInsertAtTheLimitsAndNoDeleteOfTheLast) {
    ControlPanelWidget* panel = open();
    click(panel, "Outside");
    // One camera left in "Outside": no "Delete".
    rightClick(panel, "Left Wing");
    EXPECT_TRUE(shows(panel, "Add to End"));
    EXPECT_FALSE(shows(panel, "Delete")) << allText(text(panel));
    closeMenus(panel);

    while (getNumberOfCategories() < kMaxCategories) addCategory();
    while (getCurrentCategory()->numberOfCameras < kMaxCamerasPerCategory) addCameraToCategory();
    xpsim::runFrames(3);
    click(panel, "Category");
    EXPECT_TRUE(shows(panel, "Copy Category"));
    EXPECT_FALSE(shows(panel, "Add New Category to End"));
    click(panel, "Copy Category");
    click(panel, "Camera");
    EXPECT_TRUE(shows(panel, "Copy Camera"));
    EXPECT_FALSE(shows(panel, "Add New Camera to End"));
    closeMenus(panel);
    EXPECT_FALSE(shows(panel, "Copy Camera"));

    click(panel, "Outside");
    ASSERT_EQ(getCurrentCategoryIndex(), 1);
    rightClick(panel, "Outside");
    EXPECT_TRUE(shows(panel, "Delete")) << allText(text(panel));
    EXPECT_TRUE(shows(panel, "Paste Over"));
    for (const char* absent : {"Add to End", "Insert New Above", "Insert Copy Below"})
        EXPECT_FALSE(shows(panel, absent)) << absent;
    click(panel, "Delete");
    xpsim::runFrames(2);
    EXPECT_EQ(getNumberOfCategories(), kMaxCategories - 1);
    EXPECT_FALSE(shows(panel, "Outside"));

    click(panel, "Category");
    click(panel, "Add New Category to End");
    ASSERT_EQ(getNumberOfCategories(), kMaxCategories);
    // "Category 20" is taken still: the next free number, so the file reads
    // back the twenty categories.
    EXPECT_STREQ(getCategory(kMaxCategories - 1)->name, "Category 21");
    click(panel, "Save All Cameras");
    ASSERT_EQ(readCameras(getCurrentActiveCameraFile()), 1);
    EXPECT_EQ(getNumberOfCategories(), kMaxCategories);
}

TEST_F(ControlPanel, CopyAndPasteOfACameraInsertsItsCopyBelow) {
    ControlPanelWidget* panel = open();
    rightClick(panel, "Pilot View");
    EXPECT_FALSE(shows(panel, "Paste Over"));
    rightClick(panel, "Pilot View");
    click(panel, "Copy");
    rightClick(panel, "Pilot View");
    click(panel, "Insert Copy Below");
    xpsim::runFrames(2);
    Category* cockpit = getCategory(0);
    ASSERT_EQ(cockpit->numberOfCameras, 3);
    EXPECT_STREQ(cockpit->cameras[1].name, "(Copy of) Pilot View");
    EXPECT_FLOAT_EQ(cockpit->cameras[1].x, cockpit->cameras[0].x);
    EXPECT_EQ(cockpit->cameras[1].viewId, 0);

    // The copy outlives the panel while the plug-in is loaded, not beyond
    // its stop.
    restart();
    panel = open();
    rightClick(panel, "Pilot View");
    EXPECT_FALSE(shows(panel, "Paste Over"));
}

TEST_F(ControlPanel, DraggingACameraDownSwapsItAndTheFileKeepsTheNewOrder) {
    ControlPanelWidget* panel = open();
    click(panel, "Pilot View");
    int uniqueId = getCategory(0)->cameras[0].uniqueId;
    const TextRun* pilot = find(panel, "Pilot View");
    ASSERT_NE(pilot, nullptr);
    int x = pilot->boxelCentreX(), y = pilot->boxelCentreY();
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    xpsim::runFrames(2);
    for (int step = 1; step <= 6; ++step) {
        xpsim::mouseClick(x, y - step * 4, false, xplm_MouseDrag);
        xpsim::runFrames(1);
    }
    xpsim::mouseClick(x, y - 24, false, xplm_MouseUp);
    xpsim::runFrames(3);

    Category* cockpit = getCategory(0);
    EXPECT_STREQ(cockpit->cameras[0].name, "Radio Stack");
    EXPECT_STREQ(cockpit->cameras[1].name, "Pilot View");
    EXPECT_EQ(cockpit->cameras[1].uniqueId, uniqueId);
    EXPECT_STREQ(getCurrentCamera()->name, "Pilot View");

    click(panel, "Save All Cameras");
    std::string saved = cameraFile();
    EXPECT_LT(saved.find("Cockpit,Radio Stack,2,"), saved.find("Cockpit,Pilot View,1,"));
}

TEST_F(ControlPanel, TheViewIdComboListsFiftyIdsForAnAircraftAndSixtyFiveForAnAirport) {
    ControlPanelWidget* panel = open();
    getCategory(1)->cameras[0].viewId = 2;  // two holders of ID 2
    click(panel, "1 Used");
    EXPECT_TRUE(shows(panel, "None"));
    EXPECT_TRUE(shows(panel, "2 Used [2]")) << allText(text(panel));
    EXPECT_TRUE(find(panel, "4") != nullptr);
    // The list scrolls: its end is reached with the wheel. The effect combo
    // of the options box shows "None" too; the list's comes last.
    const TextRun* none = findLast(panel, "None");
    xpsim::setMousePosition(none->boxelCentreX(), none->boxelCentreY());
    xpsim::mouseWheel(-100);
    xpsim::runFrames(3);
    EXPECT_NE(find(panel, "50"), nullptr) << allText(text(panel));
    EXPECT_EQ(find(panel, "51"), nullptr);
    click(panel, "50");
    EXPECT_EQ(getCurrentCamera()->viewId, 50);

    GlobalCameraFileNameEntry* airport = addGlobalCameraFile("LSZX");
    ASSERT_NE(airport, nullptr);
    ASSERT_EQ(readCameras(airport), 1);
    xpsim::runFrames(3);
    click(panel, "None");
    none = find(panel, "None");
    ASSERT_NE(none, nullptr);
    xpsim::setMousePosition(none->boxelCentreX(), none->boxelCentreY() - 40);
    xpsim::mouseWheel(-100);
    xpsim::runFrames(3);
    EXPECT_NE(find(panel, "65"), nullptr) << allText(text(panel));
    EXPECT_EQ(find(panel, "66"), nullptr);
}

TEST_F(ControlPanel, ASolidBackgroundRebuildsTheVisiblePanelFramed) {
    ControlPanelWidget* panel = open();
    EXPECT_TRUE(panel->isTranslucent());
    // Dragged aside by its title, 100 left and 60 down from where it opened.
    std::vector<int> opened = geometry(panel);
    int x = opened[0] + 300, y = opened[1] - 9;
    xpsim::mouseClick(x, y, false, xplm_MouseDown);
    xpsim::runFrames(2);
    for (int step = 1; step <= 10; ++step) {
        xpsim::mouseClick(x - step * 10, y - step * 6, false, xplm_MouseDrag);
        xpsim::runFrames(1);
    }
    xpsim::mouseClick(x - 100, y - 60, false, xplm_MouseUp);
    xpsim::runFrames(3);
    std::vector<int> aside = geometry(panel);
    ASSERT_EQ(aside[0], opened[0] - 100);
    ASSERT_EQ(aside[1], opened[1] - 60);
    click(panel, "Solid Background");
    xpsim::runFrames(3);
    ControlPanelWidget* framed = controlPanel();
    ASSERT_NE(framed, nullptr);
    EXPECT_FALSE(framed->isTranslucent());
    EXPECT_TRUE(framed->GetVisible());
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(framed->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(r - l, 900);
    EXPECT_EQ(t - b, 805);
    // Where the pilot left it, in its new look.
    EXPECT_EQ(l, aside[0]);
    EXPECT_EQ(t, aside[1]);
    const WindowPosition& kept = getSettings()->LAST_CONTROL_PANEL_POSITION;
    EXPECT_EQ(kept.mode, 1);
    EXPECT_EQ(kept.left, l);
    EXPECT_EQ(kept.top, t);
    std::vector<int> framedThere = geometry(framed);
    cameraControlOffAndOn();
    framed = open();
    ASSERT_NE(framed, nullptr);
    EXPECT_FALSE(framed->isTranslucent());
    EXPECT_EQ(geometry(framed), framedThere);
    // Hidden, it is made in its new look at the next toggle, where it was.
    std::string error;
    ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Toggle Control Panel", &error)) << error;
    xpsim::runFrames(3);
    ASSERT_FALSE(framed->GetVisible());
    xpsim::commandOnce("QFN/Ovilux/Open_Settings");
    xpsim::runFrames(3);
    click(settingsPanel(), "Enable Solid Control Panel");
    EXPECT_EQ(controlPanel(), nullptr);
    panel = open();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isTranslucent());
    EXPECT_EQ(geometry(panel)[0], framedThere[0]);
    EXPECT_EQ(geometry(panel)[1], framedThere[1]);
    click(panel, "Solid Background");
    framed = controlPanel();
    ASSERT_NE(framed, nullptr);
    EXPECT_EQ(geometry(framed), framedThere);

    // Popped out, it comes back popped out where it was, after camera
    // control goes off and on and after a restart.
    ASSERT_TRUE(xpsim::popOutWindow("Ovilux 2.4.3 Control Panel"));
    xpsim::runFrames(2);
    std::vector<int> os = geometryOS(framed);
    EXPECT_EQ(getSettings()->LAST_CONTROL_PANEL_POSITION.mode, 2);
    // A smaller font keeps it popped out there. The settings window, behind
    // the panel now, comes forward as X-Plane brings a window the pilot
    // clicks on (the simulator leaves that out).
    XPLMBringWindowToFront(settingsPanel()->getWindowID());
    xpsim::runFrames(1);
    click(settingsPanel(), "Use Small Font for Both Control Panels");
    xpsim::runFrames(3);
    ASSERT_TRUE(getSettings()->USE_SMALL_FONT);
    framed = controlPanel();
    ASSERT_NE(framed, nullptr);
    EXPECT_TRUE(XPLMWindowIsPoppedOut(framed->getWindowID()));
    EXPECT_EQ(geometryOS(framed), os);
    cameraControlOffAndOn();
    ControlPanelWidget* again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(XPLMWindowIsPoppedOut(again->getWindowID()));
    EXPECT_EQ(geometryOS(again), os);
    restart();
    again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(XPLMWindowIsPoppedOut(again->getWindowID()));
    EXPECT_EQ(geometryOS(again), os);
    const WindowPosition& saved = getSettings()->LAST_CONTROL_PANEL_POSITION;
    EXPECT_EQ((std::vector<int>{saved.mode, saved.left, saved.top, saved.right, saved.bottom}),
              (std::vector<int>{2, os[0], os[1], os[2], os[3]}));

    // A saved window higher than its monitor is fitted to it.
    getSettings()->LAST_CONTROL_PANEL_POSITION = WindowPosition{2, 510, 137, 1410, 20000};
    restart();
    again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(XPLMWindowIsPoppedOut(again->getWindowID()));
    EXPECT_EQ(geometryOS(again), (std::vector<int>{510, 0, 1410, 1080}));
}

TEST_F(ControlPanel, ASavedPositionCountsOnlyWithItsCornerOnAMonitorAndASize) {
    xpsim::setScreenSize(1920, 1080);
    xpsim::setMonitor(1, 1920, 1080, 3840, 0);
    auto valid = [](WindowPosition position) {
        return isWindowPositionValid(&position, 400, 100);
    };
    EXPECT_TRUE(valid({1, 2000, 900, 2900, 95}));  // on the second monitor
    EXPECT_FALSE(valid({1, -50, 900, 850, 95}));
    EXPECT_FALSE(valid({1, 100, 1500, 1000, 695}));  // above both
    EXPECT_FALSE(valid({0, 100, 500, 1000, 0}));
    // Edges count: the top row, in either system of coordinates.
    EXPECT_TRUE(valid({1, 0, 1080, 900, 275}));
    EXPECT_TRUE(valid({2, 1920, 0, 2820, 805}));
    // No size, a negative one, or less than the panel needs.
    EXPECT_FALSE(valid({2, 100, 100, 100, 100}));
    EXPECT_FALSE(valid({2, 100, 100, -500, -400}));
    EXPECT_FALSE(valid({1, 100, 900, 1000, 950}));  // the y of operating-system coordinates
    EXPECT_FALSE(valid({2, 100, 100, 499, 900}));
    EXPECT_FALSE(valid({2, 100, 100, 1000, 199}));
}

TEST_F(ControlPanel, CameraControlOffDeletesThePanelAtOnce) {
    open();
    ASSERT_NE(controlPanel(), nullptr);
    xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
    EXPECT_EQ(controlPanel(), nullptr);
    for (ImgWindow* window : ImgWindow::liveWindows()) {
        EXPECT_EQ(dynamic_cast<ControlPanelWidget*>(window), nullptr);
    }
}

TEST_F(ControlPanel, TheTranslucentPanelCollapsesToItsTitleAndHidesOnItsCloseBox) {
    ControlPanelWidget* panel = open();
    ASSERT_TRUE(panel->isTranslucent());
    int l = 0, t = 0, r = 0, b = 0;
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    // 805 and the title bar, less the advanced options' rows while they are hidden.
    EXPECT_EQ(t - b, 830 - 190);
    // The arrow at the title's left collapses it; chains may then advance.
    xpsim::mouseClick(l + 12, t - 9, false, xplm_MouseDown);
    xpsim::runFrames(1);
    xpsim::mouseClick(l + 12, t - 9, false, xplm_MouseUp);
    xpsim::runFrames(4);
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(t - b, 20);
    EXPECT_TRUE(allowAutoAdvance());
    xpsim::mouseClick(l + 12, t - 9, false, xplm_MouseDown);
    xpsim::runFrames(1);
    xpsim::mouseClick(l + 12, t - 9, false, xplm_MouseUp);
    xpsim::runFrames(4);
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    // Restored without the advanced options' rows.
    EXPECT_EQ(t - b, 830 - 190);
    EXPECT_FALSE(allowAutoAdvance());
    // Shown, they take the whole height, and a restore keeps it.
    click(panel, "Show Advanced Camera Options");
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(t - b, 830);
    for (int press = 0; press < 2; ++press) {
        xpsim::mouseClick(l + 12, t - 9, false, xplm_MouseDown);
        xpsim::runFrames(1);
        xpsim::mouseClick(l + 12, t - 9, false, xplm_MouseUp);
        xpsim::runFrames(4);
    }
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(t - b, 830);
    click(panel, "Show Advanced Camera Options");
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(t - b, 830 - 190);

    // Its title bar drags it, within the screen.
    int left = l, top = t;
    xpsim::mouseClick(l + 300, t - 9, false, xplm_MouseDown);
    xpsim::runFrames(2);
    for (int step = 1; step <= 5; ++step) {
        xpsim::mouseClick(l + 300 + step * 10, t - 9 - step * 10, false, xplm_MouseDrag);
        xpsim::runFrames(1);
    }
    xpsim::mouseClick(l + 350, t - 59, false, xplm_MouseUp);
    xpsim::runFrames(3);
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(l - left, 50);
    EXPECT_EQ(t - top, -50);

    // It comes back where it was left, after camera control goes off and on
    // and after a restart.
    std::vector<int> left_there = geometry(panel);
    cameraControlOffAndOn();
    panel = open();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(geometry(panel), left_there);
    restart();
    panel = open();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isTranslucent());
    EXPECT_EQ(geometry(panel), left_there);
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);

    // The close box at the title's right hides it.
    xpsim::mouseClick(r - 11, t - 9, false, xplm_MouseDown);
    xpsim::runFrames(1);
    xpsim::mouseClick(r - 11, t - 9, false, xplm_MouseUp);
    xpsim::runFrames(4);
    EXPECT_FALSE(panel->GetVisible());
    EXPECT_EQ(controlPanel(), panel);

    // On a 1366 x 768 monitor, where it was left lies off the monitor. With
    // its advanced options it is as high as the monitor lets it be, its top
    // no higher than a drag takes it, and its foot is reached by scrolling.
    xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
    xpsim::setScreenSize(1366, 768);
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    xpsim::runFrames(2);
    panel = open();
    ASSERT_NE(panel, nullptr);
    click(panel, "Show Advanced Camera Options");
    XPLMGetWindowGeometry(panel->getWindowID(), &l, &t, &r, &b);
    EXPECT_EQ(t, 768 - 25);
    EXPECT_EQ(b, 0);
    EXPECT_FALSE(shows(panel, "Save All Cameras"));
    xpsim::setMousePosition(r - 8, b + 20);
    xpsim::runFrames(1);
    xpsim::mouseWheel(-20);
    xpsim::runFrames(3);
    click(panel, "Save All Cameras");
    EXPECT_TRUE(shows(panel, "[SAVE COMPLETED]"));
}

TEST_F(ControlPanel, AnAirportFileStaysWhenItsSaveBeforeTheSwitchFails) {
    GlobalCameraFileNameEntry* airport = addGlobalCameraFile("LSZX");
    ASSERT_NE(airport, nullptr);
    ASSERT_EQ(readCameras(airport), 1);
    ASSERT_EQ(saveCameras(false, false), 1);
    chmod(airport->path, 0444);
    ControlPanelWidget* panel = open();
    click(panel, "File");
    EXPECT_FALSE(shows(panel, "New Aircraft Camera File"));
    click(panel, "Load Aircraft File");
    showMessageBoxes();
    MsgBoxView box;
    ASSERT_TRUE(findMessageBox("ERROR", &box));
    EXPECT_NE(box.message.find("was not switched"), std::string::npos) << box.message;
    EXPECT_EQ(getCurrentActiveCameraFile(), airport);
}

TEST_F(ControlPanel, APlayingTransitionStopsBeforeTheSetIsReshaped) {
    ControlPanelWidget* panel = open();
    rightClick(panel, "Pilot View");
    click(panel, "Copy");
    Camera* radio = &getCategory(0)->cameras[1];
    radio->smoothTransition = true;
    radio->transitionSeconds = 2.0f;
    xpsim::commandOnce("QFN/Ovilux/Select_View_ID_2");
    xpsim::runFrames(5);
    ASSERT_TRUE(isCurrentlyAnimating());
    // The pasted copy moves the records the transition's frames point at.
    rightClick(panel, "Radio Stack");
    click(panel, "Insert Copy Below");
    EXPECT_FALSE(isCurrentlyAnimating());
    ASSERT_EQ(getCategory(0)->numberOfCameras, 3);
    EXPECT_STREQ(getCategory(0)->cameras[2].name, "(Copy of) Pilot View");
}

}  // namespace
