#include <string>

#include "sim_fixture.h"

namespace {

using SimTraffic = SimTest;

int activeAircraft() {
    int total = 0, active = 0;
    XPLMPluginID controller = 0;
    XPLMCountAircraft(&total, &active, &controller);
    return active;
}

std::string flightId(int target) {
    char bytes[8] = {};
    XPLMGetDatab(XPLMFindDataRef("sim/cockpit2/tcas/targets/flight_id"), bytes, target * 8, 7);
    return bytes;
}

TEST_F(SimTraffic, AircraftShowInMultiplayerAndTcasDatarefs) {
    EXPECT_EQ(activeAircraft(), 1);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/indicators/tcas_num_acf"), 1);
    xpsim::placeAircraft(47.45, -122.30, 100);
    ASSERT_TRUE(xpsim::placeAiAircraft(0, 47.46, -122.30, 400, 180, 3, -4));
    ASSERT_TRUE(xpsim::placeAiAircraft(1, 47.45, -122.29, 200));
    EXPECT_FALSE(xpsim::placeAiAircraft(3, 47.45, -122.29, 200));
    EXPECT_FALSE(xpsim::placeAiAircraft(-1, 47.45, -122.29, 200));

    EXPECT_EQ(activeAircraft(), 3);
    EXPECT_EQ(xpsim::aiAircraftCount(), 2);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/indicators/tcas_num_acf"), 3);
    double x, y, z;
    XPLMWorldToLocal(47.46, -122.30, 400, &x, &y, &z);
    EXPECT_DOUBLE_EQ(xpsim::getDouble("sim/multiplayer/position/plane1_z"), z);
    EXPECT_DOUBLE_EQ(xpsim::getDouble("sim/multiplayer/position/plane1_y"), 400);
    EXPECT_DOUBLE_EQ(xpsim::getDouble("sim/multiplayer/position/plane1_lat"), 47.46);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/multiplayer/position/plane1_psi"), 180);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/multiplayer/position/plane1_the"), 3);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/multiplayer/position/plane1_phi"), -4);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/position/z", 1), z);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/position/psi", 1), 180);
    EXPECT_GT(xpsim::getDouble("sim/cockpit2/tcas/targets/position/x", 2), 0);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 2), 0xA00002);
    EXPECT_EQ(flightId(1), "AI1");

    // Moving keeps the identity.
    ASSERT_TRUE(xpsim::placeAiAircraft(0, 47.47, -122.30, 400));
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 1), 0xA00001);
    ASSERT_TRUE(xpsim::setAiIdentity(0, 0x123456, "SWA12345"));
    EXPECT_EQ(flightId(1), "SWA1234");
    EXPECT_FALSE(xpsim::setAiIdentity(2, 1, "X"));
}

TEST_F(SimTraffic, LeavingAndReorderingMoveTheSlots) {
    xpsim::placeAircraft(47.45, -122.30, 100);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(xpsim::placeAiAircraft(i, 47.46 + i, -122.30, 400));
    ASSERT_TRUE(xpsim::swapAiAircraft(0, 2));
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 1), 0xA00003);
    EXPECT_DOUBLE_EQ(xpsim::getDouble("sim/multiplayer/position/plane1_lat"), 49.46);
    ASSERT_TRUE(xpsim::removeAiAircraft(0));
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 1), 0xA00002);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 2), 0xA00001);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 3), 0);
    EXPECT_EQ(xpsim::getDouble("sim/multiplayer/position/plane3_lat"), 0);
    EXPECT_EQ(activeAircraft(), 3);
    EXPECT_FALSE(xpsim::removeAiAircraft(2));
    EXPECT_FALSE(xpsim::swapAiAircraft(0, 5));
    // A newcomer gets an identity no aircraft had.
    ASSERT_TRUE(xpsim::placeAiAircraft(2, 47.5, -122.30, 400));
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 3), 0xA00004);
}

TEST_F(SimTraffic, OnlyTheFirstNineteenHaveMultiplayerDatarefs) {
    xpsim::placeAircraft(47.45, -122.30, 100);
    for (int i = 0; i < xpsim::kMaxAiAircraft; ++i)
        ASSERT_TRUE(xpsim::placeAiAircraft(i, 47.46, -122.30, 400 + i));
    EXPECT_FALSE(xpsim::placeAiAircraft(xpsim::kMaxAiAircraft, 47.46, -122.30, 400));
    EXPECT_TRUE(xpsim::hasDataref("sim/multiplayer/position/plane19_x"));
    EXPECT_FALSE(xpsim::hasDataref("sim/multiplayer/position/plane20_x"));
    EXPECT_DOUBLE_EQ(xpsim::getDouble("sim/multiplayer/position/plane19_el"), 418);
    EXPECT_FLOAT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/position/ele", 63), 462);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/indicators/tcas_num_acf"), 64);
    EXPECT_EQ(activeAircraft(), 64);
}

TEST_F(SimTraffic, WithoutTcasOnlyTheMultiplayerDatarefsRemain) {
    xpsim::placeAircraft(47.45, -122.30, 100);
    ASSERT_TRUE(xpsim::placeAiAircraft(0, 47.46, -122.30, 400));
    xpsim::setTcasAvailable(false);
    EXPECT_EQ(XPLMFindDataRef("sim/cockpit2/tcas/targets/position/x"), nullptr);
    EXPECT_EQ(XPLMFindDataRef("sim/cockpit2/tcas/indicators/tcas_num_acf"), nullptr);
    ASSERT_TRUE(xpsim::placeAiAircraft(1, 47.47, -122.30, 400));
    EXPECT_EQ(activeAircraft(), 3);
    EXPECT_DOUBLE_EQ(xpsim::getDouble("sim/multiplayer/position/plane2_lat"), 47.47);

    xpsim::setTcasAvailable(true);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/indicators/tcas_num_acf"), 3);
    EXPECT_EQ(xpsim::getDouble("sim/cockpit2/tcas/targets/modeS_id", 2), 0xA00002);

    xpsim::setTcasAvailable(false);
    xpsim::reset();
    EXPECT_TRUE(xpsim::hasDataref("sim/cockpit2/tcas/targets/position/x"));
    EXPECT_EQ(xpsim::aiAircraftCount(), 0);
    EXPECT_EQ(activeAircraft(), 1);
}

}  // namespace
