// The general pasteboard through AppKit. Built for macOS only.
#include "xplane/platform_clipboard.h"

#import <AppKit/AppKit.h>

ClipboardCopy platformCopyToClipboard(const std::string& text) {
    @autoreleasepool {
        NSString* string = [NSString stringWithCString:text.c_str()
                                              encoding:[NSString defaultCStringEncoding]];
        if (string == nil) {
            return ClipboardCopy::Refused;
        }
        NSPasteboard* pasteboard = [NSPasteboard generalPasteboard];
        [pasteboard clearContents];
        if (![pasteboard setString:string forType:NSPasteboardTypeString]) {
            return ClipboardCopy::Refused;
        }
        return ClipboardCopy::Copied;
    }
}

// Nothing is started on macOS, so nothing is left to collect.
void platformReapClipboardTools() {}
