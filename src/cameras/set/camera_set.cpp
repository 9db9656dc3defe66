#include "cameras/set/camera_set.h"

#include "cameras/files/camera_file.h"

namespace {
Category categories[kMaxCategories];
int numberOfCategories = 0;
int currentCategory = 0;
GlobalCameraFileNameEntry* currentCameraFile = nullptr;
CategoryCache categoryCache[2];
Camera* viewIdCameras[kMaxViewId + 1] = {};
int numberOfFavorites = 0;

bool isFavoriteId(int viewId) { return viewId >= 1 && viewId <= kMaxViewId; }

void linkCameraRings() {
    Camera* first = nullptr;
    Camera* previous = nullptr;
    for (int c = 0; c < numberOfCategories; ++c) {
        Category& category = categories[c];
        Camera* previousInCategory = nullptr;
        for (int i = 0; i < category.numberOfCameras; ++i) {
            Camera* camera = &category.cameras[i];
            camera->categoryIndex = c;
            camera->indexInCategory = i;
            camera->nextInCategory = nullptr;
            camera->nextInSet = nullptr;
            if (previousInCategory != nullptr) {
                previousInCategory->nextInCategory = camera;
            }
            if (previous != nullptr) {
                previous->nextInSet = camera;
            }
            if (first == nullptr) {
                first = camera;
            }
            previousInCategory = camera;
            previous = camera;
        }
        if (previousInCategory != nullptr) {
            previousInCategory->nextInCategory = &category.cameras[0];
        }
    }
    if (previous != nullptr) {
        previous->nextInSet = first;
    }
}
}  // namespace

void initCategory(int index) {
    if (index < 0 || index >= kMaxCategories) {
        return;
    }
    Category& category = categories[index];
    category.name[0] = 0;
    category.numberOfCameras = 0;
    category.currentCameraIndex = 0;
    for (Camera& camera : category.cameras) {
        initCamera(&camera);
    }
}

void initCategories() {
    numberOfCategories = 0;
    currentCategory = 0;
    for (int i = 0; i < kMaxCategories; ++i) {
        initCategory(i);
    }
    refreshViewIdCameras();
}

Camera* getCurrentCamera() {
    if (numberOfCategories == 0) {
        readCameras(nullptr);
    }
    Category* category = getCurrentCategory();
    if (category == nullptr || category->currentCameraIndex < 0 ||
        category->currentCameraIndex >= category->numberOfCameras) {
        return nullptr;
    }
    return &category->cameras[category->currentCameraIndex];
}

Category* getCurrentCategory() { return getCategory(currentCategory); }

int getCurrentCategoryIndex() { return currentCategory; }

int getNumberOfCategories() { return numberOfCategories; }

Category* getCategory(int index) {
    if (index < 0 || index >= numberOfCategories) {
        return nullptr;
    }
    return &categories[index];
}

GlobalCameraFileNameEntry* getCurrentActiveCameraFile() { return currentCameraFile; }

Camera* getCameraSetHead() {
    if (numberOfCategories == 0 || categories[0].numberOfCameras == 0) {
        return nullptr;
    }
    return &categories[0].cameras[0];
}

int getCameraCategory(Camera* camera) { return camera->categoryIndex; }

bool isSameCategory(Camera* first, Camera* second) {
    return first != nullptr && second != nullptr && first->categoryIndex == second->categoryIndex;
}

CategoryCache* getCategoryCache(int fileType) {
    return &categoryCache[fileType == kAirportCameraFile ? 1 : 0];
}

Camera* getCameraByViewID(int viewId) { return isFavoriteId(viewId) ? viewIdCameras[viewId] : nullptr; }

bool haveFavorites() { return numberOfFavorites >= 1; }

int getNumberOfFavorites() { return numberOfFavorites; }

int getMaxCategories() { return kMaxCategories; }

int getMaxCameras() { return kMaxCamerasPerCategory; }

void updateCameraReferences(bool renumber) {
    linkCameraRings();
    evaluateFavorites();
    if (renumber) {
        updateUniqueIDs();
    }
}

void refreshViewIdCameras() {
    for (Camera*& slot : viewIdCameras) {
        slot = nullptr;
    }
    for (int c = 0; c < numberOfCategories; ++c) {
        for (int i = 0; i < categories[c].numberOfCameras; ++i) {
            Camera* camera = &categories[c].cameras[i];
            if (isFavoriteId(camera->viewId)) {
                viewIdCameras[camera->viewId] = camera;  // the later holder wins
            }
        }
    }
}

void evaluateFavorites() {
    refreshViewIdCameras();
    // The mini control panel shows the aircraft's favourites while an airport
    // set is active, so their count is left as the aircraft set had it.
    if (isAirportFileActive()) {
        return;
    }
    int count = 0;
    for (int c = 0; c < numberOfCategories; ++c) {
        for (int i = 0; i < categories[c].numberOfCameras; ++i) {
            if (isFavoriteId(categories[c].cameras[i].viewId)) {
                ++count;
            }
        }
    }
    numberOfFavorites = count;
}

void updateUniqueIDs() {
    int next = 1;
    for (int c = 0; c < numberOfCategories; ++c) {
        categories[c].uniqueId = next++;
        for (int i = 0; i < categories[c].numberOfCameras; ++i) {
            categories[c].cameras[i].uniqueId = next++;
        }
    }
}

Category* getCategorySlot(int index) {
    return index >= 0 && index < kMaxCategories ? &categories[index] : nullptr;
}

void setNumberOfCategories(int count) {
    numberOfCategories = count < 0 ? 0 : (count > kMaxCategories ? kMaxCategories : count);
}

void setCurrentCategoryIndex(int index) { currentCategory = index; }

void setCurrentActiveCameraFile(GlobalCameraFileNameEntry* entry) { currentCameraFile = entry; }

bool isAirportFileActive() {
    return currentCameraFile != nullptr && currentCameraFile->fileType == kAirportCameraFile;
}

void clampCursor() {
    for (int c = 0; c < kMaxCategories; ++c) {
        Category& category = categories[c];
        if (category.numberOfCameras < 0) {
            category.numberOfCameras = 0;
        } else if (category.numberOfCameras > kMaxCamerasPerCategory) {
            category.numberOfCameras = kMaxCamerasPerCategory;
        }
        if (category.currentCameraIndex < 0 ||
            category.currentCameraIndex >= category.numberOfCameras) {
            category.currentCameraIndex = 0;
        }
    }
    if (currentCategory < 0 || currentCategory >= numberOfCategories) {
        currentCategory = 0;
    }
}
