#include "bench_xplane.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "shell/plugin_path.h"
#include "xplane/plugin_entry_points.h"
#include "xpsim.h"

namespace {
std::vector<std::string> roots;

void removeRoots() {
    for (const std::string& root : roots) {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
}
}  // namespace

std::string makeBenchXPlane() {
    char pattern[] = "/tmp/ovilux-bench-XXXXXX";
    std::string root = mkdtemp(pattern);
    if (roots.empty()) {
        std::atexit(removeRoots);
    }
    roots.push_back(root);
    std::filesystem::create_directories(root + "/Aircraft/Bench");
    std::filesystem::create_directories(root + "/Resources/plugins/Ovilux/lin_x64");
    if (std::FILE* aircraft = std::fopen((root + "/Aircraft/Bench/Bench.acf").c_str(), "w")) {
        std::fclose(aircraft);
    }
    xpsim::reset();
    xpsim::setRoot(root);
    return root;
}

void startBenchPlugin(const std::string& root) {
    xpsim::attachPlugin({XPluginStart, XPluginEnable, XPluginDisable, XPluginStop,
                         XPluginReceiveMessage},
                        root + "/Resources/plugins/Ovilux/lin_x64/Ovilux.xpl");
    resetPluginPathCache();
    xpsim::startPlugin();
    xpsim::enablePlugin();
}
