// The airports near the user's aircraft, for the control panel's airport-file
// menu. The whole navigation database is walked, so the list is kept until the
// aircraft has moved.
#include "cameras/files/camera_file_list.h"
#include "community/data_cache.h"
#include "shell/angles.h"
#include "shell/plugin_state.h"
#include "xplane/sdk.h"

namespace {
const float kNearAirportNauticalMiles = 10.0f;
const float kRescanNauticalMiles = 0.1f;

struct LastScan {
    bool done = false;
    double latitude = 0;
    double longitude = 0;
};
LastScan lastScan;
}  // namespace

void DataCache::forgetCloseAirports() {
    closeAirportLocationList.clear();
    lastScan = LastScan();
}

std::vector<DataCache::AirportLocation>& DataCache::findCloseAirports(bool force) {
    double latitude = 0;
    double longitude = 0;
    getCurrentLocation(&latitude, &longitude);
    if (lastScan.done && !force &&
        !(distanceLatLon(lastScan.latitude, lastScan.longitude, latitude, longitude, 'N') >=
          kRescanNauticalMiles)) {
        return closeAirportLocationList;
    }
    closeAirportLocationList.clear();
    for (XPLMNavRef ref = XPLMFindFirstNavAidOfType(xplm_Nav_Airport); ref != XPLM_NAV_NOT_FOUND;
         ref = XPLMGetNextNavAid(ref)) {
        AirportLocation airport = {};
        XPLMNavType type = xplm_Nav_Unknown;
        XPLMGetNavAidInfo(ref, &type, &airport.lat, &airport.lon, &airport.height, nullptr,
                          nullptr, airport.id, airport.name, nullptr);
        airport.id[sizeof(airport.id) - 1] = 0;
        airport.name[sizeof(airport.name) - 1] = 0;
        if (type != xplm_Nav_Airport) {
            continue;
        }
        airport.distance =
            static_cast<float>(distanceLatLon(latitude, longitude, airport.lat, airport.lon, 'N'));
        if (!(airport.distance < kNearAirportNauticalMiles)) {
            continue;
        }
        airport.hasCameraFile = findCameraByIcaoCode(airport.id) != nullptr;
        closeAirportLocationList.push_back(airport);
    }
    lastScan.done = true;
    lastScan.latitude = latitude;
    lastScan.longitude = longitude;
    return closeAirportLocationList;
}
