#include "community_fixture.h"

#include <chrono>
#include <thread>


std::string CommunityLibraryTest::libraryPath(const std::string& name) const {
    return xplane.pluginFolder() + "CommunityAircraftCameras/" + name;
}

void CommunityLibraryTest::libraryFile(const std::string& name, const std::string& text) const {
    SimulatedXPlane::writeFile(libraryPath(name), text);
}

bool CommunityLibraryTest::waitUntilCached() {
    for (int i = 0; i < 60000 && DataCache::isCommunityFileCacheBusy(nullptr, nullptr); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return !DataCache::isCommunityFileCacheBusy(nullptr, nullptr);
}

std::vector<GlobalCameraFileNameEntry> CommunityLibraryTest::cachedList() {
    if (!waitUntilCached()) {
        return {};
    }
    return DataCache::getCommunityFileList();
}

const GlobalCameraFileNameEntry* CommunityLibraryTest::find(
    const std::vector<GlobalCameraFileNameEntry>& list, const std::string& fileName) {
    for (const GlobalCameraFileNameEntry& entry : list) {
        if (fileName == entry.fileName) {
            return &entry;
        }
    }
    return nullptr;
}

std::string communityRow(const std::string& category, const std::string& camera,
                         int categoryIndex, const std::string& aircraft, const std::string& author,
                         const std::string& fileVersion, const std::string& programVersion) {
    std::vector<std::string> fields = rowFields(category, camera);
    fields[41] = programVersion;
    fields[43] = aircraft;
    fields[44] = author;
    fields[45] = fileVersion;
    fields[46] = std::to_string(categoryIndex);
    return joinRow(fields);
}
