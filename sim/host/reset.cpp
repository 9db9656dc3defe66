// xpsim::reset(): every family back to a freshly started X-Plane.
#include "internal.h"
#include "xpsim.h"

namespace xpsim {

// Datarefs first: the other families write their defaults into them.
void reset() {
    detail::resetPlugins();
    detail::resetSentMessages();
    detail::resetFeatures();
    detail::resetVersions();
    detail::resetDatarefs();
    detail::resetClock();
    detail::resetCommands();
    detail::resetFlightLoops();
    detail::resetCamera();
    detail::resetViews();
    detail::resetWorld();
    detail::resetScenery();
    detail::resetFiles();
    detail::resetNavigation();
    detail::resetPlanes();
    detail::resetTraffic();
    detail::resetLog();
    detail::resetDrawing();
    detail::resetWindows();
    detail::resetMenus();
    detail::resetDrawCallbacks();
    detail::resetInput();
}

}  // namespace xpsim
