#include "community/data_cache.h"

void DataCache::initDataCache() {}

std::thread* DataCache::cacheCommunityCameraFiles() { return nullptr; }

bool DataCache::isCommunityFileCacheBusy(int* read, int* total) {
    if (read) {
        *read = 0;
    }
    if (total) {
        *total = 0;
    }
    return false;
}

void DataCache::cleanUpCache() {}

std::vector<DataCache::AirportLocation>& DataCache::findCloseAirports(bool) {
    static std::vector<AirportLocation> none;
    return none;
}
