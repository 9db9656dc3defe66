#include "panels/mini_panel/mini_panel_set_view.h"

#include "cameras/set/camera_set.h"

Camera* miniPanelCurrentCamera() {
    // getCurrentCamera reads the aircraft's file when the set is empty: not
    // something to do every frame.
    return getNumberOfCategories() > 0 ? getCurrentCamera() : nullptr;
}

Category* miniPanelCurrentCategory() { return getCurrentCategory(); }

const char* activeCameraFileName() {
    const GlobalCameraFileNameEntry* file = getCurrentActiveCameraFile();
    return file != nullptr ? file->fileName : "";
}

const char* currentCategoryName() {
    const Category* category = miniPanelCurrentCategory();
    return category != nullptr ? category->name : "";
}

const char* currentCameraName() {
    const Camera* camera = miniPanelCurrentCamera();
    return camera != nullptr ? camera->name : "";
}
