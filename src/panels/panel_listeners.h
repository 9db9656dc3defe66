// How the layers below reach the panels: the engine tells them of camera
// control going on and off and of a target-following camera, the plug-in's
// commands open and toggle them, and the camera set and the engine ask
// whether the control panel shows. Connected from the plug-in's start to its
// stop.
#pragma once

void connectPanels();
// Nothing below reaches the panels any more, and no control panel holds
// camera chains back.
void disconnectPanels();
