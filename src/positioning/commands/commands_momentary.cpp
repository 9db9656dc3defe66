// The momentary family: the view ID's camera lasts while the key is held.
// Keys may overlap: the view shows the camera of the key held last, and the
// last release brings back the camera from before the first press.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "cameras/set/camera_selection.h"
#include "cameras/set/camera_set.h"
#include "positioning/commands/commands_camera_place.h"
#include "positioning/commands/commands_view_select.h"
#include "positioning/commands/movement.h"
#include "scene/view_reset.h"
#include "shell/plugin_state.h"

namespace {
struct HeldKey {
    int viewId = 0;
    // The camera its press showed.
    CameraPlace shown;
};

// The camera current before the first of the keys held now.
CameraPlace before;
// The keys held now, in the order they were pressed.
std::vector<HeldKey> held;

void show(const CameraPlace& place) {
    // A file read or a set swap while a key was held may have taken the
    // camera away; another camera in its slot is not it.
    if (Camera* camera = findCameraAtPlace(place)) {
        setCurrentCamera(camera);
        setResetViewModes();
    }
}

std::vector<HeldKey>::iterator findHeld(int viewId) {
    return std::find_if(held.begin(), held.end(),
                        [viewId](const HeldKey& key) { return key.viewId == viewId; });
}

// Only the release of the key shown changes the view.
void release(int viewId) {
    auto key = findHeld(viewId);
    if (key == held.end()) {
        return;
    }
    bool wasShown = key + 1 == held.end();
    held.erase(key);
    if (!wasShown) {
        return;
    }
    if (held.empty()) {
        show(before);
        before = CameraPlace();
    } else {
        show(held.back().shown);
    }
}
}  // namespace

int momentaryViewSelectHandler(XPLMCommandRef, XPLMCommandPhase phase, void* reference) {
    int viewId = static_cast<int>(reinterpret_cast<intptr_t>(reference));
    if (phase == xplm_CommandEnd) {
        if (isEnabled()) {
            release(viewId);
        }
        return 1;
    }
    if (!switchOnForSelection(phase)) {
        return 1;
    }
    stopAnimationRequest();
    // A second press without a release counts once, as the latest; the
    // camera from before the first press stays the one to come back to.
    bool first = held.empty();
    auto again = findHeld(viewId);
    if (again != held.end()) {
        held.erase(again);
    }
    Camera* current = getCurrentCamera();
    CameraPlace place = rememberCameraPlace(current);
    if (selectCameraByViewID(viewId)) {
        restoreTemporaryCamera(current);
        setResetViewModes();
        if (first) {
            before = place;
        }
        held.push_back({viewId, rememberCameraPlace(getCurrentCamera())});
    }
    return 1;
}

void forgetMomentaryKeys() {
    held.clear();
    before = CameraPlace();
}
