#include "cameras/set/camera_editing.h"

#include <cstdio>
#include <strings.h>

#include "cameras/set/camera_set.h"
#include "cameras/set/category_names.h"
#include "libwinkit/message_box.h"
#include "shell/plugin_state.h"
#include "shell/speech.h"

namespace {
// Whole categories are too large for the stack.
Category movingCategory;

void announceAdded(const Camera* camera, const Category* category) {
    sXPLMSpeakString("Added %s to category %s", camera->name, category->name);
}

// Moves the record at from to to, shifting the ones between by one place.
template <typename Record>
void moveRecord(Record* records, int from, int to, Record* scratch) {
    if (from == to) {
        return;
    }
    *scratch = records[from];
    if (from > to) {
        for (int i = from; i > to; --i) {
            records[i] = records[i - 1];
        }
    } else {
        for (int i = from; i < to; ++i) {
            records[i] = records[i + 1];
        }
    }
    records[to] = *scratch;
}
}  // namespace

int addCategory() {
    int count = getNumberOfCategories();
    if (count >= kMaxCategories) {
        msgBox("ERROR", "There are no more categories available");
        return 0;
    }
    Camera* current = getCurrentCamera();
    count = getNumberOfCategories();
    initCategory(count);
    Category* category = getCategorySlot(count);
    // Numbered after the count, unless a category has that name already:
    // the file would read the two back as one.
    setCameraName(category->name, numberedCategoryName("Category", count + 1, count).c_str());
    category->numberOfCameras = 1;
    category->currentCameraIndex = 0;
    Camera* camera = &category->cameras[0];
    if (current != nullptr) {
        copyCamera(current, camera);
    }
    setCameraName(camera->name, "Camera 1");
    camera->viewId = 0;
    setNumberOfCategories(count + 1);
    setCurrentCategoryIndex(count);
    updateCameraReferences(true);
    rememberCameraPosition(camera);
    announceAdded(camera, category);
    return 1;
}

int addCameraToCategory() {
    Camera* current = getCurrentCamera();
    Category* category = getCurrentCategory();
    if (current == nullptr || category == nullptr) {
        return 0;
    }
    int count = category->numberOfCameras;
    if (count >= kMaxCamerasPerCategory) {
        msgBox("ERROR", "There are no more cameras available in this category");
        return 0;
    }
    Camera* camera = &category->cameras[count];
    initCamera(camera);
    copyCamera(current, camera);
    char name[kNameSize];
    snprintf(name, sizeof(name), "Camera %d", count + 1);
    setCameraName(camera->name, name);
    camera->viewId = 0;
    category->numberOfCameras = count + 1;
    category->currentCameraIndex = count;
    updateCameraReferences(true);
    rememberCameraPosition(camera);
    announceAdded(camera, category);
    return 1;
}

int insertCameraInCategory() {
    Category* category = getCurrentCategory();
    if (category == nullptr) {
        getCurrentCamera();
        category = getCurrentCategory();
    }
    if (category == nullptr) {
        return 0;
    }
    int place = category->currentCameraIndex;
    if (!addCameraToCategory()) {
        return 0;
    }
    Camera scratch;
    moveRecord(category->cameras, category->numberOfCameras - 1, place, &scratch);
    category->currentCameraIndex = place;
    updateCameraReferences(true);
    return 1;
}

int insertCategory() {
    getCurrentCamera();
    int place = getCurrentCategoryIndex();
    if (!addCategory()) {
        return 0;
    }
    moveRecord(getCategorySlot(0), getNumberOfCategories() - 1, place, &movingCategory);
    setCurrentCategoryIndex(place);
    updateCameraReferences(true);
    return 1;
}

int deleteCategory() {
    int count = getNumberOfCategories();
    if (count < 2) {
        return 0;
    }
    int current = getCurrentCategoryIndex();
    Category* slots = getCategorySlot(0);
    for (int i = current; i < count - 1; ++i) {
        slots[i] = slots[i + 1];
    }
    setNumberOfCategories(count - 1);
    initCategory(count - 1);
    if (current >= count - 1) {
        setCurrentCategoryIndex(count - 2);
    }
    updateCameraReferences(true);
    return 1;
}

int deleteCamera() {
    Category* category = getCurrentCategory();
    if (category == nullptr || category->numberOfCameras < 2) {
        return 0;
    }
    int count = category->numberOfCameras;
    int current = category->currentCameraIndex;
    for (int i = current; i < count - 1; ++i) {
        category->cameras[i] = category->cameras[i + 1];
    }
    category->numberOfCameras = count - 1;
    initCamera(&category->cameras[count - 1]);
    if (current >= count - 1) {
        category->currentCameraIndex = count - 2;
    }
    updateCameraReferences(true);
    return 1;
}

void clearAllCategoryViewIDs(Category* category) {
    if (category == nullptr) {
        return;
    }
    for (int i = 0; i < category->numberOfCameras; ++i) {
        category->cameras[i].viewId = 0;
    }
    updateCameraReferences(false);
}

int setHiddenCamera(Camera* camera) {
    Category* category = camera != nullptr ? getCategory(camera->categoryIndex) : nullptr;
    if (category == nullptr) {
        return 0;
    }
    int hidden = 0;
    for (int i = 0; i < category->numberOfCameras; ++i) {
        if (category->cameras[i].hidden) {
            ++hidden;
        }
    }
    if (hidden >= category->numberOfCameras - 1) {
        return 0;
    }
    camera->hidden = true;
    return 1;
}

void setViewId(int viewId) {
    Camera* current = getCurrentCamera();
    if (current == nullptr) {
        return;
    }
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            if (category->cameras[i].viewId == viewId) {
                category->cameras[i].viewId = 0;
            }
        }
    }
    current->viewId = viewId;
    evaluateFavorites();
}

int hasViewId(int viewId) {
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            if (category->cameras[i].viewId == viewId) {
                return 1;
            }
        }
    }
    return 0;
}

Camera** findCamerasViewID(int viewId, int* count) {
    static Camera* found[kMaxCategories * kMaxCamerasPerCategory];
    int number = 0;
    for (int c = 0; c < getNumberOfCategories() && viewId > 0; ++c) {
        Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            if (category->cameras[i].viewId == viewId) {
                found[number++] = &category->cameras[i];
            }
        }
    }
    *count = number;
    return found;
}

void newAircraftCameraSet() {
    initCategories();
    Category* category = getCategorySlot(0);
    setCameraName(category->name, "Cockpit");
    category->numberOfCameras = 1;
    category->currentCameraIndex = 0;
    Camera* camera = &category->cameras[0];
    setCameraName(camera->name, "Pilot View");
    camera->viewId = 1;
    const CameraPosition* start = getLastPosition();
    camera->x = start->x;
    camera->y = start->y;
    camera->z = start->z;
    camera->heading = start->heading;
    camera->pitch = start->pitch;
    camera->roll = start->roll;
    setNumberOfCategories(1);
    setCurrentCategoryIndex(0);
    updateCameraReferences(true);
    rememberCameraPosition(camera);
}

int findCategoryIndex(const char* name, bool create) {
    char wanted[kNameSize];
    setCameraName(wanted, name);
    int count = getNumberOfCategories();
    for (int i = 0; i < count; ++i) {
        if (strcasecmp(getCategory(i)->name, wanted) == 0) {
            return i;
        }
    }
    if (!create || count >= kMaxCategories) {
        return -1;
    }
    Category* category = getCategorySlot(count);
    setCameraName(category->name, wanted);
    setNumberOfCategories(count + 1);
    return count;
}

void snapToTrackIR() {}
