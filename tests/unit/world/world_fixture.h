// A fresh simulated X-Plane folder in which a test lays out scenery: the
// scenery order file and the apt.dat files of packs, global airports and the
// default airports.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/simulated_xplane.h"
#include "world/airport.h"

const char* const kPacksFile = "Custom Scenery/scenery_packs.ini";
const char* const kGlobalAptDat = "Global Scenery/Global Airports/Earth nav data/apt.dat";
const char* const kDefaultAptDat =
    "Resources/default scenery/default apt dat/Earth nav data/apt.dat";

class WorldTest : public ::testing::Test {
protected:
    WorldTest() : xplane(false) {}

    void write(const std::string& relative, const std::string& text) {
        SimulatedXPlane::writeFile(xplane.path(relative), text);
    }
    static std::string packAptDat(const std::string& pack) {
        return "Custom Scenery/" + pack + "/Earth nav data/apt.dat";
    }
    // An apt.dat file: X-Plane's two heading lines, the rows, the end row.
    static std::string aptDat(const std::string& rows) {
        return "I\n1100 Version - data cycle 2024.01\n\n" + rows + "99\n";
    }
    // A small airport: header, one runway and a named start.
    static std::string airport(const std::string& code, const std::string& name) {
        return "1 433 0 0 " + code + " " + name + "\n" +
               "100 45.00 1 0 0.25 1 3 0 16L 47.46 -122.30 0 0 3 1 1 0 34R 47.43 -122.30 0 0 3 "
               "0 0 0\n" +
               "1300 47.44 -122.29 90.0 gate jets Gate " + code + "\n";
    }
    std::string nameOf(const char* icao);

    SimulatedXPlane xplane;
};
