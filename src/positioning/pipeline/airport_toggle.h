// Switching between the aircraft's camera set and an airport's.
#pragma once

// From an airport set back to the aircraft's; from the aircraft's to the
// nearest airport's, when there is one.
void toggleAirportCameras();
