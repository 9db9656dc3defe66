#include "support/simulated_xplane.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "shell/plugin_path.h"
#include "xplane/plugin_entry_points.h"
#include "xpsim.h"

namespace fs = std::filesystem;

SimulatedXPlane::SimulatedXPlane(bool withFixtureTree) {
    char pattern[] = "/tmp/ovilux-xplane-XXXXXX";
    root_ = mkdtemp(pattern);
    if (withFixtureTree) {
        fs::copy(fs::path(OVILUX_FIXTURES_DIR) / "xplane", root_, fs::copy_options::recursive);
    }
    fs::create_directories(pluginFolder() + "lin_x64");
    xpsim::reset();
    xpsim::setRoot(root_);
    xpsim::attachPlugin({XPluginStart, XPluginEnable, XPluginDisable, XPluginStop,
                         XPluginReceiveMessage},
                        pluginFolder() + "lin_x64/Ovilux.xpl");
    resetPluginPathCache();
}

SimulatedXPlane::~SimulatedXPlane() {
    disableAndStop();
    xpsim::reset();
    resetPluginPathCache();
    removeFolder();
}

void SimulatedXPlane::remove() {
    disableAndStop();
    removeFolder();
}

void SimulatedXPlane::removeFolder() {
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

void SimulatedXPlane::startAndEnable() {
    xpsim::startPlugin();
    xpsim::enablePlugin();
    running_ = true;
}

void SimulatedXPlane::disableAndStop() {
    if (!running_) {
        return;
    }
    if (xpsim::isPluginEnabled()) {
        xpsim::disablePlugin();
    }
    xpsim::stopPlugin();
    running_ = false;
}

std::string SimulatedXPlane::pluginFolder() const { return root_ + "/Resources/plugins/Ovilux/"; }

std::string SimulatedXPlane::readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

void SimulatedXPlane::writeFile(const std::string& path, const std::string& contents) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << contents;
}

bool SimulatedXPlane::exists(const std::string& path) { return fs::exists(path); }
