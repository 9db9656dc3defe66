// What the engine tells the layers above it: camera control going on and off,
// and on every pass whether the camera follows a target. The plug-in's top
// and the panels register a listener when the plug-in starts and remove it
// when it stops; the engine calls its listeners, in the order they
// registered, at the moments named here.
#pragma once

enum class EngineEvent {
    // Camera control is going on; the engine's inputs are not yet all set up.
    ControlStarting,
    // Camera control is on.
    ControlOn,
    // Camera control is going off; the plug-in's commands are released.
    ControlStopping,
    // Camera control is off.
    ControlOff,
    // Camera control is off and the pilot's head is back: the panels of the
    // session close.
    SessionEnding,
    // Camera control is off and X-Plane's camera is given back.
    CameraReleased,
    // A pass: the current camera follows a target, or does not.
    FollowingTarget,
    NotFollowingTarget,
};

using EngineListener = void (*)(EngineEvent event);

// Adding one already registered, or removing one that is not, does nothing.
void addEngineListener(EngineListener listener);
void removeEngineListener(EngineListener listener);
void tellEngineListeners(EngineEvent event);
