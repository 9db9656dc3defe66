// Mouse input: each event goes to the frontmost visible window under the
// mouse and on down the stack while windows return 0; what no window takes
// reaches X-Plane and is counted.
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
