// HeadShake, LinuxTrack and Scenic Flyer as other plug-ins the simulator knows,
// with the plug-in driving them frame by frame.
#include <cmath>

#include "cameras/set/camera_set.h"
#include "positioning/integration/plugin_links.h"
#include "unit/positioning/positioning_fixture.h"
#include "xplane/sdk.h"

namespace {

const Column kHeadShake = static_cast<Column>(10);
const Column kScenicGA = static_cast<Column>(54);
const Column kScenicGlass = static_cast<Column>(55);
const char* const kForceOn = "Scenic-Flyer/scenic_force_on";
const char* const kSelect = "Scenic-Flyer/scenic_select";

class PluginLinks : public PositioningFixture {
protected:
    static void publishScenicFlyer(bool withForceOn = true) {
        xpsim::addPlugin("Scenic-Flyer", "Scenic Flyer");
        if (withForceOn) XPLMCreateCommand(kForceOn, "");
        XPLMCreateCommand(kSelect, "");
    }
    static int ended(const char* command) { return xpsim::reachedXPlanePhases(command)[2]; }
    static TestCameraRow cockpit(const char* name) {
        return TestCameraRow("Cockpit", name).pose(-0.3, 1.2, -2.0, 0, 350);
    }
};

TEST_F(PluginLinks, WithoutHeadShakeTheViewIsUntouchedAndNothingWritten) {
    xpsim::defineDataref("simcoders/headshake/override", xplmType_Int);
    xpsim::defineDataref("simcoders/headshake/offset_y", xplmType_Float);
    xpsim::setValue("simcoders/headshake/offset_y", 0.5);
    start({cockpit("Shaken").on(kHeadShake)});
    frames(2);
    EXPECT_TRUE(logHas("HeadShake not found"));
    EXPECT_FALSE(headShakeExists());
    EXPECT_EQ(sim("simcoders/headshake/override"), 0);
    EXPECT_NEAR(head("y"), 1.2, 1e-5);
    CameraPosition pose;
    pose.y = 3.0f;
    addHeadShakeOffsets(&pose);
    EXPECT_FLOAT_EQ(pose.y, 3.0f);
}

TEST_F(PluginLinks, LinuxTrackOffsetsFollowTheCosineOfTheHeading) {
    const char* names[] = {"linuxtrack/pilots_head_x", "linuxtrack/pilots_head_y",
                           "linuxtrack/pilots_head_z", "linuxtrack/pilots_head_psi",
                           "linuxtrack/pilots_head_the", "linuxtrack/pilots_head_roll"};
    xpsim::defineDataref("linuxtrack/enable_head_control", xplmType_Int);
    xpsim::setValue("linuxtrack/enable_head_control", 1);
    for (const char* name : names) xpsim::defineDataref(name, xplmType_Float);
    xpsim::setValue("linuxtrack/pilots_head_x", 0.4);
    xpsim::setValue("linuxtrack/pilots_head_z", 0.4);
    xpsim::setValue("linuxtrack/pilots_head_y", 0.1);
    start({TestCameraRow("Cockpit", "Sideways").pose(0.0, 1.0, -1.0, 90, 0).on(kTrackIR),
           cockpit("Untracked")});
    EXPECT_EQ(sim("linuxtrack/enable_head_control"), 0);
    frames(60);
    EXPECT_NEAR(head("x"), 0.0, 1e-4);
    EXPECT_NEAR(head("z"), -1.0, 1e-4);
    EXPECT_NEAR(head("y"), 1.1, 1e-4);
    select(0, 1);
    frames(2);
    EXPECT_NEAR(head("x"), -0.3, 1e-5);  // no head tracking: LinuxTrack stays out
    xpsim::disablePlugin();
    EXPECT_EQ(sim("linuxtrack/enable_head_control"), 1);
}

TEST_F(PluginLinks, TheUsersForceOnKeyGivesTheCameraTheGAPanel) {
    publishScenicFlyer();
    start({cockpit("Plain")});
    frames(1);
    XPLMCommandOnce(XPLMFindCommand(kForceOn));
    EXPECT_EQ(getScenicFlyerState(), 1);
    EXPECT_TRUE(getCurrentCamera()->scenicFlyerGA);
    frames(3);
    EXPECT_EQ(ended(kForceOn), 1);  // the camera's wish is met: nothing sent back
    XPLMCommandOnce(XPLMFindCommand(kSelect));
    EXPECT_EQ(getScenicFlyerState(), 3);
    EXPECT_TRUE(getCurrentCamera()->scenicFlyerGlass);
    EXPECT_FALSE(getCurrentCamera()->scenicFlyerGA);
}

TEST_F(PluginLinks, ACameraWantingBothPanelsKeepsTheOneShown) {
    publishScenicFlyer();
    start({cockpit("Glass").on(kScenicGlass), cockpit("Both").on(kScenicGA).on(kScenicGlass),
           cockpit("GA").on(kScenicGA)});
    frames(5);
    ASSERT_EQ(getScenicFlyerState(), 3);
    select(0, 1);
    frames(10);
    EXPECT_EQ(getScenicFlyerState(), 3);
    select(0, 2);
    frames(5);
    ASSERT_EQ(getScenicFlyerState(), 1);
    int selects = ended(kSelect);
    select(0, 1);
    frames(10);
    EXPECT_EQ(getScenicFlyerState(), 1);
    EXPECT_EQ(ended(kSelect), selects);
}

TEST_F(PluginLinks, ACommandNotFoundIsDroppedAndTheQueueGoesOn) {
    publishScenicFlyer(false);
    start({cockpit("Glass").on(kScenicGlass), cockpit("GA").on(kScenicGA)});
    frames(6);
    EXPECT_EQ(ended(kSelect), 1);
    EXPECT_EQ(getScenicFlyerState(), 2);
    select(0, 1);
    frames(6);
    EXPECT_EQ(ended(kSelect), 2);
    EXPECT_EQ(getScenicFlyerState(), 0);
}

TEST_F(PluginLinks, CameraControlOffHidesTheShownPanel) {
    publishScenicFlyer();
    start({cockpit("GA").on(kScenicGA)});
    frames(3);
    ASSERT_EQ(getScenicFlyerState(), 1);
    xpsim::disablePlugin();
    EXPECT_EQ(getScenicFlyerState(), 0);
    EXPECT_EQ(ended(kForceOn), 2);
}

}  // namespace
