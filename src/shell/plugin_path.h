// The plug-in's own folder below X-Plane's plugins folder.
#pragma once

#include <string>

// Fills out (room for 2000 characters) with the folder, ending in "/"; 0 when
// it cannot be determined.
int getPluginPath(char* out);
std::string getPluginPathString();
// Forgets the cached folder (the plug-in was moved or reloaded).
void resetPluginPathCache();
