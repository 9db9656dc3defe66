#include "positioning/integration/plugin_links.h"

void resetPluginLinks() {
    resetHeadShakeLink();
    resetLinuxTrackLink();
    resetScenicFlyerLink();
}
