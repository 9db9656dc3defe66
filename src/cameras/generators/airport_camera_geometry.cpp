#include <cmath>

#include "cameras/generators/airport_camera_generator.h"
#include "cameras/generators/airport_camera_placement.h"
#include "scene/pose_angles.h"
#include "shell/angles.h"
#include "xplane/sdk.h"

float calculateBearing(float x1, float x2, float z1, float z2) {
    // Local z points south, so north is z1 - z2.
    float angle = toDegrees(std::atan2(z1 - z2, x2 - x1));
    return fixAngle(90.0f - angle);
}

void calculateRunwayHeadings(Airport* airport) {
    double elevation = airport->elevation / kFeetPerMetre;
    for (int i = 0; i < airport->nRunways; ++i) {
        Runway& runway = airport->runways[i];
        double x1, y1, z1, x2, y2, z2;
        XPLMWorldToLocal(runway.lat1, runway.lon1, elevation, &x1, &y1, &z1);
        XPLMWorldToLocal(runway.lat2, runway.lon2, elevation, &x2, &y2, &z2);
        runway.heading1 = calculateBearing(static_cast<float>(x1), static_cast<float>(x2),
                                           static_cast<float>(z1), static_cast<float>(z2));
        runway.heading2 = calculateBearing(static_cast<float>(x2), static_cast<float>(x1),
                                           static_cast<float>(z2), static_cast<float>(z1));
    }
}

double getElevationInMeters(double x, double y, double z) {
    double hitX = x, hitY = y, hitZ = z;
    if (XPLMProbeRef probe = XPLMCreateProbe(xplm_ProbeY)) {
        XPLMProbeInfo_t info = {};
        info.structSize = sizeof(info);
        if (XPLMProbeTerrainXYZ(probe, static_cast<float>(x), static_cast<float>(y),
                                static_cast<float>(z), &info) == xplm_ProbeHitTerrain) {
            hitX = info.locationX;
            hitY = info.locationY;
            hitZ = info.locationZ;
        }
        XPLMDestroyProbe(probe);
    }
    double latitude, longitude, elevation;
    XPLMLocalToWorld(hitX, hitY, hitZ, &latitude, &longitude, &elevation);
    return elevation;
}

bool cullCamera(const Camera* const* kept, const Camera* camera, int count, float radius) {
    if (radius <= 0.0f) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (getDistance(kept[i]->x, kept[i]->z, camera->x, camera->z) < radius) {
            return true;
        }
    }
    return false;
}
