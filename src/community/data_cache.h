// The local library of community camera files, cached by a worker thread.
#pragma once

#include <thread>

class DataCache {
public:
    static void initDataCache();
    // Starts the worker unless one runs; the caller owns and joins the thread.
    static std::thread* cacheCommunityCameraFiles();
    static bool isCommunityFileCacheBusy(int* read, int* total);
    static void cleanUpCache();
};
