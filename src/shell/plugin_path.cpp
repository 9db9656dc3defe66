#include "shell/plugin_path.h"

#include <cstring>
#include <sys/stat.h>

#include "shell/log.h"
#include "xplane/sdk.h"

namespace {
const size_t kPathSize = 2000;
std::string cachedPath;  // empty until the folder was found once
bool unknownReported = false;

// Once per load: every file of the plug-in would otherwise be looked for, and
// made, in X-Plane's working folder.
void reportUnknownFolder(const std::string& pluginFile) {
    if (unknownReported) {
        return;
    }
    unknownReported = true;
    sLogMsg("Unable to determine the plugin directory from \"%s\"; no files will be written",
            pluginFile.c_str());
}
}  // namespace

int getPluginPath(char* out) {
    if (!cachedPath.empty()) {
        snprintf(out, kPathSize, "%s", cachedPath.c_str());
        return 1;
    }
    // X-Plane fills at most 256 characters per the SDK; native paths may be
    // longer, so the buffer is generous and always terminated.
    char filePath[4096] = {};
    XPLMGetPluginInfo(XPLMGetMyID(), nullptr, filePath, nullptr, nullptr);
    filePath[sizeof(filePath) - 1] = 0;
    std::string path = filePath;

    // The folder directly below X-Plane's plugins folder, whatever subfolder
    // (lin_x64, mac_x64, 64) the plug-in file itself lies in. The last
    // "/plugins/" component is X-Plane's, even when a parent folder of
    // X-Plane happens to be called "plugins".
    size_t marker = path.rfind("/Resources/plugins/");
    size_t skip = strlen("/Resources/plugins/");
    if (marker == std::string::npos) {
        marker = path.rfind("/plugins/");
        skip = strlen("/plugins/");
    }
    if (marker == std::string::npos) {
        reportUnknownFolder(path);
        out[0] = 0;
        return 0;
    }
    size_t folderEnd = path.find('/', marker + skip);
    // A plug-in file lying directly in the plugins folder has no folder of its
    // own; the plugins folder is the nearest folder it can keep its files in.
    std::string folder = folderEnd == std::string::npos ? path.substr(0, marker + skip)
                                                        : path.substr(0, folderEnd + 1);
    if (folder.size() >= kPathSize) {
        reportUnknownFolder(path);
        out[0] = 0;
        return 0;
    }
    cachedPath = folder;
    snprintf(out, kPathSize, "%s", cachedPath.c_str());
    return 1;
}

std::string getPluginPathString() {
    char path[kPathSize];
    if (!getPluginPath(path)) {
        return std::string();
    }
    return path;
}

bool hasPluginFolder() { return !getPluginPathString().empty(); }

void makePluginSubfolder(const char* name) {
    if (hasPluginFolder()) {
        // One that cannot be made shows as the write into it failing.
        mkdir((cachedPath + name).c_str(), 0755);
    }
}

void resetPluginPathCache() {
    cachedPath.clear();
    unknownReported = false;
}
