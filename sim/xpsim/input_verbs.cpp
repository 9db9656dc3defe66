// Verbs that move the mouse, press its buttons and turn its wheel as the user
// would, and size the screen.
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

bool screen(const Words& args, std::string* error) {
    int w = 0;
    int h = 0;
    if (!point(args, &w, &h, error)) return false;
    if (w < 0 || h < 0) return fail(error, "bad screen size");
    setScreenSize(w, h);
    return true;
}

bool windows(const Words&, std::string*) {
    for (const WindowInfo& w : windowList())
        printLine("window " + std::to_string(w.left) + " " + std::to_string(w.top) + " " +
                  std::to_string(w.right) + " " + std::to_string(w.bottom) + " layer " +
                  std::to_string(w.layer) + (w.visible ? " visible" : " hidden"));
    printLine("windows: " + std::to_string(windowCount()));
    return true;
}

}  // namespace

const Verb kInputVerbs[] = {
    {"mouse", 2, 2, "mouse X Y", mouse},
    {"click", 2, 4, "click X Y [left|right] [down|drag|up]", click},
    {"wheel", 1, 1, "wheel CLICKS", wheel},
    {"screen", 2, 2, "screen W H", screen},
    {"windows", 0, 0, "windows", windows},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner
