// The datarefs through which other plug-ins read the camera state and add offsets.
#pragma once

void createIntegrationDataRefs();
void removeIntegrationDataRefs();
