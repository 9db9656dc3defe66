#include "positioning/transitions/transition.h"

#include <cmath>

#include "cameras/set/camera.h"
#include "scene/engine_datarefs.h"
#include "positioning/transitions/frames.h"
#include "cameras/set/free_camera.h"
#include "positioning/commands/glance.h"
#include "positioning/transitions/auto_advance.h"
#include "positioning/transitions/transition_limits.h"
#include "positioning/transitions/transition_values.h"
#include "shell/angles.h"
#include "xplane/sdk.h"

namespace {
const int kDefaultSmoothFrames = 15;

struct Leg {
    Frame* head = nullptr;
    Frame* tail = nullptr;
    int frames = 0;
    bool single = false;
};

PoseValues scaled(const PoseValues& d, float divisor) {
    PoseValues s;
    for (int i = 0; i < kTransitionValues; ++i) {
        s.v[i] = d.v[i] / divisor;
    }
    return s;
}

bool usesViewOffsets(const Camera* camera) {
    return camera->trackIR || camera->headShake || camera->xpRealistic || camera->realView ||
           camera->scriptId > 0;
}

// Where the move starts. A cockpit camera whose view carries offsets starts
// from where X-Plane's view really is, offsets included. Otherwise a glance
// held now, which the change of camera ends, is where the view looks from.
CameraPosition startPose(Camera* from, bool outermost) {
    CameraPosition start;
    fillPosition(&start, from);
    if (outermost && from != nullptr && (from->external || !usesViewOffsets(from))) {
        addGlanceOffset(&start);
    }
    if (outermost && from != nullptr && !from->external && usesViewOffsets(from)) {
        const EngineDataRefs& refs = engineDataRefs();
        if (refs.pilotsHeadX != nullptr) {
            start.x = XPLMGetDataf(refs.pilotsHeadX);
            start.y = XPLMGetDataf(refs.pilotsHeadY);
            start.z = XPLMGetDataf(refs.pilotsHeadZ);
            start.heading = XPLMGetDataf(refs.pilotsHeadPsi);
            start.pitch = XPLMGetDataf(refs.pilotsHeadThe);
        }
        if (isPilotHeadRollDatarefAvailable() && refs.headRoll != nullptr) {
            start.roll = XPLMGetDataf(refs.headRoll);
        }
    }
    return start;
}

// Appends a new frame holding pose; false when memory ran out.
bool append(Leg* leg, const CameraPosition& pose, Camera* camera) {
    Frame* frame = newFrameFromPosition(&pose);
    if (frame == nullptr) {
        return false;
    }
    frame->camera = camera;
    fixHeadingPitchValues(&frame->pose);
    leg->tail = linkFrame(leg->tail, frame);
    if (leg->head == nullptr) {
        leg->head = frame;
    }
    ++leg->frames;
    return true;
}

bool fail(Leg* leg) {
    deleteRemaingFrames(leg->head);
    *leg = Leg();
    return false;
}

// One leg from `from` to `to`, its first frame holding the start pose (or,
// for a one-frame leg, the end pose).
bool buildLeg(Camera* from, Camera* to, bool outermost, bool* smoothRequest, Leg* leg) {
    refreshFreeCameraLocal(from);
    refreshFreeCameraLocal(to);
    int n = transitionFrameCount(to);
    CameraPosition start = startPose(from, outermost);
    CameraPosition end;
    fillPosition(&end, to);
    float delay = transitionDelayOf(to);

    bool single = (!to->linearTransition || n < 1) && !to->smoothTransition;
    Frame* head = newFrameFromPosition(single ? &end : &start);
    if (head == nullptr) {
        return false;
    }
    head->camera = to;
    head->delay = delay;
    leg->head = leg->tail = head;
    leg->frames = 1;
    leg->single = single;
    if (single) {
        return true;
    }
    if (!*smoothRequest && ((from != nullptr && from->smoothCameraJoins) || to->smoothCameraJoins)) {
        *smoothRequest = true;
    }

    PoseValues d = poseDeltas(start, end);
    CameraPosition pose = start;
    if (!to->linearTransition) {
        int m = n > 0 ? n : kDefaultSmoothFrames;
        PoseValues step = scaled(d, calculateSinStepFactor(m));
        // The angle accumulates in single precision and may pass 180 a step
        // early; that step's weight, sin 180, is 0.
        float increment = 180.0f / static_cast<float>(m);
        for (float a = increment; a <= 180.0f; a += increment) {
            addPoseValues(&pose, step, std::sin(radians(a)));
            if (!append(leg, pose, to)) {
                return fail(leg);
            }
        }
        return true;
    }
    PoseValues step = scaled(d, static_cast<float>(n));
    for (int i = 0; i < n; ++i) {
        addPoseValues(&pose, step, 1.0f);
        if (!append(leg, pose, to)) {
            return fail(leg);
        }
    }
    return true;
}

// An appended leg's first frame repeats the pose the chain already reached.
void dropRepeatedHead(Leg* leg) {
    Frame* head = leg->head;
    Frame* second = head->next;
    if (second == nullptr) {
        return;
    }
    second->delay = head->delay;
    second->prev = nullptr;
    delete head;
    leg->head = second;
    --leg->frames;
}
}  // namespace

float calculateSinStepFactor(int n) {
    float sum = 0.0f;
    float increment = 180.0f / static_cast<float>(n);
    float a = 0.0f;
    for (int i = 0; i < n; ++i) {
        a += increment;
        sum += std::sin(radians(a));
    }
    return sum;
}

void setCameraPosition(Camera* camera, const CameraPosition* pose) {
    camera->x = pose->x;
    camera->y = pose->y;
    camera->z = pose->z;
    camera->heading = pose->heading;
    camera->pitch = pose->pitch;
    camera->roll = pose->roll;
    camera->cgX = pose->cgX;
    camera->cgY = pose->cgY;
    camera->cgZ = pose->cgZ;
}

Frame* createTransition(Camera* from, Camera* to) {
    if (to == nullptr) {
        return nullptr;
    }
    bool smoothRequest = false;
    Leg chain;
    if (!buildLeg(from, to, true, &smoothRequest, &chain)) {
        return nullptr;
    }
    if (chain.single) {
        return chain.head;
    }
    // Legs are appended in a loop, not by recursion, and within a frame
    // budget: a chain that loops back on itself would otherwise go on until
    // the leg limit, whatever the frame counts of its cameras.
    bool appended = false;
    int legs = 1;
    for (Camera* leader = to; leader->autoAdvance && legs < kMaxChainLegs && allowAutoAdvance();) {
        Camera* next = leader->nextInCategory;
        if (next == nullptr || !(next->linearTransition || next->smoothTransition)) {
            break;
        }
        Leg leg;
        if (!buildLeg(leader, next, false, &smoothRequest, &leg)) {
            break;
        }
        if (!leg.single) {
            dropRepeatedHead(&leg);
        }
        if (chain.frames + leg.frames > kMaxTransitionFrames) {
            deleteRemaingFrames(leg.head);
            break;
        }
        leg.head->prev = chain.tail;
        chain.tail->next = leg.head;
        chain.tail = leg.tail;
        chain.frames += leg.frames;
        appended = true;
        ++legs;
        if (leg.single) {
            break;  // a leg without frames of its own ends the chain
        }
        leader = next;
    }
    if (appended && smoothRequest) {
        return newSmoothTransitions(chain.head);
    }
    return chain.head;
}
