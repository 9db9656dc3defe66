// The free target where a line of sight meets flat and sloped ground.
#include <cmath>

#include "cameras/targets/fixed_targets.h"
#include "cameras/targets/free_target.h"
#include "targets_fixture.h"

namespace {

class FreeTarget : public TargetsFixture {
protected:
    static CameraPosition eye(double x, double y, double z, float heading, float pitch) {
        CameraPosition p;
        p.x = static_cast<float>(x);
        p.y = static_cast<float>(y);
        p.z = static_cast<float>(z);
        p.heading = heading;
        p.pitch = pitch;
        return p;
    }
    static Vec at(const Target* t) { return {t->localX, t->localY, t->localZ}; }

    // The target lies on the ground, 1 m up, and on the line of sight.
    void expectOnSightAndGround(const CameraPosition& p) {
        const Target* t = getFreeTarget();
        double ground = 450.0 + rise[0] * t->localX + rise[1] * t->localZ;
        EXPECT_NEAR(t->localY, ground + 1.0, 0.02);
        Vec from{p.x, p.y, p.z};
        Vec onGround{t->localX, t->localY - 1.0, t->localZ};
        EXPECT_NEAR(bearing(from, onGround), p.heading, 1e-3);
        float pitch = p.pitch > 180.0f ? p.pitch - 360.0f : p.pitch;
        EXPECT_NEAR(elevation(from, onGround), pitch, 1e-3);
        // The world position is the local one's.
        double x = 0, y = 0, z = 0;
        XPLMWorldToLocal(t->latitude, t->longitude, t->elevation, &x, &y, &z);
        EXPECT_NEAR(x, t->localX, 1e-3);
        EXPECT_NEAR(z, t->localZ, 1e-3);
        EXPECT_NEAR(y, t->localY, 1e-6);
    }

    void slope(double east, double south) {
        rise[0] = east;
        rise[1] = south;
        xpsim::setTerrainSlope(east, south);
    }

    double rise[2] = {0, 0};
};

TEST_F(FreeTarget, MeetsFlatGroundWhereTheLineOfSightDoes) {
    enablePlugin();
    xpsim::placeAircraft(47.0, 8.0, 500.0);
    xpsim::setTerrain(450.0);
    CameraPosition p = eye(100.0, 600.0, 200.0, 90.0f, 330.0f);
    ASSERT_TRUE(positionFreeTarget(&p));
    // 150 m up, 30 degrees down: 259.81 m east.
    const Target* t = getFreeTarget();
    EXPECT_NEAR(t->localX, 100.0 + 150.0 / std::tan(30.0 * M_PI / 180.0), 1e-3);
    EXPECT_NEAR(t->localZ, 200.0, 1e-3);
    EXPECT_NEAR(t->localY, 451.0, 1e-3);
    EXPECT_STREQ(t->name, "Free Target");
    EXPECT_EQ(t->isFreeTarget, 1);
    EXPECT_EQ(t->originType, 0);
    expectOnSightAndGround(p);

    // Looking south-west, pitch given folded.
    p = eye(-50.0, 520.0, 40.0, 225.0f, -45.0f);
    ASSERT_TRUE(positionFreeTarget(&p));
    expectOnSightAndGround(p);
}

TEST_F(FreeTarget, MeetsSlopedGroundOnTheLineOfSight) {
    enablePlugin();
    xpsim::placeAircraft(47.0, 8.0, 500.0);
    xpsim::setTerrain(450.0);

    // Rising towards the view: met sooner than over flat ground.
    slope(0.1, 0);
    CameraPosition p = eye(0.0, 600.0, 0.0, 90.0f, 330.0f);
    ASSERT_TRUE(positionFreeTarget(&p));
    EXPECT_NEAR(getFreeTarget()->localX, 150.0 / (std::tan(30.0 * M_PI / 180.0) + 0.1), 0.05);
    expectOnSightAndGround(p);

    // Falling away to the north, looking north, shallow: met much farther out.
    slope(0, 0.2);
    p = eye(30.0, 600.0, 0.0, 0.0f, 345.0f);
    ASSERT_TRUE(positionFreeTarget(&p));
    EXPECT_LT(getFreeTarget()->localZ, -150.0 / std::tan(15.0 * M_PI / 180.0) - 100.0);
    expectOnSightAndGround(p);

    // Across the slope, looking north-east over ground rising both ways.
    slope(0.05, -0.08);
    p = eye(-200.0, 560.0, 300.0, 40.0f, 350.0f);
    ASSERT_TRUE(positionFreeTarget(&p));
    expectOnSightAndGround(p);
}

TEST_F(FreeTarget, LevelOrUpwardSightsAndMissesLeaveNoGroundPoint) {
    enablePlugin();
    xpsim::placeAircraft(47.0, 8.0, 500.0);
    xpsim::setTerrain(450.0);
    CameraPosition p = eye(0.0, 600.0, 0.0, 0.0f, 340.0f);
    ASSERT_TRUE(positionFreeTarget(&p));
    Target before = *getFreeTarget();
    for (float pitch : {0.0f, 360.0f, 10.0f, 270.0f, -90.0f, 180.0f}) {
        p.pitch = pitch;
        EXPECT_FALSE(positionFreeTarget(&p)) << pitch;
        EXPECT_EQ(getFreeTarget()->localZ, before.localZ) << pitch;
        EXPECT_EQ(getFreeTarget()->latitude, before.latitude) << pitch;
    }

    // No terrain found: where it was too.
    xpsim::setProbesMiss(true);
    p = eye(10.0, 600.0, 20.0, 0.0f, 340.0f);
    EXPECT_FALSE(positionFreeTarget(&p));
    EXPECT_EQ(getFreeTarget()->localX, before.localX);
    EXPECT_EQ(getFreeTarget()->localY, before.localY);
    EXPECT_EQ(getFreeTarget()->localZ, before.localZ);
    EXPECT_EQ(getFreeTarget()->latitude, before.latitude);
}

TEST_F(FreeTarget, ResetLooksTenDegreesDownFromTheOrigin) {
    start({TestCameraRow("Outside", "Chase").pose(0, 5, 30, 0, 0).on(kExternal),
           TestCameraRow("Outside", "Frigate Deck").pose(0, 10, 20, 0, 0).on(kExternal)
               .set(kOrigin, "2")});
    xpsim::setTerrain(450.0);
    xpsim::placeAircraft(47.0, 8.0, 500.0, 90.0f);
    resetFreeTarget();
    double ahead = 50.0 / std::tan(10.0 * M_PI / 180.0);
    EXPECT_NEAR(getFreeTarget()->localX, ahead, 0.01);
    EXPECT_NEAR(getFreeTarget()->localZ, 0.0, 0.01);

    // From 100 m above the frigate (30 km north of here, heading 180, at sea
    // level 450) along its heading.
    select(0, 1);
    xpsim::setValue("sim/world/boat/y_mtr", 450.0, 1);
    xpsim::setValue("sim/world/boat/heading_deg", 180.0, 1);
    resetFreeTarget();
    EXPECT_NEAR(getFreeTarget()->localX, 0.0, 0.01);
    EXPECT_NEAR(getFreeTarget()->localZ,
                -30000.0 + 100.0 / std::tan(10.0 * M_PI / 180.0), 0.05);

    // No terrain found: 1 m above that eye, near its origin all the same.
    xpsim::setProbesMiss(true);
    resetFreeTarget();
    EXPECT_NEAR(getFreeTarget()->localX, 0.0, 0.01);
    EXPECT_NEAR(getFreeTarget()->localY, 551.0, 0.01);
    EXPECT_NEAR(getFreeTarget()->localZ, -30000.0, 0.05);
}

}  // namespace
