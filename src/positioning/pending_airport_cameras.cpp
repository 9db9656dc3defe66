#include "positioning/pending_airport_cameras.h"

void selectCLosestAirportCamera() {}
