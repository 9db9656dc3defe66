// The targets file: what is written after targets are made, replaced and read
// again, which rows reading drops, and that a user's file is never lost.
#include <filesystem>
#include <limits>
#include <sys/stat.h>

#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "targets_fixture.h"

namespace {

using TargetsFile = TargetsFixture;

TEST_F(TargetsFile, MadeReplacedAndReadBackInTheExactFormat) {
    enablePlugin();
    EXPECT_EQ(readTargetsFile(), kTargetsHeader);

    EXPECT_EQ(insertTarget("Tower, North ", "2024-05-01 10:00:00", 47.5, 8.25, 430.5, 0), 1);
    EXPECT_EQ(insertTarget("Lake Point", "2024-05-01 10:05:00", 47.25, 8.75, 400, 0), 1);
    EXPECT_EQ(insertTarget("Harbour", "2024-05-02 08:00:00", -33.5, 151.25, 12.125, 0), 1);
    // The same name in the same bucket, whatever its case: replaced in place.
    EXPECT_EQ(insertTarget("lake point", "2024-06-01 12:00:00", 47.3, 8.7, 410, 0), 1);
    // Names are cut to 70 characters, dates to 25.
    std::string longName(75, 'N');
    EXPECT_EQ(insertTarget(longName.c_str(), "2024-06-01 12:00:00 and more", 0.5, -0.5, 0, 0), 1);
    EXPECT_EQ(getNumberOfStoredTargets(), 4);
    ASSERT_EQ(saveTargets(), 1);

    // Rows south to north, columns west to east, then the bucket's order.
    const std::string expected = std::string(kTargetsHeader) +
        "Harbour,2024-05-02 08:00:00,-33.500000,151.250000,12.125000\n" +
        std::string(70, 'N') + ",2024-06-01 12:00:00 and m,0.500000,-0.500000,0.000000\n" +
        "Tower  North,2024-05-01 10:00:00,47.500000,8.250000,430.500000\n"
        "lake point,2024-06-01 12:00:00,47.300000,8.700000,410.000000\n";
    EXPECT_EQ(readTargetsFile(), expected);

    // Read again, at the next enable, and saved: nothing changes.
    xplane.disableAndStop();
    enablePlugin();
    EXPECT_EQ(getNumberOfStoredTargets(), 4);
    ASSERT_EQ(saveTargets(), 1);
    EXPECT_EQ(readTargetsFile(), expected);
    EXPECT_FALSE(logHas("Unexpected error reading target parameters"));
}

TEST_F(TargetsFile, InvalidRowsAreDroppedAndAShortRowEndsTheReading) {
    writeTargetsFile(std::string(kTargetsHeader) +
                     "Harbour,2024-01-01 00:00:00,47.1,8.1,400\n"
                     "\n"
                     "  \r\n"
                     "Too North,2024-01-01 00:00:00,95.0,8.0,10\n"
                     "Too East,2024-01-01 00:00:00,47.0,200.0,10\n"
                     "No Number,2024-01-01 00:00:00,nan,8.0,10\n"
                     "Words,2024-01-01 00:00:00,north,8.0,10\n"
                     "   ,2024-01-01 00:00:00,47.0,8.0,10\n"
                     "Extra Fields,2024-01-01 00:00:00,47.2,8.2,401,ignored,more\n"
                     ",,,\n"
                     "NAME , date ,1,2,3\n"
                     "Short,2024-01-01,47.3\n"
                     "After Short,2024-01-01 00:00:00,47.4,8.4,402\n");
    enablePlugin();
    EXPECT_EQ(getNumberOfStoredTargets(), 2);
    EXPECT_TRUE(logHas("Invalid Latitude detected while reading Target Too North, Latitude: "
                       "95.000000 Longitude: 8.000000 Elevation: 10.000000"));
    EXPECT_TRUE(logHas("Invalid Longitude detected while reading Target Too East, Latitude: "
                       "47.000000 Longitude: 200.000000 Elevation: 10.000000"));
    EXPECT_TRUE(logHas("Invalid Latitude detected while reading Target No Number, Latitude: nan"));
    EXPECT_EQ(countInLog("Unexpected error reading target parameters"), 5);
    EXPECT_EQ(countInLog("The target file does not have the minimum number of target parameters"),
              1);

    // What follows the short row was never read: replacing the file would lose it.
    std::string before = readTargetsFile();
    EXPECT_EQ(insertTarget("New", nullptr, 47.0, 8.0, 0, 0), 1);
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_EQ(readTargetsFile(), before);
    ASSERT_FALSE(messageBoxes().empty());
    // The first line that gave no target is the one named.
    EXPECT_EQ(messageBoxes().back(),
              std::make_pair(std::string("Error"),
                             "Unable to write target file: " + targetsFilePath() +
                                 ", line 5 cannot be read (not a valid target)"));
}

TEST_F(TargetsFile, AFileWithALineNotReadIsNeverReplaced) {
    const std::string kept = "Kept,2024-01-01 00:00:00,47.1,8.1,400\n";
    const std::string tooLong =
        "Long," + std::string(2100, 'x') + ",47.2,8.2,400\n";
    const std::string text = std::string(kTargetsHeader) + kept + tooLong +
                             "After,2024-01-01 00:00:00,47.3,8.3,400\n";
    writeTargetsFile(text);
    enablePlugin();
    EXPECT_EQ(getNumberOfStoredTargets(), 2);
    EXPECT_TRUE(logHas("Skipped line 3 of target file " + targetsFilePath() +
                       ": longer than 1999 characters"));

    EXPECT_EQ(insertTarget("New", nullptr, 47.0, 8.0, 0, 0), 1);
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_EQ(readTargetsFile(), text);
    const std::string refusal = "Unable to write target file: " + targetsFilePath() +
                                ", line 3 cannot be read (longer than 1999 characters)";
    EXPECT_TRUE(logHas(refusal));
    ASSERT_FALSE(messageBoxes().empty());
    EXPECT_EQ(messageBoxes().back(), std::make_pair(std::string("Error"), refusal));

    // A short line is named the same way, though reading stops there.
    writeTargetsFile(std::string(kTargetsHeader) + kept + "\nShort,2024-01-01,47.3\n" + kept);
    readTargets();
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_TRUE(logHas("Unable to write target file: " + targetsFilePath() +
                       ", line 4 cannot be read (fewer than 5 fields)"));

    // Once the user mended the file and it was read again, saves work again.
    writeTargetsFile(std::string(kTargetsHeader) + kept);
    readTargets();
    EXPECT_EQ(saveTargets(), 1);
    EXPECT_EQ(readTargetsFile(), std::string(kTargetsHeader) +
                                     "Kept,2024-01-01 00:00:00,47.100000,8.100000,400.000000\n");
}

TEST_F(TargetsFile, OnlyAMissingFileIsCreated) {
    // A fresh installation: not even the folder is there.
    std::filesystem::remove_all(std::filesystem::path(targetsFilePath()).parent_path());
    enablePlugin();
    EXPECT_TRUE(logHas("Unable to read target file: " + targetsFilePath() +
                       ", a new one will be created"));
    EXPECT_EQ(readTargetsFile(), kTargetsHeader);
    xplane.disableAndStop();

    // One that exists but cannot be read stays as it is, through saves too.
    std::filesystem::remove(targetsFilePath());
    std::filesystem::create_directory(targetsFilePath());
    enablePlugin();
    EXPECT_TRUE(logHas("Unable to read target file: " + targetsFilePath()));
    EXPECT_EQ(insertTarget("Spot", nullptr, 47.0, 8.0, 0, 0), 1);
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(targetsFilePath()));
    EXPECT_TRUE(logHas("Unable to write target file: " + targetsFilePath()));
    xplane.disableAndStop();

    // Readable again: saves work again, and go through a temporary file.
    std::filesystem::remove(targetsFilePath());
    writeTargetsFile(kTargetsHeader);
    enablePlugin();
    EXPECT_EQ(insertTarget("Spot", "2024-01-01 00:00:00", 47.0, 8.0, 0, 0), 1);
    std::filesystem::create_directory(targetsFilePath() + ".tmp");
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_EQ(readTargetsFile(), kTargetsHeader);
    std::filesystem::remove(targetsFilePath() + ".tmp");
    EXPECT_EQ(saveTargets(), 1);
    EXPECT_EQ(readTargetsFile(), std::string(kTargetsHeader) +
                                     "Spot,2024-01-01 00:00:00,47.000000,8.000000,0.000000\n");
}

TEST_F(TargetsFile, ALinkedFileIsWrittenThroughAndAReadOnlyOneIsKept) {
    namespace fs = std::filesystem;
    // Shared between two X-Plane installations through a link.
    std::string shared = xplane.path("Shared/targets.csv");
    SimulatedXPlane::writeFile(shared, kTargetsHeader);
    chmod(shared.c_str(), 0664);
    fs::create_directories(fs::path(targetsFilePath()).parent_path());
    fs::remove(targetsFilePath());
    fs::create_symlink(shared, targetsFilePath());
    enablePlugin();
    EXPECT_EQ(insertTarget("Spot", "2024-01-01 00:00:00", 47.0, 8.0, 0, 0), 1);
    ASSERT_EQ(saveTargets(), 1);
    EXPECT_TRUE(fs::is_symlink(targetsFilePath()));
    const std::string withSpot = std::string(kTargetsHeader) +
                                 "Spot,2024-01-01 00:00:00,47.000000,8.000000,0.000000\n";
    EXPECT_EQ(SimulatedXPlane::readFile(shared), withSpot);
    EXPECT_EQ(fs::status(shared).permissions(), fs::perms(0664));

    // Made read-only by the user: only the mode says so, as root could still
    // write it.
    chmod(shared.c_str(), 0444);
    EXPECT_EQ(insertTarget("Other", "2024-01-01 00:00:00", 46.0, 7.0, 0, 0), 1);
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_EQ(SimulatedXPlane::readFile(shared), withSpot);
    EXPECT_EQ(fs::status(shared).permissions(), fs::perms(0444));
    EXPECT_TRUE(logHas("Unable to write target file: " + targetsFilePath()));
}

TEST_F(TargetsFile, EveryInsertionIsValidated) {
    enablePlugin();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(insertTarget("   ", nullptr, 47.0, 8.0, 0, 0), 0);
    EXPECT_EQ(insertTarget(",,", nullptr, 47.0, 8.0, 0, 0), 0);
    EXPECT_EQ(insertTarget("Nowhere", nullptr, nan, 8.0, 0, 0), 0);
    EXPECT_EQ(insertTarget("Nowhere", nullptr, 47.0, nan, 0, 0), 0);
    EXPECT_EQ(insertTarget("Nowhere", nullptr, 90.5, 8.0, 0, 0), 0);
    EXPECT_EQ(insertTarget("Nowhere", nullptr, 47.0, -180.5, 0, 0), 0);
    EXPECT_EQ(getNumberOfStoredTargets(), 0);
    EXPECT_TRUE(logHas("A target without a name was not stored"));
    EXPECT_TRUE(logHas("Target Nowhere was not stored, its position is invalid"));

    // The corners of the grid are valid places.
    EXPECT_EQ(insertTarget("North Pole", nullptr, 90.0, 180.0, 0, 0), 1);
    EXPECT_EQ(insertTarget("South Pole", nullptr, -90.0, -180.0, 2835, 0), 1);
    ASSERT_EQ(saveTargets(), 1);
    readTargets();
    EXPECT_EQ(getNumberOfStoredTargets(), 2);
    // A target made now is dated now.
    Target* north = getTargetBucket(getTargetRow(90.0), getTargetColumn(180.0));
    ASSERT_NE(north, nullptr);
    EXPECT_EQ(std::string(north->date).size(), 19u);
    EXPECT_EQ(north->date[4], '-');
}

TEST_F(TargetsFile, ReadingAgainStartsTheNearTargetsAfresh) {
    writeTargetsFile(std::string(kTargetsHeader) +
                     "Near,2024-01-01 00:00:00,47.01,8.0,500\n"
                     "Nearer,2024-01-01 00:00:00,47.005,8.0,500\n");
    start({TestCameraRow("Outside", "Follow").pose(0, 5, 30, 0, 0).on(kExternal).on(kTargetFollowing)});
    frames(1);
    ASSERT_NE(getCurrentTarget(), nullptr);
    EXPECT_STREQ(getCurrentTarget()->name, "Nearer");
    selectNextTarget();
    EXPECT_STREQ(getCurrentTarget()->name, "Near");

    // The collected targets are freed by the next read; none may be used.
    writeTargetsFile(std::string(kTargetsHeader) + "Other,2024-01-01 00:00:00,47.002,8.0,500\n");
    readTargets();
    EXPECT_EQ(getNumberOfCollectedTargets(), 0);
    frames(2);
    ASSERT_NE(getCurrentTarget(), nullptr);
    EXPECT_STREQ(getCurrentTarget()->name, "Other");
    EXPECT_EQ(getCurrentTargetIndex(), 0);
}

TEST_F(TargetsFile, AbsurdElevationsAreRefusedAndNonFiniteOnesNeverWritten) {
    writeTargetsFile(std::string(kTargetsHeader) +
                     "Tower,2024-01-01 00:00:00,47.0,8.0,600\n"
                     "Space,2024-01-01 00:00:00,47.0,8.0,3e38\n"
                     "Nothing,2024-01-01 00:00:00,47.0,8.0,inf\n");
    enablePlugin();
    EXPECT_EQ(getNumberOfStoredTargets(), 1);
    EXPECT_TRUE(logHas("Target Space was not stored, its elevation 3e38 lies outside -10000 to 1e+06"));
    EXPECT_TRUE(logHas("Target Nothing was not stored, its elevation inf lies outside"));

    // The refused lines are the user's: the file is never saved over them.
    std::string before = readTargetsFile();
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_EQ(readTargetsFile(), before);
    EXPECT_TRUE(logHas(", line 3 cannot be read (not a valid target)"));

    writeTargetsFile(std::string(kTargetsHeader) + "Tower,2024-01-01 00:00:00,47.0,8.0,600\n");
    readTargets();
    before = readTargetsFile();
    Target* tower = getTargetBucket(getTargetRow(47.0), getTargetColumn(8.0));
    ASSERT_NE(tower, nullptr);
    tower->elevation = std::numeric_limits<double>::infinity();
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_EQ(readTargetsFile(), before);
    EXPECT_TRUE(logHas("Target Tower has a position that is not a finite number"));
}

}  // namespace
