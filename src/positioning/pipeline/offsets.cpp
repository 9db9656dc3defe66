#include "positioning/pipeline/offsets.h"

#include <algorithm>

#include "cameras/set/camera.h"
#include "positioning/integration/integration_values.h"
#include "positioning/input/joystick_axes.h"
#include "positioning/input/mouse_look.h"
#include "positioning/commands/glance.h"
#include "positioning/commands/movement.h"
#include "positioning/integration/plugin_links.h"
#include "positioning/transitions/smoother.h"
#include "shell/settings.h"

namespace {
CameraPosition currentHeadTrackPosition;
Smoother headTrackSmoothers[6];

void clampToLimits(CameraPosition* p, const Camera* camera) {
    p->x = std::min(std::max(p->x, camera->minTrackIR.x), camera->maxTrackIR.x);
    p->y = std::min(std::max(p->y, camera->minTrackIR.y), camera->maxTrackIR.y);
    p->z = std::min(std::max(p->z, camera->minTrackIR.z), camera->maxTrackIR.z);
}
}  // namespace

void adjustHeadTrackRange(float* x, float* y, float* z) {
    const Settings* s = getSettings();
    const float ranges[4] = {s->SMALL_HEADTRACK_RANGE, s->MEDIUM_HEADTRACK_RANGE,
                             s->LARGE_HEADTRACK_RANGE, s->VERY_LARGE_HEADTRACK_RANGE};
    float range = ranges[getCurrentMovementRange()];
    *x *= range;
    *y *= range;
    *z *= range;
}

void applyHeadTrackOffsets(CameraPosition* p) {
    const IntegrationValues* v = getIntegrationValues();
    int window = getSettings()->HEAD_TRACK_SMOOTHING_FACTOR;
    float x = smoothValue(&headTrackSmoothers[0], window, v->headtrackingXOffset);
    float y = smoothValue(&headTrackSmoothers[1], window, v->headtrackingYOffset);
    float z = smoothValue(&headTrackSmoothers[2], window, v->headtrackingZOffset);
    float heading = smoothValue(&headTrackSmoothers[3], window, v->headtrackingHeadingOffset);
    float pitch = smoothValue(&headTrackSmoothers[4], window, v->headtrackingPitchOffset);
    float roll = smoothValue(&headTrackSmoothers[5], window, v->headtrackingRollOffset);
    adjustHeadTrackRange(&x, &y, &z);
    p->x += x;
    p->y += y;
    p->z += z;
    p->heading += heading;
    p->pitch += pitch;
    p->roll += roll;
}

void applyTrackIRLimits(CameraPosition* p, Camera* camera) {
    if (camera->limitTrackIR && !camera->external) {
        clampToLimits(p, camera);
    }
}

void adjustOffsets(Camera* camera, CameraPosition* p) {
    IntegrationValues* v = getIntegrationValues();
    v->oviluxEnabled = camera->trackIR ? 2 : 1;
    bool linuxTrack = linuxTrackExists() && camera->trackIR;
    addGlanceOffset(p);
    if (linuxTrack) {
        addLinuxTrackOffsets(p);
    } else {
        processMouseLook(camera, p);
        if (camera->enableViewAxis) {
            checkViewAxis(p, camera);
        }
    }
    if (camera->trackIR && v->headtrackingPresent != 0) {
        applyHeadTrackOffsets(p);
        applyTrackIRLimits(p, camera);
    }
    currentHeadTrackPosition = *p;
    if (linuxTrack && camera->limitTrackIR && !camera->external) {
        clampToLimits(p, camera);
    }
    if (camera->headShake) {
        addHeadShakeOffsets(p);
    }
    if ((camera->xpRealistic && v->xpRealisticPresent != 0) ||
        (camera->realView && v->realViewPresent != 0)) {
        p->x += v->xOffset;
        p->y += v->yOffset;
        p->z += v->zOffset;
        p->heading += v->headingOffset;
        p->pitch += v->pitchOffset;
        p->roll += v->rollOffset;
    }
}

CameraPosition* getCurrentHeadTrackPosition() { return &currentHeadTrackPosition; }
