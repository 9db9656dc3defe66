// Finding an airport in the scenery X-Plane has installed, in X-Plane's order:
// the packs of "Custom Scenery/scenery_packs.ini" from the top (the global
// airports where the file lists them), then the default airport file. The
// first pack that holds the airport wins, as in X-Plane.
#pragma once

#include <memory>
#include <string>

#include "world/airport.h"

// Null when no pack holds the code or the code is empty. Each pack's file is
// read at most once per call.
std::unique_ptr<Airport> findAirport(const char* icao);
// One pack: packPath (cut at its first line feed) + "Earth nav data/apt.dat".
std::unique_ptr<Airport> searchScenery(const std::string& packPath, const char* icao);
// The pack folder that a line of scenery_packs.ini names, ending in "/"; false
// for lines that name none, disabled packs among them. Relative paths are
// taken from X-Plane's folder (xplaneRoot, ending in "/").
bool sceneryPackFolder(const char* line, const std::string& xplaneRoot, std::string* folder);
