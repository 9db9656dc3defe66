#include "cameras/set/camera_set_listeners.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<CameraSetListener> listeners;
}  // namespace

void addCameraSetListener(CameraSetListener listener) {
    if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end()) {
        listeners.push_back(listener);
    }
}

void removeCameraSetListener(CameraSetListener listener) {
    listeners.erase(std::remove(listeners.begin(), listeners.end(), listener), listeners.end());
}

void tellCameraSetListeners(CameraSetEvent event, Camera* camera) {
    // By index: a listener may register another while it is told.
    for (size_t i = 0; i < listeners.size(); ++i) {
        listeners[i](event, camera);
    }
}
