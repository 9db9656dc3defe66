// The confirmation of "Paste Camera Set" and of a new aircraft camera set:
// the set is replaced only on the confirming button, and nothing is saved.
#include "cameras/set/camera_editing.h"
#include "positioning/transitions/transition_state.h"
#include "unit/panels/dialogs_fixture.h"
#include "xpsim.h"

namespace {

class SetDialogs : public DialogsFixture {
protected:
    void SetUp() override {
        DialogsFixture::SetUp();
        start({TestCameraRow("Cockpit", "Pilot"),
               TestCameraRow("Cockpit", "Door").on(kSmooth).pose(1, 0, 0, 90, 0)});
        // The first panel empties the copy buffers: the set is copied with it open.
        openPanel();
        click("Edit");
        click("Copy Camera Set");
        newAircraftCameraSet();
        own = readCameraFile();
        frames(3);
    }
    std::string own;
};

TEST_F(SetDialogs, PasteCameraSetAsksFirstAndStopsAPlayingTransition) {
    openDialog(kDialogPasteCameraSet);
    ASSERT_TRUE(shows("Do you want to paste this camera set?")) << allText(text());
    expectDrawnAboveItsDimming();
    EXPECT_TRUE(shows("Auto Correct Cockpit Cameras"));
    click("Cancel");
    EXPECT_FALSE(shows("Do you want to paste this camera set?"));
    ASSERT_EQ(getCategory(0)->numberOfCameras, 1);

    openDialog(kDialogPasteCameraSet);
    click("OK");
    EXPECT_FALSE(shows("Do you want to paste this camera set?"));
    ASSERT_EQ(getCategory(0)->numberOfCameras, 2);
    EXPECT_STREQ(cameraAt(0, 1).name, "Door");

    select(0, 1);  // a smooth move to the door plays
    frames(5);
    ASSERT_TRUE(isCurrentlyAnimating());
    openDialog(kDialogPasteCameraSet);
    click("OK");
    EXPECT_FALSE(isCurrentlyAnimating());
    EXPECT_EQ(readCameraFile(), own);
}

TEST_F(SetDialogs, NewCameraSetWarnsAndCancelKeepsTheSet) {
    openDialog(kDialogPasteCameraSet);
    click("OK");
    openDialog(kDialogNewCameraSet);
    ASSERT_TRUE(shows("WARNING")) << allText(text());
    expectDrawnAboveItsDimming();
    EXPECT_TRUE(shows("Do you want to create a new aircraft camera set?"));
    click("Cancel");
    EXPECT_EQ(getCategory(0)->numberOfCameras, 2);
    openDialog(kDialogNewCameraSet);
    click("Create New Aircraft Camera Set");
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(getCategory(0)->numberOfCameras, 1);
    EXPECT_STREQ(cameraAt(0, 0).name, "Pilot View");
    EXPECT_EQ(readCameraFile(), own);
}

}  // namespace
