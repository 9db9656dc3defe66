// The named commands that switch to airport cameras and pick the nearest one.
#pragma once

void runAirportCommand(int index);
