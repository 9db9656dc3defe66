// What the plug-in knows of itself and of the X-Plane it runs in.
#pragma once

#include <cstdint>
#include <string>

#include "xplane/sdk.h"

// "2.4.3"
char* getVersionString();
int getXPlaneVersion();
bool isXPlane9();
bool isXPlane11();
// Whole milliseconds of the steady clock since the first call. Any thread.
int64_t getElapsedMilliSeconds();

struct PluginInfo {
    int id = XPLM_NO_PLUGIN_ID;
    char name[2000] = {};
    char path[2000] = {};
    char signature[2000] = {};
    char description[2000] = {};
};
bool pluginInExists(const char* signature, PluginInfo* info);

// X-Plane's folder, ending in "/".
std::string getSystemPathStr();
