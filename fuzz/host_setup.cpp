#include "host_setup.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "xplane/plugin_entry_points.h"
#include "xpsim.h"

const FuzzHost& fuzzHost() {
    static FuzzHost host = [] {
        FuzzHost made;
        char pattern[] = "/tmp/ovilux-fuzz-XXXXXX";
        made.root = mkdtemp(pattern);
        made.pluginFolder = made.root + "/Resources/plugins/Ovilux/";
        std::filesystem::create_directories(made.pluginFolder + "lin_x64");
        xpsim::reset();
        xpsim::setRoot(made.root);
        xpsim::attachPlugin({XPluginStart, XPluginEnable, XPluginDisable, XPluginStop,
                             XPluginReceiveMessage},
                            made.pluginFolder + "lin_x64/Ovilux.xpl");
        return made;
    }();
    return host;
}

void writeWholeFile(const std::string& path, const unsigned char* data, size_t size) {
    FILE* file = fopen(path.c_str(), "wb");
    if (file != nullptr) {
        fwrite(data, 1, size, file);
        fclose(file);
    }
}

std::string readWholeFile(const std::string& path) {
    std::string contents;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return contents;
    }
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        contents.append(buffer, got);
    }
    fclose(file);
    return contents;
}
