#include "panels/crosshair.h"

#include "cameras/set/camera_set.h"
#include "cameras/targets/near_targets.h"
#include "positioning/input/mouse_buttons.h"
#include "xplane/gl.h"

namespace {
const int kHalfLength = 10;
const float kLineWidth = 3.0f;

bool aimingFreeTarget() {
    // The button first: collecting the current target is not free.
    if (!getRightMouseButton()) {
        return false;
    }
    const Camera* camera = getCurrentCamera();
    if (camera == nullptr || !camera->targetFollowing || camera->targetReciprocal) {
        return false;
    }
    const Target* target = getCurrentTarget();
    return target != nullptr && target->isFreeTarget != 0;
}
}  // namespace

int myDrawCallback(XPLMDrawingPhase, int, void*) {
    if (!aimingFreeTarget()) {
        return 1;
    }
    int width = 0, height = 0;
    XPLMGetScreenSize(&width, &height);
    int x = width / 2;
    int y = height / 2;
    XPLMSetGraphicsState(0, 0, 0, 0, 0, 0, 0);
    // X-Plane draws on with the line width and colour it had set.
    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    glColor3f(1.0f, 0.0f, 0.0f);
    glLineWidth(kLineWidth);
    glBegin(GL_LINES);
    glVertex2i(x - kHalfLength, y);
    glVertex2i(x + kHalfLength, y);
    glVertex2i(x, y - kHalfLength);
    glVertex2i(x, y + kHalfLength);
    glEnd();
    glPopAttrib();
    return 1;
}
