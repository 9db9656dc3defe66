#include "cameras/targets/target_grid.h"

#include <cmath>
#include <cstring>
#include <strings.h>

#include "cameras/files/camera_file.h"
#include "shell/log.h"

namespace {
Target* buckets[kTargetGridRows][kTargetGridColumns] = {};
int storedTargets = 0;

Target** bucketOf(double latitude, double longitude) {
    return &buckets[getTargetRow(latitude)][getTargetColumn(longitude)];
}
}  // namespace

int getTargetRow(double latitude) { return static_cast<int>(std::trunc(latitude)) + 90; }

int getTargetColumn(double longitude) { return static_cast<int>(std::trunc(longitude)) + 180; }

Target* getTargetBucket(int row, int column) {
    if (row < 0 || row >= kTargetGridRows || column < 0 || column >= kTargetGridColumns) {
        return nullptr;
    }
    return buckets[row][column];
}

int insertTarget(const char* name, const char* date, double latitude, double longitude,
                 double elevation, int type) {
    Target made;
    if (name == nullptr || !setTargetName(&made, name)) {
        logMsg("A target without a name was not stored");
        return 0;
    }
    if (!isValidLatitude(latitude) || !isValidLongitude(longitude) || !std::isfinite(elevation)) {
        sLogMsg("Target %s was not stored, its position is invalid: Latitude: %lf Longitude: %lf "
                "Elevation: %lf",
                made.name, latitude, longitude, elevation);
        return 0;
    }
    setTargetDate(&made, date != nullptr ? date : getDateTime().c_str());
    made.latitude = latitude;
    made.longitude = longitude;
    made.elevation = elevation;
    made.originType = type;

    Target** link = bucketOf(latitude, longitude);
    for (; *link != nullptr; link = &(*link)->next) {
        Target* existing = *link;
        if (strcasecmp(existing->name, made.name) == 0) {
            // Updated in place, so collected pointers to it stay valid.
            memcpy(existing->name, made.name, sizeof(made.name));
            memcpy(existing->date, made.date, sizeof(made.date));
            existing->latitude = latitude;
            existing->longitude = longitude;
            existing->elevation = elevation;
            return 1;
        }
    }
    *link = new Target(made);
    ++storedTargets;
    return 1;
}

void freeTargets() {
    for (auto& row : buckets) {
        for (Target*& bucket : row) {
            while (bucket != nullptr) {
                Target* next = bucket->next;
                delete bucket;
                bucket = next;
            }
        }
    }
    storedTargets = 0;
}

int getNumberOfStoredTargets() { return storedTargets; }
