// The targets near the aircraft or the camera's boat, nearest first, the four
// fixed targets, and a target-following camera aimed by the target commands.
#include <cmath>

#include "cameras/targets/fixed_targets.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_camera.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "targets_fixture.h"

namespace {

const double kMetresPerDegree = 111319.49;

// Degrees of latitude (longitude at 47 N) for a distance in metres.
double north(double metres) { return metres / kMetresPerDegree; }
double east(double metres) { return metres / (kMetresPerDegree * std::cos(47.0 * M_PI / 180.0)); }

double angleBetween(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

class NearTargets : public TargetsFixture {
protected:
    void SetUp() override {
        TargetsFixture::SetUp();
        char text[2048];
        snprintf(text, sizeof text,
                 "%s"
                 "Tower,2024-01-01 00:00:00,%.8f,8.0,600\n"
                 "Barn,2024-01-01 00:00:00,47.0,%.8f,450\n"
                 "Ridge,2024-01-01 00:00:00,%.8f,8.0,900\n"
                 "Far,2024-01-01 00:00:00,%.8f,8.0,300\n"
                 "West Mill,2024-01-01 00:00:00,47.0,7.95,420\n",
                 kTargetsHeader, 47.0 + north(5000), 8.0 + east(1000), 47.0 - north(40000),
                 47.0 + north(60000));
        writeTargetsFile(text);
    }

    void startFollowing() {
        start({TestCameraRow("Outside", "Follow").pose(0, 5, 30, 0, 0).on(kExternal)
                   .on(kTargetFollowing),
               TestCameraRow("Outside", "From Carrier").pose(0, 20, 50, 0, 0).on(kExternal)
                   .on(kTargetFollowing).set(kOrigin, "1"),
               TestCameraRow("Cockpit", "Pilot")});
    }

    Target* collected(const char* name) {
        for (int i = 0; i < getNumberOfCollectedTargets(); ++i) {
            if (std::string(getCollectedTarget(i)->name) == name) {
                return getCollectedTarget(i);
            }
        }
        return nullptr;
    }

    static Target* storedTarget(const char* name) {
        Target* t = getTargetBucket(getTargetRow(47.0), getTargetColumn(8.0));
        while (t != nullptr && std::string(t->name) != name) {
            t = t->next;
        }
        return t;
    }

    // The shown view points at the point.
    void expectAimedAt(double x, double y, double z) {
        XPLMCameraPosition_t pose = shown();
        Vec eye{pose.x, pose.y, pose.z};
        EXPECT_LT(angleBetween(pose.heading, bearing(eye, {x, y, z})), 0.01);
        EXPECT_LT(angleBetween(pose.pitch, elevation(eye, {x, y, z})), 0.01);
    }
};

TEST_F(NearTargets, NearestFirstWithoutTheCamerasOwnOrigin) {
    startFollowing();
    selectNearestTarget();
    EXPECT_EQ(collectedNames(),
              (std::vector<std::string>{"Barn", "Free Target", "West Mill", "Tower",
                                        "Aircraft Carrier", "Frigate", "Ridge"}));
    EXPECT_NEAR(collected("Barn")->distance, 1.0, 0.01);
    EXPECT_NEAR(collected("Tower")->distance, 5.0, 0.01);
    EXPECT_NEAR(collected("Ridge")->distance, 40.0, 0.05);
    EXPECT_EQ(getCurrentTargetIndex(), 0);

    // The free target starts ten degrees down ahead of the aircraft: 500 m up,
    // over ground at 0, heading north.
    Target* freeTarget = collected("Free Target");
    EXPECT_EQ(freeTarget->isFreeTarget, 1);
    EXPECT_NEAR(freeTarget->localZ, -500.0 / std::tan(10.0 * M_PI / 180.0), 0.05);
    EXPECT_NEAR(freeTarget->localX, 0.0, 1e-3);
    EXPECT_NEAR(freeTarget->localY, 1.0, 1e-3);

    // The carrier stands where the boat datarefs put it.
    Target* carrier = collected("Aircraft Carrier");
    EXPECT_DOUBLE_EQ(carrier->localX, 20000.0);
    EXPECT_NEAR(carrier->longitude, 8.0 + east(20000), 1e-6);
    EXPECT_NEAR(carrier->distance, 20.0, 0.05);

    // Next and previous wrap round the collection.
    selectPreviousTarget();
    EXPECT_STREQ(getCurrentTarget()->name, "Ridge");
    selectNextTarget();
    selectNextTarget();
    EXPECT_STREQ(getCurrentTarget()->name, "Free Target");
    selectNextTarget();
    selectFreeTarget();
    EXPECT_STREQ(getCurrentTarget()->name, "Free Target");
}

TEST_F(NearTargets, ABoatCameraMeasuresFromItsBoat) {
    startFollowing();
    frames(1);
    // Choosing the carrier camera collects again around the carrier.
    select(0, 1);
    frames(1);
    std::vector<std::string> names = collectedNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "Aircraft Carrier"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "My Aircraft"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Frigate"), 1);
    // Ridge is 44.7 km from the carrier, West Mill 23.8 km.
    Target* aircraft = collected("My Aircraft");
    ASSERT_NE(aircraft, nullptr);
    EXPECT_NEAR(aircraft->distance, 20.0, 0.05);
    EXPECT_DOUBLE_EQ(aircraft->localY, sim("sim/flightmodel/position/local_y"));
    EXPECT_NEAR(collected("West Mill")->distance, 23.8, 0.1);
    EXPECT_EQ(getCurrentTargetIndex(), 0);
    EXPECT_STREQ(getCurrentTarget()->name, "Barn");
}

TEST_F(NearTargets, MovingFarCollectsAgain) {
    startFollowing();
    frames(1);
    EXPECT_STREQ(getCurrentTarget()->name, "Barn");
    selectNextTarget();
    // 14 nautical miles on: the collection stays.
    xpsim::placeAircraft(47.0 + north(14 * 1852.0), 8.0, 500.0, 0.0f);
    EXPECT_STREQ(getCurrentTarget()->name, "Free Target");
    // 16: collected afresh, nearest first: the frigate is 400 m away now, and
    // Far is near.
    xpsim::placeAircraft(47.0 + north(16 * 1852.0), 8.0, 500.0, 0.0f);
    EXPECT_STREQ(getCurrentTarget()->name, "Frigate");
    EXPECT_EQ(getCurrentTargetIndex(), 0);
    EXPECT_NE(collected("Far"), nullptr);
    EXPECT_EQ(collected("Ridge"), nullptr);
}

TEST_F(NearTargets, TheTargetCommandsAimTheFollowingCamera) {
    startFollowing();
    frames(1);
    Target* barn = getCurrentTarget();
    ASSERT_STREQ(barn->name, "Barn");
    expectAimedAt(barn->localX, barn->localY, barn->localZ);
    EXPECT_NEAR(shown().roll, 0.0, 1e-4);

    xpsim::commandOnce("QFN/Ovilux/Select_Next_Target");
    frames(1);
    Target* freeTarget = getFreeTarget();
    EXPECT_EQ(getCurrentTarget(), freeTarget);
    expectAimedAt(freeTarget->localX, freeTarget->localY, freeTarget->localZ);
    // The target information reads the bearing and pitch from the camera.
    EXPECT_NEAR(freeTarget->bearing, shown().heading, 1e-3);
    EXPECT_LT(freeTarget->pitch, 0.0f);

    xpsim::commandOnce("QFN/Ovilux/Select_Previous_Target");
    xpsim::commandOnce("QFN/Ovilux/Select_Previous_Target");
    frames(1);
    EXPECT_STREQ(getCurrentTarget()->name, "Ridge");
    xpsim::commandOnce("QFN/Ovilux/Select_Free_Target");
    xpsim::commandOnce("QFN/Ovilux/Select_Nearest_Target");
    frames(1);
    EXPECT_STREQ(getCurrentTarget()->name, "Barn");

    // Reciprocal: from above the carrier back at the aircraft.
    while (std::string(getCurrentTarget()->name) != "Aircraft Carrier") {
        selectNextTarget();
    }
    xpsim::commandOnce("QFN/Ovilux/Toggle_Target_Reciprocal");
    EXPECT_TRUE(getCurrentCamera()->targetReciprocal);
    frames(1);
    XPLMCameraPosition_t pose = shown();
    EXPECT_NEAR(pose.x, 20000.0, 1e-2);
    EXPECT_NEAR(pose.y, 50.0, 1e-2);
    expectAimedAt(sim("sim/flightmodel/position/local_x"), sim("sim/flightmodel/position/local_y"),
                  sim("sim/flightmodel/position/local_z"));

    // Target following is an option of attached external cameras only.
    xpsim::commandOnce("QFN/Ovilux/Toggle_Target_Following_Camera");
    EXPECT_FALSE(getCurrentCamera()->targetFollowing);
    select(1, 0);
    xpsim::commandOnce("QFN/Ovilux/Toggle_Target_Following_Camera");
    EXPECT_FALSE(cameraAt(1, 0).targetFollowing);
}

TEST_F(NearTargets, TheCameraIsSavedAsATarget) {
    startFollowing();
    frames(1);
    // Following the free target: its position is stored, under a name the
    // file can hold.
    selectFreeTarget();
    Target* freeTarget = getFreeTarget();
    ASSERT_EQ(saveCameraAsTarget("Lake, East Shore"), 1);
    Target* lake = storedTarget("Lake  East Shore");
    ASSERT_NE(lake, nullptr);
    char line[256];
    snprintf(line, sizeof line, "Lake  East Shore,%s,%.6f,%.6f,%.6f\n", lake->date,
             freeTarget->latitude, freeTarget->longitude, freeTarget->elevation);
    EXPECT_NE(readTargetsFile().find(line), std::string::npos) << readTargetsFile();
    // Collected again: the new target is among the near ones.
    EXPECT_NE(collected("Lake  East Shore"), nullptr);
    EXPECT_EQ(saveCameraAsTarget("  "), 0);

    // A cockpit camera stores the aircraft's position.
    select(1, 0);
    ASSERT_EQ(saveCameraAsTarget("Parking"), 1);
    Target* parking = storedTarget("Parking");
    ASSERT_NE(parking, nullptr);
    EXPECT_NEAR(parking->latitude, 47.0, 1e-9);
    EXPECT_NEAR(parking->longitude, 8.0, 1e-9);
    EXPECT_NEAR(parking->elevation, 500.0, 1e-6);
}

TEST_F(NearTargets, AnUnknownCameraOriginNeverOverfillsTheCollection) {
    // More stored targets near the aircraft than the collection holds.
    std::string text = kTargetsHeader;
    char line[128];
    for (int i = 0; i < 1100; ++i) {
        snprintf(line, sizeof line, "T%d,2024-01-01 00:00:00,%.6f,%.6f,500\n", i,
                 47.0 + north(10 * (i % 40)), 8.0 + east(10 * (i / 40)));
        text += line;
    }
    writeTargetsFile(text);
    start({TestCameraRow("Outside", "Follow").pose(0, 5, 30, 0, 0).on(kExternal)
               .on(kTargetFollowing).set(kOrigin, "5")});
    frames(1);
    EXPECT_EQ(cameraAt(0, 0).cameraOrigin, 0);
    EXPECT_TRUE(logHas(": Camera Origin 5 refused, outside 0 to 2"));
    selectNearestTarget();
    EXPECT_LT(getNumberOfCollectedTargets(), kMaxCollectedTargets);
    EXPECT_EQ(getCollectedTarget(kMaxCollectedTargets - 1), nullptr);

    // An origin that reaches the camera some other way is taken as the aircraft's.
    cameraAt(0, 0).cameraOrigin = 7;
    selectNearestTarget();
    EXPECT_LT(getNumberOfCollectedTargets(), kMaxCollectedTargets);
    std::vector<std::string> names = collectedNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "My Aircraft"), 0);
}

}  // namespace
