// XPLMGetVersions: which X-Plane the plug-in believes it runs in.
#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

constexpr int kDefaultXPlane = 12010;
constexpr int kDefaultXPLM = 400;

int xplaneVersion = kDefaultXPlane;
int xplmVersion = kDefaultXPLM;

}  // namespace

void setVersions(int xplane, int xplm) {
    xplaneVersion = xplane;
    xplmVersion = xplm;
}

namespace detail {
void resetVersions() { setVersions(kDefaultXPlane, kDefaultXPLM); }
}  // namespace detail

}  // namespace xpsim

XPLM_API void XPLMGetVersions(int* outXPlaneVersion, int* outXPLMVersion,
                              XPLMHostApplicationID* outHostID) {
    if (outXPlaneVersion) *outXPlaneVersion = xpsim::xplaneVersion;
    if (outXPLMVersion) *outXPLMVersion = xpsim::xplmVersion;
    if (outHostID) *outHostID = xplm_Host_XPlane;
}
