// X-Plane's quick-look views, read from a realistic aircraft preferences file
// and imported as cameras when a new camera file is made.
#include <filesystem>

#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/generators/quick_look_views.h"
#include "libwinkit/message_box.h"
#include "support/message_boxes.h"
#include "unit/positioning/positioning_fixture.h"

namespace {

const char* const kPrefsFixture = OVILUX_FIXTURES_DIR "/prefs/Cessna_172SP_prefs.txt";

class QuickLooks : public CameraFixture {
protected:
    std::string prefsPath() const {
        return xplane.path(std::string(kCessnaFolder) + "Cessna_172SP_prefs.txt");
    }
    void installPrefs() const {
        std::filesystem::copy_file(kPrefsFixture, prefsPath(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // An aircraft without a camera file gets one when a camera is first asked for.
    void loadNewAircraft(const char* aircraft) {
        loadAircraft(aircraft);
        ASSERT_NE(getCurrentCamera(), nullptr);
    }
    // The information box of the new camera file, open on screen; its "Ok"
    // action is the import.
    MsgBoxView newFileBox() const {
        showMessageBoxes();
        MsgBoxView box{};
        if (!findMessageBox("INFO", &box)) {
            ADD_FAILURE() << "no INFO box";
        }
        return box;
    }
    static std::vector<std::string> names(int category) {
        std::vector<std::string> found;
        for (int i = 0; i < getCategory(category)->numberOfCameras; ++i) {
            found.push_back(cameraAt(category, i).name);
        }
        return found;
    }
};

TEST_F(QuickLooks, ANewCameraFileOffersAndImportsThem) {
    installPrefs();
    enablePlugin();
    loadNewAircraft(kCessna);
    MsgBoxView box = newFileBox();
    EXPECT_EQ(box.message.rfind("Ovilux created a new camera file for this plane!\n\nOvilux also "
                                "found some X-Plane Quick Look Views which can be imported\n",
                                0),
              0u);
    ASSERT_TRUE(box.hasCallback);
    clickMessageBoxButton(box, true);
    EXPECT_TRUE(liveMsgBoxes().empty());

    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
    EXPECT_EQ(names(0), (std::vector<std::string>{"Pilot View", "Quick Look 0", "Quick Look 1",
                                                  "Quick Look 2", "Quick Look 3"}));
    EXPECT_STREQ(getCategory(1)->name, "External");
    EXPECT_EQ(names(1), (std::vector<std::string>{"Quick Look 4", "Quick Look 5", "Quick Look 6",
                                                  "Quick Look 12"}));
    EXPECT_EQ(getCurrentCategoryIndex(), 0);
    EXPECT_EQ(getCurrentCamera(), &cameraAt(0, 0));

    // View IDs are the numbers + 1; "Pilot View" gave its 1 up.
    EXPECT_EQ(cameraAt(0, 0).viewId, 0);
    EXPECT_EQ(getCameraByViewID(1), &cameraAt(0, 1));
    EXPECT_EQ(getCameraByViewID(4), &cameraAt(0, 4));
    EXPECT_EQ(getCameraByViewID(5), &cameraAt(1, 0));
    EXPECT_EQ(getCameraByViewID(13), &cameraAt(1, 3));

    // Cockpit views: the pilot's eye and the look offsets.
    const Camera& panel = cameraAt(0, 2);
    EXPECT_FLOAT_EQ(panel.x, -0.28f);
    EXPECT_FLOAT_EQ(panel.y, 0.91f);
    EXPECT_FLOAT_EQ(panel.z, -0.55f);
    EXPECT_FLOAT_EQ(panel.pitch, -24.5f);
    EXPECT_FLOAT_EQ(cameraAt(0, 4).heading, -45.0f);
    EXPECT_TRUE(panel.smoothTransition);
    EXPECT_FLOAT_EQ(panel.transitionSeconds, 0.5f);
    EXPECT_FALSE(panel.external);
    EXPECT_FLOAT_EQ(panel.savedPosition.pitch, -24.5f);

    // Chase: on the centre line behind the aircraft.
    const Camera& chase = cameraAt(1, 0);
    EXPECT_TRUE(chase.external && chase.xp9ChaseView);
    EXPECT_FLOAT_EQ(chase.z, 25.0f);
    EXPECT_FLOAT_EQ(chase.x, 0.0f);
    EXPECT_FLOAT_EQ(chase.heading, 0.0f);
    EXPECT_EQ(chase.initialMovementRange, 2);

    // Ride-along: 15 m out, 20 degrees up and 30 degrees round, looking 10
    // degrees right of the view back and 5 down.
    const Camera& ride = cameraAt(1, 1);
    Vec expected = aircraftToWorld({0, 0, 15}, 330, -20, 0, {0, 0, 0});
    EXPECT_NEAR(ride.x, expected.x, 1e-4);
    EXPECT_NEAR(ride.y, expected.y, 1e-4);
    EXPECT_NEAR(ride.z, expected.z, 1e-4);
    EXPECT_NEAR(ride.heading, 340.0, 1e-4);
    EXPECT_NEAR(ride.pitch, 335.0, 1e-4);
    EXPECT_FALSE(ride.trackHeading || ride.xp9ChaseView);

    // Circle: placed the same way, and always looking at the aircraft.
    const Camera& circle = cameraAt(1, 3);
    expected = aircraftToWorld({0, 0, 22.5}, 60, -5, 0, {0, 0, 0});
    EXPECT_NEAR(circle.x, expected.x, 1e-4);
    EXPECT_NEAR(circle.y, expected.y, 1e-4);
    EXPECT_NEAR(circle.z, expected.z, 1e-4);
    EXPECT_TRUE(circle.trackHeading && circle.trackPitch);

    // Saved, and read back the same.
    std::string file = readCameraFile();
    EXPECT_NE(file.find("External,Quick Look 12,13,"), std::string::npos);
    initCategories();
    ASSERT_EQ(readCameras(nullptr), 1);
    EXPECT_EQ(names(1).size(), 4u);
    EXPECT_EQ(getCameraByViewID(13), &cameraAt(1, 3));

    // The answer counts once: the box is gone, a second click meets nothing.
    clickMessageBoxButton(box, true);
    EXPECT_EQ(names(0).size(), 5u);
}

TEST_F(QuickLooks, CancelImportsNothing) {
    installPrefs();
    enablePlugin();
    loadNewAircraft(kCessna);
    std::string file = readCameraFile();
    MsgBoxView box = newFileBox();
    ASSERT_TRUE(box.hasCallback);
    clickMessageBoxButton(box, false);
    EXPECT_TRUE(liveMsgBoxes().empty());
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(names(0), (std::vector<std::string>{"Pilot View"}));
    EXPECT_EQ(readCameraFile(), file);
}

TEST_F(QuickLooks, KeyNumbersAreReadWhole) {
    std::string path = xplane.path("prefs.txt");
    SimulatedXPlane::writeFile(path,
                               "_iql_view_type_15 v_3dc\n"
                               "_iql_pe_x_15 0.5\n"
                               "_iql_pe_x_115 9.9\n"
                               "_iql_pe_y_5 1.25\n"
                               "_iql_view_type_12 v_cir\n"
                               "_iql_circ_dis_12 30.0\n"
                               "_iql_view_type_20 v_3dc\n"
                               "_iql_view_type_4 V_3DC\n"
                               "_iql_view_type_7 v_chase\n"
                               "_iql_pe_z_3x 1.0\n"
                               "_iql_view_type_9   v_rid   trailing words\r\n"
                               "_iql_pe_z_9 not-a-number\n");
    EXPECT_EQ(readQuickLookViewsFrom(path), 3);
    EXPECT_EQ(getQuickLookView(15)->viewType, "v_3dc");
    EXPECT_FLOAT_EQ(getQuickLookView(15)->pe_x, 0.5f);
    EXPECT_FLOAT_EQ(getQuickLookView(5)->pe_y, 1.25f);
    EXPECT_EQ(getQuickLookView(5)->viewType, "");
    EXPECT_FLOAT_EQ(getQuickLookView(12)->circ_dis, 30.0f);
    EXPECT_EQ(getQuickLookView(4)->viewType, "");
    EXPECT_EQ(getQuickLookView(7)->viewType, "");
    EXPECT_EQ(getQuickLookView(9)->viewType, "v_rid");
    EXPECT_EQ(getQuickLookView(20), nullptr);

    // Read again: the table starts empty.
    SimulatedXPlane::writeFile(path, "_iql_view_type_1 v_cha\n");
    EXPECT_EQ(readQuickLookViewsFrom(path), 1);
    EXPECT_EQ(getQuickLookView(15)->viewType, "");
    EXPECT_FLOAT_EQ(getQuickLookView(15)->pe_x, 0.0f);
}

TEST_F(QuickLooks, TheImportKeepsToTheAircraftAndTheSetItWasOfferedFor) {
    installPrefs();
    enablePlugin();
    loadNewAircraft(kCessna);
    MsgBoxView importCessna = newFileBox();
    ASSERT_TRUE(importCessna.hasCallback);
    std::string cessnaFile = readCameraFile();

    // Another aircraft loads before the user answers: nothing goes into its set.
    loadNewAircraft(kGlider);
    ASSERT_EQ(getNumberOfCategories(), 1);
    showMessageBoxes();
    ASSERT_EQ(liveMsgBoxes().size(), 2u);
    // The glider's box opened on top of it: the user brings the Cessna's forward.
    XPLMBringWindowToFront(importCessna.window);
    clickMessageBoxButton(importCessna, true);
    showMessageBoxes();
    EXPECT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(getCategory(0)->numberOfCameras, 1);
    EXPECT_EQ(readCameraFile(), cessnaFile);
    ASSERT_FALSE(messageBoxes().empty());
    EXPECT_EQ(messageBoxes().back().first, "WARNING");
    EXPECT_NE(messageBoxes().back().second.find("were not imported"), std::string::npos);
}

TEST_F(QuickLooks, TheUsersCategoriesStay) {
    installPrefs();
    enablePlugin();
    loadNewAircraft(kCessna);
    MsgBoxView import = newFileBox();
    ASSERT_TRUE(import.hasCallback);
    // Before answering, the user makes a category of their own.
    ASSERT_EQ(addCategory(), 1);
    setCameraName(getCategory(1)->name, "Wing");
    clickMessageBoxButton(import, true);
    ASSERT_EQ(getNumberOfCategories(), 3);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
    EXPECT_STREQ(getCategory(1)->name, "Wing");
    EXPECT_EQ(names(1), (std::vector<std::string>{"Camera 1"}));
    EXPECT_STREQ(getCategory(2)->name, "External");
    EXPECT_EQ(names(2).size(), 4u);
    EXPECT_EQ(names(0).size(), 5u);
}

TEST_F(QuickLooks, CockpitViewsOnlyOrNone) {
    SimulatedXPlane::writeFile(prefsPath(),
                               "I\n1100 Version\n_iql_view_type_3 v_3dc\n_iql_pe_y_3 1.0\n"
                               "_iql_view_type_0 v_3dc\n_iql_view_type_1 v_fwd\n");
    enablePlugin();
    loadNewAircraft(kCessna);
    clickMessageBoxButton(newFileBox(), true);
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(names(0), (std::vector<std::string>{"Pilot View", "Quick Look 0", "Quick Look 3"}));
    EXPECT_EQ(cameraAt(0, 2).viewId, 4);
    xplane.disableAndStop();

    // Without a preferences file the box offers nothing.
    std::filesystem::remove(prefsPath());
    std::filesystem::remove(cameraFilePath());
    removeMsgBoxManager();
    enablePlugin();
    loadNewAircraft(kCessna);
    EXPECT_TRUE(logHas("Unable to read " + prefsPath()));
    MsgBoxView box = newFileBox();
    EXPECT_FALSE(box.hasCallback);
    EXPECT_EQ(box.message.find("Quick Look"), std::string::npos);
}

TEST_F(QuickLooks, AbsurdValuesInThePrefsFileAreRefused) {
    enablePlugin();
    SimulatedXPlane::writeFile(prefsPath(), "_iql_view_type_0 v_3dc\n"
                                            "_iql_pe_x_0 3e38\n"
                                            "_iql_pe_y_0 0.960000\n"
                                            "_iql_look_os_psi_0 1e30\n");
    readQuickLookViewsFrom(prefsPath());
    const QuickLookView* view = getQuickLookView(0);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->pe_x, 0.0f);
    EXPECT_FLOAT_EQ(view->pe_y, 0.96f);
    EXPECT_EQ(view->look_os_psi, 0.0f);
    EXPECT_TRUE(logHas("Quick look 0: _iql_pe_x_0 3e+38 refused, outside -1e+06 to 1e+06"));
}

}  // namespace
