// Whether X-Plane's local origin has moved. A free camera's world point
// (latitude, longitude, elevation) is what the camera is; X-Plane's local
// coordinates move whenever X-Plane shifts its local origin.
#pragma once

// True once after X-Plane's local origin has moved since the last call.
bool localOriginShifted();
