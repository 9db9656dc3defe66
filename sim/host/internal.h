// What the host's files share with each other and not with tests.
#pragma once

#include <string>
#include <vector>

#include "xplane/sdk.h"
#include "xpsim.h"

namespace xpsim::detail {

// Each family forgets its state for xpsim::reset().
void resetPlugins();
void resetSentMessages();
void resetFeatures();
void resetVersions();
void resetClock();
void resetDatarefs();
void resetCommands();
void resetFlightLoops();
void resetCamera();
void resetViews();
void resetWorld();
void resetScenery();
void resetNavigation();
void resetPlanes();
void resetTraffic();
void resetFiles();
void resetLog();
void resetWindows();
void resetInput();
void resetDrawing();
void resetMenus();
void resetDrawCallbacks();

// Callbacks that point into the plug-in's code, dropped when it is unloaded.
void dropAccessorDatarefs();
void dropCameraController();
void dropWindows();
void dropMenus();
void dropDrawCallbacks();

// Clock, owned by the frame loop.
double now();
int cycle();
double frameInterval();

// Frame phases, in the order a frame runs them.
void runHeldCommands();
void runFlightLoops();
void runCameraPhase();
void drawWindows();
// The draw callbacks registered for the phase, before or after X-Plane draws it.
void runDrawCallbacks(XPLMDrawingPhase phase, bool before);

// The monitors changed: the drawing surface and the view datarefs follow.
void desktopChanged();

// The window phase on the OpenGL surface. Without a context these only keep
// count; useGraphics() makes the context (and prepares a phase under way) for
// the SDK's graphics calls, false while there is no display.
void beginWindowPhase();
void beforeWindowDraw(const WindowInfo& window);
void afterWindowDraw(const std::string& title);
void endWindowPhase();
bool useGraphics();

// The key of a character or of a key name (xpsim::pressKey's), without the
// down or up flag; false when there is none.
bool keyForCharacter(char c, KeyStroke* out);
bool keyForName(const std::string& name, KeyStroke* out);
// The focused window's record; null when X-Plane has the keyboard.
const XPLMCreateWindow_t* focusedWindow();

// Visible windows containing (x, y), front to back, and their IDs.
std::vector<const XPLMCreateWindow_t*> windowsUnder(int x, int y);
XPLMWindowID windowIdOf(const XPLMCreateWindow_t* params);
// The record of a window that exists; null for any other ID.
const XPLMCreateWindow_t* windowParams(XPLMWindowID id);
// A destroyed window takes no more drags or releases of a press it took.
void forgetPressedWindow(XPLMWindowID id);

// X-Plane does not call a disabled plug-in; with no plug-in attached the
// callbacks belong to the test itself and always run.
bool pluginCallbacksAllowed();

// Raw access to the simulator's own datarefs: no writability check, no change
// hook. Unknown names read 0 and write nothing.
double simValue(const char* name, int index = 0);
void setSimValue(const char* name, double value, int index = 0);

struct Dataref;
// Change hooks of the simulator's own datarefs.
void viewTypeWritten(Dataref& d);
void localPositionWritten(Dataref& d);

// The view has changed (a view command reached X-Plane or view_type was set).
void cameraViewChanged();
// A view command chose this view type.
void selectView(int viewType);

// AI traffic's local coordinates follow a move of the local origin.
void localOriginMoved();

// The ground's elevation under local x, z; keeps y_agl in step with the aircraft.
double terrainElevationAt(double x, double z);
void updateHeightAboveGround();

// The camera pose X-Plane would draw with when no plug-in moves it.
XPLMCameraPosition_t viewPose();

}  // namespace xpsim::detail
