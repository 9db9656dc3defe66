// XPLMPlanes: the user's aircraft (AI traffic is in traffic.cpp).
#include <cstdio>
#include <string>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

std::string aircraftFile;  // "Cessna_172SP.acf"
std::string aircraftPath;  // absolute, file name included

}  // namespace

void setUserAircraft(const std::string& pathRelativeToRoot) {
    aircraftPath = root() + pathRelativeToRoot;
    size_t slash = aircraftPath.find_last_of('/');
    aircraftFile = slash == std::string::npos ? aircraftPath : aircraftPath.substr(slash + 1);
}

namespace detail {
void resetPlanes() {
    aircraftFile.clear();
    aircraftPath.clear();
}
}  // namespace detail

}  // namespace xpsim

// Only aircraft 0 exists; other indices give empty texts.
XPLM_API void XPLMGetNthAircraftModel(int inIndex, char* outFileName, char* outPath) {
    bool user = inIndex == XPLM_USER_AIRCRAFT;
    if (outFileName)
        std::snprintf(outFileName, 256, "%s", user ? xpsim::aircraftFile.c_str() : "");
    if (outPath) std::snprintf(outPath, 512, "%s", user ? xpsim::aircraftPath.c_str() : "");
}
