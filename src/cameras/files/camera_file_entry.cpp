#include "cameras/files/camera_file_entry.h"

#include <cstdio>

#include "shell/host_info.h"

void resetCameraFileProperties(CameraFileProperty* properties) {
    *properties = CameraFileProperty();
    copyText(properties->oviluxVersion, sizeof(properties->oviluxVersion), getVersionString());
}

void copyText(char* field, int size, const char* text) {
    snprintf(field, size, "%s", text != nullptr ? text : "");
}
