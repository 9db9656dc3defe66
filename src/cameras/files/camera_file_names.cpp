#include <cstdio>
#include <cstring>
#include <ctime>

#include "cameras/files/camera_file.h"
#include "shell/plugin_path.h"
#include "shell/regular_file.h"
#include "xplane/sdk.h"

namespace {
// The SDK fills at most 256 and 512 bytes; the room beyond is a margin.
struct AircraftModel {
    std::string fileName;
    std::string folder;  // without the trailing '/'
};

AircraftModel userAircraft() {
    char fileName[1024] = {};
    char path[4096] = {};
    XPLMGetNthAircraftModel(XPLM_USER_AIRCRAFT, fileName, path);
    fileName[sizeof(fileName) - 1] = 0;
    path[sizeof(path) - 1] = 0;
    AircraftModel model;
    model.fileName = fileName;
    std::string full = path;
    size_t slash = full.rfind('/');
    if (slash != std::string::npos) {
        model.folder = full.substr(0, slash);
    }
    return model;
}

std::string inAircraftFolder(const std::string& name) {
    AircraftModel model = userAircraft();
    if (model.fileName.empty() || model.folder.empty()) {
        return std::string();
    }
    return model.folder + "/" + name;
}
}  // namespace

std::string getAircraftName() {
    std::string name = userAircraft().fileName;
    return name.substr(0, name.find('.'));
}

std::string getAircraftCameraFileName() { return "Ovilux_" + getAircraftName() + ".csv"; }

std::string getAircraftCameraFilePath() { return inAircraftFolder(getAircraftCameraFileName()); }

std::string getCameraFilePath() { return inAircraftFolder("Ovilux.csv"); }

std::string getBackupFilePath(const char* path) {
    const char* marker = "/Aircraft/";
    std::string text = path;
    size_t found = text.find(marker);
    if (found == std::string::npos) {
        return std::string();
    }
    std::string below = text.substr(found + strlen(marker));
    for (char& c : below) {
        if (c == '/') {
            c = '_';
        }
    }
    return getPluginPathString() + "AircraftCameraBackups/" + below;
}

std::string getDateTime() {
    time_t now = time(nullptr);
    struct tm local = {};
    localtime_r(&now, &local);
    char text[64];
    strftime(text, sizeof(text), "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

bool testForCameraFile() {
    FILE* file = openRegularFileStream(getAircraftCameraFilePath());
    if (file == nullptr) {
        return false;
    }
    fclose(file);
    return true;
}
