// An airport of the user's making in the default scenery beside the Cessna's
// position (47 N 8 E), flat terrain under it, and its airport camera file
// active: what the airport camera generator works from.
#pragma once

#include <string>

#include "cameras/generators/airport_camera_generator.h"
#include "unit/positioning/positioning_fixture.h"

const char* const kAirportAptDat =
    "Resources/default scenery/default apt dat/Earth nav data/apt.dat";
// Exact in a float, so a point read back from apt.dat is the one written.
const double kStep = 1.0 / 2048.0;  // about 54 m north, 37 m east
const double kTerrain = 480.0;      // metres; the airport says 1640 ft (499.9 m)

// A coordinate as apt.dat writes it.
std::string aptNumber(double value);

class AirportFixture : public PositioningFixture {
protected:
    // The airport rows (after the header of "LSZX Test Field") into the
    // default apt.dat; the plug-in runs with the cockpit set; then LSZX's
    // camera file becomes the active one.
    void startAt(const std::string& rows);
    void generate(const AirportCameraCreationOptions& options = AirportCameraCreationOptions());

    // The local point of a world one, on the terrain.
    static Vec ground(double latitude, double longitude);
    // The category of that name; fails the test when there is none.
    Category& category(const char* name);
    bool hasCategory(const char* name);
};
