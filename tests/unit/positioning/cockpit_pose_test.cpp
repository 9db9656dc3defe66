// Cockpit cameras as X-Plane sees them: the pilot's-head datarefs.
#include <cmath>

#include "positioning/integration/integration_values.h"
#include "positioning_fixture.h"
#include "shell/settings.h"

namespace {

using CockpitPose = PositioningFixture;

TEST_F(CockpitPose, HeadDatarefsTakeTheCameraWithPitchAndRollFolded) {
    start({TestCameraRow("Cockpit", "Pilot").pose(-0.3, 1.2, -2.0, 350.0, 350.0, 200.0)
               .set(kFov, 75.0).on(kEnableFov)});
    getSettings()->ENABLE_FORCE_FOV = true;
    frames(1);
    EXPECT_EQ(sim("sim/graphics/view/view_type"), 1026);
    EXPECT_NEAR(head("x"), -0.3, 1e-6);
    EXPECT_NEAR(head("y"), 1.2, 1e-6);
    EXPECT_NEAR(head("z"), -2.0, 1e-6);
    EXPECT_NEAR(head("psi"), 350.0, 1e-4);
    EXPECT_NEAR(head("the"), -10.0, 1e-4);
    EXPECT_NEAR(head("phi"), -160.0, 1e-4);
    EXPECT_NEAR(sim("sim/graphics/view/field_of_view_deg"), 75.0, 1e-4);
    EXPECT_FALSE(xpsim::cameraControlledByPlugin());
}

TEST_F(CockpitPose, FieldOfViewIsWrittenOnlyWhenForced) {
    start({TestCameraRow("Cockpit", "Pilot").set(kFov, 75.0).on(kEnableFov)});
    frames(2);
    EXPECT_NEAR(sim("sim/graphics/view/field_of_view_deg"), 60.0, 1e-4);
}

TEST_F(CockpitPose, WithoutHeadRollTheViewRollCarriesIt) {
    xpsim::removeDataref("sim/graphics/view/pilots_head_phi");
    start({TestCameraRow("Cockpit", "Pilot").pose(0, 1, -2, 0, 0, 15.0)});
    frames(1);
    EXPECT_NEAR(sim("sim/graphics/view/field_of_view_roll_deg"), 15.0, 1e-4);
}

TEST_F(CockpitPose, LevelCameraCancelsTheAircraftsAttitude) {
    start({TestCameraRow("Cockpit", "Level").pose(0.5, 1.0, -2.0, 0, 0).on(kLevel),
           TestCameraRow("Cockpit", "Level Right").pose(0.5, 1.0, -2.0, 90.0, 0).on(kLevel),
           TestCameraRow("Cockpit", "Level Ahead Right").pose(0.5, 1.0, -2.0, 30.0, 0).on(kLevel)});
    xpsim::setValue("sim/flightmodel/position/phi", 10.0);
    frames(1);
    EXPECT_NEAR(head("phi"), -10.0, 1e-4);
    EXPECT_NEAR(head("the"), 0.0, 1e-4);
    // The head rises with the roll on the low side of the aircraft.
    EXPECT_NEAR(head("y"), 1.0 + 0.5 * std::tan(10.0 * M_PI / 180.0), 1e-5);

    // Looking out to the right, the same roll is a pitch of the view.
    select(0, 1);
    frames(1);
    EXPECT_NEAR(head("the"), 10.0, 1e-3);
    EXPECT_NEAR(head("phi"), 0.0, 1e-3);
    // So it is for a glance to the right: the view it turns to is level too.
    select(0, 0);
    frames(1);
    xpsim::commandBegin("sim/view/glance_right");
    frames(1);
    EXPECT_NEAR(head("psi"), 90.0, 1e-4);
    EXPECT_NEAR(head("the"), 10.0, 1e-3);
    EXPECT_NEAR(head("phi"), 0.0, 1e-3);
    xpsim::commandEnd("sim/view/glance_right");
    frames(1);
    EXPECT_NEAR(head("psi"), 0.0, 1e-4);
    EXPECT_NEAR(head("phi"), -10.0, 1e-4);

    // In steep banks, pitched or not, the head turned 30 degrees right or
    // looking ahead: X-Plane turns the head's view with the aircraft, and the
    // horizon comes out level along the head's own heading.
    for (int camera : {2, 0}) {
        select(0, camera);
        for (Vec attitude : {Vec{0, 0, 45.0}, Vec{0, 30.0, 60.0}, Vec{0, -15.0, -70.0}}) {
            xpsim::setValue("sim/flightmodel/position/theta", attitude.y);
            xpsim::setValue("sim/flightmodel/position/phi", attitude.z);
            frames(1);
            EXPECT_NEAR(head("psi"), cameraAt(0, camera).heading, 1e-4);
            const Vec origin{0, 0, 0};
            Vec ahead = aircraftToWorld(
                aircraftToWorld({0, 0, -1}, head("psi"), head("the"), head("phi"), origin), 0,
                attitude.y, attitude.z, origin);
            Vec right = aircraftToWorld(
                aircraftToWorld({1, 0, 0}, head("psi"), head("the"), head("phi"), origin), 0,
                attitude.y, attitude.z, origin);
            Vec up = aircraftToWorld(
                aircraftToWorld({0, 1, 0}, head("psi"), head("the"), head("phi"), origin), 0,
                attitude.y, attitude.z, origin);
            EXPECT_NEAR(ahead.y, 0.0, 1e-5) << camera << " " << attitude.y << " " << attitude.z;
            EXPECT_NEAR(right.y, 0.0, 1e-5) << camera << " " << attitude.y << " " << attitude.z;
            EXPECT_GT(up.y, 0.99) << camera << " " << attitude.y << " " << attitude.z;
            // Ahead, not behind: the view looks out on its heading's side.
            Vec forward = aircraftToWorld({0, 0, -1}, head("psi"), 0, 0, origin);
            EXPECT_GT(ahead.x * forward.x + ahead.z * forward.z, 0.0);
        }
    }
    xpsim::setValue("sim/flightmodel/position/theta", 0.0);
    select(0, 1);

    // Near a 90-degree roll the head stays near the cockpit.
    for (double roll : {89.9, 90.0, -90.0, 270.0}) {
        xpsim::setValue("sim/flightmodel/position/phi", roll);
        frames(1);
        EXPECT_LT(std::fabs(head("y") - 1.0), 0.5 * 4.0) << roll;
    }
}

TEST_F(CockpitPose, TrackingLooksAtTheAircraftsReferencePoint) {
    start({TestCameraRow("Cockpit", "Behind Left").pose(-1.0, 0.0, 1.0, 0, 0)
               .on(kTrackHeading).on(kTrackPitch),
           TestCameraRow("Cockpit", "Above").pose(0, 2.0, 0, 0, 0).on(kTrackPitch)});
    frames(1);
    EXPECT_NEAR(head("psi"), 45.0, 1e-4);
    select(0, 1);
    frames(1);
    EXPECT_NEAR(head("the"), -90.0, 1e-4);  // 270 stored
}

TEST_F(CockpitPose, OffsetsOfHeadTrackersAndEffectsAreAddedOnce) {
    start({TestCameraRow("Cockpit", "Tracked").pose(0, 1, -2, 10, 0).on(kTrackIR).set(kScriptId, "3")});
    IntegrationValues* v = getIntegrationValues();
    v->headtrackingPresent = 1;
    v->headtrackingXOffset = 0.1f;
    v->headtrackingHeadingOffset = 5.0f;
    v->effectScriptYOffset = 0.25f;
    frames(3);
    EXPECT_NEAR(head("x"), 0.1, 1e-6);
    EXPECT_NEAR(head("y"), 1.25, 1e-6);
    EXPECT_NEAR(head("psi"), 15.0, 1e-4);
    EXPECT_EQ(v->oviluxEnabled, 2);
}

}  // namespace
