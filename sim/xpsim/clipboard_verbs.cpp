// The clipboard as a user would paste it: what the plug-in last copied.
#include "output.h"
#include "verbs.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

bool clipboard(const Words&, std::string*) {
    std::string text;
    printLine(clipboardText(&text) ? "clipboard: " + text : "clipboard: none");
    return true;
}

}  // namespace

const Verb kClipboardVerbs[] = {
    {"clipboard", 0, 0, "clipboard", clipboard},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner
