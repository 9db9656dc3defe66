// What the entry points need of the lifecycle module beyond its public face.
#pragma once

void findShellDataRefs();
bool isVREnabled();
void resetSystemStatus();
// Starts the community-cache worker unless one still reads.
void startCommunityCacheWorker();
