// The sets a new aircraft or airport starts with.
#pragma once

// "Cockpit" / "Pilot View" with view ID 1 at the pilot's head.
void makeDefaultAircraftSet();
// "Airport" / "Camera 1": an external free camera where the user's aircraft is.
void makeDefaultAirportSet();
// Tells the user a new camera file was made for the aircraft, offering the
// import of X-Plane's quick-look views when the aircraft has any.
void announceNewAircraftCameraFile();
