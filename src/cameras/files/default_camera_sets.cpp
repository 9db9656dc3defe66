#include "cameras/files/default_camera_sets.h"

#include "cameras/files/camera_file.h"
#include "cameras/set/camera_position.h"
#include "cameras/set/camera_set.h"
#include "cameras/generators/quick_look_import.h"
#include "libwinkit/message_box.h"
#include "scene/engine_datarefs.h"
#include "xplane/sdk.h"

namespace {
float readFloat(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDataf(ref) : 0.0f; }

double readDouble(XPLMDataRef ref) { return ref != nullptr ? XPLMGetDatad(ref) : 0.0; }

// One category holding one reset camera, current, with a fresh file version.
Camera* startSingleCameraSet(const char* categoryName, const char* cameraName) {
    initCategories();
    Category* category = getCategorySlot(0);
    setCameraName(category->name, categoryName);
    category->numberOfCameras = 1;
    category->currentCameraIndex = 0;
    Camera* camera = &category->cameras[0];
    initCamera(camera);
    setCameraName(camera->name, cameraName);
    setNumberOfCategories(1);
    setCurrentCategoryIndex(0);
    if (GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile()) {
        active->properties.author[0] = 0;
        copyText(active->properties.fileVersion, sizeof(active->properties.fileVersion),
                 getDateTime().c_str());
    }
    return camera;
}

const char* kNewFileText =
    "Ovilux created a new camera file for this plane!\n\nOpen the Ovilux Control Panel and use "
    "the Browse Community Files button to load\ncamera definitions for a similar aircraft or "
    "create your own custom cameras.\n\nUse the Save All button in the control panel to save "
    "your camera definitions for this plane.";

const char* kNewFileWithQuickLooksText =
    "Ovilux created a new camera file for this plane!\n\nOvilux also found some X-Plane Quick "
    "Look Views which can be imported\nPress OK to import the Quick Look Views.\n\nYou can also "
    "open the Ovilux Control Panel and use the Browse Community Files button to load\ncamera "
    "definitions for a similar aircraft or create your own custom cameras.\n\nUse the Save All "
    "button in the control panel to save your camera definitions for this plane.";
}  // namespace

void makeDefaultAircraftSet() {
    Camera* camera = startSingleCameraSet("Cockpit", "Pilot View");
    CameraPosition head;
    fillPosition(&head, nullptr);
    camera->viewId = 1;
    camera->x = head.x;
    camera->y = head.y;
    camera->z = head.z;
    camera->heading = head.heading;
    camera->pitch = head.pitch;
    camera->isAirportCamera = 0;
    updateCameraReferences(true);
    rememberCameraPosition(camera);
}

void makeDefaultAirportSet() {
    Camera* camera = startSingleCameraSet("Airport", "Camera 1");
    const EngineDataRefs& refs = engineDataRefs();
    double x = readDouble(refs.planeLocalX);
    double y = readDouble(refs.planeLocalY);
    double z = readDouble(refs.planeLocalZ);
    camera->external = true;
    camera->freeCamera = true;
    camera->x = static_cast<float>(x);
    camera->y = static_cast<float>(y);
    camera->z = static_cast<float>(z);
    camera->heading = readFloat(refs.planePsi);
    camera->pitch = 0;
    XPLMLocalToWorld(x, y, z, &camera->latitude, &camera->longitude, &camera->elevation);
    camera->isAirportCamera = 1;
    camera->initialMovementRange = 2;
    updateCameraReferences(true);
    rememberCameraPosition(camera);
}

void announceNewAircraftCameraFile() {
    if (readQuickLookViews() > 0) {
        msgBox("INFO", kNewFileWithQuickLooksText, importQuickLookViews);
    } else {
        msgBox("INFO", kNewFileText);
    }
}
