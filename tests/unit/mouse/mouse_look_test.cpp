// Mouse look in the 3-D cockpit and on external cameras: the offset, what a
// release does, the simulated middle button and the pause of a free-target aim.
#include <cmath>

#include "cameras/targets/near_targets.h"
#include "cameras/targets/target.h"
#include "libwinkit/message_box.h"
#include "mouse_fixture.h"
#include "support/message_boxes.h"
#include "positioning/input/mouse_buttons.h"
#include "shell/settings.h"

namespace {

class MouseLook : public MouseFixture {
protected:
    // Cameras keep a look by default; these tests mostly want it back.
    void startCockpit(bool retain = false) {
        start({TestCameraRow("Cockpit", "Pilot").pose(0, 0, 0, 0, 0)});
        cameraAt(0, 0).retainMouseLookPosition = retain;
        frames(1);
    }
    // Presses at the centre and drags by (dx, dy) pixels, then lets the
    // smoothing settle.
    void lookBy(int dx, int dy) {
        rightDown(960, 540);
        frames(1);
        xpsim::setMousePosition(960 + dx, 540 + dy);
        frames(15);
    }
};

TEST_F(MouseLook, AQuarterOfTheScreenTurnsNinetyDegreesThenSnapsBack) {
    start({TestCameraRow("Cockpit", "Pilot").pose(0, 0, 0, 10.0, 0)});
    cameraAt(0, 0).retainMouseLookPosition = false;
    frames(1);
    lookBy(480, 135);  // right a quarter of the width, up an eighth of the height
    EXPECT_NEAR(head("psi"), 100.0, 1e-3);
    EXPECT_NEAR(head("the"), 22.5, 1e-3);
    rightUp(1440, 675);
    frames(1);
    EXPECT_NEAR(head("psi"), 10.0, 1e-3);
    EXPECT_NEAR(head("the"), 0.0, 1e-3);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).heading, 10.0f);
}

TEST_F(MouseLook, RetainedLookKeepsTheNewDirectionInTheCamera) {
    startCockpit(true);
    lookBy(-480, 0);
    rightUp(480, 540);
    frames(2);
    EXPECT_NEAR(cameraAt(0, 0).heading, -90.0, 1e-3);
    EXPECT_NEAR(std::fmod(head("psi") + 360.0, 360.0), 270.0, 1e-3);

    // A look cut short by camera control going off is not kept when control
    // comes back, whenever the button was let go.
    lookBy(480, 0);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    frames(1);
    rightUp(1440, 540);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    frames(2);
    EXPECT_NEAR(cameraAt(0, 0).heading, -90.0, 1e-3);
    EXPECT_NEAR(std::fmod(head("psi") + 360.0, 360.0), 270.0, 1e-3);
}

TEST_F(MouseLook, SmoothCameraGlidesBack) {
    start({TestCameraRow("Cockpit", "Pilot").pose(0, 0, 0, 0, 0).on(kSmooth)});
    cameraAt(0, 0).retainMouseLookPosition = false;
    frames(1);
    lookBy(480, 0);
    rightUp(1440, 540);
    frames(1);
    EXPECT_GT(head("psi"), 5.0);  // not snapped back
    bool partWay = false;
    for (int i = 0; i < 600; ++i) {
        frames(1);
        partWay = partWay || (head("psi") > 5.0 && head("psi") < 85.0);
    }
    EXPECT_TRUE(partWay);
    EXPECT_NEAR(head("psi"), 0.0, 1e-2);
}

TEST_F(MouseLook, ExternalCameraLooksAroundThroughCameraControl) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal)});
    cameraAt(0, 0).retainMouseLookPosition = false;
    frames(2);
    float heading = shown().heading;
    EXPECT_TRUE(rightDown(960, 540));
    frames(1);
    xpsim::setMousePosition(1200, 540);
    frames(15);
    EXPECT_NEAR(shown().heading, heading + 45.0, 1e-3);
    rightUp(1200, 540);
    frames(1);
    EXPECT_NEAR(shown().heading, heading, 1e-3);
}

TEST_F(MouseLook, NoDisplayYetSkipsTheLook) {
    startCockpit();
    // Pressed as the display goes away.
    rightDown(960, 540);
    xpsim::setScreenSize(0, 0);
    xpsim::setMousePosition(1260, 640);
    frames(15);
    EXPECT_NEAR(head("psi"), 0.0, 1e-6);
    EXPECT_NEAR(head("the"), 0.0, 1e-6);
    // The display arrives while the button is held: the look starts there.
    xpsim::setScreenSize(1920, 1080);
    frames(1);
    xpsim::setMousePosition(1260 + 480, 640);
    frames(15);
    EXPECT_NEAR(head("psi"), 90.0, 1e-3);
}

TEST_F(MouseLook, MiddleButtonByBehaviour) {
    startCockpit();
    getSettings()->MIDDLE_MOUSE_BEHAVIOR = 2;
    xpsim::commandOnce("QFN/Ovilux/Toggle_Mouse_Look_On_or_Off");
    xpsim::setMousePosition(1440, 540);
    frames(15);
    EXPECT_NEAR(head("psi"), 0.0, 1e-6);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Mouse_Look_On_or_Off");
    frames(1);

    getSettings()->MIDDLE_MOUSE_BEHAVIOR = 1;
    xpsim::commandBegin("QFN/Ovilux/Simulate_Middle_Mouse_Button");
    frames(10);  // held: one flip however long
    xpsim::commandEnd("QFN/Ovilux/Simulate_Middle_Mouse_Button");
    frames(1);
    EXPECT_TRUE(cameraAt(0, 0).disable3DCockpitZoom);
    EXPECT_NEAR(head("psi"), 0.0, 1e-6);

    getSettings()->MIDDLE_MOUSE_BEHAVIOR = 0;
    xpsim::setMousePosition(960, 540);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Mouse_Look_On_or_Off");
    frames(1);
    xpsim::setMousePosition(1440, 540);
    frames(15);
    EXPECT_NEAR(head("psi"), 90.0, 1e-3);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Mouse_Look_On_or_Off");
    frames(1);
    EXPECT_NEAR(head("psi"), 0.0, 1e-3);
}

class FreeTargetAim : public MouseLook {
protected:
    void SetUp() override {
        MouseLook::SetUp();
        getSettings()->PAUSE_ON_FREE_TARGET_AIM = true;
        // Without a main monitor the target-information panel is centred on
        // the screen, where these tests press the right button: it stays off.
        getSettings()->ENABLE_SHOW_TARGET_INFORMATION = false;
    }
    void startFollowing() {
        start({TestCameraRow("Outside", "Follow").pose(0, 5, 30, 0, 0).on(kExternal)
                   .on(kTargetFollowing),
               TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal)});
        xpsim::setTerrain(450.0);
        cameraAt(0, 0).retainMouseLookPosition = false;
        frames(2);
        selectFreeTarget();
        ASSERT_NE(getCurrentTarget(), nullptr);
        ASSERT_TRUE(getCurrentTarget()->isFreeTarget);
    }
    // An aim a little below the screen's centre, released.
    void aimDown() {
        rightDown(960, 540);
        frames(1);
        xpsim::setMousePosition(960, 400);
        frames(15);
        rightUp(960, 400);
        frames(1);
    }
};

TEST_F(FreeTargetAim, PausesWhileAimingAndUnpausesOnRelease) {
    startFollowing();
    rightDown(960, 540);
    frames(1);
    EXPECT_TRUE(paused());
    xpsim::setMousePosition(960, 400);  // look down
    frames(15);
    double z = getCurrentTarget()->localZ;
    rightUp(960, 400);
    frames(1);
    EXPECT_FALSE(paused());
    // Placed where the lowered view meets the ground: nearer than before.
    EXPECT_NE(getCurrentTarget()->localZ, z);
    EXPECT_TRUE(showMessageBoxes().empty());
}

TEST_F(FreeTargetAim, AimWithoutTerrainSaysSo) {
    startFollowing();
    const Target before = *getCurrentTarget();
    xpsim::setProbesMiss(true);
    aimDown();
    std::vector<MsgBoxView> boxes = showMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    const MsgBoxView& box = boxes.back();
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.message,
              "Unable to position the free target.\n\nThere was no terrain found at the aim "
              "point.");
    EXPECT_FALSE(paused());

    // The target stays where it was, so the camera still looks down at it and
    // the next aim, over terrain, places it.
    EXPECT_EQ(getCurrentTarget()->localX, before.localX);
    EXPECT_EQ(getCurrentTarget()->localY, before.localY);
    EXPECT_EQ(getCurrentTarget()->localZ, before.localZ);
    clickMessageBoxButton(box, true);
    xpsim::setProbesMiss(false);
    aimDown();
    EXPECT_TRUE(showMessageBoxes().empty());
    EXPECT_NE(getCurrentTarget()->localZ, before.localZ);
    EXPECT_LT(shown().pitch, 0.0f);
}

TEST_F(FreeTargetAim, TheLookThatPausedUnpausesWhateverChanged) {
    startFollowing();
    rightDown(960, 540);
    frames(1);
    ASSERT_TRUE(paused());
    select(0, 1);  // the camera no longer follows the target
    frames(1);
    rightUp(960, 540);
    frames(1);
    EXPECT_FALSE(paused());
}

TEST_F(FreeTargetAim, ReleaseNeverPausesAndControlOffUnpauses) {
    startFollowing();
    getSettings()->PAUSE_ON_FREE_TARGET_AIM = false;
    rightDown(960, 540);
    frames(1);
    getSettings()->PAUSE_ON_FREE_TARGET_AIM = true;
    rightUp(960, 540);
    frames(1);
    EXPECT_FALSE(paused());

    rightDown(960, 540);
    frames(1);
    ASSERT_TRUE(paused());
    xpsim::commandOnce("QFN/Ovilux/Toggle_Ovilux_on_or_off");
    frames(1);
    EXPECT_FALSE(paused());
}

}  // namespace
