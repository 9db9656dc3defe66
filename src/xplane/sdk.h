// The X-Plane plug-in SDK as this plug-in uses it.
//
// These are our own declarations, written from X-Plane's published API
// documentation: the same names, types, constants and calling conventions,
// so that the plug-in links against X-Plane (or the simulated host) without
// any SDK file in the tree. Building with OVILUX_XPLANE_SDK_DIR set makes this
// header include the real SDK headers instead.
#pragma once

#if defined(OVILUX_USE_REAL_SDK)

#include "XPLMCamera.h"
#include "XPLMDataAccess.h"
#include "XPLMDefs.h"
#include "XPLMDisplay.h"
#include "XPLMGraphics.h"
#include "XPLMMenus.h"
#include "XPLMNavigation.h"
#include "XPLMPlanes.h"
#include "XPLMPlugin.h"
#include "XPLMProcessing.h"
#include "XPLMScenery.h"
#include "XPLMUtilities.h"

#else

#ifdef __cplusplus
#define OVILUX_EXTERN_C extern "C"
#else
#define OVILUX_EXTERN_C
#endif

#if defined(_WIN32)
#define XPLM_API OVILUX_EXTERN_C __declspec(dllimport)
#define PLUGIN_API OVILUX_EXTERN_C __declspec(dllexport)
#else
#define XPLM_API OVILUX_EXTERN_C __attribute__((visibility("default")))
#define PLUGIN_API OVILUX_EXTERN_C __attribute__((visibility("default")))
#endif

// ---------------------------------------------------------------- identity

typedef int XPLMPluginID;
#define XPLM_NO_PLUGIN_ID (-1)
#define XPLM_PLUGIN_XPLANE (0)

typedef int XPLMHostApplicationID;
enum {
    xplm_Host_Unknown = 0,
    xplm_Host_XPlane = 1
};

// Messages X-Plane sends to every plug-in.
#define XPLM_MSG_PLANE_CRASHED 101
#define XPLM_MSG_PLANE_LOADED 102
#define XPLM_MSG_AIRPORT_LOADED 103
#define XPLM_MSG_SCENERY_LOADED 104
#define XPLM_MSG_AIRPLANE_COUNT_CHANGED 105
#define XPLM_MSG_PLANE_UNLOADED 106
#define XPLM_MSG_WILL_WRITE_PREFS 107
#define XPLM_MSG_LIVERY_LOADED 108
#define XPLM_MSG_ENTERED_VR 109
#define XPLM_MSG_EXITING_VR 110

// The user's aircraft is aircraft index 0.
#define XPLM_USER_AIRCRAFT 0

XPLM_API XPLMPluginID XPLMGetMyID(void);
XPLM_API int XPLMCountPlugins(void);
XPLM_API XPLMPluginID XPLMGetNthPlugin(int inIndex);
XPLM_API XPLMPluginID XPLMFindPluginByPath(const char* inPath);
XPLM_API XPLMPluginID XPLMFindPluginBySignature(const char* inSignature);
// Each output buffer must hold at least 256 bytes; null outputs are skipped.
XPLM_API void XPLMGetPluginInfo(XPLMPluginID inPlugin, char* outName, char* outFilePath,
                                char* outSignature, char* outDescription);
XPLM_API int XPLMIsPluginEnabled(XPLMPluginID inPluginID);
XPLM_API void XPLMSendMessageToPlugin(XPLMPluginID inPlugin, int inMessage, void* inParam);

XPLM_API int XPLMHasFeature(const char* inFeature);
XPLM_API int XPLMIsFeatureEnabled(const char* inFeature);
XPLM_API void XPLMEnableFeature(const char* inFeature, int inEnable);

XPLM_API void XPLMGetVersions(int* outXPlaneVersion, int* outXPLMVersion,
                              XPLMHostApplicationID* outHostID);

// ------------------------------------------------------- files and paths

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

// outFileName and outPath must hold 256 and 512 bytes.
XPLM_API void XPLMGetNthAircraftModel(int inIndex, char* outFileName, char* outPath);
XPLM_API void XPLMCountAircraft(int* outTotalAircraft, int* outActiveAircraft,
                                XPLMPluginID* outController);

// ---------------------------------------------------------- log and speech

XPLM_API void XPLMDebugString(const char* inString);
XPLM_API void XPLMSpeakString(const char* inString);

// ------------------------------------------------------------- data access

typedef void* XPLMDataRef;

typedef int XPLMDataTypeID;
enum {
    xplmType_Unknown = 0,
    xplmType_Int = 1,
    xplmType_Float = 2,
    xplmType_Double = 4,
    xplmType_FloatArray = 8,
    xplmType_IntArray = 16,
    xplmType_Data = 32
};

XPLM_API XPLMDataRef XPLMFindDataRef(const char* inDataRefName);
XPLM_API int XPLMCanWriteDataRef(XPLMDataRef inDataRef);
XPLM_API int XPLMIsDataRefGood(XPLMDataRef inDataRef);
XPLM_API XPLMDataTypeID XPLMGetDataRefTypes(XPLMDataRef inDataRef);

XPLM_API int XPLMGetDatai(XPLMDataRef inDataRef);
XPLM_API void XPLMSetDatai(XPLMDataRef inDataRef, int inValue);
XPLM_API float XPLMGetDataf(XPLMDataRef inDataRef);
XPLM_API void XPLMSetDataf(XPLMDataRef inDataRef, float inValue);
XPLM_API double XPLMGetDatad(XPLMDataRef inDataRef);
XPLM_API void XPLMSetDatad(XPLMDataRef inDataRef, double inValue);
// Array reads with a null buffer return the array's size.
XPLM_API int XPLMGetDatavi(XPLMDataRef inDataRef, int* outValues, int inOffset, int inMax);
XPLM_API void XPLMSetDatavi(XPLMDataRef inDataRef, int* inValues, int inOffset, int inCount);
XPLM_API int XPLMGetDatavf(XPLMDataRef inDataRef, float* outValues, int inOffset, int inMax);
XPLM_API void XPLMSetDatavf(XPLMDataRef inDataRef, float* inValues, int inOffset, int inCount);
XPLM_API int XPLMGetDatab(XPLMDataRef inDataRef, void* outValue, int inOffset, int inMaxBytes);
XPLM_API void XPLMSetDatab(XPLMDataRef inDataRef, void* inValue, int inOffset, int inLength);

typedef int (*XPLMGetDatai_f)(void* inRefcon);
typedef void (*XPLMSetDatai_f)(void* inRefcon, int inValue);
typedef float (*XPLMGetDataf_f)(void* inRefcon);
typedef void (*XPLMSetDataf_f)(void* inRefcon, float inValue);
typedef double (*XPLMGetDatad_f)(void* inRefcon);
typedef void (*XPLMSetDatad_f)(void* inRefcon, double inValue);
typedef int (*XPLMGetDatavi_f)(void* inRefcon, int* outValues, int inOffset, int inMax);
typedef void (*XPLMSetDatavi_f)(void* inRefcon, int* inValues, int inOffset, int inCount);
typedef int (*XPLMGetDatavf_f)(void* inRefcon, float* outValues, int inOffset, int inMax);
typedef void (*XPLMSetDatavf_f)(void* inRefcon, float* inValues, int inOffset, int inCount);
typedef int (*XPLMGetDatab_f)(void* inRefcon, void* outValue, int inOffset, int inMaxLength);
typedef void (*XPLMSetDatab_f)(void* inRefcon, void* inValue, int inOffset, int inLength);

XPLM_API XPLMDataRef XPLMRegisterDataAccessor(
    const char* inDataName, XPLMDataTypeID inDataType, int inIsWritable,
    XPLMGetDatai_f inReadInt, XPLMSetDatai_f inWriteInt,
    XPLMGetDataf_f inReadFloat, XPLMSetDataf_f inWriteFloat,
    XPLMGetDatad_f inReadDouble, XPLMSetDatad_f inWriteDouble,
    XPLMGetDatavi_f inReadIntArray, XPLMSetDatavi_f inWriteIntArray,
    XPLMGetDatavf_f inReadFloatArray, XPLMSetDatavf_f inWriteFloatArray,
    XPLMGetDatab_f inReadData, XPLMSetDatab_f inWriteData,
    void* inReadRefcon, void* inWriteRefcon);
XPLM_API void XPLMUnregisterDataAccessor(XPLMDataRef inDataRef);

// ---------------------------------------------------------------- commands

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

// ------------------------------------------------------------ flight loops

// Returns the interval until the next call: > 0 seconds, < 0 flight loops,
// 0 to stop being called.
typedef float (*XPLMFlightLoop_f)(float inElapsedSinceLastCall,
                                  float inElapsedTimeSinceLastFlightLoop, int inCounter,
                                  void* inRefcon);

typedef void* XPLMFlightLoopID;

typedef int XPLMFlightLoopPhaseType;
enum {
    xplm_FlightLoop_Phase_BeforeFlightModel = 0,
    xplm_FlightLoop_Phase_AfterFlightModel = 1
};

typedef struct {
    int structSize;
    XPLMFlightLoopPhaseType phase;
    XPLMFlightLoop_f callbackFunc;
    void* refcon;
} XPLMCreateFlightLoop_t;

XPLM_API float XPLMGetElapsedTime(void);
XPLM_API int XPLMGetCycleNumber(void);
XPLM_API void XPLMRegisterFlightLoopCallback(XPLMFlightLoop_f inFlightLoop, float inInterval,
                                             void* inRefcon);
XPLM_API void XPLMUnregisterFlightLoopCallback(XPLMFlightLoop_f inFlightLoop, void* inRefcon);
XPLM_API void XPLMSetFlightLoopCallbackInterval(XPLMFlightLoop_f inFlightLoop, float inInterval,
                                                int inRelativeToNow, void* inRefcon);
XPLM_API XPLMFlightLoopID XPLMCreateFlightLoop(XPLMCreateFlightLoop_t* inParams);
XPLM_API void XPLMDestroyFlightLoop(XPLMFlightLoopID inFlightLoopID);
XPLM_API void XPLMScheduleFlightLoop(XPLMFlightLoopID inFlightLoopID, float inInterval,
                                     int inRelativeToNow);

// ------------------------------------------------------------------ camera

typedef struct {
    float x;
    float y;
    float z;
    float pitch;
    float heading;
    float roll;
    float zoom;
} XPLMCameraPosition_t;

typedef int XPLMCameraControlDuration;
enum {
    xplm_ControlCameraUntilViewChanges = 1,
    xplm_ControlCameraForever = 2
};

// Called every drawn frame while the plug-in holds the camera. Fill the pose
// and return 1 to keep control; return 0 to give it up. inIsLosingControl is 1
// (with a null pose) when another controller or the user takes it away.
typedef int (*XPLMCameraControl_f)(XPLMCameraPosition_t* outCameraPosition, int inIsLosingControl,
                                   void* inRefcon);

XPLM_API void XPLMControlCamera(XPLMCameraControlDuration inHowLong,
                                XPLMCameraControl_f inControlFunc, void* inRefcon);
XPLM_API void XPLMDontControlCamera(void);
XPLM_API int XPLMIsCameraBeingControlled(XPLMCameraControlDuration* outCameraControlDuration);
XPLM_API void XPLMReadCameraPosition(XPLMCameraPosition_t* outCameraPosition);

// ------------------------------------------------------- world and scenery

XPLM_API void XPLMWorldToLocal(double inLatitude, double inLongitude, double inAltitude,
                               double* outX, double* outY, double* outZ);
XPLM_API void XPLMLocalToWorld(double inX, double inY, double inZ, double* outLatitude,
                               double* outLongitude, double* outAltitude);

typedef void* XPLMProbeRef;

typedef int XPLMProbeType;
enum {
    xplm_ProbeY = 0
};

typedef int XPLMProbeResult;
enum {
    xplm_ProbeHitTerrain = 0,
    xplm_ProbeError = 1,
    xplm_ProbeMissed = 2
};

typedef struct {
    int structSize;
    float locationX;
    float locationY;
    float locationZ;
    float normalX;
    float normalY;
    float normalZ;
    float velocityX;
    float velocityY;
    float velocityZ;
    int is_wet;
} XPLMProbeInfo_t;

XPLM_API XPLMProbeRef XPLMCreateProbe(XPLMProbeType inProbeType);
XPLM_API void XPLMDestroyProbe(XPLMProbeRef inProbe);
XPLM_API XPLMProbeResult XPLMProbeTerrainXYZ(XPLMProbeRef inProbe, float inX, float inY,
                                             float inZ, XPLMProbeInfo_t* outInfo);

// ------------------------------------------------------ navigation database

typedef int XPLMNavType;
enum {
    xplm_Nav_Unknown = 0,
    xplm_Nav_Airport = 1,
    xplm_Nav_NDB = 2,
    xplm_Nav_VOR = 4,
    xplm_Nav_ILS = 8,
    xplm_Nav_Localizer = 16,
    xplm_Nav_GlideSlope = 32,
    xplm_Nav_OuterMarker = 64,
    xplm_Nav_MiddleMarker = 128,
    xplm_Nav_InnerMarker = 256,
    xplm_Nav_Fix = 512,
    xplm_Nav_DME = 1024,
    xplm_Nav_LatLon = 2048
};

typedef int XPLMNavRef;
#define XPLM_NAV_NOT_FOUND (-1)

XPLM_API XPLMNavRef XPLMGetFirstNavAid(void);
XPLM_API XPLMNavRef XPLMGetNextNavAid(XPLMNavRef inNavAidRef);
XPLM_API XPLMNavRef XPLMFindFirstNavAidOfType(XPLMNavType inType);
XPLM_API XPLMNavRef XPLMFindLastNavAidOfType(XPLMNavType inType);
// Null criteria are ignored; with a position and no name or ID the nearest
// navaid of the types wins.
XPLM_API XPLMNavRef XPLMFindNavAid(const char* inNameFragment, const char* inIDFragment,
                                   float* inLat, float* inLon, int* inFrequency,
                                   XPLMNavType inType);
// outID holds 32 bytes, outName 256, outReg 1; null outputs are skipped.
XPLM_API void XPLMGetNavAidInfo(XPLMNavRef inRef, XPLMNavType* outType, float* outLatitude,
                                float* outLongitude, float* outHeight, int* outFrequency,
                                float* outHeading, char* outID, char* outName, char* outReg);

// ------------------------------------------------------- windows and input

typedef void* XPLMWindowID;

typedef int XPLMMouseStatus;
enum { xplm_MouseDown = 1, xplm_MouseDrag = 2, xplm_MouseUp = 3 };

typedef int XPLMCursorStatus;
enum {
    xplm_CursorDefault = 0,
    xplm_CursorHidden = 1,
    xplm_CursorArrow = 2,
    xplm_CursorCustom = 3
};

typedef int XPLMKeyFlags;
enum {
    xplm_ShiftFlag = 1,
    xplm_OptionAltFlag = 2,
    xplm_ControlFlag = 4,
    xplm_DownFlag = 8,
    xplm_UpFlag = 16
};

typedef int XPLMWindowLayer;
enum {
    xplm_WindowLayerFlightOverlay = 0,
    xplm_WindowLayerFloatingWindows = 1,
    xplm_WindowLayerModal = 2,
    xplm_WindowLayerGrowlNotifications = 3
};

typedef int XPLMWindowDecoration;
enum {
    xplm_WindowDecorationNone = 0,
    xplm_WindowDecorationRoundRectangle = 1,
    xplm_WindowDecorationSelfDecorated = 2,
    xplm_WindowDecorationSelfDecoratedResizable = 3
};

typedef void (*XPLMDrawWindow_f)(XPLMWindowID inWindowID, void* inRefcon);
// Returns 1 to take the event, 0 to pass it to whatever lies beneath.
typedef int (*XPLMHandleMouseClick_f)(XPLMWindowID inWindowID, int x, int y,
                                      XPLMMouseStatus inMouse, void* inRefcon);
typedef void (*XPLMHandleKey_f)(XPLMWindowID inWindowID, char inKey, XPLMKeyFlags inFlags,
                                char inVirtualKey, void* inRefcon, int losingFocus);
typedef XPLMCursorStatus (*XPLMHandleCursor_f)(XPLMWindowID inWindowID, int x, int y,
                                               void* inRefcon);
typedef int (*XPLMHandleMouseWheel_f)(XPLMWindowID inWindowID, int x, int y, int wheel,
                                      int clicks, void* inRefcon);

// structSize is sizeof(XPLMCreateWindow_t): 88 bytes on 64-bit systems.
typedef struct {
    int structSize;
    int left;
    int top;
    int right;
    int bottom;
    int visible;
    XPLMDrawWindow_f drawWindowFunc;
    XPLMHandleMouseClick_f handleMouseClickFunc;
    XPLMHandleKey_f handleKeyFunc;
    XPLMHandleCursor_f handleCursorFunc;
    XPLMHandleMouseWheel_f handleMouseWheelFunc;
    void* refcon;
    XPLMWindowDecoration decorateAsFloatingWindow;
    XPLMWindowLayer layer;
    XPLMHandleMouseClick_f handleRightClickFunc;
} XPLMCreateWindow_t;

typedef void (*XPLMReceiveMonitorBoundsGlobal_f)(int inMonitorIndex, int inLeftBx, int inTopBx,
                                                 int inRightBx, int inBottomBx, void* inRefcon);

// Global desktop coordinates: y grows upwards, top > bottom.
XPLM_API XPLMWindowID XPLMCreateWindowEx(XPLMCreateWindow_t* inParams);
XPLM_API void XPLMDestroyWindow(XPLMWindowID inWindowID);
XPLM_API void XPLMGetWindowGeometry(XPLMWindowID inWindowID, int* outLeft, int* outTop,
                                    int* outRight, int* outBottom);
XPLM_API void XPLMSetWindowGeometry(XPLMWindowID inWindowID, int inLeft, int inTop, int inRight,
                                    int inBottom);
XPLM_API int XPLMGetWindowIsVisible(XPLMWindowID inWindowID);
XPLM_API void XPLMSetWindowIsVisible(XPLMWindowID inWindowID, int inIsVisible);
// How each edge follows a resized screen: 0 keeps its distance from the
// left (bottom), 1 from the right (top).
XPLM_API void XPLMSetWindowGravity(XPLMWindowID inWindowID, float inLeftGravity,
                                   float inTopGravity, float inRightGravity,
                                   float inBottomGravity);
XPLM_API void XPLMBringWindowToFront(XPLMWindowID inWindow);
XPLM_API int XPLMIsWindowInFront(XPLMWindowID inWindow);
// Null outputs are skipped.
XPLM_API void XPLMGetScreenSize(int* outWidth, int* outHeight);
XPLM_API void XPLMGetScreenBoundsGlobal(int* outLeft, int* outTop, int* outRight,
                                        int* outBottom);
XPLM_API void XPLMGetAllMonitorBoundsGlobal(
    XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback, void* inRefcon);
XPLM_API void XPLMGetMouseLocationGlobal(int* outX, int* outY);

typedef int XPLMWindowPositioningMode;
enum {
    xplm_WindowPositionFree = 0,
    xplm_WindowCenterOnMonitor = 1,
    xplm_WindowFullScreenOnMonitor = 2,
    xplm_WindowFullScreenOnAllMonitors = 3,
    xplm_WindowPopOut = 4,
    xplm_WindowVR = 5
};

XPLM_API void XPLMSetWindowTitle(XPLMWindowID inWindowID, const char* inWindowTitle);
// A null window gives the keyboard back to X-Plane.
XPLM_API void XPLMTakeKeyboardFocus(XPLMWindowID inWindow);
XPLM_API int XPLMHasKeyboardFocus(XPLMWindowID inWindow);
// inMonitorIndex -1 means the main monitor (or none for the free mode).
XPLM_API void XPLMSetWindowPositioningMode(XPLMWindowID inWindowID,
                                           XPLMWindowPositioningMode inPositioningMode,
                                           int inMonitorIndex);
XPLM_API int XPLMWindowIsPoppedOut(XPLMWindowID inWindowID);
XPLM_API int XPLMWindowIsInVR(XPLMWindowID inWindowID);
// A popped-out window's geometry in the operating system's pixels, y down.
XPLM_API void XPLMGetWindowGeometryOS(XPLMWindowID inWindowID, int* outLeft, int* outTop,
                                      int* outRight, int* outBottom);
XPLM_API void XPLMSetWindowGeometryOS(XPLMWindowID inWindowID, int inLeft, int inTop,
                                      int inRight, int inBottom);
XPLM_API void XPLMGetAllMonitorBoundsOS(XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback,
                                        void* inRefcon);

// ------------------------------------------------------- graphics

XPLM_API void XPLMSetGraphicsState(int inEnableFog, int inNumberTexUnits, int inEnableLighting,
                                   int inEnableAlphaTesting, int inEnableAlphaBlending,
                                   int inEnableDepthTesting, int inEnableDepthWriting);
XPLM_API void XPLMGenerateTextureNumbers(int* outTextureIDs, int inCount);
XPLM_API void XPLMBindTexture2d(int inTextureNum, int inTextureUnit);

// ------------------------------------------------------- drawing callbacks

typedef int XPLMDrawingPhase;
enum {
    xplm_Phase_FirstCockpit = 35,
    xplm_Phase_Panel = 40,
    xplm_Phase_Gauges = 45,
    xplm_Phase_Window = 50,
    xplm_Phase_LastCockpit = 55
};

// inIsBefore is 1 before X-Plane draws the phase, 0 after. Returning 0 from a
// before-callback suppresses X-Plane's own drawing of the phase.
typedef int (*XPLMDrawCallback_f)(XPLMDrawingPhase inPhase, int inIsBefore, void* inRefcon);

// Both return 1 on success; unregistering needs the same four values.
XPLM_API int XPLMRegisterDrawCallback(XPLMDrawCallback_f inCallback, XPLMDrawingPhase inPhase,
                                      int inWantsBefore, void* inRefcon);
XPLM_API int XPLMUnregisterDrawCallback(XPLMDrawCallback_f inCallback, XPLMDrawingPhase inPhase,
                                        int inWantsBefore, void* inRefcon);

// ------------------------------------------------------------------- menus

typedef void* XPLMMenuID;

typedef int XPLMMenuCheck;
enum {
    xplm_Menu_NoCheck = 0,
    xplm_Menu_Unchecked = 1,
    xplm_Menu_Checked = 2
};

// Called with the menu's reference and the chosen item's reference.
typedef void (*XPLMMenuHandler_f)(void* inMenuRef, void* inItemRef);

XPLM_API XPLMMenuID XPLMFindPluginsMenu(void);
// A null parent puts the menu in the menu bar under inName; otherwise it
// becomes the submenu of item inParentItem, which shows that item's own name.
XPLM_API XPLMMenuID XPLMCreateMenu(const char* inName, XPLMMenuID inParentMenu, int inParentItem,
                                   XPLMMenuHandler_f inHandler, void* inMenuRef);
XPLM_API void XPLMDestroyMenu(XPLMMenuID inMenuID);
XPLM_API void XPLMClearAllMenuItems(XPLMMenuID inMenuID);
// Returns the new item's index, or a negative number on failure.
XPLM_API int XPLMAppendMenuItem(XPLMMenuID inMenu, const char* inItemName, void* inItemRef,
                                int inDeprecatedAndIgnored);
XPLM_API void XPLMCheckMenuItem(XPLMMenuID inMenu, int index, XPLMMenuCheck inCheck);
XPLM_API void XPLMEnableMenuItem(XPLMMenuID inMenu, int index, int enabled);
// The items after it move up one index.
XPLM_API void XPLMRemoveMenuItem(XPLMMenuID inMenu, int inIndex);

#endif  // OVILUX_USE_REAL_SDK
