// What the pipeline does about a camera that became current, or was left.
#pragma once

struct Camera;

// A camera became current: axes, free-camera position, X-Plane's hide-yoke.
void noticeNewCamera(Camera* camera, Camera* lastCamera);
// Every pass: the cockpit camera's hide-yoke request and the crosshair of a
// target-following camera.
void applyCameraViewOptions(Camera* camera);
// The camera's zoom: locked or free scroll-wheel zoom in the 3-D cockpit, and
// X-Plane's 3-D cockpit held to a cockpit camera's own zoom (or to its locked
// zoom where X-Plane cannot lock the wheel) while that camera is current.
void applyCameraZoom(Camera* camera, Camera* lastCamera);
// The camera left: any transition in progress stops, the move into the new
// camera is built when it asks for one, and the camera left forgets or keeps
// its moves.
void leaveCamera(Camera* left, bool leftIsAirportCamera, Camera* camera);
