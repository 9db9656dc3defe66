// The plug-in's own folder below X-Plane's plugins folder.
#pragma once

#include <string>

// Fills out (room for 2000 characters) with the folder, ending in "/"; 0 when
// it cannot be determined.
int getPluginPath(char* out);
std::string getPluginPathString();
// False when the folder cannot be determined (said once in the log): the
// plug-in then reads and writes none of its own files, rather than putting
// them into X-Plane's working folder.
bool hasPluginFolder();
// Makes NAME directly below the plug-in's folder, when that is known.
void makePluginSubfolder(const char* name);
// Forgets the cached folder (the plug-in was moved or reloaded).
void resetPluginPathCache();
