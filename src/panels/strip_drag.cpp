#include "panels/strip_drag.h"

bool followStripDrag(XPLMWindowID window, bool pressedInStrip, bool leftDown, bool* dragging,
                     int* lastMouseX, int* lastMouseY, int* dx, int* dy) {
    if (!*dragging && pressedInStrip && leftDown) {
        XPLMGetMouseLocationGlobal(lastMouseX, lastMouseY);
        *dragging = true;
        XPLMBringWindowToFront(window);
    }
    if (!leftDown) {
        *dragging = false;
    }
    if (!*dragging) {
        return false;
    }
    int mouseX = 0, mouseY = 0;
    XPLMGetMouseLocationGlobal(&mouseX, &mouseY);
    *dx = mouseX - *lastMouseX;
    *dy = mouseY - *lastMouseY;
    *lastMouseX = mouseX;
    *lastMouseY = mouseY;
    return true;
}

bool staysOnScreen(int left, int top, int right, int margin) {
    int screenLeft = 0, screenTop = 0, screenRight = 0, screenBottom = 0;
    XPLMGetScreenBoundsGlobal(&screenLeft, &screenTop, &screenRight, &screenBottom);
    return left >= screenLeft && right <= screenRight && top >= screenBottom + margin &&
           top <= screenTop - margin;
}
