// The general pasteboard through AppKit. Built for macOS only.
#include "xplane/platform_clipboard.h"

#import <AppKit/AppKit.h>

#include "shell/log.h"

void platformCopyToClipboard(const std::string& text) {
    @autoreleasepool {
        NSString* string = [NSString stringWithCString:text.c_str()
                                              encoding:[NSString defaultCStringEncoding]];
        if (string == nil) {
            sLogMsg("Unable to copy to the clipboard; the text to copy: %s", text.c_str());
            return;
        }
        NSPasteboard* pasteboard = [NSPasteboard generalPasteboard];
        [pasteboard clearContents];
        if (![pasteboard setString:string forType:NSPasteboardTypeString]) {
            sLogMsg("Unable to copy to the clipboard; the text to copy: %s", text.c_str());
        }
    }
}

// Nothing is started on macOS, so nothing is left to collect.
void platformReapClipboardTools() {}
