// Windows, the mouse and keyboard they take, the screen and its monitors, and
// drawing callbacks.
#pragma once

#include "XPLMDefs.h"

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

// ------------------------------------------------------- windows and input

typedef void* XPLMWindowID;

typedef int XPLMMouseStatus;
enum { xplm_MouseDown = 1, xplm_MouseDrag = 2, xplm_MouseUp = 3 };

typedef void (*XPLMDrawWindow_f)(XPLMWindowID inWindowID, void* inRefcon);
// Returns 1 to take the event, 0 to pass it to whatever lies beneath.
typedef int (*XPLMHandleMouseClick_f)(XPLMWindowID inWindowID, int x, int y,
                                      XPLMMouseStatus inMouse, void* inRefcon);
typedef void (*XPLMHandleKey_f)(XPLMWindowID inWindowID, char inKey, XPLMKeyFlags inFlags,
                                char inVirtualKey, void* inRefcon, int losingFocus);

XPLM_API void XPLMDestroyWindow(XPLMWindowID inWindowID);
XPLM_API void XPLMGetWindowGeometry(XPLMWindowID inWindowID, int* outLeft, int* outTop,
                                    int* outRight, int* outBottom);
XPLM_API void XPLMSetWindowGeometry(XPLMWindowID inWindowID, int inLeft, int inTop, int inRight,
                                    int inBottom);
XPLM_API int XPLMGetWindowIsVisible(XPLMWindowID inWindowID);
XPLM_API void XPLMSetWindowIsVisible(XPLMWindowID inWindowID, int inIsVisible);
// Null outputs are skipped.
XPLM_API void XPLMGetScreenSize(int* outWidth, int* outHeight);
// A null window gives the keyboard back to X-Plane.
XPLM_API void XPLMTakeKeyboardFocus(XPLMWindowID inWindow);
XPLM_API int XPLMHasKeyboardFocus(XPLMWindowID inWindow);

#if defined(XPLM200)
typedef int XPLMCursorStatus;
enum {
    xplm_CursorDefault = 0,
    xplm_CursorHidden = 1,
    xplm_CursorArrow = 2,
    xplm_CursorCustom = 3
};

typedef XPLMCursorStatus (*XPLMHandleCursor_f)(XPLMWindowID inWindowID, int x, int y,
                                               void* inRefcon);
typedef int (*XPLMHandleMouseWheel_f)(XPLMWindowID inWindowID, int x, int y, int wheel,
                                      int clicks, void* inRefcon);
#endif  // XPLM200

#if defined(XPLM300)
typedef int XPLMWindowLayer;
enum {
    xplm_WindowLayerFlightOverlay = 0,
    xplm_WindowLayerFloatingWindows = 1,
    xplm_WindowLayerModal = 2,
    xplm_WindowLayerGrowlNotifications = 3
};
#endif  // XPLM300

#if defined(XPLM301)
typedef int XPLMWindowDecoration;
enum {
    xplm_WindowDecorationNone = 0,
    xplm_WindowDecorationRoundRectangle = 1,
    xplm_WindowDecorationSelfDecorated = 2,
    xplm_WindowDecorationSelfDecoratedResizable = 3
};
#endif  // XPLM301

#if defined(XPLM200)
// structSize is sizeof(XPLMCreateWindow_t): 88 bytes on 64-bit systems with
// the last three fields.
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
#if defined(XPLM301)
    XPLMWindowDecoration decorateAsFloatingWindow;
#endif
#if defined(XPLM300)
    XPLMWindowLayer layer;
    XPLMHandleMouseClick_f handleRightClickFunc;
#endif
} XPLMCreateWindow_t;

// Global desktop coordinates: y grows upwards, top > bottom.
XPLM_API XPLMWindowID XPLMCreateWindowEx(XPLMCreateWindow_t* inParams);
#endif  // XPLM200

#if defined(XPLM300)
typedef void (*XPLMReceiveMonitorBoundsGlobal_f)(int inMonitorIndex, int inLeftBx, int inTopBx,
                                                 int inRightBx, int inBottomBx, void* inRefcon);

// How each edge follows a resized screen: 0 keeps its distance from the
// left (bottom), 1 from the right (top).
XPLM_API void XPLMSetWindowGravity(XPLMWindowID inWindowID, float inLeftGravity,
                                   float inTopGravity, float inRightGravity,
                                   float inBottomGravity);
XPLM_API void XPLMBringWindowToFront(XPLMWindowID inWindow);
XPLM_API int XPLMIsWindowInFront(XPLMWindowID inWindow);
// Null outputs are skipped.
XPLM_API void XPLMGetScreenBoundsGlobal(int* outLeft, int* outTop, int* outRight,
                                        int* outBottom);
XPLM_API void XPLMGetAllMonitorBoundsGlobal(
    XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback, void* inRefcon);
XPLM_API void XPLMGetAllMonitorBoundsOS(XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback,
                                        void* inRefcon);
XPLM_API void XPLMGetMouseLocationGlobal(int* outX, int* outY);

typedef int XPLMWindowPositioningMode;
enum {
    xplm_WindowPositionFree = 0,
    xplm_WindowCenterOnMonitor = 1,
    xplm_WindowFullScreenOnMonitor = 2,
    xplm_WindowFullScreenOnAllMonitors = 3,
#if defined(XPLM301)
    xplm_WindowPopOut = 4,
    xplm_WindowVR = 5
#endif
};

XPLM_API void XPLMSetWindowTitle(XPLMWindowID inWindowID, const char* inWindowTitle);
// inMonitorIndex -1 means the main monitor (or none for the free mode).
XPLM_API void XPLMSetWindowPositioningMode(XPLMWindowID inWindowID,
                                           XPLMWindowPositioningMode inPositioningMode,
                                           int inMonitorIndex);
#endif  // XPLM300

#if defined(XPLM301)
XPLM_API int XPLMWindowIsPoppedOut(XPLMWindowID inWindowID);
XPLM_API int XPLMWindowIsInVR(XPLMWindowID inWindowID);
// A popped-out window's geometry in the operating system's pixels, y down.
XPLM_API void XPLMGetWindowGeometryOS(XPLMWindowID inWindowID, int* outLeft, int* outTop,
                                      int* outRight, int* outBottom);
XPLM_API void XPLMSetWindowGeometryOS(XPLMWindowID inWindowID, int inLeft, int inTop,
                                      int inRight, int inBottom);
#endif  // XPLM301
