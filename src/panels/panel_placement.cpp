#include "panels/panel_placement.h"

#include "xplane/sdk.h"

PanelRect newPanelRect(int width, int height) {
    int left = 0, top = 0, right = 0, bottom = 0;
    XPLMGetScreenBoundsGlobal(&left, &top, &right, &bottom);
    PanelRect rect;
    rect.left = left + 175;
    rect.top = top - 75;
    rect.right = rect.left + width;
    rect.bottom = rect.top - height;
    return rect;
}
