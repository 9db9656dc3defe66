// Any bytes as "Custom Scenery/scenery_packs.ini" over a fixed set of packs:
// the search survives them, and whatever it finds has the code asked for.
// The default airports are searched last whatever the file says.
#include <cstdint>
#include <cstdlib>
#include <strings.h>
#include <filesystem>
#include <memory>
#include <string>

#include "host_setup.h"
#include "world/scenery_search.h"

namespace {

void writeText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    writeWholeFile(path, reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

std::string airport(const char* code, const char* name) {
    return std::string("1 433 0 0 ") + code + " " + name + "\n" +
           "1300 47.44 -122.29 90.0 gate jets Gate 1\n";
}

const std::string& sceneryRoot() {
    static const std::string root = [] {
        const std::string& top = fuzzHost().root;
        writeText(top + "/Custom Scenery/A/Earth nav data/apt.dat", airport("KAAA", "A"));
        writeText(top + "/Custom Scenery/B/Earth nav data/apt.dat",
                  airport("KAAA", "B") + airport("KBBB", "B"));
        writeText(top + "/Global Scenery/Global Airports/Earth nav data/apt.dat",
                  airport("KBBB", "Global") + airport("KCCC", "Global"));
        writeText(top + "/Resources/default scenery/default apt dat/Earth nav data/apt.dat",
                  airport("KDDD", "Default"));
        return top;
    }();
    return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& root = sceneryRoot();
    writeWholeFile(root + "/Custom Scenery/scenery_packs.ini", data, size);
    for (const char* code : {"KAAA", "kbbb", "KCCC", "KDDD", "KZZZ"}) {
        std::unique_ptr<Airport> found = findAirport(code);
        if (found && strcasecmp(found->icao, code) != 0) {
            abort();
        }
    }
    if (!findAirport("KDDD") || findAirport("KZZZ")) {
        abort();
    }
    return 0;
}
