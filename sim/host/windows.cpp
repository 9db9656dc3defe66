// XPLMDisplay's windows: records in creation order, the last one in front of
// its layer; monitors whose union is the global desktop.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

constexpr int kDefaultWidth = 1920;
constexpr int kDefaultHeight = 1080;

struct Window {
    XPLMCreateWindow_t params{};
    float gravity[4] = {0, 1, 0, 1};
    std::string title;
    XPLMWindowPositioningMode positioningMode = xplm_WindowPositionFree;
    // While popped out: the window's own OS window, in OS pixels (y down).
    // It stays where it is when X-Plane's desktop changes.
    DesktopBounds os;
};

std::vector<std::unique_ptr<Window>> windows;
XPLMWindowID focusHolder = nullptr;
// By X-Plane's monitor index, in global boxels.
std::map<int, DesktopBounds> monitors;

Window* find(XPLMWindowID id) {
    for (auto& w : windows)
        if (w.get() == id) return w.get();
    return nullptr;
}

WindowInfo infoOf(const Window& w) {
    const XPLMCreateWindow_t& p = w.params;
    WindowInfo info{const_cast<Window*>(&w), p.left, p.top, p.right, p.bottom, p.visible != 0,
                    p.layer, p.decorateAsFloatingWindow, w.title, w.positioningMode, {}};
    if (w.positioningMode == xplm_WindowPopOut) info.os = w.os;
    return info;
}

DesktopBounds unionOfMonitors() {
    if (monitors.empty()) return {};
    DesktopBounds u = monitors.begin()->second;
    for (const auto& [index, m] : monitors) {
        u.left = std::min(u.left, m.left);
        u.top = std::max(u.top, m.top);
        u.right = std::max(u.right, m.right);
        u.bottom = std::min(u.bottom, m.bottom);
    }
    return u;
}

// OS pixels turn y downwards from the desktop's top (the way is the same
// both ways); the simulator draws a popped-out window where its OS window
// lies over the desktop.
int osY(int y) { return unionOfMonitors().top - y; }

void placeOverDesktop(Window& w) {
    XPLMCreateWindow_t& p = w.params;
    p.left = w.os.left;
    p.right = w.os.right;
    p.top = osY(w.os.top);
    p.bottom = osY(w.os.bottom);
}

// Gravity 0 ties an edge to the desktop's left or bottom, 1 to its right or
// top; each edge moves by the move of what it is tied to.
int follow(int edge, float gravity, int lowMove, int highMove) {
    return edge + static_cast<int>((1 - gravity) * lowMove + gravity * highMove);
}

void changeMonitors(const std::map<int, DesktopBounds>& now) {
    DesktopBounds before = unionOfMonitors();
    monitors = now;
    DesktopBounds after = unionOfMonitors();
    int dl = after.left - before.left, dr = after.right - before.right;
    int db = after.bottom - before.bottom, dt = after.top - before.top;
    for (auto& w : windows) {
        if (w->positioningMode == xplm_WindowPopOut) {
            placeOverDesktop(*w);
            continue;
        }
        XPLMCreateWindow_t& p = w->params;
        p.left = follow(p.left, w->gravity[0], dl, dr);
        p.top = follow(p.top, w->gravity[1], db, dt);
        p.right = follow(p.right, w->gravity[2], dl, dr);
        p.bottom = follow(p.bottom, w->gravity[3], db, dt);
    }
    detail::desktopChanged();
}

// X-Plane tells the window that loses the keyboard with a key call whose
// other arguments mean nothing.
void moveKeyboardFocus(XPLMWindowID to) {
    Window* from = find(focusHolder);
    focusHolder = to;
    if (from && from != to && from->params.handleKeyFunc && detail::pluginCallbacksAllowed())
        from->params.handleKeyFunc(from, 0, 0, 0, from->params.refcon, 1);
}

void hide(Window& w) {
    w.params.visible = 0;
    if (focusHolder == &w) moveKeyboardFocus(nullptr);
}

std::map<int, DesktopBounds> singleMonitor(int width, int height) {
    return {{0, DesktopBounds{0, height, width, 0}}};
}

}  // namespace

void setScreenSize(int width, int height) { changeMonitors(singleMonitor(width, height)); }

void setMonitor(int index, int left, int top, int right, int bottom) {
    std::map<int, DesktopBounds> now = monitors;
    now[index] = DesktopBounds{left, top, right, bottom};
    changeMonitors(now);
}

DesktopBounds desktopBounds() { return unionOfMonitors(); }

XPLMWindowID findWindow(const std::string& title) {
    for (auto& w : windows)
        if (w->title == title) return w.get();
    return nullptr;
}

std::string windowTitle(XPLMWindowID id) {
    Window* w = find(id);
    return w ? w->title : std::string();
}

XPLMWindowID keyboardFocus() { return focusHolder; }

bool closeWindow(const std::string& title) {
    Window* w = find(findWindow(title));
    if (!w || !w->params.visible ||
        w->params.decorateAsFloatingWindow != xplm_WindowDecorationRoundRectangle)
        return false;
    hide(*w);
    return true;
}

bool popOutWindow(const std::string& title) {
    Window* w = find(findWindow(title));
    if (!w || !w->params.visible ||
        w->params.decorateAsFloatingWindow != xplm_WindowDecorationRoundRectangle)
        return false;
    XPLMSetWindowPositioningMode(w, xplm_WindowPopOut, -1);
    return true;
}

int windowCount() { return static_cast<int>(windows.size()); }

std::vector<WindowInfo> windowList() {
    std::vector<WindowInfo> out;
    for (auto& w : windows) out.push_back(infoOf(*w));
    return out;
}

namespace detail {

const XPLMCreateWindow_t* windowParams(XPLMWindowID id) {
    Window* w = find(id);
    return w ? &w->params : nullptr;
}

const XPLMCreateWindow_t* focusedWindow() {
    Window* w = find(focusHolder);
    return w ? &w->params : nullptr;
}

// Front to back: higher layers first, later windows first within a layer.
std::vector<const XPLMCreateWindow_t*> windowsUnder(int x, int y) {
    std::vector<const XPLMCreateWindow_t*> out;
    for (int layer = xplm_WindowLayerGrowlNotifications; layer >= 0; --layer)
        for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
            const XPLMCreateWindow_t& p = (*it)->params;
            if (p.layer != layer || !p.visible) continue;
            if (x >= p.left && x < p.right && y > p.bottom && y <= p.top) out.push_back(&p);
        }
    return out;
}

XPLMWindowID windowIdOf(const XPLMCreateWindow_t* params) {
    for (auto& w : windows)
        if (&w->params == params) return w.get();
    return nullptr;
}

void drawWindows() {
    if (!pluginCallbacksAllowed()) return;
    beginWindowPhase();
    runDrawCallbacks(xplm_Phase_Window, true);
    // A draw callback may destroy its window: walk a copy of the IDs.
    std::vector<XPLMWindowID> ids;
    for (auto& w : windows) ids.push_back(w.get());
    for (XPLMWindowID id : ids) {
        Window* w = find(id);
        if (!w || !w->params.visible || !w->params.drawWindowFunc) continue;
        std::string title = w->title;
        beforeWindowDraw(infoOf(*w));
        w->params.drawWindowFunc(id, w->params.refcon);
        afterWindowDraw(title);
    }
    runDrawCallbacks(xplm_Phase_Window, false);
    endWindowPhase();
}

void dropWindows() {
    for (auto& w : windows) forgetPressedWindow(w.get());
    windows.clear();
    focusHolder = nullptr;
}

void resetWindows() {
    windows.clear();
    focusHolder = nullptr;
    monitors = singleMonitor(kDefaultWidth, kDefaultHeight);
    desktopChanged();
}

}  // namespace detail
}  // namespace xpsim

using xpsim::find;

XPLM_API XPLMWindowID XPLMCreateWindowEx(XPLMCreateWindow_t* inParams) {
    if (!inParams) return nullptr;
    auto w = std::make_unique<xpsim::Window>();
    // Older callers pass a shorter record; what they leave out stays zero.
    std::size_t size = std::min(sizeof(XPLMCreateWindow_t),
                                static_cast<std::size_t>(std::max(inParams->structSize, 0)));
    std::copy_n(reinterpret_cast<const char*>(inParams), size,
                reinterpret_cast<char*>(&w->params));
    XPLMWindowID id = w.get();
    xpsim::windows.push_back(std::move(w));
    return id;
}

XPLM_API void XPLMDestroyWindow(XPLMWindowID inWindowID) {
    if (xpsim::focusHolder == inWindowID) xpsim::focusHolder = nullptr;
    xpsim::detail::forgetPressedWindow(inWindowID);
    auto& all = xpsim::windows;
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const auto& w) { return w.get() == inWindowID; }),
              all.end());
}

XPLM_API void XPLMGetWindowGeometry(XPLMWindowID inWindowID, int* outLeft, int* outTop,
                                    int* outRight, int* outBottom) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    if (outLeft) *outLeft = w->params.left;
    if (outTop) *outTop = w->params.top;
    if (outRight) *outRight = w->params.right;
    if (outBottom) *outBottom = w->params.bottom;
}

XPLM_API void XPLMSetWindowGeometry(XPLMWindowID inWindowID, int inLeft, int inTop, int inRight,
                                    int inBottom) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    w->params.left = inLeft;
    w->params.top = inTop;
    w->params.right = inRight;
    w->params.bottom = inBottom;
    if (w->positioningMode == xplm_WindowPopOut)
        w->os = {inLeft, xpsim::osY(inTop), inRight, xpsim::osY(inBottom)};
}

XPLM_API int XPLMGetWindowIsVisible(XPLMWindowID inWindowID) {
    xpsim::Window* w = find(inWindowID);
    return w && w->params.visible ? 1 : 0;
}

XPLM_API void XPLMSetWindowIsVisible(XPLMWindowID inWindowID, int inIsVisible) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    if (inIsVisible)
        w->params.visible = 1;
    else
        xpsim::hide(*w);
}

XPLM_API void XPLMSetWindowGravity(XPLMWindowID inWindowID, float inLeftGravity,
                                   float inTopGravity, float inRightGravity,
                                   float inBottomGravity) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    w->gravity[0] = inLeftGravity;
    w->gravity[1] = inTopGravity;
    w->gravity[2] = inRightGravity;
    w->gravity[3] = inBottomGravity;
}

XPLM_API void XPLMBringWindowToFront(XPLMWindowID inWindow) {
    auto& all = xpsim::windows;
    auto it = std::find_if(all.begin(), all.end(),
                           [&](const auto& w) { return w.get() == inWindow; });
    if (it == all.end()) return;
    std::unique_ptr<xpsim::Window> w = std::move(*it);
    all.erase(it);
    all.push_back(std::move(w));
}

XPLM_API int XPLMIsWindowInFront(XPLMWindowID inWindow) {
    xpsim::Window* w = find(inWindow);
    if (!w) return 0;
    for (auto it = xpsim::windows.rbegin(); it != xpsim::windows.rend(); ++it)
        if ((*it)->params.layer == w->params.layer) return it->get() == w ? 1 : 0;
    return 0;
}

// The simulator's one OpenGL surface is the whole desktop.
XPLM_API void XPLMGetScreenSize(int* outWidth, int* outHeight) {
    xpsim::DesktopBounds d = xpsim::desktopBounds();
    if (outWidth) *outWidth = d.right - d.left;
    if (outHeight) *outHeight = d.top - d.bottom;
}

XPLM_API void XPLMGetScreenBoundsGlobal(int* outLeft, int* outTop, int* outRight,
                                        int* outBottom) {
    xpsim::DesktopBounds d = xpsim::desktopBounds();
    if (outLeft) *outLeft = d.left;
    if (outTop) *outTop = d.top;
    if (outRight) *outRight = d.right;
    if (outBottom) *outBottom = d.bottom;
}

XPLM_API void XPLMGetAllMonitorBoundsGlobal(
    XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback, void* inRefcon) {
    if (!inMonitorBoundsCallback) return;
    // A copy: the callback may ask about the screen again.
    std::map<int, xpsim::DesktopBounds> all = xpsim::monitors;
    for (const auto& [index, m] : all)
        inMonitorBoundsCallback(index, m.left, m.top, m.right, m.bottom, inRefcon);
}

XPLM_API void XPLMSetWindowTitle(XPLMWindowID inWindowID, const char* inWindowTitle) {
    if (xpsim::Window* w = find(inWindowID)) w->title = inWindowTitle ? inWindowTitle : "";
}

XPLM_API void XPLMTakeKeyboardFocus(XPLMWindowID inWindow) {
    xpsim::moveKeyboardFocus(find(inWindow) ? inWindow : nullptr);
}

XPLM_API int XPLMHasKeyboardFocus(XPLMWindowID inWindow) {
    return inWindow != nullptr && xpsim::focusHolder == inWindow ? 1 : 0;
}

XPLM_API void XPLMSetWindowPositioningMode(XPLMWindowID inWindowID,
                                           XPLMWindowPositioningMode inPositioningMode,
                                           int /*inMonitorIndex*/) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    // In VR a window lives in the headset's space: X-Plane reports its geometry
    // from (0, 0) at its bottom left, same size, and leaves it there when the
    // window comes back to the desktop, for the plug-in to put back.
    if (inPositioningMode == xplm_WindowVR && w->positioningMode != xplm_WindowVR) {
        XPLMCreateWindow_t& p = w->params;
        p.right -= p.left;
        p.top -= p.bottom;
        p.left = 0;
        p.bottom = 0;
    }
    // Popped out, it opens as an OS window where it was on the desktop.
    if (inPositioningMode == xplm_WindowPopOut && w->positioningMode != xplm_WindowPopOut) {
        const XPLMCreateWindow_t& p = w->params;
        w->os = {p.left, xpsim::osY(p.top), p.right, xpsim::osY(p.bottom)};
    }
    w->positioningMode = inPositioningMode;
}

XPLM_API int XPLMWindowIsPoppedOut(XPLMWindowID inWindowID) {
    xpsim::Window* w = find(inWindowID);
    return w && w->positioningMode == xplm_WindowPopOut ? 1 : 0;
}

XPLM_API int XPLMWindowIsInVR(XPLMWindowID inWindowID) {
    xpsim::Window* w = find(inWindowID);
    return w && w->positioningMode == xplm_WindowVR ? 1 : 0;
}

// A window popped out keeps its own OS geometry; any other answers in the
// desktop's OS pixels.
XPLM_API void XPLMGetWindowGeometryOS(XPLMWindowID inWindowID, int* outLeft, int* outTop,
                                      int* outRight, int* outBottom) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    xpsim::DesktopBounds os = w->os;
    if (w->positioningMode != xplm_WindowPopOut)
        os = {w->params.left, xpsim::osY(w->params.top), w->params.right,
              xpsim::osY(w->params.bottom)};
    if (outLeft) *outLeft = os.left;
    if (outTop) *outTop = os.top;
    if (outRight) *outRight = os.right;
    if (outBottom) *outBottom = os.bottom;
}

XPLM_API void XPLMSetWindowGeometryOS(XPLMWindowID inWindowID, int inLeft, int inTop,
                                      int inRight, int inBottom) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    if (w->positioningMode == xplm_WindowPopOut) {
        w->os = {inLeft, inTop, inRight, inBottom};
        xpsim::placeOverDesktop(*w);
        return;
    }
    XPLMSetWindowGeometry(inWindowID, inLeft, xpsim::osY(inTop), inRight, xpsim::osY(inBottom));
}

XPLM_API void XPLMGetAllMonitorBoundsOS(XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback,
                                        void* inRefcon) {
    if (!inMonitorBoundsCallback) return;
    std::map<int, xpsim::DesktopBounds> all = xpsim::monitors;
    for (const auto& [index, m] : all)
        inMonitorBoundsCallback(index, m.left, xpsim::osY(m.top), m.right, xpsim::osY(m.bottom),
                                inRefcon);
}
