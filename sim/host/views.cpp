// X-Plane's views: view_type, whether it is outside the aircraft, and what a
// change of view does to camera control.
#include "dataref.h"
#include "internal.h"

namespace xpsim::detail {
namespace {

constexpr int kForwardWithPanel = 1000;
constexpr int kForwardWithHud = 1023;
constexpr int kForwardWithNothing = 1024;
constexpr int kCockpit3d = 1026;

int currentView = kCockpit3d;

bool isExternal(int viewType) {
    return viewType != kForwardWithPanel && viewType != kForwardWithHud &&
           viewType != kForwardWithNothing && viewType != kCockpit3d;
}

void show(int viewType) {
    currentView = viewType;
    setSimValue("sim/graphics/view/view_type", viewType);
    setSimValue("sim/graphics/view/view_is_external", isExternal(viewType) ? 1 : 0);
}

}  // namespace

// Choosing a view by command changes the view even when it is the one shown.
void selectView(int viewType) {
    show(viewType);
    cameraViewChanged();
}

void viewTypeWritten(Dataref& d) {
    int viewType = static_cast<int>(storageElement(d, 0));
    if (viewType == currentView) return;
    show(viewType);
    cameraViewChanged();
}

void resetViews() { currentView = static_cast<int>(simValue("sim/graphics/view/view_type")); }

}  // namespace xpsim::detail
