#include "cameras/targets/near_targets.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "cameras/targets/fixed_targets.h"
#include "cameras/targets/free_target.h"
#include "cameras/targets/target_grid.h"
#include "cameras/targets/target_refresh.h"
#include "shell/angles.h"

namespace {
const double kNearKilometres = 55.56;
const double kRecollectNauticalMiles = 15.0;
// Room kept for the free target, the fixed targets and the closing entry.
const int kMaxCollectedStored = kMaxCollectedTargets - 4;
const int kPolarScanLatitude = 80;

struct TargetContext {
    int currentIndex = 0;
    int count = 0;
    // Impossible, so that the first request collects.
    double latitude = -91.0;
    double longitude = -181.0;
};

Target* targetCollection[kMaxCollectedTargets] = {};
TargetContext targetContext;

// The last slot is the closing empty entry, whatever was added before.
void add(Target* target) {
    if (targetContext.count < kMaxCollectedTargets - 1) {
        targetCollection[targetContext.count++] = target;
    }
}

// The neighbour row nearer the reference: the half degree decides.
int neighbourRow(double latitude, int row) {
    double half = latitude >= 0 ? 0.5 : -0.5;
    int neighbour = latitude > std::trunc(latitude) + half ? row + 1 : row - 1;
    if (neighbour < 0) {
        return kTargetGridRows - 2;
    }
    if (neighbour > kTargetGridRows - 1) {
        return 0;
    }
    return neighbour;
}

int wrapColumn(int column) {
    if (column < 0) {
        return column + (kTargetGridColumns - 1);
    }
    if (column > kTargetGridColumns - 1) {
        return column - (kTargetGridColumns - 1);
    }
    return column;
}

void collectRow(int row, int firstColumn, int columns) {
    for (int i = 0; i < columns; ++i) {
        int column = wrapColumn(firstColumn + i);
        for (Target* t = getTargetBucket(row, column); t != nullptr; t = t->next) {
            if (targetContext.count >= kMaxCollectedStored) {
                return;
            }
            refreshTarget(t);
            if (t->distance < kNearKilometres) {
                add(t);
            }
        }
    }
}

void addFixed(Target* target) {
    refreshTarget(target);
    add(target);
}

void clampIndex() {
    if (targetContext.currentIndex < 0 || targetContext.currentIndex >= targetContext.count) {
        targetContext.currentIndex = 0;
    }
}
}  // namespace

void resetNearTargets() {
    std::fill(std::begin(targetCollection), std::end(targetCollection), nullptr);
    targetContext = TargetContext();
}

void collectNearTargets() {
    double latitude = 0;
    double longitude = 0;
    getTargetReference(false, &latitude, &longitude);
    targetContext.latitude = latitude;
    targetContext.longitude = longitude;
    targetContext.count = 0;

    int row = getTargetRow(latitude);
    int column = getTargetColumn(longitude);
    bool polar = latitude < -kPolarScanLatitude || latitude > kPolarScanLatitude;
    int columns = polar ? kTargetGridColumns - 1 : 3;
    collectRow(row, column - 1, columns);
    collectRow(neighbourRow(latitude, row), column - 1, columns);

    Target* freeTarget = getFreeTarget();
    refreshTarget(freeTarget);
    if (freeTarget->distance > kNearKilometres) {
        resetFreeTarget();
        refreshTarget(freeTarget);
    }
    add(freeTarget);

    Camera* camera = getCurrentCamera();
    int origin = camera != nullptr ? camera->cameraOrigin : 0;
    if (origin < 0 || origin > 2) {
        origin = 0;  // as the reader takes an unknown origin
    }
    // A camera never lists its own origin.
    if (origin != 0) {
        addFixed(getMyAircraftTarget());
    }
    if (origin != 1) {
        addFixed(getAircraftCarrierTarget());
    }
    if (origin != 2) {
        addFixed(getFrigateTarget());
    }
    targetCollection[targetContext.count] = nullptr;
    clampIndex();
}

void evaluateAndSortTargetDistance() {
    Target** first = targetCollection;
    Target** last = targetCollection + targetContext.count;
    for (Target** t = first; t != last; ++t) {
        refreshTarget(*t);
        (*t)->bearing = 0;
        (*t)->pitch = 0;
    }
    std::stable_sort(first, last,
                     [](const Target* a, const Target* b) { return a->distance < b->distance; });
}

Target* getCurrentTarget() {
    double latitude = 0;
    double longitude = 0;
    getTargetReference(false, &latitude, &longitude);
    if (targetContext.count == 0 ||
        distanceLatLon(targetContext.latitude, targetContext.longitude, latitude, longitude, 'N') >
            kRecollectNauticalMiles) {
        collectNearTargets();
        evaluateAndSortTargetDistance();
        targetContext.currentIndex = 0;
    }
    clampIndex();
    return targetCollection[targetContext.currentIndex];
}

void selectNextTarget() {
    if (targetContext.count == 0) {
        return;
    }
    clampIndex();
    targetContext.currentIndex = (targetContext.currentIndex + 1) % targetContext.count;
}

void selectPreviousTarget() {
    if (targetContext.count == 0) {
        return;
    }
    clampIndex();
    targetContext.currentIndex =
        (targetContext.currentIndex + targetContext.count - 1) % targetContext.count;
}

void selectNearestTarget() {
    collectNearTargets();
    evaluateAndSortTargetDistance();
    targetContext.currentIndex = 0;
}

void selectFreeTarget() {
    for (int i = 0; i < targetContext.count; ++i) {
        if (targetCollection[i]->isFreeTarget) {
            targetContext.currentIndex = i;
            return;
        }
    }
}

int getNumberOfCollectedTargets() { return targetContext.count; }

Target* getCollectedTarget(int index) {
    return index >= 0 && index < targetContext.count ? targetCollection[index] : nullptr;
}

int getCurrentTargetIndex() { return targetContext.currentIndex; }
