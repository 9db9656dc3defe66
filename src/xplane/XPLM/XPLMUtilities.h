// Host services: X-Plane's folders and files, the log and speech, versions,
// and commands.
#pragma once

#include "XPLMDefs.h"

typedef int XPLMHostApplicationID;
enum {
    xplm_Host_Unknown = 0,
    xplm_Host_XPlane = 1
};

XPLM_API void XPLMGetVersions(int* outXPlaneVersion, int* outXPLMVersion,
                              XPLMHostApplicationID* outHostID);

// outSystemPath must hold 512 bytes; the path ends in a directory separator.
XPLM_API void XPLMGetSystemPath(char* outSystemPath);
XPLM_API void XPLMGetPrefsPath(char* outPrefsPath);
XPLM_API const char* XPLMGetDirectorySeparator(void);
// Splits a full path in place at its last separator; returns the file name.
XPLM_API char* XPLMExtractFileAndPath(char* inFullPath);
// Lists a folder into a caller buffer of zero-terminated names; returns 1 when
// every entry from inFirstReturn on fit, 0 when the buffer or index ran out.
XPLM_API int XPLMGetDirectoryContents(const char* inDirectoryPath, int inFirstReturn,
                                      char* outFileNames, int inFileNameBufSize,
                                      char** outIndices, int inIndexCount,
                                      int* outTotalFiles, int* outReturnedFiles);

XPLM_API void XPLMDebugString(const char* inString);
XPLM_API void XPLMSpeakString(const char* inString);

#if defined(XPLM200)
typedef void* XPLMCommandRef;

typedef int XPLMCommandPhase;
enum {
    xplm_CommandBegin = 0,
    xplm_CommandContinue = 1,
    xplm_CommandEnd = 2
};

// Return 1 to let the command go on to the next handler (and X-Plane), 0 to
// consume it.
typedef int (*XPLMCommandCallback_f)(XPLMCommandRef inCommand, XPLMCommandPhase inPhase,
                                     void* inRefcon);

XPLM_API XPLMCommandRef XPLMFindCommand(const char* inName);
XPLM_API void XPLMCommandBegin(XPLMCommandRef inCommand);
XPLM_API void XPLMCommandEnd(XPLMCommandRef inCommand);
XPLM_API void XPLMCommandOnce(XPLMCommandRef inCommand);
XPLM_API XPLMCommandRef XPLMCreateCommand(const char* inName, const char* inDescription);
XPLM_API void XPLMRegisterCommandHandler(XPLMCommandRef inComand, XPLMCommandCallback_f inHandler,
                                         int inBefore, void* inRefcon);
XPLM_API void XPLMUnregisterCommandHandler(XPLMCommandRef inComand,
                                           XPLMCommandCallback_f inHandler, int inBefore,
                                           void* inRefcon);
#endif  // XPLM200
