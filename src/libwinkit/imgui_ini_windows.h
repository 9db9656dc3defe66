// The window entries of ImGui's settings text, as the plug-in keeps them in
// "Imgui.ini": "[Window][NAME]" sections with ImGui's Pos, Size and Collapsed
// lines. Everything else the text may hold is dropped: other sections (ImGui's
// tables, which no window of ours has), lines ImGui does not write, and
// windows placed or sized beyond any desktop.
#pragma once

#include <string>
#include <vector>

struct ImguiIniWindow {
    std::string name;
    bool hasPos = false;
    bool hasSize = false;
    bool hasCollapsed = false;
    int x = 0, y = 0;
    int width = 0, height = 0;
    bool collapsed = false;
};

// Positions lie within this many pixels of the window's corner, either way,
// and sizes up to it: larger than any desktop.
constexpr int kMaxImguiIniCoordinate = 16384;
// Window names longer than this are no window of ours.
constexpr size_t kMaxImguiIniName = 256;

// The well-formed window entries in the order of the text; a name met again
// replaces its earlier entry, as ImGui itself does.
std::vector<ImguiIniWindow> parseImguiIniWindows(const std::string& text);
// ImGui's own format, entry after entry.
std::string formatImguiIniWindows(const std::vector<ImguiIniWindow>& windows);
