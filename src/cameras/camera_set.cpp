#include "cameras/camera_set.h"

void initCategories() {}

GlobalCameraFileNameEntry* getCurrentActiveCameraFile() { return nullptr; }
