// Where a new panel is made before it centres itself on the main monitor.
#pragma once

struct PanelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// 175 boxels in from the screen's left edge and 75 below its top.
PanelRect newPanelRect(int width, int height);
