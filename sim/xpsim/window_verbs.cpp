// Verbs that set up the monitors and show the windows: their list, a
// screenshot of the desktop, and X-Plane's close box.
#include <filesystem>

#include "output.h"
#include "verbs.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

bool integers(const Words& args, size_t from, int* out, size_t count, std::string* error) {
    for (size_t i = 0; i < count; ++i) {
        long value = 0;
        if (!parseInteger(args[from + i], &value)) return fail(error, "bad number " + args[from + i]);
        out[i] = static_cast<int>(value);
    }
    return true;
}

bool screen(const Words& args, std::string* error) {
    int size[2] = {0, 0};
    if (!integers(args, 0, size, 2, error)) return false;
    if (size[0] < 0 || size[1] < 0) return fail(error, "bad screen size");
    setScreenSize(size[0], size[1]);
    return true;
}

bool monitor(const Words& args, std::string* error) {
    int v[5] = {};
    if (!integers(args, 0, v, 5, error)) return false;
    if (v[0] < 0) return fail(error, "bad monitor index " + args[0]);
    if (v[3] < v[1] || v[2] < v[4]) return fail(error, "bad monitor bounds");
    setMonitor(v[0], v[1], v[2], v[3], v[4]);
    return true;
}

bool windows(const Words&, std::string*) {
    for (const WindowInfo& w : windowList())
        printLine("window \"" + w.title + "\" " + std::to_string(w.left) + " " +
                  std::to_string(w.top) + " " + std::to_string(w.right) + " " +
                  std::to_string(w.bottom) + " layer " + std::to_string(w.layer) +
                  (w.visible ? " visible" : " hidden") +
                  (w.positioningMode == xplm_WindowPopOut
                       ? " popped-out os " + std::to_string(w.os.left) + " " +
                             std::to_string(w.os.top) + " " + std::to_string(w.os.right) + " " +
                             std::to_string(w.os.bottom)
                       : std::string()));
    printLine("windows: " + std::to_string(windowCount()));
    return true;
}

bool screenshotVerb(const Words& args, std::string* error) {
    std::filesystem::path file = underRoot(args[0]);
    std::error_code ignored;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    if (!screenshot(file.string())) return fail(error, "cannot write the screenshot " + args[0]);
    return true;
}

bool close(const Words& args, std::string* error) {
    if (!closeWindow(args[0]))
        return fail(error, "no visible window \"" + args[0] + "\" with a close box");
    return true;
}

bool popout(const Words& args, std::string* error) {
    if (!popOutWindow(args[0]))
        return fail(error, "no visible window \"" + args[0] + "\" with a frame to pop out");
    return true;
}

}  // namespace

const Verb kWindowVerbs[] = {
    {"screen", 2, 2, "screen W H", screen},
    {"monitor", 5, 5, "monitor INDEX LEFT TOP RIGHT BOTTOM", monitor},
    {"windows", 0, 0, "windows", windows},
    {"screenshot", 1, 1, "screenshot FILE", screenshotVerb},
    {"close", 1, 1, "close TITLE", close},
    {"popout", 1, 1, "popout TITLE", popout},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner
