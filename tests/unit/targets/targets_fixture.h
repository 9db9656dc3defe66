// The plug-in enabled over a simulated X-Plane whose plug-in folder holds the
// targets file, with helpers for the file and the targets near the aircraft.
#pragma once

#include <string>
#include <vector>

#include "cameras/targets/target.h"
#include "unit/positioning/positioning_fixture.h"

class TargetsFixture : public PositioningFixture {
protected:
    void SetUp() override;

    std::string targetsFilePath() const;
    std::string readTargetsFile() const;
    void writeTargetsFile(const std::string& text) const;
    // The names of the collected targets, in collection order.
    std::vector<std::string> collectedNames() const;
};

const char* const kTargetsHeader = "Name, Date, Latitude, Longitude, Elevation in Meters\n";
