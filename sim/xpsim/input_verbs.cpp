// Verbs that move the mouse, press its buttons, turn its wheel and press keys
// as the user would.
#include "output.h"
#include "verbs.h"
#include "xplane/sdk.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

bool point(const Words& args, int* x, int* y, std::string* error) {
    long lx = 0;
    long ly = 0;
    if (!parseInteger(args[0], &lx) || !parseInteger(args[1], &ly))
        return fail(error, "bad position " + args[0] + " " + args[1]);
    *x = static_cast<int>(lx);
    *y = static_cast<int>(ly);
    return true;
}

bool mouse(const Words& args, std::string* error) {
    int x = 0;
    int y = 0;
    if (!point(args, &x, &y, error)) return false;
    setMousePosition(x, y);
    return true;
}

// Only what no window took is printed: the window's consumption is the point
// of most mouse scenarios.
bool click(const Words& args, std::string* error) {
    int x = 0;
    int y = 0;
    if (!point(args, &x, &y, error)) return false;
    bool right = false;
    std::vector<XPLMMouseStatus> phases = {xplm_MouseDown, xplm_MouseUp};
    for (size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "left") right = false;
        else if (args[i] == "right") right = true;
        else if (args[i] == "down") phases = {xplm_MouseDown};
        else if (args[i] == "drag") phases = {xplm_MouseDrag};
        else if (args[i] == "up") phases = {xplm_MouseUp};
        else return fail(error, "bad click word " + args[i]);
    }
    for (XPLMMouseStatus phase : phases)
        if (!mouseClick(x, y, right, phase))
            printLine(std::string("click passed to X-Plane: ") + (right ? "right" : "left"));
    return true;
}

bool wheel(const Words& args, std::string* error) {
    long clicks = 0;
    if (!parseInteger(args[0], &clicks)) return fail(error, "bad clicks " + args[0]);
    if (!mouseWheel(static_cast<int>(clicks))) printLine("wheel passed to X-Plane");
    return true;
}

bool key(const Words& args, std::string* error) {
    XPLMKeyFlags modifiers = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "shift") modifiers |= xplm_ShiftFlag;
        else if (args[i] == "ctrl") modifiers |= xplm_ControlFlag;
        else if (args[i] == "alt") modifiers |= xplm_OptionAltFlag;
        else return fail(error, "bad modifier " + args[i]);
    }
    int passedBefore = inputReachedXPlane().keys;
    if (!pressKey(args[0], modifiers)) return fail(error, "unknown key " + args[0]);
    if (inputReachedXPlane().keys != passedBefore) printLine("key passed to X-Plane: " + args[0]);
    return true;
}

bool type(const Words& args, std::string* error) {
    int passedBefore = inputReachedXPlane().keys;
    if (!typeText(args[0])) return fail(error, "no key types a character of " + args[0]);
    if (inputReachedXPlane().keys != passedBefore) printLine("type passed to X-Plane: " + args[0]);
    return true;
}

}  // namespace

const Verb kInputVerbs[] = {
    {"mouse", 2, 2, "mouse X Y", mouse},
    {"click", 2, 4, "click X Y [left|right] [down|drag|up]", click},
    {"wheel", 1, 1, "wheel CLICKS", wheel},
    {"key", 1, 4, "key KEY [shift] [ctrl] [alt]", key},
    {"type", 1, 1, "type TEXT", type},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner
