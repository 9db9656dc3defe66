// A simulated X-Plane folder for the fuzz targets, made once per process, with
// the plug-in's code attached as the loaded plug-in.
#pragma once

#include <string>

struct FuzzHost {
    std::string root;          // ends without "/"
    std::string pluginFolder;  // ends in "/"
};

const FuzzHost& fuzzHost();
void writeWholeFile(const std::string& path, const unsigned char* data, size_t size);
std::string readWholeFile(const std::string& path);
