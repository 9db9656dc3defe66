// Where ImGui keeps the windows' places: "Imgui.ini" in the plug-in's own
// folder, shared by every window (ImGui keys its entries by window title).
#pragma once

#include <string>

// Empty when the plug-in's folder is unknown: ImGui then writes no file at all.
std::string imguiIniPath();
