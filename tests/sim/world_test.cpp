#include <cstring>

#include "sim_fixture.h"

namespace {

using SimWorld = SimTest;

TEST_F(SimWorld, WorldAndLocalInvertEachOther) {
    xpsim::placeAircraft(47.45, -122.3, 130, 180);
    double x, y, z, lat, lon, alt;
    XPLMWorldToLocal(47.46, -122.29, 200, &x, &y, &z);
    EXPECT_GT(x, 0);  // east
    EXPECT_LT(z, 0);  // north is -z
    EXPECT_DOUBLE_EQ(y, 200);
    XPLMLocalToWorld(x, y, z, &lat, &lon, &alt);
    EXPECT_NEAR(lat, 47.46, 1e-9);
    EXPECT_NEAR(lon, -122.29, 1e-9);
    // The reference stays where the first placement put it.
    xpsim::placeAircraft(47.46, -122.29, 200, 0);
    EXPECT_NEAR(xpsim::getDouble("sim/flightmodel/position/local_x"), x, 1e-6);
    EXPECT_NEAR(xpsim::getDouble("sim/flightmodel/position/local_z"), z, 1e-6);
}

TEST_F(SimWorld, ProbesHitFlatTerrainOrMiss) {
    xpsim::setTerrain(120);
    XPLMProbeRef probe = XPLMCreateProbe(xplm_ProbeY);
    XPLMProbeInfo_t info{};
    info.structSize = sizeof info;
    ASSERT_EQ(XPLMProbeTerrainXYZ(probe, 5, 1000, -7, &info), xplm_ProbeHitTerrain);
    EXPECT_FLOAT_EQ(info.locationX, 5);
    EXPECT_FLOAT_EQ(info.locationY, 120);
    EXPECT_FLOAT_EQ(info.normalY, 1);
    xpsim::setProbesMiss(true);
    EXPECT_EQ(XPLMProbeTerrainXYZ(probe, 5, 1000, -7, &info), xplm_ProbeMissed);
    info.structSize = 8;
    EXPECT_EQ(XPLMProbeTerrainXYZ(probe, 5, 1000, -7, &info), xplm_ProbeError);
    XPLMDestroyProbe(probe);
    info.structSize = sizeof info;
    EXPECT_EQ(XPLMProbeTerrainXYZ(probe, 5, 1000, -7, &info), xplm_ProbeError);
}

// Two packs: a datum airport, a runway-only airport, garbage rows; a custom
// pack overrides the global airports' KSEA.
class SimNavigation : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        writeFile("Global Scenery/Global Airports/Earth nav data/apt.dat",
                  "I\n1100 Version\n\n"
                  "1 433 0 0 KSEA Seattle-Tacoma Intl\n"
                  "1302 datum_lat 40.0\n1302 datum_lon -120.0\n"
                  "1 20 0 0 EGLL London   Heathrow\n"
                  "100 60.00 2 0 0.25 1 3 1 09L 51.4775 -0.4850 0 0 3 0 1 1 27R 51.4776 -0.4333 "
                  "0 0 3 0 1 1\n"
                  "100 garbage\n"
                  "1 5 0 0\n"
                  "1 10 0 0 XNOPOS Nowhere\n"
                  "16 0 0 0 SEA1 Seaplane base\n"
                  "100 1 2\n"
                  "1302 datum_lat not-a-number\n"
                  "99\n");
        writeFile("Custom Scenery/KSEA Pack/Earth nav data/apt.dat",
                  "1 433 0 0 KSEA Seattle Custom\n1302 datum_lat 47.449\n1302 datum_lon -122.309\n"
                  "99\n");
        xpsim::rebuildNavDatabase();
    }

    std::string idOf(XPLMNavRef ref) {
        char id[32] = {};
        XPLMGetNavAidInfo(ref, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, id, nullptr,
                          nullptr);
        return id;
    }
};

TEST_F(SimNavigation, AirportsComeFromDatumOrFirstRunway) {
    XPLMNavRef ksea = XPLMFindNavAid(nullptr, "KSEA", nullptr, nullptr, nullptr, xplm_Nav_Airport);
    XPLMNavType type;
    float lat, lon;
    char name[256];
    XPLMGetNavAidInfo(ksea, &type, &lat, &lon, nullptr, nullptr, nullptr, nullptr, name, nullptr);
    EXPECT_EQ(type, xplm_Nav_Airport);
    EXPECT_STREQ(name, "Seattle Custom");
    EXPECT_NEAR(lat, 47.449, 1e-4);

    XPLMNavRef egll = XPLMFindNavAid("heathrow", nullptr, nullptr, nullptr, nullptr,
                                     xplm_Nav_Airport);
    XPLMGetNavAidInfo(egll, nullptr, &lat, &lon, nullptr, nullptr, nullptr, nullptr, name,
                      nullptr);
    EXPECT_STREQ(name, "London Heathrow");
    EXPECT_NEAR(lat, 51.47755, 1e-4);
    EXPECT_NEAR(lon, -0.45915, 1e-4);

    // No position: not an airport the database can offer.
    EXPECT_EQ(XPLMFindNavAid(nullptr, "XNOPOS", nullptr, nullptr, nullptr, xplm_Nav_Airport),
              XPLM_NAV_NOT_FOUND);
    EXPECT_EQ(XPLMFindNavAid(nullptr, "KSEA", nullptr, nullptr, nullptr, xplm_Nav_VOR),
              XPLM_NAV_NOT_FOUND);
}

TEST_F(SimNavigation, IterationAndNearestSearch) {
    int count = 0;
    for (XPLMNavRef ref = XPLMGetFirstNavAid(); ref != XPLM_NAV_NOT_FOUND;
         ref = XPLMGetNextNavAid(ref))
        ++count;
    EXPECT_EQ(count, 2);  // KSEA once, EGLL
    EXPECT_EQ(XPLMFindLastNavAidOfType(xplm_Nav_Airport), 1);
    float lat = 51, lon = 0;
    EXPECT_EQ(idOf(XPLMFindNavAid(nullptr, nullptr, &lat, &lon, nullptr, xplm_Nav_Airport)),
              "EGLL");
    lat = 47;
    lon = -122;
    EXPECT_EQ(idOf(XPLMFindNavAid(nullptr, "e", &lat, &lon, nullptr, xplm_Nav_Airport)), "KSEA");
}

TEST_F(SimNavigation, InfoOutputsAreBounded) {
    writeFile("Custom Scenery/Long/Earth nav data/apt.dat",
              "1 0 0 0 " + std::string(100, 'I') + " " + std::string(600, 'N') +
                  "\n1302 datum_lat 1\n1302 datum_lon 1\n");
    xpsim::rebuildNavDatabase();
    XPLMNavRef ref = XPLMFindNavAid(nullptr, "IIII", nullptr, nullptr, nullptr, xplm_Nav_Airport);
    char id[40], name[300];
    std::memset(id, 'x', sizeof id);
    std::memset(name, 'x', sizeof name);
    XPLMGetNavAidInfo(ref, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, id, name,
                      nullptr);
    EXPECT_EQ(std::strlen(id), 31u);
    EXPECT_EQ(id[32], 'x');
    EXPECT_EQ(std::strlen(name), 255u);
    EXPECT_EQ(name[256], 'x');
}

}  // namespace
