// XPLMNavigation over the airports of the apt.dat files under the root; the
// database is read on first use after reset, setRoot or rebuildNavDatabase.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>

#include "apt_dat.h"
#include "internal.h"
#include "xpsim.h"

namespace fs = std::filesystem;

namespace xpsim {
namespace {

using detail::Airport;

std::vector<Airport> airports;
bool built = false;

// Highest priority first, as X-Plane layers scenery: custom packs (by folder
// name here, not scenery_packs.ini), the global airports, then the default
// apt.dat. An ident already read keeps its first airport.
std::vector<std::string> aptDatFiles() {
    const std::string& top = root();
    std::vector<std::string> files;
    std::error_code error;
    std::vector<std::string> packs;
    for (fs::directory_iterator it(top + "Custom Scenery", error), end; !error && it != end;
         it.increment(error))
        packs.push_back(it->path().string());
    std::sort(packs.begin(), packs.end());
    for (const auto& pack : packs) files.push_back(pack + "/Earth nav data/apt.dat");
    files.push_back(top + "Global Scenery/Global Airports/Earth nav data/apt.dat");
    files.push_back(top + "Resources/default scenery/default apt dat/Earth nav data/apt.dat");
    return files;
}

const std::vector<Airport>& database() {
    if (built) return airports;
    built = true;
    airports.clear();
    std::set<std::string> idents;
    for (const auto& file : aptDatFiles()) {
        std::vector<Airport> found;
        if (!detail::readAptDatFile(file, &found)) continue;
        for (auto& airport : found)
            if (idents.insert(airport.ident).second) airports.push_back(std::move(airport));
    }
    return airports;
}

bool valid(XPLMNavRef ref) {
    return ref >= 0 && ref < static_cast<int>(database().size());
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool contains(const std::string& text, const char* fragment) {
    return !fragment || lower(text).find(lower(fragment)) != std::string::npos;
}

double distanceKm(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadians = 3.14159265358979323846 / 180.0;
    double dLat = (lat2 - lat1) * kRadians;
    double dLon = (lon2 - lon1) * kRadians;
    double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
               std::cos(lat1 * kRadians) * std::cos(lat2 * kRadians) * std::sin(dLon / 2) *
                   std::sin(dLon / 2);
    return 6371.0 * 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a));
}

}  // namespace

void rebuildNavDatabase() { built = false; }

namespace detail {
void resetNavigation() {
    built = false;
    airports.clear();
}
}  // namespace detail

}  // namespace xpsim

XPLM_API XPLMNavRef XPLMGetFirstNavAid(void) {
    return xpsim::valid(0) ? 0 : XPLM_NAV_NOT_FOUND;
}

XPLM_API XPLMNavRef XPLMGetNextNavAid(XPLMNavRef inNavAidRef) {
    return xpsim::valid(inNavAidRef) && xpsim::valid(inNavAidRef + 1) ? inNavAidRef + 1
                                                                      : XPLM_NAV_NOT_FOUND;
}

XPLM_API XPLMNavRef XPLMFindFirstNavAidOfType(XPLMNavType inType) {
    return (inType & xplm_Nav_Airport) && xpsim::valid(0) ? 0 : XPLM_NAV_NOT_FOUND;
}

XPLM_API XPLMNavRef XPLMFindLastNavAidOfType(XPLMNavType inType) {
    int last = static_cast<int>(xpsim::database().size()) - 1;
    return (inType & xplm_Nav_Airport) && last >= 0 ? last : XPLM_NAV_NOT_FOUND;
}

// Fragments match anywhere, ignoring case. With a position the nearest match
// wins, else the first in the database. Airports have no frequency, so a
// frequency other than 0 matches none.
XPLM_API XPLMNavRef XPLMFindNavAid(const char* inNameFragment, const char* inIDFragment,
                                   float* inLat, float* inLon, int* inFrequency,
                                   XPLMNavType inType) {
    if (!(inType & xplm_Nav_Airport) || (inFrequency && *inFrequency != 0))
        return XPLM_NAV_NOT_FOUND;
    bool near = inLat && inLon;
    const auto& all = xpsim::database();
    XPLMNavRef best = XPLM_NAV_NOT_FOUND;
    double bestDistance = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const auto& airport = all[i];
        if (!xpsim::contains(airport.name, inNameFragment) ||
            !xpsim::contains(airport.ident, inIDFragment))
            continue;
        if (!near) return static_cast<XPLMNavRef>(i);
        double distance = xpsim::distanceKm(*inLat, *inLon, airport.latitude, airport.longitude);
        if (best == XPLM_NAV_NOT_FOUND || distance < bestDistance) {
            best = static_cast<XPLMNavRef>(i);
            bestDistance = distance;
        }
    }
    return best;
}

// outHeight is the elevation in metres.
XPLM_API void XPLMGetNavAidInfo(XPLMNavRef inRef, XPLMNavType* outType, float* outLatitude,
                                float* outLongitude, float* outHeight, int* outFrequency,
                                float* outHeading, char* outID, char* outName, char* outReg) {
    if (!xpsim::valid(inRef)) {
        if (outType) *outType = xplm_Nav_Unknown;
        return;
    }
    const auto& airport = xpsim::database()[inRef];
    if (outType) *outType = xplm_Nav_Airport;
    if (outLatitude) *outLatitude = static_cast<float>(airport.latitude);
    if (outLongitude) *outLongitude = static_cast<float>(airport.longitude);
    if (outHeight) *outHeight = static_cast<float>(airport.elevationM);
    if (outFrequency) *outFrequency = 0;
    if (outHeading) *outHeading = 0;
    if (outID) std::snprintf(outID, 32, "%s", airport.ident.c_str());
    if (outName) std::snprintf(outName, 256, "%s", airport.name.c_str());
    if (outReg) *outReg = 1;
}
