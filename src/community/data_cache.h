// The local library of community camera files, cached by a worker thread, and
// the airports near the user's aircraft.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "cameras/files/camera_file_entry.h"

class DataCache {
public:
    struct AirportLocation {
        char id[100];
        char name[256];
        float lat, lon, height;
        float distance;  // nautical miles from the aircraft at the scan
        bool hasCameraFile;
    };

    // The folders, taken at enable.
    static void initDataCache();
    // Starts the worker (community_worker.h) unless one runs (then false);
    // the frames join it once it has finished, the stop waits for it. The
    // folder is listed here, on the calling thread.
    static bool cacheCommunityCameraFiles();
    // The worker's body: one entry per name of the packed listing (names ended
    // by a zero byte, an empty name last), then the busy flag cleared.
    static void loadCommunityCameraFiles(std::string folder, std::unique_ptr<char[]> names);
    // Stores the counters where asked; true while a worker fills the list.
    static bool isCommunityFileCacheBusy(int* read, int* total);
    // Valid only while isCommunityFileCacheBusy is false.
    static std::vector<GlobalCameraFileNameEntry>& getCommunityFileList();
    // How many reads of the library have finished: a change means the list
    // was rebuilt, and what was taken from it before is out of date.
    static int communityReadsDone();
    // Airports within 10 nautical miles, scanned again after a move of 0.1
    // nautical miles or when forced.
    static std::vector<AirportLocation>& findCloseAirports(bool force);
    static void cleanUpCache();

private:
    // The first call after this scans again.
    static void forgetCloseAirports();

    static std::vector<GlobalCameraFileNameEntry> communityFileList;
    static std::atomic<bool> communityCacheBusy;
    static std::atomic<int> communityReadCount;
    static std::atomic<int> communityTotalCount;
    static std::atomic<int> communityReadsFinished;
    static std::vector<AirportLocation> closeAirportLocationList;
    static char pluginPath[2000];
    static char systemPath[2000];
    static const char* const directorySeparator;
};

// The plug-in's folder followed by "CommunityAircraftCameras", without a
// trailing "/"; empty when the plug-in's folder is unknown (nothing is then
// read or written there).
const char* getCommunityAircraftCameraDirectoryName();
// Entries of the cached list whose aircraft equals the name, ignoring case.
int countCommunityCameraTypes(const char* aircraft);
// A copy of the cached list as newly allocated entries linked in list order,
// null when it is empty; free it with removeGlobalCameras.
GlobalCameraFileNameEntry* getCommunityAircraftFiles();
