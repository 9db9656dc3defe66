// The control panel's community dialogs as a pilot uses them: sharing the
// aircraft's camera file (with the count of files the library holds for the
// aircraft), and browsing the library to import one of its files, which
// replaces the set but not the aircraft's own file until it is saved.
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "cameras/files/camera_file_list.h"
#include "community/community_cancel.h"
#include "community/community_server.h"
#include "community/share_camera_file.h"
#include "community/updater_widget.h"
#include "community_fixture.h"
#include "panels/control_panel/panel_fields.h"
#include "shell/plugin_state.h"
#include "shell/strings.h"
#include "support/community_test_server.h"
#include "support/message_boxes.h"
#include "unit/panels/dialogs_fixture.h"
#include "xpsim.h"

namespace {

const Column kAuthor = static_cast<Column>(44);
const Column kVersion = static_cast<Column>(45);

class CommunityDialogs : public DialogsFixture {
protected:
    void SetUp() override {
        DialogsFixture::SetUp();
        library("Ovilux_Cessna_172SP.csv", "Cessna_172SP", "Jane Pilot ", "Cockpit", "Door");
        library("1700000000_Ovilux_Cessna_172SP.csv", "Cessna_172SP", "Bob ", "Outside", "Tail");
        library("Ovilux_Bravo.csv", "Bravo", "Carl ", "Wing", "Left");
        start({TestCameraRow("Mine", "Pilot").set(kAuthor, "Jo ").set(kVersion, "v1 ")});
        ASSERT_TRUE(CommunityLibraryTestAccess::waitUntilCached());
        own = readCameraFile();
        openPanel();
    }

    // A file of two cameras in the library; the cache reads it at enable.
    void library(const std::string& name, const std::string& aircraft, const std::string& author,
                 const std::string& category, const std::string& camera) {
        SimulatedXPlane::writeFile(libraryPath(name),
                                   cameraFile(aircraft, author, category, camera));
    }
    static std::string cameraFile(const std::string& aircraft, const std::string& author,
                                  const std::string& category, const std::string& camera) {
        return headerLine() + communityRow(category, "Pilot", 1, aircraft, author) +
               communityRow(category, camera, 0, aircraft, author);
    }
    // Frames, as X-Plane runs them, until the box shows (bounded).
    static bool boxShows(const std::string& title) {
        MsgBoxView box;
        framesUntil([&] { return findMessageBox(title, &box); });
        if (!findMessageBox(title, &box)) {
            return false;
        }
        clickMessageBoxButton(box, true);
        return true;
    }
    // The server holds one upload, the whole camera file as saved now.
    bool holdsWholeFile(const CommunityTestServer& server) const {
        std::vector<std::string> held = server.sharedFiles();
        return held.size() == 1 &&
               SimulatedXPlane::readFile(server.communityFolder() + held[0]) == readCameraFile();
    }
    // The control the open dialog gave the keyboard to when it opened.
    bool focusedAtOpening(const std::string& label) const {
        ImGuiContext* context = panel->getImguiContext();
        ImGuiWindow* dialog = context->NavWindow;
        return dialog != nullptr && context->NavId == ImHashStr(label.c_str(), 0, dialog->ID);
    }
    std::string libraryPath(const std::string& name) const {
        return xplane.pluginFolder() + "CommunityAircraftCameras/" + name;
    }
    void expectOwnSet() {
        ASSERT_EQ(getNumberOfCategories(), 1);
        EXPECT_STREQ(getCategory(0)->name, "Mine");
        EXPECT_STREQ(getCurrentActiveCameraFile()->properties.author, "Jo");
        EXPECT_STREQ(getCurrentActiveCameraFile()->properties.fileVersion, "v1");
        EXPECT_EQ(readCameraFile(), own);
    }
    // Waits for a frame's worth of the cache's worker.
    struct CommunityLibraryTestAccess : CommunityLibraryTest {
        using CommunityLibraryTest::waitUntilCached;
    };

    std::string own;
};

TEST_F(CommunityDialogs, ShareShowsTheAircraftsCountAndUploadsTheFile) {
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    openDialog(kDialogShareCommunityFile);
    EXPECT_TRUE(shows("2 camera file(s) for the aircraft type Cessna_172SP have been submitted "
                      "so far"))
        << allText(text());
    EXPECT_TRUE(shows("Press Ok to share your camera file, press Cancel to return."));
    EXPECT_TRUE(focusedAtOpening("Ok"));
    expectDrawnAboveItsDimming();

    // An author and a version are needed (this file has no author yet).
    getCurrentActiveCameraFile()->properties.author[0] = 0;
    click("Ok");
    EXPECT_TRUE(shows("You must fill in an Author and Version.")) << allText(text());
    EXPECT_TRUE(server.sharedFiles().empty());

    typeInto("Author", "Jo Pilot");
    click("Now");
    std::string version = getCurrentActiveCameraFile()->properties.fileVersion;
    EXPECT_EQ(version.size(), 19u) << version;
    click("Ok");
    ASSERT_TRUE(boxShows("Thank You"));
    std::vector<std::string> shared = server.sharedFiles();
    ASSERT_EQ(shared.size(), 1u);
    std::string saved = readCameraFile();
    EXPECT_EQ(SimulatedXPlane::readFile(server.communityFolder() + shared[0]), saved);
    EXPECT_NE(saved.find("Jo Pilot"), std::string::npos);

    // The same version again is refused.
    openDialog(kDialogShareCommunityFile);
    click("Ok");
    EXPECT_TRUE(shows("The community version is the same as your current version."))
        << allText(text());
    click("Cancel");
    EXPECT_EQ(server.sharedFiles().size(), 1u);

    // A server that accepts and then says nothing, one whose data connection
    // is never accepted (a full accept queue), and one that takes the upload
    // whole but never confirms it nor answers QUIT: the dialog says it is
    // sharing while the frames go on. Its Cancel asks the share to end and
    // the frame that sees it returns at once, the share still ending after
    // it; the share ends within a second and a half of the press. The limits
    // outlast the servers, so only the Cancel can end the share.
    int cancelled = 0;
    for (const std::string mode : {"silent", "full-queue", "withhold-completion"}) {
        bool received = mode == "withhold-completion";
        CommunityTestServer misbehaving(mode);
        ASSERT_TRUE(misbehaving.running());
        setCommunityTimeLimits({30, 30, 30});
        openDialog(kDialogShareCommunityFile);
        // A version not shared yet (the panel has a field of that label too).
        copyText(getCurrentActiveCameraFile()->properties.fileVersion,
                 sizeof(CameraFileProperty::fileVersion), mode.c_str());
        int threads = processThreadCount();
        size_t boxes = liveMsgBoxes().size();
        click("Ok");
        const char* sharing = "Sharing your camera file with the community server, please wait...";
        EXPECT_TRUE(shows(sharing)) << mode << "\n" << allText(text());
        // Against the last, until the server holds the whole file.
        if (received) {
            framesUntil([&] { return holdsWholeFile(misbehaving); });
        }
        EXPECT_TRUE(shows(sharing)) << mode << "\n" << allText(text());
        ASSERT_TRUE(isSharingCameraFile()) << mode;
        press(runsOf("Cancel").back());
        auto pressed = std::chrono::steady_clock::now();
        // The frame that sees the press closes the dialog: the longest of
        // the frames up to it.
        double held = 0.0;
        for (int i = 0; i < 5 && shows(sharing); ++i) {
            auto started = std::chrono::steady_clock::now();
            frames(1);
            std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
            held = std::max(held, took.count());
        }
        EXPECT_FALSE(shows(sharing)) << mode << "\n" << allText(text());
        EXPECT_LT(held, CommunityCancel::kGraceMilliseconds / 1000.0) << mode;
        EXPECT_TRUE(isSharingCameraFile()) << mode;
        EXPECT_FALSE(shows("Press Ok to share your camera file, press Cancel to return."));
        // The frames cut it off once its grace has gone by, and join it.
        EXPECT_LT(framesUntilCommunityWorkersFinish(pressed), 1.5) << mode;
        framesUntil([] { return !isSharingCameraFile(); });
        EXPECT_FALSE(isSharingCameraFile()) << mode;
        // No box: the pilot ended it.
        EXPECT_EQ(showMessageBoxes().size(), boxes) << mode;
        EXPECT_EQ(countInLog("Sharing the camera file was canceled"), ++cancelled) << mode;
        EXPECT_TRUE(misbehaving.alive()) << mode;
        EXPECT_LE(settledThreadCount(threads), threads) << mode;
        // The last keeps the upload it took (the sharing record names it for
        // the next share to remove).
        EXPECT_EQ(misbehaving.sharedFiles().size(), received ? 1u : 0u) << mode;
    }
    EXPECT_EQ(server.sharedFiles().size(), 1u);

    // Open on the Cessna when another aircraft, with a camera file of its
    // own, is loaded: the prompt opened again is about that aircraft.
    openDialog(kDialogShareCommunityFile);
    ASSERT_TRUE(shows("2 camera file(s) for the aircraft type Cessna_172SP have been submitted "
                      "so far"))
        << allText(text());
    SimulatedXPlane::writeFile(xplane.path("Aircraft/Extra Aircraft/Glider/Ovilux_ASK21.csv"),
                               headerLine() + joinRow(rowFields("Cockpit", "Seat")));
    loadAircraft(kGlider);
    frames(3);
    ASSERT_STREQ(getCurrentActiveCameraFile()->fileName, "Ovilux_ASK21.csv");
    // Camera control went off with the Cessna, and the panel with it.
    ASSERT_EQ(controlPanel(), nullptr);
    openPanel();
    openDialog(kDialogShareCommunityFile);
    EXPECT_TRUE(shows("0 camera file(s) for the aircraft type ASK21 have been submitted so far"))
        << allText(text());
}

TEST_F(CommunityDialogs, BrowseFiltersAndImportsWithoutTouchingTheAircraftsFile) {
    openDialog(kDialogBrowseCommunityFiles);
    EXPECT_TRUE(shows("3  Files filtered from a total of 3 file(s)")) << allText(text());
    EXPECT_TRUE(shows("Check for Updates"));
    EXPECT_TRUE(shows("File: 1 Selected"));
    // Cancel has the keyboard; both buttons are the dialogs' width.
    EXPECT_TRUE(focusedAtOpening("Cancel"));
    expectDrawnAboveItsDimming();
    const TextRun cancel = runsOf("Cancel").back();
    const TextRun import = runsOf("Import File").back();
    EXPECT_NEAR((import.left + import.right) / 2 - (cancel.left + cancel.right) / 2,
                kDialogButtonWidth + panel->getImguiContext()->Style.ItemSpacing.x, 1.0);

    typeInto("Filter", "car");
    EXPECT_TRUE(shows("1  Files filtered from a total of 3 file(s)")) << allText(text());
    EXPECT_TRUE(shows("Ovilux_Bravo.csv"));
    EXPECT_TRUE(shows("Carl"));
    EXPECT_TRUE(shows("Created With:"));
    EXPECT_TRUE(shows("Ovilux 2.4.3"));

    click("Import File");
    EXPECT_FALSE(shows("Check for Updates")) << allText(text());
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Wing");
    EXPECT_EQ(getCategory(0)->numberOfCameras, 2);
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    EXPECT_EQ(active, getGlobalCameraFileNameList());
    EXPECT_STREQ(active->properties.author, "");
    EXPECT_EQ(std::string(active->properties.fileVersion).size(), 19u);
    EXPECT_EQ(readCameraFile(), own);
    EXPECT_EQ(SimulatedXPlane::readFile(libraryPath("Ovilux_Bravo.csv")).find("Mine"),
              std::string::npos);

    xpsim::commandOnce("QFN/Ovilux/Save_All_Cameras");
    frames(2);
    EXPECT_NE(readCameraFile().find("Wing,Left,"), std::string::npos);
}

TEST_F(CommunityDialogs, ABrokenCommunityFileLeavesTheSetAsItWas) {
    openDialog(kDialogBrowseCommunityFiles);
    typeInto("Filter", "carl");
    ASSERT_TRUE(shows("1  Files filtered from a total of 3 file(s)")) << allText(text());
    // Gone since the cache read it.
    std::remove(libraryPath("Ovilux_Bravo.csv").c_str());
    click("Import File");
    EXPECT_TRUE(shows("The file could not be read; the camera set is unchanged"))
        << allText(text());
    expectOwnSet();

    // Camera control off and on takes the panel with the dialog open: the
    // dialog opened again keeps its filter but not the failed import's error.
    xpsim::commandOnce("QFN/Ovilux/Disable_Ovilux");
    frames(2);
    ASSERT_EQ(controlPanel(), nullptr);
    xpsim::commandOnce("QFN/Ovilux/Enable_Ovilux");
    frames(2);
    openPanel();
    openDialog(kDialogBrowseCommunityFiles);
    ASSERT_TRUE(shows("1  Files filtered from a total of 3 file(s)")) << allText(text());
    EXPECT_FALSE(shows("The file could not be read; the camera set is unchanged"))
        << allText(text());

    // An update brings two files while the dialog stays open: once the
    // library is read again, the dialog lists what it holds now.
    CommunityTestServer server;
    ASSERT_TRUE(server.running());
    for (const char* name : {"Ovilux_Cessna_172SP.csv", "1700000000_Ovilux_Cessna_172SP.csv"}) {
        SimulatedXPlane::writeFile(server.communityFolder() + name,
                                   SimulatedXPlane::readFile(libraryPath(name)));
    }
    SimulatedXPlane::writeFile(server.communityFolder() + "Ovilux_Delta.csv",
                               cameraFile("Delta", "Carla ", "Nose", "Gear"));
    SimulatedXPlane::writeFile(server.communityFolder() + "Ovilux_Echo.csv",
                               cameraFile("Echo", "Dan ", "Tail", "Fin"));
    click("Check for Updates");
    UpdaterWidget* updates = UpdaterWidget::instance();
    ASSERT_NE(updates, nullptr);
    framesUntil([updates] { return updates->state() != kUpdateReadingLists; });
    ASSERT_EQ(updates->state(), kUpdateListsReady);
    frames(2);
    ASSERT_TRUE(clickText(updates->getWindowID(), updates->getImguiContext(),
                          "Update Community Files"));
    frames(2);
    framesUntil([updates] { return updates->state() != kUpdateUpdating; });
    ASSERT_EQ(updates->state(), kUpdateComplete);
    UpdaterWidget::destroy();
    frames(2);
    ASSERT_TRUE(CommunityLibraryTestAccess::waitUntilCached());
    frames(3);
    EXPECT_TRUE(shows("1  Files filtered from a total of 4 file(s)")) << allText(text());
    EXPECT_TRUE(shows("Ovilux_Delta.csv")) << allText(text());
    click("Import File");
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Nose");
    EXPECT_FALSE(shows("Import File"));
}

TEST_F(CommunityDialogs, TheFileMenuOpensBothDialogs) {
    click("File");
    click("Browse Community Aircraft Files");
    EXPECT_TRUE(shows("3  Files filtered from a total of 3 file(s)")) << allText(text());
    click("Cancel");
    click("File");
    click("Share Camera File with Community");
    EXPECT_TRUE(shows("You must fill in an Author and Version.") ||
                shows("Press Ok to share your camera file, press Cancel to return."))
        << allText(text());
    click("Cancel");
}

}  // namespace
