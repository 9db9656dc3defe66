// Adding a font file to the current ImGui context's atlas without ever letting
// ImGui abort on a missing, empty or unreadable file.
#pragma once

#include <string>

struct ImFont;

// The font, or null after a log line when the file cannot be read: the window
// then draws with ImGui's default font.
ImFont* addFontFile(const std::string& path, float sizePixels);
