// What each kind of airport row gives the airport record, and where the
// record's arrays and text fields end.
#include <string>

#include "world/airport_sign.h"
#include "world/apt_record.h"
#include "world/apt_rows.h"
#include "world/scenery_search.h"
#include "world_fixture.h"

namespace {

using WorldAptRows = WorldTest;

std::unique_ptr<Airport> emptyAirport() { return std::make_unique<Airport>(); }

TEST_F(WorldAptRows, EveryRowKindKeepsItsFields) {
    write(kDefaultAptDat,
          aptDat("1   433 1 0 KSEA Seattle-Tacoma Intl\n"
                 "1302 city Seattle\n"
                 "100 45.72 1 0 0.25 1 3 0 16L 47.46379 -122.30775 120.50 0 3 1 1 0 34R "
                 "47.43117 -122.30804 305.10 0 3 0 0 0\n"
                 "101 49.00 1 08W 47.50 -122.20 26W 47.51 -122.10\n"
                 "102 H1 47.45 -122.31 90.5 18.50 16.00 1 0 0 0.25 0\n"
                 "15 47.44 -122.29 359.9 Ramp Start 1\n"
                 "1300 47.43 -122.28 180.0 gate jets|turboprops A 12 Heavy\n"
                 "14 47.45 -122.30 150 0 ATC Tower\n"
                 "14 47.46 -122.31 40 0\n"
                 "20 47.44 -122.30 270.0 0 2 {@Y}A{@R}B_1\n"
                 "20 47.44 -122.30 270.0 0 2\n"
                 "1201 47.44 -122.30 both 1 A1\n"
                 "1202 1 2 twoway taxiway_A A\n"));
    std::unique_ptr<Airport> a = findAirport("KSEA");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->type, kLandAirport);
    EXPECT_DOUBLE_EQ(a->elevation, 433);
    EXPECT_STREQ(a->name, "Seattle-Tacoma Intl");

    ASSERT_EQ(a->nRunways, 2);
    const Runway& land = a->runways[0];
    EXPECT_FLOAT_EQ(land.width, 45.72f);
    EXPECT_STREQ(land.number1, "16L");
    EXPECT_FLOAT_EQ(land.lat1, 47.46379f);
    EXPECT_FLOAT_EQ(land.lon1, -122.30775f);
    EXPECT_FLOAT_EQ(land.displaced1, 120.5f);
    EXPECT_STREQ(land.number2, "34R");
    EXPECT_FLOAT_EQ(land.lat2, 47.43117f);
    EXPECT_FLOAT_EQ(land.lon2, -122.30804f);
    EXPECT_FLOAT_EQ(land.displaced2, 305.1f);
    EXPECT_FLOAT_EQ(land.heading1, 0);
    const Runway& water = a->runways[1];
    EXPECT_FLOAT_EQ(water.width, 49);
    EXPECT_STREQ(water.number1, "08W");
    EXPECT_FLOAT_EQ(water.lat1, 47.50f);
    EXPECT_STREQ(water.number2, "26W");
    EXPECT_FLOAT_EQ(water.lon2, -122.10f);
    EXPECT_FLOAT_EQ(water.displaced1, 0);
    EXPECT_FLOAT_EQ(water.displaced2, 0);

    ASSERT_EQ(a->nHelipads, 1);
    EXPECT_STREQ(a->helipads[0].designator, "H1");
    EXPECT_FLOAT_EQ(a->helipads[0].lat, 47.45f);
    EXPECT_FLOAT_EQ(a->helipads[0].length, 18.5f);
    EXPECT_FLOAT_EQ(a->helipads[0].width, 16);

    ASSERT_EQ(a->nStartingLocations, 2);
    EXPECT_STREQ(a->startingLocations[0].name, "Ramp Start 1");
    EXPECT_FLOAT_EQ(a->startingLocations[0].heading, 359.9f);
    EXPECT_STREQ(a->startingLocations[1].name, "A 12 Heavy");
    EXPECT_FLOAT_EQ(a->startingLocations[1].lon, -122.28f);

    ASSERT_EQ(a->nViewPoints, 2);
    EXPECT_STREQ(a->viewPoints[0].name, "ATC Tower");
    EXPECT_FLOAT_EQ(a->viewPoints[0].height, 150);
    EXPECT_STREQ(a->viewPoints[1].name, "Viewpoint");

    ASSERT_EQ(a->nSigns, 2);
    EXPECT_STREQ(a->signs[0].text, "A B 1");
    EXPECT_FLOAT_EQ(a->signs[0].lat, 47.44f);
    EXPECT_STREQ(a->signs[1].text, "");
}

TEST_F(WorldAptRows, SignTextKeepsOnlyItsLetters) {
    EXPECT_STREQ(convertAirportSign("{@Y}A{@R}B_1"), "A B 1");
    EXPECT_STREQ(convertAirportSign("{@L}A1{@Y,^l}B{^r}"), "A1 B");
    EXPECT_STREQ(convertAirportSign("__{@@}  C  __"), "C");
    EXPECT_STREQ(convertAirportSign("{no-entry}"), "");
    EXPECT_STREQ(convertAirportSign("{unclosed A"), "");
    EXPECT_STREQ(convertAirportSign("stray}brace"), "stray brace");
    std::string longText(5000, 'X');
    EXPECT_EQ(std::string(convertAirportSign(longText.c_str())).size(), 1999u);
}

TEST_F(WorldAptRows, ArraysStopAtTheirCapacity) {
    std::unique_ptr<Airport> a = emptyAirport();
    for (int n = 0; n < kMaxRunways + 1; ++n) {
        std::string number = std::to_string(n);
        addRunway(a.get(), ("100 30 1 0 0.25 0 0 0 " + number +
                            " 47 -122 0 0 0 0 0 0 X 47.1 -122 0 0 0 0 0 0")
                               .c_str());
    }
    for (int n = 0; n < kMaxStartingLocations + 1; ++n) {
        std::string row = "47 -122 90 ";
        if (n % 2 == 0) {
            addStartingLocation(a.get(), ("15 " + row + "Old " + std::to_string(n)).c_str());
        } else {
            addNewStyleStartingLocation(a.get(),
                                        ("1300 " + row + "gate all New " + std::to_string(n)).c_str());
        }
    }
    for (int n = 0; n < kMaxSigns + 1; ++n) {
        addSign(a.get(), ("20 47 -122 0 0 2 {@Y}S" + std::to_string(n)).c_str());
    }
    for (int n = 0; n < kMaxViewPoints + 1; ++n) {
        addViewPoint(a.get(), ("14 47 -122 10 0 V" + std::to_string(n)).c_str());
        addHelipad(a.get(), ("102 H" + std::to_string(n) + " 47 -122 0 10 10 1").c_str());
    }
    EXPECT_EQ(a->nRunways, kMaxRunways);
    EXPECT_STREQ(a->runways[kMaxRunways - 1].number1, "74");
    EXPECT_EQ(a->nStartingLocations, kMaxStartingLocations);
    EXPECT_STREQ(a->startingLocations[kMaxStartingLocations - 1].name, "New 149");
    EXPECT_EQ(a->nSigns, kMaxSigns);
    EXPECT_STREQ(a->signs[kMaxSigns - 1].text, "S499");
    EXPECT_EQ(a->nViewPoints, kMaxViewPoints);
    EXPECT_EQ(a->nHelipads, kMaxHelipads);
    EXPECT_STREQ(a->helipads[kMaxHelipads - 1].designator, "H149");
}

TEST_F(WorldAptRows, TextsAreCutToTheirFields) {
    std::unique_ptr<Airport> a = emptyAirport();
    std::string longWord(300, 'N');
    beginAirport(a.get(), ("17 12 0 0 ABCDEFGHIJKLMNOP " + longWord).c_str());
    EXPECT_STREQ(a->icao, "ABCDEFGHIJK");
    EXPECT_EQ(std::string(a->name), std::string(99, 'N'));
    EXPECT_EQ(a->type, kHeliport);
    addRunway(a.get(), ("101 30 1 " + longWord + " 47 -122 " + longWord + " 47.1 -122").c_str());
    ASSERT_EQ(a->nRunways, 1);
    EXPECT_EQ(std::string(a->runways[0].number1), std::string(11, 'N'));
    addHelipad(a.get(), ("102 " + longWord + " 47 -122 0 10 10").c_str());
    ASSERT_EQ(a->nHelipads, 1);
    EXPECT_EQ(std::string(a->helipads[0].designator), std::string(11, 'N'));
    addSign(a.get(), ("20 47 -122 0 0 2 " + std::string(3000, 'T')).c_str());
    ASSERT_EQ(a->nSigns, 1);
    EXPECT_EQ(std::string(a->signs[0].text).size(), 999u);
    addStartingLocation(a.get(), ("15 47 -122 0 " + longWord).c_str());
    EXPECT_EQ(std::string(a->startingLocations[0].name).size(), 99u);
}

TEST_F(WorldAptRows, RowsWhoseNumbersDoNotParseAreIgnored) {
    std::unique_ptr<Airport> a = emptyAirport();
    addRunway(a.get(), "100 45.72 1 0 0.25 1 3 0 16L 47.46 -122.30 0 0 3 1 1 0 34R 47.43");
    addRunway(a.get(), "100 45.72 1 0 0.25 1 3 0 16L north -122.30 0 0 3 1 1 0 34R 47.4 -122 0");
    addRunway(a.get(), "101 49.00 1 08W 47.50 -122.20 26W 47.51");
    addRunway(a.get(), "99 49.00 1 08W 47.50 -122.20 26W 47.51 -122.1");
    addHelipad(a.get(), "102 H1 47.45 -122.31 90.5 18.50");
    addStartingLocation(a.get(), "15 47.44 -122.29");
    addNewStyleStartingLocation(a.get(), "1300 47.44 west 90 gate jets A1");
    addViewPoint(a.get(), "14 47.45 -122.30 high 0 Tower");
    addSign(a.get(), "20 47.44");
    addSign(a.get(), "20 nan -122.30 0 0 2 A");
    EXPECT_EQ(a->nRunways, 0);
    EXPECT_EQ(a->nHelipads, 0);
    EXPECT_EQ(a->nStartingLocations, 0);
    EXPECT_EQ(a->nViewPoints, 0);
    EXPECT_EQ(a->nSigns, 0);
    // A new-style start without its name still marks the place.
    addNewStyleStartingLocation(a.get(), "1300 47.44 -122.29 90 gate jets");
    ASSERT_EQ(a->nStartingLocations, 1);
    EXPECT_STREQ(a->startingLocations[0].name, "");
}

}  // namespace
