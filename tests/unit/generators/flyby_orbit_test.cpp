// Fly-by and orbit categories: their cameras as generated, and an orbit
// played through by the engine frame by frame.
#include <cmath>
#include <cstring>

#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_selection.h"
#include "cameras/generators/flyby_orbit.h"
#include "libwinkit/message_box.h"
#include "positioning/transitions/transition_state.h"
#include "shell/angles.h"
#include "unit/positioning/positioning_fixture.h"

namespace {

double sinDeg(double degrees) { return std::sin(degrees * M_PI / 180.0); }
double cosDeg(double degrees) { return std::cos(degrees * M_PI / 180.0); }

class Generators : public PositioningFixture {
protected:
    void startCockpit() { start({TestCameraRow("Cockpit", "Pilot")}); }

    static FlyBySpec flyBy(const char* name) {
        FlyBySpec request;
        strncpy(request.name, name, kMaxNameLength);
        return request;
    }
    static OrbitSpec orbit(const char* name) {
        OrbitSpec request;
        strncpy(request.name, name, kMaxNameLength);
        return request;
    }
    static Category& category(int index) { return *getCategory(index); }
};

TEST_F(Generators, AFlyByWithTheDefaults) {
    startCockpit();
    ASSERT_EQ(createFlyBy(flyBy("Low Pass")), 1);
    ASSERT_EQ(getNumberOfCategories(), 2);
    Category& pass = category(1);
    EXPECT_STREQ(pass.name, "Low Pass");
    ASSERT_EQ(pass.numberOfCameras, 2);
    EXPECT_EQ(pass.currentCameraIndex, 0);

    // The start, far out on the attack heading's side, runs on by itself into
    // the hidden end, reached by a 30 s linear leg through the closest point.
    const Camera& start = pass.cameras[0];
    EXPECT_STREQ(start.name, "Low Pass - 0");
    EXPECT_NEAR(start.x, 550.0, 1e-3);
    EXPECT_NEAR(start.z, -10.0, 1e-3);
    EXPECT_NEAR(start.y, 35.0, 1e-4);
    EXPECT_FLOAT_EQ(start.heading, 270.0f);
    EXPECT_TRUE(start.autoAdvance && !start.linearTransition && !start.hidden);

    const Camera& end = pass.cameras[1];
    EXPECT_STREQ(end.name, "Low Pass - 1");
    EXPECT_NEAR(end.x, -450.0, 1e-3);
    EXPECT_NEAR(end.z, -10.0, 1e-3);
    EXPECT_NEAR(end.y, -15.0, 1e-4);
    EXPECT_FLOAT_EQ(end.heading, 90.0f);
    EXPECT_TRUE(!end.autoAdvance && end.linearTransition && end.hidden);
    EXPECT_FLOAT_EQ(end.transitionSeconds, 30.0f);

    for (const Camera* camera : {&start, &end}) {
        EXPECT_TRUE(camera->external && camera->trackHeading && camera->trackPitch);
        EXPECT_FALSE(camera->temporaryPositioning || camera->retainMouseLookPosition);
        EXPECT_EQ(camera->initialMovementRange, 2);
    }
    // The set is whole: rings and unique IDs renumbered.
    EXPECT_EQ(cameraAt(0, 0).nextInSet, &pass.cameras[0]);
    EXPECT_EQ(pass.cameras[1].nextInCategory, &pass.cameras[0]);
    EXPECT_EQ(pass.uniqueId, 3);
}

TEST_F(Generators, SingleAndContinuousOrbits) {
    startCockpit();
    OrbitSpec request = orbit("Orbit");
    request.duration = 37.0f;
    ASSERT_EQ(createOrbit(request), 1);
    Category& single = category(1);
    ASSERT_EQ(single.numberOfCameras, 37);
    // Camera 0 is where the orbit begins: visible, reached without a leg.
    EXPECT_FALSE(single.cameras[0].hidden);
    EXPECT_FALSE(single.cameras[0].linearTransition);
    for (int i = 0; i < 37; ++i) {
        const Camera& c = single.cameras[i];
        // The angle step runs 0, 350, 340, ...
        double heading = std::fmod(270.0 + 10.0 * i, 360.0);
        double step = std::fmod(360.0 - 10.0 * i, 360.0);
        EXPECT_EQ(std::string(c.name), "Orbit - " + std::to_string(i));
        EXPECT_NEAR(c.heading, heading, 1e-3) << i;
        EXPECT_NEAR(c.x, -sinDeg(heading) * 10.0, 1e-4) << i;
        EXPECT_NEAR(c.z, cosDeg(heading) * 10.0, 1e-4) << i;
        EXPECT_NEAR(c.y, 3.0 * sinDeg(step), 1e-4) << i;
        EXPECT_TRUE(c.external && c.trackHeading && c.trackPitch) << i;
        EXPECT_FALSE(c.smoothCameraJoins || c.temporaryPositioning || c.levelCamera) << i;
        EXPECT_EQ(c.autoAdvance, i < 36) << i;
        if (i > 0) {
            EXPECT_TRUE(c.hidden && c.linearTransition) << i;
            EXPECT_FLOAT_EQ(c.transitionSeconds, 1.0f) << i;
        }
    }
    // The last camera stands where the first does.
    EXPECT_NEAR(single.cameras[36].x, single.cameras[0].x, 1e-4);
    EXPECT_NEAR(single.cameras[36].z, single.cameras[0].z, 1e-4);

    request = orbit("Ring");
    request.continuous = true;
    request.reverseRotation = true;
    request.minHeight = 2.0f;
    request.maxHeight = 2.0f;
    request.useLevelCamera = true;
    ASSERT_EQ(createOrbit(request), 1);
    Category& ring = category(2);
    ASSERT_EQ(ring.numberOfCameras, 36);
    for (int i = 0; i < 36; ++i) {
        const Camera& c = ring.cameras[i];
        EXPECT_NEAR(c.heading, std::fmod(270.0 - 10.0 * i + 360.0, 360.0), 1e-3) << i;
        EXPECT_NEAR(c.y, 2.0, 1e-5) << i;
        EXPECT_TRUE(c.autoAdvance && c.linearTransition && c.levelCamera) << i;
        EXPECT_NEAR(c.transitionSeconds, 30.0 / 36.0, 1e-5) << i;
        EXPECT_EQ(c.hidden, i > 0) << i;
    }
}

TEST_F(Generators, ASecondGenerationReplacesTheCategoryAndRemembersItsPoses) {
    startCockpit();
    FlyBySpec pass = flyBy("Show");
    ASSERT_EQ(createFlyBy(pass), 1);
    // Moved but not saved; then the name is taken by an orbit.
    cameraAt(1, 1).x += 100.0f;
    ASSERT_EQ(createOrbit(orbit("SHOW")), 1);
    ASSERT_EQ(getNumberOfCategories(), 2);
    EXPECT_STREQ(category(1).name, "SHOW");
    EXPECT_EQ(category(1).numberOfCameras, 37);

    // Restoring any generated camera brings back its generated pose, not the
    // one an earlier camera in the same slot had.
    for (int i : {0, 1, 20}) {
        Camera& c = cameraAt(1, i);
        float x = c.x, y = c.y, z = c.z, heading = c.heading;
        c.x += 5.0f;
        c.y -= 2.0f;
        c.heading = fixAngle(c.heading + 30.0f);
        restoreCameraPosition(&c);
        EXPECT_FLOAT_EQ(c.x, x) << i;
        EXPECT_FLOAT_EQ(c.y, y) << i;
        EXPECT_FLOAT_EQ(c.z, z) << i;
        EXPECT_FLOAT_EQ(c.heading, heading) << i;
    }
}

TEST_F(Generators, NoRoomForANewCategory) {
    startCockpit();
    while (getNumberOfCategories() < kMaxCategories) {
        ASSERT_EQ(addCategory(), 1);
    }
    removeMsgBoxManager();
    EXPECT_EQ(createOrbit(orbit("Orbit")), 0);
    EXPECT_EQ(createFlyBy(flyBy("Pass")), 0);
    EXPECT_EQ(getNumberOfCategories(), kMaxCategories);
    ASSERT_EQ(messageBoxes().size(), 2u);
    EXPECT_EQ(messageBoxes()[0],
              std::make_pair(std::string("ERROR"),
                             std::string("There are no more categories available")));
    // An existing name still works.
    EXPECT_EQ(createOrbit(orbit("category 5")), 1);
    EXPECT_EQ(category(4).numberOfCameras, 37);
}

TEST_F(Generators, AnOrbitPlaysRoundTheAircraftKeepingItInView) {
    startCockpit();
    xpsim::setValue("sim/flightmodel/position/psi", 30.0);
    OrbitSpec request = orbit("Orbit");
    request.duration = 3.7f;
    request.radius = 40.0f;
    request.minHeight = 5.0f;
    request.maxHeight = 15.0f;
    ASSERT_EQ(createOrbit(request), 1);
    // Long enough for the engine's frame-rate estimate to reach 60 fps.
    frames(150);
    select(1, 0);

    Vec aircraft{sim("sim/flightmodel/position/local_x"), sim("sim/flightmodel/position/local_y"),
                 sim("sim/flightmodel/position/local_z")};
    double turned = 0;
    double lastBearing = -1;
    double lowest = 1e9, highest = -1e9;
    int played = 0;
    for (; played < 2000; ++played) {
        frames(1);
        XPLMCameraPosition_t pose = shown();
        Vec eye{pose.x, pose.y, pose.z};
        // The aircraft stays in the centre of the view.
        double toAircraft = bearing(eye, aircraft);
        double off = std::fabs(std::remainder(pose.heading - toAircraft, 360.0));
        ASSERT_LT(off, 0.05) << played;
        ASSERT_LT(std::fabs(std::remainder(pose.pitch - elevation(eye, aircraft), 360.0)), 0.05)
            << played;
        double around = bearing(aircraft, eye);
        if (lastBearing >= 0) {
            turned += std::remainder(around - lastBearing, 360.0);
        }
        lastBearing = around;
        lowest = std::min(lowest, eye.y - aircraft.y);
        highest = std::max(highest, eye.y - aircraft.y);
        if (std::string(getCurrentCamera()->name) == "Orbit - 36" && !isCurrentlyAnimating()) {
            break;
        }
    }
    // One full turn, clockwise seen from above, in 3.7 seconds, up to 15 m and
    // down to 5 m above the aircraft.
    EXPECT_NEAR(turned, 360.0, 1.0);
    EXPECT_NEAR(played, 3.7 * 60, 6);
    EXPECT_NEAR(highest, 15.0, 0.1);
    EXPECT_NEAR(lowest, 5.0, 0.1);
    // It stops at the last camera, where it began.
    frames(30);
    EXPECT_STREQ(getCurrentCamera()->name, "Orbit - 36");
    XPLMCameraPosition_t pose = shown();
    Vec start = aircraftToWorld({cameraAt(1, 0).x, cameraAt(1, 0).y, cameraAt(1, 0).z}, 30, 0, 0,
                                aircraft);
    EXPECT_NEAR(pose.x, start.x, 1e-2);
    EXPECT_NEAR(pose.z, start.z, 1e-2);
}

}  // namespace
