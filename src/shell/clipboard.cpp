#include "shell/clipboard.h"

#include "shell/log.h"
#include "xplane/platform_clipboard.h"

void setClipboard(const std::string& text) {
    switch (platformCopyToClipboard(text)) {
        case ClipboardCopy::Copied:
            break;
        case ClipboardCopy::NoTool:
            sLogMsg("No clipboard tool to copy to; the text to copy: %s", text.c_str());
            break;
        case ClipboardCopy::Refused:
            sLogMsg("Unable to copy to the clipboard; the text to copy: %s", text.c_str());
            break;
    }
}
