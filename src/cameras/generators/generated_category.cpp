#include "cameras/generators/generated_category.h"

#include <cstdio>

#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "libwinkit/message_box.h"
#include "shell/value_ranges.h"

bool fitsTheCameraFile(float x, float y, float z) {
    return isInRange(ValueKind::Offset, x) && isInRange(ValueKind::Offset, y) &&
           isInRange(ValueKind::Offset, z);
}

Category* startGeneratedCategory(const char* name) {
    int index = findCategoryIndex(name, true);
    if (index < 0) {
        msgBox("ERROR", "There are no more categories available");
        return nullptr;
    }
    initCategory(index);
    Category* category = getCategory(index);
    setCameraName(category->name, name);
    return category;
}

Camera* addGeneratedCamera(Category* category) {
    int index = category->numberOfCameras;
    if (index >= kMaxCamerasPerCategory) {
        return nullptr;
    }
    Camera* camera = &category->cameras[index];
    initCamera(camera);
    char name[kNameSize + 16];
    snprintf(name, sizeof(name), "%s - %d", category->name, index);
    setCameraName(camera->name, name);
    category->numberOfCameras = index + 1;
    return camera;
}

void finishGeneratedCategory(Category* category) {
    category->currentCameraIndex = 0;
    for (int i = 0; i < category->numberOfCameras; ++i) {
        rememberCameraPosition(&category->cameras[i]);
    }
    updateCameraReferences(true);
}
