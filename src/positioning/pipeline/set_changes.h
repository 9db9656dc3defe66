// What the engine does when the camera set changes under it: a transition's
// frames let go of records about to be replaced, X-Plane's view stays on a
// kept copy while a set is replaced, and a file read drops the old set's
// script offsets. Heard from the plug-in's start to its stop.
#pragma once

void listenToCameraSet();
void stopListeningToCameraSet();
