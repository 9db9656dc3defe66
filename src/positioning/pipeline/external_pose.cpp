#include "positioning/pipeline/external_pose.h"

#include "cameras/set/camera.h"
#include "scene/ai_view.h"
#include "positioning/integration/integration_values.h"
#include "positioning/pipeline/offsets.h"
#include "cameras/set/camera_origin.h"
#include "positioning/pipeline/origin_view.h"
#include "cameras/targets/target_following.h"
#include "scene/rotation.h"
#include "positioning/integration/script_offsets.h"
#include "scene/terrain.h"
#include "cameras/set/camera_tracking.h"
#include "shell/angles.h"

namespace {
const float kMinimumCircleHeight = 1.0f;

void translateFreeCamera(Camera* camera, CameraPosition* out, CameraPosition p) {
    double ground = 0;
    if (camera->aglCamera && probeY(&p, &ground)) {
        p.y = static_cast<float>(ground + camera->heightAboveAgl);
        camera->y = p.y;
    }
    // Target following aims only attached cameras, which take their offsets
    // on the aimed pose; a free camera takes them here, following or not.
    adjustScriptOffsets(camera, &p);
    if (camera->trackHeading) {
        findCGHeading(&p, camera, nullptr);
        camera->heading = p.heading;
    }
    if (camera->trackPitch) {
        findCGPitch(&p, camera, nullptr);
        camera->pitch = p.pitch;
    }
    adjustOffsets(camera, &p);
    *out = p;
}

// Keeps an AGL or circle-view camera at its height above the terrain.
void keepAboveTerrain(Camera* camera, CameraPosition* p, const OriginPose& o) {
    CameraPosition w = *p;
    rotateByAttitude(&w, o.heading, o.pitch, o.roll);
    w.x = static_cast<float>(w.x + o.x);
    w.y = static_cast<float>(w.y + o.y);
    w.z = static_cast<float>(w.z + o.z);
    double ground = 0;
    if (!probeY(&w, &ground)) {
        return;
    }
    float height = static_cast<float>(w.y - ground);
    if (camera->circleView) {
        if (height < kMinimumCircleHeight) {
            p->y += kMinimumCircleHeight - height;
        }
    } else {
        p->y += camera->heightAboveAgl - height;
    }
    camera->y = p->y;
}
}  // namespace

void translateExternalCameraPosition(Camera* camera, CameraPosition* out,
                                     const CameraPosition* pose) {
    CameraPosition p = *pose;
    if (isAiPerspective() && !camera->freeCamera) {
        float scale = getAiScale();
        p.x *= scale;
        p.y *= scale;
        p.z *= scale;
    }
    if (camera->freeCamera) {
        translateFreeCamera(camera, out, p);
        return;
    }

    OriginPose o = getCameraOrigin(camera);
    if (followCurrentAIPlane()) {
        o = getCurrentAIPlaneOrigin();
    }
    if (camera->levelCamera) {
        o.pitch = 0;
        o.roll = 0;
    }
    if (camera->aglCamera || camera->circleView) {
        keepAboveTerrain(camera, &p, o);
    }

    bool offsetsNow = !camera->targetFollowing;
    if (offsetsNow) {
        adjustScriptOffsets(camera, &p);
    }
    adjustCGOffsets(&p, camera);
    if (camera->trackHeading) {
        camera->heading = p.heading;
    }
    if (camera->trackPitch) {
        camera->pitch = p.pitch;
    }
    if (offsetsNow) {
        adjustOffsets(camera, &p);
    }

    // The camera rides with its origin: the origin's turn, then the camera's
    // own. The chase view keeps its own roll, the horizon's.
    exactViewFromOrigin(o, p, out);
    if (camera->xp9ChaseView) {
        out->roll = p.roll;
    }
    if (camera->cineflex) {
        out->heading = fixAngle(p.heading);
        out->pitch = p.pitch;
        out->roll = p.roll;
    }

    if (camera->targetFollowing) {
        aimAtCurrentTarget(camera, out);
        adjustOffsets(camera, out);
        adjustScriptOffsets(camera, out);
    }
}

int hasXPRealistic() { return getIntegrationValues()->xpRealisticPresent; }

int hasRealView() { return getIntegrationValues()->realViewPresent; }

float getXPRealisticHeading(const Camera* camera) {
    const IntegrationValues* v = getIntegrationValues();
    if ((camera->xpRealistic && v->xpRealisticPresent != 0) ||
        (camera->realView && v->realViewPresent != 0)) {
        return fixAngle(camera->heading + v->headingOffset);
    }
    return camera->heading;
}
