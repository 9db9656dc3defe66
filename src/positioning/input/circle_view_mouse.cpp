#include "positioning/input/circle_view_mouse.h"

#include <algorithm>
#include <cmath>

#include "cameras/set/camera.h"
#include "cameras/set/camera_set.h"
#include "positioning/commands/movement.h"
#include "scene/rotation.h"
#include "shell/settings.h"

namespace {
int lastX = 0;
int lastY = 0;
}  // namespace

void processCircleView(int x, int y, int operation) {
    if (operation == 2) {
        Camera* c = getCurrentCamera();
        if (!c) return;
        const Settings* s = getSettings();
        const float movement[4] = {s->SMALL_MOVEMENT_SPEED, s->MEDIUM_MOVEMENT_SPEED,
                                   s->LARGE_MOVEMENT_SPEED, s->VERY_LARGE_MOVEMENT_SPEED};
        const float rotation[4] = {s->SMALL_ROTATION_SPEED, s->MEDIUM_ROTATION_SPEED,
                                   s->LARGE_ROTATION_SPEED, s->VERY_LARGE_ROTATION_SPEED};
        int range = std::clamp(getCurrentMovementRange(), 0, 3);
        float radius = std::max(std::fabs(c->x), std::fabs(c->z));
        float step = static_cast<float>(y - lastY) * movement[range] / 10.0f;
        float rise = radius / 30.0f * step;
        CameraPosition p;
        p.x = c->x;
        p.y = s->REVERSE_CIRCLE_VIEW_MOUSE_Y ? c->y - rise : c->y + rise;
        p.z = c->z;
        rotate3D(&p, 0, static_cast<float>(x - lastX) * rotation[range] / 10.0f, 0);
        c->x = p.x;
        c->y = p.y;
        c->z = p.z;
    }
    lastX = x;
    lastY = y;
}
