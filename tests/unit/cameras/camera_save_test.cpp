// Saving the set and its backup: what reaches the disk, what the user hears
// and sees, and what a failed write leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sys/stat.h>

#include <unistd.h>

#include "camera_fixture.h"
#include "cameras/files/camera_file.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "shell/plugin_path.h"
#include "shell/speech.h"
#include "xplane/plugin_entry_points.h"
#include "xpsim.h"

namespace {

class CameraSave : public CameraFixture {
protected:
    void SetUp() override {
        CameraFixture::SetUp();
        enablePlugin();
        writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "Pilot", 1)));
        ASSERT_EQ(readCameras(nullptr), 1);
    }

    std::vector<std::string> spoken() {
        SpeechManager::processSpeech();
        return xpsim::spokenTexts();
    }

    std::string backupPath() const {
        return xplane.pluginFolder() +
               "AircraftCameraBackups/Laminar Research_Cessna 172 SP_Ovilux_Cessna_172SP.csv";
    }
};

TEST_F(CameraSave, SaveAnnouncesAndBacksUpTheAircraftFile) {
    getCurrentCamera()->x = 0.5f;
    ASSERT_EQ(saveCameras(true, true), 1);
    EXPECT_NE(readCameraFile().find("Cockpit,Pilot,1,0.500000,"), std::string::npos);
    EXPECT_EQ(SimulatedXPlane::readFile(backupPath()), readCameraFile());
    EXPECT_EQ(spoken(), (std::vector<std::string>{"Cameras Saved"}));
    auto boxes = messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Info");
    EXPECT_EQ(boxes[0].second, "Created Backup:\n\n" + backupPath());

    // Each backup replaces the one before.
    getCurrentCamera()->x = 0.75f;
    ASSERT_EQ(saveCameras(false, true), 1);
    EXPECT_EQ(SimulatedXPlane::readFile(backupPath()), readCameraFile());
    EXPECT_EQ(getCurrentCamera()->savedPosition.x, 0.75f);
}

TEST_F(CameraSave, BackupNamesFollowThePathBelowAircraft) {
    EXPECT_EQ(getBackupFilePath("/x/Aircraft/Props/Trainer/Ovilux_Trainer.csv"),
              xplane.pluginFolder() + "AircraftCameraBackups/Props_Trainer_Ovilux_Trainer.csv");
    EXPECT_EQ(getBackupFilePath("/x/aircraft/Props/Ovilux_Trainer.csv"), "");
    EXPECT_EQ(backUpCameraFile("/x/aircraft/Props/Ovilux_Trainer.csv"), 0);
    EXPECT_TRUE(messageBoxes().empty());
    EXPECT_EQ(backUpCameraFile(xplane.path("Aircraft/None/Ovilux_None.csv").c_str()), 0);
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_EQ(messageBoxes()[0].first, "Error");
    EXPECT_EQ(messageBoxes()[0].second.rfind("Unable to read: ", 0), 0u);
}

TEST_F(CameraSave, AFailedWriteLeavesTheOldFileAndSaysSo) {
    std::string before = readCameraFile();
    // The temporary file beside the camera file cannot be made.
    std::filesystem::create_directory(cameraFilePath() + ".tmp");
    getCurrentCamera()->x = 3.0f;
    EXPECT_EQ(saveCameras(true, true), 0);
    EXPECT_EQ(readCameraFile(), before);
    EXPECT_TRUE(logHas("Ovilux: Unable to write camera file " + cameraFilePath() +
                       " (Is a directory)\n"));
    EXPECT_TRUE(spoken().empty());
    EXPECT_FALSE(SimulatedXPlane::exists(backupPath()));
}

TEST_F(CameraSave, ALinkedFileIsWrittenThroughAndKeepsItsPermissions) {
    namespace fs = std::filesystem;
    // The user keeps the file elsewhere and links it into the aircraft folder.
    std::string shared = xplane.path("Shared/Cessna cameras.csv");
    fs::create_directories(xplane.path("Shared"));
    fs::rename(cameraFilePath(), shared);
    fs::create_symlink("../../../Shared/Cessna cameras.csv", cameraFilePath());
    chmod(shared.c_str(), 0640);

    getCurrentCamera()->x = 0.5f;
    ASSERT_EQ(saveCameras(true, true), 1);
    EXPECT_TRUE(fs::is_symlink(cameraFilePath()));
    EXPECT_NE(SimulatedXPlane::readFile(shared).find("Cockpit,Pilot,1,0.500000,"),
              std::string::npos);
    EXPECT_EQ(fs::status(shared).permissions(), fs::perms(0640));
    EXPECT_FALSE(SimulatedXPlane::exists(xplane.path("Shared/Cessna cameras.csv.tmp")));
    EXPECT_EQ(SimulatedXPlane::readFile(backupPath()), SimulatedXPlane::readFile(shared));
}

TEST_F(CameraSave, AReadOnlyFileIsNeverReplaced) {
    std::string before = readCameraFile();
    // Only the mode says so: a process running as root could still write it.
    chmod(cameraFilePath().c_str(), 0444);
    getCurrentCamera()->x = 3.0f;
    EXPECT_EQ(saveCameras(true, true), 0);
    EXPECT_EQ(readCameraFile(), before);
    EXPECT_EQ(std::filesystem::status(cameraFilePath()).permissions(), std::filesystem::perms(0444));
    EXPECT_TRUE(logHas("Ovilux: Unable to write camera file " + cameraFilePath() +
                       " (Permission denied)\n"));
    EXPECT_TRUE(spoken().empty());
    EXPECT_FALSE(SimulatedXPlane::exists(backupPath()));
}

// X-Plane's working folder is where files of a plug-in whose folder is unknown
// would otherwise land.
class WithoutPluginFolder : public CameraFixture {
protected:
    void SetUp() override {
        CameraFixture::SetUp();
        std::filesystem::remove_all(xplane.pluginFolder());
        xpsim::attachPlugin({XPluginStart, XPluginEnable, XPluginDisable, XPluginStop,
                             XPluginReceiveMessage},
                            xplane.path("Ovilux.xpl"));
        resetPluginPathCache();
        char* folder = getcwd(nullptr, 0);
        previousFolder = folder;
        free(folder);
        workingFolder = xplane.path("working folder");
        std::filesystem::create_directory(workingFolder);
        ASSERT_EQ(chdir(workingFolder.c_str()), 0);
    }

    void TearDown() override {
        CameraFixture::TearDown();
        EXPECT_EQ(chdir(previousFolder.c_str()), 0);
    }

    std::string previousFolder;
    std::string workingFolder;
};

TEST_F(WithoutPluginFolder, NothingIsWrittenAndTheLogSaysSoOnce) {
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "Pilot", 1)));
    enablePlugin();
    loadAircraft(kCessna);
    ASSERT_EQ(getNumberOfCategories(), 1);

    // The aircraft's own file lies in the aircraft's folder and is saved;
    // its backup would go into the plug-in's folder and is not made.
    getCurrentCamera()->x = 0.5f;
    EXPECT_EQ(saveCameras(true, true), 1);
    EXPECT_NE(readCameraFile().find("Cockpit,Pilot,1,0.500000,"), std::string::npos);
    EXPECT_TRUE(messageBoxes().empty());
    EXPECT_EQ(insertTarget("Spot", "2024-01-01 00:00:00", 47.0, 8.0, 0, 0), 1);
    EXPECT_EQ(saveTargets(), 0);
    xplane.disableAndStop();

    EXPECT_TRUE(std::filesystem::is_empty(workingFolder));
    EXPECT_FALSE(SimulatedXPlane::exists(xplane.pluginFolder()));
    EXPECT_FALSE(SimulatedXPlane::exists(xplane.path("Ovilux.ini")));
    EXPECT_EQ(countInLog("Ovilux: Unable to determine the plugin directory"), 1);
    EXPECT_TRUE(logHas("Ovilux: Unable to determine the plugin directory from \"" +
                       xplane.path("Ovilux.xpl") + "\"; no files will be written\n"));
}

TEST_F(CameraSave, DuplicateViewIdsAreWarnedOfOnce) {
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "A", 3)) +
                    joinRow(rowFields("Cockpit", "B", 3)) + joinRow(rowFields("Cockpit", "C", 5)) +
                    joinRow(rowFields("Cockpit", "D", 5)));
    initCategories();
    ASSERT_EQ(readCameras(nullptr), 1);
    ASSERT_EQ(saveCameras(false, false), 1);
    auto boxes = messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "WARNING");
    EXPECT_EQ(boxes[0].second,
              "Some cameras have duplicate View IDs. Use the Display View IDs function in the File "
              "menu to see the assignments.");
}

TEST_F(CameraSave, CommasInNamesBecomeBlanksInMemoryToo) {
    snprintf(getCategory(0)->name, kNameSize, "Cock,pit");
    snprintf(getCurrentCamera()->name, kNameSize, "Pi,lot");
    ASSERT_EQ(saveCameras(false, false), 1);
    EXPECT_STREQ(getCategory(0)->name, "Cock pit");
    EXPECT_STREQ(getCurrentCamera()->name, "Pi lot");
    EXPECT_NE(readCameraFile().find("\nCock pit,Pi lot,1,"), std::string::npos);
}

TEST_F(CameraSave, ANonFiniteNumberIsNeverWritten) {
    std::string before = readCameraFile();
    getCurrentCamera()->heading = -std::numeric_limits<float>::infinity();
    EXPECT_EQ(saveCameras(true, false), 0);
    EXPECT_EQ(readCameraFile(), before);
    EXPECT_TRUE(spoken().empty());
    EXPECT_TRUE(logHas("Unable to write camera file " + cameraFilePath() +
                       ": camera \"Pilot\" holds a number that is not finite"));
}

}  // namespace
