// Saving the set and its backup: what reaches the disk, what the user hears
// and sees, and what a failed write leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "camera_fixture.h"
#include "cameras/files/camera_file.h"
#include "shell/speech.h"
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
    EXPECT_TRUE(logHas("Ovilux: Unable to write camera file\n"));
    EXPECT_TRUE(spoken().empty());
    EXPECT_FALSE(SimulatedXPlane::exists(backupPath()));
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
