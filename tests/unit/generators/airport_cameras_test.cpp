// Airport camera sets generated from a real-format apt.dat on flat simulated
// terrain: where each kind of camera stands and looks, sign culling, the
// targets, and what is left alone when the airport is not in the scenery.
#include <cmath>
#include <string>

#include "airport_fixture.h"
#include "cameras/files/camera_file.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "libwinkit/message_box.h"
#include "xplane/sdk.h"

namespace {

const double kLat = 47.0;
const double kLon = 8.0;
const double kFeet = 3.28084;

std::string runway(const char* n1, double lat1, double lon1, const char* n2, double lat2,
                   double lon2) {
    return "100 45.00 1 0 0.25 1 3 0 " + std::string(n1) + " " + aptNumber(lat1) + " " +
           aptNumber(lon1) + " 0 0 3 1 1 0 " + n2 + " " + aptNumber(lat2) + " " + aptNumber(lon2) +
           " 0 0 3 0 0 0\n";
}

std::string sign(double lat, double lon, const std::string& text) {
    return "20 " + aptNumber(lat) + " " + aptNumber(lon) + " 0 0 2 " + text + "\n";
}

// Two runways, two kinds of starting location, a tower viewpoint, a helipad
// and signs.
std::string testField() {
    return runway("09", kLat, kLon, "27", kLat, kLon + 32 * kStep) +
           runway("36", kLat - 8 * kStep, kLon + 16 * kStep, "18", kLat + 8 * kStep,
                  kLon + 16 * kStep) +
           "1300 " + aptNumber(kLat + 4 * kStep) + " " + aptNumber(kLon) +
           " 0.0 gate jets Gate A1\n" + "15 " + aptNumber(kLat - 4 * kStep) + " " +
           aptNumber(kLon) + " 90.0 Ramp 2\n" + "14 " + aptNumber(kLat + 2 * kStep) + " " +
           aptNumber(kLon + 2 * kStep) + " 100 0 Tower\n" + "102 H1 " +
           aptNumber(kLat - 2 * kStep) + " " + aptNumber(kLon - 2 * kStep) +
           " 0 15 15 1 0 0 0.25 0\n";
}

class AirportCameras : public AirportFixture {
protected:
    static void expectAt(const Camera& camera, Vec where, double height) {
        EXPECT_NEAR(camera.x, where.x, 0.05) << camera.name;
        EXPECT_NEAR(camera.y, where.y + height, 0.05) << camera.name;
        EXPECT_NEAR(camera.z, where.z, 0.05) << camera.name;
    }
    static const Target* storedTarget(const char* name, double lat, double lon) {
        for (const Target* t = getTargetBucket(getTargetRow(lat), getTargetColumn(lon));
             t != nullptr; t = t->next) {
            if (std::string(t->name) == name) {
                return t;
            }
        }
        return nullptr;
    }
};

TEST_F(AirportCameras, EveryKindStandsWhereItsPlacementPutsIt) {
    startAt(testField() + sign(kLat + 6 * kStep, kLon + 6 * kStep, "{@Y}A1"));
    generate();

    ASSERT_EQ(getNumberOfCategories(), 5);
    const char* order[] = {"Starting Locations", "View Points", "Runways", "Helipads", "Signs 0"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(getCategory(i)->name, order[i]);
    }
    EXPECT_EQ(getCurrentCategoryIndex(), 0);

    // Runway ends: 40 m back on the approach side, 20 m up, looking down the
    // runway in their landing direction.
    Category& runways = category("Runways");
    ASSERT_EQ(runways.numberOfCameras, 4);
    Vec west = ground(kLat, kLon), east = ground(kLat, kLon + 32 * kStep);
    Vec south = ground(kLat - 8 * kStep, kLon + 16 * kStep);
    Vec north = ground(kLat + 8 * kStep, kLon + 16 * kStep);
    const Camera& r09 = runways.cameras[0];
    EXPECT_STREQ(r09.name, "09");
    EXPECT_NEAR(r09.heading, 90.0, 0.01);
    expectAt(r09, {west.x - 40, west.y, west.z}, 20);
    EXPECT_STREQ(runways.cameras[1].name, "27");
    EXPECT_NEAR(runways.cameras[1].heading, 270.0, 0.01);
    expectAt(runways.cameras[1], {east.x + 40, east.y, east.z}, 20);
    EXPECT_STREQ(runways.cameras[2].name, "36");
    // North: 0, or a hair under 360.
    EXPECT_NEAR(std::fmod(runways.cameras[2].heading + 180.0, 360.0), 180.0, 0.01);
    expectAt(runways.cameras[2], {south.x, south.y, south.z + 40}, 20);
    EXPECT_STREQ(runways.cameras[3].name, "18");
    EXPECT_NEAR(runways.cameras[3].heading, 180.0, 0.01);
    expectAt(runways.cameras[3], {north.x, north.y, north.z - 40}, 20);
    for (int i = 0; i < 4; ++i) {
        const Camera& c = runways.cameras[i];
        EXPECT_TRUE(c.external && c.freeCamera && c.trackHeading && c.trackPitch);
        EXPECT_EQ(c.initialMovementRange, 2);
        EXPECT_FLOAT_EQ(c.pitch, 0.0f);
        // World-anchored: its latitude and longitude give back its point.
        double x, y, z;
        XPLMWorldToLocal(c.latitude, c.longitude, c.elevation, &x, &y, &z);
        EXPECT_NEAR(x, c.x, 0.05);
        EXPECT_NEAR(z, c.z, 0.05);
        EXPECT_FLOAT_EQ(c.savedPosition.x, c.x);
        EXPECT_FLOAT_EQ(c.savedPosition.y, c.y);
    }

    // A parked aircraft is seen from 40 m ahead of its nose, facing it, 10
    // degrees down; rows 15 and 1300 alike.
    Category& starts = category("Starting Locations");
    ASSERT_EQ(starts.numberOfCameras, 2);
    Vec gate = ground(kLat + 4 * kStep, kLon), ramp = ground(kLat - 4 * kStep, kLon);
    EXPECT_STREQ(starts.cameras[0].name, "Gate A1");
    EXPECT_NEAR(starts.cameras[0].heading, 180.0, 0.01);
    EXPECT_FLOAT_EQ(starts.cameras[0].pitch, -10.0f);
    expectAt(starts.cameras[0], {gate.x, gate.y, gate.z - 40}, 20);
    EXPECT_STREQ(starts.cameras[1].name, "Ramp 2");
    EXPECT_NEAR(starts.cameras[1].heading, 270.0, 0.01);
    expectAt(starts.cameras[1], {ramp.x + 40, ramp.y, ramp.z}, 20);

    Category& views = category("View Points");
    ASSERT_EQ(views.numberOfCameras, 1);
    EXPECT_STREQ(views.cameras[0].name, "Tower");
    expectAt(views.cameras[0], ground(kLat + 2 * kStep, kLon + 2 * kStep), 100 / kFeet);
    EXPECT_FLOAT_EQ(views.cameras[0].heading, 0.0f);

    Category& pads = category("Helipads");
    ASSERT_EQ(pads.numberOfCameras, 1);
    Vec pad = ground(kLat - 2 * kStep, kLon - 2 * kStep);
    EXPECT_STREQ(pads.cameras[0].name, "H1");
    expectAt(pads.cameras[0], {pad.x + 40, pad.y, pad.z}, 20);

    Category& signs = category("Signs 0");
    ASSERT_EQ(signs.numberOfCameras, 1);
    EXPECT_STREQ(signs.cameras[0].name, "A1");
    expectAt(signs.cameras[0], ground(kLat + 6 * kStep, kLon + 6 * kStep), 2);
}

TEST_F(AirportCameras, OptionsTurnStartsForwardAndTrackingOff) {
    startAt(testField());
    AirportCameraCreationOptions options;
    options.forwardFacingStart = true;
    options.enableTracking = false;
    options.startHorizontalOffset = 10;
    options.startVerticalOffset = 5;
    options.runwayHorizontalOffset = 100;
    options.runwayVerticalOffset = 50;
    generate(options);

    const Camera& gate = category("Starting Locations").cameras[0];
    Vec at = ground(kLat + 4 * kStep, kLon);
    EXPECT_NEAR(gate.heading, 0.0, 0.01);
    expectAt(gate, {at.x, at.y, at.z + 10}, 5);
    EXPECT_FALSE(gate.trackHeading || gate.trackPitch);
    const Camera& r09 = category("Runways").cameras[0];
    Vec west = ground(kLat, kLon);
    expectAt(r09, {west.x - 100, west.y, west.z}, 50);
    EXPECT_FALSE(r09.trackHeading || r09.trackPitch);
    // Viewpoints, helipads and signs always track.
    EXPECT_TRUE(category("View Points").cameras[0].trackHeading);
    const Camera& pad = category("Helipads").cameras[0];
    EXPECT_TRUE(pad.trackHeading && pad.trackPitch);
    Vec padAt = ground(kLat - 2 * kStep, kLon - 2 * kStep);
    expectAt(pad, {padAt.x + 10, padAt.y, padAt.z}, 5);
}

TEST_F(AirportCameras, SignsCloseTogetherAreCulledAndUnnamedOnesNumbered) {
    double near = 1.0 / 32768.0;  // about 2.3 m east
    std::string rows = sign(kLat, kLon, "First") + sign(kLat, kLon + near, "Close") +
                       sign(kLat, kLon + 2 * near, "Closer") + sign(kLat + kStep, kLon, "") +
                       sign(kLat + 2 * kStep, kLon, "");
    startAt(rows);
    generate();
    ASSERT_EQ(getNumberOfCategories(), 1);
    Category& signs = category("Signs 0");
    ASSERT_EQ(signs.numberOfCameras, 3);
    EXPECT_STREQ(signs.cameras[0].name, "First");
    EXPECT_STREQ(signs.cameras[1].name, "Sign_1");
    EXPECT_STREQ(signs.cameras[2].name, "Sign_2");
    expectAt(signs.cameras[1], ground(kLat + kStep, kLon), 2);

    AirportCameraCreationOptions keepAll;
    keepAll.signCullingRadius = 0;
    generate(keepAll);
    ASSERT_EQ(category("Signs 0").numberOfCameras, 5);
    EXPECT_STREQ(category("Signs 0").cameras[1].name, "Close");
}

TEST_F(AirportCameras, KeptSignsFillCategoriesOfAHundredAndNoneIsLeftEmpty) {
    std::string rows;
    for (int i = 0; i < 250; ++i) {
        rows += sign(kLat + (i / 16) * kStep, kLon + (i % 16) * kStep, "");
    }
    startAt(rows);
    generate();
    ASSERT_EQ(getNumberOfCategories(), 3);
    EXPECT_EQ(category("Signs 0").numberOfCameras, 100);
    EXPECT_EQ(category("Signs 1").numberOfCameras, 100);
    EXPECT_EQ(category("Signs 2").numberOfCameras, 50);
    EXPECT_STREQ(category("Signs 2").cameras[49].name, "Sign_49");

    // A hundred signs kept, then only signs on top of kept ones: the next
    // category would hold nothing, so it is not made.
    rows.clear();
    for (int i = 0; i < 100; ++i) {
        rows += sign(kLat + (i / 16) * kStep, kLon + (i % 16) * kStep, "");
    }
    for (int i = 0; i < 3; ++i) {
        rows += sign(kLat, kLon + i * kStep, "Again");
    }
    SimulatedXPlane::writeFile(xplane.path(kAirportAptDat),
                               "I\n1100 Version\n\n1 1640 0 0 LSZX Test Field\n" + rows + "99\n");
    generate();
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(category("Signs 0").numberOfCameras, 100);
    EXPECT_FALSE(hasCategory("Signs 1"));
}

TEST_F(AirportCameras, TargetsMarkViewpointsRunwayEndsAndHelipadsAMetreUp) {
    startAt(testField());
    generate();
    const Target* tower =
        storedTarget("LSZX - Viewpoint - Tower", kLat + 2 * kStep, kLon + 2 * kStep);
    ASSERT_NE(tower, nullptr);
    EXPECT_EQ(tower->originType, TargetFixedPoint);
    EXPECT_NEAR(tower->elevation, kTerrain + 100 / kFeet + 1.0, 0.01);
    const Target* threshold = storedTarget("LSZX - Runway - 27", kLat, kLon + 32 * kStep);
    ASSERT_NE(threshold, nullptr);
    EXPECT_NEAR(threshold->latitude, kLat, 1e-9);
    EXPECT_NEAR(threshold->longitude, kLon + 32 * kStep, 1e-9);
    EXPECT_NEAR(threshold->elevation, kTerrain + 1.0, 0.01);
    EXPECT_NE(storedTarget("LSZX - Runway - 09", kLat, kLon), nullptr);
    EXPECT_NE(storedTarget("LSZX - Helipad - H1", kLat - 2 * kStep, kLon - 2 * kStep), nullptr);
    std::string file = SimulatedXPlane::readFile(getTargetFilePath());
    EXPECT_NE(file.find("LSZX - Runway - 36,"), std::string::npos) << file;
}

TEST_F(AirportCameras, WithoutTargetsTheTargetsFileIsUntouched) {
    startAt(testField());
    std::string before = SimulatedXPlane::readFile(getTargetFilePath());
    AirportCameraCreationOptions options;
    options.createTargets = false;
    generate(options);
    EXPECT_EQ(getNumberOfCategories(), 4);
    EXPECT_EQ(SimulatedXPlane::readFile(getTargetFilePath()), before);
    EXPECT_EQ(storedTarget("LSZX - Runway - 09", kLat, kLon), nullptr);
}

TEST_F(AirportCameras, AnAirportMissingFromTheSceneryLeavesTheSetAsItWas) {
    startAt(testField());
    generate();
    // The scenery no longer has it: regenerating changes nothing.
    SimulatedXPlane::writeFile(xplane.path(kAirportAptDat),
                               "I\n1100 Version\n\n1 100 0 0 LSZY Other Field\n99\n");
    Category& runways = category("Runways");
    runways.cameras[0].x += 5;
    float x = runways.cameras[0].x;
    size_t boxes = messageBoxes().size();
    size_t logged = xpsim::logText().size();
    generate();
    EXPECT_EQ(getNumberOfCategories(), 4);
    EXPECT_FLOAT_EQ(category("Runways").cameras[0].x, x);
    xpsim::runFrames(2);
    bool spoken = false;
    for (const std::string& text : xpsim::spokenTexts()) {
        spoken = spoken || text == "Unable to find this airport in the scenery database";
    }
    EXPECT_TRUE(spoken);
    // Spoken only: no box and no log line of its own.
    EXPECT_EQ(messageBoxes().size(), boxes);
    EXPECT_EQ(xpsim::logText().size(), logged);
}

TEST_F(AirportCameras, RegeneratingReplacesTheWholeAirportSet) {
    startAt(testField());
    int before = getNumberOfCategories();
    ASSERT_GT(before, 0);
    EXPECT_STRNE(getCategory(0)->name, "Starting Locations");  // the default airport set
    generate();
    EXPECT_STREQ(getCategory(0)->name, "Starting Locations");
    EXPECT_EQ(getNumberOfCategories(), 4);
    // An airport without anything to place cameras at keeps the set (an
    // empty one would be refilled from the aircraft's file).
    SimulatedXPlane::writeFile(xplane.path(kAirportAptDat),
                               "I\n1100 Version\n\n1 1640 0 0 LSZX Test Field\n99\n");
    generate();
    EXPECT_EQ(getNumberOfCategories(), 4);
    EXPECT_TRUE(isAirportFileActive());
    EXPECT_TRUE(logHas("LSZX has nothing to place cameras at"));
}

TEST_F(AirportCameras, WhereNoTerrainIsFoundTheAirportsElevationServes) {
    startAt(testField());
    xpsim::setProbesMiss(true);
    generate();
    xpsim::setProbesMiss(false);
    double x, y, z;
    XPLMWorldToLocal(kLat, kLon, 1640 / kFeet, &x, &y, &z);
    expectAt(category("Runways").cameras[0], {x - 40, y, z}, 20);
    const Target* threshold = storedTarget("LSZX - Runway - 09", kLat, kLon);
    ASSERT_NE(threshold, nullptr);
    EXPECT_NEAR(threshold->elevation, 1640 / kFeet + 1.0, 0.01);
}

TEST_F(AirportCameras, OnlyAnActiveAirportFileIsGeneratedInto) {
    startAt(testField());
    readCameras(nullptr);
    ASSERT_FALSE(isAirportFileActive());
    std::string first = getCategory(0)->name;
    generate();
    EXPECT_EQ(getCategory(0)->name, first);
    EXPECT_FALSE(hasCategory("Runways"));
}

TEST(AirportBearing, CompassBearingsInTheLocalFrame) {
    // x east, z south.
    EXPECT_NEAR(calculateBearing(0, 0, 0, -10), 0.0, 1e-4);
    EXPECT_NEAR(calculateBearing(0, 10, 0, 0), 90.0, 1e-4);
    EXPECT_NEAR(calculateBearing(0, 0, 0, 10), 180.0, 1e-4);
    EXPECT_NEAR(calculateBearing(0, -10, 0, 0), 270.0, 1e-4);
    EXPECT_NEAR(calculateBearing(0, -10, 0, -10), 315.0, 1e-4);
    EXPECT_NEAR(calculateBearing(5, 15, 5, 15), 135.0, 1e-4);
}

}  // namespace
