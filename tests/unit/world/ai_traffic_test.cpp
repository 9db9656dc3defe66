// The other aircraft as the simulated X-Plane flies them: counting, ordering
// by distance, stepping, and following one across TCAS reordering.
#include <gtest/gtest.h>

#include <vector>

#include "positioning/pipeline/camera_control_switch.h"
#include "shell/settings.h"
#include "support/simulated_xplane.h"
#include "world/ai_reference.h"
#include "world/ai_traffic.h"
#include "xpsim.h"

namespace {

const double kLatitude = 47.45;
const double kLongitude = -122.30;
const double kElevation = 100;
const double kMetresPerNm = 1852;
const double kMetresPerDegreeLatitude = 111319.49;

class AiTraffic : public ::testing::Test {
protected:
    AiTraffic() : xplane(false) {
        resetAiTraffic();
        xpsim::placeAircraft(kLatitude, kLongitude, kElevation);
    }
    ~AiTraffic() override {
        setAiReferenceSource(nullptr);
        resetAiTraffic();
    }

    // Nautical miles north of the user's aircraft, and metres above it.
    static bool place(int index, double northNm, double aboveM = 0, float heading = 0) {
        return xpsim::placeAiAircraft(index,
                                      kLatitude + northNm * kMetresPerNm / kMetresPerDegreeLatitude,
                                      kLongitude, kElevation + aboveM, heading);
    }
    static std::vector<int> order() {
        std::vector<int> indexes;
        for (const AiSlot& slot : getSortedAiSlots()) {
            indexes.push_back(slot.index);
        }
        return indexes;
    }

    SimulatedXPlane xplane;
};

TEST_F(AiTraffic, WithoutTrafficEveryAnswerIsZero) {
    EXPECT_EQ(getActiveAIPlanes(), 0);
    EXPECT_FALSE(hasTcasSupport());
    EXPECT_TRUE(getSortedAiSlots().empty());
    EXPECT_EQ(getNextAiIndex(0), 0);
    EXPECT_EQ(getPreviousAiIndex(0), 0);
    EXPECT_EQ(getNextDistantAIPlane(0), 0);
    EXPECT_EQ(getPreviousDistantAIPlane(0), 0);
    EXPECT_EQ(findNewTcasSlot(0xA00001), 0);
}

TEST_F(AiTraffic, SlotsGoByDistanceThenByIndex) {
    ASSERT_TRUE(place(0, 0, 926));
    ASSERT_TRUE(place(1, 0.25));
    ASSERT_TRUE(place(2, 0, -926));
    ASSERT_TRUE(place(3, 2));
    ASSERT_TRUE(place(4, -0.1));
    EXPECT_EQ(getActiveAIPlanes(), 5);
    EXPECT_TRUE(hasTcasSupport());
    EXPECT_EQ(order(), (std::vector<int>{4, 1, 0, 2, 3}));
    EXPECT_NEAR(getAIPlaneDistance(3), 2.0, 1e-3);
    EXPECT_NEAR(getAIPlaneDistance(0), 0.5, 1e-3);

    // Aircraft move: the next request sorts afresh.
    ASSERT_TRUE(place(3, 0.01));
    EXPECT_EQ(order(), (std::vector<int>{3, 4, 1, 0, 2}));
}

TEST_F(AiTraffic, SteppingWrapsRoundIndexesAndDistances) {
    ASSERT_TRUE(place(0, 1.0));
    ASSERT_TRUE(place(1, 3.0));
    ASSERT_TRUE(place(2, 2.0));
    EXPECT_EQ(getNextAiIndex(1), 2);
    EXPECT_EQ(getNextAiIndex(2), 0);
    EXPECT_EQ(getPreviousAiIndex(0), 2);
    EXPECT_EQ(getPreviousAiIndex(2), 1);

    EXPECT_EQ(getNextDistantAIPlane(0), 2);
    EXPECT_EQ(getNextDistantAIPlane(2), 1);
    EXPECT_EQ(getNextDistantAIPlane(1), 0);   // farthest to nearest
    EXPECT_EQ(getPreviousDistantAIPlane(1), 2);
    EXPECT_EQ(getPreviousDistantAIPlane(0), 1);  // nearest to farthest
    // An index not in the set: next gives the nearest, previous the farthest.
    EXPECT_EQ(getNextDistantAIPlane(7), 0);
    EXPECT_EQ(getPreviousDistantAIPlane(-1), 1);
}

TEST_F(AiTraffic, TcasGivesPoseFlightIdAndModeS) {
    ASSERT_TRUE(place(0, 1.0, 300, 270));
    ASSERT_TRUE(xpsim::placeAiAircraft(1, kLatitude, kLongitude + 0.01, 500, 45, 5, -10));
    ASSERT_TRUE(xpsim::setAiIdentity(1, 0xABC123, "UAL1234X"));

    const AiPosition& pose = getAiPosition(1);
    double x, y, z;
    XPLMWorldToLocal(kLatitude, kLongitude + 0.01, 500, &x, &y, &z);
    EXPECT_NEAR(pose.x, x, 0.01);
    EXPECT_NEAR(pose.y, 500, 0.01);
    EXPECT_NEAR(pose.z, z, 0.01);
    EXPECT_FLOAT_EQ(pose.heading, 45);
    EXPECT_FLOAT_EQ(pose.pitch, 5);
    EXPECT_FLOAT_EQ(pose.roll, -10);
    EXPECT_FLOAT_EQ(getAiPosition(0).heading, 270);

    EXPECT_STREQ(getTcasFlightID(0), "AI1");
    EXPECT_STREQ(getTcasFlightID(1), "UAL1234");
    EXPECT_EQ(getTcasId(0), 0xA00001);
    EXPECT_EQ(getTcasId(1), 0xABC123);
}

TEST_F(AiTraffic, WithoutTcasTheMultiplayerDatarefsServe) {
    xpsim::setTcasAvailable(false);
    resetAiTraffic();
    ASSERT_TRUE(place(0, 1.0, 0, 90));
    ASSERT_TRUE(place(1, 0.5));
    EXPECT_FALSE(hasTcasSupport());
    EXPECT_EQ(getActiveAIPlanes(), 2);
    EXPECT_NEAR(getAIPlaneDistance(0), 1.0, 1e-3);
    EXPECT_FLOAT_EQ(getAiPosition(0).heading, 90);
    EXPECT_EQ(order(), (std::vector<int>{1, 0}));
    EXPECT_EQ(getTcasId(5), 5);
    EXPECT_STREQ(getTcasFlightID(0), "");
    EXPECT_EQ(findNewTcasSlot(0xA00002), 0);
}

TEST_F(AiTraffic, IndexesNoDatarefHoldsGiveAnEmptyPose) {
    for (int index = 0; index < 25; ++index) {
        ASSERT_TRUE(place(index, 1.0 + index));
    }
    for (int index : {-1, 63, 64, 1000}) {
        const AiPosition& pose = getAiPosition(index);
        EXPECT_EQ(pose.x, 0);
        EXPECT_EQ(pose.z, 0);
        EXPECT_STREQ(getTcasFlightID(index), "");
        EXPECT_EQ(getTcasId(index), 0);
    }
    EXPECT_NE(getAiPosition(24).z, 0);

    // Multiplayer datarefs reach 19 aircraft; the rest have no pose.
    xpsim::setTcasAvailable(false);
    resetAiTraffic();
    EXPECT_EQ(getActiveAIPlanes(), 25);
    EXPECT_NE(getAiPosition(18).z, 0);
    EXPECT_EQ(getAiPosition(19).z, 0);
    EXPECT_EQ(getAiPosition(24).y, 0);
    EXPECT_EQ(getSortedAiSlots().size(), 25u);
}

TEST_F(AiTraffic, AFollowedAircraftIsFoundAgainAfterReordering) {
    for (int index = 0; index < 4; ++index) {
        ASSERT_TRUE(place(index, 1.0 + index));
    }
    int index = 2;
    int id = getTcasId(index);
    checkSlotChange(index, id);
    EXPECT_EQ(index, 2);

    ASSERT_TRUE(xpsim::swapAiAircraft(2, 0));
    checkSlotChange(index, id);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(id, 0xA00003);

    ASSERT_TRUE(xpsim::removeAiAircraft(0));  // the followed aircraft leaves
    ASSERT_TRUE(xpsim::swapAiAircraft(0, 2));
    checkSlotChange(index, id);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(id, getTcasId(0));
    EXPECT_EQ(id, 0xA00004);
}

// While camera control is on, distances are the camera's; the engine gives
// the point.
TEST_F(AiTraffic, DistancesAreFromTheCameraWhileControlIsOn) {
    *getSettings() = Settings();
    ASSERT_TRUE(place(0, 3.0));
    xplane.startAndEnable();  // the engine registers the current camera as the source
    setAiReferenceSource([](double* x, double* y, double* z) {
        double north = -2.0 * kMetresPerNm;
        XPLMWorldToLocal(kLatitude, kLongitude, kElevation, x, y, z);
        *z += north;
        return true;
    });
    EXPECT_NEAR(getAIPlaneDistance(0), 3.0, 1e-3);
    enableOvilux();
    ASSERT_EQ(isEnabled(), 1);
    EXPECT_NEAR(getAIPlaneDistance(0), 1.0, 1e-3);
    setAiReferenceSource([](double*, double*, double*) { return false; });
    EXPECT_NEAR(getAIPlaneDistance(0), 3.0, 1e-3);
    disableOvilux(0);
}

}  // namespace
