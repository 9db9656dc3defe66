#include "positioning/plugin_links.h"

void resetPluginLinks() {
    resetHeadShakeLink();
    resetLinuxTrackLink();
    resetScenicFlyerLink();
}
