// Any bytes as "MyTargets.csv": the reader survives them and leaves the file
// as it found it, every target it keeps with a valid position in its bucket.
// What a file read whole saves to is stable from the second save on (the
// first may round a position into the next bucket).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cameras/targets/near_targets.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/targets.h"
#include "host_setup.h"
#include "libwinkit/message_box.h"

namespace {
std::string targetsFile() {
    static std::string path = [] {
        const FuzzHost& host = fuzzHost();
        std::filesystem::create_directories(host.pluginFolder + "MyTargets");
        return host.pluginFolder + "MyTargets/MyTargets.csv";
    }();
    return path;
}

void checkStoredTargets() {
    for (int row = 0; row < kTargetGridRows; ++row) {
        for (int column = 0; column < kTargetGridColumns; ++column) {
            for (Target* t = getTargetBucket(row, column); t != nullptr; t = t->next) {
                if (!isValidLatitude(t->latitude) || !isValidLongitude(t->longitude) ||
                    getTargetRow(t->latitude) != row || getTargetColumn(t->longitude) != column ||
                    t->name[0] == 0) {
                    fprintf(stderr, "a stored target is out of place or invalid\n");
                    abort();
                }
            }
        }
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = targetsFile();
    std::string given(reinterpret_cast<const char*>(data), size);
    writeWholeFile(path, data, size);

    readTargets();
    checkStoredTargets();
    if (readWholeFile(path) != given) {
        fprintf(stderr, "reading the targets file changed it\n");
        abort();
    }
    if (saveTargets()) {
        readTargets();
        checkStoredTargets();
        if (!saveTargets()) {
            fprintf(stderr, "a saved targets file was not read whole\n");
            abort();
        }
        std::string second = readWholeFile(path);
        readTargets();
        if (!saveTargets() || readWholeFile(path) != second) {
            fprintf(stderr, "a saved targets file does not read back to itself\n");
            abort();
        }
    }
    resetNearTargets();
    removeMsgBoxManager();
    return 0;
}
