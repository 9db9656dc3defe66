// Mouse and keyboard input: each mouse event goes to the frontmost visible
// window under the mouse and on down the stack while windows return 0; keys go
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
    if (detail::pluginCallbacksAllowed()) {
        for (const XPLMCreateWindow_t* p : detail::windowsUnder(x, y)) {
            XPLMHandleMouseClick_f handler = right ? p->handleRightClickFunc
                                                   : p->handleMouseClickFunc;
            if (handler && handler(detail::windowIdOf(p), x, y, status, p->refcon)) return true;
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
}

}  // namespace detail
}  // namespace xpsim

XPLM_API void XPLMGetMouseLocationGlobal(int* outX, int* outY) {
    if (outX) *outX = xpsim::mouseX;
    if (outY) *outY = xpsim::mouseY;
}
