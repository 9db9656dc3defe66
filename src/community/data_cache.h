// The local library of community camera files, cached by a worker thread, and
// the airports near the user's aircraft.
#pragma once

#include <thread>
#include <vector>

class DataCache {
public:
    struct AirportLocation {
        char id[100];
        char name[256];
        float lat, lon, height;
        float distance;  // nautical miles from the aircraft at the scan
        bool hasCameraFile;
    };

    static void initDataCache();
    // Starts the worker unless one runs; the caller owns and joins the thread.
    static std::thread* cacheCommunityCameraFiles();
    static bool isCommunityFileCacheBusy(int* read, int* total);
    // Airports within 10 nautical miles, scanned again after a move of 0.1
    // nautical miles or when forced.
    static std::vector<AirportLocation>& findCloseAirports(bool force);
    static void cleanUpCache();
};
