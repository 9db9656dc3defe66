// Any bytes as "Ovilux.ini": the reader survives them, and what it then saves
// reads back to the same file.
#include <cstdint>
#include <cstdlib>

#include "host_setup.h"
#include "shell/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzHost& host = fuzzHost();
    std::string path = host.pluginFolder + "Ovilux.ini";
    writeWholeFile(path, data, size);

    *getSettings() = Settings();
    readSettings();
    saveSettings();
    std::string first = readWholeFile(path);
    readSettings();
    saveSettings();
    if (readWholeFile(path) != first) {
        abort();
    }
    return 0;
}
