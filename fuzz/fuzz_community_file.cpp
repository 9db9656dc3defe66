// Any bytes as a file of the community library: the property reader must
// neither crash nor step outside a buffer, must leave every text terminated
// within its width and the counts sane, and must leave the file as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "community/community_file_properties.h"
#include "host_setup.h"

namespace {
std::string libraryFile() {
    static std::string path = [] {
        std::string folder = fuzzHost().pluginFolder + "CommunityAircraftCameras";
        std::filesystem::create_directories(folder);
        return folder + "/Fuzz-Shared.csv";
    }();
    return path;
}

void expectWithin(const char* text, size_t size, size_t longest, const char* what) {
    if (memchr(text, 0, size) == nullptr || strlen(text) > longest) {
        fprintf(stderr, "%s is not a terminated text of at most %zu characters\n", what, longest);
        abort();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = libraryFile();
    writeWholeFile(path, data, size);

    GlobalCameraFileNameEntry entry;
    snprintf(entry.path, sizeof(entry.path), "%s", path.c_str());
    entry.properties.numberOfCategories = 1;
    readAircraftFileProperties(&entry);

    const CameraFileProperty& properties = entry.properties;
    expectWithin(properties.oviluxVersion, sizeof(properties.oviluxVersion), 39, "version");
    expectWithin(properties.aircraft, sizeof(properties.aircraft), 40, "aircraft");
    expectWithin(properties.author, sizeof(properties.author), 39, "author");
    expectWithin(properties.fileVersion, sizeof(properties.fileVersion), 39, "file version");
    if (properties.numberOfCategories < 1 || properties.numberOfCameras < 0) {
        fprintf(stderr, "counts %d categories, %d cameras\n", properties.numberOfCategories,
                properties.numberOfCameras);
        abort();
    }
    if (readWholeFile(path) != std::string(reinterpret_cast<const char*>(data), size)) {
        fprintf(stderr, "reading the community file changed it\n");
        abort();
    }
    return 0;
}
