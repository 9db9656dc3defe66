#include "cameras/set/camera_tracking.h"

#include "cameras/set/camera.h"
#include "cameras/set/camera_origin.h"
#include "scene/ai_view.h"
#include "scene/tracking.h"

namespace {
struct Point {
    double x = 0;
    double y = 0;
    double z = 0;
};

// The point a tracking camera looks at.
Point referenceOf(const CameraPosition* p, Camera* camera, const CameraPosition* from) {
    Point r;
    bool outside = camera->external || (camera->targetFollowing && camera->targetReciprocal);
    if (!outside) {
        return r;  // a cockpit camera: the aircraft's reference point
    }
    if (from != nullptr) {
        r.x = from->x;
        r.y = from->y;
        r.z = from->z;
    } else if (followCurrentAIPlane()) {
        OriginPose ai = getCurrentAIPlaneOrigin();
        r.x = ai.x;
        r.y = ai.y;
        r.z = ai.z;
    } else if (camera->cameraOrigin == 0) {
        getPlaneLocationWithCGOffsets(p, &r.x, &r.y, &r.z);
    } else {
        OriginPose origin = getCameraOrigin(camera);
        r.x = origin.x;
        r.y = origin.y;
        r.z = origin.z;
    }
    return r;
}
}  // namespace

void findCGHeading(CameraPosition* p, Camera* camera, const CameraPosition* from) {
    Point r = referenceOf(p, camera, from);
    p->heading = headingToPoint(p, r.x, r.y, r.z);
}

void findCGPitch(CameraPosition* p, Camera* camera, const CameraPosition* from) {
    Point r = referenceOf(p, camera, from);
    p->pitch = pitchToPoint(p, r.x, r.y, r.z);
}

void adjustCGOffsets(CameraPosition* p, Camera* camera) {
    if (camera->trackHeading) {
        p->heading = headingToPoint(p, p->cgX, p->cgY, p->cgZ);
    }
    if (camera->trackPitch) {
        p->pitch = pitchToPoint(p, p->cgX, p->cgY, p->cgZ);
    }
}
