#include <cerrno>
#include <cstring>

#include "cameras/files/camera_columns.h"
#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_lines.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/files/camera_file_rows.h"
#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_set_listeners.h"
#include "cameras/set/camera_set.h"
#include "cameras/files/default_camera_sets.h"
#include "shell/log.h"
#include "shell/regular_file.h"

namespace {
struct OpenedFile {
    FILE* file = nullptr;
    std::string path;
    int error = 0;  // errno of the failed open
};

OpenedFile openForReading(const std::string& path) {
    OpenedFile opened;
    opened.path = path;
    opened.file = openRegularFileStream(path);
    opened.error = opened.file != nullptr ? 0 : errno;
    return opened;
}

// The file named, else the aircraft's older "Ovilux.csv". When neither opens,
// the failure that matters is an existing file that cannot be read.
OpenedFile openWithOlderFallback(const std::string& path) {
    OpenedFile first = openForReading(path);
    if (first.file != nullptr) {
        return first;
    }
    OpenedFile older = openForReading(getCameraFilePath());
    if (older.file != nullptr) {
        return older;
    }
    return first.error != ENOENT ? first : older;
}

enum class ReadOutcome { Complete, ShortRow };

// Rows that could not be placed. A hostile file may hold thousands past the
// limits: the first is logged in full, the rest only counted.
struct RefusedRows {
    int count = 0;
    int firstLine = 0;
};

void logRefusedRows(const RefusedRows& refused, const std::string& path) {
    if (refused.count > 1) {
        sLogMsg("Skipped %d more rows of camera file %s after line %d: they could not be placed "
                "either",
                refused.count - 1, path.c_str(), refused.firstLine);
    }
}

ReadOutcome readRows(FILE* file, const std::string& path) {
    CameraFileLines lines(file);
    char* fields[kCameraFileColumns];
    RefusedRows refused;
    int previousCategory = -1;
    for (int number = 1;; ++number) {
        char* line = nullptr;
        CameraFileLine status = lines.next(&line);
        if (status == CameraFileLine::End) {
            logRefusedRows(refused, path);
            return ReadOutcome::Complete;
        }
        if (status == CameraFileLine::TooLong) {
            sLogMsg("Skipped line %d of camera file %s: longer than %d characters", number,
                    path.c_str(), kMaxCameraFileLine);
            continue;
        }
        int count = 0;
        CameraFileRow row = splitCameraFileRow(line, fields, kCameraFileColumns, &count);
        if (row == CameraFileRow::TooShort) {
            sLogMsg("The camera file does not have the minimum number of camera parameters: %s, "
                    "line %d has %d fields",
                    path.c_str(), number, count);
            logRefusedRows(refused, path);
            return ReadOutcome::ShortRow;
        }
        if (row != CameraFileRow::Camera) {
            continue;
        }
        if (refused.count > 0 && !cameraRowHasRoom(fields)) {
            ++refused.count;
            continue;
        }
        int placed = count < kCameraFileColumns ? count : kCameraFileColumns;
        if (!placeCameraRow(fields, placed, &previousCategory)) {
            if (refused.count++ == 0) {
                refused.firstLine = number;
                logMsg("Unexpected error reading camera parameters");
            }
        }
    }
}

void rememberCursorOf(GlobalCameraFileNameEntry* entry) {
    entry->savedCategory = getCurrentCategoryIndex();
    Category* category = getCurrentCategory();
    entry->savedCameraIndex = category != nullptr ? category->currentCameraIndex : 0;
}

void restoreCursorOf(GlobalCameraFileNameEntry* entry) {
    Category* category = getCategory(entry->savedCategory);
    if (category != nullptr) {
        setCurrentCategoryIndex(entry->savedCategory);
        bool valid = entry->savedCameraIndex >= 0 &&
                     entry->savedCameraIndex < category->numberOfCameras;
        category->currentCameraIndex = valid ? entry->savedCameraIndex : 0;
    } else {
        setCurrentCategoryIndex(0);
        if (Category* first = getCategory(0)) {
            first->currentCameraIndex = 0;
        }
    }
}

void finishCameras(bool airport) {
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            Camera& camera = category->cameras[i];
            camera.isAirportCamera = airport ? 1 : 0;
            if (camera.xpRealistic) {
                camera.realView = false;
                camera.headShake = false;
            } else if (camera.realView) {
                camera.headShake = false;
            }
        }
    }
}

void countIntoProperties(GlobalCameraFileNameEntry* entry) {
    entry->properties.numberOfCategories = getNumberOfCategories();
    int cameras = 0;
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        cameras += getCategory(c)->numberOfCameras;
    }
    entry->properties.numberOfCameras = cameras;
}
// Keeps the outgoing set and its cursor, then makes target the active file
// with an empty set.
void switchActiveFile(GlobalCameraFileNameEntry* target, const std::string& activePath) {
    if (GlobalCameraFileNameEntry* previous = getCurrentActiveCameraFile()) {
        rememberCursorOf(previous);
        fillCategoryCache(getCategoryCache(previous->fileType));
    }
    initCategories();
    GlobalCameraFileNameEntry* head = getGlobalCameraFileNameList();
    copyText(head->fileName, sizeof(head->fileName), getAircraftCameraFileName().c_str());
    setCurrentActiveCameraFile(target);
    copyText(target->path, sizeof(target->path), activePath.c_str());
    // A file read after another must not inherit its author, version or aircraft.
    resetCameraFileProperties(&target->properties);
}

// A file that does not exist yet gets the default set, written at once. One
// that exists but gave no cameras is the user's and is never overwritten: the
// default set then lives in memory only, and the result is false when the
// file could not be read at all. An imported file without cameras is no
// import: a default camera in place of the pilot's set is a failed read.
bool fillEmptySet(bool airport, bool imported, bool opened, const OpenedFile& source) {
    if (airport) {
        makeDefaultAirportSet();
    } else {
        makeDefaultAircraftSet();
    }
    if (!opened && source.error == ENOENT) {
        if (saveCameras(false, false) && !airport) {
            announceNewAircraftCameraFile();
        }
        return true;
    }
    if (!opened) {
        sLogMsg("Unable to read camera file %s (%s); using a default camera set without saving it",
                source.path.c_str(), describeReadError(source.error));
        return false;
    }
    if (imported) {
        sLogMsg("The camera file %s holds no cameras; nothing is imported", source.path.c_str());
        return false;
    }
    sLogMsg("The camera file %s holds no cameras; using a default camera set without saving it",
            source.path.c_str());
    return true;
}
}  // namespace

int readCameras(GlobalCameraFileNameEntry* entry) {
    bool airport = entry != nullptr && entry->fileType == kAirportCameraFile;
    bool community = !airport && entry != nullptr && entry->isCommunityFile;
    GlobalCameraFileNameEntry* target = airport ? entry : getGlobalCameraFileNameList();
    std::string activePath = airport ? getGlobalCameraPath(entry) : getAircraftCameraFilePath();

    OpenedFile source;
    if (airport) {
        source = openForReading(activePath);
    } else if (community) {
        // An imported file is the one named or none: the aircraft's older
        // "Ovilux.csv" is never read in its place.
        source = openForReading(entry->path);
        if (source.file == nullptr) {
            // Nothing to import: the set and the aircraft's own file stay as they are.
            sLogMsg("Unable to open camera file %s (%s)", entry->path,
                    describeReadError(source.error));
            return 0;
        }
    } else {
        source = openWithOlderFallback(activePath);
    }

    // Transition frames point at camera records by slot, and the slots are
    // about to hold this file's cameras.
    tellCameraSetListeners(CameraSetEvent::Replacing);
    switchActiveFile(target, activePath);
    bool complete = true;
    bool opened = source.file != nullptr;
    if (opened) {
        beginCameraValueChecks(source.path);
        complete = readRows(source.file, source.path) == ReadOutcome::Complete;
        endCameraValueChecks();
        if (ferror(source.file) != 0) {
            sLogMsg("Unable to read camera file %s (%s)", source.path.c_str(),
                    describeReadError(errno));
            complete = false;
        }
        fclose(source.file);
        source.file = nullptr;
    }
    if (getNumberOfCategories() == 0 && !fillEmptySet(airport, community, opened, source)) {
        complete = false;
    }

    finishCameras(airport);
    updateCameraReferences(true);
    restoreCursorOf(target);
    countIntoProperties(target);
    tellCameraSetListeners(CameraSetEvent::Read);
    return complete ? 1 : 0;
}

void restoreAndHomeCameras() {
    readCameras(nullptr);
    setCurrentCategoryIndex(0);
    if (Category* first = getCategory(0)) {
        first->currentCameraIndex = 0;
    }
}
