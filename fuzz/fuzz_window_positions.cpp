// Any bytes as X-Plane's "X-Plane Window Positions.prf": the reader survives
// them, every monitor it keeps has an index X-Plane could report and a finite
// offset, the choice is one of them or none, and the main monitor the panels
// are placed on, when there is one, is a monitor X-Plane reports.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "host_setup.h"
#include "libwinkit/qfn_im_window.h"
#include "libwinkit/window_positions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    NormalVisualsMonitors monitors = parseWindowPositions(text);
    for (const auto& entry : monitors) {
        const NormalVisualsMonitor& m = entry.second;
        if (m.monitorIndex < 0 || m.monitorIndex > 63 || !std::isfinite(m.offLatDeg)) {
            abort();
        }
    }
    float offset = 0;
    int chosen = chooseMainMonitor(monitors, &offset);
    if (chosen != -1 && monitors.empty()) {
        abort();
    }
    if (chosen >= 0 && !(offset >= 0 && offset < 180)) {
        abort();
    }

    // Through the file, as a panel being centred reads it.
    const FuzzHost& host = fuzzHost();
    std::string path = host.root + "/Output/preferences/X-Plane Window Positions.prf";
    std::filesystem::create_directories(host.root + "/Output/preferences");
    writeWholeFile(path, data, size);
    const Monitor* main = QfnImWindow::getBestMonitor();
    // The simulated X-Plane reports only monitor 0.
    if (main->valid && (main->monitorIndex != 0 || main->right <= main->left)) {
        abort();
    }
    return 0;
}
