#include "shell/log.h"

#include <cstdarg>
#include <cstdio>

#include "xplane/sdk.h"

namespace {
const int kMaxLine = 2000;
}

void sLogMsg(const char* format, ...) {
    // Each call formats into its own buffers, so worker threads may log too.
    char text[kMaxLine];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof(text), format, args);
    va_end(args);

    char line[kMaxLine];
    int length = snprintf(line, sizeof(line), "Ovilux: %s\n", text);
    if (length >= kMaxLine) {
        line[kMaxLine - 2] = '\n';  // a cut line still ends the log line
    }
    XPLMDebugString(line);
}

void logMsg(const char* text) { sLogMsg("%s", text ? text : ""); }
