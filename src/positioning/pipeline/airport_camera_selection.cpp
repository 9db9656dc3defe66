#include "positioning/pipeline/airport_toggle.h"

#include <cmath>

#include "cameras/set/camera_set.h"
#include "scene/engine_datarefs.h"
#include "xplane/sdk.h"

namespace {
// Farther than any two points of X-Plane's local frame.
const double kNoCamera = 2.5e7;

double aircraftCoordinate(XPLMDataRef ref) {
    return ref != nullptr ? XPLMGetDatad(ref) : 0.0;
}
}  // namespace

void selectCLosestAirportCamera() {
    if (!isAirportFileActive()) {
        toggleAirportCameras();
        return;
    }
    const EngineDataRefs& refs = engineDataRefs();
    double x = aircraftCoordinate(refs.planeLocalX);
    double y = aircraftCoordinate(refs.planeLocalY);
    double z = aircraftCoordinate(refs.planeLocalZ);

    double nearest = kNoCamera;
    int bestCategory = -1;
    int bestCamera = -1;
    for (int c = 0; c < getNumberOfCategories(); ++c) {
        Category* category = getCategory(c);
        for (int i = 0; category != nullptr && i < category->numberOfCameras; ++i) {
            const Camera& camera = category->cameras[i];
            if (!camera.freeCamera) {
                continue;
            }
            // Manhattan distance: only the order matters, and the first of
            // equals wins.
            double sum =
                std::fabs(camera.x - x) + std::fabs(camera.y - y) + std::fabs(camera.z - z);
            if (sum < nearest) {
                nearest = sum;
                bestCategory = c;
                bestCamera = i;
            }
        }
    }
    if (bestCategory < 0) {
        return;
    }
    setCurrentCategoryIndex(bestCategory);
    getCategory(bestCategory)->currentCameraIndex = bestCamera;
}
