#include "cameras/set/camera_selection.h"

#include "cameras/files/camera_file.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/camera_set_listeners.h"
#include "cameras/set/control_panel_shown.h"
#include "cameras/set/same_camera.h"
#include "scene/view_reset.h"
#include "shell/speech.h"

namespace {
// The copy of the airport camera X-Plane's view stays on while the aircraft
// set is read back.
Camera keptFreeCamera;

void restoreIfSameCamera(Camera* before) {
    Camera* after = getCurrentCamera();
    if (before != nullptr && after == before && before->temporaryPositioning) {
        restoreSameCamera(before);
        restoreCameraPosition(before);
    }
}

// The camera before the given one in set order, wrapping.
Camera* previousInSet(Camera* camera) {
    int c = camera->categoryIndex;
    int i = camera->indexInCategory - 1;
    while (i < 0) {
        c = c > 0 ? c - 1 : getNumberOfCategories() - 1;
        i = getCategory(c)->numberOfCameras - 1;
    }
    return &getCategory(c)->cameras[i];
}

int selectFromAircraftSet(int viewId, Camera* current) {
    CategoryCache* aircraftSet = getCategoryCache(kAircraftCameraFile);
    int categoryCount = aircraftSet->numberOfCategories;
    for (int c = 0; c < categoryCount && c < kMaxCategories; ++c) {
        const Category& category = aircraftSet->categories[c];
        for (int i = 0; i < category.numberOfCameras && i < kMaxCamerasPerCategory; ++i) {
            if (category.cameras[i].viewId != viewId) {
                continue;
            }
            if (current != nullptr) {
                keptFreeCamera = *current;
                tellCameraSetListeners(CameraSetEvent::KeepView, &keptFreeCamera);
            }
            readCameras(getGlobalCameraFileNameList());
            // The file may have changed since the set was kept.
            if (Category* found = getCategory(c)) {
                setCurrentCategoryIndex(c);
                if (i < found->numberOfCameras) {
                    found->currentCameraIndex = i;
                }
            }
            return 1;
        }
    }
    sXPLMSpeakString("Unable to find view ID %d", viewId);
    return 0;
}
}  // namespace

bool isCameraOfSet(const Camera* camera) {
    if (camera == nullptr) {
        return false;
    }
    Category* category = getCategory(camera->categoryIndex);
    return category != nullptr && camera->indexInCategory >= 0 &&
           camera->indexInCategory < category->numberOfCameras &&
           &category->cameras[camera->indexInCategory] == camera;
}

void setCurrentCamera(Camera* camera) {
    if (!isCameraOfSet(camera)) {
        return;
    }
    setCurrentCategoryIndex(camera->categoryIndex);
    getCategory(camera->categoryIndex)->currentCameraIndex = camera->indexInCategory;
}

void setCategory(int index) {
    if (getCategory(index) == nullptr) {
        return;
    }
    setCurrentCategoryIndex(index);
    setResetViewModes();
}

void setCameraIndex(int index) {
    Category* category = getCurrentCategory();
    if (category == nullptr || index < 0 || index >= category->numberOfCameras) {
        return;
    }
    Camera* before = getCurrentCamera();
    category->currentCameraIndex = index;
    restoreIfSameCamera(before);
    setResetViewModes();
}

Camera* peakNextCamera() {
    Category* category = getCurrentCategory();
    if (category == nullptr || category->numberOfCameras == 0) {
        return nullptr;
    }
    int next = category->currentCameraIndex + 1;
    return &category->cameras[next < category->numberOfCameras ? next : 0];
}

Camera* getNextCamera(bool includeHidden) {
    Category* category = getCurrentCategory();
    if (category == nullptr) {
        return getCurrentCamera();
    }
    bool visitHidden = includeHidden || isControlPanelVisable();
    int current = category->currentCameraIndex;
    int index = current + 1;
    while (index != current) {
        if (index >= category->numberOfCameras) {
            index = 0;
            continue;
        }
        if (visitHidden || !category->cameras[index].hidden) {
            break;
        }
        ++index;
    }
    category->currentCameraIndex = index;
    return getCurrentCamera();
}

Camera* getPreviousCamera(bool includeHidden) {
    Category* category = getCurrentCategory();
    if (category == nullptr) {
        return getCurrentCamera();
    }
    bool visitHidden = includeHidden || isControlPanelVisable();
    int current = category->currentCameraIndex;
    int index = current - 1;
    while (index != current) {
        if (index < 0) {
            index = category->numberOfCameras - 1;
            continue;
        }
        if (visitHidden || !category->cameras[index].hidden) {
            break;
        }
        --index;
    }
    category->currentCameraIndex = index;
    return getCurrentCamera();
}

Camera* getNextCategory() {
    int count = getNumberOfCategories();
    if (count > 0) {
        setCurrentCategoryIndex((getCurrentCategoryIndex() + 1) % count);
    }
    return getCurrentCamera();
}

Camera* getPreviousCategory() {
    int count = getNumberOfCategories();
    if (count > 0) {
        int index = getCurrentCategoryIndex() - 1;
        setCurrentCategoryIndex(index < 0 ? count - 1 : index);
    }
    return getCurrentCamera();
}

int selectCameraByViewID(int viewId) {
    Camera* current = getCurrentCamera();
    if (current != nullptr) {
        for (Camera* camera = current->nextInSet; camera != nullptr && camera != current;
             camera = camera->nextInSet) {
            if (camera->viewId == viewId) {
                setCurrentCamera(camera);
                return 1;
            }
        }
        if (current->viewId == viewId) {
            if (current->temporaryPositioning) {
                restoreSameCamera(current);
                restoreCameraPosition(current);
            }
            return 1;
        }
    }
    if (!isAirportFileActive()) {
        sXPLMSpeakString("Unable to find view ID %d", viewId);
        return 0;
    }
    return selectFromAircraftSet(viewId, current);
}

int selectCameraByCategoryID(int index) {
    if (getCategory(index) == nullptr) {
        sXPLMSpeakString("Category %d does not exist", index + 1);
        return 0;
    }
    Camera* before = getCurrentCamera();
    setCurrentCategoryIndex(index);
    restoreIfSameCamera(before);
    return 1;
}

int selectNextViewID() {
    Camera* current = getCurrentCamera();
    if (current == nullptr) {
        return 0;
    }
    for (Camera* camera = current->nextInSet; camera != nullptr && camera != current;
         camera = camera->nextInSet) {
        if (camera->viewId > 0) {
            return selectCameraByViewID(camera->viewId);
        }
    }
    return 0;
}

int selectPreviousViewID() {
    Camera* current = getCurrentCamera();
    if (current == nullptr) {
        return 0;
    }
    for (Camera* camera = previousInSet(current); camera != current;
         camera = previousInSet(camera)) {
        if (camera->viewId > 0) {
            return selectCameraByViewID(camera->viewId);
        }
    }
    return 0;
}

int findTargetCamera() {
    Camera* current = getCurrentCamera();
    if (current != nullptr && current->targetFollowing) {
        return 1;
    }
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            if (category->cameras[i].targetFollowing) {
                setCurrentCamera(&category->cameras[i]);
                return 1;
            }
        }
    }
    return 0;
}
