// XPLMCamera: one controller at a time, called in each frame's drawing phase.

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

enum class Holder { None, Plugin, OtherPlugin };

struct CameraState {
    Holder holder = Holder::None;
    XPLMCameraControl_f callback = nullptr;
    void* refcon = nullptr;
    XPLMCameraControlDuration duration = xplm_ControlCameraForever;
    // Bumped whenever the holder changes, so a callback that hands the camera
    // on from inside itself is noticed.
    unsigned generation = 0;
    bool posed = false;  // the holder has set pose
    XPLMCameraPosition_t pose{};
    bool hasLast = false;
    XPLMCameraPosition_t last{};
    int callbacks = 0;
    int dontControlCalls = 0;
    // Drives what the callback finds in its structure: X-Plane leaves the
    // contents undefined, so a callback must fill every field it hands back.
    unsigned junkSeed = 0x9e3779b9u;
};

CameraState state;

XPLMCameraPosition_t currentPose() {
    return state.holder != Holder::None && state.posed ? state.pose : detail::viewPose();
}

void releaseQuietly() {
    state.holder = Holder::None;
    state.callback = nullptr;
    state.refcon = nullptr;
    state.posed = false;
    ++state.generation;
}

// Values no camera would have: far away, angles past their ranges, and a
// different set every call, so a callback that keeps any of them shows it.
XPLMCameraPosition_t undefinedContents() {
    float values[7];
    for (float& value : values) {
        state.junkSeed = state.junkSeed * 1664525u + 1013904223u;
        value = 5000.0f + static_cast<float>(state.junkSeed >> 16);
    }
    return XPLMCameraPosition_t{values[0], values[1], values[2], values[3],
                                values[4], values[5], values[6]};
}

// The plug-in's controller is told it lost the camera, after the state no
// longer names it.
void takeFromPlugin() {
    XPLMCameraControl_f callback = state.callback;
    void* refcon = state.refcon;
    releaseQuietly();
    if (callback) callback(nullptr, 1, refcon);
}

void publishViewDatarefs(const XPLMCameraPosition_t& pose) {
    detail::setSimValue("sim/graphics/view/view_x", pose.x);
    detail::setSimValue("sim/graphics/view/view_y", pose.y);
    detail::setSimValue("sim/graphics/view/view_z", pose.z);
    detail::setSimValue("sim/graphics/view/view_pitch", pose.pitch);
    detail::setSimValue("sim/graphics/view/view_heading", pose.heading);
    detail::setSimValue("sim/graphics/view/view_roll", pose.roll);
}

}  // namespace

namespace detail {

// A 0 return gives the camera back without a losing-control call.
void runCameraPhase() {
    if (state.holder == Holder::Plugin && state.callback) {
        unsigned generation = state.generation;
        XPLMCameraPosition_t pose = undefinedContents();
        ++state.callbacks;
        int keep = state.callback(&pose, 0, state.refcon);
        if (keep) {
            state.last = pose;
            state.hasLast = true;
        }
        if (generation == state.generation) {
            if (keep) {
                state.pose = pose;
                state.posed = true;
            } else {
                releaseQuietly();
            }
        }
    }
    publishViewDatarefs(currentPose());
}

void cameraViewChanged() {
    if (state.holder == Holder::Plugin && state.duration == xplm_ControlCameraUntilViewChanges)
        takeFromPlugin();
}

void dropCameraController() {
    if (state.holder == Holder::Plugin) releaseQuietly();
}

void resetCamera() { state = CameraState{}; }

}  // namespace detail

bool cameraControlled() { return state.holder != Holder::None; }
bool cameraControlledByPlugin() { return state.holder == Holder::Plugin; }
int cameraCallbackCount() { return state.callbacks; }
int dontControlCameraCount() { return state.dontControlCalls; }

bool lastCameraPose(XPLMCameraPosition_t* out) {
    if (!state.hasLast) return false;
    if (out) *out = state.last;
    return true;
}

// The other plug-in leaves the camera where it was.
void takeCameraByOtherPlugin() {
    XPLMCameraPosition_t pose = currentPose();
    if (state.holder == Holder::Plugin) takeFromPlugin();
    state.holder = Holder::OtherPlugin;
    state.duration = xplm_ControlCameraForever;
    state.pose = pose;
    state.posed = true;
    ++state.generation;
}

void releaseCameraByOtherPlugin() {
    if (state.holder == Holder::OtherPlugin) releaseQuietly();
}

}  // namespace xpsim

// Calling again with the same callback and refcon only changes the duration;
// any other callback takes the camera and the holder is told it lost it.
XPLM_API void XPLMControlCamera(XPLMCameraControlDuration inHowLong,
                                XPLMCameraControl_f inControlFunc, void* inRefcon) {
    using xpsim::state;
    if (!inControlFunc) return;
    if (state.holder == xpsim::Holder::Plugin && state.callback == inControlFunc &&
        state.refcon == inRefcon) {
        state.duration = inHowLong;
        return;
    }
    if (state.holder == xpsim::Holder::Plugin) xpsim::takeFromPlugin();
    state.holder = xpsim::Holder::Plugin;
    state.callback = inControlFunc;
    state.refcon = inRefcon;
    state.duration = inHowLong;
    state.posed = false;
    ++state.generation;
}

// Only the plug-in's own control is released; another plug-in's is not its to end.
XPLM_API void XPLMDontControlCamera(void) {
    ++xpsim::state.dontControlCalls;
    if (xpsim::state.holder == xpsim::Holder::Plugin) xpsim::releaseQuietly();
}

XPLM_API int XPLMIsCameraBeingControlled(XPLMCameraControlDuration* outCameraControlDuration) {
    if (xpsim::state.holder == xpsim::Holder::None) return 0;
    if (outCameraControlDuration) *outCameraControlDuration = xpsim::state.duration;
    return 1;
}

XPLM_API void XPLMReadCameraPosition(XPLMCameraPosition_t* outCameraPosition) {
    if (outCameraPosition) *outCameraPosition = xpsim::currentPose();
}
