#include "cameras/generators/airport_camera_generator.h"

#include <memory>
#include <string>

#include "cameras/generators/airport_camera_placement.h"
#include "cameras/files/camera_file_list.h"
#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/camera_set_listeners.h"
#include "cameras/set/free_camera.h"
#include "cameras/targets/near_targets.h"
#include "cameras/targets/targets.h"
#include "libwinkit/message_box.h"
#include "scene/view_reset.h"
#include "shell/log.h"
#include "shell/speech.h"
#include "world/scenery_search.h"

namespace {
void reportCamerasOutOfReach(const std::string& icao) {
    sLogMsg("The offsets put a camera of airport %s where the camera file cannot keep it; the "
            "airport cameras are unchanged",
            icao.c_str());
    sMsgBox("Create Airport Cameras",
            "These offsets put a camera of airport %s where the camera file cannot keep it (more "
            "than a million metres away or high). The airport cameras are unchanged.",
            icao.c_str());
}

bool everyCameraFits() {
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        const Category* category = getCategory(c);
        for (int i = 0; i < category->numberOfCameras; ++i) {
            if (!positionFitsTheCameraFile(&category->cameras[i])) {
                return false;
            }
        }
    }
    return true;
}

void reportEmptyAirport(const std::string& icao) {
    sLogMsg("Airport %s has nothing to place cameras at; the airport cameras are unchanged",
            icao.c_str());
    sMsgBox("Create Airport Cameras",
            "Airport %s has no starting locations, viewpoints, runways, helipads or signs in "
            "the installed scenery.",
            icao.c_str());
}
}  // namespace

void createAirportCameras(const AirportCameraCreationOptions& options) {
    GlobalCameraFileNameEntry* file = getCurrentActiveCameraFile();
    if (file == nullptr || !isAirportFileActive()) {
        return;
    }
    std::string icao = getAirportIcaoCode(file);
    std::unique_ptr<Airport> airport = findAirport(icao.c_str());
    if (!airport) {
        sXPLMSpeakString("Unable to find this airport in the scenery database");
        return;
    }
    // An empty set would not stay empty: the engine reads the aircraft's
    // file into it on the next frame, leaving the airport file behind.
    if (airport->nStartingLocations + airport->nViewPoints + airport->nRunways +
            airport->nHelipads + airport->nSigns ==
        0) {
        reportEmptyAirport(icao);
        return;
    }
    calculateRunwayHeadings(airport.get());

    // Transition frames point at the records about to be replaced.
    tellCameraSetListeners(CameraSetEvent::Replacing);
    // Kept to put back when the offsets place a camera out of the file's reach.
    std::unique_ptr<CategoryCache> before(new CategoryCache());
    fillCategoryCache(before.get());
    int categoryBefore = getCurrentCategoryIndex();
    initCategories();
    XPLMProbeRef probe = XPLMCreateProbe(xplm_ProbeY);
    AirportGeneration run{options, *airport, airport->elevation / kFeetPerMetre, probe};
    // A kind the airport lacks gets no category.
    if (airport->nStartingLocations > 0) {
        addStartingLocations(run);
    }
    if (airport->nViewPoints > 0) {
        addViewPoints(run);
    }
    if (airport->nRunways > 0) {
        addRunways(run);
    }
    if (airport->nHelipads > 0) {
        addHelipads(run);
    }
    if (airport->nSigns > 0) {
        addSigns(run);
    }

    if (probe != nullptr) {
        XPLMDestroyProbe(probe);
    }
    if (!everyCameraFits()) {
        restoreCategoriesFromCache(before.get());
        setCurrentCategoryIndex(categoryBefore);
        reportCamerasOutOfReach(icao);
        return;
    }
    setCurrentCategoryIndex(0);
    updateCameraReferences(true);
    setResetViewModes();
    if (options.createTargets) {
        createAirportTargets(*airport);
        saveTargets();
        collectNearTargets();
    }
    sLogMsg("Created airport cameras for %s in %d categories", airport->icao,
            getNumberOfCategories());
}
