#include "shell/host_info.h"

#include <chrono>
#include <cstdio>

char* getVersionString() {
    static char version[32];
    snprintf(version, sizeof(version), "%d.%s", 2, "4.3");
    return version;
}

int getXPlaneVersion() {
    int xplaneVersion = 0;
    int xplmVersion = 0;
    XPLMHostApplicationID host = 0;
    XPLMGetVersions(&xplaneVersion, &xplmVersion, &host);
    return xplaneVersion;
}

bool isXPlane9() { return getXPlaneVersion() < 10000; }

bool isXPlane11() { return getXPlaneVersion() >= 11000; }

int64_t getElapsedMilliSeconds() {
    static const auto origin = std::chrono::steady_clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now() - origin)
        .count();
}

bool pluginInExists(const char* signature, PluginInfo* info) {
    XPLMPluginID id = XPLMFindPluginBySignature(signature);
    if (id == XPLM_NO_PLUGIN_ID) {
        return false;
    }
    if (info != nullptr) {
        info->id = id;
        XPLMGetPluginInfo(id, info->name, info->path, info->signature, info->description);
    }
    return true;
}

std::string getSystemPathStr() {
    char path[2048] = {};
    XPLMGetSystemPath(path);
    path[sizeof(path) - 1] = 0;
    return path;
}
