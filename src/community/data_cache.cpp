#include "community/data_cache.h"

#include <cstdio>
#include <strings.h>

#include "shell/plugin_path.h"
#include "xplane/sdk.h"

std::vector<GlobalCameraFileNameEntry> DataCache::communityFileList;
std::atomic<bool> DataCache::communityCacheBusy{false};
std::atomic<int> DataCache::communityReadCount{0};
std::atomic<int> DataCache::communityTotalCount{0};
std::atomic<int> DataCache::communityReadsFinished{0};
std::vector<DataCache::AirportLocation> DataCache::closeAirportLocationList;
char DataCache::pluginPath[2000] = {};
char DataCache::systemPath[2000] = {};
const char* const DataCache::directorySeparator = "/";

namespace {
const char* const kCommunityFolder = "CommunityAircraftCameras";
char communityDirectoryName[2000] = {};
}  // namespace

void DataCache::initDataCache() {
    XPLMGetSystemPath(systemPath);
    systemPath[sizeof(systemPath) - 1] = 0;
    if (!getPluginPath(pluginPath)) {
        pluginPath[0] = 0;
    }
    if (pluginPath[0] == 0) {
        communityDirectoryName[0] = 0;
        return;
    }
    // The plug-in's folder ends in the separator already.
    int length = snprintf(communityDirectoryName, sizeof(communityDirectoryName), "%s%s",
                          pluginPath, kCommunityFolder);
    if (length < 0 || static_cast<size_t>(length) >= sizeof(communityDirectoryName)) {
        communityDirectoryName[0] = 0;
    }
}

bool DataCache::isCommunityFileCacheBusy(int* read, int* total) {
    bool busy = communityCacheBusy.load(std::memory_order_acquire);
    if (read != nullptr) {
        *read = communityReadCount.load(std::memory_order_acquire);
    }
    if (total != nullptr) {
        *total = communityTotalCount.load(std::memory_order_acquire);
    }
    return busy;
}

std::vector<GlobalCameraFileNameEntry>& DataCache::getCommunityFileList() {
    return communityFileList;
}

int DataCache::communityReadsDone() {
    return communityReadsFinished.load(std::memory_order_acquire);
}

void DataCache::cleanUpCache() { forgetCloseAirports(); }

const char* getCommunityAircraftCameraDirectoryName() { return communityDirectoryName; }

int countCommunityCameraTypes(const char* aircraft) {
    if (aircraft == nullptr || DataCache::isCommunityFileCacheBusy(nullptr, nullptr)) {
        return 0;
    }
    int count = 0;
    for (const GlobalCameraFileNameEntry& entry : DataCache::getCommunityFileList()) {
        if (strcasecmp(entry.properties.aircraft, aircraft) == 0) {
            ++count;
        }
    }
    return count;
}

GlobalCameraFileNameEntry* getCommunityAircraftFiles() {
    if (DataCache::isCommunityFileCacheBusy(nullptr, nullptr)) {
        return nullptr;
    }
    GlobalCameraFileNameEntry* head = nullptr;
    GlobalCameraFileNameEntry* tail = nullptr;
    for (const GlobalCameraFileNameEntry& entry : DataCache::getCommunityFileList()) {
        GlobalCameraFileNameEntry* copy = new GlobalCameraFileNameEntry(entry);
        copy->next = nullptr;
        copy->prev = tail;
        if (tail != nullptr) {
            tail->next = copy;
        } else {
            head = copy;
        }
        tail = copy;
    }
    return head;
}
