#include <cctype>

#include "cameras/files/camera_file_list.h"
#include "scene/engine_datarefs.h"
#include "shell/angles.h"
#include "xplane/sdk.h"

namespace {
const double kNearAirportNauticalMiles = 20.0;

std::string upperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

void aircraftLocation(float* latitude, float* longitude) {
    const EngineDataRefs& refs = engineDataRefs();
    *latitude = refs.planeLatitude != nullptr ? static_cast<float>(XPLMGetDatad(refs.planeLatitude)) : 0;
    *longitude =
        refs.planeLongitude != nullptr ? static_cast<float>(XPLMGetDatad(refs.planeLongitude)) : 0;
}

// Codes become file names: one that could name a place outside the folder is
// no code.
bool isUsableCode(const std::string& code) {
    return !code.empty() && code[0] != '.' && code.find('/') == std::string::npos;
}
}  // namespace

std::string getAirportIcaoCode(GlobalCameraFileNameEntry* entry) {
    if (entry == nullptr || entry->fileType != kAirportCameraFile) {
        return std::string();
    }
    std::string name = entry->fileName;
    size_t end = name.find('-');
    if (end == std::string::npos) {
        end = name.find('.');
    }
    return end == std::string::npos ? std::string() : name.substr(0, end);
}

void getAirportLocation(GlobalCameraFileNameEntry* entry) {
    std::string code = getAirportIcaoCode(entry);
    if (code.empty()) {
        return;
    }
    XPLMNavRef airport =
        XPLMFindNavAid(nullptr, code.c_str(), nullptr, nullptr, nullptr, xplm_Nav_Airport);
    if (airport == XPLM_NAV_NOT_FOUND) {
        return;
    }
    float latitude = 0;
    float longitude = 0;
    XPLMGetNavAidInfo(airport, nullptr, &latitude, &longitude, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr);
    entry->airportLat = latitude;
    entry->airportLon = longitude;
}

void getAirportLocations() {
    for (GlobalCameraFileNameEntry* entry = getGlobalCameraFileNameList(); entry != nullptr;
         entry = entry->next) {
        if (entry->fileType == kAirportCameraFile) {
            getAirportLocation(entry);
        }
    }
}

GlobalCameraFileNameEntry* findCameraByIcaoCode(const char* icao) {
    if (icao == nullptr || icao[0] == 0) {
        return nullptr;
    }
    std::string code = upperCase(icao);
    GlobalCameraFileNameEntry* community = nullptr;
    for (GlobalCameraFileNameEntry* entry = getGlobalCameraFileNameList(); entry != nullptr;
         entry = entry->next) {
        if (entry->fileType != kAirportCameraFile ||
            upperCase(entry->fileName).find(code) == std::string::npos) {
            continue;
        }
        if (entry->directoryIndex == kMyAirportCameras) {
            return entry;
        }
        community = entry;
    }
    return community;
}

std::string getNearestAirportIcaoCode() {
    float latitude = 0;
    float longitude = 0;
    aircraftLocation(&latitude, &longitude);
    XPLMNavRef airport =
        XPLMFindNavAid(nullptr, nullptr, &latitude, &longitude, nullptr, xplm_Nav_Airport);
    if (airport == XPLM_NAV_NOT_FOUND) {
        return std::string();
    }
    char id[64] = {};
    XPLMGetNavAidInfo(airport, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, id, nullptr,
                      nullptr);
    id[sizeof(id) - 1] = 0;
    return id;
}

GlobalCameraFileNameEntry* findNearestAirportCameraFile() {
    if (GlobalCameraFileNameEntry* hit = findCameraByIcaoCode(getNearestAirportIcaoCode().c_str())) {
        return hit;
    }
    float latitude = 0;
    float longitude = 0;
    aircraftLocation(&latitude, &longitude);
    GlobalCameraFileNameEntry* nearest = nullptr;
    double best = kNearAirportNauticalMiles;
    for (GlobalCameraFileNameEntry* entry = getGlobalCameraFileNameList(); entry != nullptr;
         entry = entry->next) {
        if (entry->fileType != kAirportCameraFile) {
            continue;
        }
        double distance =
            distanceLatLon(latitude, longitude, entry->airportLat, entry->airportLon, 'N');
        if (distance < best) {
            best = distance;
            nearest = entry;
        }
    }
    return nearest;
}

GlobalCameraFileNameEntry* addGlobalCameraFile(const char* icao) {
    std::string code = icao != nullptr ? std::string(icao) : getNearestAirportIcaoCode();
    if (!isUsableCode(code)) {
        return nullptr;
    }
    if (GlobalCameraFileNameEntry* existing = findCameraByIcaoCode(code.c_str())) {
        return existing;
    }
    GlobalCameraFileNameEntry* entry = createCameraFileEntry(kAirportCameraFile);
    entry->directoryIndex = kMyAirportCameras;
    copyText(entry->fileName, sizeof(entry->fileName), (code + ".csv").c_str());
    copyText(entry->path, sizeof(entry->path), getGlobalCameraPath(entry).c_str());
    getAirportLocation(entry);
    GlobalCameraFileNameEntry* last = getGlobalCameraFileNameList();
    while (last->next != nullptr) {
        last = last->next;
    }
    last->next = entry;
    entry->prev = last;
    return entry;
}
