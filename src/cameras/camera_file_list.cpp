#include "cameras/camera_file_list.h"

void initGlobalCameras() {}

void removeGlobalCameras(GlobalCameraFileNameEntry*) {}

void getAirportLocations() {}
