#include <cerrno>
#include <cstring>

#include "cameras/files/camera_columns.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_set.h"
#include "libwinkit/message_box.h"
#include "shell/file_replace.h"
#include "shell/log.h"
#include "shell/plugin_path.h"
#include "shell/speech.h"

namespace {
// Rows of default cameras take some 500 characters, long names and large
// numbers more.
const size_t kUsualRowLength = 640;

// Texts go into the file as they will read back: the names and properties in
// memory change with them.
void cleanText(char* text) {
    for (; *text != 0; ++text) {
        if (*text == ',' || *text == '\r' || *text == '\n') {
            *text = ' ';
        }
    }
}

// Empty when a camera holds a number that is not finite: it would read back
// as garbage, so the file keeps what it holds.
std::string cameraFileText(GlobalCameraFileNameEntry* active) {
    CameraFileProperty& properties = active->properties;
    cleanText(properties.author);
    cleanText(properties.fileVersion);
    cleanText(properties.aircraft);

    CameraRow row;
    row.properties = &properties;
    row.airportFile = active->fileType == kAirportCameraFile;
    row.aircraftName = row.airportFile ? std::string() : getAircraftName();

    std::string text = cameraFileHeader();
    // One allocation for the whole text instead of a copy at every doubling.
    int cameras = 0;
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        cameras += getCategory(c)->numberOfCameras;
    }
    text.reserve(text.size() + static_cast<size_t>(cameras) * kUsualRowLength);
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        cleanText(category->name);
        row.category = category;
        row.categoryIndex = c;
        for (int i = 0; i < category->numberOfCameras; ++i) {
            row.camera = &category->cameras[i];
            cleanText(row.camera->name);
            if (!appendCameraRow(text, row)) {
                sLogMsg("Unable to write camera file %s: camera \"%s\" holds a number that is "
                        "not finite",
                        active->path, row.camera->name);
                return std::string();
            }
        }
    }
    return text;
}

void warnOfDuplicateViewIds() {
    for (int viewId = 1; viewId <= kMaxViewId; ++viewId) {
        int holders = 0;
        findCamerasViewID(viewId, &holders);
        if (holders > 1) {
            msgBox("WARNING",
                   "Some cameras have duplicate View IDs. Use the Display View IDs function in the "
                   "File menu to see the assignments.");
            return;
        }
    }
}
}  // namespace

int saveCameras(bool announce, bool backup) {
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    if (getNumberOfCategories() == 0 || active == nullptr || active->path[0] == 0) {
        // An empty set would leave a file that reads back as a new aircraft.
        sLogMsg("Unable to write camera file %s (%s)",
                active != nullptr && active->path[0] != 0 ? active->path : "(none)",
                getNumberOfCategories() == 0 ? "no cameras to write" : "no camera file is active");
        return 0;
    }
    if (Camera* current = getCurrentCamera()) {
        rememberCameraPosition(current);
    }
    std::string text = cameraFileText(active);
    if (text.empty()) {
        return 0;
    }
    if (active->fileType == kAirportCameraFile) {
        // A first airport file may be made before its folder exists.
        makePluginSubfolder(getAirportCameraDirectoryName(active->directoryIndex));
    }
    if (!replaceFileContents(active->path, text)) {
        sLogMsg("Unable to write camera file %s (%s)", active->path, strerror(errno));
        return 0;
    }
    if (active->fileType == kAircraftCameraFile && backup) {
        backUpCameraFile(active->path);
    }
    updateCameraReferences(true);
    warnOfDuplicateViewIds();
    if (announce) {
        sXPLMSpeakString("Cameras Saved");
    }
    return 1;
}
