#include "shell/clipboard.h"

#include "xplane/platform_clipboard.h"

void setClipboard(const std::string& text) { platformCopyToClipboard(text); }
