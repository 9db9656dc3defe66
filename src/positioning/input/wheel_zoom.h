// X-Plane's scroll-wheel zoom in the 3-D cockpit, where it can be switched off.
#pragma once

// Whether X-Plane has "sim/private/controls/camera/kill_wheel_zoom"; a first
// miss looks it up once more and answers false.
bool hasWheelZoomControl();
void wheelZoomOn(bool on);
// Camera control off: X-Plane's wheel zoom is as it was before the plug-in
// first switched it.
void giveBackWheelZoom();
