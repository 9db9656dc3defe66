#include "positioning/commands/commands_camera_place.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"

namespace {
void activeFile(std::string* path, int* fileType) {
    GlobalCameraFileNameEntry* entry = getCurrentActiveCameraFile();
    *path = entry != nullptr ? entry->path : "";
    *fileType = entry != nullptr ? entry->fileType : -1;
}
}  // namespace

CameraPlace rememberCameraPlace(const Camera* camera) {
    CameraPlace place;
    if (camera == nullptr) {
        return place;
    }
    place.valid = true;
    activeFile(&place.filePath, &place.fileType);
    place.categoryIndex = camera->categoryIndex;
    place.cameraIndex = camera->indexInCategory;
    place.uniqueId = camera->uniqueId;
    place.name = camera->name;
    return place;
}

Camera* findCameraAtPlace(const CameraPlace& place) {
    if (!place.valid) {
        return nullptr;
    }
    std::string path;
    int fileType = 0;
    activeFile(&path, &fileType);
    if (path != place.filePath || fileType != place.fileType) {
        return nullptr;
    }
    Category* category = getCategory(place.categoryIndex);
    if (category == nullptr || place.cameraIndex < 0 ||
        place.cameraIndex >= category->numberOfCameras) {
        return nullptr;
    }
    Camera* camera = &category->cameras[place.cameraIndex];
    return camera->uniqueId == place.uniqueId && place.name == camera->name ? camera : nullptr;
}
