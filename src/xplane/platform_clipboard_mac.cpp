#include "xplane/platform_clipboard.h"

#ifdef __APPLE__

#include <ApplicationServices/ApplicationServices.h>

#include "shell/log.h"

// The general pasteboard through its C interface, so the plug-in needs no
// Objective-C.
void platformCopyToClipboard(const std::string& text) {
    PasteboardRef board = nullptr;
    if (PasteboardCreate(kPasteboardClipboard, &board) != noErr || board == nullptr) {
        sLogMsg("Unable to open the clipboard; the text to copy: %s", text.c_str());
        return;
    }
    PasteboardClear(board);
    CFDataRef data = CFDataCreate(kCFAllocatorDefault,
                                  reinterpret_cast<const UInt8*>(text.data()),
                                  static_cast<CFIndex>(text.size()));
    bool copied = data != nullptr &&
                  PasteboardPutItemFlavor(board, reinterpret_cast<PasteboardItemID>(1),
                                          CFSTR("public.utf8-plain-text"), data,
                                          kPasteboardFlavorNoFlags) == noErr;
    if (data != nullptr) {
        CFRelease(data);
    }
    CFRelease(board);
    if (!copied) {
        sLogMsg("Unable to copy to the clipboard; the text to copy: %s", text.c_str());
    }
}

// Nothing is started on macOS, so nothing is left to collect.
void platformReapClipboardTools() {}

#endif  // __APPLE__
