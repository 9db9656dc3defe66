// The system clipboard, which X-Plane does not offer plug-ins: one
// implementation per platform. On Linux the desktop's own clipboard tool
// (wl-copy under Wayland, xclip or xsel under X11) is started without a shell
// and never waited for; without one the text goes to the log instead.
#pragma once

#include <string>

void platformCopyToClipboard(const std::string& text);
// Collects clipboard tools that have finished; never blocks.
void platformReapClipboardTools();
