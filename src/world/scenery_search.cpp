#include "world/scenery_search.h"

#include <unistd.h>

#include <cstring>
#include <set>

#include "shell/host_info.h"
#include "shell/regular_file.h"
#include "shell/strings.h"
#include "world/apt_search.h"
#include "world/line_reader.h"

namespace {

const char kPackDirective[] = "SCENERY_PACK";
const char kGlobalAirports[] = "*GLOBAL_AIRPORTS*";
const char kCustomScenery[] = "Custom Scenery/";

bool isAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
           (path.size() > 1 && path[1] == ':');
}

}  // namespace

bool sceneryPackFolder(const char* line, const std::string& xplaneRoot, std::string* folder) {
    while (iswhitespace(*line)) {
        ++line;
    }
    // "SCENERY_PACK_DISABLED" lines are packs X-Plane does not load.
    size_t directive = strlen(kPackDirective);
    if (strncmp(line, kPackDirective, directive) != 0 || !iswhitespace(line[directive])) {
        return false;
    }
    const char* rest = line + directive;
    while (iswhitespace(*rest)) {
        ++rest;
    }
    std::string path(rest);
    while (!path.empty() && iswhitespace(path.back())) {
        path.pop_back();
    }
    if (path.empty()) {
        return false;
    }
    if (path == kGlobalAirports) {
        *folder = xplaneRoot + "Global Scenery/Global Airports/";
        return true;
    }
    size_t custom = path.find(kCustomScenery);
    if (custom != std::string::npos) {
        *folder = xplaneRoot + path.substr(custom);
    } else {
        *folder = isAbsolute(path) ? path : xplaneRoot + path;
    }
    if (folder->back() != '/') {
        *folder += '/';
    }
    return true;
}

std::unique_ptr<Airport> searchScenery(const std::string& packPath, const char* icao) {
    std::string folder = packPath.substr(0, packPath.find('\n'));
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return searchAptFile(folder + "Earth nav data/apt.dat", icao);
}

std::unique_ptr<Airport> findAirport(const char* icao) {
    if (icao == nullptr || icao[0] == 0) {
        return nullptr;
    }
    std::string root = getSystemPathStr();
    std::set<std::string> searched;
    int fd = openRegularFile(root + "Custom Scenery/scenery_packs.ini");
    if (fd >= 0) {
        LineReader lines(fd, 0);
        std::unique_ptr<Airport> airport;
        std::string folder;
        while (!airport && lines.next()) {
            if (sceneryPackFolder(lines.text(), root, &folder) && searched.insert(folder).second) {
                airport = searchScenery(folder, icao);
            }
        }
        close(fd);
        if (airport) {
            return airport;
        }
    }
    std::string defaults = root + "Resources/default scenery/default apt dat/";
    return searched.count(defaults) > 0 ? nullptr : searchScenery(defaults, icao);
}
