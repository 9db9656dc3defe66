// The simulated X-Plane's test API: sets up the world, drives the plug-in's
// lifecycle and the frame loop, and shows what the plug-in did. Main thread
// only, except where a function says otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "xplane/sdk.h"

namespace xpsim {

// ------------------------------------------------------------- simulator

// Everything back to a freshly started X-Plane: datarefs at their defaults,
// the plug-in's registrations, other plug-ins, the attached plug-in itself
// (without calling it), clock, log and speech records. Settings too (root,
// fps, versions); the speech hook is kept.
void reset();

// X-Plane's folder; XPLMGetSystemPath returns it absolute with a trailing "/".
void setRoot(const std::string& dir);
const std::string& root();
void setFps(int fps);
int fps();
// Defaults: X-Plane 12010, XPLM 400.
void setVersions(int xplane, int xplm);

// ------------------------------------------------ the plug-in under test (ID 1)

struct PluginEntryPoints {
    int (*start)(char* outName, char* outSignature, char* outDescription);
    int (*enable)();
    void (*disable)();
    void (*stop)();
    void (*receive)(XPLMPluginID from, int message, void* param);
};

// dlopen with RTLD_NOW | RTLD_LOCAL and the five entry points from dlsym.
bool loadPlugin(const std::string& xplPath, std::string* error);
// A plug-in linked into this process; the path is what XPLMGetPluginInfo reports.
void attachPlugin(const PluginEntryPoints& entryPoints, const std::string& pluginFilePath);
// XPluginStart with three 256-byte buffers; false when it returns 0.
bool startPlugin();
// XPluginEnable; false (and still disabled) when it returns 0.
bool enablePlugin();
void disablePlugin();
void stopPlugin();
// dlclose when loaded; forgets the callbacks that pointed into its code.
void unloadPlugin();
bool isPluginAttached();
bool isPluginEnabled();
const std::string& pluginName();
const std::string& pluginSignature();
const std::string& pluginDescription();

// XPluginReceiveMessage from X-Plane (ID 0); only an enabled plug-in hears it.
void sendMessage(int message, intptr_t param = 0);
// Aircraft 0 becomes ROOT/path; sends nothing (the runner sends message 102).
void setUserAircraft(const std::string& pathRelativeToRoot);
bool isFeatureEnabled(const std::string& feature);

// ------------------------------------------------------------- other plug-ins

// IDs from 2 on, enabled, no file path.
XPLMPluginID addPlugin(const std::string& signature, const std::string& name);

struct SentMessage {
    XPLMPluginID to;
    int message;
    // The parameter as a C string for plug-in-defined messages
    // (0x01000000..0x01FFFFFF) with a non-null parameter; empty otherwise.
    std::string paramText;
    intptr_t param;
};
// Every XPLMSendMessageToPlugin call, in order.
const std::vector<SentMessage>& sentMessages();

// ------------------------------------------------------------- frames

// Each frame: clock + 1/fps, continue phase of held commands, due flight
// loops in registration order, then drawing (camera control).
void runFrames(int n);
double simTime();
int cycleNumber();
// Classic loops registered plus created loops not destroyed.
int flightLoopCount();
bool isFlightLoopRegistered(XPLMFlightLoop_f callback, void* refcon);

// ------------------------------------------------------------- datarefs

// Typed access by name that ignores writability (it stands for X-Plane itself
// or for the test). Plug-in datarefs go through their accessors. Unknown
// names read 0 and write nothing.
double getDouble(const std::string& name, int index = 0);
void setValue(const std::string& name, double value, int index = 0);
std::string getText(const std::string& name);
void setText(const std::string& name, const std::string& text);

bool hasDataref(const std::string& name);
// A dataref as another plug-in would publish it, with storage behind it; the
// type mask decides the storage (array types take size elements). False when
// the name is taken.
bool defineDataref(const std::string& name, XPLMDataTypeID types, int size = 1,
                   bool writable = true);
// Type as the runner writes it: int, float, double, int[N], float[N], byte[N];
// value (when not empty) goes to every element, or is the text of a byte array.
bool defineDatarefFromText(const std::string& name, const std::string& type,
                           const std::string& value, std::string* error);
// The name disappears: XPLMFindDataRef returns null (an older X-Plane).
void removeDataref(const std::string& name);
// XPLMRegisterDataAccessor calls for the name since it was last unregistered;
// more than 1 means duplicate registration (the first one is kept).
int datarefRegistrationCount(const std::string& name);

// "NAME" or "NAME[I]". Writes as the runner's `set` does: the simulator's own
// datarefs whatever their writability, plug-in datarefs only when writable.
bool writeDatarefFromText(const std::string& nameWithOptionalIndex, const std::string& value,
                          std::string* error);
// Integers as such, floats and doubles "%.6f", byte arrays as text, other
// arrays "[a, b, ...]".
bool formatDataref(const std::string& nameWithOptionalIndex, std::string* out,
                   std::string* error = nullptr);

// ------------------------------------------------------------- commands

// As a key bound to the command would run it. Unknown names do nothing.
void commandOnce(const std::string& name);
void commandBegin(const std::string& name);
void commandEnd(const std::string& name);
bool hasCommand(const std::string& name);
// The commands whose names begin with prefix, in the order they were created.
std::vector<std::string> commandNames(const std::string& prefix);
int handlerCount(const std::string& name);
// Begin phases that got past every before-handler to X-Plane's own processing.
int reachedXPlaneCount(const std::string& name);
// The same per phase: begin, continue, end.
std::array<int, 3> reachedXPlanePhases(const std::string& name);

// ------------------------------------------------------------- camera

// Some plug-in holds the camera (what XPLMIsCameraBeingControlled says).
bool cameraControlled();
// The plug-in under test's callback holds it.
bool cameraControlledByPlugin();
int cameraCallbackCount();
// XPLMDontControlCamera calls, whether or not they released anything.
int dontControlCameraCount();
// The pose the last controlling call produced; false when none has since reset.
bool lastCameraPose(XPLMCameraPosition_t* out);
// Another plug-in takes the camera: the holder gets its losing-control call.
void takeCameraByOtherPlugin();
void releaseCameraByOtherPlugin();

// ------------------------------------------------------------- world

// The first call fixes the local projection's reference point.
void placeAircraft(double latitude, double longitude, double elevationM, float headingDeg = 0);
// Flat ground at that elevation.
void setTerrain(double elevationM);
// Tilts the ground about local x = z = 0: it rises riseEast metres per metre
// east (+x) and riseSouth per metre south (+z), until the next setTerrain.
void setTerrainSlope(double riseEast, double riseSouth);
void setProbesMiss(bool miss);
// X-Plane moves its local origin to the point (as it does when the aircraft
// has travelled far): local coordinates of everything change, world ones do
// not. The user's aircraft keeps its world position.
void shiftLocalOrigin(double latitude, double longitude);
// Reads the apt.dat files under the root again at the next navigation call.
void rebuildNavDatabase();

// ------------------------------------------------------------- AI traffic

// AI aircraft i (from 0) is multiplayer plane i + 1, for the first 19, and
// TCAS target i + 1; TCAS target 0 stands for the user's aircraft.
// XPLMCountAircraft counts them with the user's aircraft.
constexpr int kMaxAiAircraft = 63;

// Moves aircraft `index`, or adds one when index is the current count; an
// added aircraft gets a mode-S ID and a flight ID of its own ("AI1", ...).
// Local coordinates follow the projection, whose reference the first
// placement of the user's aircraft fixes: place that first. False for any
// other index.
bool placeAiAircraft(int index, double latitude, double longitude, double elevationM,
                     float headingDeg = 0, float pitchDeg = 0, float rollDeg = 0);
// The aircraft leaves; those after it move down one slot, as X-Plane's TCAS
// list closes up.
bool removeAiAircraft(int index);
// X-Plane reorders its TCAS targets: two aircraft change slots, IDs and all.
bool swapAiAircraft(int first, int second);
// The flight ID keeps at most 7 characters.
bool setAiIdentity(int index, int modeSId, const std::string& flightId);
int aiAircraftCount();
// Off: an X-Plane before 11.50, without the TCAS datarefs. On publishes them
// again, holding the traffic.
void setTcasAvailable(bool available);

// ------------------------------------------------------------- log and speech

// Everything XPLMDebugString wrote since reset. Any thread.
std::string logText();
// Starts ROOT/Log.txt afresh, as X-Plane does at launch.
void startNewLogFile();
const std::vector<std::string>& spokenTexts();
// Called with each spoken text as it is spoken (the runner prints it).
void setSpeechHook(std::function<void(const std::string&)> hook);

// ---------------------------------------------------------------- clipboard

// X-Plane offers plug-ins no clipboard; on Linux the plug-in starts the
// desktop's clipboard tool. The simulator stands in for a desktop that has
// one: an "xclip" first on PATH (and an X11 display named) that records the
// text it is given. Once per process; the runner installs it at start.
void installClipboardTool();
// The text the tool recorded last, once the tools started so far have ended
// (waits at most 5 seconds); false when nothing was recorded.
bool clipboardText(std::string* text);

// ------------------------------------------------------- windows and input

// Global desktop boxels, y up.
struct DesktopBounds {
    int left = 0, top = 0, right = 0, bottom = 0;
};
// Shorthand for a single monitor, index 0, at (0, 0): the other monitors go.
// Windows follow every change of the desktop (the union of the monitors) by
// their gravity. Default 1920 x 1080; 0 x 0 stands for no display yet.
void setScreenSize(int width, int height);
// Adds monitor `index` or moves it (XPLMGetAllMonitorBoundsGlobal reports
// every monitor, XPLMGetScreenBoundsGlobal their union).
void setMonitor(int index, int left, int top, int right, int bottom);
DesktopBounds desktopBounds();
int windowCount();
struct WindowInfo {
    XPLMWindowID id;
    int left, top, right, bottom;
    bool visible;
    XPLMWindowLayer layer;
    XPLMWindowDecoration decoration;
    std::string title;
    XPLMWindowPositioningMode positioningMode;
    // Its OS window's geometry (OS pixels, y down from the desktop's top)
    // while popped out; zero otherwise.
    DesktopBounds os;
};
// In creation order (front of its layer last).
std::vector<WindowInfo> windowList();
// The first window, in creation order, with that title; null when none.
XPLMWindowID findWindow(const std::string& title);
// "" for an unknown window or one without a title.
std::string windowTitle(XPLMWindowID id);
// The mouse moves (global coordinates, y up); windows under it are asked for
// the cursor.
void setMousePosition(int x, int y);
// The mouse moves to (x, y) and a button event goes to the frontmost window
// under it and on down while windows pass it; true when a window took it.
// Drags and the release of a press a window took go to that window wherever
// the mouse is, as in X-Plane.
bool mouseClick(int x, int y, bool right, XPLMMouseStatus status);
// At the current mouse position; clicks > 0 turn away from the user.
bool mouseWheel(int clicks);
// One key event as X-Plane hands it to a window: the character (0 for keys
// that type none), the flags (shift 1, alt 2, ctrl 4, down 8, up 16) and
// X-Plane's virtual key code.
struct KeyStroke {
    char key = 0;
    XPLMKeyFlags flags = 0;
    int vkey = 0;
};
// The event goes to the window holding the keyboard focus
// (XPLMTakeKeyboardFocus); true when one did. Without one it reaches X-Plane.
bool keyEvent(const KeyStroke& stroke);
// Down then up. KEY is a character or the name of a key that types none:
// RETURN, TAB, BACK, ESCAPE, SPACE, LEFT, RIGHT, UP, DOWN, HOME, END, PRIOR,
// NEXT, INSERT, DELETE, ENTER (the keypad's). Modifiers are added to both
// events; shift makes a letter upper case. False for an unknown key.
bool pressKey(const std::string& key, XPLMKeyFlags modifiers = 0);
// Each character pressed in turn, with shift where a US keyboard needs it;
// false (and nothing sent) when a character has no key.
bool typeText(const std::string& text);
// The window holding the keyboard focus; null when X-Plane has it.
XPLMWindowID keyboardFocus();
// X-Plane's close box of the first window with that title: the window is
// hidden. False when no visible window with a close box (the decoration of a
// floating window) has that title.
bool closeWindow(const std::string& title);
// The pop-out button of X-Plane's window frame: the first visible window with
// that title and a frame becomes an OS window of its own, where it was. It
// keeps its OS geometry when X-Plane's desktop changes (a popped-out window
// does not follow the monitors by its gravity). False when there is no such
// window.
bool popOutWindow(const std::string& title);
// Events no window took.
struct InputCounts {
    int leftClicks = 0;
    int rightClicks = 0;
    int wheels = 0;
    int keys = 0;  // key events, down and up each
};
InputCounts inputReachedXPlane();

// ------------------------------------------------------------- drawing

// Windows are drawn on one OSMesa surface as large as the desktop, with
// X-Plane's window-phase projection: glOrtho over the desktop's global boxels
// (one boxel one pixel, y up), the modelview the identity, the viewport the
// whole surface; "sim/graphics/view/modelview_matrix", "projection_matrix"
// and "viewport" say the same. The context is made the first time a plug-in
// asks for graphics (XPLMSetGraphicsState, XPLMGenerateTextureNumbers,
// XPLMBindTexture2d) and stays current; from then on every frame with a
// visible window clears the desktop and draws each visible window in turn.
bool drawingContextExists();
// Draw callbacks that left an attribute, client-attribute or matrix stack
// deeper (or popped past its end) since reset; each one is also reported on
// standard error and mended before the next window draws.
int graphicsStackImbalances();
// The desktop as the last frame drew it (only the background when that frame
// drew nothing with GL), at global boxel (x, y); false outside the desktop.
bool pixelAt(int x, int y, unsigned char rgba[4]);
// The same desktop as a PNG file.
bool screenshot(const std::string& pngPath);

// ------------------------------------------------------------- draw callbacks

// Callbacks registered with XPLMRegisterDrawCallback and not unregistered.
// Each frame's window phase calls those of xplm_Phase_Window: the
// before-callbacks ahead of the windows, the after-callbacks behind them.
int drawCallbackCount();
bool isDrawCallbackRegistered(XPLMDrawCallback_f callback, XPLMDrawingPhase phase,
                              int wantsBefore, void* refcon);
// Calls made to draw callbacks since reset.
int drawCallbackCalls();

// ------------------------------------------------------------- menus

struct MenuItemInfo {
    // The names a user sees from the menu bar down, joined by "/": a submenu
    // shows under its parent item's name ("Plugins/Ovilux/Enable").
    std::string path;
    bool enabled;
    XPLMMenuCheck check;
};
// Every item strictly below the prefix (a menu or an item's path), depth
// first in menu order.
std::vector<MenuItemInfo> menuItems(const std::string& prefix);
// Chooses the item as a user would: its menu's handler gets the menu's and
// the item's references. False, with the reason, when the item is missing,
// it or an item on the way is greyed, or it opens a submenu.
bool chooseMenuItem(const std::string& path, std::string* error);
// Menus the plug-in created and has not destroyed (X-Plane's Plugins menu
// not counted).
int menuCount();

}  // namespace xpsim
