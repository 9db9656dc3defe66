// Switching between the aircraft's camera set and an airport's, and choosing
// the airport camera nearest the aircraft.
#pragma once

// From an airport set back to the aircraft's; from the aircraft's to the
// nearest airport's, when there is one.
void toggleAirportCameras();
// With an airport file active, makes the free camera nearest the aircraft
// current; with the aircraft's file active, switches to the nearest airport's
// set first, and the choice is made on the next call.
void selectCLosestAirportCamera();
