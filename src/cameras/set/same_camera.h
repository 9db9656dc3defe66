// Selecting the camera that is already current.
#pragma once

struct Camera;

// With a camera (the current one selected again): keeps a copy of it, puts its
// position, heading and pitch back to its saved pose, and returns null; the
// copy is armed when the camera has a smooth or linear transition. With null
// (the pipeline): hands out an armed copy once, so the pipeline builds a
// transition from the moved pose back to the saved one.
Camera* restoreSameCamera(Camera* camera);
