// External cameras: the world pose handed to X-Plane through camera control,
// for known aircraft and boat poses.
#include <cmath>

#include "positioning/integration/integration_values.h"
#include "positioning_fixture.h"

namespace {

class ExternalPose : public PositioningFixture {
protected:
    void attitude(double psi, double theta, double phi) {
        xpsim::setValue("sim/flightmodel/position/psi", psi);
        xpsim::setValue("sim/flightmodel/position/theta", theta);
        xpsim::setValue("sim/flightmodel/position/phi", phi);
    }
    Vec aircraft() const {
        return {sim("sim/flightmodel/position/local_x"), sim("sim/flightmodel/position/local_y"),
                sim("sim/flightmodel/position/local_z")};
    }
    static Vec at(const XPLMCameraPosition_t& pose) { return {pose.x, pose.y, pose.z}; }
    // The view's forward direction from X-Plane's pose angles.
    static Vec ahead(const XPLMCameraPosition_t& pose) {
        double h = pose.heading * M_PI / 180.0, p = pose.pitch * M_PI / 180.0;
        return {pose.x + std::sin(h) * std::cos(p), pose.y + std::sin(p),
                pose.z - std::cos(h) * std::cos(p)};
    }
    // The shown view's forward and right-hand axes against the aircraft's turn
    // followed by the camera's own (each roll, then pitch, then heading, as
    // X-Plane turns a camera), whatever angles stand for the same view.
    static void expectTurnedWithTheAircraft(const XPLMCameraPosition_t& pose, double heading,
                                            double pitch, double roll, double psi, double theta,
                                            double phi) {
        const Vec origin{0, 0, 0};
        for (Vec axis : {Vec{0, 0, -1}, Vec{1, 0, 0}}) {
            Vec shownAxis = aircraftToWorld(axis, pose.heading, pose.pitch, pose.roll, origin);
            Vec expected = aircraftToWorld(aircraftToWorld(axis, heading, pitch, roll, origin), psi,
                                           theta, phi, origin);
            EXPECT_NEAR(shownAxis.x, expected.x, 1e-4) << axis.x;
            EXPECT_NEAR(shownAxis.y, expected.y, 1e-4) << axis.x;
            EXPECT_NEAR(shownAxis.z, expected.z, 1e-4) << axis.x;
        }
    }
};

TEST_F(ExternalPose, OffsetsAndAnglesFollowTheAircraftsPose) {
    start({TestCameraRow("Outside", "Left Wing").pose(-6.0, 1.0, 1.0, 60.0, 350.0).on(kExternal),
           TestCameraRow("Outside", "Right Wing").pose(6.0, 1.0, 0, 90.0, 330.0).on(kExternal),
           TestCameraRow("Outside", "Top Down").pose(0, 20.0, 0, 0, 270.0).on(kExternal)});
    attitude(90.0, 0, 0);
    frames(1);
    EXPECT_EQ(sim("sim/graphics/view/view_type"), 1028);
    EXPECT_TRUE(xpsim::cameraControlledByPlugin());
    XPLMCameraPosition_t pose = shown();
    Vec expected = aircraftToWorld({-6, 1, 1}, 90, 0, 0, aircraft());
    EXPECT_NEAR(pose.x, expected.x, 1e-3);
    EXPECT_NEAR(pose.y, expected.y, 1e-3);
    EXPECT_NEAR(pose.z, expected.z, 1e-3);
    EXPECT_NEAR(pose.heading, 150.0, 1e-3);
    EXPECT_NEAR(pose.pitch, -10.0, 1e-3);
    EXPECT_NEAR(pose.roll, 0.0, 1e-3);
    EXPECT_FLOAT_EQ(pose.zoom, 1.0f);

    // Pitched, rolled and turned: the camera rides with the aircraft.
    attitude(200.0, 15.0, -25.0);
    frames(1);
    pose = shown();
    expected = aircraftToWorld({-6, 1, 1}, 200, 15, -25, aircraft());
    EXPECT_NEAR(pose.x, expected.x, 1e-3);
    EXPECT_NEAR(pose.y, expected.y, 1e-3);
    EXPECT_NEAR(pose.z, expected.z, 1e-3);
    // It looks along its own heading and pitch in the aircraft's frame.
    double h = 60 * M_PI / 180, p = -10 * M_PI / 180;
    Vec look = aircraftToWorld({-6 + 100 * std::sin(h) * std::cos(p), 1 + 100 * std::sin(p),
                                1 - 100 * std::cos(h) * std::cos(p)},
                               200, 15, -25, aircraft());
    EXPECT_NEAR(pose.heading, bearing(at(pose), look), 1e-2);
    EXPECT_NEAR(pose.pitch, elevation(at(pose), look), 1e-2);
    expectTurnedWithTheAircraft(pose, 60, -10, 0, 200, 15, -25);

    // Out the right wing, looking down, the aircraft pitched, banked and
    // turned: the horizon tilts as the aircraft's turn and the camera's make it.
    select(0, 1);
    attitude(130.0, 20.0, 45.0);
    frames(1);
    expectTurnedWithTheAircraft(shown(), 90, -30, 0, 130, 20, 45);

    // Straight down from above: banked, and with the nose a degree down, the
    // picture keeps the aircraft's nose at its top.
    select(0, 2);
    attitude(0, 0, 45.0);
    frames(1);
    expectTurnedWithTheAircraft(shown(), 0, -90, 0, 0, 0, 45);
    attitude(0, -1.0, 0);
    frames(1);
    expectTurnedWithTheAircraft(shown(), 0, -90, 0, 0, -1, 0);
    attitude(0, 1.0, 0);
    frames(1);
    expectTurnedWithTheAircraft(shown(), 0, -90, 0, 0, 1, 0);
}

TEST_F(ExternalPose, TrackingPointsExactlyAtTheCentreOfGravity) {
    // The second camera sits on the CG point, so its pose says where that is.
    start({TestCameraRow("Outside", "Tracker").pose(12.0, 4.0, 25.0, 0, 0).on(kExternal)
               .on(kTrackHeading).on(kTrackPitch).set(kCgX, 1.0).set(kCgY, 0.5).set(kCgZ, -2.0),
           TestCameraRow("Outside", "On CG").pose(1.0, 0.5, -2.0, 0, 0).on(kExternal)});
    attitude(30.0, 8.0, 12.0);
    frames(1);
    XPLMCameraPosition_t tracker = shown();
    select(0, 1);
    frames(1);
    Vec cg = at(shown());
    EXPECT_NEAR(tracker.heading, bearing(at(tracker), cg), 1e-3);
    EXPECT_NEAR(tracker.pitch, elevation(at(tracker), cg), 1e-3);
}

TEST_F(ExternalPose, BoatsCineflexAndChaseViews) {
    start({TestCameraRow("Outside", "Carrier Deck").pose(0, 20.0, 50.0, 0, 0).on(kExternal)
               .set(kOrigin, "1"),
           TestCameraRow("Outside", "Cineflex").pose(0, 2.0, 30.0, 45.0, 350.0, 5.0).on(kExternal)
               .on(kCineflex),
           TestCameraRow("Outside", "Chase").pose(3.0, 2.0, 30.0, 40.0, 350.0).on(kExternal).on(kChase)});
    xpsim::setValue("sim/world/boat/x_mtr", 1000.0, 0);
    xpsim::setValue("sim/world/boat/y_mtr", 0.0, 0);
    xpsim::setValue("sim/world/boat/z_mtr", -500.0, 0);
    xpsim::setValue("sim/world/boat/heading_deg", 270.0, 0);
    attitude(90.0, 10.0, 30.0);
    frames(1);
    XPLMCameraPosition_t deck = shown();
    EXPECT_NEAR(deck.x, 1050.0, 1e-3);  // 50 m aft of a carrier heading west
    EXPECT_NEAR(deck.y, 20.0, 1e-3);
    EXPECT_NEAR(deck.z, -500.0, 1e-3);
    EXPECT_NEAR(deck.heading, 270.0, 1e-3);
    EXPECT_NEAR(deck.roll, 0.0, 1e-3);

    // World angles, whatever the aircraft does.
    select(0, 1);
    frames(1);
    XPLMCameraPosition_t cineflex = shown();
    EXPECT_NEAR(cineflex.heading, 45.0, 1e-4);
    EXPECT_NEAR(cineflex.pitch, -10.0, 1e-4);  // handed to X-Plane folded
    EXPECT_NEAR(cineflex.roll, 5.0, 1e-4);

    // On the centre line, looking along the aircraft's heading.
    select(0, 2);
    frames(1);
    XPLMCameraPosition_t chase = shown();
    Vec expected = aircraftToWorld({0, 0, 30.0}, 90, 10, 30, aircraft());
    EXPECT_NEAR(chase.x, expected.x, 1e-3);
    EXPECT_NEAR(chase.y, expected.y, 1e-3);
    EXPECT_NEAR(chase.z, expected.z, 1e-3);
    EXPECT_FLOAT_EQ(cameraAt(0, 2).x, 0.0f);
    EXPECT_FLOAT_EQ(cameraAt(0, 2).heading, 0.0f);
}

TEST_F(ExternalPose, TargetFollowingCameraGetsItsOffsetsOnce) {
    start({TestCameraRow("Outside", "Plain").pose(0, 2.0, 20.0, 0, 0).on(kExternal).set(kScriptId, "1"),
           TestCameraRow("Outside", "Following").pose(0, 2.0, 20.0, 0, 0).on(kExternal)
               .on(kTargetFollowing).set(kScriptId, "1")});
    frames(1);
    XPLMCameraPosition_t plain = shown();
    getIntegrationValues()->effectScriptXOffset = 1.0f;
    frames(1);
    EXPECT_NEAR(shown().x - plain.x, 1.0, 1e-4);
    select(0, 1);
    frames(2);
    EXPECT_NEAR(shown().x - plain.x, 1.0, 1e-4);
}

TEST_F(ExternalPose, FreeCameraFollowingATargetKeepsItsOffsets) {
    auto freeRow = [](const char* name) {
        return TestCameraRow("Airport", name).pose(0, 0, 0, 90.0, 0).on(kExternal).on(kFree)
            .on(kTrackIR).set(kScriptId, "1").set(kLatitude, "47.002")
            .set(kLongitude, "8.001").set(kElevation, "530");
    };
    start({freeRow("Plain"), freeRow("Following").on(kTargetFollowing)});
    frames(1);
    XPLMCameraPosition_t bare = shown();
    IntegrationValues* values = getIntegrationValues();
    values->effectScriptXOffset = 1.0f;
    values->effectScriptPitchOffset = 4.0f;
    values->headtrackingPresent = 1;
    values->headtrackingHeadingOffset = 10.0f;
    frames(1);
    XPLMCameraPosition_t plain = shown();
    EXPECT_NEAR(plain.x - bare.x, 1.0, 1e-3);
    EXPECT_NEAR(plain.heading - bare.heading, 10.0, 1e-3);

    // The same offsets, script and head tracking alike, with the target followed.
    select(0, 1);
    frames(2);
    EXPECT_NEAR(shown().x, plain.x, 1e-3);
    EXPECT_NEAR(shown().pitch, plain.pitch, 1e-3);
    EXPECT_NEAR(shown().heading, plain.heading, 1e-3);
}

}  // namespace
