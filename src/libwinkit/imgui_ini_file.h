// "Imgui.ini", where ImGui keeps the places of the windows inside our windows
// (the dialogs' popups), shared by every window's context. The plug-in reads
// and writes it itself instead of letting ImGui open the path: the file is
// read once, only as a regular file of at most kMaxImguiIniBytes, and ImGui
// gets only its well-formed window entries (at most kMaxImguiIniWindows). A
// file that is refused is logged once and never written.
#pragma once

#include <cstddef>

constexpr size_t kMaxImguiIniBytes = 1 << 20;
// ImGui looks its entries up one by one for every window it makes.
constexpr size_t kMaxImguiIniWindows = 100;

// Gives the current ImGui context the file's window entries.
void loadImguiIniSettings();
// The entries of the current context's own windows replace theirs, and the
// file is written when that changed it. Clears ImGui's request to save.
void saveImguiIniSettings();
// The plug-in stops: the next window reads the file again.
void forgetImguiIniSettings();
