// What the engine needs of the airport camera generator. A stand-in until it
// is built.
#pragma once

// Makes the airport camera nearest the user's aircraft current.
void selectCLosestAirportCamera();
