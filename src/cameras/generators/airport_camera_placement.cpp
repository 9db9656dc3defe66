#include "cameras/generators/airport_camera_placement.h"

#include <cmath>

#include "cameras/set/camera_editing.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "shell/angles.h"
#include "shell/log.h"

LocalPoint airportPoint(double latitude, double longitude, double elevationMetres) {
    LocalPoint point;
    XPLMWorldToLocal(latitude, longitude, elevationMetres, &point.x, &point.y, &point.z);
    return point;
}

double terrainY(XPLMProbeRef probe, const LocalPoint& point) {
    if (probe == nullptr) {
        return point.y;
    }
    XPLMProbeInfo_t info = {};
    info.structSize = sizeof(info);
    if (XPLMProbeTerrainXYZ(probe, static_cast<float>(point.x), static_cast<float>(point.y),
                            static_cast<float>(point.z), &info) != xplm_ProbeHitTerrain) {
        return point.y;
    }
    return info.locationY;
}

void placeAirportCamera(Camera* camera, const AirportGeneration& run, const char* name,
                        const CameraPlacement& at) {
    initCamera(camera);
    setCameraName(camera->name, name);
    camera->external = true;
    camera->freeCamera = true;
    camera->isAirportCamera = 1;
    camera->initialMovementRange = 2;
    LocalPoint point = airportPoint(at.latitude, at.longitude, run.elevation);
    float h = radians(at.heading);
    point.x += at.eastOffset - std::sin(h) * at.backOffset;
    point.z += std::cos(h) * at.backOffset;
    camera->x = static_cast<float>(point.x);
    camera->z = static_cast<float>(point.z);
    camera->y = static_cast<float>(terrainY(run.probe, point) + at.heightAboveGround);
    camera->heading = at.heading;
    camera->pitch = at.pitch;
    camera->trackHeading = at.tracking;
    camera->trackPitch = at.tracking;
    updateFreeCameraLatLon(camera);
    rememberCameraPosition(camera);
}

Category* makeAirportCategory(const char* name) {
    int index = findCategoryIndex(name, true);
    if (index < 0) {
        sLogMsg("No category left for the airport cameras of \"%s\"", name);
        return nullptr;
    }
    Category* category = getCategory(index);
    category->numberOfCameras = 0;
    category->currentCameraIndex = 0;
    return category;
}
