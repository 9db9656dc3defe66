// Verbs that publish commands as other plug-ins do, show which commands exist
// and what reached X-Plane of them.
#include "output.h"
#include "verbs.h"
#include "xplane/sdk.h"
#include "xpsim.h"

namespace xpsim::runner {
namespace {

bool commands(const Words& args, std::string*) {
    std::vector<std::string> names = commandNames(args[0]);
    for (const std::string& name : names)
        printLine(name + " handlers " + std::to_string(handlerCount(name)));
    printLine("commands " + args[0] + ": " + std::to_string(names.size()));
    return true;
}

bool reached(const Words& args, std::string* error) {
    if (!hasCommand(args[0])) return fail(error, "unknown command " + args[0]);
    std::array<int, 3> phases = reachedXPlanePhases(args[0]);
    printLine("reached " + args[0] + " = " + std::to_string(phases[0]) + " " +
              std::to_string(phases[1]) + " " + std::to_string(phases[2]));
    return true;
}

// As another plug-in would publish one of its commands.
bool commandCreate(const Words& args, std::string* error) {
    if (hasCommand(args[0])) return fail(error, "command exists: " + args[0]);
    XPLMCreateCommand(args[0].c_str(), "");
    return true;
}

}  // namespace

const Verb kCommandVerbs[] = {
    {"commands", 1, 1, "commands PREFIX", commands},
    {"reached", 1, 1, "reached NAME", reached},
    {"command-create", 1, 1, "command-create NAME", commandCreate},
    {nullptr, 0, 0, nullptr, nullptr},
};

}  // namespace xpsim::runner
