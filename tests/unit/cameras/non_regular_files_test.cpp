// Named pipes where the plug-in expects its files: reading them must neither
// block X-Plane's main thread nor take them for empty files that may be
// replaced.
#include <gtest/gtest.h>

#include "camera_fixture.h"
#include "cameras/targets/targets.h"
#include "support/named_pipe.h"

namespace {

using SpecialFiles = CameraFixture;

TEST_F(SpecialFiles, PipesForTheSettingsTargetsAndCameraFilesAreRefused) {
    const std::string settingsPath = xplane.pluginFolder() + "Ovilux.ini";
    const std::string targetsPath = xplane.pluginFolder() + "MyTargets/MyTargets.csv";
    NamedPipe settings(settingsPath);
    NamedPipe targets(targetsPath);
    NamedPipe cameras(cameraFilePath());

    enablePlugin();
    loadAircraft(kCessna);
    // Asked for a camera with an empty set, the set reads its file.
    ASSERT_NE(getCurrentCamera(), nullptr);
    EXPECT_STREQ(getCurrentCamera()->name, "Pilot View");

    EXPECT_FALSE(settings.releasedABlockedReader());
    EXPECT_FALSE(targets.releasedABlockedReader());
    EXPECT_FALSE(cameras.releasedABlockedReader());
    EXPECT_TRUE(logHas("Unable to read " + settingsPath + " (not a regular file)"));
    EXPECT_TRUE(logHas("Unable to read target file: " + targetsPath +
                       " (not a regular file); it is left as it is"));
    EXPECT_TRUE(logHas("Unable to read camera file " + cameraFilePath() +
                       " (not a regular file); using a default camera set without saving it"));

    // Neither file was taken for an empty one that may be replaced.
    EXPECT_EQ(saveTargets(), 0);
    EXPECT_TRUE(targets.stillThere());
    EXPECT_TRUE(cameras.stillThere());
}

TEST_F(SpecialFiles, APipeForTheAircraftsPreferencesIsRefused) {
    const std::string prefsPath = xplane.path(std::string(kCessnaFolder) + "Cessna_172SP_prefs.txt");
    NamedPipe prefs(prefsPath);
    enablePlugin();
    // A new aircraft: its default set is made and the preferences are looked at
    // for quick looks to import.
    loadAircraft(kCessna);
    ASSERT_NE(getCurrentCamera(), nullptr);
    EXPECT_FALSE(prefs.releasedABlockedReader());
    EXPECT_TRUE(logHas("Unable to read " + prefsPath + " (not a regular file)"));
    auto boxes = messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "INFO");
    EXPECT_EQ(boxes[0].second.find("Quick Look"), std::string::npos);
}

}  // namespace
