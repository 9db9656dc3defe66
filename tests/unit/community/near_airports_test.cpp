// The airports near the user's aircraft, from the simulator's navigation
// database (the apt.dat files under its root), as the control panel's
// airport-file menu asks for them while it draws.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "community/data_cache.h"
#include "shell/angles.h"
#include "shell/plugin_state.h"
#include "support/simulated_xplane.h"
#include "xpsim.h"

namespace {

const char* const kAptDat = "Global Scenery/Global Airports/Earth nav data/apt.dat";
// What distanceLatLon counts for a degree of latitude, in nautical miles.
const double kMilesPerDegree = 60 * 1.1515 * 0.8684;

class CloseAirports : public ::testing::Test {
protected:
    void SetUp() override {
        xplane.startAndEnable();
        xpsim::placeAircraft(37.5, -122.375, 100);
        aircraft();
    }

    // Where the plug-in sees the aircraft.
    void aircraft() { getCurrentLocation(&latitude, &longitude); }

    void moveNorth(double miles) {
        xpsim::placeAircraft(latitude + miles / kMilesPerDegree, longitude, 100);
        aircraft();
    }

    // The first latitude north (south for negative miles) of the aircraft, as the
    // database's single precision holds it, at which the plug-in's distance
    // reaches the given miles.
    float latitudeAt(double miles) const {
        float lat = static_cast<float>(latitude + miles / kMilesPerDegree);
        float lon = static_cast<float>(longitude);
        auto reached = [&](float candidate) {
            return static_cast<float>(distanceLatLon(latitude, longitude, candidate, lon, 'N')) >=
                   static_cast<float>(std::fabs(miles));
        };
        float away = miles < 0 ? -90.0f : 90.0f;
        float toward = -away;
        while (!reached(lat)) {
            lat = std::nextafter(lat, away);
        }
        while (reached(std::nextafter(lat, toward))) {
            lat = std::nextafter(lat, toward);
        }
        return lat;
    }

    static std::string airport(const std::string& id, const std::string& name, double lat,
                               double lon, int feet = 13) {
        char text[256];
        snprintf(text, sizeof(text), "1 %d 0 0 %s %s\n1302 datum_lat %.9g\n1302 datum_lon %.9g\n",
                 feet, id.c_str(), name.c_str(), lat, lon);
        return text;
    }

    void writeDatabase(const std::string& airports) {
        SimulatedXPlane::writeFile(xplane.path(kAptDat), airports + "99\n");
        xpsim::rebuildNavDatabase();
    }

    static std::string ids(const std::vector<DataCache::AirportLocation>& list) {
        std::string text;
        for (const DataCache::AirportLocation& a : list) {
            text += std::string(a.id) + (a.hasCameraFile ? "*" : "") + " ";
        }
        return text;
    }

    SimulatedXPlane xplane;
    double latitude = 0;
    double longitude = 0;
};

TEST_F(CloseAirports, ListsThoseCloserThanTenMilesInDatabaseOrder) {
    xplane.disableAndStop();
    SimulatedXPlane::writeFile(xplane.pluginFolder() + "MyAirportCameras/KSFO.csv", "");
    xplane.startAndEnable();
    aircraft();
    float lon = static_cast<float>(longitude);
    writeDatabase(airport("TENN", "Ten Miles North", latitudeAt(10.0), lon) +
                  airport("NINE", "Nine Point Nine Nine South", latitudeAt(-9.99), lon) +
                  airport("KSFO", "San Francisco Intl", latitudeAt(3.0), lon, 13) +
                  airport("HERE", "Under The Aircraft", latitude, longitude, 100) +
                  airport("FAR", "Fifty Miles North", latitudeAt(50.0), lon));

    std::vector<DataCache::AirportLocation>& list = DataCache::findCloseAirports(false);
    EXPECT_EQ(ids(list), "NINE KSFO* HERE ");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_NEAR(list[0].distance, 9.99, 1e-4);
    EXPECT_STREQ(list[0].name, "Nine Point Nine Nine South");
    EXPECT_NEAR(list[1].distance, 3.0, 1e-4);
    EXPECT_NEAR(list[1].height, 13 * 0.3048, 1e-4);
    EXPECT_FLOAT_EQ(list[1].lat, latitudeAt(3.0));
    EXPECT_FLOAT_EQ(list[1].lon, lon);
    EXPECT_NEAR(list[2].distance, 0.0, 1e-3);
    EXPECT_NEAR(list[2].height, 100 * 0.3048, 1e-3);
}

TEST_F(CloseAirports, ScansAgainOnlyAfterATenthOfAMileWhenForcedOrAfterAReload) {
    std::string one = airport("ONE", "First", latitudeAt(1.0), longitude);
    std::string two = airport("TWO", "Second", latitudeAt(2.0), longitude);
    std::string three = airport("THRE", "Third", latitudeAt(3.0), longitude);
    writeDatabase(one);
    std::vector<DataCache::AirportLocation>& first = DataCache::findCloseAirports(false);
    EXPECT_EQ(ids(first), "ONE ");

    // The database changes; the list is kept until the aircraft moves.
    writeDatabase(one + two);
    EXPECT_EQ(&DataCache::findCloseAirports(false), &first);
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "ONE ");
    moveNorth(0.095);
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "ONE ");
    moveNorth(0.1005 - 0.095);
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "ONE TWO ");

    writeDatabase(one + two + three);
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "ONE TWO ");
    EXPECT_EQ(ids(DataCache::findCloseAirports(true)), "ONE TWO THRE ");

    // The move is measured from where the last scan was made, so small steps
    // add up.
    writeDatabase(two);
    moveNorth(0.06);
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "ONE TWO THRE ");
    moveNorth(0.03);
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "ONE TWO THRE ");
    moveNorth(0.0105);
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "TWO ");

    // The first call after the plug-in was loaded again always scans.
    writeDatabase(three);
    xplane.disableAndStop();
    xplane.startAndEnable();
    EXPECT_EQ(ids(DataCache::findCloseAirports(false)), "THRE ");
}

}  // namespace
