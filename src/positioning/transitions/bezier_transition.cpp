// One Bezier curve through a chain of cameras.
#include <memory>
#include <new>

#include "cameras/set/camera.h"
#include "positioning/transitions/bezier.h"
#include "positioning/transitions/frames.h"
#include "cameras/set/free_camera.h"
#include "positioning/transitions/auto_advance.h"
#include "positioning/transitions/transition.h"
#include "positioning/transitions/transition_limits.h"
#include "positioning/transitions/transition_values.h"
#include "shell/angles.h"

namespace {
const int kMaxControls = 32;
const int kMinimumLegFrames = 10;

struct BezierParameters {
    int controlCount = 0;
    int totalFrames = 0;
    Camera* controls[kMaxControls] = {};
};

int legFramesOf(const Camera* next) {
    int frames = next->linearTransitionFrames;
    if (frames > kMaxLegFrames) {
        frames = kMaxLegFrames;
    }
    return frames < kMinimumLegFrames ? kMinimumLegFrames : frames;
}

// The chain from `from` along the cameras' next cameras; the closing camera,
// which every frame belongs to, or null when there is no chain.
Camera* collectControls(Camera* from, BezierParameters* bp) {
    for (Camera* c = from; c != nullptr && bp->controlCount < kMaxControls;) {
        Camera* next = c->nextInCategory;
        if (next == nullptr) {
            return nullptr;
        }
        if (c->freeCamera || next->freeCamera) {
            refreshFreeCameraLocal(next);
        }
        if (boundedSeconds(next->transitionSeconds, kMaxTransitionSeconds) > 0.0f) {
            next->linearTransitionFrames = transitionFrameCount(next);
        }
        bp->controls[bp->controlCount++] = c;
        bp->totalFrames += legFramesOf(next);
        Camera* after = next->nextInCategory;
        if (next->autoAdvance && after != nullptr && after->bezierTransition &&
            bp->controlCount < kMaxControls - 1 && next != from) {
            c = next;
            continue;
        }
        bp->controls[bp->controlCount++] = next;
        return next;
    }
    return nullptr;
}

Frame* buildFrames(const BezierParameters& bp, Camera* last, const double* samples,
                   float startTurn) {
    Frame* head = nullptr;
    Frame* tail = nullptr;
    int sample = 0;
    for (int i = 0; i + 1 < bp.controlCount; ++i) {
        Camera* c = bp.controls[i];
        Camera* next = bp.controls[i + 1];
        int legFrames = legFramesOf(next);
        CameraPosition start;
        CameraPosition end;
        fillPosition(&start, c);
        fillPosition(&end, next);
        if (i == 0) {
            start.heading = fixAngle(start.heading + startTurn);
        }
        PoseValues d = poseDeltas(start, end);
        // The last leg ends on the closing camera's own angles, zoom and field
        // of view, which the view shows once the list has played.
        bool lastLeg = i + 2 == bp.controlCount;
        float steps = static_cast<float>(lastLeg ? legFrames - 1 : legFrames);
        for (int j = 0; j < legFrames; ++j) {
            CameraPosition pose = start;
            addPoseValues(&pose, d, static_cast<float>(j) / steps);
            pose.x = static_cast<float>(samples[3 * sample]);
            pose.y = static_cast<float>(samples[3 * sample + 1]);
            pose.z = static_cast<float>(samples[3 * sample + 2]);
            ++sample;
            pose.latitude = 0;
            pose.longitude = 0;
            pose.elevation = 0;
            fixHeadingPitchValues(&pose);
            Frame* frame = newFrameFromPosition(&pose);
            if (frame == nullptr) {
                deleteRemaingFrames(head);
                return nullptr;
            }
            frame->camera = last;
            if (j == 0) {
                frame->delay = transitionDelayOf(next);
            }
            tail = linkFrame(tail, frame);
            if (head == nullptr) {
                head = frame;
            }
        }
    }
    return head;
}
}  // namespace

Frame* createBezierTransition(Camera* from, Camera* to, float startTurn) {
    if (!allowAutoAdvance() || from == nullptr) {
        return nullptr;
    }
    refreshFreeCameraLocal(from);
    refreshFreeCameraLocal(to);
    BezierParameters bp;
    Camera* last = collectControls(from, &bp);
    if (last == nullptr || bp.controlCount < 3 || bp.totalFrames < 2 * bp.controlCount ||
        bp.totalFrames > kMaxTransitionFrames) {
        return nullptr;
    }
    std::unique_ptr<double[]> points(new (std::nothrow) double[3 * bp.controlCount]);
    std::unique_ptr<double[]> samples(new (std::nothrow) double[3 * bp.totalFrames]);
    if (!points || !samples) {
        return nullptr;
    }
    for (int i = 0; i < bp.controlCount; ++i) {
        points[3 * i] = bp.controls[i]->x;
        points[3 * i + 1] = bp.controls[i]->y;
        points[3 * i + 2] = bp.controls[i]->z;
    }
    Bezier3D(points.get(), 3 * bp.controlCount, bp.totalFrames, samples.get());
    return buildFrames(bp, last, samples.get(), startTurn);
}
