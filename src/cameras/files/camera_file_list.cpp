#include "cameras/files/camera_file_list.h"

#include <sys/stat.h>
#include <vector>

#include "cameras/set/camera_set.h"
#include "shell/plugin_path.h"
#include "xplane/sdk.h"

namespace {
GlobalCameraFileNameEntry* listHead = nullptr;

const char* const kDirectories[] = {"MyAirportCameras", "CommunityAirportCameras"};
const int kDirectoryCount = 2;

void append(GlobalCameraFileNameEntry* head, GlobalCameraFileNameEntry* entry) {
    GlobalCameraFileNameEntry* last = head;
    while (last->next != nullptr) {
        last = last->next;
    }
    last->next = entry;
    entry->prev = last;
    entry->next = nullptr;
}

// Puts replacement where entry is in its list; entry is left unlinked.
void replaceInList(GlobalCameraFileNameEntry* entry, GlobalCameraFileNameEntry* replacement) {
    replacement->prev = entry->prev;
    replacement->next = entry->next;
    if (entry->prev != nullptr) {
        entry->prev->next = replacement;
    }
    if (entry->next != nullptr) {
        entry->next->prev = replacement;
    }
    entry->prev = nullptr;
    entry->next = nullptr;
}

// Camera files only: folders, hidden files and anything else are left out.
bool isListedFile(const std::string& folder, const char* name) {
    if (name[0] == 0 || name[0] == '.') {
        return false;
    }
    struct stat info;
    return stat((folder + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void addDirectory(GlobalCameraFileNameEntry* head, int directoryIndex) {
    std::string folder = getPluginPathString() + kDirectories[directoryIndex];
    // Paged, so a folder of any size is listed whole.
    std::vector<char> names(256 * 1024);
    std::vector<char*> indices(4096);
    int first = 0;
    for (;;) {
        int total = 0;
        int returned = 0;
        XPLMGetDirectoryContents(folder.c_str(), first, names.data(), static_cast<int>(names.size()),
                                 indices.data(), static_cast<int>(indices.size()), &total,
                                 &returned);
        for (int i = 0; i < returned; ++i) {
            if (!isListedFile(folder, indices[i])) {
                continue;
            }
            GlobalCameraFileNameEntry* entry = createCameraFileEntry(kAirportCameraFile);
            entry->directoryIndex = directoryIndex;
            copyText(entry->fileName, sizeof(entry->fileName), indices[i]);
            copyText(entry->path, sizeof(entry->path), getGlobalCameraPath(entry).c_str());
            append(head, entry);
        }
        first += returned;
        if (returned == 0 || first >= total) {
            return;
        }
    }
}

bool isInList(GlobalCameraFileNameEntry* head, GlobalCameraFileNameEntry* entry) {
    for (GlobalCameraFileNameEntry* e = head; e != nullptr; e = e->next) {
        if (e == entry) {
            return true;
        }
    }
    return false;
}

void unlink(GlobalCameraFileNameEntry* entry) {
    if (entry->prev != nullptr) {
        entry->prev->next = entry->next;
    }
    if (entry->next != nullptr) {
        entry->next->prev = entry->prev;
    }
    entry->prev = nullptr;
    entry->next = nullptr;
}

GlobalCameraFileNameEntry* findSameFile(GlobalCameraFileNameEntry* head,
                                        const GlobalCameraFileNameEntry* entry) {
    for (GlobalCameraFileNameEntry* e = head->next; e != nullptr; e = e->next) {
        if (e->directoryIndex == entry->directoryIndex &&
            std::string(e->fileName) == entry->fileName) {
            return e;
        }
    }
    return nullptr;
}

void freeEntries(GlobalCameraFileNameEntry* entry) {
    while (entry != nullptr) {
        GlobalCameraFileNameEntry* next = entry->next;
        if (entry == getCurrentActiveCameraFile()) {
            setCurrentActiveCameraFile(nullptr);
        }
        delete entry;
        entry = next;
    }
}
}  // namespace

GlobalCameraFileNameEntry* createCameraFileEntry(int fileType) {
    GlobalCameraFileNameEntry* entry = new GlobalCameraFileNameEntry();
    entry->fileType = fileType;
    resetCameraFileProperties(&entry->properties);
    return entry;
}

GlobalCameraFileNameEntry* getCameraFileNames() {
    GlobalCameraFileNameEntry* head = createCameraFileEntry(kAircraftCameraFile);
    for (int i = 0; i < kDirectoryCount; ++i) {
        addDirectory(head, i);
    }
    return head;
}

void initGlobalCameras() {
    GlobalCameraFileNameEntry* fresh = getCameraFileNames();
    if (listHead == nullptr) {
        listHead = fresh;
        return;
    }
    // Built again after a re-enable: the aircraft entry and the active airport
    // entry live on in the new list, since the set and its cursor refer to them.
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    GlobalCameraFileNameEntry* kept = nullptr;
    if (active != nullptr && active != listHead && isInList(listHead, active)) {
        unlink(active);
        kept = active;
    }
    GlobalCameraFileNameEntry* oldEntries = listHead->next;
    if (oldEntries != nullptr) {
        oldEntries->prev = nullptr;
    }
    listHead->next = nullptr;
    replaceInList(fresh, listHead);
    delete fresh;
    if (kept != nullptr) {
        if (GlobalCameraFileNameEntry* same = findSameFile(listHead, kept)) {
            replaceInList(same, kept);
            delete same;
        } else {
            append(listHead, kept);
        }
    }
    freeEntries(oldEntries);
    // The first airport-loaded message, which looked the locations up, came
    // before this enable and will not come again: without them an airport
    // file is found only by its code, no longer by distance.
    getAirportLocations();
}

GlobalCameraFileNameEntry* getGlobalCameraFileNameList() {
    if (listHead == nullptr) {
        listHead = createCameraFileEntry(kAircraftCameraFile);
    }
    return listHead;
}

void removeGlobalCameras(GlobalCameraFileNameEntry* entry) {
    if (entry == nullptr) {
        entry = listHead;
    }
    if (entry == nullptr) {
        return;
    }
    if (entry->prev != nullptr) {
        entry->prev->next = nullptr;
        entry->prev = nullptr;
    }
    if (entry == listHead) {
        listHead = nullptr;
    }
    freeEntries(entry);
}

const char* getAirportCameraDirectoryName(int directoryIndex) {
    return kDirectories[directoryIndex == kCommunityAirportCameras ? 1 : 0];
}

std::string getGlobalCameraPath(GlobalCameraFileNameEntry* entry) {
    return getPluginPathString() + getAirportCameraDirectoryName(entry->directoryIndex) + "/" +
           entry->fileName;
}
