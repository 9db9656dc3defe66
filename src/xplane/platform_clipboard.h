// The system clipboard, which X-Plane does not offer plug-ins: one
// implementation per platform. On Linux the desktop's own clipboard tool
// (wl-copy under Wayland, xclip or xsel under X11) is started without a shell
// and never waited for. What could not be copied the caller logs.
#pragma once

#include <string>

enum class ClipboardCopy {
    Copied,
    // No clipboard tool is installed, or none could be started (Linux).
    NoTool,
    // The system's clipboard refused the text (macOS).
    Refused,
};

ClipboardCopy platformCopyToClipboard(const std::string& text);
// Collects clipboard tools that have finished; never blocks.
void platformReapClipboardTools();
