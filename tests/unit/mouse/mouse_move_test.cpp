// Mouse moves: while a mouse-move key is held, mouse motion moves, turns or
// zooms the current camera.
#include "mouse_fixture.h"
#include "positioning/commands/movement.h"
#include "shell/settings.h"

namespace {

class MouseMove : public MouseFixture {
protected:
    // Holds the command while the mouse goes (dx, dy) from the centre.
    void moveWith(const char* command, int dx, int dy, int settle = 15) {
        xpsim::setMousePosition(960, 540);
        xpsim::commandBegin(command);
        frames(1);
        xpsim::setMousePosition(960 + dx, 540 + dy);
        frames(settle);
        xpsim::commandEnd(command);
        frames(1);
    }
};

TEST_F(MouseMove, HeadingAndPitchFollowTheMouse) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal)});
    frames(1);
    moveWith("QFN/Ovilux/MouseMove_Heading_Pitch", 480, 0);
    EXPECT_NEAR(cameraAt(0, 0).heading, 90.0, 1e-2);
    EXPECT_NEAR(cameraAt(0, 0).pitch, 0.0, 1e-4);
}

TEST_F(MouseMove, SidewaysAndUpByTheMovementSpeed) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal)});
    frames(1);
    const Settings* s = getSettings();
    float speed = s->MEDIUM_MOVEMENT_SPEED;  // the camera's range
    ASSERT_GT(speed, 0.0f);
    moveWith("QFN/Ovilux/MouseMove_X_Y", 100, 40);
    EXPECT_NEAR(cameraAt(0, 0).x, 100 * speed, 1e-2);
    EXPECT_NEAR(cameraAt(0, 0).y, 5 + 40 * speed, 1e-2);
    EXPECT_NEAR(cameraAt(0, 0).z, 30.0, 1e-3);
    // Mouse up moves along the line of sight: forward, at heading 0 towards -z.
    moveWith("QFN/Ovilux/MouseMove_X_Z", 0, 50);
    EXPECT_NEAR(cameraAt(0, 0).z, 30.0 - 50 * speed, 1e-2);
}

TEST_F(MouseMove, ZoomNeverBelowOne) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal).set(kZoom, 1.0)});
    frames(1);
    moveWith("QFN/Ovilux/MouseMove_Zoom", 0, 50);
    EXPECT_NEAR(cameraAt(0, 0).externalZoom, 1.5, 1e-3);
    moveWith("QFN/Ovilux/MouseMove_Zoom", 0, -300);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).externalZoom, 1.0f);
}

TEST_F(MouseMove, WalkModeKeepsMovingAfterTheMouseStops) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal)});
    frames(1);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Walk_Mode");
    ASSERT_TRUE(getWalkMode());
    moveWith("QFN/Ovilux/MouseMove_X_Y", 0, 200);
    float y = cameraAt(0, 0).y;
    frames(10);
    EXPECT_GT(cameraAt(0, 0).y, y);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Walk_Mode");
}

TEST_F(MouseMove, NoDisplayYetMovesNothing) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 20, 0).on(kExternal)});
    frames(1);
    xpsim::setScreenSize(0, 0);
    moveWith("QFN/Ovilux/MouseMove_Heading_Pitch", 480, 100);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).heading, 20.0f);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).pitch, 0.0f);
}

}  // namespace
