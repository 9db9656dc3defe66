// Smoothing the joins between the legs of a chained transition.
#include "cameras/set/camera.h"
#include "positioning/transitions/frames.h"
#include "positioning/transitions/transition.h"
#include "positioning/transitions/transition_limits.h"
#include "shell/settings.h"

namespace {
const int kMinimumSmoothWindow = 60;

// A stand-in camera of the join curve: the leg's camera with the pose of a
// frame. Its pose is the frame's in every value, so the curve meets the
// frames before and after it; it is no free camera, whose world point would
// replace that position.
void makeJoinCamera(Camera* join, const Camera* legCamera, const CameraPosition* pose) {
    *join = *legCamera;
    setCameraPosition(join, pose);
    join->freeCamera = false;
    join->enableFov = true;
    join->fov = pose->fov;
    join->zoom = pose->zoom;
    join->externalZoom = pose->zoom;
    join->transitionSeconds = 0;
    join->transitionDelay = 0;
    join->linearTransition = false;
    join->smoothTransition = false;
}
}  // namespace

Frame* newSmoothTransitions(Frame* head) {
    int window = getSettings()->SMOOTH_WINDOW;
    if (window < kMinimumSmoothWindow) {
        window = kMinimumSmoothWindow;
    }
    if (window > kMaxLegFrames) {
        window = kMaxLegFrames;
    }
    int half = window / 2;
    for (Frame* f = head; f != nullptr && f->next != nullptr; f = f->next) {
        Frame* next = f->next;
        if (f->camera == next->camera || frameLookBack(f) <= half ||
            frameLookForward(next) <= half) {
            continue;
        }
        Frame* p = backUpframe(f, half);
        Frame* q = forwardFrame(f, half);
        Camera a;
        Camera b;
        Camera c;
        makeJoinCamera(&a, f->camera, &p->pose);
        makeJoinCamera(&b, next->camera, &f->pose);
        makeJoinCamera(&c, next->camera, &q->pose);
        a.bezierTransition = false;
        a.autoAdvance = true;
        a.linearTransitionFrames = 0;
        a.nextInCategory = &b;
        b.bezierTransition = true;
        b.autoAdvance = true;
        b.linearTransitionFrames = half + 1;
        b.nextInCategory = &c;
        c.bezierTransition = true;
        c.autoAdvance = false;
        c.linearTransitionFrames = half;
        c.nextInCategory = nullptr;
        Frame* curve = createBezierTransition(&a, &c);
        Frame* target = p;
        for (Frame* source = curve; source != nullptr && target != nullptr;
             source = source->next, target = target->next) {
            target->pose = source->pose;
        }
        deleteRemaingFrames(curve);
    }
    return head;
}
