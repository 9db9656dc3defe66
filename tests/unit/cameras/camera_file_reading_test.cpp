// What the reader makes of the files users actually have: hand-edited values,
// other line ends, broken rows, files it must not touch.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "camera_fixture.h"
#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "xpsim.h"

namespace {

class CameraFileReading : public CameraFixture {
protected:
    void SetUp() override {
        CameraFixture::SetUp();
        enablePlugin();
    }

    // Reads a file of the header and one row whose fields were changed.
    Camera& readOneRow(std::vector<std::pair<int, std::string>> changes) {
        std::vector<std::string> fields = rowFields("Cockpit", "Pilot", 1);
        for (const auto& change : changes) {
            fields[change.first] = change.second;
        }
        writeCameraFile(headerLine() + joinRow(fields));
        initCategories();
        EXPECT_EQ(readCameras(nullptr), 1);
        return cameraAt(0, 0);
    }
};

TEST_F(CameraFileReading, OutOfRangeValuesAreCorrected) {
    xpsim::setValue("sim/graphics/view/field_of_view_deg", 75);
    EXPECT_FLOAT_EQ(readOneRow({{23, "0.5"}}).zoom, 1.0f);
    EXPECT_FLOAT_EQ(readOneRow({{24, "10"}}).fov, 75.0f);
    EXPECT_FLOAT_EQ(readOneRow({{24, "175"}}).fov, 75.0f);
    EXPECT_FLOAT_EQ(readOneRow({{24, "170.0"}}).fov, 170.0f);
    EXPECT_EQ(readOneRow({{36, "7"}}).initialMovementRange, 1);
    EXPECT_EQ(readOneRow({{36, "-1"}}).initialMovementRange, 1);
    EXPECT_EQ(readOneRow({{36, "3"}}).initialMovementRange, 3);
    // A number that is no number leaves the reset value.
    EXPECT_FLOAT_EQ(readOneRow({{3, "abc"}}).x, 0.0f);
    EXPECT_FLOAT_EQ(readOneRow({{23, "nan"}}).zoom, 1.0f);
}

TEST_F(CameraFileReading, ExclusiveOptionsKeepTheStrongestOne) {
    Camera& bezier = readOneRow({{9, "TRUE"}, {13, "TRUE"}, {26, "TRUE"}, {37, "TRUE"}});
    EXPECT_TRUE(bezier.bezierTransition);
    EXPECT_FALSE(bezier.linearTransition);
    EXPECT_FALSE(bezier.smoothTransition);
    EXPECT_FALSE(bezier.smoothCameraJoins);

    Camera& linear = readOneRow({{9, "TRUE"}, {13, "TRUE"}, {26, "TRUE"}});
    EXPECT_TRUE(linear.linearTransition);
    EXPECT_FALSE(linear.smoothTransition);
    EXPECT_TRUE(linear.smoothCameraJoins);

    Camera& effects = readOneRow({{10, "TRUE"}, {60, "TRUE"}, {61, "TRUE"}});
    EXPECT_TRUE(effects.xpRealistic);
    EXPECT_FALSE(effects.realView);
    EXPECT_FALSE(effects.headShake);
    Camera& realView = readOneRow({{10, "TRUE"}, {61, "TRUE"}});
    EXPECT_TRUE(realView.realView);
    EXPECT_FALSE(realView.headShake);

    Camera& target = readOneRow({{33, "FALSE"}, {34, "TRUE"}, {53, "TRUE"}});
    EXPECT_TRUE(target.targetFollowing);
    EXPECT_FALSE(target.cineflex);
    EXPECT_TRUE(target.external);

    Camera& free = readOneRow({{33, "FALSE"}, {35, "TRUE"}});
    EXPECT_TRUE(free.freeCamera);
    EXPECT_TRUE(free.external);
    Camera& chase = readOneRow({{33, "FALSE"}, {51, "TRUE"}});
    EXPECT_TRUE(chase.xp9ChaseView);
    EXPECT_TRUE(chase.external);
}

TEST_F(CameraFileReading, TrueIsOneWordAndHideYokeAlsoTakesNumbers) {
    EXPECT_TRUE(readOneRow({{8, "  true"}}).trackIR);
    EXPECT_TRUE(readOneRow({{8, "True"}}).trackIR);
    EXPECT_FALSE(readOneRow({{8, "yes"}}).trackIR);
    EXPECT_FALSE(readOneRow({{8, "1"}}).trackIR);
    EXPECT_FALSE(readOneRow({{8, "TRUEST"}}).trackIR);
    EXPECT_EQ(readOneRow({{58, "TRUE"}}).hideYoke, 1);
    EXPECT_EQ(readOneRow({{58, " false"}}).hideYoke, 0);
    EXPECT_EQ(readOneRow({{58, "2"}}).hideYoke, 2);
    EXPECT_EQ(readOneRow({{58, "1"}}).hideYoke, 1);
}

TEST_F(CameraFileReading, CarriageReturnsAndBlankLinesAreIgnored) {
    std::string unix = headerLine() + joinRow(rowFields("Cockpit", "One", 1)) +
                       joinRow(rowFields("Cockpit", "Two", 2));
    std::vector<std::string> last = rowFields("Outside", "Three", 3);
    last[69] = "TRUE";
    unix += joinRow(last);
    std::string dos;
    for (char c : unix) {
        dos += c == '\n' ? "\r\n" : std::string(1, c);
    }
    // A blank line, one of white space, and one of separators, between rows.
    dos.insert(dos.find("Cockpit,Two"), "\r\n \t\r\n,,,\r\n");
    writeCameraFile(dos);
    ASSERT_EQ(readCameras(nullptr), 1);
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_EQ(getCategory(0)->numberOfCameras, 2);
    EXPECT_STREQ(cameraAt(0, 1).name, "Two");
    EXPECT_STREQ(cameraAt(1, 0).name, "Three");
    EXPECT_TRUE(cameraAt(1, 0).targetReciprocal);
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.fileVersion, "1.0");
}

TEST_F(CameraFileReading, LinesTooLongAreSkippedWhole) {
    std::string longLine = joinRow(rowFields("Cockpit", std::string(2100, 'x') + ",Two,2"));
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "One", 1)) + longLine +
                    joinRow(rowFields("Cockpit", "Three", 3)));
    ASSERT_EQ(readCameras(nullptr), 1);
    ASSERT_EQ(getNumberOfCategories(), 1);
    ASSERT_EQ(getCategory(0)->numberOfCameras, 2);
    EXPECT_STREQ(cameraAt(0, 1).name, "Three");
    EXPECT_EQ(countInLog("Skipped line 3 of camera file " + cameraFilePath() +
                         ": longer than 1999 characters"),
              1);
}

TEST_F(CameraFileReading, CategoriesMergeIgnoringCaseInOrderOfFirstRow) {
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "A")) +
                    joinRow(rowFields("Outside", "B")) + joinRow(rowFields("cockpit", "C")));
    ASSERT_EQ(readCameras(nullptr), 1);
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
    ASSERT_EQ(getCategory(0)->numberOfCameras, 2);
    EXPECT_STREQ(cameraAt(0, 1).name, "C");
    EXPECT_EQ(cameraAt(0, 1).categoryIndex, 0);
    EXPECT_EQ(cameraAt(0, 1).indexInCategory, 1);
}

TEST_F(CameraFileReading, LongNamesAreCutAndStillFindTheirCategory) {
    std::string longName(40, 'L');
    writeCameraFile(headerLine() + joinRow(rowFields(longName, longName)) +
                    joinRow(rowFields(longName + "extra", "B")));
    ASSERT_EQ(readCameras(nullptr), 1);
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(std::string(getCategory(0)->name), std::string(30, 'L'));
    EXPECT_EQ(std::string(cameraAt(0, 0).name), std::string(30, 'L'));
    EXPECT_EQ(getCategory(0)->numberOfCameras, 2);
}

TEST_F(CameraFileReading, TheTwentyFirstCategoryAndTheCameraAfterTheLastAreSkipped) {
    std::string text = headerLine();
    for (int c = 1; c <= 21; ++c) {
        text += joinRow(rowFields("Category " + std::to_string(c), "Camera"));
    }
    for (int i = 0; i < 151; ++i) {
        text += joinRow(rowFields("Category 2", "Extra " + std::to_string(i)));
    }
    writeCameraFile(text);
    ASSERT_EQ(readCameras(nullptr), 1);
    EXPECT_EQ(getNumberOfCategories(), 20);
    EXPECT_STREQ(getCategory(19)->name, "Category 20");
    EXPECT_EQ(getCategory(1)->numberOfCameras, 150);
    EXPECT_STREQ(cameraAt(1, 149).name, "Extra 148");
    // The first row refused is logged in full, the others only counted.
    EXPECT_EQ(countInLog("Maximum allowed camera categories"), 1);
    EXPECT_EQ(countInLog("Maximum allowed cameras in a category"), 0);
    EXPECT_EQ(countInLog("Unexpected error reading camera parameters"), 1);
    EXPECT_TRUE(logHas("Skipped 2 more rows of camera file " + cameraFilePath() +
                       " after line 22: they could not be placed either"));
}

TEST_F(CameraFileReading, AFloodOfRowsPastTheLimitsLogsOnlyAFewLines) {
    std::string text = headerLine();
    for (int i = 0; i < 2150; ++i) {
        text += joinRow(rowFields("Outside", "Camera " + std::to_string(i)));
    }
    writeCameraFile(text);
    size_t logBefore = xpsim::logText().size();
    ASSERT_EQ(readCameras(nullptr), 1);
    EXPECT_EQ(getCategory(0)->numberOfCameras, 150);
    EXPECT_EQ(countInLog("Maximum allowed cameras in a category"), 1);
    EXPECT_EQ(countInLog("Unexpected error reading camera parameters"), 1);
    EXPECT_TRUE(logHas("Skipped 1999 more rows of camera file " + cameraFilePath() +
                       " after line 152: they could not be placed either"));
    std::string added = xpsim::logText().substr(logBefore);
    EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), 3) << added;
}

TEST_F(CameraFileReading, ShortRowEndsReadingButLeavesASoundSet) {
    getGlobalCameraFileNameList()->savedCategory = 1;
    getGlobalCameraFileNameList()->savedCameraIndex = 0;
    std::string text = headerLine() + joinRow(rowFields("Cockpit", "A", 3)) +
                       joinRow(rowFields("Outside", "B", 4)) + "Outside,C,5,1,2\n" +
                       joinRow(rowFields("Outside", "D"));
    writeCameraFile(text);
    EXPECT_EQ(readCameras(nullptr), 0);
    EXPECT_TRUE(logHas("The camera file does not have the minimum number of camera parameters: " +
                       cameraFilePath() + ", line 4 has 5 fields"));
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_EQ(getCategory(1)->numberOfCameras, 1);
    EXPECT_EQ(getCurrentCategoryIndex(), 1);  // the saved cursor was restored
    EXPECT_EQ(getCameraByViewID(4), &cameraAt(1, 0));
    EXPECT_EQ(cameraAt(1, 0).nextInSet, &cameraAt(0, 0));
    EXPECT_EQ(readCameraFile(), text);
}

TEST_F(CameraFileReading, AnUnreadableFileIsNeverOverwritten) {
    std::string text = "camera file\n";
    writeCameraFile(text);
    EXPECT_EQ(readCameras(nullptr), 0);
    ASSERT_NE(getCurrentCamera(), nullptr);
    EXPECT_STREQ(getCurrentCamera()->name, "Pilot View");
    EXPECT_EQ(readCameraFile(), text);
    EXPECT_TRUE(logHas("holds no cameras; using a default camera set without saving it"));
    EXPECT_TRUE(messageBoxes().empty());

    // A folder where the file should be cannot be read either.
    std::filesystem::remove(cameraFilePath());
    std::filesystem::create_directory(cameraFilePath());
    initCategories();
    EXPECT_EQ(readCameras(nullptr), 0);
    EXPECT_STREQ(getCurrentCamera()->name, "Pilot View");
    EXPECT_TRUE(std::filesystem::is_directory(cameraFilePath()));
    // Only that it cannot be read, and why: not that it holds no cameras.
    EXPECT_TRUE(logHas("Unable to read camera file " + cameraFilePath() +
                       " (Is a directory); using a default camera set without saving it"));
    EXPECT_EQ(countInLog("holds no cameras"), 1);
}

TEST_F(CameraFileReading, OnlyTheHeaderGivesTheDefaultSetWithoutTouchingTheFile) {
    writeCameraFile(headerLine());
    EXPECT_EQ(readCameras(nullptr), 1);
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
    EXPECT_EQ(cameraAt(0, 0).viewId, 1);
    EXPECT_EQ(readCameraFile(), headerLine());
}

TEST_F(CameraFileReading, TheOlderFileIsReadAndTheNextSaveUsesTheNewName) {
    std::string older = headerLine() + joinRow(rowFields("Old", "Camera", 2));
    std::string olderPath = xplane.path(std::string(kCessnaFolder) + "Ovilux.csv");
    SimulatedXPlane::writeFile(olderPath, older);
    EXPECT_FALSE(testForCameraFile());
    ASSERT_EQ(readCameras(nullptr), 1);
    EXPECT_STREQ(getCategory(0)->name, "Old");
    EXPECT_FALSE(testForCameraFile());
    ASSERT_EQ(saveCameras(false, false), 1);
    EXPECT_TRUE(testForCameraFile());
    EXPECT_NE(readCameraFile().find("Old,Camera,2,"), std::string::npos);
    EXPECT_EQ(SimulatedXPlane::readFile(olderPath), older);
}

TEST_F(CameraFileReading, AMissingCommunityFileChangesNothing) {
    std::string own = headerLine() + joinRow(rowFields("Mine", "Camera", 2));
    writeCameraFile(own);
    ASSERT_EQ(readCameras(nullptr), 1);
    GlobalCameraFileNameEntry community;
    community.isCommunityFile = 1;
    snprintf(community.path, sizeof(community.path), "%s", xplane.path("gone.csv").c_str());
    EXPECT_EQ(readCameras(&community), 0);
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Mine");
    EXPECT_EQ(getCurrentActiveCameraFile(), getGlobalCameraFileNameList());
    EXPECT_EQ(readCameraFile(), own);
}

TEST_F(CameraFileReading, AMissingCommunityFileIsNotReplacedByTheOlderFile) {
    std::string own = headerLine() + joinRow(rowFields("Mine", "Camera", 2));
    writeCameraFile(own);
    ASSERT_EQ(readCameras(nullptr), 1);
    SimulatedXPlane::writeFile(xplane.path(std::string(kCessnaFolder) + "Ovilux.csv"),
                               headerLine() + joinRow(rowFields("Old", "Camera", 3)));
    GlobalCameraFileNameEntry community;
    community.isCommunityFile = 1;
    snprintf(community.path, sizeof(community.path), "%s", xplane.path("gone.csv").c_str());
    EXPECT_EQ(readCameras(&community), 0);
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Mine");
}

TEST_F(CameraFileReading, ACommunityFileIsReadButSavesGoToTheAircraftsFile) {
    writeCameraFile(headerLine() + joinRow(rowFields("Mine", "Camera", 2)));
    std::vector<std::string> shared = rowFields("Shared", "Camera", 5);
    shared[44] = "Someone ";
    SimulatedXPlane::writeFile(xplane.path("shared.csv"), headerLine() + joinRow(shared));
    GlobalCameraFileNameEntry community;
    community.isCommunityFile = 1;
    snprintf(community.path, sizeof(community.path), "%s", xplane.path("shared.csv").c_str());
    ASSERT_EQ(readCameras(&community), 1);
    EXPECT_STREQ(getCategory(0)->name, "Shared");
    EXPECT_EQ(getCurrentActiveCameraFile(), getGlobalCameraFileNameList());
    EXPECT_EQ(std::string(getCurrentActiveCameraFile()->path), cameraFilePath());
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.author, "Someone");
}

TEST_F(CameraFileReading, NoPropertyOfOneFileLeaksIntoTheNext) {
    std::vector<std::string> first = rowFields("Cockpit", "A");
    first[44] = "Jo ";
    first[47] = "TRUE";
    writeCameraFile(headerLine() + joinRow(first));
    ASSERT_EQ(readCameras(nullptr), 1);
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.author, "Jo");
    EXPECT_TRUE(getCurrentActiveCameraFile()->properties.manualEnable);

    std::vector<std::string> glider = rowFields("Cockpit", "B");
    glider.resize(40);  // written before the file properties existed
    SimulatedXPlane::writeFile(xplane.path("Aircraft/Extra Aircraft/Glider/Ovilux_ASK21.csv"),
                               headerLine() + joinRow(glider));
    loadAircraft(kGlider);
    EXPECT_STREQ(cameraAt(0, 0).name, "B");
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.author, "");
    EXPECT_STREQ(getCurrentActiveCameraFile()->properties.aircraft, "");
    EXPECT_FALSE(getCurrentActiveCameraFile()->properties.manualEnable);
}

TEST_F(CameraFileReading, PlaneLoadedReadsTheFileAndManualEnableKeepsControlOff) {
    std::vector<std::string> fields = rowFields("Cockpit", "Pilot", 1);
    fields[47] = "TRUE";
    writeCameraFile(headerLine() + joinRow(fields));
    loadAircraft(kCessna);
    EXPECT_STREQ(getCurrentCamera()->name, "Pilot");
    EXPECT_TRUE(getCurrentActiveCameraFile()->properties.manualEnable);
}

}  // namespace
