// Mouse and keyboard input: each press goes to the frontmost visible window
// under the mouse and on down the stack while windows return 0, and the
// window that took it gets the drags and the release, wherever the mouse is,
// as in X-Plane; keys go
// to the window holding the keyboard focus. What no window takes reaches
// X-Plane and is counted.
#include <cctype>
#include <vector>

#include "internal.h"
#include "xpsim.h"

namespace xpsim {
namespace {

int mouseX = 0;
int mouseY = 0;
InputCounts passed;
// Per button (left, right): the window that took the press being held.
XPLMWindowID pressedWindow[2] = {nullptr, nullptr};

}  // namespace

void setMousePosition(int x, int y) {
    mouseX = x;
    mouseY = y;
    if (!detail::pluginCallbacksAllowed()) return;
    for (const XPLMCreateWindow_t* p : detail::windowsUnder(x, y))
        if (p->handleCursorFunc &&
            p->handleCursorFunc(detail::windowIdOf(p), x, y, p->refcon) != xplm_CursorDefault)
            return;
}

bool mouseClick(int x, int y, bool right, XPLMMouseStatus status) {
    mouseX = x;
    mouseY = y;
    XPLMWindowID& holder = pressedWindow[right ? 1 : 0];
    if (detail::pluginCallbacksAllowed()) {
        auto handlerOf = [right](const XPLMCreateWindow_t* p) {
            return right ? p->handleRightClickFunc : p->handleMouseClickFunc;
        };
        if (status != xplm_MouseDown && holder) {
            XPLMWindowID id = holder;
            if (status == xplm_MouseUp) holder = nullptr;
            const XPLMCreateWindow_t* p = detail::windowParams(id);
            if (p && handlerOf(p)) {
                handlerOf(p)(id, x, y, status, p->refcon);
                return true;
            }
        }
        for (const XPLMCreateWindow_t* p : detail::windowsUnder(x, y)) {
            XPLMHandleMouseClick_f handler = handlerOf(p);
            XPLMWindowID id = detail::windowIdOf(p);
            if (handler && handler(id, x, y, status, p->refcon)) {
                if (status == xplm_MouseDown) holder = id;
                return true;
            }
        }
    }
    ++(right ? passed.rightClicks : passed.leftClicks);
    return false;
}

bool mouseWheel(int clicks) {
    if (detail::pluginCallbacksAllowed()) {
        for (const XPLMCreateWindow_t* p : detail::windowsUnder(mouseX, mouseY))
            if (p->handleMouseWheelFunc &&
                p->handleMouseWheelFunc(detail::windowIdOf(p), mouseX, mouseY, 0, clicks,
                                        p->refcon))
                return true;
    }
    ++passed.wheels;
    return false;
}

bool keyEvent(const KeyStroke& stroke) {
    const XPLMCreateWindow_t* p = detail::focusedWindow();
    if (p && p->handleKeyFunc && detail::pluginCallbacksAllowed()) {
        p->handleKeyFunc(detail::windowIdOf(p), stroke.key, stroke.flags,
                         static_cast<char>(stroke.vkey), p->refcon, 0);
        return true;
    }
    ++passed.keys;
    return false;
}

namespace {

void press(KeyStroke stroke, XPLMKeyFlags modifiers) {
    stroke.flags |= modifiers;
    if ((stroke.flags & xplm_ShiftFlag) && std::isalpha(static_cast<unsigned char>(stroke.key)))
        stroke.key = static_cast<char>(std::toupper(static_cast<unsigned char>(stroke.key)));
    XPLMKeyFlags held = stroke.flags & ~(xplm_DownFlag | xplm_UpFlag);
    keyEvent({stroke.key, held | xplm_DownFlag, stroke.vkey});
    keyEvent({stroke.key, held | xplm_UpFlag, stroke.vkey});
}

}  // namespace

bool pressKey(const std::string& key, XPLMKeyFlags modifiers) {
    KeyStroke stroke;
    if (!detail::keyForName(key, &stroke)) return false;
    press(stroke, modifiers);
    return true;
}

bool typeText(const std::string& text) {
    std::vector<KeyStroke> strokes;
    for (char c : text) {
        KeyStroke stroke;
        if (!detail::keyForCharacter(c, &stroke)) return false;
        strokes.push_back(stroke);
    }
    for (const KeyStroke& stroke : strokes) press(stroke, 0);
    return true;
}

InputCounts inputReachedXPlane() { return passed; }

namespace detail {

void resetInput() {
    mouseX = 0;
    mouseY = 0;
    passed = {};
    pressedWindow[0] = pressedWindow[1] = nullptr;
}

void forgetPressedWindow(XPLMWindowID id) {
    for (XPLMWindowID& held : pressedWindow)
        if (held == id) held = nullptr;
}

}  // namespace detail
}  // namespace xpsim

XPLM_API void XPLMGetMouseLocationGlobal(int* outX, int* outY) {
    if (outX) *outX = xpsim::mouseX;
    if (outY) *outY = xpsim::mouseY;
}
