// What the entry points need of the lifecycle module beyond its public face.
#pragma once

void findShellDataRefs();
// From the plug-in's start to its stop the main flight loop follows camera
// control on and off.
void listenToEngine();
void stopListeningToEngine();
// Starts the community-cache worker unless one still reads.
void startCommunityCacheWorker();
