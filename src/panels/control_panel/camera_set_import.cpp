#include "panels/control_panel/camera_set_import.h"

#include <memory>

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/cockpit_correction.h"

namespace {

// What an import replaces, put back when the file turns out unreadable: the
// reader empties the set before it reads the rows.
struct SetBeforeImport {
    CategoryCache categories;
    GlobalCameraFileNameEntry* activeFile = nullptr;
    CameraFileProperty activeProperties;
    CameraFileProperty aircraftProperties;
    int categoryIndex = 0;
    int cameraIndex = 0;
};

void keep(SetBeforeImport* before) {
    fillCategoryCache(&before->categories);
    before->activeFile = getCurrentActiveCameraFile();
    if (before->activeFile != nullptr) {
        before->activeProperties = before->activeFile->properties;
    }
    before->aircraftProperties = getGlobalCameraFileNameList()->properties;
    before->categoryIndex = getCurrentCategoryIndex();
    Category* category = getCurrentCategory();
    before->cameraIndex = category != nullptr ? category->currentCameraIndex : 0;
}

void putBack(SetBeforeImport* before) {
    getGlobalCameraFileNameList()->properties = before->aircraftProperties;
    setCurrentActiveCameraFile(before->activeFile);
    if (before->activeFile != nullptr) {
        before->activeFile->properties = before->activeProperties;
    }
    restoreCategoriesFromCache(&before->categories);
    setCurrentCategoryIndex(before->categoryIndex);
    if (Category* category = getCategory(before->categoryIndex)) {
        category->currentCameraIndex = before->cameraIndex;
    }
    clampCursor();
}

}  // namespace

bool importCameraSet(const GlobalCameraFileNameEntry& source, bool autoCorrect) {
    Camera reference;
    Category* first = getCategory(0);
    if (first != nullptr && first->numberOfCameras > 0) {
        copyCamera(&first->cameras[0], &reference);
    }
    std::unique_ptr<SetBeforeImport> before(new SetBeforeImport());
    keep(before.get());

    std::unique_ptr<GlobalCameraFileNameEntry> entry(new GlobalCameraFileNameEntry(source));
    entry->next = nullptr;
    entry->prev = nullptr;
    entry->fileType = kAircraftCameraFile;
    // Read from its path while the aircraft's own file stays the one saved to.
    entry->isCommunityFile = 1;
    if (readCameras(entry.get()) == 0) {
        putBack(before.get());
        return false;
    }
    if (GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile()) {
        active->properties.author[0] = 0;
        copyText(active->properties.fileVersion, sizeof(active->properties.fileVersion),
                 getDateTime().c_str());
    }
    if (autoCorrect) {
        attempAutoCorrectCockpitCamera(&reference);
    }
    return true;
}
