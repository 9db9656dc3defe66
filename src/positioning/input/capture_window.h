// The invisible full-screen window that sees the mouse before X-Plane does:
// it takes the right button and the wheel when the engine needs them and
// passes everything else through.
#pragma once

#include "xplane/sdk.h"

// false creates the window when it does not exist; true destroys it. Both
// release the right button.
void manageMasterCaptureWindow(bool destroy);
XPLMWindowID getMasterCaptureWindow();

void handleMasterCaptureDrawWindow(XPLMWindowID window, void* refcon);
int handleMasterCaptureMouseClick(XPLMWindowID window, int x, int y, XPLMMouseStatus status,
                                  void* refcon);
int handleMasterCaptureRightMouseClick(XPLMWindowID window, int x, int y,
                                       XPLMMouseStatus status, void* refcon);
int handleMasterCaptureMouseWheel(XPLMWindowID window, int x, int y, int wheel, int clicks,
                                  void* refcon);
void handleMasterCaptureKey(XPLMWindowID window, char key, XPLMKeyFlags flags, char virtualKey,
                            void* refcon, int losingFocus);
XPLMCursorStatus handleMasterCaptureCursor(XPLMWindowID window, int x, int y, void* refcon);

// Whether the right button belongs to X-Plane now.
bool shouldPassThroughRightClick();
int getSmoothedMouseX();
int getSmoothedMouseY();
bool getContinuousCircleMouse();
