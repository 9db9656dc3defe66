#include "cameras/generators/quick_look_import.h"

#include <cstdio>
#include <string>

#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "cameras/generators/quick_look_views.h"
#include "libwinkit/message_box.h"
#include "scene/rotation.h"
#include "shell/angles.h"
#include "shell/log.h"

namespace {
// The box that offers the import is answered frames later, when the user may
// have loaded another aircraft or camera file, and the table read again.
struct Offer {
    bool open = false;
    std::string aircraftCameraFile;
    std::string activeCameraFile;
    QuickLookView views[kMaxQuickLookViews];
};
Offer offer;

std::string activeAircraftFilePath() {
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    if (active == nullptr || active->fileType != kAircraftCameraFile) {
        return std::string();
    }
    return active->path;
}

bool isOfferStillCurrent() {
    return getNumberOfCategories() > 0 && getAircraftCameraFilePath() == offer.aircraftCameraFile &&
           activeAircraftFilePath() == offer.activeCameraFile;
}

bool isExternalType(const std::string& type) {
    return type == "v_cha" || type == "v_rid" || type == "v_cir";
}

// The next camera of the category, made current so that it can take a view ID.
Camera* addQuickLookCamera(int categoryIndex, int number) {
    Category* category = getCategory(categoryIndex);
    if (category->numberOfCameras >= kMaxCamerasPerCategory) {
        sLogMsg("No room for Quick Look %d in category %s", number, category->name);
        return nullptr;
    }
    int index = category->numberOfCameras++;
    Camera* camera = &category->cameras[index];
    initCamera(camera);
    char name[kNameSize];
    snprintf(name, sizeof(name), "Quick Look %d", number);
    setCameraName(camera->name, name);
    setCurrentCategoryIndex(categoryIndex);
    category->currentCameraIndex = index;
    return camera;
}

void finishQuickLookCamera(Camera* camera, int number) {
    setViewId(number + 1);
    rememberCameraPosition(camera);
}

void addCockpitView(int categoryIndex, int number, const QuickLookView& view) {
    Camera* camera = addQuickLookCamera(categoryIndex, number);
    if (camera == nullptr) {
        return;
    }
    camera->x = view.pe_x;
    camera->y = view.pe_y;
    camera->z = view.pe_z;
    camera->heading = view.look_os_psi;
    camera->pitch = view.look_os_the;
    camera->smoothTransition = true;
    camera->transitionSeconds = 0.5f;
    finishQuickLookCamera(camera, number);
}

void addExternalView(int categoryIndex, int number, const QuickLookView& view) {
    Camera* camera = addQuickLookCamera(categoryIndex, number);
    if (camera == nullptr) {
        return;
    }
    camera->external = true;
    camera->initialMovementRange = 2;
    if (view.viewType == "v_cha") {
        camera->z = view.circ_dis;
        camera->xp9ChaseView = true;
    } else {
        CameraPosition p;
        p.x = 0;
        p.y = 0;
        p.z = view.circ_dis;
        rotate3D(&p, fixAngle(-view.circ_the), 0, 0);
        rotate3D(&p, 0, fixAngle(-view.circ_psi), 0);
        camera->x = p.x;
        camera->y = p.y;
        camera->z = p.z;
        camera->heading = fixAngle(fixAngle(-view.circ_psi) + view.look_os_psi);
        camera->pitch = fixAngle(fixAngle(-view.circ_the) + view.look_os_the);
        if (view.viewType == "v_cir") {
            camera->trackHeading = true;
            camera->trackPitch = true;
        }
    }
    finishQuickLookCamera(camera, number);
}

bool isCockpitType(const std::string& type) { return type == "v_3dc"; }

// Categories are found by name, so cameras and categories the user made
// meanwhile stay; one is made only when views go into it, as none may be empty.
int categoryFor(const char* name, bool (*kind)(const std::string&)) {
    bool any = false;
    for (const QuickLookView& view : offer.views) {
        any = any || kind(view.viewType);
    }
    if (!any) {
        return -1;
    }
    int index = findCategoryIndex(name, true);
    if (index < 0) {
        msgBox("ERROR", "There are no more categories available");
    }
    return index;
}

void addViews(int categoryIndex, bool (*kind)(const std::string&),
              void (*add)(int, int, const QuickLookView&)) {
    for (int i = 0; i < kMaxQuickLookViews; ++i) {
        if (kind(offer.views[i].viewType)) {
            add(categoryIndex, i, offer.views[i]);
        }
    }
    getCategory(categoryIndex)->currentCameraIndex = 0;
}
}  // namespace

int readQuickLookViews() {
    int count = readQuickLookViewsFrom(getAircraftPrefsFilePath());
    // Nothing is offered without views, so an earlier offer stays as it was.
    if (count > 0) {
        offer.open = true;
        offer.aircraftCameraFile = getAircraftCameraFilePath();
        offer.activeCameraFile = activeAircraftFilePath();
        for (int i = 0; i < kMaxQuickLookViews; ++i) {
            offer.views[i] = *getQuickLookView(i);
        }
    }
    return count;
}

void importQuickLookViews() {
    if (!offer.open) {
        return;
    }
    offer.open = false;
    if (!isOfferStillCurrent()) {
        logMsg("The Quick Look Views were not imported: the aircraft or its camera file changed");
        msgBox("WARNING",
               "The Quick Look Views were not imported.\n\nThe aircraft or its camera file "
               "changed after the import was offered.");
        return;
    }
    int cockpit = categoryFor("Cockpit", isCockpitType);
    if (cockpit >= 0) {
        addViews(cockpit, isCockpitType, addCockpitView);
    }
    int external = categoryFor("External", isExternalType);
    if (external >= 0) {
        addViews(external, isExternalType, addExternalView);
    }
    setCurrentCategoryIndex(cockpit >= 0 ? cockpit : 0);
    getCurrentCategory()->currentCameraIndex = 0;
    updateCameraReferences(true);
    saveCameras(false, false);
}
