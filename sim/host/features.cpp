// XPLMFeatures: the optional behaviours a plug-in can switch on.
#include <map>
#include <string>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

// X-Plane 12's features and whether each starts enabled. Unknown names cannot
// be enabled.
std::map<std::string, bool> defaults() {
    return {
        {"XPLM_USE_NATIVE_PATHS", false},
        {"XPLM_USE_NATIVE_WIDGET_WINDOWS", false},
        {"XPLM_WANTS_REFLECTIONS", true},
        {"XPLM_WANTS_DATAREF_NOTIFICATIONS", false},
    };
}

std::map<std::string, bool>& features() {
    static std::map<std::string, bool> state = defaults();
    return state;
}

}  // namespace

bool isFeatureEnabled(const std::string& feature) {
    auto it = features().find(feature);
    return it != features().end() && it->second;
}

namespace detail {
void resetFeatures() { features() = defaults(); }
}  // namespace detail

}  // namespace xpsim

XPLM_API int XPLMHasFeature(const char* inFeature) {
    return inFeature && xpsim::features().count(inFeature) ? 1 : 0;
}

XPLM_API int XPLMIsFeatureEnabled(const char* inFeature) {
    return inFeature && xpsim::isFeatureEnabled(inFeature) ? 1 : 0;
}

XPLM_API void XPLMEnableFeature(const char* inFeature, int inEnable) {
    if (!inFeature) return;
    auto it = xpsim::features().find(inFeature);
    if (it != xpsim::features().end()) it->second = inEnable != 0;
}
