// Lines in X-Plane's log, each "Ovilux: " followed by the text.
#pragma once

// printf-style; the finished line is cut at 2000 characters. Safe from any thread.
void sLogMsg(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Logs a text as it stands, even one holding "%".
void logMsg(const char* text);
