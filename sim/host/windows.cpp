// XPLMDisplay's windows: records in creation order, the last one in front of
// its layer; a settable screen that is the only monitor unless more are added.
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
};

std::vector<std::unique_ptr<Window>> windows;
XPLMWindowID keyboardFocus = nullptr;
int screenWidth = kDefaultWidth;
int screenHeight = kDefaultHeight;

// Empty: the screen is the only monitor, index 0.
struct Bounds {
    int left, top, right, bottom;
};
std::map<int, Bounds> monitors;

Bounds desktop() {
    if (monitors.empty()) return {0, screenHeight, screenWidth, 0};
    Bounds all = monitors.begin()->second;
    for (const auto& entry : monitors) {
        const Bounds& m = entry.second;
        all.left = std::min(all.left, m.left);
        all.top = std::max(all.top, m.top);
        all.right = std::max(all.right, m.right);
        all.bottom = std::min(all.bottom, m.bottom);
    }
    return all;
}

Window* find(XPLMWindowID id) {
    for (auto& w : windows)
        if (w.get() == id) return w.get();
    return nullptr;
}

// Moves each edge by the screen's growth as far as its gravity says.
void followResize(Window& w, int dw, int dh) {
    w.params.left += static_cast<int>(w.gravity[0] * dw);
    w.params.top += static_cast<int>(w.gravity[1] * dh);
    w.params.right += static_cast<int>(w.gravity[2] * dw);
    w.params.bottom += static_cast<int>(w.gravity[3] * dh);
}

}  // namespace

void setMonitor(int index, int left, int top, int right, int bottom) {
    if (monitors.empty()) monitors[0] = {0, screenHeight, screenWidth, 0};
    monitors[index] = {left, top, right, bottom};
}

void setScreenSize(int width, int height) {
    monitors.clear();
    int dw = width - screenWidth;
    int dh = height - screenHeight;
    screenWidth = width;
    screenHeight = height;
    for (auto& w : windows) followResize(*w, dw, dh);
}

int windowCount() { return static_cast<int>(windows.size()); }

std::vector<WindowInfo> windowList() {
    std::vector<WindowInfo> out;
    for (auto& w : windows) {
        const XPLMCreateWindow_t& p = w->params;
        out.push_back({w.get(), p.left, p.top, p.right, p.bottom, p.visible != 0, p.layer,
                       p.decorateAsFloatingWindow, w->title, w->positioningMode});
    }
    return out;
}

namespace detail {

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
    // A draw callback may destroy its window: walk a copy of the IDs.
    std::vector<XPLMWindowID> ids;
    for (auto& w : windows) ids.push_back(w.get());
    for (XPLMWindowID id : ids) {
        Window* w = find(id);
        if (w && w->params.visible && w->params.drawWindowFunc)
            w->params.drawWindowFunc(id, w->params.refcon);
    }
}

void dropWindows() {
    windows.clear();
    keyboardFocus = nullptr;
}

void resetWindows() {
    monitors.clear();
    windows.clear();
    keyboardFocus = nullptr;
    screenWidth = kDefaultWidth;
    screenHeight = kDefaultHeight;
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
    if (xpsim::keyboardFocus == inWindowID) xpsim::keyboardFocus = nullptr;
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
}

XPLM_API int XPLMGetWindowIsVisible(XPLMWindowID inWindowID) {
    xpsim::Window* w = find(inWindowID);
    return w && w->params.visible ? 1 : 0;
}

XPLM_API void XPLMSetWindowIsVisible(XPLMWindowID inWindowID, int inIsVisible) {
    if (xpsim::Window* w = find(inWindowID)) w->params.visible = inIsVisible ? 1 : 0;
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

XPLM_API void XPLMGetScreenSize(int* outWidth, int* outHeight) {
    if (outWidth) *outWidth = xpsim::screenWidth;
    if (outHeight) *outHeight = xpsim::screenHeight;
}

XPLM_API void XPLMGetScreenBoundsGlobal(int* outLeft, int* outTop, int* outRight,
                                        int* outBottom) {
    xpsim::Bounds all = xpsim::desktop();
    if (outLeft) *outLeft = all.left;
    if (outTop) *outTop = all.top;
    if (outRight) *outRight = all.right;
    if (outBottom) *outBottom = all.bottom;
}

XPLM_API void XPLMGetAllMonitorBoundsGlobal(
    XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback, void* inRefcon) {
    if (!inMonitorBoundsCallback) return;
    if (xpsim::monitors.empty()) {
        inMonitorBoundsCallback(0, 0, xpsim::screenHeight, xpsim::screenWidth, 0, inRefcon);
        return;
    }
    for (const auto& entry : xpsim::monitors) {
        const xpsim::Bounds& m = entry.second;
        inMonitorBoundsCallback(entry.first, m.left, m.top, m.right, m.bottom, inRefcon);
    }
}

XPLM_API void XPLMSetWindowTitle(XPLMWindowID inWindowID, const char* inWindowTitle) {
    if (xpsim::Window* w = find(inWindowID)) w->title = inWindowTitle ? inWindowTitle : "";
}

XPLM_API void XPLMTakeKeyboardFocus(XPLMWindowID inWindow) {
    xpsim::keyboardFocus = find(inWindow) ? inWindow : nullptr;
}

XPLM_API int XPLMHasKeyboardFocus(XPLMWindowID inWindow) {
    return inWindow != nullptr && xpsim::keyboardFocus == inWindow ? 1 : 0;
}

XPLM_API void XPLMSetWindowPositioningMode(XPLMWindowID inWindowID,
                                           XPLMWindowPositioningMode inPositioningMode,
                                           int /*inMonitorIndex*/) {
    if (xpsim::Window* w = find(inWindowID)) w->positioningMode = inPositioningMode;
}

XPLM_API int XPLMWindowIsPoppedOut(XPLMWindowID inWindowID) {
    xpsim::Window* w = find(inWindowID);
    return w && w->positioningMode == xplm_WindowPopOut ? 1 : 0;
}

XPLM_API int XPLMWindowIsInVR(XPLMWindowID inWindowID) {
    xpsim::Window* w = find(inWindowID);
    return w && w->positioningMode == xplm_WindowVR ? 1 : 0;
}

// The simulator's desktop is its only OS window, so OS pixels are boxels with
// y turned downwards from the screen's top.
XPLM_API void XPLMGetWindowGeometryOS(XPLMWindowID inWindowID, int* outLeft, int* outTop,
                                      int* outRight, int* outBottom) {
    xpsim::Window* w = find(inWindowID);
    if (!w) return;
    if (outLeft) *outLeft = w->params.left;
    if (outTop) *outTop = xpsim::screenHeight - w->params.top;
    if (outRight) *outRight = w->params.right;
    if (outBottom) *outBottom = xpsim::screenHeight - w->params.bottom;
}

XPLM_API void XPLMSetWindowGeometryOS(XPLMWindowID inWindowID, int inLeft, int inTop,
                                      int inRight, int inBottom) {
    XPLMSetWindowGeometry(inWindowID, inLeft, xpsim::screenHeight - inTop, inRight,
                          xpsim::screenHeight - inBottom);
}

XPLM_API void XPLMGetAllMonitorBoundsOS(XPLMReceiveMonitorBoundsGlobal_f inMonitorBoundsCallback,
                                        void* inRefcon) {
    if (inMonitorBoundsCallback)
        inMonitorBoundsCallback(0, 0, 0, xpsim::screenWidth, xpsim::screenHeight, inRefcon);
}
