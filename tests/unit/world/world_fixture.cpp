#include "world_fixture.h"

#include "world/scenery_search.h"

std::string WorldTest::nameOf(const char* icao) {
    std::unique_ptr<Airport> found = findAirport(icao);
    return found ? found->name : "(none)";
}
