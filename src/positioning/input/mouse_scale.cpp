#include "positioning/input/mouse_scale.h"

#include "shell/settings.h"
#include "xplane/sdk.h"

bool readMouseScale(MouseScale* out) {
    *out = MouseScale{};
    int width = 0;
    int height = 0;
    XPLMGetScreenSize(&width, &height);
    if (width <= 0 || height <= 0) return false;
    out->screenWidth = width;
    out->screenHeight = height;
    float factor = getSettings()->MOUSE_SPEED_FACTOR;
    out->headingPerPixel = 360.0f / static_cast<float>(width) * factor;
    out->pitchPerPixel = 180.0f / static_cast<float>(height) * factor;
    return true;
}
