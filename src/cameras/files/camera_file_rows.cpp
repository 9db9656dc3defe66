#include "cameras/files/camera_file_rows.h"

#include <cctype>
#include <strings.h>

#include "cameras/files/camera_columns.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "shell/log.h"

namespace {
bool isBlank(const char* text) {
    for (; *text != 0; ++text) {
        if (!isspace(static_cast<unsigned char>(*text))) {
            return false;
        }
    }
    return true;
}

void applyExclusiveOptions(Camera* camera) {
    if (camera->initialMovementRange < 0 || camera->initialMovementRange > 3) {
        camera->initialMovementRange = 1;
    }
    if (camera->bezierTransition) {
        camera->smoothCameraJoins = false;
        camera->linearTransition = false;
        camera->smoothTransition = false;
    } else if (camera->linearTransition) {
        camera->bezierTransition = false;
        camera->smoothTransition = false;
    } else if (camera->smoothTransition) {
        camera->bezierTransition = false;
        camera->linearTransition = false;
    }
}
}  // namespace

int placeCameraRow(char** fields, int count) {
    const char* categoryName = isBlank(fields[0]) ? "" : fields[0];
    int index = findCategoryIndex(categoryName, true);
    if (index < 0) {
        logMsg("Maximum allowed camera categories");
        return 0;
    }
    Category* category = getCategorySlot(index);
    if (category->numberOfCameras >= kMaxCamerasPerCategory) {
        logMsg("Maximum allowed cameras in a category");
        return 0;
    }
    Camera* camera = &category->cameras[category->numberOfCameras];
    initCamera(camera);

    CameraFileProperty unused;
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    CameraRow row;
    row.camera = camera;
    row.properties = active != nullptr ? &active->properties : &unused;
    readCameraRow(fields, count, row);
    applyExclusiveOptions(camera);

    if (camera->freeCamera) {
        if (row.reachedElevation) {
            refreshFreeCamera(camera);
        } else {
            updateFreeCameraLatLon(camera);
        }
    }
    camera->categoryIndex = index;
    camera->indexInCategory = category->numberOfCameras;
    rememberCameraPosition(camera);
    category->numberOfCameras++;
    return 1;
}

bool cameraRowHasRoom(char** fields) {
    int index = findCategoryIndex(isBlank(fields[0]) ? "" : fields[0], false);
    if (index < 0) {
        return getNumberOfCategories() < kMaxCategories;
    }
    return getCategorySlot(index)->numberOfCameras < kMaxCamerasPerCategory;
}

int splitCameraFileFields(char* line, char** fields, int capacity) {
    int count = 0;
    char* field = line;
    for (char* c = line;; ++c) {
        bool end = *c == 0;
        if (end || *c == ',') {
            *c = 0;
            if (*field != 0) {
                if (count < capacity) {
                    fields[count] = field;
                }
                ++count;
            }
            field = c + 1;
        }
        if (end) {
            return count;
        }
    }
}

bool isCameraFileHeader(char** fields) {
    return strcasecmp(fields[0], "Category Name") == 0 && strcasecmp(fields[1], "Camera Name") == 0;
}

int addCamera(char** fields, int count) {
    if (count < 1) {
        return 0;
    }
    if (!placeCameraRow(fields, count < kCameraFileColumns ? count : kCameraFileColumns)) {
        return 0;
    }
    updateCameraReferences(true);
    return 1;
}

