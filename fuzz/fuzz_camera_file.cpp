// Any bytes as the aircraft's camera file: the reader must neither crash nor
// step outside a buffer, must leave a whole camera set, and must leave the
// file on disk as it found it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "host_setup.h"
#include "libwinkit/message_box.h"
#include "shell/speech.h"
#include "xpsim.h"

namespace {
std::string aircraftCameraFile() {
    static std::string path = [] {
        const FuzzHost& host = fuzzHost();
        std::filesystem::create_directories(host.root + "/Aircraft/Fuzz");
        writeWholeFile(host.root + "/Aircraft/Fuzz/Fuzz.acf", nullptr, 0);
        xpsim::setUserAircraft("Aircraft/Fuzz/Fuzz.acf");
        return host.root + "/Aircraft/Fuzz/Ovilux_Fuzz.csv";
    }();
    return path;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = aircraftCameraFile();
    writeWholeFile(path, data, size);

    initCategories();
    readCameras(nullptr);
    std::string after = readWholeFile(path);
    if (after != std::string(reinterpret_cast<const char*>(data), size)) {
        fprintf(stderr, "reading the camera file changed it\n");
        abort();
    }
    if (getCurrentCamera() == nullptr) {
        fprintf(stderr, "no current camera after reading\n");
        abort();
    }
    SpeechManager::clear();
    removeMsgBoxManager();
    return 0;
}
