// What the camera set tells the layers above it when it changes under them.
// The engine registers a listener when the plug-in starts and removes it when
// the plug-in stops; the set calls its listeners, in the order they
// registered, at the moments named here.
#pragma once

struct Camera;

enum class CameraSetEvent {
    // The set's records are about to be replaced: what points into them (a
    // transition's frames) lets go.
    Replacing,
    // While the set is replaced, X-Plane's view stays on this copy of the
    // camera it showed (the listener's camera).
    KeepView,
    // A camera file was read into the set.
    Read,
};

// camera: the copy for KeepView, else null.
using CameraSetListener = void (*)(CameraSetEvent event, Camera* camera);

// Adding one already registered, or removing one that is not, does nothing.
void addCameraSetListener(CameraSetListener listener);
void removeCameraSetListener(CameraSetListener listener);
void tellCameraSetListeners(CameraSetEvent event, Camera* camera = nullptr);
