// Numbers that are not finite, or absurdly large, from other plug-ins or from
// a camera file never reach the pilot's head or X-Plane's camera.
#include <cmath>
#include <limits>
#include <string>

#include "positioning/integration/integration_values.h"
#include "positioning_fixture.h"
#include "shell/settings.h"
#include "xplane/sdk.h"

namespace {

using NonFinitePose = PositioningFixture;

const float kNaN = std::numeric_limits<float>::quiet_NaN();

XPLMDataRef integration(const char* name) {
    return XPLMFindDataRef((std::string("QFN/Ovilux/integration/") + name).c_str());
}

bool isFinite(const XPLMCameraPosition_t& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) &&
           std::isfinite(p.pitch) && std::isfinite(p.heading) && std::isfinite(p.roll) &&
           std::isfinite(p.zoom);
}

TEST_F(NonFinitePose, AHugeCameraRowIsRefusedWhenRead) {
    start({TestCameraRow("Outside", "Far").pose(0, 2, 0, 0, 0).set(kX, "3e38").set(kZ, "3e38")
               .on(kExternal)});
    xpsim::placeAircraft(47.0, 8.0, 500.0, 45.0f);
    frames(3);
    XPLMCameraPosition_t shownPose = shown();
    EXPECT_TRUE(isFinite(shownPose));
    EXPECT_EQ(cameraAt(0, 0).x, 0.0f);
    EXPECT_EQ(cameraAt(0, 0).z, 0.0f);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).y, 2.0f);
    EXPECT_TRUE(logHas(": X 3e38 refused, outside -1e+06 to 1e+06; the camera keeps its default"));
    EXPECT_TRUE(logHas(": Z 3e38 refused"));
}

TEST_F(NonFinitePose, ANaNHeadTrackingOffsetNeverSticksInTheSmoothedPose) {
    start({TestCameraRow("Cockpit", "Tracked").pose(0, 1, -2, 10, 0).on(kTrackIR)});
    getSettings()->HEAD_TRACK_SMOOTHING_FACTOR = 2;
    XPLMSetDatai(integration("headtracking_present"), 1);
    XPLMSetDataf(integration("headtracking_x_offset"), 0.1f);
    frames(5);
    EXPECT_NEAR(head("x"), 0.1, 1e-6);

    // Another plug-in's NaN is ignored by the dataref...
    XPLMSetDataf(integration("headtracking_x_offset"), kNaN);
    EXPECT_FLOAT_EQ(XPLMGetDataf(integration("headtracking_x_offset")), 0.1f);
    frames(2);
    EXPECT_NEAR(head("x"), 0.1, 1e-6);

    // ...and one that reaches the offsets all the same is skipped by the
    // smoother and kept from the pilot's head.
    getIntegrationValues()->headtrackingXOffset = kNaN;
    getIntegrationValues()->headtrackingHeadingOffset = kNaN;
    frames(2);
    EXPECT_NEAR(head("x"), 0.1, 1e-6);
    EXPECT_NEAR(head("psi"), 10.0, 1e-4);
    getIntegrationValues()->headtrackingXOffset = 0.2f;
    getIntegrationValues()->headtrackingHeadingOffset = 0.0f;
    frames(5);
    EXPECT_NEAR(head("x"), 0.2, 1e-6);
    EXPECT_NEAR(head("psi"), 10.0, 1e-4);

    // Without smoothing a non-finite script offset leaves the head where it was.
    getSettings()->HEAD_TRACK_SMOOTHING_FACTOR = 0;
    getIntegrationValues()->effectScriptYOffset = kNaN;
    cameraAt(0, 0).scriptId = 3;
    frames(1);
    EXPECT_NEAR(head("y"), 1.0, 1e-6);
    EXPECT_NEAR(head("x"), 0.2, 1e-6);
}

TEST_F(NonFinitePose, XPlanesCameraKeepsTheLastGoodPose) {
    start({TestCameraRow("Outside", "Wing").pose(-6, 1, 1, 60, 350).on(kExternal)
               .set(static_cast<Column>(2), "1")});
    // With no good pose yet X-Plane keeps its own camera: the callback gives
    // the camera back rather than return what the structure held on entry.
    cameraAt(0, 0).x = kNaN;
    frames(2);
    EXPECT_FALSE(xpsim::lastCameraPose(nullptr));
    cameraAt(0, 0).x = -6.0f;
    frames(2);
    XPLMCameraPosition_t good = shown();
    ASSERT_TRUE(isFinite(good));

    // The integration datarefs refuse it from another plug-in...
    float nan = kNaN;
    XPLMSetDatavf(integration("camera_x"), &nan, 1, 1);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).x, -6.0f);
    // ...and a camera that holds it all the same is not shown.
    cameraAt(0, 0).x = kNaN;
    frames(2);
    XPLMCameraPosition_t kept = shown();
    EXPECT_EQ(kept.x, good.x);
    EXPECT_EQ(kept.y, good.y);
    EXPECT_EQ(kept.z, good.z);
    EXPECT_EQ(kept.heading, good.heading);
    EXPECT_TRUE(std::isfinite(cameraAt(0, 0).worldPose.x));
}

}  // namespace
