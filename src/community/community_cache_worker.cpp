// The worker that reads the library: the folder is listed on the main thread,
// the files' properties are read on the worker, and the busy flag tells the
// main thread when the list is its own again.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include "community/community_file_names.h"
#include "community/community_file_properties.h"
#include "community/community_worker.h"
#include "community/data_cache.h"
#include "shell/log.h"
#include "xplane/sdk.h"

namespace {
// What one listing may hold; larger folders are listed as far as they fit.
const int kNameBufferSize = 5000000;
const size_t kPathSize = sizeof(GlobalCameraFileNameEntry::path);

// Lists the folder into a packed buffer of plain names, each ended by a zero
// byte, an empty name last. Names that are not plain file names, or that would
// not fit an entry's path, are dropped here and logged once. Returns the
// number of names kept.
int listCommunityFolder(const std::string& folder, char* names) {
    names[0] = 0;
    if (folder.empty()) {
        return 0;
    }
    int total = 0;
    int returned = 0;
    XPLMGetDirectoryContents(folder.c_str(), 0, names, kNameBufferSize, nullptr, 0, &total,
                             &returned);
    names[kNameBufferSize - 1] = 0;
    if (returned < total) {
        sLogMsg("Only %d of the %d files in %s fit one listing; the others are not cached",
                returned, total, folder.c_str());
    }
    const char* end = names + kNameBufferSize - 1;
    const char* read = names;
    char* write = names;
    int kept = 0;
    int skipped = 0;
    for (int i = 0; i < returned && read < end && *read != 0; ++i) {
        size_t length = strnlen(read, static_cast<size_t>(end - read));
        bool fits = folder.size() + 1 + length < kPathSize;
        if (isPlainCommunityFileName(read) && fits) {
            memmove(write, read, length + 1);
            write += length + 1;
            ++kept;
        } else {
            ++skipped;
        }
        read += length + 1;
    }
    *write = 0;
    if (skipped > 0) {
        sLogMsg("Skipped %d names in %s that are not plain file names", skipped, folder.c_str());
    }
    return kept;
}

// The reader keeps at most 40 characters of the aircraft and 39 of the author.
void makeSearchKey(CameraFileProperty& properties) {
    snprintf(properties.searchKey, sizeof(properties.searchKey), "%.40s %.39s",
             properties.aircraft, properties.author);
    for (char* c = properties.searchKey; *c != 0; ++c) {
        *c = static_cast<char>(toupper(static_cast<unsigned char>(*c)));
    }
}
}  // namespace

bool DataCache::cacheCommunityCameraFiles() {
    if (communityCacheBusy.load(std::memory_order_acquire)) {
        return false;
    }
    communityCacheBusy.store(true, std::memory_order_release);
    communityReadCount.store(0, std::memory_order_release);
    communityTotalCount.store(0, std::memory_order_release);
    auto names = std::make_shared<std::unique_ptr<char[]>>(new char[kNameBufferSize]);
    std::string folder = getCommunityAircraftCameraDirectoryName();
    communityTotalCount.store(listCommunityFolder(folder, names->get()), std::memory_order_release);
    std::string error;
    // Nothing stops it early: it reads its whole list, and the stop waits.
    std::shared_ptr<CommunityWorker> worker = CommunityWorker::start(
        [folder, names](CommunityWorker&) { loadCommunityCameraFiles(folder, std::move(*names)); },
        nullptr, &error);
    if (worker == nullptr) {
        // No worker will clear the flag: the next request tries again.
        sLogMsg("Unable to start reading the community files: %s", error.c_str());
        communityCacheBusy.store(false, std::memory_order_release);
        return false;
    }
    return true;
}

void DataCache::loadCommunityCameraFiles(std::string folder, std::unique_ptr<char[]> names) {
    communityFileList.clear();
    for (const char* name = names.get(); *name != 0; name += strlen(name) + 1) {
        GlobalCameraFileNameEntry entry;
        snprintf(entry.fileName, sizeof(entry.fileName), "%s", name);
        snprintf(entry.path, sizeof(entry.path), "%s%s%s", folder.c_str(), directorySeparator,
                 name);
        entry.fileType = kAircraftCameraFile;
        entry.isCommunityFile = 1;
        // What a file without rows reports, and an unreadable one keeps.
        entry.properties.numberOfCategories = 1;
        readAircraftFileProperties(&entry);
        makeSearchKey(entry.properties);
        communityFileList.push_back(entry);
        communityReadCount.fetch_add(1, std::memory_order_release);
    }
    names.reset();
    communityReadsFinished.fetch_add(1, std::memory_order_release);
    communityCacheBusy.store(false, std::memory_order_release);
}
