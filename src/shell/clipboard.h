// Putting a text on the user's clipboard (the update window's copy buttons).
// Main thread only.
#pragma once

#include <string>

void setClipboard(const std::string& text);
