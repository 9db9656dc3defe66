// Taking over X-Plane's own view commands while camera control is on.
#pragma once

// Camera control begins: X-Plane's field of view becomes the default.
void registerPositionCommands();
// Camera control ends: movement stops, the field of view goes back and X-Plane
// gets its camera back.
void unRegisterPositionCommands();
