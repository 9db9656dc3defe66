#include "positioning/integration/system_check.h"

#include <string>

#include "libwinkit/message_box.h"
#include "positioning/integration/plugin_links.h"
#include "shell/host_info.h"

namespace {
int systemStatus[3] = {0, 0, 0};
}  // namespace

int* getSystemStatus() { return systemStatus; }

void resetSystemStatus() {
    for (int& code : systemStatus) {
        code = 0;
    }
}

void checkSystem() {
    std::string text = "TrackIR - Unknown Status.\n\n";
    switch (getSystemStatus()[kStatusScenicFlyer]) {
        case kScenicFlyerFound:
            text += "Scenic Flyer - Found and enabled.\n\n";
            break;
        case kScenicFlyerNotFound:
            text += "Scenic Flyer - Not Found.\n\n";
            break;
        default:
            text += "Scenic Flyer - Status unknown.\n\n";
            break;
    }
    if (!pluginInExists(kHeadShakeSignature, nullptr)) {
        text += "HeadShake - Not Found.\n\n";
    } else if (headShakeExists()) {
        text += "HeadShake - Found and enabled.\n\n";
    } else {
        text += "HeadShake - Found but it is not at version 1.3 or higher.\n\n";
        text += "The latest HeadShake is available from its maker's website.\n\n";
    }
    if (pluginInExists("lorwenhale.projects.pilotview", nullptr)) {
        text += "PilotView - Found and it is not compatible with Ovilux.\nEither remove PilotView "
                "or make sure it is not enabled.\n\n";
    }
    msgBox("System Status", text.c_str());
}
