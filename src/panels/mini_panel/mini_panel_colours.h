// The button colours of the panel's rows, by hue (sevenths of the circle).
#pragma once

// Pushes three colours (button, hovered, pressed); pop them with
// ImGui::PopStyleColor(3).
void pushRowColours(int hue);
