// Importing a camera file through the control panel: typed or picked from the
// aircraft folders or the backups, refused when it is no camera file, and
// never touching the aircraft's own file until the user saves.
#include <sys/stat.h>

#include <chrono>
#include <string>
#include <thread>

#include "cameras/files/camera_file_list.h"
#include "libwinkit/imgui_window.h"
#include "support/named_pipe.h"
#include "unit/panels/dialogs_fixture.h"
#include "xpsim.h"

namespace {

const Column kAuthor = static_cast<Column>(44);
const Column kVersion = static_cast<Column>(45);

class ImportDialog : public DialogsFixture {
protected:
    void SetUp() override {
        DialogsFixture::SetUp();
        start({TestCameraRow("Mine", "Pilot").set(kAuthor, "Jo ").set(kVersion, "v1 ")});
        own = readCameraFile();
        openPanel();
    }
    std::string importFile(const std::string& name, const std::string& text) {
        std::string path = xplane.path("Imports/" + name);
        SimulatedXPlane::writeFile(path, text);
        return path;
    }
    std::string sharedSet() const {
        return headerLine() + joinRow(TestCameraRow("Shared", "Pilot").set(kAuthor, "Someone ").fields) +
               joinRow(TestCameraRow("Shared", "Door").fields);
    }
    // The import button: the popup's title, drawn first, has the same text.
    size_t importButtons() const { return runsOf("Import Camera File").size() - 1; }
    void pressImport() {
        std::vector<TextRun> found = runsOf("Import Camera File");
        ASSERT_EQ(found.size(), 2u) << allText(text());
        press(found.back());
        frames(3);
    }
    void expectOwnSet() {
        ASSERT_EQ(getNumberOfCategories(), 1);
        EXPECT_STREQ(getCategory(0)->name, "Mine");
        EXPECT_STREQ(getCurrentActiveCameraFile()->properties.author, "Jo");
        EXPECT_STREQ(getCurrentActiveCameraFile()->properties.fileVersion, "v1");
        EXPECT_EQ(readCameraFile(), own);
    }
    std::string own;
};

TEST_F(ImportDialog, AValidFileReplacesTheSetButNotTheAircraftsFileUntilSaved) {
    std::string path = importFile("Ovilux_Other.csv", sharedSet());
    openDialog(kDialogImportCameraFile);
    ASSERT_TRUE(shows("Finder")) << allText(text());
    expectDrawnAboveItsDimming();
    EXPECT_EQ(importButtons(), 0u);
    typeInto("File Path", path);
    EXPECT_FALSE(shows("File does not exist")) << allText(text());
    EXPECT_EQ(importButtons(), 1u);
    EXPECT_TRUE(shows("Try to Auto-Correct Cockpit"));

    pressImport();
    EXPECT_FALSE(shows("Finder"));
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Shared");
    EXPECT_EQ(getCategory(0)->numberOfCameras, 2);
    // The import is the user's now: no author, and a version of today.
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    EXPECT_EQ(active, getGlobalCameraFileNameList());
    EXPECT_STREQ(active->properties.author, "");
    EXPECT_EQ(std::string(active->properties.fileVersion).size(), 19u);
    EXPECT_EQ(readCameraFile(), own);

    xpsim::commandOnce("QFN/Ovilux/Save_All_Cameras");
    frames(2);
    EXPECT_NE(readCameraFile().find("Shared,Door,"), std::string::npos);
}

TEST_F(ImportDialog, AFileWithoutTheHeaderOrNoFileAtAllIsRefused) {
    std::string headless = importFile("Ovilux_Rows.csv", joinRow(rowFields("Shared", "Pilot")));
    openDialog(kDialogImportCameraFile);
    typeInto("File Path", headless);
    EXPECT_TRUE(shows("Does not appear to be a valid Ovilux file")) << allText(text());
    EXPECT_EQ(importButtons(), 0u);
    typeInto("File Path", "x");  // now names no file
    EXPECT_TRUE(shows("File does not exist")) << allText(text());
    EXPECT_EQ(importButtons(), 0u);
    click("Cancel");
    EXPECT_FALSE(shows("Finder"));
    expectOwnSet();

    // Opened again: the field and its error are empty.
    openDialog(kDialogImportCameraFile);
    EXPECT_FALSE(shows("File does not exist"));
    EXPECT_EQ(fieldValue("File Path"), "Finder") << allText(text());  // nothing between them
}

TEST_F(ImportDialog, AMissingFileNeverFallsBackToTheAircraftsOlderFile) {
    SimulatedXPlane::writeFile(xplane.path(std::string(kCessnaFolder) + "Ovilux.csv"),
                               headerLine() + joinRow(rowFields("Old", "Pilot")));
    std::string path = importFile("Ovilux_Gone.csv", sharedSet());
    openDialog(kDialogImportCameraFile);
    typeInto("File Path", path);
    ASSERT_EQ(importButtons(), 1u);
    remove(path.c_str());  // gone before the press
    pressImport();
    EXPECT_TRUE(shows("File does not exist")) << allText(text());
    EXPECT_TRUE(shows("Finder"));
    expectOwnSet();
}

TEST_F(ImportDialog, ANamedPipeIsNeverOpened) {
    std::string path = xplane.path("Imports/Ovilux_Pipe.csv");
    SimulatedXPlane::writeFile(xplane.path("Imports/placeholder"), "");
    NamedPipe pipe(path);
    openDialog(kDialogImportCameraFile);
    typeInto("File Path", path);
    EXPECT_TRUE(shows("File does not exist")) << allText(text());
    EXPECT_EQ(importButtons(), 0u);
    EXPECT_FALSE(pipe.releasedABlockedReader());
}

TEST_F(ImportDialog, AFileThatFailsToReadLeavesTheSetAndItsPropertiesAsTheyWere) {
    // The header, one camera, then a row too short to be one.
    std::string path = importFile("Ovilux_Broken.csv",
                                  sharedSet() + "Shared,Short,0,1,2\n");
    openDialog(kDialogImportCameraFile);
    typeInto("File Path", path);
    pressImport();
    EXPECT_TRUE(shows("The file could not be read; the camera set is unchanged"))
        << allText(text());
    EXPECT_TRUE(shows("Finder"));
    expectOwnSet();
    EXPECT_EQ(getCurrentActiveCameraFile(), getGlobalCameraFileNameList());

    // A file with no camera in it: only the header, or only a line too long
    // to be read. A default set in place of the pilot's is no import.
    const std::string tooLong = headerLine() + std::string(2000, 'x') + "\n";
    for (const std::string& empty : {headerLine(), tooLong}) {
        click("Cancel");
        openDialog(kDialogImportCameraFile);
        typeInto("File Path", importFile("Ovilux_Empty.csv", empty));
        pressImport();
        EXPECT_TRUE(shows("The file could not be read; the camera set is unchanged"))
            << allText(text());
        expectOwnSet();
    }
}

TEST_F(ImportDialog, ABackupIsPickedFromThePluginsBackupFolder) {
    std::string backup = xplane.pluginFolder() +
                         "AircraftCameraBackups/Cessna_Ovilux_Cessna_172SP.csv";
    SimulatedXPlane::writeFile(backup, sharedSet());
    openDialog(kDialogImportFromBackup);
    click("Finder");
    XPLMWindowID selectorWindow = xpsim::findWindow("File Selector");
    ASSERT_NE(selectorWindow, nullptr);
    ImgWindow* selector = ImgWindow::fromWindowID(selectorWindow);
    ASSERT_NE(selector, nullptr);
    auto selectorText = [&] { return readWindowText(selector->getImguiContext(), selectorWindow); };
    auto selectorShows = [&](const std::string& what) {
        return findText(selectorText(), what) != nullptr;
    };
    auto untilSelectorShows = [&](const std::string& what) {
        for (int i = 0; i < 3000 && !selectorShows(what); ++i) {
            frames(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return selectorShows(what);
    };
    // Press and release between two frames: the press lasts one frame.
    auto clickOnce = [&](const std::string& label, bool last) {
        std::vector<TextRun> runs = selectorText();
        const TextRun* found = nullptr;
        for (const TextRun& run : runs) {
            if (run.text == label && (found == nullptr || last)) found = &run;
        }
        if (found == nullptr) return false;
        int x = found->boxelCentreX(), y = found->boxelCentreY();
        xpsim::mouseClick(x, y, false, xplm_MouseDown);
        xpsim::mouseClick(x, y, false, xplm_MouseUp);
        frames(3);
        return true;
    };
    ASSERT_TRUE(untilSelectorShows("Cessna_Ovilux_Cessna_172SP.csv"));
    EXPECT_TRUE(shows("Waiting for File Selection....")) << allText(text());

    // Typing reaches the selector while the panel's modal dialog waits for it,
    // and its buttons take clicks that last one frame.
    ASSERT_TRUE(typeIntoField(selectorWindow, selector->getImguiContext(), "Filter", "xyz",
                              FieldSide::LeftOfLabel));
    ASSERT_TRUE(clickOnce("Apply", true));  // the filter's, beside its field
    EXPECT_TRUE(selectorShows("Ovilux_xyz")) << allText(selectorText());
    EXPECT_FALSE(selectorShows("Cessna_Ovilux_Cessna_172SP.csv"));
    ASSERT_TRUE(typeIntoField(selectorWindow, selector->getImguiContext(), "Root Path", "",
                              FieldSide::LeftOfLabel));
    ASSERT_TRUE(xpsim::pressKey("a", xplm_ControlFlag));
    frames(2);
    ASSERT_TRUE(xpsim::typeText("/"));
    frames(2);
    ASSERT_TRUE(clickOnce("Apply", false));  // the root's: the whole disk is scanned
    ASSERT_TRUE(untilSelectorShows("Please Wait...")) << allText(selectorText());
    ASSERT_TRUE(clickOnce("Cancel", false));
    ASSERT_TRUE(untilSelectorShows("Root Path"));
    EXPECT_FALSE(selectorShows("Please Wait..."));
    ASSERT_TRUE(clickOnce("Cancel", false));
    frames(5);  // the dialog is sized to its fields again
    EXPECT_EQ(xpsim::findWindow("File Selector"), nullptr);
    ASSERT_TRUE(shows("Finder")) << allText(text());

    click("Finder");
    selectorWindow = xpsim::findWindow("File Selector");
    ASSERT_NE(selectorWindow, nullptr);
    selector = ImgWindow::fromWindowID(selectorWindow);
    ASSERT_TRUE(untilSelectorShows("Cessna_Ovilux_Cessna_172SP.csv"));
    ASSERT_TRUE(clickText(selectorWindow, selector->getImguiContext(),
                          "Cessna_Ovilux_Cessna_172SP.csv"))
        << allText(selectorText());
    frames(3);
    ASSERT_TRUE(clickText(selectorWindow, selector->getImguiContext(), "Open"));
    frames(8);  // the selector goes; the dialog is sized to its fields again
    EXPECT_EQ(xpsim::findWindow("File Selector"), nullptr);
    EXPECT_FALSE(shows("Waiting for File Selection...."));
    EXPECT_EQ(importButtons(), 1u) << allText(text());
    pressImport();
    EXPECT_STREQ(getCategory(0)->name, "Shared");
    EXPECT_EQ(readCameraFile(), own);

    // The selector's buttons work while its panel is hidden: Cancel closes it,
    // Open closes it and the dialog has the path when the panel is back.
    std::string error;
    for (const char* button : {"Cancel", "Open"}) {
        SCOPED_TRACE(button);
        openDialog(kDialogImportFromBackup);
        click("Finder");
        selectorWindow = xpsim::findWindow("File Selector");
        ASSERT_NE(selectorWindow, nullptr);
        selector = ImgWindow::fromWindowID(selectorWindow);
        ASSERT_TRUE(untilSelectorShows("Cessna_Ovilux_Cessna_172SP.csv"));
        ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Toggle Control Panel", &error)) << error;
        frames(2);
        ASSERT_FALSE(panel->GetVisible());
        ASSERT_TRUE(XPLMGetWindowIsVisible(selectorWindow));
        if (std::string(button) == "Open") {
            ASSERT_TRUE(clickOnce("Cessna_Ovilux_Cessna_172SP.csv", false));
        }
        ASSERT_TRUE(clickOnce(button, false)) << allText(selectorText());
        EXPECT_FALSE(XPLMGetWindowIsVisible(selectorWindow));
        xpsim::commandOnce("QFN/Ovilux/Toggle_Control_Panel_on_or_off");
        frames(8);
        ASSERT_TRUE(panel->GetVisible());
        EXPECT_EQ(xpsim::findWindow("File Selector"), nullptr);
        EXPECT_FALSE(shows("Waiting for File Selection....")) << allText(text());
        bool opened = std::string(button) == "Open";
        if (opened) {
            // The path, as far as the field shows it.
            EXPECT_TRUE(shows(backup.substr(0, 50))) << allText(text());
        } else {
            EXPECT_EQ(fieldValue("File Path"), "Finder") << allText(text());  // nothing between them
        }
        EXPECT_EQ(importButtons(), opened ? 1u : 0u) << allText(text());
        click("Cancel");
    }

    // The selector goes with its panel when camera control is switched off.
    openDialog(kDialogImportFromBackup);
    click("Finder");
    ASSERT_NE(xpsim::findWindow("File Selector"), nullptr);
    ASSERT_TRUE(xpsim::chooseMenuItem("Plugins/Ovilux/Disable", &error)) << error;
    frames(2);
    EXPECT_EQ(controlPanel(), nullptr);
    EXPECT_EQ(xpsim::findWindow("File Selector"), nullptr);
}

}  // namespace
