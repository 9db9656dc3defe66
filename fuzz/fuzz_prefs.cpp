// Any bytes as the aircraft's "<aircraft>_prefs.txt": the quick-look reader
// survives them, keeps only the four view types it knows, and importing what
// it read into a new camera set leaves a whole set.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "cameras/generators/quick_look_import.h"
#include "cameras/generators/quick_look_views.h"
#include "host_setup.h"
#include "libwinkit/message_box.h"
#include "shell/speech.h"
#include "xpsim.h"

namespace {
struct Files {
    std::string prefs;
    std::string cameras;
};

const Files& files() {
    static Files made = [] {
        const FuzzHost& host = fuzzHost();
        std::filesystem::create_directories(host.root + "/Aircraft/Fuzz");
        writeWholeFile(host.root + "/Aircraft/Fuzz/Fuzz.acf", nullptr, 0);
        xpsim::setUserAircraft("Aircraft/Fuzz/Fuzz.acf");
        return Files{host.root + "/Aircraft/Fuzz/Fuzz_prefs.txt",
                     host.root + "/Aircraft/Fuzz/Ovilux_Fuzz.csv"};
    }();
    return made;
}

bool isKnownType(const std::string& type) {
    return type.empty() || type == "v_3dc" || type == "v_cir" || type == "v_cha" ||
           type == "v_rid";
}

void checkSet() {
    int categories = getNumberOfCategories();
    if (categories < 1 || categories > kMaxCategories) {
        abort();
    }
    for (int c = 0; c < categories; ++c) {
        int cameras = getCategory(c)->numberOfCameras;
        if (cameras < 1 || cameras > kMaxCamerasPerCategory) {
            fprintf(stderr, "category %d holds %d cameras\n", c, cameras);
            abort();
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Files& paths = files();
    writeWholeFile(paths.prefs, data, size);

    int inUse = readQuickLookViewsFrom(paths.prefs);
    int counted = 0;
    for (int i = 0; i < kMaxQuickLookViews; ++i) {
        const std::string& type = getQuickLookView(i)->viewType;
        if (!isKnownType(type)) {
            fprintf(stderr, "slot %d kept the type %s\n", i, type.c_str());
            abort();
        }
        counted += type.empty() ? 0 : 1;
    }
    if (counted != inUse) {
        abort();
    }

    // A new aircraft's set, then the offer's answer.
    std::filesystem::remove(paths.cameras);
    initCategories();
    readCameras(nullptr);
    importQuickLookViews();
    checkSet();
    SpeechManager::clear();
    removeMsgBoxManager();
    return 0;
}
