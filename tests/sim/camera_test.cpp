#include <vector>

#include "sim_fixture.h"

namespace {

struct Controller {
    std::vector<bool> losing;  // one entry per call
    std::vector<XPLMCameraPosition_t> given;
    int keep = 1;
    float x = 10;
};

int control(XPLMCameraPosition_t* pose, int isLosingControl, void* refcon) {
    auto* c = static_cast<Controller*>(refcon);
    c->losing.push_back(isLosingControl != 0);
    if (isLosingControl) {
        EXPECT_EQ(pose, nullptr);
        return 0;
    }
    c->given.push_back(*pose);
    pose->x = c->x;
    pose->zoom = 2;
    return c->keep;
}

using SimCamera = SimTest;

TEST_F(SimCamera, ControllerRunsInDrawingPhaseAndItsPoseSticks) {
    Controller c;
    XPLMCameraPosition_t pose{};
    EXPECT_FALSE(xpsim::lastCameraPose(&pose));
    XPLMControlCamera(xplm_ControlCameraForever, control, &c);
    XPLMCameraControlDuration duration = 0;
    EXPECT_EQ(XPLMIsCameraBeingControlled(&duration), 1);
    EXPECT_EQ(duration, xplm_ControlCameraForever);
    xpsim::runFrames(2);
    ASSERT_EQ(c.given.size(), 2u);
    // The structure's contents are undefined, as in X-Plane: neither the
    // view's pose (the pilot's head at -0.3, 1.2) nor the pose set before.
    EXPECT_NE(c.given[0].x, -0.3f);
    EXPECT_NE(c.given[0].y, 1.2f);
    EXPECT_NE(c.given[1].x, 10);
    EXPECT_NE(c.given[1].zoom, 2);
    EXPECT_NE(c.given[1].y, c.given[0].y);
    ASSERT_TRUE(xpsim::lastCameraPose(&pose));
    EXPECT_FLOAT_EQ(pose.zoom, 2);
    XPLMReadCameraPosition(&pose);
    EXPECT_FLOAT_EQ(pose.x, 10);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/graphics/view/view_x"), 10);
    EXPECT_EQ(xpsim::cameraCallbackCount(), 2);
}

TEST_F(SimCamera, ReturningZeroReleasesWithoutLosingCall) {
    Controller c;
    c.keep = 0;
    XPLMControlCamera(xplm_ControlCameraForever, control, &c);
    xpsim::runFrames(3);
    EXPECT_EQ(c.losing, std::vector<bool>{false});
    EXPECT_FALSE(xpsim::cameraControlled());
    EXPECT_EQ(XPLMIsCameraBeingControlled(nullptr), 0);
    EXPECT_FALSE(xpsim::lastCameraPose(nullptr));
}

TEST_F(SimCamera, NewControllerOrOtherPluginTakesOverWithLosingCall) {
    Controller first, second;
    XPLMControlCamera(xplm_ControlCameraForever, control, &first);
    XPLMControlCamera(xplm_ControlCameraForever, control, &first);  // same: no loss
    EXPECT_TRUE(first.losing.empty());
    XPLMControlCamera(xplm_ControlCameraForever, control, &second);
    EXPECT_EQ(first.losing, std::vector<bool>{true});
    xpsim::runFrames(1);
    EXPECT_EQ(second.losing, std::vector<bool>{false});

    xpsim::takeCameraByOtherPlugin();
    EXPECT_EQ(second.losing, (std::vector<bool>{false, true}));
    EXPECT_FALSE(xpsim::cameraControlledByPlugin());
    EXPECT_TRUE(xpsim::cameraControlled());
    XPLMDontControlCamera();  // not ours to release
    EXPECT_EQ(XPLMIsCameraBeingControlled(nullptr), 1);
    xpsim::releaseCameraByOtherPlugin();
    EXPECT_FALSE(xpsim::cameraControlled());
    xpsim::runFrames(1);
    EXPECT_EQ(second.losing.size(), 2u);
}

TEST_F(SimCamera, ViewChangeReleasesOnlyUntilViewChangesControl) {
    Controller c;
    XPLMControlCamera(xplm_ControlCameraForever, control, &c);
    xpsim::commandOnce("sim/view/chase");
    EXPECT_TRUE(xpsim::cameraControlled());
    XPLMControlCamera(xplm_ControlCameraUntilViewChanges, control, &c);
    xpsim::commandOnce("sim/view/chase");  // choosing the shown view again still counts
    EXPECT_FALSE(xpsim::cameraControlled());
    EXPECT_EQ(c.losing, std::vector<bool>{true});

    XPLMControlCamera(xplm_ControlCameraUntilViewChanges, control, &c);
    xpsim::setValue("sim/graphics/view/view_type", 1017);  // same view: no change
    EXPECT_TRUE(xpsim::cameraControlled());
    xpsim::setValue("sim/graphics/view/view_type", 1026);
    EXPECT_FALSE(xpsim::cameraControlled());
    EXPECT_EQ(xpsim::getDouble("sim/graphics/view/view_is_external"), 0);
}

TEST_F(SimCamera, DontControlReleasesQuietly) {
    Controller c;
    XPLMControlCamera(xplm_ControlCameraForever, control, &c);
    XPLMDontControlCamera();
    xpsim::runFrames(2);
    EXPECT_TRUE(c.losing.empty());
    EXPECT_EQ(xpsim::cameraCallbackCount(), 0);
}

}  // namespace
